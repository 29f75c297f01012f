#include "Listenseiten.h"

#include "Anmerkungsorte.h"
#include "Terminecode.h"
#include "Zeichenziel.h"
#include "model/Datumstexte.h"
#include "model/Projekt.h"
#include "model/Schuldaten.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr QChar Telefonmarke(0x00A8);
constexpr QChar Raumtrenner(0x00FF);
const QString PauseText = QStringLiteral(" - - Pause - -");

// What a continuation page repeats as its column header.
enum TListenmodus {
    KeinKopf = 0,
    LehrerOhneTermin = 1,
    LehrerPlan = 2,
    ElternOhneTermin = 3,
    ElternPlan = 4
};

// How a page break continues: without head, with the head of day 2, or with the head above the
// section without appointment.
enum class TUmbruch { OhneKopf, Tag2, OhneTermin };

class TZeichner {
public:
    TZeichner(TZeichenziel& ziel, const TListenblatt& blatt, const TListenZeilen& zeilen)
        : Ziel(ziel)
        , B(blatt)
        , L(blatt.Projekt.Listenlayout)
        , Person(*blatt.Auftrag.AktuellePerson)
        , Eltern(blatt.Auftrag.FuerEltern)
        , Tuer(blatt.Auftrag.Tueraushang && !blatt.Auftrag.FuerEltern)
        , Zeilen(zeilen) {
        const QSize inhalt = Inhaltsgroesse(B.Metrik, L.Seitenraender, Ziel.Vorschau());
        Breite = inhalt.width();
        Hoehe = inhalt.height();
        if (!Ziel.Vorschau()) {
            const TRandPx r = RaenderBerechnen(L.Seitenraender, B.Metrik);
            X0 = r.Links;
            Y0 = r.Oben;
        }
        ProTag = Eltern ? B.Projekt.ZweiTage && L.EinzellistenProTagE : L.EinzellistenProTagL;
        const int erster = Eltern ? 0 : 7;
        const int anzahl = Eltern ? 7 : 10;
        for (int i = 0; i < anzahl; ++i)
            TabPx.push_back(static_cast<int>(std::floor(L.Tabulatoren[static_cast<size_t>(erster + i)] /
                                                        254.0 * B.Metrik.PpiX * B.Metrik.Skalierung)));
        SchriftSetzen();
    }

    int Zeichnen() {
        Kopf(ProTag && !Eltern ? std::optional(RaumAmTag(Lehrer().Raum, 0)) : std::nullopt);
        const auto [oben, unten] = AnmerkungenVerteilen(B.Projekt, Person, Eltern);
        bool gezeichnet = false;
        if (!Tuer)
            for (const QString& text : oben)
                gezeichnet = Anmerkung(text, true) || gezeichnet;
        if (gezeichnet) Trennlinie();
        Spaltenkopf();
        const bool untenFolgt =
            !Tuer && std::any_of(unten.begin(), unten.end(), [](const QString& t) { return !t.isEmpty(); });
        const QString tag2 = Zeilen.empty() ? QString() : Datumstext(1);
        bool nachKopf = false;
        for (size_t i = 0; i < Zeilen.size(); ++i) {
            const TListenZeile& zeile = Zeilen[i];
            const int alt = Y;
            Y += Zh;
            nachKopf = false;
            if (Y0 + Hoehe - Zh < alt + 2 * Zh && (i + 1 < Zeilen.size() || untenFolgt)) {
                Umbruch(TUmbruch::OhneKopf);
                nachKopf = true;
            } else if (ProTag && i >= 1 && B.Projekt.ZweiTage && zeile.Text.startsWith(tag2)) {
                Umbruch(TUmbruch::Tag2);
                nachKopf = true;
            } else if (ProTag && zeile.Marke == Zeilenmarke::Ueberschrift) {
                Listenmodus = KeinKopf;
                Umbruch(TUmbruch::OhneTermin);
                nachKopf = true;
            }
            const bool ueberschrift = zeile.Marke == Zeilenmarke::Ueberschrift;
            if (ueberschrift) Listenmodus = Eltern ? ElternOhneTermin : LehrerOhneTermin;
            if (nachKopf && zeile.Text.isEmpty()) {
                Y -= Zh;
            } else {
                Stil(false, ueberschrift && L.UeberschriftKursiv);
                ZeileZeichnen(zeile.Text, false);
                Stil(false, false);
            }
            if (ueberschrift) Spaltenversatz = Eltern ? 3 : 4;
        }
        if (untenFolgt) {
            Listenmodus = KeinKopf;
            Y += static_cast<int>(std::floor(1.5 * Zh));
            if (Y < Y0 + Hoehe - 2 * Zh) Trennlinie();
            if (Y0 + Hoehe - Zh < Y) Umbruch(TUmbruch::OhneKopf);
            for (size_t i = 0; i < unten.size(); ++i)
                Anmerkung(unten[i], i == 0 && unten.size() > 1 && !unten[1].isEmpty());
        }
        // Y is the top of the last line drawn, or below the last annotation.
        if (Eltern && B.Codes && B.Codes->Drucken) Terminecode(untenFolgt ? Y : Y + Zh);
        return Seite;
    }

private:
    const TLehrer& Lehrer() const { return static_cast<const TLehrer&>(Person); }
    QPainter& M() { return Ziel.Maler(); }

