#pragma once

#include "model/TypFunc.h"

#include <QFlags>
#include <QObject>
#include <QString>
#include <memory>

class TProjekt;

// What a change touched, so that each view refreshes what it shows of it.
enum class TAenderung : uint32_t {
    Familien = 1 << 0,
    Kinder = 1 << 1,
    Lehrer = 1 << 2,
    Gespraeche = 1 << 3,
    Plan = 1 << 4,
    Rahmen = 1 << 5,
    Layout = 1 << 6,
    Einstellungen = 1 << 7,
    Zeiten = 1 << 8,      // blocked times of persons or the standard blocking
    Anmerkungen = 1 << 9, // the texts printed with the conversation lists
};
Q_DECLARE_FLAGS(TAenderungen, TAenderung)
Q_DECLARE_OPERATORS_FOR_FLAGS(TAenderungen)

// The open project with its file and its change state. Operations change the project and report what
// they changed; views, status bar and commands follow the signal at once. While a command runs (see
// TBefehlsWache) the automatic backup waits for its end.
class TProjektDokument : public QObject {
    Q_OBJECT
public:
    explicit TProjektDokument(QObject* eltern = nullptr);
    ~TProjektDokument() override;

    // Null until a project is opened or created.
    TProjekt* Projekt() const { return Aktuell.get(); }
    // Swaps in another project (or none) with its file; the old one stays alive until the views have
    // let go of it. A project just read or created is unchanged.
    void Ersetzen(std::unique_ptr<TProjekt> neu, const QString& datei);

    // The full path of the project's file; for a new project the folder and its preset name.
    const QString& Datei() const { return DateiPfad; }
    // The file's name as the caption shows it.
    QString Name() const;
    void DateiSetzen(const QString& datei);

    // The hand edits that can be undone; its entries point into the current project, so it is emptied
    // whenever the project is replaced.
    TRueckCollection& RueckListe() { return Rueck; }
    const TRueckCollection& RueckListe() const { return Rueck; }

    bool IstGeaendert() const { return GeaendertStand; }
    bool IstSicherungFaellig() const { return SicherungFaelligStand; }
    bool IstSicherungAnstehend() const { return SicherungAnstehendStand; }
    bool Beschaeftigt() const { return Befehlstiefe > 0; }

    // An operation changed the project; called after the change, so that the views see it.
    void Melden(TAenderungen was);
    // The project has changes that are not in its file, without a new change (a restored backup).
    void AlsGeaendertMarkieren();
    // The project was written to its file.
    void Gespeichert();
    // The timer asks for an automatic backup; it is wanted at once, or when the running command ends.
    void SicherungAnfordern();
    // The automatic backup was written.
    void SicherungGeschrieben();
    // Automatic backups were switched off: a backup asked for is not wanted any more.
    void SicherungAbbestellen();

Q_SIGNALS:
    void ProjektErsetzt();
    void Geaendert(TAenderungen was);
    // The project lives in another file now (saved under another name).
    void DateiGewechselt();
    // The automatic backup is due now.
    void SicherungGewuenscht();
    // A command is about to change the project (the outermost TBefehlsWache began): an edit still
    // pending in a window of its own is to be applied first.
    void BefehlBeginnt();

private:
    friend class TBefehlsWache;
    void BefehlBeendet();

    std::unique_ptr<TProjekt> Aktuell;
    TRueckCollection Rueck;
    QString DateiPfad;
    bool GeaendertStand = false;
    bool SicherungFaelligStand = false;
    bool SicherungAnstehendStand = false;
    int Befehlstiefe = 0;
};

// Marks the run of one command. Commands nest; a pending automatic backup is written once, when the
// outermost one ends.
class TBefehlsWache {
public:
    explicit TBefehlsWache(TProjektDokument& dokument);
    ~TBefehlsWache();
    TBefehlsWache(const TBefehlsWache&) = delete;
    TBefehlsWache& operator=(const TBefehlsWache&) = delete;

private:
    TProjektDokument& Dokument;
};
