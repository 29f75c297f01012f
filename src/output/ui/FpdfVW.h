#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QMenu;
class QPushButton;
class TDateiwahl;
struct TDrucklaufStand;

// The PDF choice "Listen als PDF speichern": the folder the lists go to (PdfOrdner of the run state,
// chosen here), the two kinds of lists and whether calendar files go with them (Kalenderdateien of the
// run state). The buttons of the lists emit ElternSpeichern or
// LehrerSpeichern, only while the folder exists; the dialog stays open and starts nothing itself.
class TFpdfVW : public QDialog {
    Q_OBJECT
public:
    TFpdfVW(TDrucklaufStand& stand, TDateiwahl& dateiwahl, QWidget* parent = nullptr);

    QLineEdit* Ordner = nullptr;
    QPushButton* Bfolder = nullptr;
    QPushButton* BpdfE = nullptr;
    QPushButton* BpdfL = nullptr;
    QPushButton* BpdfS = nullptr;
    QCheckBox* CBKalender = nullptr;
    QMenu* SonstMenue = nullptr;

Q_SIGNALS:
    void ElternSpeichern();
    void LehrerSpeichern();

protected:
    // The folder may have gone while the window was in the background.
    bool event(QEvent* ereignis) override;

private:
    void BfolderClick();
    void Starten(bool eltern);
    bool OrdnerPruefen();

    TDrucklaufStand& Stand;
    TDateiwahl& Dateiwahl;
};
