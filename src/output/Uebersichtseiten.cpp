#include "Uebersichtseiten.h"

#include "Listenseiten.h"
#include "Pdfliste.h"
#include "Zeichenziel.h"
#include "model/Projekt.h"

#include <algorithm>
#include <array>

const char* const PapierUngeeignetText =
    "Verwenden Sie bitte als Papierformat DIN A4 (oder eine ähnliche Größe) im "
    "Hochformat\rund stellen Sie Ihren Drucker entsprechend ein!";
const char* const PapierUngeeignetTitel = "Ungeeignetes Papierformat:";

namespace {

// The page of the other lists: the content rectangle, the font and the line height.
class TBlattgeometrie {
public:
    TBlattgeometrie(TZeichenziel& ziel, const TSonstigesBlatt& b)
        : Ziel(ziel)
        , B(b) {
        TListenlayout layout = b.Projekt.Listenlayout;
        layout.SonstigeFormatEinsetzen();
        const TRandPx r = RaenderBerechnen(layout.Seitenraender, b.Metrik);
        Breite = b.Metrik.SeiteBreitePx - r.Links - r.Rechts;
        Hoehe = b.Metrik.SeiteHoehePx - r.Oben - r.Unten;
        if (!ziel.Vorschau()) {
            X0 = r.Links;
            Y0 = r.Oben;
        }
        Schrift = ziel.Zielschrift(
            Seitenschrift(layout.Schriftart, layout.Schriftgroesse * b.Metrik.Skalierung, b.Metrik));
        Stil(false, false);
        Zh = M().fontMetrics().height();
        Innen = CmInPx(0.2, b.Metrik);
    }

    QPainter& M() { return Ziel.Maler(); }
    void Stil(bool fett, bool kursiv) {
        QFont f = Schrift;
        f.setBold(fett);
        f.setItalic(kursiv);
        M().setFont(f);
        M().setPen(Qt::black);
    }
    void Kopf() {
        Stil(false, false);
        KopfSonstigeListe(M(), B.Projekt, B.Schule, B.Metrik, QPoint(X0, Y0), Breite);
    }
    int Zeile(int n) const { return Y0 + n * Zh; }
    // The head's first text line and the lines below it.
    int Kopfzeile(int n) const { return Y0 + Zh / 2 + n * Zh; }
    void Links(int x, int y, const QString& text) { M().drawText(x, y + M().fontMetrics().ascent(), text); }
    // A text that does not fit up to bis is cut with "…" there.
    void Links(int x, int bis, int y, const QString& text) {
        const QFontMetrics fm = M().fontMetrics();
        // Measured as the columns are, so that a text that fits by that measure stays whole.
        Links(x, y,
              fm.horizontalAdvance(text) <= bis - x ? text : fm.elidedText(text, Qt::ElideRight, bis - x));
    }
    void Rechts(int x, int y, const QString& text) {
        M().drawText(x - M().fontMetrics().horizontalAdvance(text), y + M().fontMetrics().ascent(), text);
    }
    void Mitte(int x, int y, const QString& text) {
        M().drawText(x - M().fontMetrics().horizontalAdvance(text) / 2, y + M().fontMetrics().ascent(), text);
    }

    TZeichenziel& Ziel;
    const TSonstigesBlatt& B;
    QFont Schrift;
    int X0 = 0;
    int Y0 = 0;
    int Breite = 0;
    int Hoehe = 0;
    int Zh = 1;
    int Innen = 0;
};

// Column positions in 96ths of the content width.
std::array<int, 5> Spaltenstellen(const TUebersichtWahl& w) {
    switch (w.Art) {
    case TUebersichtArt::OhneTermin:
        return w.FuerEltern ? std::array{0, 28, 36, 64, 92} : std::array{0, 8, 36, 64, 92};
    case TUebersichtArt::Raeume:
        return {0, 11, 45, -1, -1};
    case TUebersichtArt::Anzahlen:
        return {0, 11, 43, 58, 68};
    case TUebersichtArt::Genagelt:
        break;
    }
    return w.FuerEltern ? std::array{0, 24, 30, 54, 78} : std::array{0, 6, 30, 54, 78};
}

QStringList Kopfspalten(const TUebersichtWahl& w, int spalten) {
    switch (w.Art) {
    case TUebersichtArt::OhneTermin:
        return w.FuerEltern ? QStringList{"Eltern", "Kürzel", "Lehrer/in", "Kind"}
                            : QStringList{"Kürzel", "Lehrer/in", "Eltern", "Kind"};
    case TUebersichtArt::Raeume:
        return {"Kürzel", "Lehrer/in", "Raum"};
    case TUebersichtArt::Anzahlen:
        return spalten == 5 ? QStringList{"Kürzel", "Lehrer/in", "Gesprächsanzahl", "terminiert", "nichtt."}
                            : QStringList{"Kürzel", "Lehrer/in", "Gesprächsanzahl"};
    case TUebersichtArt::Genagelt:
        break;
    }
    return w.FuerEltern ? QStringList{"Eltern", "Lehrer/in", "", "Kind", "Termin"}
                        : QStringList{"Lehrer/in", "", "Eltern", "Kind", "Termin"};
}

} // namespace

bool PapierGeeignet(const TSeitenmetrik& m) {
    return m.PapierBreiteCm >= 20 && m.PapierHoeheCm >= 14;
}

