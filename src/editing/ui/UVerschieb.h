#pragma once

#include "editing/Handbearbeitung.h"

#include <QColor>
#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TEltern;
class TLehrer;
class TMeldung;
class TPerson;
class TProjektDokument;

// The editing board: the conversation table of one family and of one teacher side by side, linked by
// the selected conversation; appointments are moved with the mouse or the keyboard, nailed, and single
// slots blocked and freed, all with undo and redo.
class TFVerschieb : public QDialog {
    Q_OBJECT
public:
    TFVerschieb(TProjektDokument& dokument, TMeldung& meldung, QWidget* eltern);

    // Starts a showing with the person preselected: a teacher when lehrerSeite, else a family.
    void Vorbereiten(const TPerson* person, bool lehrerSeite);
    // Prints one person's list at once; set by the command that opens the board.
    std::function<void(const TPerson&, bool fuerEltern)> Drucken;
    // Keep the choices of the pop-up menu's dialogs for the next program start.
    std::function<void(uint8_t mitNummer)> MitNummerSpeichern;
    std::function<void(const std::array<QColor, 3>& farben)> FarbenSpeichern;
    // The annotation dialog for the person, or without one for all families or all teachers.
    std::function<void(const TPerson* person, bool eltern, QWidget* fenster)> Anmerken;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QComboBox* CombE;
    QComboBox* CombL;
    QTreeWidget* LVE;
    QTreeWidget* LVL;
    QPushButton* BtnX;
    QPushButton* BtnHoehe;
    QPushButton* BtnZurueck;
    QPushButton* BtnVor;
    QCheckBox* ChBRueckfrage;
    QPushButton* BtnNagel;
    QPushButton* BtnZange;
    QPushButton* BtnTipp;
    QPushButton* BtnSchliessen;
    QMenu* PopupMenu;

    bool FamilienAktiv = true; // which table was used last
    bool VolleHoehe = false;

    // The move going on, for drawing.
    enum class TZug { Keiner, Gedrueckt, Ziehen, Tastatur };
    TZug Zug = TZug::Keiner;
    QTreeWidget* ZugTabelle = nullptr;
    int AufgenommeneZeile = -1;
    int ZielZeile = -1;
    TAufnahme Aufnahme;
    QColor FarbeFrei{0x00, 0xFF, 0x00};
    QColor FarbePause{0xFF, 0xFF, 0x00};
    QColor FarbeNicht{0xFF, 0x00, 0x00};

    static uint16_t Marke(const QTreeWidget* tabelle, int zeile);
    int Slotzeilen() const { return K; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* taste) override;

private:
    void CombEChange(int index);
    void CombLChange(int index);
    void PersonWaehlen(bool eltern, int index);
    void TabelleFuellen(QTreeWidget* tabelle, const TPerson* person);
    void SpaltenBreiten(QTreeWidget* tabelle);
    void LVSelectItem(QTreeWidget* tabelle);
    void KnoepfeAktualisieren();
    void BtnNagelClick();
    void BtnZangeClick();
    void BtnZurueckClick() { Spulen(-1); }
    void BtnVorClick() { Spulen(1); }
    void BtnHoeheClick();
    // At the top left of the work area and as high as it, or as the whole screen in full height.
    void Platzieren();
    void BtnTippClick();
    void Spulen(int richtung);
    void NagelAktion(bool setzen);
    void MenueZeigen(const QPoint& ort);
    int Menuedialog(QDialog& dlg);
    // Runs a dialog of the menu with the board taken off the top while it covers the screen.
    void MenueFenster(const std::function<void()>& zeigen);
    void AnmerkungClick(const TPerson* person, bool eltern);
    void ObenBleiben(bool an);
    void NummerClick();
    void FarbenClick();
    void TabelleAnsteuern(bool eltern);
    void NaechstePerson(int schritt);
    void SeiteBenutzt(bool eltern);

    bool Mausereignis(QTreeWidget* tabelle, QEvent* ereignis);
    bool Tabellentaste(QTreeWidget* tabelle, QKeyEvent* taste);
    bool Fenstertaste(QKeyEvent* taste);
    void ZugBeginnen(QTreeWidget* tabelle, int zeile, TZug art);
    void ZielSetzen(int zeile);
    void ZugAbbrechen();
    void Ablegen();
    void Rollen();

    QTreeWidget* AktiveTabelle() const;
    QTreeWidget* Andere(const QTreeWidget* tabelle) const;
    const TPerson* GezeigtePerson(const QTreeWidget* tabelle) const;
    int GewaehlteZeile(const QTreeWidget* tabelle) const;
    void ZeileWaehlen(QTreeWidget* tabelle, int zeile);
    void PersonZeigen(bool eltern, const TPerson* person, int zeile);
    void GespraechZeigen(const TGespraech& g, bool eltern);
    int GespraechZeile(const QTreeWidget* tabelle, int nummer) const;
    TGespraech* GespraechInZeile(const QTreeWidget* tabelle, int zeile) const;
    void Geaendert();

    TProjektDokument& Dokument;
    TMeldung& Meldungen;
    std::vector<TEltern*> Familien;
    std::vector<TLehrer*> Lehrkraefte;
    int K = 0;
    bool Aktualisierung = false; // the board itself changes the tables
    QTimer Rollzeit;
    int Rollrichtung = 0;
    // The last press was a right press that cancelled a move: the pop-up menu it brings stays shut.
    bool Rechtsabbruch = false;
};
