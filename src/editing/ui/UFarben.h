#pragma once

#include <QColor>
#include <QDialog>
#include <array>
#include <functional>

class QPushButton;

// The colours that mark the drop targets while a conversation is moved: free slot, pause, not scheduled.
class TFFarben : public QDialog {
    Q_OBJECT
public:
    TFFarben(const std::array<QColor, 3>& farben, QWidget* eltern);

    static const std::array<QColor, 3> Standard;
    std::array<QColor, 3> Farben;
    // The system's colour chooser; tests answer it themselves. An invalid colour means cancelled.
    std::function<QColor(const QColor&, const QString& titel)> Waehlen;

    std::array<QPushButton*, 3> Quadrate{};
    QPushButton* BtnStandard;
    QPushButton* BtnOK;
    QPushButton* BtnAbbrechen;

private:
    void QuadratClick(int index);
    void Zeigen();
};
