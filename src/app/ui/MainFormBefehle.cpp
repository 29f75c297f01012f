// The command table of the main window: menus, tool bar and context menus, and which commands are
// available in which project state. An entry whose handler is nullptr belongs to a command that is not
// built yet and stays disabled.
#include "MainForm.h"

#include "AnredeBefehle.h"
#include "FamilienBefehle.h"
#include "FamilienPanel.h"
#include "GespraechBefehle.h"
#include "HilfeBefehle.h"
#include "KinderPanel.h"
#include "LehrerBefehle.h"
#include "LehrerPanel.h"
#include "NeuBefehle.h"
#include "ProjektBefehle.h"
#include "TelefonBefehle.h"
#include "UpdateBefehle.h"
#include "Zeitfensteraufruf.h"
#include "editing/ui/HandBefehle.h"
#include "exchange/ui/AustauschBefehle.h"
#include "output/ui/AnmerkBefehle.h"
#include "output/ui/DruckBefehle.h"
#include "output/ui/LayoutBefehle.h"
#include "output/ui/RtfBefehle.h"
#include "output/ui/UebersichtBefehle.h"
#include "output/ui/VorschauBefehle.h"
#include "rooms/ui/RaumBefehle.h"
#include "scheduler/ui/TerminBefehle.h"
#include "settings/ui/NotizBefehle.h"
#include "settings/ui/SchulBefehle.h"
#include "timeframe/ui/RahmenBefehle.h"
#include "timeframe/ui/SperrBefehle.h"
#include "ui/Symbole.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QTreeView>

namespace {

// Tool-tip texts use "\r" as their line break.
QString Hinweistext(const char* text) {
    return QString::fromUtf8(text).replace(u'\r', u'\n');
}

} // namespace

QAction* TVELWnd::Befehl(QMenu* menue, const char* text, const char* kuerzel, THandler handler) {
    QAction* aktion = menue->addAction(QString::fromUtf8(text));
    // First of all, also before the handler a command group connects afterwards.
    Zeitfenster->Vorschalten(aktion);
    if (kuerzel) aktion->setShortcut(QKeySequence(QLatin1String(kuerzel)));
    if (handler) {
        connect(aktion, &QAction::triggered, this, handler);
        MitHandler.insert(aktion);
    }
    aktion->setEnabled(handler != nullptr);
    return aktion;
}

QAction* TVELWnd::Werkzeug(const char* hinweis, const char* symbol, THandler handler) {
    auto* aktion = new QAction(Symbol(QLatin1String(symbol)), Hinweistext(hinweis), this);
    aktion->setToolTip(Hinweistext(hinweis));
    // First of all, also before the handler a command group connects afterwards.
    Zeitfenster->Vorschalten(aktion);
    if (handler) {
        connect(aktion, &QAction::triggered, this, handler);
        MitHandler.insert(aktion);
    }
    aktion->setEnabled(handler != nullptr);
    return aktion;
}

template <class G>
QAction* TVELWnd::Befehl(QMenu* menue, const char* text, const char* kuerzel, G* gruppe,
                         void (G::*handler)()) {
    QAction* aktion = Befehl(menue, text, kuerzel, nullptr);
    gruppe->Anschliessen(aktion, handler);
    MitHandler.insert(aktion);
    // Until the group's rule or the selection says otherwise, a command with a handler is available.
    aktion->setEnabled(true);
    return aktion;
}

template <class G>
QAction* TVELWnd::Werkzeug(const char* hinweis, const char* symbol, G* gruppe, void (G::*handler)()) {
    QAction* aktion = Werkzeug(hinweis, symbol, nullptr);
    gruppe->Anschliessen(aktion, handler);
    MitHandler.insert(aktion);
    // Until the group's rule or the selection says otherwise, a command with a handler is available.
    aktion->setEnabled(true);
    return aktion;
}

void TVELWnd::Freigeben(QObject* befehl, bool an) {
    const bool frei = an && MitHandler.contains(befehl);
    if (auto* aktion = qobject_cast<QAction*>(befehl))
        aktion->setEnabled(frei);
    else if (auto* element = qobject_cast<QWidget*>(befehl))
        element->setEnabled(frei);
}

