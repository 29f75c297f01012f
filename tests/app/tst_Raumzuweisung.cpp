#include "Eingabetest.h"
#include "FensterTest.h"
#include "common/TestHaupt.h"
#include "model/Projektdatei.h"
#include "output/ui/DruckBefehle.h"
#include "output/ui/FpdfVW.h"
#include "rooms/ui/RaumDlg.h"
#include "rooms/ui/UDoppelbelegung.h"
#include "ui/Feldhinweis.h"

#include <QAction>
#include <QButtonGroup>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

TLehrer* Lehrer(TVELWnd& f, const char* kuerzel) {
    return f.Projekt()->Lehrerliste.FindeKuerzel(QString::fromUtf8(kuerzel));
}

// GebuchtesProjekt and a conversation of BER with Acker's Cem in slot 0, the slot of MUE and Anna:
// one shared room makes a conflict.
std::unique_ptr<TProjekt> ZeitgleichesProjekt() {
    auto p = GebuchtesProjekt();
    TLehrer* ber = p->Lehrerliste.FindeKuerzel(QStringLiteral("BER"));
    TKind* cem = nullptr;
    for (const auto& e : p->Elternliste)
        if (e->Name == QStringLiteral("Acker")) cem = e->Kinder[0];
    TGespraech* g = p->NeuesGespraech(ber, cem);
    g->Termin = 0;
    ber->Zeiten[0] = g->Nummer;
    cem->Eltern->Zeiten[0] = g->Nummer;
    p->ZaehleGespraeche();
    return p;
}

QStringList Zeile(const QTreeWidget* liste, int z) {
    QStringList texte;
    for (int s = 0; s < liste->columnCount(); ++s)
        texte << liste->topLevelItem(z)->text(s);
    return texte;
}

} // namespace

