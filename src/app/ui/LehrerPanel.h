#pragma once

#include <QGroupBox>
#include <vector>

class QCheckBox;
class QPushButton;
class QTreeView;
class TLehrer;
class TLehrerModell;
class TPerson;
class TProjektDokument;

// The teacher list with its buttons; the list follows the document.
class TLehrerPanel : public QGroupBox {
    Q_OBJECT
public:
    TLehrerPanel(TProjektDokument& dokument, const TPerson* const& zeitfensterPerson, QWidget* eltern);

    QTreeView* LVLehrer = nullptr;
    QPushButton* BtnLehrerHinzu = nullptr;
    QPushButton* BtnLoeschL = nullptr;
    QPushButton* BtnEditL = nullptr;
    QCheckBox* ChBhotZL = nullptr;

    TLehrer* LehrerInZeile(int zeile) const;
    int Zeile(const TLehrer* l) const;
    // The selected teachers from top to bottom; the one selected teacher, or null.
    std::vector<TLehrer*> Ausgewaehlt() const;
    TLehrer* Einer() const;
    void ZeileWaehlen(int zeile);

private:
    TProjektDokument& Dokument;
    TLehrerModell* Modell;
};