void TVELWnd::MenuesAnlegen() {
    QMenuBar* leiste = menuBar();

    Datei1 = leiste->addMenu(QStringLiteral("&Datei"));
    PDTneu1 = Befehl(Datei1, "Projekt: &Neu", nullptr, Gruppen.Neu, &TNeuBefehle::PDTneu1Click);
    PDTopen1 = Befehl(Datei1, "Projekt ö&ffnen...", "Ctrl+O", Gruppen.Projektdateien,
                      &TProjektBefehle::PDTopen1Click);
    PDTsave1 = Befehl(Datei1, "Projekt &speichern", "Ctrl+S", Gruppen.Projektdateien,
                      &TProjektBefehle::PDTsave1Click);
    PDTsaveN1 = Befehl(Datei1, "Projekt speichern &unter...", nullptr, Gruppen.Projektdateien,
                       &TProjektBefehle::PDTsaveN1Click);
    Datei1->addSeparator();
    SichDisk1 = Befehl(Datei1, "Sicherungskopie erstellen...", nullptr, Gruppen.Projektdateien,
                       &TProjektBefehle::SichDisk1Click);
    SichOpen1 = Befehl(Datei1, "Sicherungskopie öffnen...", nullptr, Gruppen.Projektdateien,
                       &TProjektBefehle::SichOpen1Click);
    QMenu* altformat = Datei1->addMenu(QString::fromUtf8("Veraltetes Dateiformat öffnen"));
    AltOhneNachname1 = Befehl(altformat, "Ohne Nachnamen der Kinder...", nullptr, Gruppen.Projektdateien,
                              &TProjektBefehle::AltOhneNachname1Click);
    AltDatumText1 = Befehl(altformat, "Mit Datum als Text...", nullptr, Gruppen.Projektdateien,
                           &TProjektBefehle::AltDatumText1Click);
    Datei1->addSeparator();
    impL1 = Befehl(Datei1, "Lehrerdaten im&portieren...", nullptr, Gruppen.Austausch,
                   &TAustauschBefehle::impL1Click);
    impE1 = Befehl(Datei1, "Elterndaten imp&ortieren...", nullptr, Gruppen.Austausch,
                   &TAustauschBefehle::impE1Click);
    expL1 = Befehl(Datei1, "&Lehrerdaten exportieren...", nullptr, Gruppen.Austausch,
                   &TAustauschBefehle::expL1Click);
    Datei1->addSeparator();
    PDFExport1 = Befehl(Datei1, "Gesprächslisten exportieren... (PDF)", nullptr, Gruppen.Druck,
                        &TDruckBefehle::PDFExport1Click);
    RTF1 = Datei1->addMenu(QString::fromUtf8("&Gesprächlisten exportieren... (RTF)"));
    Lehrer1 = Befehl(RTF1, "für &Lehrer...", nullptr, Gruppen.Rtf, &TRtfBefehle::Lehrer1Click);
    Eltern1 = Befehl(RTF1, "für &Eltern...", nullptr, Gruppen.Rtf, &TRtfBefehle::Eltern1Click);
    Druck1 = Befehl(Datei1, "&Drucken...", nullptr, Gruppen.Druck, &TDruckBefehle::Druck1Click);
    Seiteeinrichten0 = Datei1->addMenu(QStringLiteral("Seite e&inrichten"));
    Layout1 = Befehl(Seiteeinrichten0, "&Gesprächslisten... (mit Vorschau)", nullptr, Gruppen.Layout,
                     &TLayoutBefehle::Layout1Click);
    Seiteeinrichten1 = Befehl(Seiteeinrichten0, "Sonstige Listen...", nullptr, Gruppen.Layout,
                              &TLayoutBefehle::SeiteOpt1Click);
    Datei1->addSeparator();
    Ende1 = Befehl(Datei1, "&Beenden", nullptr, &TVELWnd::Ende1Click);

    Bearbeiten1 = leiste->addMenu(QStringLiteral("&Bearbeiten"));
    Tel1 =
        Befehl(Bearbeiten1, "Elterntelefonnummer ...", nullptr, Gruppen.Telefon, &TTelefonBefehle::Tel1Click);
    EListeSort1 = Befehl(Bearbeiten1, "&Sortierung der Elternliste", nullptr, Gruppen.Familienbefehle,
                         &TFamilienBefehle::EListeSort1Click);
    LRaumZw1 = Befehl(Bearbeiten1, "&Raum zuweisen", nullptr, Gruppen.Raeume, &TRaumBefehle::LRaumZw1Click);
    HandBearb1 = Befehl(Bearbeiten1, "&Gesprächsliste von Hand bearbeiten", "F5", Gruppen.Hand,
                        &THandBefehle::HandBearb1Click);
    Klassenleitung1 = Befehl(Bearbeiten1, "Gespräche: Lehrkraft für alle Kinder einer Klasse ...", nullptr,
                             Gruppen.Gespraechbefehle, &TGespraechBefehle::Klassenleitung1Click);
    Anmerkungen1 = Bearbeiten1->addMenu(QStringLiteral("Anmerkungen schreiben ..."));
    Anmerkung1 = Befehl(Anmerkungen1, "zu den Gesprächslisten für Lehrer", nullptr, Gruppen.Anmerkungen,
                        &TAnmerkBefehle::Anmerkung1Click);
    Anmerk2 = Befehl(Anmerkungen1, "zu den Gesprächslisten für Eltern", nullptr, Gruppen.Anmerkungen,
                     &TAnmerkBefehle::Anmerk2Click);
    IndividuelleAnmerkungen1 = Befehl(Anmerkungen1, "Individuelle Anmerkungen...", nullptr,
                                      Gruppen.Anmerkungen, &TAnmerkBefehle::IndividuelleAnmerkungen1Click);
    AutoAnmerk1 = Befehl(Anmerkungen1, "Automatische Anmerkungen...", nullptr, Gruppen.Anmerkungen,
                         &TAnmerkBefehle::AutoAnmerk1Click);

    Auswerten1 = leiste->addMenu(QStringLiteral("Aus&werten"));
    Berech1 =
        Befehl(Auswerten1, "&Termine berechnen", nullptr, Gruppen.Termine, &TTerminBefehle::Berech1Click);
    Verbessern1 = Befehl(Auswerten1, "Plan &verbessern...", nullptr, Gruppen.Termine,
                         &TTerminBefehle::Verbessern1Click);
    OptAusw1 = Befehl(Auswerten1, "&Optionen für Auswertung...", nullptr, Gruppen.Termine,
                      &TTerminBefehle::OptTermin1Click);

    Ansicht1 = leiste->addMenu(QStringLiteral("&Ansicht"));
    AnsGspList0 = Befehl(Ansicht1, "Seitenvorschau (Gesprächslisten)", "F9", Gruppen.Vorschau,
                         &TVorschauBefehle::AnsGspList0Click);
    Statstk1 =
        Befehl(Ansicht1, "&Statistik", nullptr, Gruppen.Uebersichten, &TUebersichtBefehle::Statstk1Click);
    Ansicht1->addSeparator();
    AnsRaum1 =
        Befehl(Ansicht1, "&Raumzuordnung", nullptr, Gruppen.Uebersichten, &TUebersichtBefehle::AnsRaum1Click);
    AnzlGspL1 = Befehl(Ansicht1, "&Anzahl der Gespräche pro Lehrer", nullptr, Gruppen.Uebersichten,
                       &TUebersichtBefehle::AnzlGspL1Click);
    AnsNichtTerm1 = Befehl(Ansicht1, "Nicht &terminierte Gespräche", nullptr, Gruppen.Uebersichten,
                           &TUebersichtBefehle::AnsNichtTerm1Click);
    AnsNaegel1 = Befehl(Ansicht1, "Ge&nagelte Gespräche", nullptr, Gruppen.Uebersichten,
                        &TUebersichtBefehle::AnsNaegel1Click);
    AnsRaumDlg = Befehl(Ansicht1, "Raum&belegung", nullptr, Gruppen.Raeume, &TRaumBefehle::AnsRaumDlgClick);
    Ansicht1->addSeparator();
    Notizzettel1 = Befehl(Ansicht1, "Notiz&zettel", "F11", Gruppen.Notiz, &TNotizBefehle::Notizzettel1Click);

    Voreinstellungen1 = leiste->addMenu(QStringLiteral("&Voreinstellungen"));
    ZeitRa1 =
        Befehl(Voreinstellungen1, "&Zeitrahmen", nullptr, Gruppen.Rahmen, &TRahmenBefehle::ZeitRa1Click);
    ZDefault1 = Befehl(Voreinstellungen1, "Zeitsperrungen: &Standardvorgabe", nullptr, Gruppen.Sperren,
                       &TSperrBefehle::ZDefault1Click);
    Schuldaten1 = Befehl(Voreinstellungen1, "&Schuldaten...", nullptr, Gruppen.Schulbefehle,
                         &TSchulBefehle::Schuldaten1Click);

    Optionen1 = leiste->addMenu(QStringLiteral("&Optionen"));
    OptPrg1 = Befehl(Optionen1, "&Programm-Einstellungen...", nullptr, Gruppen.Termine,
                     &TTerminBefehle::OptPrg1Click);
    OptTermin1 = Befehl(Optionen1, "Einstellungen zur Terminberechnung...", nullptr, Gruppen.Termine,
                        &TTerminBefehle::OptTermin1Click);
    LayoutOpt1 = Befehl(Optionen1, "&Gesprächslisten-Layout...", nullptr, Gruppen.Layout,
                        &TLayoutBefehle::LayoutOpt1Click);
    SeiteOpt1 = Befehl(Optionen1, "Sonstige Listen: Rand, Ausrichtung, Schrift...", nullptr, Gruppen.Layout,
                       &TLayoutBefehle::SeiteOpt1Click);

    Sonstiges1 = leiste->addMenu(QStringLiteral("&Sonstiges"));
    AnrEdit1 = Befehl(Sonstiges1, "&Anrede-Editor", nullptr, Gruppen.Anreden, &TAnredeBefehle::AnrEdit1Click);
    ZeitGlob1 = Befehl(Sonstiges1, "&Zeiten freigeben/sperren", nullptr, Gruppen.Sperren,
                       &TSperrBefehle::ZeitGlob1Click);
    NagZieh1 =
        Befehl(Sonstiges1, "&Nägel ziehen...", nullptr, Gruppen.Sperren, &TSperrBefehle::NagZieh1Click);
    AlleNageln1 = Befehl(Sonstiges1, "Alle gesetzten Gespräche &festnageln...", nullptr, Gruppen.Sperren,
                         &TSperrBefehle::AlleNageln1Click);
    NoTime1 = Befehl(Sonstiges1, "Alle Gespräche auf \"nicht terminiert\" setzen...", nullptr,
                     Gruppen.Sperren, &TSperrBefehle::NoTimeClick);

    Hilfe1 = leiste->addMenu(QStringLiteral("&Hilfe"));
    Inhalt1 = Befehl(Hilfe1, "&Inhalt", nullptr, Gruppen.Hilfe, &THilfeBefehle::Inhalt1Click);
    Index1 = Befehl(Hilfe1, "Inde&x", nullptr, Gruppen.Hilfe, &THilfeBefehle::Index1Click);
    NeuindieserVersion1 = Befehl(Hilfe1, "Neu in dieser Version...", nullptr, Gruppen.Hilfe,
                                 &THilfeBefehle::NeuindieserVersion1Click);
    VerTest1 =
        Befehl(Hilfe1, "Auf Update prüfen...", nullptr, Gruppen.Update, &TUpdateBefehle::VerTest1Click);
    Hilfe1->addSeparator();
    Info1 = Befehl(Hilfe1, "In&fo über VEL", nullptr, Gruppen.Hilfe, &THilfeBefehle::Info1Click);

    for (QMenu* menue :
         {Datei1, Bearbeiten1, Auswerten1, Ansicht1, Voreinstellungen1, Optionen1, Sonstiges1, Hilfe1})
        connect(menue, &QMenu::aboutToShow, this, &TVELWnd::MenueOeffnet);
    connect(Datei1, &QMenu::aboutToShow, this, &TVELWnd::DateiMenueOeffnet);
}

