#include "FensterTest.h"
#include "app/ui/BackUpF.h"
#include "app/ui/NeuF.h"
#include "common/TestHaupt.h"
#include "model/Projektdatei.h"
#include "settings/Einstellungen.h"
#include "settings/ui/Options.h"
#include "timeframe/ui/ZeitRahmenDlg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <functional>

namespace {

const char* const Rueckfrage =
    "Änderungen am Projekt sind noch nicht auf dem Standardlaufwerk gespeichert.\r\r"
    "Möchten jetzt speichern?";

// Runs the action once the modal dialog it opens is up.
template <class F> void ImDialog(F aktion) {
    QTimer::singleShot(0, [aktion] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        aktion(dialog);
    });
}

// New opens the guide; its first action opens the frame dialog, which rahmen answers, and then the
// guide is closed.
void RahmenImAssistenten(std::function<void(TZeitRahmenDlg*)> rahmen) {
    ImDialog([rahmen](QWidget* w) {
        auto* assistent = qobject_cast<TNeuF*>(w);
        QVERIFY(assistent);
        ImDialog([rahmen](QWidget* d) {
            auto* dialog = qobject_cast<TZeitRahmenDlg*>(d);
            QVERIFY(dialog);
            rahmen(dialog);
        });
        assistent->BtnAusfuehren->click();
        assistent->BtnAbbruch->click();
    });
}

bool Schreiben(const QString& datei, const QByteArray& inhalt) {
    QFile f(datei);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
}

// A project file of the small test project.
QString ProjektdateiAnlegen(const QString& pfad) {
    auto p = KleinesProjekt();
    QString fehler;
    return ProjektSpeichern(*p, pfad, fehler) ? pfad : QString();
}

// HOME names an empty folder while it lives, as on a new account.
class TNeuesKonto {
public:
    TNeuesKonto() { qputenv("HOME", Ordner.path().toLocal8Bit()); }
    ~TNeuesKonto() { qputenv("HOME", Vorher); }
    QString Heim() const { return Ordner.path(); }

private:
    QTemporaryDir Ordner;
    QByteArray Vorher = qgetenv("HOME");
};

// A window with the small project, unsaved under the name of a new project.
struct TProjektTest : TFensterTest {
    TProjektTest() {
        Fenster->ProjektErsetzen(KleinesProjekt());
        Fenster->Gruppen.Projektdateien->ProjektNameVorgabe = QStringLiteral("Proj-0");
        Fenster->Dokument.DateiSetzen(Pfad("Proj-0"));
        Fenster->Gruppen.Projektdateien->Projektpfad = Ordner.path();
        Fenster->Dokument.Melden({});
    }
    QString Pfad(const char* name) const { return Ordner.filePath(QString::fromUtf8(name)); }
};

} // namespace

