#include "Raumplanseiten.h"

#include "RaumZeitplan.h"
#include "Raumplandruck.h"

#include "model/Datumstexte.h"
#include "model/Projekt.h"
#include "output/Pdfliste.h"
#include "output/Seitenmetrik.h"
#include "output/Zeichenziel.h"

#include <QFontMetrics>
#include <algorithm>

namespace {

class TRaumseiten {
public:
    TRaumseiten(TZeichenziel& ziel, const TProjekt& projekt, const TSeitenmetrik& metrik)
        : Ziel(ziel)
        , Projekt(projekt)
        , Metrik(metrik) {
        const TListenlayout& l = projekt.Listenlayout;
        const TRandPx r = RaenderBerechnen(l.Seitenraender, metrik);
        X0 = r.Links;
        Y0 = r.Oben;
        Breite = metrik.SeiteBreitePx - r.Links - r.Rechts;
        Hoehe = metrik.SeiteHoehePx - r.Oben - r.Unten;
        Familie = l.Schriftart;
        Groesse = l.Schriftgroesse > 0 ? l.Schriftgroesse : 12;
        M().setPen(Qt::black);
        M().setBackgroundMode(Qt::TransparentMode);
    }

    void Raum(const TRaumplan& plan, int zeile, bool mitEltern) {
        if (Seiten > 0) Ziel.NeueSeite();
        ++Seiten;
        Y = Y0;
        Schrift(Groesse, false, false);
        TextRechts(X0 + Breite, Y, RaumdruckKopf(Projekt));
        Y += Zeilenhoehe();
        Schrift(22, true, false);
        Text(X0, Y, plan.Raeume[zeile - 1]);
        Y += Zeilenhoehe();
        Schrift(12, false, true);
        Text(X0, Y, QStringLiteral("Termin"));
        Text(X0 + Px(4.2), Y, QStringLiteral("Lehrkraft"));
        if (mitEltern) Text(X0 + Px(10.2), Y, QStringLiteral("Eltern"));
        Y += Zeilenhoehe();
        Schrift(Groesse, false, false);

        const int zh = Zeilenhoehe();
        for (const TRaumdruckZeile& z : RaumdruckZeilen(Projekt, plan, zeile, mitEltern)) {
            if (Y + zh > Y0 + Hoehe) {
                Ziel.NeueSeite();
                ++Seiten;
                Y = Y0;
            }
            Text(X0, Y, z.Datum);
            Text(X0 + Px(2.1), Y, z.Zeit);
            Text(X0 + Px(4.2), Y, z.Lehrkraft);
            if (mitEltern) Text(X0 + Px(10.2), Y, z.Eltern);
            Y += zh + 2;
        }
        const int linie = std::min(Y + zh / 4, Y0 + Hoehe);
        M().drawLine(X0, linie, X0 + Breite - Px(2.0), linie);
    }

    int Seiten = 0;

private:
    QPainter& M() { return Ziel.Maler(); }

    // Sized in pixels of the page, so that printer and PDF give the same page at any resolution.
    void Schrift(int punkte, bool fett, bool kursiv) {
        QFont f = Seitenschrift(Familie, punkte, Metrik);
        f.setBold(fett);
        f.setItalic(kursiv);
        M().setFont(f);
    }

    int Zeilenhoehe() { return M().fontMetrics().height(); }
    int Px(double cm) const { return CmInPx(cm, Metrik); }
    void Text(int x, int y, const QString& s) { M().drawText(x, y + M().fontMetrics().ascent(), s); }
    void TextRechts(int x, int y, const QString& s) {
        Text(x - M().fontMetrics().horizontalAdvance(s), y, s);
    }

    TZeichenziel& Ziel;
    const TProjekt& Projekt;
    const TSeitenmetrik& Metrik;
    QString Familie;
    int Groesse = 12;
    int X0 = 0;
    int Y0 = 0;
    int Breite = 0;
    int Hoehe = 0;
    int Y = 0;
};

} // namespace

int RaumplanZeichnen(TZeichenziel& ziel, const TProjekt& projekt, const TRaumplan& plan,
                     const TSeitenmetrik& metrik, const TRaumplanAuftrag& auftrag) {
    TRaumseiten seiten(ziel, projekt, metrik);
    for (int zeile : auftrag.Zeilen)
        if (zeile >= 1 && zeile < plan.Zeilen()) seiten.Raum(plan, zeile, auftrag.MitEltern);
    return seiten.Seiten;
}

QByteArray RaumplanAlsPdf(const TProjekt& projekt, const TRaumplan& plan, const TRaumplanAuftrag& auftrag) {
    return PdfDokument(QStringLiteral("Raumbelegung"), projekt.Listenlayout.Ausrichtung == 1,
                       [&](TZeichenziel& ziel, const TSeitenmetrik& metrik) {
                           RaumplanZeichnen(ziel, projekt, plan, metrik, auftrag);
                       });
}

const char* const RaumplanDrucktitel = "VEL-Raumbelegung";

QString RaumplanPdfName(const TProjekt& projekt) {
    return QStringLiteral("VEL%1 - Raumbelegung").arg(DatumAusWert(projekt.Datum[0]).toString(u"yyyy"));
}
