#include "FensterTest.h"
#include "common/TestHaupt.h"
#include "model/Datumstexte.h"
#include "settings/Einstellungen.h"

#include <QCursor>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QTreeView>

namespace {

QByteArray Inhalt(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Schreiben(const QString& datei, const QByteArray& inhalt) {
    QFile f(datei);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
}

// A window with a project "Schule.pdt" and a writer that records what it finds while it writes.
struct TSicherungsTest : TFensterTest {
    int Geschrieben = 0;
    bool Gelingt = true;
    QByteArray VorigeWaehrendDesSchreibens;
    QString StatusWaehrendDesSchreibens;

    TSicherungsTest() {
        Fenster->ProjektErsetzen(KleinesProjekt());
        Fenster->Dokument.DateiSetzen(Ordner.filePath(QStringLiteral("Schule.pdt")));
        Fenster->Gruppen.Projektdateien->ProjektSchreiber = [this](const TProjekt&, const QString& datei) {
            ++Geschrieben;
            VorigeWaehrendDesSchreibens = Inhalt(Pfad("~tmpproj.pd~"));
            StatusWaehrendDesSchreibens = Fenster->Panels[3]->text();
            return Gelingt && Schreiben(datei, "neu");
        };
    }
    QString Pfad(const char* name) const { return Ordner.filePath(QLatin1String(name)); }
};

// The project changed and the backup timer fired: the backup is written unless a command runs.
void Faellig(TSicherungsTest& t) {
    t.Fenster->Dokument.Melden({});
    t.Fenster->Dokument.SicherungAnfordern();
}

} // namespace

class TstSicherung : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The previous backup survives as "~tmpproj.pd~" until the new one is complete; the status bar says
    // what is going on meanwhile and shows the date again afterwards.
    void sicherungSchreiben() {
        TSicherungsTest t;
        QVERIFY(Schreiben(t.Pfad("Schule.pd~"), "alt"));
        Faellig(t);
        QCOMPARE(t.Geschrieben, 1);
        QCOMPARE(t.VorigeWaehrendDesSchreibens, "alt");
        QCOMPARE(t.StatusWaehrendDesSchreibens, "Automatische Datensicherung ...");
        QCOMPARE(Inhalt(t.Pfad("Schule.pd~")), "neu");
        QVERIFY(!QFile::exists(t.Pfad("~tmpproj.pd~")));
        QVERIFY(!t.Fenster->Dokument.IstSicherungAnstehend());
        QVERIFY(!t.Fenster->Dokument.IstSicherungFaellig());
        QVERIFY(!t.Fenster->Dokument.Beschaeftigt());
        QCOMPARE(t.Fenster->Panels[3]->text(), QString::fromUtf8("Elternsprechtag am Montag, 1. März 2027"));
    }

    void fehlgeschlageneSicherungBleibtAnstehend() {
        TSicherungsTest t;
        QVERIFY(Schreiben(t.Pfad("Schule.pd~"), "alt"));
        t.Gelingt = false;
        Faellig(t);
        QVERIFY(t.Fenster->Dokument.IstSicherungAnstehend());
        QCOMPARE(Inhalt(t.Pfad("~tmpproj.pd~")), "alt");
    }

    void ohneSchreiberBleibtSieAnstehend() {
        TSicherungsTest t;
        t.Fenster->Gruppen.Projektdateien->ProjektSchreiber = nullptr;
        Faellig(t);
        QVERIFY(t.Fenster->Dokument.IstSicherungAnstehend());
        QVERIFY(!QFile::exists(t.Pfad("Schule.pd~")));
    }

    void ohneTempOrdnerEinmalMelden() {
        TSicherungsTest t;
        t.Fenster->Gruppen.Projektdateien->TempOrdner.clear();
        for (int i = 0; i < 2; ++i)
            Faellig(t);
        QCOMPARE(t.Geschrieben, 0);
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Text,
                 QString::fromUtf8(
                     "VEL konnte keinen gültigen Ordner für temporäres Speichern einer Sicherungsdatei "
                     "finden."));
        QVERIFY(t.Fenster->Dokument.IstSicherungAnstehend());
    }

    void sicherungsTimer_data() {
        QTest::addColumn<bool>("faellig");
        QTest::addColumn<bool>("beschaeftigt");
        QTest::addColumn<bool>("anstehend");
        QTest::addColumn<int>("geschrieben");
        QTest::newRow("nichts geaendert") << false << false << false << 0;
        QTest::newRow("geaendert") << true << false << false << 1;
        // During a command the tick only marks the backup; the command's end writes it.
        QTest::newRow("waehrend eines Befehls") << true << true << true << 0;
    }
    void sicherungsTimer() {
        QFETCH(bool, faellig);
        QFETCH(bool, beschaeftigt);
        QFETCH(bool, anstehend);
        QFETCH(int, geschrieben);
        TSicherungsTest t;
        QVERIFY(t.Zeigen());
        QVERIFY(t.Fenster->Gruppen.Projektdateien->Timer1->isActive());
        QCOMPARE(t.Fenster->Gruppen.Projektdateien->Timer1->interval(), 5 * 60000);
        t.Fenster->Gruppen.Projektdateien->Timer1->setInterval(10);
        t.Fenster->Gruppen.Projektdateien->Timer1->start();
        std::optional<TBefehlsWache> befehl;
        if (beschaeftigt) befehl.emplace(t.Fenster->Dokument);
        if (faellig) t.Fenster->Dokument.Melden({});
        QTest::qWait(60);
        QCOMPARE(t.Fenster->Dokument.IstSicherungAnstehend(), anstehend);
        QCOMPARE(t.Geschrieben, geschrieben);
        if (!beschaeftigt) return;
        befehl.reset();
        QCOMPARE(t.Geschrieben, 1);
        QVERIFY(!t.Fenster->Dokument.IstSicherungAnstehend());
    }

    void sicherungsTimerAus() {
        TFensterTest t;
        ProgrammwertSchreiben(t.Speicher, QStringLiteral("AutoSpeichern"), false);
        TVELWnd fenster(t.Meldung, t.Dateiwahl, t.Speicher);
        fenster.show();
        QVERIFY(!fenster.Gruppen.Projektdateien->Timer1->isActive());
    }

    void splashSchliesstNachZweiSekunden() {
        TFensterTest t;
        QVERIFY(t.Zeigen());
        QPointer<QWidget> splash = new QWidget;
        splash->show();
        t.Fenster->SplashUebernehmen(splash);
        QCOMPARE(t.Fenster->Timer2->interval(), 2000);
        QVERIFY(t.Fenster->Timer2->isActive());
        t.Fenster->Timer2->setInterval(10);
        t.Fenster->Timer2->start();
        t.Fenster->Panels[3]->clear();
        QTRY_VERIFY(!splash);
        QVERIFY(!t.Fenster->Timer2->isActive());
        QCOMPARE(t.Fenster->Panels[3]->text(), QString(DatumLang(QDate::currentDate())));
    }

    void splashSchliesstBeimKlick() {
        TFensterTest t;
        QVERIFY(t.Zeigen());
        QPointer<QWidget> splash = new QWidget;
        splash->show();
        t.Fenster->SplashUebernehmen(splash);
        QTest::mouseClick(t.Fenster->Familienpanel->LVEltern->viewport(), Qt::LeftButton);
        QVERIFY(!splash);
        QVERIFY(!t.Fenster->Timer2->isActive());
    }
};

VEL_TEST(TstSicherung)
#include "tst_Sicherung.moc"
