#include "Layoutbearbeitung.h"

#include <QLocale>
#include <QRegularExpression>
#include <array>
#include <cmath>

namespace {

QString Zahl(double wert, int stellen) {
    return QLocale(QLocale::German).toString(wert, 'f', stellen);
}

// The edge a column must keep from the paper's right edge.
constexpr double Rechtsabstand = 0.15;

double RechteGrenze(const TSeitenmetrik& m) {
    return (m.PapierBreiteCm - Rechtsabstand) / m.Skalierung;
}

const std::array<const char*, TabulatorAnzahl> Zwecke = {
    "Datum",       "Zeit",       "Lehrkraft", "Kind",        "Raum",           "nt* Lehrkraft",
    "nt* Kind",    "Datum",      "Zeit",      "Eltern",      "Kind",           "Raum",
    "Eingabe-Nr.", "nt* Eltern", "nt* Kind",  "nt* Telefon", "nt* Eingabe-Nr."};

constexpr int ErsterLehrerTab = 7;

} // namespace

bool LayoutGleich(const TListenlayout& a, const TListenlayout& b) {
    return a.MitNummer == b.MitNummer && a.Eltern_Leerzeilen == b.Eltern_Leerzeilen &&
           a.Lehrer_Leerzeilen == b.Lehrer_Leerzeilen && a.EinzellistenProTagE == b.EinzellistenProTagE &&
           a.EinzellistenProTagL == b.EinzellistenProTagL &&
           a.HinweisAlleTerminiertE == b.HinweisAlleTerminiertE &&
           a.HinweisAlleTerminiertL == b.HinweisAlleTerminiertL && a.PauseDrucken == b.PauseDrucken &&
           a.TelefonNichtTerminiert == b.TelefonNichtTerminiert && a.TelefonImmer == b.TelefonImmer &&
           a.UeberschriftKursiv == b.UeberschriftKursiv && a.UeberschriftWunsch == b.UeberschriftWunsch &&
           a.UeberschriftOhneTermin == b.UeberschriftOhneTermin && a.NachrPosE == b.NachrPosE &&
           a.NachrPosL == b.NachrPosL && a.Datumsformat == b.Datumsformat && a.Titel == b.Titel &&
           a.TitelGross == b.TitelGross && a.TitelGesperrt == b.TitelGesperrt &&
           a.Schriftart == b.Schriftart && a.Schriftgroesse == b.Schriftgroesse &&
           a.Tabulatoren == b.Tabulatoren && a.Seitenraender == b.Seitenraender &&
           a.Ausrichtung == b.Ausrichtung && a.MitLogo == b.MitLogo &&
           a.SchulnameAusblenden == b.SchulnameAusblenden && a.LogoDatei == b.LogoDatei &&
           a.LogoArt == b.LogoArt && a.LogoQuelle == b.LogoQuelle && a.Logo == b.Logo;
}

std::optional<int> AnmerkungVerschoben(int code, TAnmerkungsschritt schritt) {
    // Rows: the codes 0 to 5; columns: general down, general up, individual down, individual up.
    static constexpr int Keiner = -1;
    static constexpr int Tabelle[6][4] = {{1, Keiner, 3, 1},      {2, 0, 0, Keiner}, {Keiner, 1, 5, Keiner},
                                          {4, Keiner, Keiner, 0}, {5, 3, Keiner, 5}, {Keiner, 4, 4, 2}};
    if (code < 0 || code > 5) return std::nullopt;
    const int neu = Tabelle[code][static_cast<int>(schritt)];
    return neu == Keiner ? std::nullopt : std::optional(neu);
}

std::optional<double> Dezimalzahl(const QString& text) {
    static const QRegularExpression muster(QStringLiteral("^-?(\\d+(,\\d*)?|,\\d+)$"));
    const QString t = text.trimmed();
    if (!muster.match(t).hasMatch()) return std::nullopt;
    return QString(t).replace(u',', u'.').toDouble();
}

QString TabulatorText(int32_t wert) {
    return Zahl(wert / 100.0, 2);
}

QString RandText(double cm) {
    return Zahl(cm, 3);
}

TEingabePruefung TabulatorPruefen(const QString& eingabe, const TListenlayout& l, const TSeitenmetrik& m) {
    const std::optional<double> cm = Dezimalzahl(eingabe);
    if (!cm)
        return {std::nullopt, QStringLiteral("Formatfehler, korrigieren Sie die Eingabe."),
                QStringLiteral("Fehler")};
    const double links = l.Seitenraender.Links;
    if (*cm < -links || *cm > m.PapierBreiteCm / m.Skalierung - links - Rechtsabstand)
        return {std::nullopt,
                QString::fromUtf8("Die Position %1 liegt nicht im sichtbaren Bereich.").arg(Zahl(*cm, 2)),
                QString::fromUtf8("Ungültige Eingabe")};
    return {Runden(*cm * 100), {}, {}};
}