    void SchriftSetzen() {
        const double skal = B.Metrik.Skalierung;
        Schrift = Seitenschrift(L.Schriftart, L.Schriftgroesse * skal, B.Metrik);
        if (!Ziel.Vorschau() && skal >= 0.9) Schrift.setPointSize(L.Schriftgroesse);
        Schrift = Ziel.Zielschrift(Schrift);
        M().setFont(Schrift);
        M().setPen(Qt::black);
        M().setBackgroundMode(Qt::TransparentMode);
        Zh = M().fontMetrics().height();
    }

    // The list's font a step smaller, for the school's data beside a logo and the code's caption.
    QFont Klein() const {
        QFont klein = Schrift;
        if (klein.pixelSize() > 0)
            klein.setPixelSize(std::max(1, Runden(klein.pixelSize() / 1.2)));
        else
            klein.setPointSizeF(klein.pointSizeF() / 1.2);
        return klein;
    }

    void Stil(bool fett, bool kursiv) {
        QFont f = Schrift;
        f.setBold(fett);
        f.setItalic(kursiv);
        M().setFont(f);
    }

    int Px(double cm) const { return CmInPx(cm, B.Metrik); }
    int Weite(const QString& s) { return M().fontMetrics().horizontalAdvance(s); }
    void Text(int x, int y, const QString& s) { M().drawText(x, y + M().fontMetrics().ascent(), s); }
    void TextRechts(int x, int y, const QString& s) { Text(x - Weite(s), y, s); }

    QString Datumstext(int tag) const {
        const QDate d = DatumAusWert(B.Projekt.Datum[static_cast<size_t>(tag)]);
        return L.Datumsformat == 0 ? DatumKurz(d) : DatumTagMonat(d);
    }

