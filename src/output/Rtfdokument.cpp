#include "Rtfdokument.h"

#include "Anmerkungsorte.h"
#include "Gespraechsliste.h"
#include "model/Cp1252.h"
#include "model/Projekt.h"

#include <vector>

namespace {

constexpr QChar Telefonmarke(0x00A8);
constexpr QChar Raumtrenner(0x00FF);
const QString Zeilenwechsel = QStringLiteral("\r\n");

// The phone column of a teacher's slot line carries a marker byte for the page drawing only.
QString OhneTelefonmarke(const QString& zeile) {
    QStringList spalten = zeile.split(u'\t');
    if (spalten.size() > 4 && spalten[4].startsWith(Telefonmarke)) {
        spalten[4].remove(0, 1);
        return spalten.join(u'\t');
    }
    return zeile;
}

class TRtfSchreiber {
public:
    TRtfSchreiber(const TProjekt& projekt, bool fuerEltern, TRtfFassung fassung)
        : P(projekt)
        , Eltern(fuerEltern)
        , Bildschirm(fassung == TRtfFassung::Bildschirm) {}

    TRtfDokument Schreiben() {
        Roh("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 ");
        D.Daten += NachCp1252(P.Listenlayout.Schriftart);
        Roh(";}{\\f1\\fnil\\fcharset0 Calibri;}}\r\n");
        if (Bildschirm) Roh("{\\colortbl ;\\red0\\green0\\blue255;}");
        // Fixed tab stops in twips: a word processor's page is not the printed list's.
        Roh("\\viewkind4\\uc1\\pard\\tx1160\\tx2100\\tx4800\\tx6800\\tx7500\\lang1031");
        if (Eltern) {
            for (const auto& e : P.Elternliste)
                Liste(*e);
        } else {
            for (const auto& l : P.Lehrerliste)
                Liste(*l);
        }
        Roh("\r\n\\par }");
        return std::move(D);
    }

private:
    void Roh(const char* steuerung) { D.Daten += steuerung; }
    void Zeile(const QString& text) { D.Daten += RtfText(Zeilenwechsel + text); }

    void Liste(const TPerson& person) {
        if (person.Zaehler == 0) return;
        if (D.Listen > 0)
            Roh(Bildschirm
                    ? "\r\n\\par \\f1\\fs14\\cf1\\qc ---------- Seitenumbruch ----------\\cf0\r\n\\par "
                    : "\r\n\\page \r\n\\par ");
        ++D.Listen;
        TListenZeilen zeilen;
        ListeZusammenstellen(P, {&person, Eltern, false}, zeilen);

        Roh("\\f0\\fs26\\ql ");
        D.Daten += RtfText(QString::fromUtf8("Gespräche für "));
        Roh("\\b ");
        D.Daten += RtfText(person.Anschrift(true));
        Roh("\\b0\\fs22");
        if (!Eltern)
            Zeile(
                QString(static_cast<const TLehrer&>(person).Raum).replace(Raumtrenner, QStringLiteral(", ")));

        const TAnmerkungsorte anmerkungen = AnmerkungenVerteilen(P, person, Eltern);
        Anmerkungen(anmerkungen.Oben);
        if (!Eltern) {
            Roh("\r\n\\par \\i Datum\\tab Zeit\\tab Eltern\\tab Kind\\i0");
        } else if (person.HatTermin) {
            Roh("\r\n\\par \\i Datum\\tab Zeit\\tab Lehrer\\tab Kind\\tab Raum\\i0");
        } else {
            Zeile(QString::fromUtf8("Leider konnte für keines der Gespräche ein Termin gefunden werden."));
            Roh("\r\n\\par \\i Datum\\tab Zeit\\tab Lehrer\\tab Kind\\i0");
        }
        for (const TListenZeile& z : zeilen)
            Zeile(Eltern ? z.Text : OhneTelefonmarke(z.Text));
        Anmerkungen(anmerkungen.Unten);
    }

    void Anmerkungen(const std::vector<QString>& texte) {
        for (const QString& text : texte)
            if (!text.isEmpty()) Zeile(text);
    }

    const TProjekt& P;
    const bool Eltern;
    const bool Bildschirm;
    TRtfDokument D;
};

} // namespace

QByteArray RtfText(const QString& text) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    const QByteArray roh = NachCp1252(text);
    QByteArray rtf;
    rtf.reserve(roh.size() + roh.size() / 4 + 8);
    for (qsizetype i = 0; i < roh.size(); ++i) {
        const auto c = static_cast<unsigned char>(roh[i]);
        if (c == '\r' || c == '\n') {
            // A reader ignores bare line ends; each break, CR LF or alone, starts a paragraph.
            if (c == '\r' && i + 1 < roh.size() && roh[i + 1] == '\n') ++i;
            rtf += "\r\n\\par ";
        } else if (c == '\\' || c == '{' || c == '}') {
            rtf += '\\';
            rtf += static_cast<char>(c);
        } else if (c >= 0x80) {
            rtf += "\\'";
            rtf += Hex[c >> 4];
            rtf += Hex[c & 15];
        } else if (c == '\t') {
            rtf += "\\tab ";
        } else {
            rtf += static_cast<char>(c);
        }
    }
    return rtf;
}

TRtfDokument RtfErzeugen(const TProjekt& projekt, bool fuerEltern, TRtfFassung fassung) {
    return TRtfSchreiber(projekt, fuerEltern, fassung).Schreiben();
}
