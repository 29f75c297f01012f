#pragma once

#include <QDateEdit>

// A date field "dd.MM.yyyy" with calendar that takes a typed date as a whole: entered by Tab or by a
// click, its day is selected, so "15.03.2027" replaces the date; Tab leaves the field instead of
// walking through day, month and year.
class TDatumsfeld : public QDateEdit {
public:
    explicit TDatumsfeld(QWidget* eltern);

protected:
    bool focusNextPrevChild(bool vor) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    bool DurchKlick = false;
    bool Vorgerueckt = false; // the last digit filled its part and moved on to the next
};