void TVELWnd::WerkzeugleisteAnlegen() {
    QToolBar* leiste = addToolBar(QStringLiteral("Werkzeuge"));
    leiste->setObjectName(QStringLiteral("Werkzeugleiste"));
    leiste->setMovable(false);
    leiste->setIconSize(QSize(24, 24));
    Neu0 = Werkzeug("Neues Projekt", "document-new", Gruppen.Neu, &TNeuBefehle::PDTneu1Click);
    Open0 = Werkzeug("Öffnen...", "document-open", Gruppen.Projektdateien, &TProjektBefehle::PDTopen1Click);
    Save0 = Werkzeug("Speichern", "document-save", Gruppen.Projektdateien, &TProjektBefehle::PDTsave1Click);
    SaveN0 = Werkzeug("Speichern unter...", "document-save-as", Gruppen.Projektdateien,
                      &TProjektBefehle::PDTsaveN1Click);
    BuElt = Werkzeug("Elternliste bearbeiten, Gespräche eingeben", "system-users", Gruppen.Familienbefehle,
                     &TFamilienBefehle::BuEltClick);
    BuLeh = Werkzeug("Lehrerliste bearbeiten\r(Markierung Eltern/Kind aufheben)", "x-office-address-book",
                     Gruppen.Lehrerbefehle, &TLehrerBefehle::BuLehClick);
    Raum0 = Werkzeug("Raumzuweisung bearbeiten", "go-home", Gruppen.Raeume, &TRaumBefehle::LRaumZw1Click);
    Berech0 =
        Werkzeug("Termine berechnen...", "office-calendar", Gruppen.Termine, &TTerminBefehle::Berech1Click);
    HandBearb0 = Werkzeug("Gesprächslisten bearbeiten (F5)", "accessories-text-editor", Gruppen.Hand,
                          &THandBefehle::HandBearb1Click);
    Statstk0 = Werkzeug("Statistik", "x-office-presentation", Gruppen.Uebersichten,
                        &TUebersichtBefehle::Statstk1Click);
    Vorschau0 = Werkzeug("Seitenvorschau (Gesprächslisten): F9", "document-print-preview", Gruppen.Vorschau,
                         &TVorschauBefehle::AnsGspList0Click);
    Druck0 = Werkzeug("Drucken...", "document-print", Gruppen.Druck, &TDruckBefehle::Druck1Click);
    BuPDF = Werkzeug("Listen als PDF...", "gnome-mime-application-pdf", Gruppen.Druck,
                     &TDruckBefehle::PDFExport1Click);
    Hilfe0 = Werkzeug("Hilfe anzeigen", "help-browser", Gruppen.Hilfe, &THilfeBefehle::Inhalt1Click);
    Ende0 = Werkzeug("Programm beenden", "system-log-out", &TVELWnd::Ende1Click);

    // The two mode buttons: exactly one is down, the families' at start.
    auto* modusgruppe = new QActionGroup(this);
    for (QAction* modus : {BuElt, BuLeh}) {
        modus->setCheckable(true);
        modusgruppe->addAction(modus);
    }
    BuElt->setChecked(true);

    const QList<QList<QAction*>> gruppen = {{Neu0, Open0, Save0, SaveN0},
                                            {BuElt, BuLeh, Raum0},
                                            {Berech0, HandBearb0},
                                            {Statstk0, Vorschau0, Druck0, BuPDF},
                                            {Hilfe0, Ende0}};
    for (const auto& gruppe : gruppen) {
        if (gruppe.constFirst() != Neu0) leiste->addSeparator();
        leiste->addActions(gruppe);
    }
    for (QAction* aktion : leiste->actions())
        if (QWidget* knopf = leiste->widgetForAction(aktion); knopf && !aktion->isSeparator())
            knopf->setFixedSize(38, 39);
}