    // Head of a conversation list; a room text replaces the teacher's room (a day's room).
    void Kopf(const std::optional<QString>& raum) {
        const QString titel = Titeltext(B.Projekt);

        int xPerson = X0 + Px(0.2);
        int v = 0;
        int v2 = 0;
        const QImage& logo = L.Logo;
        const bool mitLogo = L.MitLogo && !logo.isNull();
        if (!mitLogo) {
            M().drawRect(X0, Y0, Breite, 5 * Zh);
            int y = Y0 + Zh / 2;
            for (const QString& z : SchulKopfzeilen(B.Schule, true)) {
                TextRechts(X0 + Breite - Px(0.2), y, z);
                y += Zh;
            }
            Text(X0 + Px(0.2), Y0 + Zh / 2, titel);
            Y = Y0 + Zh / 2;
        } else {
            const int w = logo.width();
            const int h = logo.height();
            int hoch = 5 * Zh;
            int breit = Runden(static_cast<double>(w) * hoch / h);
            const bool hochformat = static_cast<double>(w) / h <= 1.2;
            if (!hochformat) {
                hoch = Runden(2.5 * Zh);
                breit = Runden(static_cast<double>(w) * hoch / h);
                const int platz = Breite - Weite(titel + u' ');
                if (breit > platz) {
                    breit = platz;
                    hoch = Runden(static_cast<double>(h) / w * breit);
                }
            }
            M().drawImage(QRect(X0, Y0, breit, hoch), logo);
            TextRechts(X0 + Breite, Y0, titel);
            M().setFont(Klein());
            const std::array<QString, 4> schule = SchulKopffelder(B.Schule);
            const int schritte[] = {6, 11, 16, 21};
            for (size_t i = 0; i < schule.size(); ++i) {
                if (i == 0 && L.SchulnameAusblenden) continue;
                const int y = i == 0 ? Y0 + Zh : Y0 + Runden(schritte[i] * Zh / 6.0);
                TextRechts(X0 + Breite, y, schule[i]);
            }
            M().setFont(Schrift);
            Y = Y0 + Runden(Zh / 2.0);
            xPerson = hochformat ? X0 + breit + Weite(QStringLiteral("W")) : X0;
            if (hoch <= 2 * Zh || (Eltern && hoch < 5 * Zh)) Y -= Runden(0.8 * Zh);
            v = Runden((Eltern ? 1.5 : 0.5) * Zh);
            v2 = Runden(0.5 * Zh);
        }

        const QString fuer = Tuer ? QStringLiteral("Termine für") : QString::fromUtf8("Gespräche für");
        Text(xPerson, Y + v + 2 * Zh, fuer);
        Stil(true, false);
        QString name = Person.Anschrift(true);
        if (!Eltern) name += QStringLiteral(" (%1)").arg(Lehrer().Kuerzel);
        Text(xPerson + Weite(QString::fromUtf8("Gespräche für") + u't'), Y + v + 2 * Zh, name);
        if (!Eltern) {
            const QString raumtext =
                raum ? *raum : QString(Lehrer().Raum).replace(Raumtrenner, QStringLiteral(", "));
            const int y = Y + v2 + 3 * Zh;
            if (raumtext.toLower().contains(QStringLiteral("raum"))) {
                Text(xPerson, y, raumtext);
            } else {
                Stil(false, false);
                Text(xPerson, y, QStringLiteral("Raum:"));
                const int x = xPerson + Weite(QStringLiteral("Raum:t"));
                Stil(true, false);
                Text(x, y, raumtext);
            }
        }
        Stil(false, false);
        Y += 5 * Zh;
        if (mitLogo) M().drawLine(X0, Y - Zh / 4, X0 + Breite, Y - Zh / 4);
    }

    // Lays out text across the content width and draws the lines that fit into hoehe pixels (all when
    // hoehe is negative) at Y; returns the height drawn and the number of characters drawn.
    std::pair<int, int> Absatz(const QString& text, int hoehe, bool zeichnen) {
        QTextLayout satz(text, M().font(), M().device());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        satz.setTextOption(option);
        satz.beginLayout();
        int gesetzt = 0;
        int zeichen = 0;
        std::vector<QTextLine> zeilen;
        for (QTextLine zeile = satz.createLine(); zeile.isValid(); zeile = satz.createLine()) {
            zeile.setLineWidth(Breite);
            const int h = Runden(zeile.height());
            if (hoehe >= 0 && gesetzt + h > hoehe) break;
            zeile.setPosition(QPointF(0, gesetzt));
            gesetzt += h;
            zeichen = zeile.textStart() + zeile.textLength();
            zeilen.push_back(zeile);
        }
        satz.endLayout();
        if (zeichnen)
            for (const QTextLine& zeile : zeilen)
                zeile.draw(&M(), QPointF(X0, Y));
        return {gesetzt, zeichen};
    }

    // Draws a word-wrapped block, continuing on the next page when it does not fit; true when drawn.
    bool Anmerkung(const QString& text, bool reserve) {
        if (text.isEmpty()) return false;
        QString rest = text;
        // Line breaks of the text stay line breaks in the block.
        rest.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        rest.replace(u'\n', QChar::LineSeparator);
        const int n = Absatz(rest, -1, false).first;
        if ((Y0 + Hoehe - Y) / Zh == 1 && (Runden(static_cast<double>(n) / Zh) > 1 || reserve))
            Umbruch(TUmbruch::OhneKopf);
        const int grenze = reserve ? Y0 + Hoehe - Zh : Y0 + Hoehe;
        if (Y + n > grenze) {
            const int passt = Absatz(rest, Y0 + Hoehe - Zh - Y, true).second;
            Umbruch(TUmbruch::OhneKopf);
            Y += Absatz(rest.mid(passt), -1, true).first;
        } else {
            Y += Absatz(rest, -1, true).first;
        }
        Y += Zh / 2;
        return true;
    }

