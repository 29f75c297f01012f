#include "Dateibauer.h"

#include <QBuffer>
#include <QImage>
#include <QStringEncoder>
#include <QtEndian>
#include <cstring>

namespace {

class TBytes {
public:
    QByteArray Daten;

    void U8(int v) { Daten.append(char(uint8_t(v))); }
    void I16(int v) { Zahl<int16_t>(int16_t(v)); }
    void I32(int64_t v) { Zahl<int32_t>(int32_t(v)); }
    void I64(int64_t v) { Zahl<int64_t>(v); }
    void Dbl(double v) {
        int64_t bits;
        std::memcpy(&bits, &v, 8);
        I64(bits);
    }
    void Fueller(int n) { Daten.append(n, '\x5A'); }
    QByteArray Cp1252(const QString& t) {
        QStringEncoder kodierer("windows-1252");
        return kodierer.encode(t);
    }
    void Text(const QString& t) {
        const QByteArray b = Cp1252(t);
        I16(int(b.size()));
        Daten.append(b);
    }
    void Kurz(const QByteArray& t) {
        U8(int(t.size()));
        Daten.append(t);
    }
    // A text in a zero-padded cell of fixed width.
    void Zelle(const QString& t, int breite) {
        QByteArray b = Cp1252(t).left(breite - 1);
        b.append(breite - b.size(), '\0');
        Daten.append(b);
    }
    void Zeiten(const TZeiten& z) {
        for (int16_t v : z)
            I16(v);
    }

private:
    template <class T> void Zahl(T v) {
        char puffer[sizeof(T)];
        qToLittleEndian(v, puffer);
        Daten.append(puffer, sizeof puffer);
    }
};

void Familien(TBytes& b, const TProjektF& p) {
    const bool v00 = p.Version == 0;
    if (v00) b.Fueller(2);
    b.I16(int(p.Familien.size()));
    if (v00) b.Fueller(4);
    for (const TFamilieF& e : p.Familien) {
        if (v00) b.Fueller(2);
        b.I16(e.Nummer);
        b.Text(e.Anrede);
        b.Text(e.Name);
        b.Text(e.Zusatz);
        b.Zeiten(e.Zeiten);
        if (v00) b.Fueller(2);
        b.I16(int(e.Kinder.size()));
        if (v00) b.Fueller(4);
        for (const TKindF& k : e.Kinder) {
            if (v00) b.Fueller(2);
            b.Text(k.Vorname);
            b.Text(k.Klasse);
            if (p.Version >= 2) {
                if (!p.OhneKindNachname) b.Text(k.Nachname);
                continue;
            }
            b.I16(int(k.Kuerzel.size()));
            if (v00) b.Fueller(4);
            for (const QString& kz : k.Kuerzel)
                b.Text(kz);
        }
        if (p.Version >= 2) {
            b.Text(e.Anmerkung);
            if (!p.OhneKindNachname) b.Text(e.Telefon);
        }
    }
}

void Lehrer(TBytes& b, const QList<TLehrerF>& lehrer, bool mitZeiten) {
    b.I16(1102);
    b.I16(int(lehrer.size()));
    b.I16(int(lehrer.size()));
    b.I16(5);
    for (const TLehrerF& l : lehrer) {
        b.I16(1101);
        for (const QString* t : {&l.Anrede, &l.AkadTitel, &l.Name, &l.Zusatz, &l.Kuerzel, &l.Raum})
            b.Text(*t);
        if (mitZeiten) {
            b.Zeiten(l.Zeiten);
            b.U8(l.HatTermin);
        }
        b.Text(l.Anmerkung);
    }
    b.U8(0);
}

void Gespraeche(TBytes& b, const TProjektF& p) {
    const bool v00 = p.Version == 0;
    if (v00) b.Fueller(2);
    b.I16(p.Handverschoben);
    b.U8(p.ListenSortierung);
    b.U8(p.UnmoeglichBestimmt);
    b.U8(p.ReihenfolgeFest);
    b.U8(p.TermineBerechnet);
    for (int s = 0; s < SlotAnzahl; ++s)
        b.Zelle(s < p.Zeiten.size() ? p.Zeiten[s] : QString(), 6);
    for (int tag = 0; tag < 2; ++tag)
        if (p.Version < 2 || p.DatumAlsText)
            b.Zelle(p.DatumText[tag], 11);
        else
            b.Dbl(p.Datum[tag]);
    b.I16(int(p.Gespraeche.size()));
    if (v00) b.Fueller(4);
    for (const TGespraechF& g : p.Gespraeche) {
        if (v00)
            b.Fueller(2);
        else
            b.I16(g.Flags);
        b.I16(g.Nummer);
        b.I16(g.ElternNr);
        b.Text(g.Kuerzel);
        b.Text(g.Kind);
        if (p.Version < 2)
            b.Text(QStringLiteral("Rang"));
        else
            b.I16(g.Rang);
        b.I16(g.Termin);
    }
    b.U8(1);
}

void BisMaximalBlock(TBytes& b, const TProjektF& p) {
    b.Kurz(p.Magic.isEmpty() ? (p.Version == 0 ? QByteArray("VEL-Projekt00")
                                               : QByteArray("VELProjekt0") + QByteArray::number(p.Version))
                             : p.Magic);
    Familien(b, p);
    b.I16(p.LetzteElternNr);
    Lehrer(b, p.Lehrer, true);
    Gespraeche(b, p);
    if (p.Version >= 2) b.U8(p.LatKlBez);
    if (p.Version < 4) {
        b.U8(int(p.Optionen & 0xFF));
    } else {
        b.I32(p.Optionen);
        if (p.Optionen & 0x10000) b.Text(p.Titel);
        if (p.Optionen & 0x800) {
            b.I32(p.LogoArt);
            b.Daten.append(p.LogoDaten);
        }
        for (int32_t v : p.Seitenraender)
            b.I32(v);
        for (int32_t v : p.Tabulatoren)
            b.I32(v);
        for (int32_t v : p.ListenRaender)
            b.I32(v);
        b.U8(p.ListenAusrichtung);
        b.I32(p.ListenSchriftgroesse);
        b.Text(p.ListenSchriftart);
        b.Daten.append(p.Reserviert);
    }
    b.I16(p.MaximalBlock);
    b.I16(p.MaximalBlock_El);
}

} // namespace

