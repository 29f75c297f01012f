#pragma once

#include "Befehlsgruppen.h"
#include "document/ProjektDokument.h"
#include "model/Projekt.h"
#include "model/Projektdatei.h"
#include "settings/Einstellungen.h"
#include "ui/Befehlsgruppe.h"

#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <array>
#include <functional>
#include <memory>

class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
class QTimer;
class TDateiwahl;
class TEingabe;
class TFamilienPanel;
class TGespraechPanel;
class TKinderPanel;
class TLehrerPanel;
class TZeitfensterAufruf;
class TEinstellungsSpeicher;
class TMeldung;

// The main window: it owns the open project, shows families, children and requests on the left and the
// teachers on the right, and carries every command in its menus, tool bar and context menus.
//
// A command entry without a handler stays disabled whatever the project state; the commands of the
// other parts give their handler in the command table (MainFormBefehle.cpp).
class TVELWnd : public QMainWindow {
    Q_OBJECT
public:
    TVELWnd(TMeldung& meldung, TDateiwahl& dateiwahl, TEinstellungsSpeicher& speicher,
            QWidget* parent = nullptr);
    ~TVELWnd() override;

    using THandler = void (TVELWnd::*)();

    // The open project with its file and change state; the commands report their changes to it.
    TProjektDokument Dokument;
    // The document's project, null until one is opened or created.
    TProjekt* Projekt() const { return Dokument.Projekt(); }
    // Swaps in another project (or none), unchanged, under the document's file name.
    void ProjektErsetzen(std::unique_ptr<TProjekt> neu);

    // Window state.
    QString Programmordner;
    TProgrammwerte Programmwerte;

    // The pop-up time window, and whose times it shows while it is open.
    TZeitfensterAufruf* Zeitfenster = nullptr;
    const TPerson* ZeitfensterPerson = nullptr;

    // Operations the commands use.
    void BefehleAktualisieren();
    void StatusAktualisieren();
    void DatumAnzeigen();
    // Brings the window to the front, as asked by a second start of the program.
    void NachVorne();
    // Takes over the splash window and closes it after 2 s or at the first click.
    void SplashUebernehmen(QWidget* splash);

    // The command groups of the features; each holds its handlers and when its commands are available.
    TBefehlsgruppen Gruppen;

    // Commands of this window.
    void Ende1Click();

    // The data entry across the panels.
    TEingabe* Eingabe = nullptr;

    // The splash window's timer.
    QTimer* Timer2 = nullptr;
    void Timer2Timer();

    // Menus.
    QMenu* Datei1 = nullptr;
    QMenu* Bearbeiten1 = nullptr;
    QMenu* Auswerten1 = nullptr;
    QMenu* Ansicht1 = nullptr;
    QMenu* Voreinstellungen1 = nullptr;
    QMenu* Optionen1 = nullptr;
    QMenu* Sonstiges1 = nullptr;
    QMenu* Hilfe1 = nullptr;
    QMenu* RTF1 = nullptr;
    QMenu* Seiteeinrichten0 = nullptr;
    QMenu* Anmerkungen1 = nullptr;

    QAction* PDTneu1 = nullptr;
    QAction* PDTopen1 = nullptr;
    QAction* PDTsave1 = nullptr;
    QAction* PDTsaveN1 = nullptr;
    QAction* SichDisk1 = nullptr;
    QAction* SichOpen1 = nullptr;
    QAction* AltOhneNachname1 = nullptr;
    QAction* AltDatumText1 = nullptr;
    QAction* impL1 = nullptr;
    QAction* impE1 = nullptr;
    QAction* expL1 = nullptr;
    QAction* PDFExport1 = nullptr;
    QAction* Lehrer1 = nullptr;
    QAction* Eltern1 = nullptr;
    QAction* Druck1 = nullptr;
    QAction* Layout1 = nullptr;
    QAction* Seiteeinrichten1 = nullptr;
    QAction* Ende1 = nullptr;
    QAction* Tel1 = nullptr;
    QAction* EListeSort1 = nullptr;
    QAction* LRaumZw1 = nullptr;
    QAction* HandBearb1 = nullptr;
    QAction* Klassenleitung1 = nullptr;
    QAction* Anmerkung1 = nullptr;
    QAction* Anmerk2 = nullptr;
    QAction* IndividuelleAnmerkungen1 = nullptr;
    QAction* AutoAnmerk1 = nullptr;
    QAction* Berech1 = nullptr;
    QAction* Verbessern1 = nullptr;
    QAction* OptAusw1 = nullptr;
    QAction* AnsGspList0 = nullptr;
    QAction* Statstk1 = nullptr;
    QAction* AnsRaum1 = nullptr;
    QAction* AnzlGspL1 = nullptr;
    QAction* AnsNichtTerm1 = nullptr;
    QAction* AnsNaegel1 = nullptr;
    QAction* AnsRaumDlg = nullptr;
    QAction* Notizzettel1 = nullptr;
    QAction* ZeitRa1 = nullptr;
    QAction* ZDefault1 = nullptr;
    QAction* Schuldaten1 = nullptr;
    QAction* OptPrg1 = nullptr;
    QAction* OptTermin1 = nullptr;
    QAction* LayoutOpt1 = nullptr;
    QAction* SeiteOpt1 = nullptr;
    QAction* AnrEdit1 = nullptr;
    QAction* ZeitGlob1 = nullptr;
    QAction* NagZieh1 = nullptr;
    QAction* AlleNageln1 = nullptr;
    QAction* NoTime1 = nullptr;
    QAction* Inhalt1 = nullptr;
    QAction* Index1 = nullptr;
    QAction* NeuindieserVersion1 = nullptr;
    QAction* VerTest1 = nullptr;
    QAction* Info1 = nullptr;

