#include "DesktopMeldung.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
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

} // namespace

Antwort TDesktopMeldung::Meldung(const QString& text, const QString& titel, MeldungsArt art, Knoepfe knoepfe,
                                 Antwort vorgabe) {
    // The texts use "\r" alone as a line break, too.
    QString anzeige = text;
    anzeige.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox box(Symbol(art), titel, anzeige, KnopfSatz(knoepfe), Eltern);
    const std::pair<QMessageBox::StandardButton, const char*> beschriftungen[] = {
        {QMessageBox::Yes, "&Ja"},
        {QMessageBox::No, "&Nein"},
        {QMessageBox::Cancel, "Abbrechen"},
        {QMessageBox::Ok, "OK"}};
    for (const auto& [knopf, text] : beschriftungen)
        if (QAbstractButton* b = box.button(knopf)) b->setText(QString::fromUtf8(text));
    box.setDefaultButton(Knopf(vorgabe));
    // A text laid out by its own line breaks keeps them: narrower than its longest line, the box would
    // wrap that again and leave single words on lines of their own.
    if (auto* zeilen = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        zeilen && anzeige.contains(u'\n')) {
        int breite = 0;
        for (const QString& zeile : anzeige.split(u'\n'))
            breite = std::max(breite, zeilen->fontMetrics().horizontalAdvance(zeile));
        zeilen->setMinimumWidth(std::min(breite + 2, MaxZeilenbreite));
    }
    box.adjustSize();
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen()) {
        const QRect flaeche = bildschirm->availableGeometry();
        QPoint ecke = flaeche.center() - box.rect().center();
        if (Ort) {
            ecke.setX(std::clamp(Ort->x(), flaeche.left(),
                                 std::max(flaeche.left(), flaeche.right() - box.width())));
            ecke.setY(std::clamp(Ort->y(), flaeche.top(),
                                 std::max(flaeche.top(), flaeche.bottom() - box.height())));
        }
        box.move(ecke);
    }
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
    QString anzeige = text;
    anzeige.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QMessageBox box(Symbol(art), titel, anzeige, QMessageBox::NoButton, Eltern);
    QList<QAbstractButton*> gewaehlt;
    for (const QString& k : knoepfe)
        gewaehlt.append(box.addButton(k, QMessageBox::AcceptRole));
    if (vorgabe >= 0 && vorgabe < gewaehlt.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(gewaehlt[vorgabe]));
    box.adjustSize();
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
        box.move(bildschirm->availableGeometry().center() - box.rect().center());
    box.exec();
    return static_cast<int>(gewaehlt.indexOf(box.clickedButton()));
}
