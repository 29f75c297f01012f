#include "Kinderhinweis.h"

#include <QFontMetrics>

namespace {

constexpr int Hoechstbreite = 500;
constexpr int Innenrand = 3;

} // namespace

TKinderHinweis::TKinderHinweis(QWidget* eltern)
    : QLabel(eltern, Qt::ToolTip | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::Box);
    setMargin(Innenrand);
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, QColor(0xF8, 0xF8, 0xE0));
    farben.setColor(QPalette::WindowText, Qt::black);
    setPalette(farben);
    setMaximumWidth(Hoechstbreite);
}

void TKinderHinweis::Zeigen(const QPoint& ort, const QStringList& zeilen, const QFont& listenschrift) {
    QFont schrift = listenschrift;
    schrift.setFamily(QStringLiteral("Arial"));
    setFont(schrift);
    // A label cannot wrap a long name, so a line that does not fit ends with "…".
    const QFontMetrics fm(schrift);
    const int breite = Hoechstbreite - 2 * (Innenrand + frameWidth());
    QStringList gekuerzt;
    for (const QString& zeile : zeilen)
        gekuerzt << fm.elidedText(zeile, Qt::ElideRight, breite);
    setText(gekuerzt.join(u'\n'));
    adjustSize();
    move(ort);
    show();
    raise();
}