double& Rand(TSeitenraender& r, TRandSeite seite) {
    double* felder[] = {&r.Links, &r.Oben, &r.Rechts, &r.Unten};
    return *felder[seite];
}

double Rand(const TSeitenraender& r, TRandSeite seite) {
    return Rand(const_cast<TSeitenraender&>(r), seite);
}

TEingabePruefung RandPruefen(const QString& eingabe, TRandSeite seite, const TListenlayout& l,
                             const TSeitenmetrik& m) {
    const std::optional<double> cm = Dezimalzahl(eingabe);
    if (!cm) return {std::nullopt, QStringLiteral("Fehler im Zahlformat!"), QStringLiteral("Fehler")};
    // The side's own dimension of the paper, less the opposite margin, less what must stay printable:
    // a top margin is measured against the height, so that a landscape page keeps room for its lines.
    const bool waagerecht = seite == RandLinks || seite == RandRechts;
    const double papier = waagerecht ? m.PapierBreiteCm : m.PapierHoeheCm;
    const TRandSeite gegenueber = static_cast<TRandSeite>((seite + 2) % 4);
    if (*cm < 0 || *cm > papier - Rand(l.Seitenraender, gegenueber) - 5.0)
        return {std::nullopt,
                QString::fromUtf8("Der Rand %1 liegt nicht im sichtbaren Bereich.").arg(Zahl(*cm, 2)),
                QString::fromUtf8("Ungültige Eingabe")};
    return {Runden(*cm * 1000), {}, {}};
}

bool TabulatorenAusserhalb(const TListenlayout& l, const TSeitenmetrik& m) {
    const double links = l.Seitenraender.Links;
    for (const int32_t tab : l.Tabulatoren) {
        const double ort = links + tab / 100.0;
        if (ort < 0 || ort > RechteGrenze(m)) return true;
    }
    return false;
}

void TabulatorenAnpassen(TListenlayout& l, const TSeitenmetrik& m) {
    // A stop is put on the edge it crossed, with the same limit that found it outside, so that a second
    // check finds nothing left to correct.
    const double links = l.Seitenraender.Links;
    for (int32_t& tab : l.Tabulatoren) {
        const double ort = links + tab / 100.0;
        if (ort < 0)
            tab = Runden(-links * 100);
        else if (ort > RechteGrenze(m)) {
            tab = Runden((RechteGrenze(m) - links) * 100);
            if (links + tab / 100.0 > RechteGrenze(m)) --tab;
        }
    }
}

TListenArt TabulatorArt(int index) {
    return index < ErsterLehrerTab ? TListenArt::Eltern : TListenArt::Lehrer;
}

std::vector<TTabulatorEintrag> TabulatorEintraege(const TListenlayout& l, TListenArt art) {
    std::vector<TTabulatorEintrag> eintraege;
    if (art == TListenArt::Eltern) {
        for (int i = 0; i < ErsterLehrerTab; ++i)
            eintraege.push_back({i, QString::fromUtf8(Zwecke[static_cast<size_t>(i)])});
        return eintraege;
    }
    const bool nummer = l.MitNummer & NummerDrucken;
    const bool telefon = l.TelefonNichtTerminiert || l.TelefonImmer;
    for (int i = ErsterLehrerTab; i < TabulatorAnzahl; ++i) {
        if (!nummer && (i == 12 || i == 16)) continue;
        if (!telefon && i == 15) continue;
        const QString zweck = i == 15 && l.TelefonImmer ? QStringLiteral("Telefon")
                                                        : QString::fromUtf8(Zwecke[static_cast<size_t>(i)]);
        eintraege.push_back({i, zweck});
    }
    return eintraege;
}

TTelefonwahl Telefonwahl(const TListenlayout& l) {
    if (l.TelefonImmer) return TTelefonwahl::Immer;
    return l.TelefonNichtTerminiert ? TTelefonwahl::NichtTerminiert : TTelefonwahl::Nie;
}

void TelefonwahlSetzen(TListenlayout& l, TTelefonwahl wahl) {
    l.TelefonNichtTerminiert = wahl != TTelefonwahl::Nie;
    l.TelefonImmer = wahl == TTelefonwahl::Immer;
}

TListenFormat ListenFormat(const TListenlayout& l) {
    return {l.ListenRaender, l.ListenAusrichtung, l.ListenSchriftart, l.ListenSchriftgroesse};
}

bool ListenFormatSetzen(TListenlayout& l, const TListenFormat& f) {
    if (ListenFormat(l) == f) return false;
    l.ListenRaender = f.Raender;
    l.ListenAusrichtung = f.Ausrichtung;
    l.ListenSchriftart = f.Schriftart;
    l.ListenSchriftgroesse = f.Schriftgroesse;
    return true;
}
