#include "DesktopMeldung.h"

#include "ui/Bildschirm.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

namespace {

QMessageBox::Icon Symbol(MeldungsArt art) {
    switch (art) {
    case MeldungsArt::Warnung:
        return QMessageBox::Warning;
    case MeldungsArt::Frage:
        return QMessageBox::Question;
    case MeldungsArt::Information:
        return QMessageBox::Information;
    case MeldungsArt::Fehler:
        return QMessageBox::Critical;
    case MeldungsArt::Ohne:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons KnopfSatz(Knoepfe knoepfe) {
    switch (knoepfe) {
    case Knoepfe::OK:
        return QMessageBox::Ok;
    case Knoepfe::OKAbbrechen:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Knoepfe::JaNein:
        return QMessageBox::Yes | QMessageBox::No;
    case Knoepfe::JaNeinAbbrechen:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton Knopf(Antwort antwort) {
    switch (antwort) {
    case Antwort::OK:
        return QMessageBox::Ok;
    case Antwort::Ja:
        return QMessageBox::Yes;
    case Antwort::Nein:
        return QMessageBox::No;
    case Antwort::Abbrechen:
        return QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// Wider lines are paragraphs that may wrap.
constexpr int MaxZeilenbreite = 720;
// What a box needs besides its text: icon, margins, buttons and title bar.
constexpr int Beiwerk = 200;

// Puts the text into the box, cut to what fits the screen: the texts name persons, and a name may be
// as long as the files allow. Then sizes the box and places it in the screen's centre or, with ort, with
// its top-left corner near that point.
void Einrichten(QMessageBox& box, const QString& text, std::optional<QPoint> ort) {
    const QRect flaeche = Bildschirmflaeche(box.parentWidget());
    auto* zeilen = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    const QFontMetrics schrift = zeilen ? zeilen->fontMetrics() : box.fontMetrics();
    const int breite = std::clamp(flaeche.width() - Beiwerk, 1, MaxZeilenbreite);
    // The texts use "\r" alone as a line break, too.
    QString anzeige = text;
    anzeige.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    anzeige = Anzeigetext(anzeige, schrift, breite, (flaeche.height() - Beiwerk) / schrift.lineSpacing());
    // A name that looks like markup is shown as written.
    box.setTextFormat(Qt::PlainText);
    box.setText(anzeige);
    // A text laid out by its own line breaks keeps them: narrower than its longest line, the box would
    // wrap that again and leave single words on lines of their own. A long paragraph is wrapped at the
    // width its shortening allowed for.
    if (zeilen) {
        int noetig = 0;
        for (const QString& zeile : anzeige.split(u'\n'))
            noetig = std::max(noetig, schrift.horizontalAdvance(zeile));
        zeilen->setMinimumWidth(std::min(noetig + 2, breite));
    }
    box.adjustSize();
    QPoint ecke = flaeche.center() - box.rect().center();
    if (ort) ecke = *ort;
    box.move(ecke);
    InBildschirm(&box);
    // The box takes its final size when it is shown; then its frame is known too.
    QTimer::singleShot(0, &box, [&box] { InBildschirm(&box); });
}

} // namespace

Antwort TDesktopMeldung::Meldung(const QString& text, const QString& titel, MeldungsArt art, Knoepfe knoepfe,
                                 Antwort vorgabe) {
    QMessageBox box(Symbol(art), titel, QString(), KnopfSatz(knoepfe), Eltern);
    const std::pair<QMessageBox::StandardButton, const char*> beschriftungen[] = {
        {QMessageBox::Yes, "&Ja"},
        {QMessageBox::No, "&Nein"},
        {QMessageBox::Cancel, "Abbrechen"},
        {QMessageBox::Ok, "OK"}};
    for (const auto& [knopf, beschriftung] : beschriftungen)
        if (QAbstractButton* b = box.button(knopf)) b->setText(QString::fromUtf8(beschriftung));
    box.setDefaultButton(Knopf(vorgabe));
    Einrichten(box, text, Ort);
    Ort.reset();
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Antwort::Ja;
    case QMessageBox::No:
        return Antwort::Nein;
    case QMessageBox::Cancel:
        return Antwort::Abbrechen;
    default:
        return Antwort::OK;
    }
}

Antwort TDesktopMeldung::MeldungBei(const QPoint& ort, const QString& text, const QString& titel,
                                    MeldungsArt art, Knoepfe knoepfe, Antwort vorgabe) {
    Ort = ort;
    return Meldung(text, titel, art, knoepfe, vorgabe);
}

int TDesktopMeldung::Auswahl(const QString& text, const QString& titel, MeldungsArt art,
                             const QStringList& knoepfe, int vorgabe) {
    QMessageBox box(Symbol(art), titel, QString(), QMessageBox::NoButton, Eltern);
    QList<QAbstractButton*> gewaehlt;
    for (const QString& k : knoepfe)
        gewaehlt.append(box.addButton(k, QMessageBox::AcceptRole));
    if (vorgabe >= 0 && vorgabe < gewaehlt.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(gewaehlt[vorgabe]));
    Einrichten(box, text, std::nullopt);
    box.exec();
    return static_cast<int>(gewaehlt.indexOf(box.clickedButton()));
}
