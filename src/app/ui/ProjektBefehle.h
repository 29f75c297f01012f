#pragma once

#include "model/Projektdatei.h"
#include "ui/Befehlsgruppe.h"

#include <QString>
#include <functional>

class QTimer;
class TProjekt;
class TRahmenBefehle;

// The project files: new, open (also backup copies and older layouts), save, save as and backup copy;
// the caption, the question before the open project is left, and the automatic backup into the
// temporary folder with its timer.
class TProjektBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    // New asks the frame group for the new project's time frame.
    TProjektBefehle(const TBefehlsumgebung& umgebung, TRahmenBefehle& rahmen, QObject* eltern);

    void Anschliessen(QAction* aktion, void (TProjektBefehle::*handler)());

    // The first action of the new-project guide: the time frame of a new project, which replaces the
    // open one once the frame is confirmed. False when the user cancelled.
    bool NeuesProjektAnlegen();
    void PDTopen1Click();
    void SichOpen1Click();
    // Files of an older layout than their magic says; Scroll Lock cannot be read here, so the two
    // modes have entries of their own.
    void AltOhneNachname1Click();
    void AltDatumText1Click();
    void PDTsave1Click();
    void PDTsaveN1Click();
    void SichDisk1Click();

    enum class TSpeicherArt { Speichern, SpeichernUnter, Sicherungskopie };
    // True when the file was written.
    bool Speichern(TSpeicherArt art);
    // Before the open project is left: offers to save its changes. False when the user cancelled, also
    // through the file dialog of the save.
    bool SpeichernFragen();
    // A new project and a restored backup have no file the user chose; Save asks for one.
    bool OhneEigeneDatei() const;
    void TitelAktualisieren();
    // Opens a file without asking for it, as at start and after the file dialog.
    void ProjektOeffnen(const QString& datei, TAltformat format = TAltformat::Aktuell);
    // Open for a file named outside the program (command line, file manager): the question about
    // unsaved changes, then the file.
    void DateiOeffnen(const QString& datei);
    // At first show: offers a backup a previous run left behind, else opens the last project unless
    // the command line names one.
    void StartProjektOeffnen();
    bool LetztesProjektLaden = true;

    // The automatic backup: the document asks for it when it is due and no command runs.
    void AutoSicherung();
    void Timer1Setzen();
    void Timer1Timer();
    // The program values changed in the options dialog: the project folder, and the backups when they
    // were switched or their interval changed.
    void ProgrammwerteUebernehmen(const TProgrammwerte& vorher, bool sicherungGeaendert);
    // The program ends: the project is remembered for the next start, and the backups go.
    void ProgrammEnde();
    // Projektpfad as the dialogs and new projects take it: a folder that exists.
    QString Startordner() const;

    QString Projektpfad;        // where the file dialogs for projects start
    QString StartDatei;         // the project of the last run
    QString TempOrdner;         // with trailing separator; empty when no writable folder was found
    QString ProjektNameVorgabe; // name of an unsaved new project, "Proj-0", "Proj-1", ...
    // Writes the automatic backup: the project file writer, unless a test plugs in another; while none
    // is plugged in, an automatic backup stays pending and nothing is written.
    std::function<bool(const TProjekt&, const QString&)> ProjektSchreiber;
    QTimer* Timer1 = nullptr;

Q_SIGNALS:
    // Open or a new project has run, also when nothing was read: the guided keyboard entry starts afresh.
    void OeffnenBeendet();
    // The automatic backup is being written, for the status bar ...
    void Statuszeile(const QString& text);
    // ... which shows the date again once it is done.
    void SicherungErledigt();

private:
    static QString TempOrdnerBestimmen();
    void Oeffnen(TAltformat format, bool sicherungskopie);

    TRahmenBefehle& Rahmen;
    bool TempOrdnerGemeldet = false;
};
