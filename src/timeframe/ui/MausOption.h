#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QPushButton;
class QRadioButton;
class TEinstellungsSpeicher;
class TZBtnGrid;
class TZBtnPanel;
struct TProgrammwerte;

// The mouse settings of the slot grids and the pop-up window, with an area to try them out.
class TMausOption : public QDialog {
    Q_OBJECT
public:
    // grids: the caller's grids, which take a changed mouse mode at once. mitFenster: the pop-up
    // window's setting is offered, too.
    TMausOption(TProgrammwerte& werte, TEinstellungsSpeicher& speicher, const QList<TZBtnGrid*>& grids,
                bool mitFenster, QWidget* eltern = nullptr);

    QRadioButton* RbSperrt = nullptr;
    QRadioButton* RbWechselt = nullptr;
    QCheckBox* ChBSplash = nullptr;
    TZBtnPanel* Testpanel = nullptr;
    QPushButton* OkBtn = nullptr;

    void accept() override;

private:
    TProgrammwerte& Werte;
    TEinstellungsSpeicher& Speicher;
    QList<TZBtnGrid*> Grids;
};
