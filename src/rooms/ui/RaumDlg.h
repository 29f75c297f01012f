#pragma once

#include <QDialog>
#include <functional>

class QAction;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class TLehrer;
class TMeldung;
class TPerson;
class TProjekt;

// Walks through the teachers one by one: the room typed for the current teacher is taken over with
// Enter and the next teacher comes up. Two-day projects take a second room for day 2. Run it with exec():
// after "Zur Raumzuordnung" in the conflict check it comes back for the correction.
class TLRaumDlg : public QDialog {
    Q_OBJECT
public:
    // konflikteKlaeren: the conflict check on "Schließen"; false keeps the dialog open for corrections.
    TLRaumDlg(TProjekt& projekt, TMeldung& meldungen, std::function<bool()> konflikteKlaeren,
              std::function<void()> hilfe, QWidget* eltern = nullptr);

    QTreeWidget* Lvr;
    QLabel* LblLehrer;
    QLabel* LblAnzahl;
    QLineEdit* Raumbez;
    QLineEdit* Raum2;
    QButtonGroup* Anzeigen;
    QPushButton* LoeschenBtn;
    QPushButton* UebernehmenBtn;
    QPushButton* HilfeBtn;
    QPushButton* SchliessenBtn;
    QPushButton* DruckenBtn;
    QPushButton* TippBtn;
    // The tip button's menu entry for the current teacher's annotation.
    QAction* AnmerkungLehrer = nullptr;

    // Whether any teacher's room changed while the dialog was open.
    bool Geaendert = false;
    // Prints the listed rooms at once: every teacher, or those with conversations.
    std::function<void(bool alleLehrer)> RaumlisteDrucken;
    // Opens the annotation dialog for the teacher, or for all teachers when null.
    std::function<void(const TPerson* lehrer, bool eltern, QWidget* fenster)> Anmerken;

    void Uebernehmen();
    int exec() override;
    void done(int ergebnis) override;

private:
    void Aktivieren();
    void Fuellen();
    void ZeileGewaehlt();
    void AlleLoeschen();
    void Schliessen();
    void Tipp();
    TLehrer* Aktuell() const;
    bool EditsUebernehmen();
    void Waehlen(const TLehrer* lehrer);

    TProjekt& Projekt;
    TMeldung& Meldungen;
    std::function<bool()> KonflikteKlaeren;
    // The conflict check sent the user back to the rooms.
    bool Korrektur = false;
};
