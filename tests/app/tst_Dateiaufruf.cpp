#include "FensterTest.h"
#include "app/ui/BackUpF.h"
#include "app/ui/Dateiaufruf.h"
#include "common/TestHaupt.h"
#include "document/ProjektDokument.h"
#include "exchange/ui/AustauschBefehle.h"
#include "model/Dateneingabe.h"
#include "model/Projektdatei.h"
#include "settings/Einstellungen.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTreeView>

namespace {

const char* const Rueckfrage =
    "Änderungen am Projekt sind noch nicht auf dem Standardlaufwerk gespeichert.\r\r"
    "Möchten jetzt speichern?";

// A project file of the small test project.
QString ProjektdateiAnlegen(const QString& pfad) {
    auto p = KleinesProjekt();
    QString fehler;
    return ProjektSpeichern(*p, pfad, fehler) ? pfad : QString();
}

// A teacher file with "Zeh" and "Meier".
QString LehrerdateiAnlegen(const QString& pfad) {
    auto quelle = ProjektMitRahmen();
    LehrerHinzufuegen(*quelle, QStringLiteral("Frau"), QStringLiteral("ZE"), QStringLiteral("Zeh"), {}, {});
    LehrerHinzufuegen(*quelle, QStringLiteral("Herr"), QStringLiteral("ME"), QStringLiteral("Meier"), {}, {});
    QString fehler;
    return LehrerdateiSpeichern(quelle->Lehrerliste, pfad, fehler) ? pfad : QString();
}

QStringList Lehrernamen(const TProjekt& p) {
    QStringList namen;
    for (const auto& l : p.Lehrerliste)
        namen << l->Name;
    return namen;
}

// A shown main window with the way files named outside the program reach it.
struct TAufrufTest : TFensterTest {
    TDateiaufruf* Aufruf = new TDateiaufruf(*Fenster);
    QString Pfad(const QString& name) const { return Ordner.filePath(name); }
};

} // namespace

