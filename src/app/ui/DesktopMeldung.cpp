#include "DesktopMeldung.h"

#include "ui/Arbeitsflaeche.h"
#include "ui/Bildschirm.h"
#include "ui/Hilfekontext.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
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

// A message box takes its final size only as it shows; it is placed then, and a text taller than the
// work area scrolls.
class TMeldungsfenster : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    std::optional<QPoint> Ort; // the frame's top left corner; the work area's centre without

protected:
    bool event(QEvent* ereignis) override {
        // Qt sizes the box anew at every layout request, then by the scroll area instead of the text.
        if (Gerollt && ereignis->type() == QEvent::LayoutRequest) return QDialog::event(ereignis);
        return QMessageBox::event(ereignis);
    }
    void showEvent(QShowEvent* ereignis) override {
        QMessageBox::showEvent(ereignis);
        const QRect flaeche = Ort ? Arbeitsflaeche(*Ort) : Arbeitsflaeche(this);
        const QMargins rahmen = Fensterrahmen(this);
        const QSize hoechstens = flaeche.size().shrunkBy(rahmen);
        // Qt keeps a box 480 pixels narrower than the screen, on a small screen narrower than our lines.
        if (const int breite = std::min(layout()->totalMinimumSize().width(), hoechstens.width());
            breite > width())
            setFixedSize(breite, layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(breite)
                                                               : layout()->totalMinimumSize().height());
        if (height() > hoechstens.height())
            TextRollen({std::min(width() + Rollbreite(), hoechstens.width()), hoechstens.height()});
        const QPoint ecke =
            Ort ? *Ort + QPoint(rahmen.left(), rahmen.top()) : flaeche.center() - rect().center();
        setGeometry(Eingepasst(QRect(ecke, size()), rahmen, flaeche));
    }

private:
    int Rollbreite() const { return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this); }
    void TextRollen(const QSize& groesse) {
        auto* text = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (!text) return;
        auto* rolle = new QScrollArea(this);
        rolle->setFrameShape(QFrame::NoFrame);
        rolle->setWidgetResizable(true);
        delete layout()->replaceWidget(text, rolle);
        // The lines wrap where the scroll bar leaves less than their width.
        text->setMinimumWidth(0);
        rolle->setWidget(text);
        Gerollt = true;
        setFixedSize(groesse);
    }
    bool Gerollt = false;
};

// Puts the text into the box, cut to what fits the work area: the texts name persons, and a name may be
// as long as the files allow.
void TextEinsetzen(TMeldungsfenster& box, const QString& text) {
    const QRect flaeche = Arbeitsflaeche(box.parentWidget() ? box.parentWidget() : &box);
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
    // wrap that again and leave single words on lines of their own.
    if (zeilen && anzeige.contains(u'\n')) {
        int noetig = 0;
        for (const QString& zeile : anzeige.split(u'\n'))
            noetig = std::max(noetig, schrift.horizontalAdvance(zeile));
        zeilen->setMinimumWidth(std::min(noetig + 2, breite));
    }
}

} // namespace

Antwort TDesktopMeldung::Meldung(const QString& text, const QString& titel, MeldungsArt art, Knoepfe knoepfe,
                                 Antwort vorgabe, int hilfekontext) {
    TMeldungsfenster box(Symbol(art), titel, QString(), KnopfSatz(knoepfe), Eltern);
    const std::pair<QMessageBox::StandardButton, const char*> beschriftungen[] = {
        {QMessageBox::Yes, "&Ja"},
        {QMessageBox::No, "&Nein"},
        {QMessageBox::Cancel, "Abbrechen"},
        {QMessageBox::Ok, "OK"}};
    for (const auto& [knopf, beschriftung] : beschriftungen)
        if (QAbstractButton* b = box.button(knopf)) b->setText(QString::fromUtf8(beschriftung));
    box.setDefaultButton(Knopf(vorgabe));
    if (hilfekontext != 0) HilfeAnbieten(box, static_cast<Hilfekontext>(hilfekontext));
    TextEinsetzen(box, text);
    box.Ort = Ort;
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

void TDesktopMeldung::HilfeAnbieten(QMessageBox& box, Hilfekontext kontext) {
    // F1 finds the page by the box as well.
    HilfekontextSetzen(&box, kontext);
    auto* knoepfe = box.findChild<QDialogButtonBox*>();
    if (!Hilfe || !knoepfe) return;
    QPushButton* hilfe = knoepfe->addButton(QStringLiteral("Hilfe"), QDialogButtonBox::HelpRole);
    // Enter still gives the default answer after a click on it.
    hilfe->setAutoDefault(false);
    // Any button of the box's row would answer the question and close it; this one only shows the page.
    QObject::disconnect(hilfe, &QAbstractButton::clicked, knoepfe, nullptr);
    QObject::connect(hilfe, &QAbstractButton::clicked, &box, [this, &box] { Hilfe(&box); });
}

Antwort TDesktopMeldung::MeldungBei(const QPoint& ort, const QString& text, const QString& titel,
                                    MeldungsArt art, Knoepfe knoepfe, Antwort vorgabe) {
    Ort = ort;
    return Meldung(text, titel, art, knoepfe, vorgabe, 0);
}

int TDesktopMeldung::Auswahl(const QString& text, const QString& titel, MeldungsArt art,
                             const QStringList& knoepfe, int vorgabe) {
    TMeldungsfenster box(Symbol(art), titel, QString(), QMessageBox::NoButton, Eltern);
    QList<QAbstractButton*> gewaehlt;
    for (const QString& k : knoepfe)
        gewaehlt.append(box.addButton(k, QMessageBox::AcceptRole));
    if (vorgabe >= 0 && vorgabe < gewaehlt.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(gewaehlt[vorgabe]));
    TextEinsetzen(box, text);
    box.exec();
    return static_cast<int>(gewaehlt.indexOf(box.clickedButton()));
}
