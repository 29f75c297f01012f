#pragma once

#include <QGroupBox>
#include <QModelIndex>
#include <functional>

class QPushButton;
class QTreeView;
class TEltern;
class TGespraech;
class TKind;
class TKinderModell;
class TKurzLabel;
class TPerson;
class TProjektDokument;

// The children of the selected family with their requests, the family's name above them and the
// buttons below. The tree follows the document; a selected row stays selected while its record lives.
class TKinderPanel : public QGroupBox {
    Q_OBJECT
public:
    TKinderPanel(TProjektDokument& dokument, std::function<const TEltern*()> familie,
                 const TPerson* const& zeitfensterPerson, QWidget* eltern);

    TKurzLabel* LbEltern = nullptr;
    QTreeView* TVKinder = nullptr;
    QPushButton* BtnKindHinzu = nullptr;
    QPushButton* BtnLoeschK = nullptr;
    QPushButton* BtnEditK = nullptr;
    TKinderModell* Modell = nullptr;

    // Shows the family as it is now.
    void Auffrischen();
    // Shows nothing, so that records can be freed; the next Auffrischen shows the family again.
    void Loslassen();

    // The selected row and its records: the child of a child's or a request's row, the request of a
    // request's row.
    QModelIndex Knoten() const;
    TKind* Kind() const;
    TGespraech* Gespraech() const;
    // Selects and shows a row; an invalid index clears the selection.
    void Waehlen(const QModelIndex& index);
    void KindWaehlen(const TKind* kind);

Q_SIGNALS:
    void AuswahlGeaendert();

private:
    void Ausklappen();

    std::function<const TEltern*()> FamilieHolen;
};