void TVELWnd::KontextmenuesAnlegen() {
    PopMenuGespr = new QMenu(this);
    TGespraechBefehle* g = Gruppen.Gespraechbefehle;
    KindLoeschen1 = Befehl(PopMenuGespr, "Kind löschen", nullptr, Gruppen.Familienbefehle,
                           &TFamilienBefehle::BtnLoeschKClick);
    GesprLoeschen1 = Befehl(PopMenuGespr, "Markiertes Gespräch löschen", nullptr, g,
                            &TGespraechBefehle::GesprLoeschen1Click);
    Loe41Ki = Befehl(PopMenuGespr, "Gespräche über markiertes Kind löschen", nullptr, g,
                     &TGespraechBefehle::Loe41KiClick);
    AlleGLoe = Befehl(PopMenuGespr, "Alle Gespräche löschen", nullptr, g, &TGespraechBefehle::AlleGLoeClick);
    AlleGLoe->setVisible(false);
    kindkommtmit1 = Befehl(PopMenuGespr, "kennzeichnen: \"Kind kommt mit\"", nullptr, g,
                           &TGespraechBefehle::kindkommtmit1Click);
    g->KindLoeschen1 = KindLoeschen1;
    g->GesprLoeschen1 = GesprLoeschen1;
    g->Loe41Ki = Loe41Ki;
    g->AlleGLoe = AlleGLoe;
    g->kindkommtmit1 = kindkommtmit1;
    connect(PopMenuGespr, &QMenu::aboutToShow, g, &TGespraechBefehle::KontextmenueVorbereiten);

    PopMenuEltern = new QMenu(this);
    AnmerkE1 = Befehl(PopMenuEltern, "Anmerkungen individuell", nullptr, Gruppen.Anmerkungen,
                      &TAnmerkBefehle::AnmerkE1Click);
    AnmerkAlleE1 = Befehl(PopMenuEltern, "Anmerkungen für alle Eltern", nullptr, Gruppen.Anmerkungen,
                          &TAnmerkBefehle::Anmerk2Click);
    PopMenuEltern->addSeparator();
    EditE1 = Befehl(PopMenuEltern, "Elterndaten bearbeiten...", nullptr, Gruppen.Familienbefehle,
                    &TFamilienBefehle::BtnEditEClick);
    HeFrFa1 = Befehl(PopMenuEltern, "Anrede wechseln: Fam.-->Frau-->Herr-->Fam.", "Ctrl+F8",
                     Gruppen.Familienbefehle, &TFamilienBefehle::HeFrFa1Click);
    PopMenuEltern->addSeparator();
    ZDefaultE1 = Befehl(PopMenuEltern, "Zeiten-Standardvorgabe...", nullptr, Gruppen.Sperren,
                        &TSperrBefehle::ZDefault1Click);
    ZeitGlobE1 = Befehl(PopMenuEltern, "Zeiten sperren/freigeben (global)", nullptr, Gruppen.Sperren,
                        &TSperrBefehle::ZeitGlob1Click);

    PopMenuLehrer = new QMenu(this);
    AnmerkL1 = Befehl(PopMenuLehrer, "Individuelle Anmerkung", nullptr, Gruppen.Anmerkungen,
                      &TAnmerkBefehle::AnmerkL1Click);
    AnmerkAlleL1 = Befehl(PopMenuLehrer, "Anmerkung für alle Lehrer", nullptr, Gruppen.Anmerkungen,
                          &TAnmerkBefehle::Anmerkung1Click);
    PopMenuLehrer->addSeparator();
    EditL1 = Befehl(PopMenuLehrer, "Lehrerdaten bearbeiten", nullptr, Gruppen.Lehrerbefehle,
                    &TLehrerBefehle::BtnEditLClick);
    RaumL1 = Befehl(PopMenuLehrer, "Raumzuweisung", nullptr, Gruppen.Raeume, &TRaumBefehle::Raumzuw1Click);
    AnrEditL1 =
        Befehl(PopMenuLehrer, "Anrede-Editor", nullptr, Gruppen.Anreden, &TAnredeBefehle::AnrEdtr1Click);
    PopMenuLehrer->addSeparator();
    ZDefaultL1 = Befehl(PopMenuLehrer, "Zeiten-Standardvorgabe", nullptr, Gruppen.Sperren,
                        &TSperrBefehle::ZDefault1Click);
    ZeitGlobL1 = Befehl(PopMenuLehrer, "Zeiten sperren/freigeben (global)", nullptr, Gruppen.Sperren,
                        &TSperrBefehle::ZeitGlob1Click);
    // The group must know this entry before it connects it: it is offered, not always there.
    KlasseHinzuL1 = Befehl(PopMenuLehrer, "X zu allen aus y hinzu", nullptr, nullptr);
    KlasseHinzuL1->setVisible(false);
    g->KlasseHinzuL1 = KlasseHinzuL1;
    g->Anschliessen(KlasseHinzuL1, &TGespraechBefehle::Klassenleitung1Click);
    MitHandler.insert(KlasseHinzuL1);
    connect(PopMenuLehrer, &QMenu::aboutToShow, g, &TGespraechBefehle::KlasseHinzuAnbieten);

    // Shortcuts of the entries work while their list has the focus.
    const std::pair<QWidget*, QMenu*> orte[] = {{Kinderpanel->TVKinder, PopMenuGespr},
                                                {Familienpanel->LVEltern, PopMenuEltern},
                                                {Lehrerpanel->LVLehrer, PopMenuLehrer}};
    for (const auto& [liste, menue] : orte) {
        for (QAction* aktion : menue->actions())
            aktion->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        liste->addActions(menue->actions());
        connect(liste, &QWidget::customContextMenuRequested, menue,
                [liste, menue](const QPoint& ort) { menue->popup(liste->mapToGlobal(ort)); });
    }
}

