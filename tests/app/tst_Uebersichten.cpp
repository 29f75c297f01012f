#include "Eingabetest.h"
#include "FensterTest.h"
#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "common/Testdrucker.h"
#include "output/ui/Ansicht.h"
#include "output/ui/DrVorwahl.h"
#include "output/ui/DruckBefehle.h"
#include "output/ui/FpdfVW.h"
#include "output/ui/Statisik.h"
#include "output/ui/Statistikgrafik.h"
#include "settings/Einstellungen.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

QStringList Spalte(const QTreeWidget* liste, int spalte) {
    QStringList texte;
    for (int z = 0; z < liste->topLevelItemCount(); ++z)
        texte << liste->topLevelItem(z)->text(spalte);
    return texte;
}

// KleinesProjekt with the request of Maier's Anna with MUE booked and nailed.
std::unique_ptr<TProjekt> TeilweiseGebucht() {
    auto p = KleinesProjekt();
    TGespraech* g = p->Gespraechsliste[0];
    g->Termin = 0;
    g->Lehrer->Zeiten[0] = g->Nummer;
    g->Eltern()->Zeiten[0] = g->Nummer;
    g->SetGenagelt(true);
    return p;
}

// With VEL_BILDER set, the window is saved there as PNG to look at.
void Ablegen(QWidget* fenster, const QString& name) {
    if (const QString ordner = qEnvironmentVariable("VEL_BILDER"); !ordner.isEmpty())
        QVERIFY(fenster->grab().save(ordner + u'/' + name + QStringLiteral(".png")));
}

// How dark a part of an image is: the sum of its pixels' darkness.
qint64 Tinte(const QImage& bild, const QRect& teil) {
    qint64 summe = 0;
    for (int y = teil.top(); y <= teil.bottom(); ++y)
        for (int x = teil.left(); x <= teil.right(); ++x)
            summe += 255 - qGray(bild.pixel(x, y));
    return summe;
}

// The ink the dots of "Ü" add to "MUL", drawn in the font with room all round.
qint64 Punkte(const QFont& schrift) {
    const auto zeichnen = [&](const QString& text) {
        QImage bild(200, 100, QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter maler(&bild);
        maler.setFont(schrift);
        maler.drawText(20, 60, text);
        maler.end();
        return Tinte(bild, bild.rect());
    };
    return zeichnen(QString::fromUtf8("MÜL")) - zeichnen(QStringLiteral("MUL"));
}

// The row of "MÜL" in a list holds the whole ink of the dots over the row of "MUL": none is cut off
// at the row's top.
void PunkteGezeichnet(QAbstractItemView* liste, const QString& spur) {
    const QAbstractItemModel* modell = liste->model();
    QModelIndex mitPunkten;
    QModelIndex ohne;
    for (int z = 0; z < modell->rowCount(); ++z) {
        const QModelIndex i = modell->index(z, 0);
        if (i.data().toString() == QString::fromUtf8("MÜL")) mitPunkten = i;
        if (i.data().toString() == QStringLiteral("MUL")) ohne = i;
    }
    QVERIFY(mitPunkten.isValid() && ohne.isValid());
    const QImage bild = liste->viewport()->grab().toImage();
    const qint64 punkte = Tinte(bild, liste->visualRect(mitPunkten)) - Tinte(bild, liste->visualRect(ohne));
    const qint64 erwartet = Punkte(liste->font());
    QVERIFY2(erwartet > 0, qPrintable(spur));
    QVERIFY2(punkte * 10 >= erwartet * 9,
             qPrintable(QStringLiteral("%1: %2 of %3").arg(spur).arg(punkte).arg(erwartet)));
}

// Three teachers, MÜL and MUL with one conversation each and AAA with two, so that the first row,
// which may carry the focus, is another.
std::unique_ptr<TProjekt> UmlautLehrer() {
    TProjektBauer b;
    b.Rahmen(1, 6);
    b.Wunsch(b.Kind("Maier", "Anna"), "AAA");
    b.Wunsch(b.Kind("Maier", "Ben"), "AAA");
    b.Wunsch(b.Kind("Maier", "Anna"), QString::fromUtf8("MÜL"));
    b.Wunsch(b.Kind("Maier", "Ben"), "MUL");
    b.p.Lehrerliste.LehrerSortieren();
    return b.Abgeben();
}

} // namespace

