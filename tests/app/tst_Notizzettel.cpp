#include "Eingabetest.h"
#include "FensterTest.h"
#include "common/TestHaupt.h"
#include "exchange/ui/AustauschBefehle.h"
#include "exchange/ui/ImportDlg.h"
#include "output/ui/DrBereich.h"
#include "output/ui/DruckBefehle.h"
#include "output/ui/FpdfVW.h"
#include "rooms/ui/RaumDlg.h"
#include "settings/Einstellungen.h"
#include "settings/ui/NotizBefehle.h"
#include "settings/ui/NotizForm.h"
#include "timeframe/ui/ZeitenDlg.h"
#include "ui/Arbeitsflaeche.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

TNotizForm& Pad(TVELWnd& f) {
    return *f.Gruppen.Notiz->Form;
}

TNotizZeile* Zeile(TVELWnd& f, int schritt) {
    return Pad(f).Zeilen[static_cast<size_t>(schritt - 1)];
}

// What the pad shows: the steps whose box is ticked.
QList<int> Gezeigt(TVELWnd& f) {
    QList<int> an;
    for (int s = 1; s <= NotizSchritte; ++s)
        if (Zeile(f, s)->Haken->text() == QStringLiteral("\u2611")) an << s;
    return an;
}

// One list only, typed into the count.
void Einzeln(TDrBereich& bereich) {
    bereich.Edit1->selectAll();
    QTest::keyClicks(bereich.Edit1, QStringLiteral("1"));
    QCOMPARE(bereich.Bereich().Anzahl(), 1);
}

bool NotizGespeichert(const TFensterTest& t) {
    return ProgrammwerteLesen(const_cast<TEinstellungsSpeicher&>(t.Speicher), {}).Notiz;
}

// The commands that set or clear a mark by themselves.
enum class TBefehl { Berechnen, Aufheben, PdfEltern, PdfLehrer, Raeume, Standardsperre, Elternimport };

} // namespace

Q_DECLARE_METATYPE(TBefehl)

