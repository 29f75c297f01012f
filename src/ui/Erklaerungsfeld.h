#pragma once

#include <QTextEdit>

// A read-only box with an explanation: its text wraps at the box's width, and the box is as high as the
// wrapped text, so that neither scroll bar is ever needed.
class TErklaerungsfeld : public QTextEdit {
public:
    // mindestbreite: the text whose width the box keeps at least, usually its longest line.
    TErklaerungsfeld(const QString& text, const QString& mindestbreite, QWidget* eltern = nullptr);
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int breite) const override;
    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent* ereignis) override;

private:
    void BreiteSetzen();
    QString Mindestbreite;
};