    // The family's appointments as a QR code with its caption, right-aligned below everything else, on a
    // page of its own when the rest of the last one is too short.
    void Terminecode(int frei) {
        const TTerminecode code = TerminecodeBilden(B.Projekt, Person);
        if (code.ZuGross) B.Codes->OhneCodeVermerken(Person);
        if (!code.Matrix) return;
        const int n = code.Matrix->Seite();
        // Whole pixels for a module keep the symbol sharp; the preview measures across in PpiY too.
        const int punkte = Modulpunkte(n);
        const int ppiX = Ziel.Vorschau() ? B.Metrik.PpiY : B.Metrik.PpiX;
        const QSize modul(std::max(1, Runden(punkte * ppiX / 300.0)),
                          std::max(1, Runden(punkte * B.Metrik.PpiY / 300.0)));
        const QSize feld((n + 2 * QrRuhezone) * modul.width(), (n + 2 * QrRuhezone) * modul.height());
        const QString titel = QStringLiteral("Termine ins Handy:\nCode mit der Kamera scannen");
        M().setFont(Klein());
        // The caption keeps its two lines where the page allows; symbol and caption centred on each other.
        const QRect text = M().fontMetrics().boundingRect(QRect(0, 0, Breite, Hoehe),
                                                          Qt::AlignHCenter | Qt::TextWordWrap, titel);
        M().setFont(Schrift);
        const int breite = std::max(feld.width(), text.width());
        const int hoehe = feld.height() + text.height();
        if (breite > Breite || hoehe > Hoehe - 2 * Zh) return;
        int oben = frei + Zh / 2;
        if (oben + hoehe > Y0 + Hoehe) {
            Listenmodus = KeinKopf;
            Umbruch(TUmbruch::OhneKopf);
            oben = Y + Zh / 2;
        }
        const int links = X0 + Breite - breite;
        const int codeLinks = links + (breite - feld.width()) / 2;
        QrZeichnen(M(), *code.Matrix,
                   QPoint(codeLinks + QrRuhezone * modul.width(), oben + QrRuhezone * modul.height()), modul);
        M().setFont(Klein());
        M().drawText(QRect(links, oben + feld.height(), breite, text.height()),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, titel);
        M().setFont(Schrift);
        Y = oben + hoehe;
    }

    void Trennlinie() {
        QPen pen = M().pen();
        pen.setStyle(Qt::DotLine);
        M().setPen(pen);
        M().drawLine(X0, Y - Zh / 4, X0 + Breite, Y - Zh / 4);
        pen.setStyle(Qt::SolidLine);
        M().setPen(pen);
    }

    QString Lehrerspalten(bool mitZeit) const {
        const QString zeit = mitZeit ? QStringLiteral("\tZeit\t") : QStringLiteral("\t\t");
        if (L.TelefonImmer) return zeit + QStringLiteral("Eltern\tKind\tTelefon");
        return zeit + (Lehrer().Raum.contains(Raumtrenner) ? QStringLiteral("Eltern\tKind\tRaum")
                                                           : QStringLiteral("Eltern\tKind"));
    }

    QString Datumskopf() const {
        return L.Datumsformat == 0 ? QStringLiteral("Datum") : QStringLiteral("Tag");
    }