void TVELWnd::MenueOeffnet() {
    // The page set-up offers the preview only where one can be shown.
    Layout1->setText(Vorschau0->isEnabled() ? QStringLiteral("&Gesprächslisten... (mit Vorschau)")
                                            : QStringLiteral("&Gesprächslisten..."));
}

void TVELWnd::DateiMenueOeffnet() {
    const Qt::KeyboardModifiers tasten = QGuiApplication::queryKeyboardModifiers();
    RTF1->menuAction()->setVisible(tasten.testFlag(Qt::ShiftModifier) &&
                                   tasten.testFlag(Qt::ControlModifier));
}

void TVELWnd::BefehleAktualisieren() {
    const bool projekt = Projekt() != nullptr;
    const bool lehrer = projekt && !Projekt()->Lehrerliste.Leer();
    const bool gespraeche = projekt && !Projekt()->Gespraechsliste.Leer();

    for (QMenu* menue : {Bearbeiten1, Auswerten1, Sonstiges1})
        menue->menuAction()->setEnabled(projekt);
    for (QAction* b : {impL1, impE1})
        Freigeben(b, projekt);
    for (QAction* b : {Lehrer1, Eltern1, AnsGspList0, Vorschau0})
        Freigeben(b, gespraeche);
    for (QAction* b : {AnrEdit1, expL1})
        Freigeben(b, lehrer);
    // Entries that need only a running program, or only an open project behind an enabled menu.
    for (QAction* b : {Layout1, Seiteeinrichten1, Notizzettel1, LayoutOpt1, SeiteOpt1})
        Freigeben(b, true);
    for (TBefehlsgruppe* gruppe : findChildren<TBefehlsgruppe*>(Qt::FindDirectChildrenOnly))
        gruppe->Aktualisieren();
}

void TVELWnd::Ende1Click() {
    close();
}