class TstDateiaufruf : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The running program does not know the folder a later start was made in.
    void dateien_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QStringList>("dateien");
        QTest::newRow("relativ") << "Schule.pdt" << QStringList{"/home/buero/Schule.pdt"};
        QTest::newRow("mit ..") << "../Archiv/./2026.pdt" << QStringList{"/home/Archiv/2026.pdt"};
        QTest::newRow("absolut") << "/tmp/Tag im Mai.pdt" << QStringList{"/tmp/Tag im Mai.pdt"};
        QTest::newRow("URL") << "file:///tmp/Tag%20im%20M%C3%A4rz.ldt" << QStringList{"/tmp/Tag im März.ldt"};
        QTest::newRow("leer") << "" << QStringList{};
    }
    void dateien() {
        QFETCH(QString, argument);
        QFETCH(QStringList, dateien);
        QCOMPARE(TDateiaufruf::Dateien({argument}, QStringLiteral("/home/buero")), dateien);
    }

    // A project on the command line takes the place of the last project, which is not read at all.
    void startMitProjekt() {
        TAufrufTest t;
        t.Fenster->Programmwerte.DateiLaden = true;
        t.Fenster->Gruppen.Projektdateien->StartDatei = ProjektdateiAnlegen(t.Pfad("Letztes.pdt"));
        const QString datei = ProjektdateiAnlegen(t.Pfad("Schule.pdt"));
        QSignalSpy ersetzt(&t.Fenster->Dokument, &TProjektDokument::ProjektErsetzt);
        t.Aufruf->Vormerken({datei});
        QVERIFY(t.Zeigen());
        QTRY_COMPARE(t.Fenster->windowTitle(), "VEL - [Schule.pdt]");
        QCOMPARE(ersetzt.size(), 1);
        QCOMPARE(t.Fenster->Dokument.Datei(), datei);
        QVERIFY(!t.Fenster->Dokument.IstGeaendert());
        QVERIFY(t.Meldung.Protokoll.isEmpty());
    }

    // A backup left by a crash is offered first; the restored backup has changes, so opening the
    // project asks about them.
    void startMitSicherung() {
        TAufrufTest t;
        QVERIFY(!ProjektdateiAnlegen(t.Pfad("Alt.pd~")).isEmpty());
        const QString datei = ProjektdateiAnlegen(t.Pfad("Schule.pdt"));
        t.Aufruf->Vormerken({datei});
        bool angeboten = false;
        QTimer::singleShot(0, [&t, &angeboten] {
            auto* dialog = qobject_cast<TBackUpF*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            angeboten = true;
            QVERIFY(!t.Fenster->Projekt());
            dialog->BtnOeffnen->click();
        });
        t.Meldung.Antworten = {Antwort::Nein};
        QVERIFY(t.Zeigen());
        QVERIFY(angeboten);
        QTRY_COMPARE(t.Fenster->windowTitle(), "VEL - [Schule.pdt]");
        QCOMPARE(t.Meldung.Titel(), QStringList{"Rückfrage zur Sicherung Ihrer Daten:"});
        QCOMPARE(t.Meldung.Protokoll[0].Text, Rueckfrage);
    }

    // A file that cannot be opened gets the messages of "Projekt öffnen..."; the open project stays.
    void fehlerhafteDatei_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("text");
        QTest::newRow("fehlt") << "fehlt/Schule.pdt" << QByteArray()
                               << "Die Datei „%1“ konnte nicht gelesen werden:";
        QTest::newRow("keine Projektdatei") << "Schule.txt" << QByteArray("Text") << KeineProjektdateiText;
        QTest::newRow("beschädigt") << "Schule.pdt" << QByteArray("\x0cVELProjekt04\x01", 14)
                                    << "Lesefehler: Die Datei „Schule.pdt“ ist beschädigt";
    }
    void fehlerhafteDatei() {
        QFETCH(QString, name);
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, text);
        TAufrufTest t;
        t.Fenster->Dokument.Ersetzen(KleinesProjekt(), t.Pfad("Offen.pdt"));
        QVERIFY(t.Zeigen());
        const QString datei = t.Pfad(name);
        if (!inhalt.isEmpty()) {
            QFile f(datei);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size());
        }
        t.Aufruf->Oeffnen({datei});
        QTRY_COMPARE(t.Meldung.Protokoll.size(), 1);
        QVERIFY2(t.Meldung.Protokoll[0].Text.startsWith(text.contains(u'%') ? text.arg(datei) : text),
                 qPrintable(t.Meldung.Protokoll[0].Text));
        QCOMPARE(t.Meldung.Protokoll[0].Titel, "Fehler");
        QCOMPARE(t.Fenster->windowTitle(), "VEL - [Offen.pdt]");
    }

    // A project handed over asks about the unsaved changes of the open one, as "Projekt öffnen..." does.
    void ungespeicherteAenderungen_data() {
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<QString>("titel");
        QTest::newRow("Abbrechen") << Antwort::Abbrechen << "VEL - [Offen.pdt]";
        QTest::newRow("Nein") << Antwort::Nein << "VEL - [Schule.pdt]";
    }
    void ungespeicherteAenderungen() {
        QFETCH(Antwort, antwort);
        QFETCH(QString, titel);
        TAufrufTest t;
        t.Fenster->Dokument.Ersetzen(KleinesProjekt(), t.Pfad("Offen.pdt"));
        t.Fenster->Dokument.Melden(TAenderung::Familien);
        QVERIFY(t.Zeigen());
        t.Meldung.Antworten = {antwort};
        t.Aufruf->Oeffnen({ProjektdateiAnlegen(t.Pfad("Schule.pdt"))});
        QTRY_COMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Text, Rueckfrage);
        QTRY_COMPARE(t.Fenster->windowTitle(), titel);
        QCOMPARE(t.Fenster->Dokument.IstGeaendert(), antwort == Antwort::Abbrechen);
    }

    // While a dialog is open or a command runs they work with the open project: the file waits.
    void wartet_data() {
        QTest::addColumn<bool>("dialog");
        QTest::newRow("Dialog") << true;
        QTest::newRow("Befehl") << false;
    }
    void wartet() {
        QFETCH(bool, dialog);
        TAufrufTest t;
        t.Fenster->Dokument.Ersetzen(KleinesProjekt(), t.Pfad("Offen.pdt"));
        QVERIFY(t.Zeigen());
        QDialog fenster(t.Fenster.get());
        auto wache = std::make_unique<TBefehlsWache>(t.Fenster->Dokument);
        if (dialog) {
            wache.reset();
            fenster.open();
        }
        t.Aufruf->Oeffnen({ProjektdateiAnlegen(t.Pfad("Schule.pdt"))});
        QTest::qWait(400);
        QCOMPARE(t.Fenster->windowTitle(), "VEL - [Offen.pdt]");
        fenster.reject();
        wache.reset();
        QTRY_COMPARE(t.Fenster->windowTitle(), "VEL - [Schule.pdt]");
    }

    // A teacher file is offered for the teacher import of the open project, under the import's rules.
    void lehrerdatei_data() {
        QTest::addColumn<int>("projekt"); // 0 none, 1 with conversations, 2 without teachers, 3 with one
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<QStringList>("titel");
        QTest::addColumn<Antwort>("vorgabe");
        QTest::addColumn<QStringList>("lehrer");
        QTest::newRow("ohne Projekt")
            << 0 << Antwort::Ja << QStringList{"Hinweis"} << Antwort::OK << QStringList{};
        QTest::newRow("mit Gesprächen") << 1 << Antwort::Ja << QStringList{"Importsperre"} << Antwort::OK
                                        << QStringList{"Berg", "Müller"};
        QTest::newRow("ohne Lehrer") << 2 << Antwort::Ja << QStringList{"Lehrerliste importieren"}
                                     << Antwort::Ja << QStringList{"Meier", "Zeh"};
        QTest::newRow("ersetzen: Nein") << 3 << Antwort::Nein << QStringList{"Lehrerliste importieren"}
                                        << Antwort::Nein << QStringList{"Alt"};
        QTest::newRow("ersetzen: Ja") << 3 << Antwort::Ja << QStringList{"Lehrerliste importieren"}
                                      << Antwort::Nein << QStringList{"Meier", "Zeh"};
    }
    void lehrerdatei() {
        QFETCH(int, projekt);
        QFETCH(Antwort, antwort);
        QFETCH(QStringList, titel);
        QFETCH(Antwort, vorgabe);
        QFETCH(QStringList, lehrer);
        TAufrufTest t;
        std::unique_ptr<TProjekt> p = projekt == 1 ? KleinesProjekt() : ProjektMitRahmen();
        p->NotizHaken.fill(false);
        if (projekt == 3)
            LehrerHinzufuegen(*p, QStringLiteral("Herr"), QStringLiteral("AL"), QStringLiteral("Alt"), {},
                              {});
        if (projekt > 0) t.Fenster->Dokument.Ersetzen(std::move(p), t.Pfad("Offen.pdt"));
        QVERIFY(t.Zeigen());
        t.Meldung.Antworten = {antwort};
        t.Aufruf->Oeffnen({LehrerdateiAnlegen(t.Pfad("Kollegium.ldt"))});
        QTRY_COMPARE(t.Meldung.Titel(), titel);
        const TSkriptMeldung::Eintrag& frage = t.Meldung.Protokoll[0];
        QCOMPARE(frage.Vorgabe, vorgabe);
        if (projekt == 0) {
            QCOMPARE(frage.Text, "„Kollegium.ldt“ ist eine Lehrerdatei. Ihre Lehrkräfte lassen sich nur in "
                                 "ein Projekt übernehmen.\r\rÖffnen Sie ein Projekt oder legen Sie ein neues "
                                 "an und wählen Sie dann im Menü \"Datei\" den Punkt \"Lehrerdaten "
                                 "importieren...\".");
            QVERIFY(!t.Fenster->Projekt());
            return;
        }
        if (projekt >= 2)
            QCOMPARE(frage.Text,
                     QStringLiteral("Möchten Sie die Lehrkräfte aus der Lehrerdatei „Kollegium.ldt“ "
                                    "in das Projekt „Offen.pdt“ übernehmen?") +
                         (projekt == 3 ? QStringLiteral("\r\rDie bisherige Lehrerliste wird "
                                                        "dabei ersetzt.")
                                       : QString()));
        QTest::qWait(200);
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(Lehrernamen(*t.Fenster->Projekt()), lehrer);
        const bool importiert = lehrer.contains(QStringLiteral("Zeh"));
        QCOMPARE(t.Fenster->Dokument.IstGeaendert(), importiert);
        QCOMPARE(t.Fenster->Projekt()->NotizHaken[Notizhaken::LehrerlisteErfasst], importiert);
        QCOMPARE(t.Fenster->Lehrerpanel->LVLehrer->model()->rowCount(), lehrer.size());
    }
};

VEL_TEST(TstDateiaufruf)
#include "tst_Dateiaufruf.moc"
