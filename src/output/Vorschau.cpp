#include "Vorschau.h"

#include "Zeichenziel.h"
#include "model/Projekt.h"

#include <QPainter>
#include <algorithm>
#include <array>

std::vector<TVorschauEintrag> VorschauEintraege(const TProjekt& projekt, bool fuerEltern,
                                                bool nurMitGespraech) {
    std::vector<TVorschauEintrag> eintraege;
    const auto aufnehmen = [&](const TPerson& person, const QString& text) {
        if (!nurMitGespraech || person.Zaehler != 0) eintraege.push_back({text, &person});
    };
    if (fuerEltern)
        for (const auto& e : projekt.Elternliste)
            aufnehmen(*e, e->Name);
    else
        for (const auto& l : projekt.Lehrerliste)
            aufnehmen(*l, QStringLiteral("%1 (%2)").arg(l->Name, l->Kuerzel));
    return eintraege;
}

int EintragIndex(const std::vector<TVorschauEintrag>& eintraege, const TPerson* person) {
    const auto gefunden = std::find_if(eintraege.begin(), eintraege.end(),
                                       [person](const TVorschauEintrag& e) { return e.Person == person; });
    return gefunden == eintraege.end() || !person ? 0 : static_cast<int>(gefunden - eintraege.begin());
}

TVorschauStart VorschauStarten(const TPerson* familie, const TPerson* lehrer, bool lehrerHatFokus) {
    if (lehrer && (!familie || lehrerHatFokus)) return {false, lehrer, familie};
    return {true, familie, lehrer};
}

std::vector<QPicture> VorschauZeichnen(const TListenblatt& blatt, const TListenZeilen& zeilen) {
    TBildziel ziel;
    ListeZeichnen(ziel, blatt, zeilen);
    return ziel.Seiten();
}

TBlattteile Blattteile(const TSeitenmetrik& m, const TSeitenraender& raender, const QRectF& blatt) {
    const double sx = blatt.width() / std::max(1, m.PhysBreitePx);
    const double sy = blatt.height() / std::max(1, m.PhysHoehePx);
    const auto abbilden = [&](int links, int oben, int breite, int hoehe) {
        return QRectF(blatt.left() + links * sx, blatt.top() + oben * sy, breite * sx, hoehe * sy);
    };
    const TRandPx r = RaenderBerechnen(raender, m);
    return {abbilden(m.RandLinksPx, m.RandObenPx, m.SeiteBreitePx, m.SeiteHoehePx),
            abbilden(m.RandLinksPx + r.Links, m.RandObenPx + r.Oben, m.SeiteBreitePx - r.Links - r.Rechts,
                     m.SeiteHoehePx - r.Oben - r.Unten)};
}

void BlattMalen(QPainter& maler, const QRectF& blatt, const TSeitenmetrik& metrik,
                const TSeitenraender& raender, const QPicture* seite) {
    const TBlattteile teile = Blattteile(metrik, raender, blatt);
    maler.save();
    maler.fillRect(blatt, Qt::white);
    maler.setPen(QPen(Qt::cyan, 0, Qt::DotLine));
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(teile.Druckbar);
    if (seite) {
        // The picture holds the content area in the page's pixels, as the drawing code measured it.
        const QSize bild = Inhaltsgroesse(metrik, raender, true);
        maler.setClipRect(blatt);
        maler.translate(teile.Inhalt.topLeft());
        maler.scale(teile.Inhalt.width() / std::max(1, bild.width()),
                    teile.Inhalt.height() / std::max(1, bild.height()));
        // The picture sets only what differs from a fresh painter's state; it must find that state.
        maler.setPen(QPen());
        maler.setBrush(Qt::NoBrush);
        // Lines of a pixel of the page stay visible when shrunk to the screen: not smoothed, they keep a
        // whole pixel.
        maler.setRenderHint(QPainter::Antialiasing, false);
        maler.setRenderHint(QPainter::SmoothPixmapTransform);
        maler.drawPicture(0, 0, *seite);
    }
    maler.restore();
}

int Zoomschritt(int stufe, bool links) {
    return (stufe + (links ? 1 : Zoomstufen - 1)) % Zoomstufen;
}

namespace {

// The paper's height per width.
double Hoehenverhaeltnis(const TSeitenmetrik& m) {
    return static_cast<double>(std::max(1, m.PhysHoehePx)) / std::max(1, m.PhysBreitePx);
}

} // namespace

QSize Blattgroesse(const TSeitenmetrik& m, int stufe, QSize platz) {
    static constexpr std::array<double, Zoomstufen> Faktor{1.0, 1.3, 1.69};
    const double faktor = Faktor[static_cast<size_t>(std::clamp(stufe, 0, Zoomstufen - 1))];
    const double seitenverhaeltnis = Hoehenverhaeltnis(m);
    const bool quer = m.PhysBreitePx > m.PhysHoehePx;
    const double breite = quer ? platz.width() : platz.height() / seitenverhaeltnis;
    const double hoehe = quer ? platz.width() * seitenverhaeltnis : platz.height();
    return {Runden(breite * faktor), Runden(hoehe * faktor)};
}

QSize BlattgroesseEingepasst(const TSeitenmetrik& m, int stufe, QSize platz) {
    const double seitenverhaeltnis = Hoehenverhaeltnis(m);
    // The side that decides is shortened so far that the other fits.
    if (m.PhysBreitePx > m.PhysHoehePx)
        platz.setWidth(std::min(platz.width(), static_cast<int>(platz.height() / seitenverhaeltnis)));
    else
        platz.setHeight(std::min(platz.height(), static_cast<int>(platz.width() * seitenverhaeltnis)));
    return Blattgroesse(m, stufe, platz);
}
