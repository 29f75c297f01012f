#include "Bildschirm.h"

#include "Arbeitsflaeche.h"

#include <QFontMetrics>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <cmath>

int Zeilenbreite(const QWidget* fenster) {
    // Margins of the dialog and its layouts, the frame, and a little air.
    constexpr int Rand = 100;
    return std::max(Arbeitsflaeche(fenster).width() - Rand, 100);
}

QString Einzeilig(const QString& text, const QFontMetrics& schrift, int breite) {
    // Measuring stops early: no more letters than the width holds of the narrowest one.
    const qsizetype hoechstens = breite / std::max(1, schrift.horizontalAdvance(u'i')) + 1;
    QString zeile = text.left(hoechstens);
    zeile.replace(u'\n', u' ');
    if (zeile.size() < text.size()) zeile += u'…';
    return schrift.elidedText(zeile, Qt::ElideRight, breite);
}

namespace {

// Wrapping breaks lines at blanks, so a paragraph needs a little more room than its width alone.
constexpr double Umbruchzuschlag = 1.2;

QString WoerterKuerzen(const QString& absatz, const QFontMetrics& schrift, int breite, int schmal) {
    QStringList woerter = absatz.split(u' ');
    for (QString& wort : woerter)
        if (wort.size() * schmal > breite && schrift.horizontalAdvance(wort) > breite)
            wort = schrift.elidedText(wort, Qt::ElideRight, breite);
    return woerter.join(u' ');
}

} // namespace

QString Anzeigetext(const QString& text, const QFontMetrics& schrift, int breite, int zeilen) {
    breite = std::max(breite, 1);
    const int schmal = std::max(1, schrift.horizontalAdvance(u'i'));
    QStringList aus;
    int rest = std::max(zeilen, 1);
    for (const QStringView teil : QStringView(text).split(u'\n')) {
        if (rest <= 0) {
            if (!aus.last().endsWith(u'…')) aus.last() += u'…';
            break;
        }
        // No more characters than the remaining lines could hold even of the narrowest letter.
        const qsizetype hoechstens = qsizetype(rest) * (breite / schmal + 1);
        bool abgeschnitten = teil.size() > hoechstens;
        QString absatz = WoerterKuerzen(teil.left(hoechstens).toString(), schrift, breite, schmal);
        int noetig =
            std::max(1, int(std::ceil(Umbruchzuschlag * schrift.horizontalAdvance(absatz) / double(breite))));
        if (noetig > rest) {
            absatz.truncate(absatz.size() * rest / noetig);
            noetig = rest;
            abgeschnitten = true;
        }
        if (abgeschnitten) absatz += u'…';
        aus << absatz;
        rest -= noetig;
    }
    return aus.join(u'\n');
}

void InBildschirm(QWidget* fenster) {
    const QRect flaeche = Arbeitsflaeche(fenster);
    const QSize platz = Hoechstgroesse(fenster, flaeche);
    fenster->setMaximumSize(fenster->maximumSize().boundedTo(platz));
    fenster->resize(fenster->size().boundedTo(platz));
    // A dialog not placed yet is centred on its parent within the screen when it is shown.
    if (!fenster->isVisible() && !fenster->testAttribute(Qt::WA_Moved)) return;
    fenster->setGeometry(Eingepasst(fenster->geometry(), Fensterrahmen(fenster), flaeche));
}