int UebersichtZeichnen(TZeichenziel& ziel, const TSonstigesBlatt& blatt, const TUebersichtWahl& w,
                       const TUebersicht& u) {
    TBlattgeometrie g(ziel, blatt);
    g.Kopf();
    const int links = g.X0 + g.Innen;
    if (w.Art == TUebersichtArt::OhneTermin) {
        g.Links(links, g.Kopfzeile(2), QStringLiteral("Liste der Gespräche,"));
        g.Links(links, g.Kopfzeile(3), QStringLiteral("für die kein Termin gefunden wurde"));
    } else {
        const char* titel = w.Art == TUebersichtArt::Raeume     ? "Raumzuordnung"
                            : w.Art == TUebersichtArt::Anzahlen ? "Anzahl der Gespräche pro Lehrer"
                                                                : "Liste der genagelten Gespräche";
        g.Links(links, g.Kopfzeile(3), QString::fromUtf8(titel));
    }
    const std::array<int, 5> stellen = Spaltenstellen(w);
    const auto x = [&](int spalte) { return g.X0 + g.Breite * stellen[size_t(spalte)] / 96; };
    const bool zahlen = w.Art == TUebersichtArt::Anzahlen;
    const auto rechtsbuendig = [zahlen](int spalte) { return zahlen && spalte >= 2; };
    // A left-aligned text ends a blank before the next column, or before a number right-aligned there;
    // the last column ends at the right margin. A heading reaches over empty headings beside it.
    const auto ende = [&](int spalte, const QStringList& texte, bool ueberLeere) {
        int naechste = spalte + 1;
        while (ueberLeere && naechste < texte.size() && texte[naechste].isEmpty())
            ++naechste;
        if (naechste >= texte.size() || naechste >= 5 || stellen[size_t(naechste)] < 0)
            return g.X0 + g.Breite;
        const QFontMetrics fm = g.M().fontMetrics();
        const int rand = x(naechste) - (rechtsbuendig(naechste) ? fm.horizontalAdvance(texte[naechste]) : 0);
        return rand - fm.horizontalAdvance(u' ');
    };
    int zeile = 6;
    g.Stil(true, false);
    const QStringList kopf = Kopfspalten(w, int(u.Spalten.size()));
    for (int i = 0; i < kopf.size(); ++i)
        if (rechtsbuendig(i))
            g.Mitte(x(i), g.Zeile(zeile), kopf[i]);
        else
            g.Links(x(i), ende(i, kopf, true), g.Zeile(zeile), kopf[i]);
    g.Stil(false, false);

    const int proSeite = Runden(double(g.Hoehe) / g.Zh);
    int seite = 1;
    for (size_t z = 0; z < u.Zeilen.size(); ++z) {
        ++zeile;
        if (zeile >= proSeite - 1 && u.Zeilen.size() - z > 1) {
            g.Stil(false, true);
            g.Rechts(g.X0 + g.Breite, g.Zeile(zeile),
                     QStringLiteral("Fortsetzung auf Seite %1").arg(seite + 1));
            ziel.NeueSeite();
            ++seite;
            zeile = 1;
            g.Stil(false, true);
            g.Links(g.X0, g.Zeile(zeile), QStringLiteral("Fortsetzung"));
            g.Rechts(g.X0 + g.Breite, g.Zeile(zeile), QStringLiteral("Seite %1").arg(seite));
            g.Stil(false, false);
            ++zeile;
        }
        const QStringList& texte = u.Zeilen[z];
        for (int i = 0; i < texte.size() && i < 5; ++i)
            if (rechtsbuendig(i))
                g.Rechts(x(i), g.Zeile(zeile), texte[i]);
            else
                g.Links(x(i), ende(i, texte, false), g.Zeile(zeile), texte[i]);
    }
    return seite;
}

void StatistikZeichnen(TZeichenziel& ziel, const TSonstigesBlatt& blatt, const TStatistik& s) {
    TBlattgeometrie g(ziel, blatt);
    g.Kopf();
    const int links = g.X0 + g.Innen;
    g.Stil(true, false);
    g.Links(links, g.Kopfzeile(2), QStringLiteral("S T A T I S T I K"));
    const std::vector<TStatistikzeile> zeilen = Statistikzeilen(s);
    // The values stand in one column right of the longest text, each on the line of its text; they are
    // measured in bold, as the heading is drawn and the values will be.
    int textbreite = 0;
    int wertbreite = 0;
    for (const TStatistikzeile& z : zeilen)
        wertbreite = std::max(wertbreite, g.M().fontMetrics().horizontalAdvance(z.Wert));
    g.Stil(false, false);
    const QFontMetrics fm = g.M().fontMetrics();
    for (const TStatistikzeile& z : zeilen)
        textbreite = std::max(textbreite, fm.horizontalAdvance(z.Text));
    const int abstand = fm.horizontalAdvance(QStringLiteral("  "));
    const int wertX = std::min(links + textbreite + abstand + wertbreite, g.X0 + g.Breite);
    const int proSeite = Runden(double(g.Hoehe) / g.Zh);
    int letzte = 6;
    for (const TStatistikzeile& z : zeilen) {
        const int n = 6 + z.Zeile;
        if (n >= proSeite) break;
        g.Stil(false, false);
        // Only a large font on narrow paper leaves a text too little room before its value.
        g.Links(links, z.Wert.isEmpty() ? g.X0 + g.Breite : wertX - wertbreite - abstand, g.Zeile(n), z.Text);
        if (!z.Wert.isEmpty()) {
            g.Stil(true, false);
            g.Rechts(wertX, g.Zeile(n), z.Wert);
        }
        letzte = n;
    }
    g.M().setPen(Qt::black);
    const int y = g.Zeile(letzte + 2);
    g.M().drawLine(links, y, wertX, y);
}

QByteArray SonstigesPdf(const TProjekt& projekt, const QString& titel,
                        const std::function<void(TZeichenziel&, const TSeitenmetrik&)>& zeichnen) {
    return PdfDokument(titel, projekt.Listenlayout.ListenAusrichtung == 1, zeichnen);
}
