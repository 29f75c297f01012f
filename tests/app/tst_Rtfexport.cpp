#include "Eingabetest.h"
#include "FensterTest.h"
#include "common/TestHaupt.h"
#include "output/Rtfdokument.h"
#include "output/ui/RiEd.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

namespace {

const QString Filter = QStringLiteral("Text im RichText-Format (*.rtf);;Alle Dateien (*.*)");

} // namespace

// The RTF export window and its commands.
class TstRtfexport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Both kinds: the caption, the buttons, the lists in the read-only view, and the save dialog the
    // button asks with; the file saved is the document with page breaks, not the view's.
    void fenster_data() {
        QTest::addColumn<bool>("eltern");
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("name");
        QTest::newRow("Eltern") << true << "Eltern" << QString::fromUtf8("Gespräche für Familie Maier");
        QTest::newRow("Lehrer") << false << "Lehrer" << QString::fromUtf8("Gespräche für Frau von Berg");
    }
    void fenster() {
        QFETCH(bool, eltern);
        QFETCH(QString, art);
        QFETCH(QString, name);
        const std::unique_ptr<TProjekt> p = GebuchtesProjekt();
        p->BelegungMarkieren();
        QTemporaryDir ordner;
        TSkriptDateiwahl wahl;
        TSkriptMeldung meldung;
        TRiEd_Form f(*p, eltern, wahl, meldung, ordner.path());
        QCOMPARE(f.windowTitle(),
                 QString::fromUtf8("Gesprächslisten für %1 im Rich Text Format (.rtf) exportieren").arg(art));
        QCOMPARE(f.BtnSpeichern->text(), QStringLiteral("Listen als Text speichern unter..."));
        QCOMPARE(f.BtnSchliessen->text(), QString::fromUtf8("&Schließen"));
        QVERIFY(f.BtnSpeichern->isEnabled() && f.BtnSchliessen->isEnabled());
        QVERIFY(f.RichEdit1->isReadOnly());
        const QString gezeigt = f.RichEdit1->toPlainText();
        QVERIFY2(gezeigt.startsWith(name), qPrintable(gezeigt));

        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QString datei = ordner.filePath("listen.rtf");
        wahl.Antworten = {datei};
        f.BtnSpeichern->click();
        QCOMPARE(wahl.Anfragen.size(), 1);
        const TDateiAuswahl& a = wahl.Anfragen.constFirst();
        QCOMPARE(a.Titel, QString::fromUtf8("Gesprächslisten für %1 speichern").arg(art));
        QCOMPARE(a.Filter, Filter);
        QCOMPARE(a.Endung, QStringLiteral("rtf"));
        QCOMPARE(a.Ordner, ordner.path());
        QCOMPARE(a.Name, QString());
        QFile gespeichert(datei);
        QVERIFY(gespeichert.open(QIODevice::ReadOnly));
        QCOMPARE(gespeichert.readAll(), RtfErzeugen(*p, eltern, TRtfFassung::Datei).Daten);
        QCOMPARE(f.Gespeichert, datei);
        QVERIFY(meldung.Protokoll.isEmpty());

        // Cancelling the save dialog writes nothing and says nothing.
        f.BtnSpeichern->click();
        QCOMPARE(wahl.Anfragen.size(), 2);
        QVERIFY(meldung.Protokoll.isEmpty());
        f.BtnSchliessen->click();
        QVERIFY(!f.isVisible());
    }

    // A file that cannot be written is reported in German; the view stays as it was and an existing
    // file of that name is not touched.
    void schreibfehler() {
        const std::unique_ptr<TProjekt> p = GebuchtesProjekt();
        p->BelegungMarkieren();
        QTemporaryDir ordner;
        TSkriptDateiwahl wahl;
        TSkriptMeldung meldung;
        TRiEd_Form f(*p, true, wahl, meldung, ordner.path());
        const QString vorher = f.RichEdit1->toPlainText();
        const QString datei = ordner.filePath("fehlt/listen.rtf");
        wahl.Antworten = {datei};
        f.BtnSpeichern->click();
        QCOMPARE(meldung.Protokoll.size(), 1);
        const TSkriptMeldung::Eintrag& m = meldung.Protokoll.constFirst();
        QVERIFY2(m.Text.startsWith(QStringLiteral("Die Gesprächslisten konnten nicht in die Datei\r%1\r"
                                                  "geschrieben werden.\r\r")
                                       .arg(datei)),
                 qPrintable(m.Text));
        QCOMPARE(m.Titel, QStringLiteral("Fehler"));
        QCOMPARE(m.Art, MeldungsArt::Fehler);
        QCOMPARE(f.RichEdit1->toPlainText(), vorher);
        QVERIFY(f.Gespeichert.isEmpty());
    }

    // The file menu's entries open the window for their kind with counters recounted, and wait for
    // conversations.
    void befehle() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(ProjektMitRahmen());
        QVERIFY(!t.Fenster->Eltern1->isEnabled());
        QVERIFY(!t.Fenster->Lehrer1->isEnabled());
        t.Fenster->ProjektErsetzen(GebuchtesProjekt());
        QVERIFY(t.Fenster->Eltern1->isEnabled());
        QVERIFY(t.Fenster->Lehrer1->isEnabled());
        for (const auto& e : t.Fenster->Projekt()->Elternliste)
            e->Zaehler = 0;
        QString gezeigt;
        TDialogFolge folge({[&gezeigt](QDialog& d) {
            auto& f = Als<TRiEd_Form>(d);
            QCOMPARE(f.windowTitle(), QString::fromUtf8("Gesprächslisten für Eltern im Rich Text Format "
                                                        "(.rtf) exportieren"));
            gezeigt = f.RichEdit1->toPlainText();
            f.BtnSchliessen->click();
        }});
        t.Fenster->Eltern1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QVERIFY2(gezeigt.startsWith(QString::fromUtf8("Gespräche für Familie Maier")), qPrintable(gezeigt));
        QVERIFY(!t.Fenster->Dokument.IstGeaendert());
    }
};

VEL_TEST(TstRtfexport)
#include "tst_Rtfexport.moc"