// The note pad of the main window: shown and hidden by F11 and its own button and kept for the next
// start, ticked by hand with its refusals, its notes and marks kept in the project file, and the marks
// the commands set or clear.
class TstNotizzettel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // F11 shows the pad at the right edge just below the tool bar, with rounded corners; its button hides
    // it. Whether it is shown is written when the program ends and shows it again at the next start.
    void zeigenUndAusblenden() {
        TFensterTest t;
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        TNotizForm& pad = Pad(f);
        QVERIFY(!pad.isVisible());
        QVERIFY(f.Notizzettel1->isEnabled());
        QCOMPARE(f.Notizzettel1->shortcut(), QKeySequence(Qt::Key_F11));
        f.Notizzettel1->trigger();
        QVERIFY(pad.isVisible());
        QVERIFY(f.Notizzettel1->isChecked());
        QVERIFY(pad.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(pad.windowFlags().testFlag(Qt::FramelessWindowHint));
        const QRect flaeche = Arbeitsflaeche(&f);
        QCOMPARE(pad.frameGeometry().right(), flaeche.right());
        QCOMPARE(pad.y(),
                 std::min(f.centralWidget()->mapToGlobal(QPoint()).y(), flaeche.bottom() + 1 - pad.height()));
        QVERIFY(!pad.mask().contains(QPoint(1, 1)));
        QVERIFY(pad.mask().contains(QPoint(pad.width() / 2, 2)));
        QCOMPARE(pad.SpeedButton1->toolTip(), "Notizzettel ausblenden");

        // Dragged by its top.
        const QPoint vorher = pad.pos();
        QTest::mousePress(&pad, Qt::LeftButton, {}, QPoint(40, 10));
        QMouseEvent zug(QEvent::MouseMove, QPointF(40, 10), pad.mapToGlobal(QPointF(10, 30)), Qt::NoButton,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&pad, &zug);
        QTest::mouseRelease(&pad, Qt::LeftButton, {}, QPoint(10, 30));
        QCOMPARE(pad.pos(), vorher + QPoint(-30, 20));

        pad.SpeedButton1->click();
        QVERIFY(!pad.isVisible());
        QVERIFY(!f.Notizzettel1->isChecked());
        f.Notizzettel1->trigger();
        QVERIFY(pad.isVisible());
        t.Fenster.reset();
        QVERIFY(NotizGespeichert(t));

        t.Fenster = std::make_unique<TVELWnd>(t.Meldung, t.Dateiwahl, t.Speicher);
        QVERIFY(!Pad(*t.Fenster).isVisible());
        QVERIFY(t.Zeigen());
        QVERIFY(Pad(*t.Fenster).isVisible());
        QVERIFY(t.Fenster->Notizzettel1->isChecked());
        QTest::keyClick(&Pad(*t.Fenster), Qt::Key_Escape);
        QVERIFY(!Pad(*t.Fenster).isVisible());
        t.Fenster.reset();
        QVERIFY(!NotizGespeichert(t));
    }

    // A window covering the screen hides the pad for a while and brings it back as it was; hidden, it
    // stays hidden, and what the next start shows is not touched.
    void verbergenUndWiederherstellen() {
        TFensterTest t;
        QVERIFY(t.Zeigen());
        TNotizBefehle& notiz = *t.Fenster->Gruppen.Notiz;
        notiz.Verbergen();
        notiz.Wiederherstellen();
        QVERIFY(!notiz.Form->isVisible());
        t.Fenster->Notizzettel1->trigger();
        notiz.Verbergen();
        QVERIFY(!notiz.Form->isVisible());
        QVERIFY(notiz.Gezeigt());
        notiz.Wiederherstellen();
        QVERIFY(notiz.Form->isVisible());
        notiz.Verbergen();
        t.Fenster.reset();
        QVERIFY(NotizGespeichert(t));
    }

    // Ticking by hand: a click, a double click (once) or Space toggles a step whose condition holds and
    // marks the project changed; otherwise the pad says why not and nothing changes.
    void vonHand() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        f.Notizzettel1->trigger();
        NotizenLeeren(*f.Projekt());
        f.Dokument.Melden({});
        f.Dokument.Gespeichert();
        QCOMPARE(Gezeigt(f), QList<int>{1});

        QTest::mouseClick(Zeile(f, 7)->Beschriftung, Qt::LeftButton);
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(
            t.Meldung.Protokoll[0].Text,
            QString::fromUtf8("Weil es keinen Lehrer mit Raum gibt,\rkönnen Sie dieses Feld nicht abhaken."));
        QVERIFY(!f.Dokument.IstGeaendert());

        QTest::mouseClick(Zeile(f, 3)->Haken, Qt::LeftButton);
        QCOMPARE(Gezeigt(f), (QList<int>{1, 3}));
        QVERIFY(f.Projekt()->NotizHaken[Notizhaken::LehrerlisteErfasst]);
        QVERIFY(f.Dokument.IstGeaendert());

        // A double click is a click and then the double click.
        QTest::mouseClick(Zeile(f, 6), Qt::LeftButton);
        QTest::mouseDClick(Zeile(f, 6), Qt::LeftButton);
        QCOMPARE(Gezeigt(f), (QList<int>{1, 3, 6}));
        QTest::keyClick(Zeile(f, 6), Qt::Key_Space);
        QCOMPARE(Gezeigt(f), (QList<int>{1, 3}));

        QTest::keyClick(Zeile(f, 9), Qt::Key_Space);
        QCOMPARE(
            t.Meldung.Protokoll.last().Text,
            QString::fromUtf8("Weil kein Gespräch terminiert ist,\rkönnen Sie dieses Feld nicht abhaken."));
        QTest::mouseClick(Zeile(f, 1), Qt::LeftButton);
        QCOMPARE(t.Meldung.Protokoll.last().Text, QString::fromUtf8("Dieses Feld verwaltet VEL für Sie."));
        QCOMPARE(Gezeigt(f), (QList<int>{1, 3}));
    }

    // Without a project nothing is ticked, nothing can be ticked and nothing noted.
    void ohneProjekt() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.Notizzettel1->trigger();
        QVERIFY(Gezeigt(f).isEmpty());
        QVERIFY(Pad(f).MemoNotiz->isReadOnly());
        QTest::mouseClick(Zeile(f, 2), Qt::LeftButton);
        QCOMPARE(t.Meldung.Protokoll.last().Text,
                 QString::fromUtf8("Weil es keinen Zeitrahmen gibt,\rkönnen Sie dieses Feld nicht abhaken."));
        QVERIFY(Gezeigt(f).isEmpty());
    }

    // Notes typed and marks ticked on the pad mark the project changed, are saved with it and come back
    // when it is opened again.
    void mitProjektGespeichert() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(GebuchtesProjekt());
        QVERIFY(t.Zeigen());
        f.Notizzettel1->trigger();
        f.Dokument.Gespeichert();
        QPlainTextEdit* memo = Pad(f).MemoNotiz;
        QVERIFY(!memo->isReadOnly());
        memo->setFocus();
        Tippen(memo, QString::fromUtf8("Aula reservieren: Müller"));
        QVERIFY(f.Dokument.IstGeaendert());
        QCOMPARE(f.Projekt()->NotizText, QString::fromUtf8("Aula reservieren: Müller"));
        for (int s : {10, 11})
            QTest::mouseClick(Zeile(f, s), Qt::LeftButton);
        const QList<int> haken = Gezeigt(f);
        QVERIFY(haken.contains(10) && haken.contains(11));

        const QString datei = t.Ordner.filePath(QStringLiteral("notiz.pdt"));
        t.Dateiwahl.Antworten = {datei};
        f.PDTsaveN1->trigger();
        QVERIFY(!f.Dokument.IstGeaendert());

        TFensterTest zweites;
        zweites.Dateiwahl.Antworten = {datei};
        zweites.Fenster->PDTopen1->trigger();
        QVERIFY(zweites.Fenster->Projekt());
        QCOMPARE(Gezeigt(*zweites.Fenster), haken);
        QCOMPARE(Pad(*zweites.Fenster).MemoNotiz->toPlainText(),
                 QString::fromUtf8("Aula reservieren: Müller"));
        QVERIFY(!zweites.Fenster->Dokument.IstGeaendert());
    }

    void markenDurchBefehle_data() {
        QTest::addColumn<TBefehl>("befehl");
        QTest::addColumn<int>("schritt");
        QTest::addColumn<bool>("danach");
        QTest::newRow("Termine berechnen") << TBefehl::Berechnen << 8 << true;
        QTest::newRow("Termine aufheben") << TBefehl::Aufheben << 8 << false;
        QTest::newRow("PDF aller Eltern") << TBefehl::PdfEltern << 12 << true;
        QTest::newRow("PDF aller Lehrer") << TBefehl::PdfLehrer << 11 << true;
        QTest::newRow("Raeume") << TBefehl::Raeume << 7 << true;
        QTest::newRow("Standardsperre") << TBefehl::Standardsperre << 2 << true;
        QTest::newRow("Elternimport") << TBefehl::Elternimport << 4 << true;
    }
    // The commands set or clear their marks themselves, the pad shows it at once, and the project is
    // marked changed.
    void markenDurchBefehle() {
        QFETCH(TBefehl, befehl);
        QFETCH(int, schritt);
        QFETCH(bool, danach);
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        auto projekt = befehl == TBefehl::Berechnen || befehl == TBefehl::Elternimport ? KleinesProjekt()
                                                                                       : GebuchtesProjekt();
        NotizenLeeren(*projekt);
        projekt->NotizHaken[static_cast<size_t>(schritt - 2)] = !danach;
        f.ProjektErsetzen(std::move(projekt));
        QVERIFY(t.Zeigen());
        f.Notizzettel1->trigger();
        QCOMPARE(Gezeigt(f).contains(schritt), !danach);
        QTemporaryDir pdfOrdner;
        f.Gruppen.Druck->Stand.PdfOrdner = pdfOrdner.path();
        QList<TSchritt> schritte;
        QAction* aktion = nullptr;
        switch (befehl) {
        case TBefehl::Berechnen: {
            StartDruecken();
            TStatistikWaechter statistik;
            f.Berech1->trigger();
            break;
        }
        case TBefehl::Aufheben:
            t.Meldung.Antworten = {Antwort::Ja};
            aktion = f.NoTime1;
            break;
        case TBefehl::PdfEltern:
        case TBefehl::PdfLehrer: {
            const bool eltern = befehl == TBefehl::PdfEltern;
            schritte << [eltern](QDialog& d) {
                auto& wahl = static_cast<TFpdfVW&>(d);
                QTimer::singleShot(0, eltern ? wahl.BpdfE : wahl.BpdfL, &QPushButton::click);
            } << [](QDialog& d) {
                static_cast<TDrBereich&>(d).StartBtn->click();
            } << [](QDialog& d) { d.reject(); };
            aktion = f.BuPDF;
            break;
        }
        case TBefehl::Raeume:
            schritte << [](QDialog& d) {
                for (int i = 0; i < 2; ++i) {
                    Tippen(Fokus(d), QStringLiteral("R%1").arg(i));
                    QTest::keyClick(Fokus(d), Qt::Key_Return);
                }
                QTest::keyClick(Fokus(d), Qt::Key_Return);
            };
            aktion = f.LRaumZw1;
            break;
        case TBefehl::Standardsperre:
            schritte << [](QDialog& d) { dynamic_cast<TZeitenSperrDlg&>(d).OkBtn->click(); };
            aktion = f.ZDefault1;
            break;
        case TBefehl::Elternimport: {
            QFile datei(t.Ordner.filePath(QStringLiteral("kl.csv")));
            QVERIFY(datei.open(QIODevice::WriteOnly));
            datei.write("Vorname;Nachname;Klasse;Telefon\r\nAnna;Berg;5a;0421 1\r\n");
            datei.close();
            t.Dateiwahl.Antworten = {datei.fileName()};
            t.Meldung.Antworten = {Antwort::Ja};
            TFamilienFragen still;
            f.Gruppen.Austausch->Fragen = &still;
            schritte << [](QDialog& d) {
                auto& dlg = Als<TImportDlgf>(d);
                QVERIFY(dlg.Zuordnen(SVorname, 0));
                QVERIFY(dlg.Zuordnen(SNachname, 1));
                QVERIFY(dlg.Zuordnen(SKlasse, 2));
                QVERIFY(dlg.Zuordnen(STelefon, 3));
                dlg.BtnOk->click();
            };
            f.Dokument.Gespeichert();
            TDialogFolge folge(schritte);
            f.impE1->trigger();
            QCOMPARE(folge.Offen(), 0);
            QCOMPARE(folge.Unerwartet, 0);
            break;
        }
        }
        if (aktion) {
            f.Dokument.Gespeichert();
            TDialogFolge folge(schritte);
            aktion->trigger();
            QCOMPARE(folge.Offen(), 0);
            QCOMPARE(folge.Unerwartet, 0);
        }
        QCOMPARE(f.Projekt()->NotizHaken[static_cast<size_t>(schritt - 2)], danach);
        QCOMPARE(Gezeigt(f).contains(schritt), danach);
        QVERIFY(f.Dokument.IstGeaendert());
    }

    // A print run that stops before the last list leaves the mark alone; the next one to the end sets it.
    void druckmarkeErstAmEnde() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(GebuchtesProjekt());
        QVERIFY(t.Zeigen());
        QTemporaryDir pdfOrdner;
        f.Gruppen.Druck->Stand.PdfOrdner = pdfOrdner.path();
        const auto lauf = [&f](bool alle) {
            TDialogFolge folge({[](QDialog& d) {
                                    QTimer::singleShot(0, static_cast<TFpdfVW&>(d).BpdfL,
                                                       &QPushButton::click);
                                },
                                [alle](QDialog& d) {
                                    auto& bereich = static_cast<TDrBereich&>(d);
                                    if (!alle) Einzeln(bereich);
                                    bereich.StartBtn->click();
                                },
                                [](QDialog& d) { d.reject(); }});
            f.BuPDF->trigger();
            return folge.Offen() == 0;
        };
        QVERIFY(lauf(false));
        QVERIFY(!f.Projekt()->NotizHaken[Notizhaken::LehrerGedruckt]);
        // The next run proposes what is left: the second list, the last one.
        QVERIFY(lauf(true));
        QVERIFY(f.Projekt()->NotizHaken[Notizhaken::LehrerGedruckt]);
        QVERIFY(!f.Projekt()->NotizHaken[Notizhaken::ElternGedruckt]);
    }
};

VEL_TEST(TstNotizzettel)
#include "tst_Notizzettel.moc"
