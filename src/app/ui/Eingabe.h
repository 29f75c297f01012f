#pragma once

#include <QList>
#include <QObject>
#include <QPersistentModelIndex>
#include <functional>

class QAction;
class QKeyEvent;
class TEltern;
class TFamilienPanel;
class TGespraechPanel;
class TKind;
class TKinderPanel;
class TPerson;
class TLehrerPanel;
class TProjektDokument;
struct TProgrammwerte;

// Which person list was used last.
enum class TAktiveListe { Eltern, Lehrer };

// The data entry across the panels: what a selection in one panel shows in the others, which buttons
// it enables, the request box that the teacher selection fills, and the keyboard path from family to
// child to requests with its Enter-key hints. The commands of the data entry (families, teachers,
// requests) work through it; keys that run one of them are handed on as signals.
class TEingabe : public QObject {
    Q_OBJECT
public:
    // Enables a control or an entry only when a command is connected to it.
    using TFreigabe = std::function<void(QObject*, bool)>;

    TEingabe(TProjektDokument& dokument, const TProgrammwerte& programmwerte, TFamilienPanel* familien,
             TKinderPanel* kinder, TLehrerPanel* lehrer, TGespraechPanel* gespraeche, TFreigabe freigabe,
             QObject* eltern);

    TProjektDokument& Dokument;
    TFamilienPanel* const Familien;
    TKinderPanel* const Kinder;
    TLehrerPanel* const Lehrer;
    TGespraechPanel* const Gespraeche;
    // Entries of the command table the selection changes; set once the table is built.
    QAction* BuElt = nullptr;
    QAction* BuLeh = nullptr;
    QAction* AlleGLoe = nullptr;
    QAction* AnmerkE1 = nullptr;
    QAction* EditE1 = nullptr;
    QAction* HeFrFa1 = nullptr;
    QAction* AnmerkL1 = nullptr;
    QAction* EditL1 = nullptr;

    // The guided entry: a new family asks for its children, a child for its requests.
    bool FamilienEingabe = false;
    bool KindFolgt = false;
    QString LetzteKlasse;
    QList<QPersistentModelIndex> Auswahlfolge; // selected teachers in the order of selection
    TAktiveListe AktiveListe = TAktiveListe::Eltern;

    TEltern* AktuelleFamilie() const;
    TKind* AktuellesKind() const;
    void Freigeben(QObject* befehl, bool an) const;

    // The tree of the selected family afresh, with the teacher selection and the request box cleared.
    void KinderbaumFuellen();
    // The teacher selection and the Kürzel typed belong to the child they were meant for.
    void EingabeLeeren();
    void LVElternSelectItem();
    void TVKinderChange();
    void LVLehrerSelectItem();
    void FamilienKnoepfeAktualisieren();
    void KinderKnoepfeAktualisieren();
    void LehrerKnoepfeAktualisieren();
    void KuerzEChange();
    // Clears the teacher selection without touching the Kürzel it wrote into the request box.
    void LehrerauswahlAufheben();
    void NaechstesKind();
    // Where the keyboard starts in a project: the first step the project still lacks.
    void StartFokus();
    // Open and New end the family-child-request sequence of the keyboard entry.
    void GefuehrteEingabeBeenden();
    // The panels start again on another project.
    void ProjektGewechselt();
    // Selects a family or a teacher in its list and shows it; a family in the family view, unfiltered
    // where the filter hides it.
    void PersonZeigen(const TPerson* person, bool familie);

Q_SIGNALS:
    void FamilieLoeschenGewuenscht();
    void KindHinzuGewuenscht();
    void KindLoeschenGewuenscht();
    void GespraecheHinzuGewuenscht(bool kindKommtMit);
    void GespraechLoeschenGewuenscht();
    void LehrerLoeschenGewuenscht();

private:
    void Anschliessen();
    void LVElternEnter();
    bool KuerzETaste(QKeyEvent* taste);
    bool TVKinderTaste(QKeyEvent* taste);
    bool LVLehrerTaste(QKeyEvent* taste);
    void LehrerauswahlUebernehmen();

    const TProgrammwerte& Programmwerte;
    TFreigabe Freigabe;
};