    void Spaltenkopf() {
        QString kopf;
        if (Person.HatTermin) {
            kopf = Datumskopf() + QStringLiteral("\tZeit\t");
            Listenmodus = Eltern ? ElternPlan : LehrerPlan;
        } else if (Person.Zaehler > 0) {
            Listenmodus = Eltern ? ElternOhneTermin : LehrerOhneTermin;
            // The note pad's "Termine berechnet" tells whether a search for slots has failed them.
            Text(X0 + TabPx[0], Y,
                 B.Projekt.NotizHaken[Notizhaken::TermineBerechnet] ? L.UeberschriftOhneTermin
                                                                    : L.UeberschriftWunsch);
            Y += Zh;
            kopf = QStringLiteral("\t\t");
        }
        if (Person.Zaehler > 0) {
            if (Eltern)
                kopf += Person.HatTermin ? QStringLiteral("Lehrer/in\tKind\tRaum")
                                         : QStringLiteral("Lehrer/in\tKind");
            else if (!Tuer)
                kopf += Lehrerspalten(false).mid(2);
        }
        Stil(true, false);
        ZeileZeichnen(kopf, true);
        Stil(false, false);
    }

    // The repeated column header of a continuation page.
    QString Fortsetzungskopf() const {
        switch (Listenmodus) {
        case LehrerOhneTermin:
            return QStringLiteral("\t\tEltern\tKind");
        case LehrerPlan:
            return (L.EinzellistenProTagL ? Datumskopf() : QString()) + Lehrerspalten(true);
        case ElternOhneTermin:
            return QStringLiteral("\t\tLehrer\tKind");
        case ElternPlan:
            return (L.EinzellistenProTagE ? Datumskopf() : QString()) +
                   QStringLiteral("\tZeit\tLehrer\tKind\tRaum");
        default:
            return {};
        }
    }

    int Tab(int index) const {
        return TabPx[static_cast<size_t>(std::clamp(index, 0, static_cast<int>(TabPx.size()) - 1))];
    }

    // One column as it is drawn: where, in which face, what.
    struct TSpalte {
        int X;
        QFont Schrift;
        QString Text;
    };

    // One line: columns at their tab stops; the phone and the room column of a teacher's time table and
    // the request position follow their own rules.
    void ZeileZeichnen(const QString& text, bool kopf) {
        const QStringList spalten = text.split(u'\t');
        const QFont stil = M().font();
        std::vector<TSpalte> gezeichnet;
        int ende4 = 0;
        for (int j = 0; j < spalten.size(); ++j) {
            QString s = spalten[j];
            if (s.isEmpty()) continue;
            int tab = Tab(j + Spaltenversatz);
            QFont f = stil;
            if (s.contains(PauseText)) f.setItalic(true);
            if (j == 4 && !kopf && !Eltern && spalten.value(1).isEmpty() == false) {
                if (s.startsWith(Telefonmarke)) {
                    s.remove(0, 1);
                    tab = Tab(Spaltenversatz + 8);
                } else {
                    f.setBold(true);
                }
            }
            M().setFont(f);
            if (j == 4) ende4 = tab + Weite(s);
            if (j >= 5 && ende4 > Tab(9) && L.Tabulatoren[16] > L.Tabulatoren[15]) continue;
            gezeichnet.push_back({X0 + tab, f, s});
        }
        for (const TSpalte& spalte : gezeichnet) {
            M().setFont(spalte.Schrift);
            Text(spalte.X, Y, Gekuerzt(spalte, gezeichnet));
        }
        M().setFont(stil);
    }

    // A column that would run into the next one drawn right of it ends with "…" a blank before it, so
    // a long name does not make the line unreadable; the font of the column must be set.
    QString Gekuerzt(const TSpalte& spalte, const std::vector<TSpalte>& zeile) {
        int naechste = std::numeric_limits<int>::max();
        for (const TSpalte& andere : zeile)
            if (andere.X > spalte.X) naechste = std::min(naechste, andere.X);
        if (naechste == std::numeric_limits<int>::max() || Weite(spalte.Text) <= naechste - spalte.X)
            return spalte.Text;
        return M().fontMetrics().elidedText(spalte.Text, Qt::ElideRight,
                                            naechste - spalte.X - Weite(QStringLiteral(" ")));
    }