class TstUebersichten : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each overview from the view menu: its title, the view switch, and a column sort.
    void ausDemMenue() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(TeilweiseGebucht());
        QStringList titel;
        QStringList kopfzeilen;
        TDialogFolge folge({[&](QDialog& d) {
                                auto& a = dynamic_cast<TAnsichtDlg&>(d);
                                kopfzeilen << a.windowTitle();
                                titel << a.LblTitel->text();
                                Ablegen(&a, QStringLiteral("ansicht-ohne-termin"));
                                QCOMPARE(Spalte(a.Liste, 0), (QStringList{"Familie Maier", ""}));
                                a.Wechsln->click();
                                titel << a.LblTitel->text();
                                QCOMPARE(Spalte(a.Liste, 0), (QStringList{"BER", ""}));
                                a.Schl->click();
                            },
                            [&](QDialog& d) {
                                auto& a = dynamic_cast<TAnsichtDlg&>(d);
                                kopfzeilen << a.windowTitle();
                                titel << a.LblTitel->text();
                                QCOMPARE(Spalte(a.Liste, 1), (QStringList{"MUE"}));
                                QCOMPARE(a.Liste->topLevelItem(0)->text(4), "01.03.27, 16:00");
                                a.Schl->click();
                            },
                            [&](QDialog& d) {
                                auto& a = dynamic_cast<TAnsichtDlg&>(d);
                                kopfzeilen << a.windowTitle();
                                titel << a.LblTitel->text();
                                QCOMPARE(Spalte(a.Liste, 0), (QStringList{"BER", "MUE"}));
                                a.Liste->header()->sectionClicked(4);
                                QCOMPARE(Spalte(a.Liste, 0), (QStringList{"BER", "MUE"}));
                                a.Liste->header()->sectionClicked(3);
                                QCOMPARE(Spalte(a.Liste, 0), (QStringList{"MUE", "BER"}));
                                a.Schl->click();
                            },
                            [&](QDialog& d) {
                                auto& a = dynamic_cast<TAnsichtDlg&>(d);
                                kopfzeilen << a.windowTitle();
                                titel << a.LblTitel->text();
                                a.Wechsln->click();
                                titel << a.LblTitel->text();
                                a.Schl->click();
                            }});
        for (QAction* eintrag : {f.AnsNichtTerm1, f.AnsNaegel1, f.AnzlGspL1, f.AnsRaum1})
            eintrag->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(titel, (QStringList{"Nicht terminierte Gespräche (nach Eltern sortiert)",
                                     "Nicht terminierte Gespräche (nach Lehrern sortiert)",
                                     "Genagelte Gespräche (nach Eltern sortiert)",
                                     "Gesprächsanzahlen der Lehrer (nur beteiligte)",
                                     "Raumzuordnung [nur für Lehrer mit Gespräch]",
                                     "Raumzuordnung für alle Lehrer"}));
        QCOMPARE(kopfzeilen, (QStringList{"Gespräche ohne Termin", "Genagelte Gespräche", "Gesprächsanzahlen",
                                          "Raumzuordnung"}));
        // The room overview's choice is kept for the next time.
        QVERIFY(TerminwerteLesen(t.Speicher).AlleAnzeigen);
    }

    // From the PDF choice's "Sonstige Listen ...", saved as PDF: the file holds the rows shown; an empty
    // overview is not saved.
    void pdfAusDerWahl() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(TeilweiseGebucht());
        f.Gruppen.Druck->Stand.PdfOrdner = t.Ordner.path();
        {
            const QString datei = t.Ordner.filePath("ohne.pdf");
            t.Dateiwahl.Antworten = {datei};
            TDialogFolge folge({[](QDialog& d) {
                                    auto& wahl = dynamic_cast<TFpdfVW&>(d);
                                    QAction* eintrag = wahl.SonstMenue->actions().at(3);
                                    QVERIFY(eintrag->isEnabled());
                                    QTimer::singleShot(0, eintrag, &QAction::trigger);
                                },
                                [](QDialog& d) {
                                    auto& a = dynamic_cast<TAnsichtDlg&>(d);
                                    a.PDFbtn->click();
                                    a.Schl->click();
                                },
                                [](QDialog& d) { d.reject(); }});
            f.PDFExport1->trigger();
            QCOMPARE(folge.Offen(), 0);
            QCOMPARE(t.Dateiwahl.Anfragen.last().Titel, "Gespräche ohne Termin als PDF speichern");
            QVERIFY(t.Dateiwahl.Anfragen.last().Name.endsWith(" - Gespräche ohne Termin.pdf"));
            const QString text = PdfText(datei);
            QVERIFY2(text.contains("für die kein Termin gefunden wurde"), qPrintable(text));
            QVERIFY(text.contains("Familie Maier"));
            QVERIFY(text.contains("Ben (10b)"));
        }
        TDialogFolge leer({[](QDialog& d) {
            auto& a = dynamic_cast<TAnsichtDlg&>(d);
            QCOMPARE(a.LblTitel->text(), "Nicht terminierte Gespräche gibt es nicht in diesem Projekt.");
            QVERIFY(!a.PDFbtn->isEnabled());
            QVERIFY(!a.Druck->isEnabled());
            a.Schl->click();
        }});
        f.ProjektErsetzen(GebuchtesProjekt());
        f.AnsNichtTerm1->trigger();
        QCOMPARE(leer.Offen(), 0);
    }

    // Every list of the PDF choice's "Sonstige Listen ..." opens its window.
    void sonstigeListen() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(TeilweiseGebucht());
        f.Gruppen.Druck->Stand.PdfOrdner = t.Ordner.path();
        QStringList gezeigt;
        for (int eintrag = 0; eintrag < 5; ++eintrag) {
            TDialogFolge folge({[eintrag](QDialog& d) {
                                    QAction* a = dynamic_cast<TFpdfVW&>(d).SonstMenue->actions().at(eintrag);
                                    QTimer::singleShot(0, a, &QAction::trigger);
                                },
                                [&](QDialog& d) {
                                    if (auto* a = dynamic_cast<TAnsichtDlg*>(&d))
                                        gezeigt << a->LblTitel->text();
                                    else
                                        gezeigt << d.windowTitle();
                                    d.accept();
                                },
                                [](QDialog& d) { d.reject(); }});
            f.PDFExport1->trigger();
            QCOMPARE(folge.Offen(), 0);
        }
        QCOMPARE(gezeigt, (QStringList{"Statistik", "Raumzuordnung [nur für Lehrer mit Gespräch]",
                                       "Gesprächsanzahlen der Lehrer (nur beteiligte)",
                                       "Nicht terminierte Gespräche (nach Eltern sortiert)",
                                       "Genagelte Gespräche (nach Eltern sortiert)"}));
    }

    // The statistics window shows the figures, the last run's duration and the chart and saves them as
    // PDF.
    void statistik() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        auto projekt = GebuchtesProjekt();
        projekt->Laufzeit = 1.3 / 86400;
        f.ProjektErsetzen(std::move(projekt));
        const QString datei = t.Ordner.filePath("statistik.pdf");
        t.Dateiwahl.Antworten = {datei};
        TDialogFolge folge({[](QDialog& d) {
            auto& s = dynamic_cast<TStatisk&>(d);
            QCOMPARE(s.Felder.value("GZahl")->text(), "3");
            QCOMPARE(s.Felder.value("EZahl")->text(), "1");
            QCOMPARE(s.Felder.value("AnzG")->text(), "3");
            QCOMPARE(s.Felder.value("Quote")->text(), "100,00%");
            QCOMPARE(s.Felder.value("mGK")->text(), "1,50");
            QCOMPARE(s.RZeit->text(), "Rechenzeit: 1,30s");
            QVERIFY(!s.Grafik->grab().isNull());
            Ablegen(&s, QStringLiteral("statistik"));
            s.PdfBtn->click();
            s.accept();
        }});
        f.Statstk0->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(t.Dateiwahl.Anfragen.last().Titel, "Statistik als PDF-Dokument speichern");
        const QString text = PdfText(datei);
        QVERIFY2(text.contains("Anzahl der mit VEL gesetzten Termine:"), qPrintable(text));
        QVERIFY(text.contains("100,00%"));
    }

    // Capital umlauts keep their dots in the rows of the overviews and of the person lists.
    void umlautpunkte() {
        auto projekt = UmlautLehrer();
        TAnsichtDlg ansicht(*projekt, {TUebersichtArt::Anzahlen}, {}, [](bool, const auto&, const auto&) {});
        ansicht.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ansicht));
        PunkteGezeichnet(ansicht.Liste, QStringLiteral("Gesprächsanzahlen"));
        Ablegen(&ansicht, QStringLiteral("ansicht-anzahlen"));

        TFensterTest t;
        t.Fenster->ProjektErsetzen(UmlautLehrer());
        QVERIFY(t.Zeigen());
        PunkteGezeichnet(t.Fenster->Lehrerpanel->LVLehrer, QStringLiteral("Lehrerliste"));
        Ablegen(t.Fenster.get(), QStringLiteral("hauptfenster-umlaute"));
    }

    // A PDF that cannot be written is reported, not passed over.
    void pdfNichtSchreibbar() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(GebuchtesProjekt());
        t.Dateiwahl.Antworten = {t.Ordner.filePath("fehlt/statistik.pdf")};
        TDialogFolge folge({[](QDialog& d) {
            auto& s = dynamic_cast<TStatisk&>(d);
            s.PdfBtn->click();
            s.accept();
        }});
        f.Statstk1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QVERIFY(t.Meldung.Protokoll.last().Text.startsWith("Die Datei "));
        QCOMPARE(t.Meldung.Protokoll.last().Art, MeldungsArt::Fehler);
    }
};

VEL_TEST(TstUebersichten)
#include "tst_Uebersichten.moc"
