#include "LayoutAnmerkungen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum TBlock { Allgemein, Eigene, Liste };

// The blocks from the top of the page for each code.
const std::array<std::array<TBlock, 3>, 6> Folgen = {{{Allgemein, Eigene, Liste},
                                                      {Eigene, Allgemein, Liste},
                                                      {Eigene, Liste, Allgemein},
                                                      {Allgemein, Liste, Eigene},
                                                      {Liste, Allgemein, Eigene},
                                                      {Liste, Eigene, Allgemein}}};

const char* const Knopftexte[4] = {"blau ▼", "blau ▲", "rot ▼", "rot ▲"};
const char* const Hinweise[4] = {"Allgemeine Anmerkung (blau) eine Stelle nach unten",
                                 "Allgemeine Anmerkung (blau) eine Stelle nach oben",
                                 "Individuelle Anmerkung (rot) eine Stelle nach unten",
                                 "Individuelle Anmerkung (rot) eine Stelle nach oben"};

} // namespace

TAnmerkungsbild::TAnmerkungsbild(QWidget* eltern)
    : QWidget(eltern) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TAnmerkungsbild::Setzen(int code) {
    Wert = std::clamp(code, 0, 5);
    update();
}

QSize TAnmerkungsbild::sizeHint() const {
    const int zeile = fontMetrics().height();
    return {zeile * 6, zeile * 8};
}

void TAnmerkungsbild::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    const QRect blatt = rect().adjusted(0, 0, -1, -1);
    maler.fillRect(blatt, Qt::white);
    maler.setPen(Qt::darkGray);
    maler.drawRect(blatt);
    const int rand = std::max(3, width() / 12);
    const int breite = width() - 2 * rand;
    // The head of the page, then the three blocks.
    int y = rand;
    const int kopf = height() / 8;
    maler.fillRect(QRect(rand, y, breite, kopf), QColor(220, 220, 220));
    y += kopf + rand;
    const int hoehe = (height() - y - rand) / 5;
    for (const TBlock block : Folgen[static_cast<size_t>(Wert)]) {
        if (block == Liste) {
            for (int i = 0; i < 3; ++i)
                maler.fillRect(QRect(rand, y + i * hoehe, breite, std::max(1, hoehe / 3)), Qt::lightGray);
            y += 3 * hoehe;
        } else {
            maler.fillRect(QRect(rand, y, breite, hoehe - 2), block == Allgemein ? Qt::blue : Qt::red);
            y += hoehe;
        }
    }
}

TLayoutAnmerkungen::TLayoutAnmerkungen(TListenlayout& layout, QWidget* eltern)
    : TLayoutSeite(layout, eltern) {
    auto* seite = new QVBoxLayout(this);
    auto* zeile = new QHBoxLayout;
    seite->addLayout(zeile);
    const auto spalte = [this, zeile](const QString& titel, TAnmerkungsbild*& bild,
                                      std::array<QPushButton*, 4>& knoepfe, TListenArt art,
                                      int32_t TListenlayout::*feld) {
        auto* box = new QGroupBox(titel);
        auto* raster = new QGridLayout(box);
        bild = new TAnmerkungsbild;
        raster->addWidget(bild, 0, 0, 5, 1);
        raster->setRowStretch(4, 1);
        for (int i = 0; i < 4; ++i) {
            auto* knopf = new QPushButton(QString::fromUtf8(Knopftexte[i]));
            knopf->setToolTip(QString::fromUtf8(Hinweise[i]));
            knoepfe[static_cast<size_t>(i)] = knopf;
            raster->addWidget(knopf, i, 1);
            connect(knopf, &QPushButton::clicked, this, [this, art, feld, i] {
                const auto neu = AnmerkungVerschoben(L.*feld, static_cast<TAnmerkungsschritt>(i));
                if (!neu) return;
                Aendern(art, [this, feld, neu] { L.*feld = *neu; });
                Fuellen();
            });
        }
        zeile->addWidget(box);
    };
    spalte(QStringLiteral("Für Eltern:"), BildE, KnoepfeE, TListenArt::Eltern, &TListenlayout::NachrPosE);
    spalte(QStringLiteral("Für Lehrer:"), BildL, KnoepfeL, TListenArt::Lehrer, &TListenlayout::NachrPosL);
    zeile->addStretch();
    seite->addWidget(new QLabel(QString::fromUtf8(
        "Blau: Anmerkung für alle, rot: individuelle Anmerkung, grau: die Liste der Gespräche.")));
    seite->addStretch();
    Fuellen();
}

void TLayoutAnmerkungen::Anzeigen() {
    const auto zeigen = [](TAnmerkungsbild* bild, std::array<QPushButton*, 4>& knoepfe, int code) {
        bild->Setzen(code);
        for (int i = 0; i < 4; ++i)
            knoepfe[static_cast<size_t>(i)]->setEnabled(
                AnmerkungVerschoben(code, static_cast<TAnmerkungsschritt>(i)).has_value());
    };
    zeigen(BildE, KnoepfeE, L.NachrPosE);
    zeigen(BildL, KnoepfeL, L.NachrPosL);
}