    void Umbruch(TUmbruch art) {
        Stil(false, true);
        TextRechts(X0 + Breite, Y0 + Hoehe - Zh, QStringLiteral("(Fortsetzung auf Seite %1)").arg(Seite + 1));
        Ziel.NeueSeite();
        SchriftSetzen();
        ++Seite;
        Y = Y0;
        const QString seitentext = QStringLiteral("Seite %1").arg(Seite);
        // Above a head the number would run into the school's name; it then goes on the line below the head.
        if (art == TUmbruch::OhneKopf) TextRechts(X0 + Breite, Y0, seitentext);
        QString zurueck = QStringLiteral("Seite %1").arg(Seite - 1);
        if (!(Eltern ? L.EinzellistenProTagE : L.EinzellistenProTagL))
            zurueck += QString::fromUtf8(" - für ") + Person.Anschrift(true);
        if (art == TUmbruch::Tag2)
            Kopf(Eltern ? std::nullopt : std::optional(RaumAmTag(Lehrer().Raum, 1)));
        else if (art == TUmbruch::OhneTermin)
            Kopf(ProTag && !Eltern ? std::optional(RaumAmTag(Lehrer().Raum, 1)) : std::nullopt);
        if (art != TUmbruch::OhneKopf) TextRechts(X0 + Breite, Y, seitentext);
        Stil(false, true);
        Text(X0, Y, QStringLiteral("(Fortsetzung von %1)").arg(zurueck));
        Stil(false, false);
        Y += Zh;
        const QString kopf = Fortsetzungskopf();
        if (!kopf.isEmpty()) {
            const int versatz = std::exchange(Spaltenversatz, 0);
            Stil(true, false);
            ZeileZeichnen(kopf, true);
            Stil(false, false);
            Spaltenversatz = versatz;
            Y += Zh;
        }
    }

    TZeichenziel& Ziel;
    const TListenblatt& B;
    const TListenlayout& L;
    const TPerson& Person;
    const bool Eltern;
    const bool Tuer;
    const TListenZeilen& Zeilen;
    QFont Schrift;
    int X0 = 0;
    int Y0 = 0;
    int Breite = 0;
    int Hoehe = 0;
    int Zh = 1;
    int Y = 0;
    std::vector<int> TabPx;
    int Seite = 1;
    int Listenmodus = KeinKopf;
    int Spaltenversatz = 0;
    bool ProTag = false;
};

} // namespace

QSize Inhaltsgroesse(const TSeitenmetrik& metrik, const TSeitenraender& raender, bool vorschau) {
    const TRandPx r = RaenderBerechnen(raender, metrik);
    int breite = metrik.SeiteBreitePx - r.Links - r.Rechts;
    if (vorschau && metrik.PpiY != metrik.PpiX) breite = breite * metrik.PpiY / metrik.PpiX;
    return {breite, metrik.SeiteHoehePx - r.Oben - r.Unten};
}

QString Titeltext(const TProjekt& projekt) {
    const TListenlayout& l = projekt.Listenlayout;
    QString titel = l.Titel.isEmpty() ? QStringLiteral("Elternsprechtag") : l.Titel;
    if (l.TitelGesperrt) {
        QString gesperrt;
        for (const QChar c : titel)
            gesperrt += QString(c) + u' ';
        titel = gesperrt;
    }
    if (l.TitelGross) titel = titel.toUpper();
    return titel + u' ' + QString::number(DatumAusWert(projekt.Datum[0]).year());
}

int ListeZeichnen(TZeichenziel& ziel, const TListenblatt& blatt, const TListenZeilen& zeilen) {
    return TZeichner(ziel, blatt, zeilen).Zeichnen();
}

void KopfSonstigeListe(QPainter& maler, const TProjekt& projekt, const TSchuldaten& schule,
                       const TSeitenmetrik& metrik, QPoint ursprung, int breite) {
    const QFontMetrics fm = maler.fontMetrics();
    const int zh = fm.height();
    const int innen = CmInPx(0.2, metrik);
    maler.drawRect(ursprung.x(), ursprung.y(), breite, 5 * zh);
    int y = ursprung.y() + zh / 2;
    for (const QString& z : SchulKopfzeilen(schule, true)) {
        maler.drawText(ursprung.x() + breite - innen - fm.horizontalAdvance(z), y + fm.ascent(), z);
        y += zh;
    }
    maler.drawText(ursprung.x() + innen, ursprung.y() + zh / 2 + fm.ascent(), Titeltext(projekt));
}