class TstRaumzuweisung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The walk through the teachers by keyboard alone: a room, Enter, the next teacher; after the last
    // one Enter on "Schließen".
    void tastatur() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(GebuchtesProjekt());
        TDialogFolge folge({[](QDialog& d) {
            auto& dlg = dynamic_cast<TLRaumDlg&>(d);
            QCOMPARE(dlg.windowTitle(), "Räume zuweisen");
            QCOMPARE(dlg.Anzeigen->checkedId(), 1);
            QCOMPARE(Fokus(d), dlg.Raumbez);
            QCOMPARE(dlg.LblLehrer->text(), "Raum für Frau von Berg (BER):");
            QCOMPARE(dlg.LblAnzahl->text(), "Gewünschte Gespräche: 2");
            Tippen(Fokus(d), QStringLiteral(" 207 "));
            QTest::keyClick(Fokus(d), Qt::Key_Return);
            QCOMPARE(dlg.LblLehrer->text(), "Raum für Herrn Dr. Müller (MUE):");
            Tippen(Fokus(d), QString::fromUtf8("Aula  Süd"));
            QTest::keyClick(Fokus(d), Qt::Key_Return);
            QCOMPARE(Fokus(d), dlg.SchliessenBtn);
            QCOMPARE(Zeile(dlg.Lvr, 0), (QStringList{"BER", "Frau von Berg", "Raum 207"}));
            QTest::keyClick(Fokus(d), Qt::Key_Return);
        }});
        f.LRaumZw1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(Lehrer(f, "BER")->Raum, "Raum 207");
        QCOMPARE(Lehrer(f, "MUE")->Raum, QString::fromUtf8("Aula Süd"));
        QVERIFY(f.Dokument.IstGeaendert());
        QVERIFY(f.Projekt()->NotizHaken[Notizhaken::RaeumeZugeordnet]);
    }

    // A shared room at one time: "Schließen" hides the dialog and shows the conflict alone; "Zur
    // Raumzuordnung" brings the dialog back at its first teacher, "Ignorieren, schließen, fortfahren"
    // closes it.
    void konflikt() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(ZeitgleichesProjekt());
        TLRaumDlg* raeume = nullptr;
        const auto zeigen = [&](QDialog& d) {
            auto& dlg = dynamic_cast<TLRaumDlg&>(d);
            raeume = &dlg;
            for (int i = 0; i < 2; ++i) {
                Tippen(dlg.Raumbez, QStringLiteral("5"));
                QTest::keyClick(dlg.Raumbez, Qt::Key_Return);
            }
            QTimer::singleShot(0, dlg.SchliessenBtn, &QPushButton::click);
        };
        QStringList gezeigt;
        bool verdeckt = true;
        TDialogFolge folge({zeigen,
                            [&](QDialog& d) {
                                auto& k = dynamic_cast<TFDoppelbelegung&>(d);
                                QCOMPARE(k.windowTitle(), "Raumkonflikte");
                                QCOMPARE(k.Liste->topLevelItemCount(), 1);
                                gezeigt = Zeile(k.Liste, 0);
                                verdeckt = raeume->isVisible();
                                k.ZuordnenBtn->click();
                            },
                            [](QDialog& d) {
                                auto& dlg = dynamic_cast<TLRaumDlg&>(d);
                                QVERIFY(dlg.isVisible());
                                QCOMPARE(dlg.Lvr->currentItem(), dlg.Lvr->topLevelItem(0));
                                QCOMPARE(dlg.Raumbez->text(), "Raum 5");
                                QCOMPARE(Fokus(d), dlg.Raumbez);
                                QTimer::singleShot(0, dlg.SchliessenBtn, &QPushButton::click);
                            },
                            [&](QDialog& d) {
                                verdeckt = verdeckt || raeume->isVisible();
                                dynamic_cast<TFDoppelbelegung&>(d).FortfahrenBtn->click();
                            }});
        f.Raum0->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QVERIFY(!verdeckt);
        QCOMPARE(gezeigt, (QStringList{f.Projekt()->TerminText(0), "Raum 5", "BER", "MUE"}));
        QCOMPARE(Lehrer(f, "MUE")->Raum, "Raum 5");
    }

    // A PDF run with a shared room: "Zur Raumzuordnung" closes the PDF choice and opens the rooms.
    void vorDemDruck() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(ZeitgleichesProjekt());
        for (const char* k : {"BER", "MUE"})
            Lehrer(f, k)->Raum = QStringLiteral("Raum 5");
        f.Gruppen.Druck->Stand.PdfOrdner = t.Ordner.path();
        bool raeume = false;
        TDialogFolge folge({[](QDialog& d) {
                                auto& wahl = dynamic_cast<TFpdfVW&>(d);
                                QTimer::singleShot(0, wahl.BpdfL, &QPushButton::click);
                            },
                            [](QDialog& d) {
                                auto& k = dynamic_cast<TFDoppelbelegung&>(d);
                                // The list sorts by the column clicked.
                                k.Liste->header()->sectionClicked(0);
                                k.ZuordnenBtn->click();
                            },
                            [&](QDialog& d) {
                                raeume = dynamic_cast<TLRaumDlg*>(&d) != nullptr;
                                d.reject();
                            }});
        f.PDFExport1->trigger();
        QTRY_COMPARE(folge.Offen(), 0);
        QVERIFY(raeume);
        QCOMPARE(folge.Unerwartet, 0);
    }

    // Clearing every room asks first; the two rooms of a two-day project are typed apart.
    void loeschenUndZweiTage() {
        TProjekt p;
        TSkriptMeldung meldung;
        p.ZweiTage = true;
        TLehrer* a = p.NeuerLehrer("Frau", "AB", "Abel");
        a->Raum = QStringLiteral("A12") + QChar(RaumTrenner) + QStringLiteral("B3");
        p.NeuerLehrer("Herr", "CD", "Cordes");
        TLRaumDlg dlg(p, meldung, {}, {});
        QCOMPARE(dlg.Anzeigen->checkedId(), 0);
        QVERIFY(!dlg.Anzeigen->button(1)->isEnabled());
        QCOMPARE(Zeile(dlg.Lvr, 0).last(), "A12, B3");
        QCOMPARE(dlg.Raumbez->text(), "A12");
        QCOMPARE(dlg.Raum2->text(), "B3");
        dlg.Raum2->setText(QStringLiteral("A12"));
        dlg.Uebernehmen();
        QCOMPARE(a->Raum, "A12");
        meldung.Antworten = {Antwort::Nein, Antwort::Ja};
        dlg.LoeschenBtn->click();
        QCOMPARE(a->Raum, "A12");
        dlg.LoeschenBtn->click();
        QCOMPARE(meldung.Protokoll.last().Titel, "Löschen?");
        QVERIFY(a->Raum.isEmpty());
        QVERIFY(dlg.Geaendert);
    }

    // Two rooms as long as the fields take still make a text the project file can store.
    void langeRaeume() {
        TProjekt p;
        TSkriptMeldung meldung;
        p.ZweiTage = true;
        TLehrer* a = p.NeuerLehrer("Frau", "AB", "Abel");
        TLRaumDlg dlg(p, meldung, {}, {});
        for (QLineEdit* feld : {dlg.Raumbez, dlg.Raum2}) {
            feld->selectAll();
            feld->insert(QString(20000, u'7'));
        }
        QVERIFY(Feldhinweis(&dlg).contains("höchstens 16383 Zeichen"));
        QVERIFY(meldung.Protokoll.isEmpty());
        dlg.Raum2->setText(dlg.Raum2->text().replace(u'7', u'8'));
        dlg.Uebernehmen();
        QCOMPARE(a->Raum.size(), 32767);
        QString fehler;
        QVERIFY(!ProjektDaten(p, fehler).isEmpty());
        QCOMPARE(fehler, QString());
    }

    // Without teachers there is nothing to walk through: the dialog says so and closes as usual.
    void ohneLehrer() {
        TProjekt p;
        TSkriptMeldung meldung;
        TLRaumDlg dlg(p, meldung, [] { return true; }, {});
        QCOMPARE(dlg.Lvr->topLevelItemCount(), 0);
        QVERIFY(!dlg.Raumbez->isEnabled());
        QVERIFY(dlg.LblLehrer->text().startsWith("Es gibt noch keine Lehrkräfte"));
        dlg.Uebernehmen();
        dlg.SchliessenBtn->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(!dlg.Geaendert);
    }
};

VEL_TEST(TstRaumzuweisung)
#include "tst_Raumzuweisung.moc"
