#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <utility>

class QAction;
class QWidget;
class TDateiwahl;
class TEinstellungsSpeicher;
class TMeldung;
class TProjekt;
class TProjektDokument;
struct TProgrammwerte;

// What the commands work with; the main window hands it to every group.
struct TBefehlsumgebung {
    TProjektDokument& Dokument;
    TMeldung& Meldungen;
    TDateiwahl& Dateiwahl;
    TEinstellungsSpeicher& Speicher;
    TProgrammwerte& Programmwerte;
    QWidget* Fenster; // the parent of the group's dialogs
    // Opens the help; the dialogs' help buttons call it.
    std::function<void()> Hilfe;
};

// When a command is available.
// Plan: some conversation has an appointment.
enum class TRegel { Immer, Projekt, Personen, Lehrer, Gespraeche, Plan };

// The commands of one feature: their handlers and when they are available. The main window's command
// table creates the actions with caption, shortcut and icon and hands each to its group's Anschliessen,
// which connects the handler and knows the action's rule; the group enables its actions whenever the
// project's state changes.
class TBefehlsgruppe : public QObject {
    Q_OBJECT
public:
    TBefehlsgruppe(const TBefehlsumgebung& umgebung, QObject* eltern);

    void Aktualisieren();

protected:
    void Aufnehmen(QAction* aktion, TRegel regel);
    TProjekt* Projekt() const;

    TBefehlsumgebung U;

private:
    bool Erfuellt(TRegel regel) const;

    QList<std::pair<QAction*, TRegel>> Aktionen;
};