QByteArray Lehrerdatei(const QList<TLehrerF>& lehrer) {
    TBytes b;
    b.Kurz("VEL_Lehrer00");
    Lehrer(b, lehrer, false);
    return b.Daten;
}

QByteArray Logobild(int art) {
    if (art == 3) return QByteArray("\xD7\xCD\xC6\x9A") + QByteArray(40, '\0');
    if (art == 6)
        return QByteArray::fromHex("47494638396101000100800000000000ffffff21f90401000000002c0000000001000100"
                                   "00020144003b");
    QImage bild(3, 2, QImage::Format_RGB32);
    bild.fill(Qt::white);
    bild.setPixel(1, 1, qRgb(200, 30, 40));
    const char* formate[] = {nullptr, "BMP", "JPEG", nullptr, "PNG", "ICO"};
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, formate[art]);
    // The icon writer leaves the padding of the mask rows unset: zero it, so that the bytes are always
    // the same (the mask is the last 8 bytes of this picture).
    if (art == 5) daten.replace(daten.size() - 8, 8, QByteArray(8, '\0'));
    return daten;
}

QByteArray Logoblock(int art, const QByteArray& bild) {
    TBytes b;
    if (art != 1 && art != 4) b.I64(bild.size());
    b.Daten.append(bild);
    return b.Daten;
}

qsizetype NotizAnfang(const TProjektF& p) {
    TBytes b;
    BisMaximalBlock(b, p);
    return b.Daten.size();
}

