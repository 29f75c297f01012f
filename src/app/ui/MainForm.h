#pragma once

#include "app/ProjektDokument.h"
#include "model/Projekt.h"
#include "model/Projektdatei.h"
#include "settings/Einstellungen.h"

#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;
class TDateiwahl;
class TFEditL;
class THilfeBefehle;
class TKurzLabel;
class TRahmenBefehle;
class TTerminBefehle;
class TEinstellungsSpeicher;
class TMeldung;
class TPersonenModell;
class TProjektBefehle;
class TZiehen;

// Which person list was used last.
enum class TAktiveListe { Eltern, Lehrer };

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
    TEltern* AktuelleFamilie = nullptr;
    TKind* AktuellesKind = nullptr;
    TAktiveListe AktiveListe = TAktiveListe::Eltern;
    bool AutoAnmerkFragen = true;
    TProgrammwerte Programmwerte;

    // The pop-up time window while it is open, and whose times it shows.
    QPointer<QWidget> Zeitfenster;
    const TPerson* ZeitfensterPerson = nullptr;

    // Operations the commands use.
    void BefehleAktualisieren();
    void StatusAktualisieren();
    void DatumAnzeigen();
    void ElternlisteFuellen(TEltern* auswahl = nullptr);
    void KinderbaumFuellen();
    void LehrerlisteFuellen();
    void KlassenfilterFuellen();
    void StartFokus();
    // Brings the window to the front, as asked by a second start of the program.
    void NachVorne();
    // Takes over the splash window and closes it after 2 s or at the first click.
    void SplashUebernehmen(QWidget* splash);

    // The command groups of the features; each holds its handlers and when its commands are available.
    THilfeBefehle* Hilfe = nullptr;
    TProjektBefehle* Projektdateien = nullptr;
    TRahmenBefehle* Rahmen = nullptr;
    TTerminBefehle* Termine = nullptr;

    // Commands of this window.
    void Ende1Click();

    // Data entry of families, children, teachers and requests (MainFormFamilien.cpp,
    // MainFormLehrer.cpp, MainFormGespraeche.cpp).
    bool FamilienEingabe = false;
    bool KindFolgt = false;
    QString LetzteKlasse;
    std::vector<TLehrer*> Auswahlfolge; // selected teachers in the order of selection
    void BtnElternHinzuClick();
    void BtnEditEClick();
    void BtnLoeschEClick();
    void HeFrFa1Click();
    void BtnKindHinzuClick();
    void BtnEditKClick();
    void BtnLoeschKClick();
    void EListeSort1Click();
    void BuEltClick();
    void BtnLehrerHinzuClick();
    void BtnEditLClick();
    void BtnLoeschLClick();
    void BuLehClick();
    void BtnAddGClick();
    void SpBLoeGClick();
    void GesprLoeschen1Click();
    void Loe41KiClick();
    void AlleGLoeClick();
    void kindkommtmit1Click();
    void Klassenleitung1Click();
    void TipBtnClick();

    // Timers: splash, pop-up time window.
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;
    void Timer2Timer();
    void Timer3Timer();

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

    // Controls.
    QTreeView* LVEltern = nullptr;
    QTreeWidget* TVKinder = nullptr;
    QTreeView* LVLehrer = nullptr;
    QComboBox* ComboKlassen = nullptr;
    QLineEdit* SuchE = nullptr;
    QLineEdit* KuerzE = nullptr;
    TKurzLabel* LbEltern = nullptr;
    QLabel* LbKind = nullptr;
    QLabel* LblEingabetaste = nullptr;
    // "Hinzufügen:" and "(Kürzel)" above the request box; a dragged request borrows them.
    QLabel* LblHinzufuegen = nullptr;
    QLabel* LblKuerzel = nullptr;
    QPushButton* BtnElternHinzu = nullptr;
    QPushButton* BtnLoeschE = nullptr;
    QPushButton* BtnEditE = nullptr;
    QPushButton* BtnKindHinzu = nullptr;
    QPushButton* BtnLoeschK = nullptr;
    QPushButton* BtnEditK = nullptr;
    QPushButton* BtnLehrerHinzu = nullptr;
    QPushButton* BtnLoeschL = nullptr;
    QPushButton* BtnEditL = nullptr;
    QPushButton* BtnAddG = nullptr;
    QToolButton* SpBLoeG = nullptr;
    QToolButton* TipBtn = nullptr;
    QCheckBox* ChBhotZE = nullptr;
    QCheckBox* ChBhotZL = nullptr;
    QCheckBox* ChBxLDBL = nullptr;
    // Status bar panels: families, teachers, conversations, date or progress.
    std::array<QLabel*, 4> Panels{};

    // Selects, makes current and shows one row of a person list.
    static void ZeileWaehlen(QTreeView* liste, int zeile);
    // The rows' person, or null.
    TEltern* ElternInZeile(int zeile) const;
    TLehrer* LehrerInZeile(int zeile) const;

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void changeEvent(QEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // Building the window, by topic (MainForm*.cpp).
    void FensterAufbauen();
    QWidget* ElternTeil();
    QWidget* MittelTeil();
    QWidget* LehrerTeil();
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
    QPushButton* Knopf(const char* text, const char* symbol, THandler handler);
    // Enables a command only when it has a handler.
    void Freigeben(QObject* befehl, bool an);
    void MenueOeffnet();
    void DateiMenueOeffnet();

    void ErsteAnzeige();
    // Open and New end the family-child-request sequence of the keyboard entry.
    void GefuehrteEingabeBeenden();
    // What a change of the program values means for the lists: the class names.
    void ProgrammwerteUebernehmen(const TProgrammwerte& vorher, bool sicherungGeaendert);

    // Keys and the request box of the data entry (MainFormTasten.cpp).
    void EingabeAnschliessen();
    bool LVElternTaste(QKeyEvent* taste);
    bool KuerzETaste(QKeyEvent* taste);
    bool TVKinderTaste(QKeyEvent* taste);
    bool LVLehrerTaste(QKeyEvent* taste);
    void KuerzEChange();
    // Clears the teacher selection without touching the Kürzel it wrote into the request box.
    void LehrerauswahlAufheben();
    void NaechstesKind();
    void GespraecheHinzufuegen(bool kindKommtMit);
    void GespraechLoeschen(bool fragen);
    TLehrer* LehrerAufnehmen(const TFEditL& dialog);
    void AlleGespraecheLoeschen(std::vector<TGespraech*> gespraeche, TKind* auswahl);
    // The teacher of the context entry that adds requests for the filtered class, or null.
    TLehrer* KlassenLehrer() const;
    void KlasseHinzuAnbieten();
    QString Tippsuche;

    // Dragging teachers onto a child and requests within the tree (MainFormZiehen.cpp).
    friend class TZiehen;
    void ZiehenAnschliessen();

    void LVElternSelectItem();
    void TVKinderChange();
    void LVLehrerSelectItem();
    void SuchEChange();
    void ComboKlassenClick();
    void FamilienKnoepfeAktualisieren();
    void KinderKnoepfeAktualisieren();
    void LehrerKnoepfeAktualisieren();
    void KindBildSetzen(QTreeWidgetItem* knoten);
    void ListenFreigeben();
    // Follows the document: the lists after another project, counters and commands after changes.
    void DokumentErsetzt();
    void DokumentGeaendert(TAenderungen was);

    TMeldung& Meldungen;
    TDateiwahl& Dateiwahl;
    TEinstellungsSpeicher& Speicher;

    TPersonenModell* ElternModell = nullptr;
    TPersonenModell* LehrerModell = nullptr;
    QSet<const QObject*> MitHandler;
    QPointer<QWidget> Splash;
    bool ErstmalsAngezeigt = false;
};
