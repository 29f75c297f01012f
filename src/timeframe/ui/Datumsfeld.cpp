#include "Datumsfeld.h"

#include <QFocusEvent>
#include <QKeyEvent>

TDatumsfeld::TDatumsfeld(QWidget* eltern)
    : QDateEdit(eltern) {
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    setCalendarPopup(true);
}

bool TDatumsfeld::focusNextPrevChild(bool vor) {
    return QWidget::focusNextPrevChild(vor);
}

void TDatumsfeld::focusInEvent(QFocusEvent* ereignis) {
    QDateEdit::focusInEvent(ereignis);
    setSelectedSection(DaySection);
    // The click that gave the focus would place the caret in the day afterwards.
    DurchKlick = ereignis->reason() == Qt::MouseFocusReason;
}

void TDatumsfeld::mousePressEvent(QMouseEvent* ereignis) {
    QDateEdit::mousePressEvent(ereignis);
    if (!DurchKlick) return;
    DurchKlick = false;
    setSelectedSection(DaySection);
}

void TDatumsfeld::keyPressEvent(QKeyEvent* ereignis) {
    const QString text = ereignis->text();
    // The point moves on to the next part; after a full day or month, which moves on by itself, it
    // must not skip one.
    if (text == u"." || text == u",") {
        const int naechster = currentSectionIndex() + 1;
        if (!Vorgerueckt && naechster < sectionCount()) setSelectedSection(sectionAt(naechster));
        Vorgerueckt = false;
        ereignis->accept();
        return;
    }
    const Section vorher = currentSection();
    QDateEdit::keyPressEvent(ereignis);
    Vorgerueckt = text.size() == 1 && text.at(0).isDigit() && currentSection() != vorher;
}