class TstProjektbefehle : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // An unsaved new project asks for its file also through "Projekt &speichern"; afterwards Save
    // writes without asking, and the file opens again in another window.
    void speichernUndOeffnen() {
        TProjektTest t;
        QVERIFY(Schreiben(t.Pfad("Proj-0.pd~"), "alt"));
        t.Dateiwahl.Antworten = {t.Pfad("Schule.pdt")};
        t.Fenster->PDTsave1->trigger();
        QCOMPARE(t.Dateiwahl.Anfragen.size(), 1);
        const TDateiAuswahl& frage = t.Dateiwahl.Anfragen[0];
        QCOMPARE(frage.Titel, "Projekt speichern");
        QCOMPARE(frage.Filter, "VEL-Projekte (*.pdt);;Alle Dateien (*.*)");
        QCOMPARE(frage.Endung, "pdt");
        QCOMPARE(frage.Ordner, t.Ordner.path());
        QCOMPARE(frage.Name, "Proj-0");
        QVERIFY(QFile::exists(t.Pfad("Schule.pdt")));
        QVERIFY(!QFile::exists(t.Pfad("Proj-0.pd~")));
        QVERIFY(!t.Fenster->Dokument.IstGeaendert());
        QVERIFY(!t.Fenster->Dokument.IstSicherungFaellig());
        QCOMPARE(t.Fenster->Dokument.Datei(), t.Pfad("Schule.pdt"));
        QCOMPARE(t.Fenster->windowTitle(), "VEL - [Schule.pdt]");

        t.Fenster->Dokument.Melden({});
        t.Fenster->PDTsave1->trigger();
        QCOMPARE(t.Dateiwahl.Anfragen.size(), 1);
        QVERIFY(!t.Fenster->Dokument.IstGeaendert());

        TFensterTest anders;
        anders.Fenster->Gruppen.Projektdateien->Projektpfad = t.Ordner.path();
        anders.Dateiwahl.Antworten = {t.Pfad("Schule.pdt")};
        anders.Fenster->PDTopen1->trigger();
        const TDateiAuswahl& oeffnen = anders.Dateiwahl.Anfragen.value(0);
        QCOMPARE(oeffnen.Titel, QString::fromUtf8("Projekt öffnen"));
        QCOMPARE(oeffnen.Filter, "VEL-Projekte (*.pdt);;Alle Dateien (*.*)");
        QCOMPARE(oeffnen.Ordner, t.Ordner.path());
        QVERIFY(anders.Fenster->Projekt());
        QCOMPARE(anders.Fenster->Projekt()->Gespraechsliste.Count(), 3);
        QCOMPARE(anders.Fenster->windowTitle(), "VEL - [Schule.pdt]");
        QVERIFY(!anders.Fenster->Dokument.IstGeaendert());
        QVERIFY(anders.Fenster->PDTsave1->isEnabled());
        QVERIFY(anders.Meldung.Protokoll.isEmpty());
    }

    // Save as asks also for a saved project; a cancelled dialog leaves everything as it was.
    void speichernUnterAbgebrochen() {
        TProjektTest t;
        t.Fenster->Dokument.DateiSetzen(t.Pfad("Schule.pdt"));
        t.Fenster->SaveN0->trigger();
        QCOMPARE(t.Dateiwahl.Anfragen.size(), 1);
        QCOMPARE(t.Dateiwahl.Anfragen[0].Name, "Schule.pdt");
        QVERIFY(!QFile::exists(t.Pfad("Schule.pdt")));
        QVERIFY(t.Fenster->Dokument.IstGeaendert());
        QVERIFY(!t.Fenster->Dokument.Beschaeftigt());
        QCOMPARE(t.Fenster->Dokument.Datei(), t.Pfad("Schule.pdt"));
    }

    // An opened backup x.pd~ is saved as x.pdt in its folder without a file dialog; a backup restored
    // from the hidden temporary folder asks where to save it, with its name in the project folder.
    void wiederhergestelltSpeichern_data() {
        QTest::addColumn<bool>("imTempOrdner");
        QTest::newRow("eigener Ordner") << false;
        QTest::newRow("temporärer Ordner") << true;
    }
    void wiederhergestelltSpeichern() {
        QFETCH(bool, imTempOrdner);
        TFensterTest t;
        QDir ordner(t.Ordner.path());
        QVERIFY(ordner.mkdir(QStringLiteral("Projekte")));
        const QString projekte = ordner.filePath(QStringLiteral("Projekte"));
        t.Fenster->Gruppen.Projektdateien->Projektpfad = projekte;
        const QString sicherung = imTempOrdner ? ordner.filePath("Schule.pd~") : projekte + "/Schule.pd~";
        QVERIFY(!ProjektdateiAnlegen(sicherung).isEmpty());
        t.Fenster->Gruppen.Projektdateien->ProjektOeffnen(sicherung);
        QCOMPARE(t.Fenster->windowTitle(), "VEL - [Schule.pdt - wiederhergestellt]");
        QVERIFY(t.Fenster->Dokument.IstGeaendert());
        const QString ziel = projekte + "/Schule.pdt";
        t.Dateiwahl.Antworten = {ziel};
        t.Fenster->PDTsave1->trigger();
        QCOMPARE(t.Dateiwahl.Anfragen.size(), imTempOrdner ? 1 : 0);
        if (imTempOrdner) {
            QCOMPARE(t.Dateiwahl.Anfragen[0].Titel, "Projekt speichern");
            QCOMPARE(t.Dateiwahl.Anfragen[0].Ordner, projekte);
            QCOMPARE(t.Dateiwahl.Anfragen[0].Name, "Schule.pdt");
            QVERIFY(!QFile::exists(ordner.filePath("Schule.pdt")));
        }
        QVERIFY(QFile::exists(ziel));
        QCOMPARE(t.Fenster->Dokument.Datei(), ziel);
        QVERIFY(!QFile::exists(sicherung) || !imTempOrdner);
        QCOMPARE(t.Fenster->windowTitle(), "VEL - [Schule.pdt]");
        QVERIFY(!t.Fenster->Dokument.IstGeaendert());
    }

    // A new project restored after a crash has never been saved: Save asks for its file.
    void neuesProjektWiederhergestellt() {
        TFensterTest t;
        t.Fenster->Gruppen.Projektdateien->Projektpfad = t.Ordner.path();
        QVERIFY(!ProjektdateiAnlegen(t.Ordner.filePath("Proj-0.pd~")).isEmpty());
        t.Fenster->Gruppen.Projektdateien->ProjektOeffnen(t.Ordner.filePath("Proj-0.pd~"));
        t.Fenster->Save0->trigger();
        QCOMPARE(t.Dateiwahl.Anfragen.size(), 1);
        QCOMPARE(t.Dateiwahl.Anfragen[0].Name, "Proj-0.pdt");
        QVERIFY(!QFile::exists(t.Ordner.filePath("Proj-0.pdt")));
        QCOMPARE(t.Fenster->windowTitle(), "VEL - [Proj-0.pdt - wiederhergestellt]");
        QVERIFY(t.Fenster->Dokument.IstGeaendert());
    }

    // A save that fails leaves the file name, the caption and the change state as they were, also when
    // it fails twice.
    void speichernFehlgeschlagen() {
        TProjektTest t;
        t.Fenster->Dokument.DateiSetzen(t.Pfad("Schule.pdt"));
        t.Fenster->Gruppen.Projektdateien->TitelAktualisieren();
        for (int versuch = 0; versuch < 2; ++versuch) {
            t.Dateiwahl.Antworten = {t.Pfad("fehlt/Neu.pdt")};
            t.Fenster->SaveN0->trigger();
            QCOMPARE(t.Meldung.Titel().size(), versuch + 1);
            QCOMPARE(t.Meldung.Titel().constLast(), "Fehler");
            QCOMPARE(t.Fenster->Dokument.Datei(), t.Pfad("Schule.pdt"));
            QCOMPARE(t.Fenster->Dokument.Name(), "Schule.pdt");
            QCOMPARE(t.Fenster->windowTitle(), "VEL - [Schule.pdt]");
            QVERIFY(t.Fenster->Dokument.IstGeaendert());
            QVERIFY(!t.Fenster->Dokument.Beschaeftigt());
        }
        t.Fenster->Save0->trigger();
        QVERIFY(QFile::exists(t.Pfad("Schule.pdt")));
        QVERIFY(!t.Fenster->Dokument.IstGeaendert());
    }

    void sicherungskopie_data() {
        QTest::addColumn<bool>("geaendert");
        QTest::addColumn<Antwort>("antwort");
        QTest::newRow("unveraendert") << false << Antwort::OK;
        QTest::newRow("geaendert, nein") << true << Antwort::Nein;
        QTest::newRow("geaendert, ja") << true << Antwort::Ja;
    }
    // A backup copy leaves the project's own file alone and then offers to save that too.
    void sicherungskopie() {
        QFETCH(bool, geaendert);
        QFETCH(Antwort, antwort);
        TProjektTest t;
        t.Fenster->Dokument.DateiSetzen(t.Pfad("Schule.pdt"));
        if (!geaendert) t.Fenster->Dokument.Gespeichert();
        t.Meldung.Antworten = {antwort};
        t.Dateiwahl.Antworten = {t.Pfad("Kopie.pdt")};
        t.Fenster->SichDisk1->trigger();
        QCOMPARE(t.Dateiwahl.Anfragen.size(), 1);
        QCOMPARE(t.Dateiwahl.Anfragen[0].Titel, "Sicherungskopie des Projekts speichern");
        QCOMPARE(t.Dateiwahl.Anfragen[0].Name, "Schule.pdt");
        QCOMPARE(t.Dateiwahl.Anfragen[0].Ordner, DesktopOrdner());
        QVERIFY(QFile::exists(t.Pfad("Kopie.pdt")));
        QCOMPARE(t.Fenster->Dokument.Datei(), t.Pfad("Schule.pdt"));
        if (!geaendert) {
            QVERIFY(t.Meldung.Protokoll.isEmpty());
            QVERIFY(!QFile::exists(t.Pfad("Schule.pdt")));
            return;
        }
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Text,
                 QString::fromUtf8("Möchten Sie den aktuellen Zustand Ihres "
                                   "Projekts\rauch auf dem Standardlaufwerk sichern?"));
        QCOMPARE(t.Meldung.Protokoll[0].Titel,
                 QString::fromUtf8("Änderungen sind noch nicht auf Festplatte gespeichert"));
        QCOMPARE(t.Meldung.Protokoll[0].Knopfsatz, Knoepfe::JaNein);
        const bool gespeichert = antwort == Antwort::Ja;
        QCOMPARE(QFile::exists(t.Pfad("Schule.pdt")), gespeichert);
        QCOMPARE(t.Fenster->Dokument.IstGeaendert(), !gespeichert);
    }

    // The question before Open: Cancel stops, No goes on, Yes saves first and goes on only when the
    // project was saved.
    void speichernFragen_data() {
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<QString>("speicherziel");
        QTest::addColumn<bool>("oeffnenGefragt");
        QTest::addColumn<bool>("gespeichert");
        QTest::newRow("abbrechen") << Antwort::Abbrechen << QString() << false << false;
        QTest::newRow("nein") << Antwort::Nein << QString() << true << false;
        QTest::newRow("ja") << Antwort::Ja << QStringLiteral("Neu.pdt") << true << true;
        QTest::newRow("ja, Dateiwahl abgebrochen") << Antwort::Ja << QString() << false << false;
    }
    void speichernFragen() {
        QFETCH(Antwort, antwort);
        QFETCH(QString, speicherziel);
        QFETCH(bool, oeffnenGefragt);
        QFETCH(bool, gespeichert);
        TProjektTest t;
        t.Fenster->Dokument.RueckListe().Add(std::make_unique<TRueckgEintrag>());
        t.Meldung.Antworten = {antwort};
        const bool speichern = antwort == Antwort::Ja;
        // Save asks for the file first; the open dialog then comes up cancelled.
        if (speichern)
            t.Dateiwahl.Antworten = {speicherziel.isEmpty() ? QString() : t.Ordner.filePath(speicherziel)};
        t.Fenster->Open0->trigger();
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Text, QString::fromUtf8(Rueckfrage));
        QCOMPARE(t.Meldung.Protokoll[0].Titel, QString::fromUtf8("Rückfrage zur Sicherung Ihrer Daten:"));
        QCOMPARE(t.Meldung.Protokoll[0].Knopfsatz, Knoepfe::JaNeinAbbrechen);
        QCOMPARE(t.Meldung.Protokoll[0].Vorgabe, Antwort::Ja);
        QStringList titel;
        for (const TDateiAuswahl& a : t.Dateiwahl.Anfragen)
            titel << a.Titel;
        QCOMPARE(titel.contains(QString::fromUtf8("Projekt öffnen")), oeffnenGefragt);
        QCOMPARE(titel.contains(QStringLiteral("Projekt speichern")), speichern);
        QCOMPARE(QFile::exists(t.Ordner.filePath("Neu.pdt")), gespeichert);
        // Whatever was answered, the undo store is emptied only when the command went on.
        QCOMPARE(t.Fenster->Dokument.RueckListe().Count() == 0, oeffnenGefragt);
    }

    // A file that cannot be read leaves the open project, its name and its state as they were, and the
    // program goes on; a current file is never read in a legacy mode, where it would load garbage.
    void lesefehler_data() {
        QTest::addColumn<bool>("gekuerzt");
        QTest::addColumn<bool>("altformat");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("beschädigt") << true << false
                                    << "Lesefehler: Die Datei „Kaputt.pdt“ ist beschädigt oder unvollständig "
                                       "und konnte nicht gelesen werden.\rDas geöffnete Projekt bleibt "
                                       "unverändert.";
        QTest::newRow("aktuelle Datei als Altformat")
            << false << true
            << "Lesefehler: Die Datei „Kaputt.pdt“ hat das aktuelle Dateiformat und kann nicht als "
               "veraltetes "
               "Dateiformat gelesen werden.\rÖffnen Sie sie über \"Projekt öffnen...\".\rDas geöffnete "
               "Projekt bleibt unverändert.";
        QTest::newRow("beschädigt als Altformat")
            << true << true
            << "Lesefehler: Die Datei „Kaputt.pdt“ lässt sich auch als veraltetes Dateiformat nicht lesen; "
               "sie "
               "ist beschädigt oder unvollständig.\rDas geöffnete Projekt bleibt unverändert.";
    }
    void lesefehler() {
        QFETCH(bool, gekuerzt);
        QFETCH(bool, altformat);
        QFETCH(QString, meldung);
        TProjektTest t;
        const QString datei = ProjektdateiAnlegen(t.Pfad("Kaputt.pdt"));
        QFile f(datei);
        if (gekuerzt) {
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(f.size() / 2));
            f.close();
        }
        const TProjekt* vorher = t.Fenster->Projekt();
        const int familien = vorher->Elternliste.Count();
        t.Meldung.Antworten = {Antwort::Nein};
        t.Dateiwahl.Antworten = {datei};
        (altformat ? t.Fenster->AltOhneNachname1 : t.Fenster->PDTopen1)->trigger();
        QCOMPARE(t.Fenster->Projekt(), vorher);
        QCOMPARE(t.Fenster->Projekt()->Elternliste.Count(), familien);
        QCOMPARE(t.Meldung.Protokoll.constLast().Text, meldung);
        QCOMPARE(t.Meldung.Protokoll.constLast().Titel, "Fehler");
        if (altformat)
            QVERIFY(t.Meldung.Protokoll[1].Text.contains(
                QStringLiteral("wiederholen dann den Vorgang über \"Projekt öffnen...\"!")));
        QCOMPARE(t.Fenster->Dokument.Name(), "Proj-0");
        QCOMPARE(t.Fenster->Dokument.Datei(), t.Pfad("Proj-0"));
        QVERIFY(t.Fenster->Dokument.IstGeaendert());
    }

    void wechsellaufwerk_data() {
        QTest::addColumn<QString>("laufwerk");
        QTest::addColumn<Antwort>("antwort");
        QTest::newRow("Festplatte") << QString() << Antwort::Nein;
        QTest::newRow("USB nein") << "USB" << Antwort::Nein;
        QTest::newRow("CD ja") << "CD" << Antwort::Ja;
    }
    // A project read from a removable drive is offered for saving elsewhere; Yes runs Save as.
    void wechsellaufwerk() {
        QFETCH(QString, laufwerk);
        QFETCH(Antwort, antwort);
        TFensterTest t;
        const QString datei = ProjektdateiAnlegen(t.Ordner.filePath(QStringLiteral("Stick.pdt")));
        t.Dateiwahl.Laufwerk = laufwerk;
        t.Dateiwahl.Antworten = {datei, t.Ordner.filePath(QStringLiteral("Platte.pdt"))};
        t.Meldung.Antworten = {antwort};
        t.Fenster->PDTopen1->trigger();
        QVERIFY(t.Fenster->Projekt());
        if (laufwerk.isEmpty()) {
            QVERIFY(t.Meldung.Protokoll.isEmpty());
            return;
        }
        QCOMPARE(t.Meldung.Titel(), QStringList({"Achtung"}));
        QCOMPARE(
            t.Meldung.Protokoll[0].Text,
            QStringLiteral("Sie haben diese Datei von einem %1-Laufwerk eingelesen.\rEs wird empfohlen, sie "
                           "zum Bearbeiten auf Ihrer Festplatte zu speichern.\rMöchten Sie es jetzt tun?")
                .arg(laufwerk));
        QCOMPARE(t.Dateiwahl.Anfragen.size(), antwort == Antwort::Ja ? 2 : 1);
        QCOMPARE(QFile::exists(t.Ordner.filePath(QStringLiteral("Platte.pdt"))), antwort == Antwort::Ja);
    }

    // The two older layouts are reached through their own entries, after a warning.
    void altesFormat() {
        TFensterTest t;
        t.Fenster->AltDatumText1->trigger();
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QVERIFY(t.Meldung.Protokoll[0].Text.contains(QStringLiteral("veralteten Dateiformats")));
        QCOMPARE(t.Dateiwahl.Anfragen.size(), 1);
    }

    // The backup commands start on the desktop, or in the home folder when there is no desktop folder.
    void desktopOrdner() {
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        QCOMPARE(DesktopOrdner(), QDir(desktop).exists() ? desktop : QDir::homePath());
        TFensterTest t;
        t.Fenster->SichOpen1->trigger();
        QCOMPARE(t.Dateiwahl.Anfragen.size(), 1);
        QCOMPARE(t.Dateiwahl.Anfragen[0].Ordner, DesktopOrdner());
    }

    void neuesProjekt_data() {
        QTest::addColumn<bool>("bestaetigt");
        QTest::addColumn<bool>("datumBezweifelt");
        QTest::newRow("abgebrochen") << false << false;
        QTest::newRow("bestaetigt") << true << false;
        QTest::newRow("Datum bezweifelt, dann bestaetigt") << true << true;
    }
    // New takes the defaults of the settings store; a cancelled time frame leaves the old project. Doubting
    // the unchanged dates keeps the frame dialog open for another try.
    void neuesProjekt() {
        QFETCH(bool, bestaetigt);
        QFETCH(bool, datumBezweifelt);
        TFensterTest t;
        TerminwerteSchreiben(t.Speicher, 7, 3, false);
        t.Fenster->Gruppen.Projektdateien->Projektpfad = t.Ordner.path();
        bool offenGeblieben = false;
        RahmenImAssistenten([bestaetigt, datumBezweifelt, &offenGeblieben](TZeitRahmenDlg* dialog) {
            if (datumBezweifelt) {
                dialog->OkBtn->click();
                offenGeblieben = dialog->isVisible();
            }
            (bestaetigt ? dialog->OkBtn : dialog->CancBtn)->click();
        });
        t.Meldung.Antworten = {Antwort::Nein, Antwort::Ja, Antwort::Nein};
        if (!datumBezweifelt) t.Meldung.Antworten.removeFirst();
        t.Fenster->PDTneu1->trigger();
        QCOMPARE(offenGeblieben, datumBezweifelt);
        QStringList titel(datumBezweifelt ? 2 : bestaetigt,
                          QStringLiteral("Sind die Datumseingaben korrekt?"));
        // The guide made a project: the note pad is offered.
        if (bestaetigt) titel << QStringLiteral("Hinweis");
        QCOMPARE(t.Meldung.Titel(), titel);
        if (!bestaetigt) {
            QVERIFY(!t.Fenster->Projekt());
            QCOMPARE(t.Fenster->windowTitle(), "VEL");
            return;
        }
        QVERIFY(t.Fenster->Projekt());
        QCOMPARE(t.Fenster->Projekt()->MaximalBlock, 7);
        QCOMPARE(t.Fenster->Projekt()->MaximalBlock_El, 3);
        QVERIFY(!t.Fenster->Projekt()->BitteTag1);
        QCOMPARE(t.Fenster->Dokument.Name(), "Proj-0");
        QCOMPARE(t.Fenster->windowTitle(), "VEL - [Proj-0]");
        QVERIFY(t.Fenster->Dokument.IstGeaendert());
        QVERIFY(t.Fenster->PDTsave1->isEnabled());
    }

    // At start "~tmpproj.pd~" is offered before any other backup; "Öffnen" opens it, "Löschen" deletes
    // all backups.
    void wiederherstellungBeimStart_data() {
        QTest::addColumn<bool>("oeffnen");
        QTest::newRow("oeffnen") << true;
        QTest::newRow("loeschen") << false;
    }
    void wiederherstellungBeimStart() {
        QFETCH(bool, oeffnen);
        TFensterTest t;
        QVERIFY(!ProjektdateiAnlegen(t.Ordner.filePath("~tmpproj.pd~")).isEmpty());
        QVERIFY(Schreiben(t.Ordner.filePath("Alt.pd~"), "alt"));
        QString angeboten;
        ImDialog([oeffnen, &angeboten](QWidget* w) {
            auto* dialog = qobject_cast<TBackUpF*>(w);
            QVERIFY(dialog);
            angeboten = dialog->LblName->text();
            (oeffnen ? dialog->BtnOeffnen : dialog->BtnLoeschen)->click();
        });
        QVERIFY(t.Zeigen());
        QCOMPARE(angeboten, "~tmpproj.pd~");
        QCOMPARE(t.Fenster->Projekt() != nullptr, oeffnen);
        QCOMPARE(QFile::exists(t.Ordner.filePath("Alt.pd~")), oeffnen);
        if (oeffnen) {
            QCOMPARE(t.Fenster->windowTitle(), "VEL - [~tmpproj.pdt - wiederhergestellt]");
            QVERIFY(t.Fenster->Dokument.IstGeaendert());
        }
    }

    // Without a backup the last project opens when the option says so.
    void startdatei() {
        TFensterTest t;
        const QString datei = ProjektdateiAnlegen(t.Ordner.filePath("Letztes.pdt"));
        ProgrammwertSchreiben(t.Speicher, QStringLiteral("DateiLaden"), true);
        ProgrammtextSchreiben(t.Speicher, QStringLiteral("StartDatei"), datei);
        TVELWnd fenster(t.Meldung, t.Dateiwahl, t.Speicher);
        fenster.Gruppen.Projektdateien->TempOrdner = t.Ordner.path() + u'/';
        fenster.show();
        QVERIFY(fenster.Projekt());
        QCOMPARE(fenster.windowTitle(), "VEL - [Letztes.pdt]");
    }

    void projektordnerVorgabe_data() {
        QTest::addColumn<QString>("vorhanden"); // what the account holds: a folder or a file of that name
        QTest::addColumn<QString>("optionen");  // the project folder of the options, empty for none
        QTest::addColumn<QString>("start");     // where the dialogs start, empty for the home folder
        QTest::newRow("Dokumente vorhanden") << "Documents/"
                                             << ""
                                             << "Documents";
        QTest::newRow("neues Konto") << ""
                                     << ""
                                     << "Documents";
        QTest::newRow("Dokumente nicht anlegbar") << "Documents"
                                                  << ""
                                                  << "";
        QTest::newRow("Ordner der Optionen fehlt") << ""
                                                   << "Projekte"
                                                   << "";
    }
    // Without a folder in the options, projects are looked for in the user's documents, not beside the
    // installed program, where the user may not write. The dialogs start in a folder that exists, so that
    // the proposed name can be saved: the documents folder is made on a new account, and only that one.
    void projektordnerVorgabe() {
        QFETCH(QString, vorhanden);
        QFETCH(QString, optionen);
        QFETCH(QString, start);
        TNeuesKonto konto;
        if (vorhanden.endsWith(u'/'))
            QVERIFY(QDir(konto.Heim()).mkpath(vorhanden));
        else if (!vorhanden.isEmpty())
            QVERIFY(Schreiben(QDir(konto.Heim()).filePath(vorhanden), "x"));
        TFensterTest t;
        TProjektBefehle& befehle = *t.Fenster->Gruppen.Projektdateien;
        QCOMPARE(befehle.Projektpfad, QDir(konto.Heim()).filePath("Documents"));
        if (!optionen.isEmpty()) befehle.Projektpfad = QDir(konto.Heim()).filePath(optionen);
        const QString ordner = QDir(konto.Heim()).filePath(start);
        t.Fenster->PDTopen1->trigger();
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        t.Dateiwahl.Antworten = {QDir(ordner).filePath("Proj-0.pdt")};
        t.Fenster->PDTsave1->trigger();
        QCOMPARE(t.Dateiwahl.Anfragen.size(), 2);
        for (const TDateiAuswahl& anfrage : t.Dateiwahl.Anfragen)
            QCOMPARE(QDir::cleanPath(anfrage.Ordner), QDir::cleanPath(ordner));
        QCOMPARE(t.Meldung.Protokoll.size(), 0);
        QVERIFY(QFile::exists(QDir(ordner).filePath("Proj-0.pdt")));
        if (!optionen.isEmpty()) QVERIFY(!QFileInfo::exists(befehle.Projektpfad));
    }

    // The caption follows the document: another project, the file saved under another name, no project.
    void titelFolgtDemDokument() {
        TFensterTest t;
        t.Fenster->Dokument.Ersetzen(KleinesProjekt(), t.Ordner.filePath("Schule.pdt"));
        QCOMPARE(t.Fenster->windowTitle(), "VEL - [Schule.pdt]");
        t.Fenster->Dokument.DateiSetzen(t.Ordner.filePath("Neu.pdt"));
        QCOMPARE(t.Fenster->windowTitle(), "VEL - [Neu.pdt]");
        t.Fenster->Dokument.Ersetzen(nullptr, {});
        QCOMPARE(t.Fenster->windowTitle(), "VEL");
    }

    void oeffnenBeendetEingabe_data() {
        QTest::addColumn<QByteArray>("befehl");
        QTest::addColumn<bool>("ohneFamilien");
        QTest::newRow("öffnen") << QByteArray("öffnen") << false;
        QTest::newRow("Lesefehler") << QByteArray("kaputt") << false;
        QTest::newRow("neu") << QByteArray("neu") << true;
    }
    // Open and New end the guided entry of families and children, also when the file could not be read,
    // and put the focus where the entry of the project goes on.
    void oeffnenBeendetEingabe() {
        QFETCH(QByteArray, befehl);
        QFETCH(bool, ohneFamilien);
        TProjektTest t;
        t.Fenster->Dokument.Gespeichert();
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        f.Eingabe->FamilienEingabe = f.Eingabe->KindFolgt = true;
        f.Eingabe->LetzteKlasse = QStringLiteral("5a");
        f.Gespraechpanel->LblEingabetaste->setText(QStringLiteral("Eingabetaste: Kind hinzufügen"));
        f.Lehrerpanel->BtnLehrerHinzu->setFocus();
        if (befehl == "neu") {
            RahmenImAssistenten([](TZeitRahmenDlg* dialog) { dialog->OkBtn->click(); });
            t.Meldung.Antworten = {Antwort::Ja, Antwort::Nein};
            f.PDTneu1->trigger();
        } else {
            const QString datei = befehl == "kaputt" ? t.Pfad("Kaputt.pdt") : t.Pfad("Schule.pdt");
            QVERIFY(befehl == "kaputt" ? Schreiben(datei, "alt") : !ProjektdateiAnlegen(datei).isEmpty());
            t.Dateiwahl.Antworten = {datei};
            f.PDTopen1->trigger();
            QCOMPARE(f.Dokument.Name(), befehl == "kaputt" ? "Proj-0" : "Schule.pdt");
        }
        QVERIFY(!f.Eingabe->FamilienEingabe);
        QVERIFY(!f.Eingabe->KindFolgt);
        QVERIFY(f.Eingabe->LetzteKlasse.isEmpty());
        QWidget* const fokus =
            ohneFamilien ? static_cast<QWidget*>(f.Familienpanel->BtnElternHinzu) : f.Familienpanel->LVEltern;
        QCOMPARE(f.focusWidget(), fokus);
        QCOMPARE(f.Gespraechpanel->LblEingabetaste->text(),
                 ohneFamilien ? QString::fromUtf8("Eingabetaste: Eltern hinzufügen") : QString());
    }

    void programmEnde_data() {
        QTest::addColumn<bool>("dateiLaden");
        QTest::newRow("letztes Projekt laden") << true;
        QTest::newRow("ohne Startdatei") << false;
    }
    // When the program ends its backups go, and the project is remembered for the next start when the
    // option says so.
    void programmEnde() {
        QFETCH(bool, dateiLaden);
        TFensterTest t;
        ProgrammtextSchreiben(t.Speicher, QStringLiteral("StartDatei"), QStringLiteral("Vorher.pdt"));
        t.Fenster->Programmwerte.DateiLaden = dateiLaden;
        const QString datei = t.Ordner.filePath(QStringLiteral("Schule.pdt"));
        t.Fenster->Dokument.Ersetzen(KleinesProjekt(), datei);
        QVERIFY(Schreiben(t.Ordner.filePath("Schule.pd~"), "alt"));
        t.Fenster.reset();
        QVERIFY(!QFile::exists(t.Ordner.filePath("Schule.pd~")));
        QCOMPARE(ProgrammwerteLesen(t.Speicher, {}).StartDatei, dateiLaden ? datei : "Vorher.pdt");
    }

    // The automatic backup writes a real project file "<name>.pd~"; while it is written the previous
    // one is kept as "~tmpproj.pd~".
    void automatischeSicherung() {
        TProjektTest t;
        t.Fenster->Dokument.DateiSetzen(t.Pfad("Schule.pdt"));
        QVERIFY(Schreiben(t.Pfad("Schule.pd~"), "alt"));
        auto schreiber = t.Fenster->Gruppen.Projektdateien->ProjektSchreiber;
        QVERIFY(schreiber);
        QByteArray vorige;
        t.Fenster->Gruppen.Projektdateien->ProjektSchreiber = [&](const TProjekt& p, const QString& datei) {
            QFile f(t.Pfad("~tmpproj.pd~"));
            if (f.open(QIODevice::ReadOnly)) vorige = f.readAll();
            return schreiber(p, datei);
        };
        t.Fenster->Dokument.SicherungAnfordern();
        QCOMPARE(vorige, "alt");
        QVERIFY(!QFile::exists(t.Pfad("~tmpproj.pd~")));
        QVERIFY(!t.Fenster->Dokument.IstSicherungAnstehend());
        TProjekt gelesen;
        QCOMPARE(ProjektLaden(t.Pfad("Schule.pd~"), gelesen, t.Meldung, {}), TLeseErgebnis::Gelesen);
        QCOMPARE(gelesen.Gespraechsliste.Count(), 3);
    }

    // The options dialog from the menus: its page, and what closing it changes in the window.
    void optionenAusDemMenue() {
        TProjektTest t;
        QVERIFY(t.Zeigen());
        QVERIFY(Schreiben(t.Pfad("Schule.pd~"), "alt"));
        ImDialog([](QWidget* w) {
            auto* dialog = qobject_cast<TOptDlg*>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), "Programm-Optionen");
            QCOMPARE(dialog->Seiten->currentWidget(), dialog->ProgOpt);
            dialog->AutoSich->click();
            dialog->OkBtn->click();
        });
        t.Fenster->OptPrg1->trigger();
        QVERIFY(!t.Fenster->Gruppen.Projektdateien->Timer1->isActive());
        QVERIFY(!QFile::exists(t.Pfad("Schule.pd~")));
        QVERIFY(!ProgrammwerteLesen(t.Speicher, {}).AutoSpeichern);

        ImDialog([](QWidget* w) {
            auto* dialog = qobject_cast<TOptDlg*>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->Seiten->currentWidget(), dialog->ProgOpt);
            dialog->AutoSich->click();
            dialog->MinEd->setText(QStringLiteral("12"));
            dialog->OkBtn->click();
        });
        t.Fenster->OptPrg1->trigger();
        QVERIFY(t.Fenster->Gruppen.Projektdateien->Timer1->isActive());
        QCOMPARE(t.Fenster->Gruppen.Projektdateien->Timer1->interval(), 12 * 60000);

        t.Fenster->Dokument.Gespeichert();
        t.Fenster->Projekt()->TermineBerechnet = true;
        ImDialog([](QWidget* w) {
            auto* dialog = qobject_cast<TOptDlg*>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->Seiten->currentWidget(), dialog->AuswOpt);
            dialog->MblE->selectAll();
            QTest::keyClicks(dialog->MblE, "3");
            dialog->OkBtn->click();
        });
        t.Fenster->OptAusw1->trigger();
        QCOMPARE(t.Fenster->Projekt()->MaximalBlock_El, 3);
        QVERIFY(t.Fenster->Dokument.IstGeaendert());
        QVERIFY(!t.Fenster->Projekt()->TermineBerechnet);
    }
};

VEL_TEST(TstProjektbefehle)
#include "tst_Projektbefehle.moc"
