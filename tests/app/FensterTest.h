#pragma once

#include "app/ui/Eingabe.h"
#include "app/ui/FamilienPanel.h"
#include "app/ui/GespraechPanel.h"
#include "app/ui/KinderPanel.h"
#include "app/ui/Kindermodell.h"
#include "app/ui/LehrerPanel.h"
#include "app/ui/MainForm.h"
#include "app/ui/ProjektBefehle.h"
#include "common/SkriptMeldung.h"
#include "settings/UReg.h"
#include "ui/Dateiwahl.h"

#include <QList>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

// Answers file choices from a queue (empty, that is cancelled, once the queue is empty) and records them.
class TSkriptDateiwahl : public TDateiwahl {
public:
    QList<TDateiAuswahl> Anfragen;
    QStringList Antworten;
    QString Laufwerk; // the kind of drive every file lies on
    int Filter = -1;  // the filter every choice is made with, -1 unknown

    QString OeffnenWaehlen(const TDateiAuswahl& auswahl) override { return Antwort(auswahl); }
    QString SpeichernWaehlen(const TDateiAuswahl& auswahl) override { return Antwort(auswahl); }
    QString OrdnerWaehlen(const QString& titel, const QString& ordner) override {
        return Antwort({titel, {}, {}, ordner, {}});
    }
    QString Laufwerksart(const QString&) override { return Laufwerk; }
    int GewaehlterFilter() const override { return Filter; }

private:
    QString Antwort(const TDateiAuswahl& auswahl) {
        Anfragen.append(auswahl);
        return Antworten.isEmpty() ? QString() : Antworten.takeFirst();
    }
};

// A main window with scripted messages and file choices, a settings store of its own and a temporary
// folder of its own.
struct TFensterTest {
    QTemporaryDir Ordner;
    TEinstellungsSpeicher Speicher{Ordner.filePath(QStringLiteral("vel.ini"))};
    TSkriptMeldung Meldung;
    TSkriptDateiwahl Dateiwahl;
    std::unique_ptr<TVELWnd> Fenster;

    TFensterTest() {
        // The window's own temporary folder lies in the test area of the user's cache.
        QStandardPaths::setTestModeEnabled(true);
        Fenster = std::make_unique<TVELWnd>(Meldung, Dateiwahl, Speicher);
        Fenster->Gruppen.Projektdateien->TempOrdner = Ordner.path() + u'/';
        Fenster->Programmordner = Ordner.path() + u'/';
    }
    // Shows the window and makes it the active one, as at program start.
    bool Zeigen() {
        Fenster->show();
        Fenster->activateWindow();
        return QTest::qWaitForWindowActive(Fenster.get());
    }
};

// Two teachers, two families with three children, three requests of which one with the child, a
// one-day frame on Monday, 01.03.2027.
std::unique_ptr<TProjekt> KleinesProjekt();

// An empty project with a one-day frame on Monday, 01.03.2027: slots slots from 16:00, abstand minutes
// apart.
std::unique_ptr<TProjekt> ProjektMitRahmen(int slots = 6, int abstand = 15);

// Answers the options dialog of a scheduling run with START.
void StartDruecken();

// Closes the statistics window whenever it comes up, and keeps what it showed.
class TStatistikWaechter : public QObject {
public:
    TStatistikWaechter();
    int Gezeigt = 0;
    QString Termine; // the number of appointments set, as shown

private:
    QTimer Takt;
};