    // Tool bar, left to right.
    QAction* Neu0 = nullptr;
    QAction* Open0 = nullptr;
    QAction* Save0 = nullptr;
    QAction* SaveN0 = nullptr;
    QAction* BuElt = nullptr;
    QAction* BuLeh = nullptr;
    QAction* Raum0 = nullptr;
    QAction* Berech0 = nullptr;
    QAction* HandBearb0 = nullptr;
    QAction* Statstk0 = nullptr;
    QAction* Vorschau0 = nullptr;
    QAction* Druck0 = nullptr;
    QAction* BuPDF = nullptr;
    QAction* Hilfe0 = nullptr;
    QAction* Ende0 = nullptr;

    // Context menus of the children tree, the family list and the teacher list.
    QMenu* PopMenuGespr = nullptr;
    QAction* KindLoeschen1 = nullptr;
    QAction* GesprLoeschen1 = nullptr;
    QAction* Loe41Ki = nullptr;
    QAction* AlleGLoe = nullptr;
    QAction* kindkommtmit1 = nullptr;
    QMenu* PopMenuEltern = nullptr;
    QAction* AnmerkE1 = nullptr;
    QAction* AnmerkAlleE1 = nullptr;
    QAction* EditE1 = nullptr;
    QAction* HeFrFa1 = nullptr;
    QAction* ZDefaultE1 = nullptr;
    QAction* ZeitGlobE1 = nullptr;
    QMenu* PopMenuLehrer = nullptr;
    QAction* AnmerkL1 = nullptr;
    QAction* AnmerkAlleL1 = nullptr;
    QAction* EditL1 = nullptr;
    QAction* RaumL1 = nullptr;
    QAction* AnrEditL1 = nullptr;
    QAction* ZDefaultL1 = nullptr;
    QAction* ZeitGlobL1 = nullptr;
    QAction* KlasseHinzuL1 = nullptr;

    // Panels and controls.
    TFamilienPanel* Familienpanel = nullptr;
    TLehrerPanel* Lehrerpanel = nullptr;
    TKinderPanel* Kinderpanel = nullptr;
    TGespraechPanel* Gespraechpanel = nullptr;
    // Status bar panels: families, teachers, conversations, date or progress.
    std::array<QLabel*, 4> Panels{};

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // Building the window, by topic (MainForm*.cpp).
    void FensterAufbauen();
    QWidget* MittelTeil();
    void MenuesAnlegen();
    void WerkzeugleisteAnlegen();
    void KontextmenuesAnlegen();
    void StatusleisteAnlegen();
    void TimerAnlegen();

    QAction* Befehl(QMenu* menue, const char* text, const char* kuerzel, THandler handler);
    QAction* Werkzeug(const char* hinweis, const char* symbol, THandler handler);
    // Commands whose handler lies in a command group, which then decides when they are available.
    template <class G>
    QAction* Befehl(QMenu* menue, const char* text, const char* kuerzel, G* gruppe, void (G::*handler)());
    template <class G>
    QAction* Werkzeug(const char* hinweis, const char* symbol, G* gruppe, void (G::*handler)());
    void GruppenAnlegen();
    // A button of a panel whose handler lies in a command group.
    template <class G> void Knopf(QAbstractButton* knopf, G* gruppe, void (G::*handler)());
    void EingabeAnlegen();
    // Enables a command only when it has a handler.
    void Freigeben(QObject* befehl, bool an);
    void MenueOeffnet();
    void DateiMenueOeffnet();

    void ErsteAnzeige();

    // Counters and commands follow the document.
    void DokumentFolgen();
    // What the command groups work with.
    TBefehlsumgebung Umgebung();

    TMeldung& Meldungen;
    TDateiwahl& Dateiwahl;
    TEinstellungsSpeicher& Speicher;

    QSet<const QObject*> MitHandler;
    QPointer<QWidget> Splash;
    bool ErstmalsAngezeigt = false;
};