QByteArray Projektdatei(const TProjektF& p) {
    TBytes b;
    BisMaximalBlock(b, p);
    b.Text(p.AnmerkungAlleEltern);
    b.Text(p.AnmerkungAlleLehrer);
    b.Zeiten(p.Standardsperre);
    for (bool h : p.NotizHaken)
        b.U8(h);
    b.Text(p.NotizText);
    if (p.Version < 3) return b.Daten;
    b.U8(p.MitNummer);
    for (int32_t v : {p.NachrPosL, p.NachrPosE, p.Lehrer_Leerzeilen, p.Eltern_Leerzeilen, p.Schriftgroesse})
        b.I32(v);
    b.Text(p.Schriftart);
    if (p.MitUeberschriften) {
        b.Text(p.UeberschriftWunsch);
        b.Text(p.UeberschriftOhneTermin);
    }
    return b.Daten;
}

TProjektF Beispielprojekt(int version) {
    TProjektF p;
    p.Version = version;
    TFamilieF maier;
    maier.Nummer = 1;
    maier.Name = QStringLiteral("Maier");
    maier.Telefon = QStringLiteral("0761 12345");
    maier.Anmerkung = QStringLiteral("kommt später");
    maier.Kinder = {{QStringLiteral("Anna"), QStringLiteral("5a"), {}, {QStringLiteral("MUE")}},
                    {QStringLiteral("Ben"),
                     QStringLiteral("7b"),
                     QStringLiteral("Schulz"),
                     {QStringLiteral("MUE"), QStringLiteral("SCH")}}};
    maier.Zeiten[5] = 1;
    TFamilieF weiss;
    weiss.Nummer = 2;
    weiss.Anrede = QStringLiteral("Frau");
    weiss.Name = QStringLiteral("Weiß");
    weiss.Zusatz = QStringLiteral("von");
    weiss.Kinder = {{QStringLiteral("Zoë"), QStringLiteral("9c"), {}, {QStringLiteral("SCH")}}};
    weiss.Zeiten[0] = -1;
    p.Familien = {maier, weiss};
    p.LetzteElternNr = 2;

    TLehrerF mueller;
    mueller.Anrede = QStringLiteral("Frau");
    mueller.AkadTitel = QStringLiteral("Dr.");
    mueller.Name = QStringLiteral("Müller");
    mueller.Kuerzel = QStringLiteral("MUE");
    mueller.Raum = QStringLiteral("A1") + QChar(0xFF) + QStringLiteral("B2");
    mueller.Zeiten[5] = 1;
    mueller.HatTermin = true;
    mueller.Anmerkung = QStringLiteral("Raum wechselt");
    TLehrerF schulz;
    schulz.Name = QStringLiteral("Schulz");
    schulz.Kuerzel = QStringLiteral("SCH");
    schulz.Raum = QStringLiteral("C3");
    p.Lehrer = {mueller, schulz};

    for (int s = 0; s < 6; ++s)
        p.Zeiten << QStringLiteral("14:%1").arg(s * 10, 2, 10, QLatin1Char('0'));
    while (p.Zeiten.size() < SlotsProTag)
        p.Zeiten << QString();
    p.Zeiten << QStringLiteral("08:00") << QStringLiteral("08:15");
    p.Datum = {46447, 46448}; // 1 and 2 March 2027
    p.DatumText = {QStringLiteral("01.03.2027"), QStringLiteral("02.03.2027")};

    // Ben asked for MUE first: the conversations are stored in the other order.
    p.Gespraeche = {{1, 1, QStringLiteral("MUE"), QStringLiteral("Anna"), 5, 0, 1},
                    {2, 1, QStringLiteral("SCH"), QStringLiteral("Ben"), -2, 1, 2},
                    {3, 1, QStringLiteral("MUE"), QStringLiteral("Ben"), -2, 0, 0},
                    {4, 2, QStringLiteral("SCH"), QStringLiteral("Zoë"), -1, 0, 0}};
    if (version == 0) p.Gespraeche[0].Termin = -995; // nailed at slot 5, as version 00 marks it
    p.LatKlBez = false;
    p.Standardsperre[0] = -1;
    p.AnmerkungAlleEltern = QStringLiteral("Bitte pünktlich");
    p.NotizText = QStringLiteral("Räume prüfen\r\nAula frei");
    return p;
}
