#include "Textimport.h"

#include "Kodierungsspuren.h"
#include "model/Cp1252.h"
#include "settings/Einstellungen.h"

#include <QStringDecoder>
#include <algorithm>

namespace {

constexpr char16_t Cp850[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C,
    0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, 0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6,
    0x00A7, 0x00F7, 0x00B8, 0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0};

constexpr char Kandidaten[] = {';', '\t', '~', '#', '|', '!', ':', ','};

bool IstKandidat(QChar c) {
    for (char k : Kandidaten)
        if (c == QLatin1Char(k)) return true;
    return false;
}

bool GueltigesUtf8(const QByteArray& zeile) {
    QStringDecoder d(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = d.decode(zeile);
    return !d.hasError() && !text.contains(QChar::ReplacementCharacter);
}

bool HatHoheBytes(const QByteArray& zeile) {
    for (const char c : zeile)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

bool HatUtf8Umlaut(const QByteArray& zeile) {
    for (const char* paar :
         {"\xC3\xBC", "\xC3\xB6", "\xC3\xA4", "\xC3\x9C", "\xC3\x96", "\xC3\x84", "\xC3\x9F"})
        if (zeile.contains(paar)) return true;
    return false;
}

// The field as the user meant it: one pair of enclosing quotes off, blanks and control characters off.
QString Bereinigen(QString feld) {
    if (feld.size() >= 2) {
        if (feld.startsWith(u'"')) feld.remove(0, 1);
        if (feld.endsWith(u'"')) feld.chop(1);
    }
    qsizetype von = 0;
    qsizetype bis = feld.size();
    while (von < bis && feld[von].unicode() <= u' ')
        ++von;
    while (bis > von && feld[bis - 1].unicode() <= u' ')
        --bis;
    return feld.mid(von, bis - von);
}

} // namespace

QList<QByteArray> RohzeilenLesen(const QByteArray& inhalt, QList<int>* nummern) {
    QList<QByteArray> zeilen;
    qsizetype anfang = 0;
    int nummer = 0;
    const qsizetype n = inhalt.size();
    for (qsizetype i = 0; i <= n; ++i) {
        if (i < n && inhalt[i] != '\r' && inhalt[i] != '\n') continue;
        ++nummer;
        const QByteArray zeile = inhalt.mid(anfang, i - anfang);
        if (!zeile.isEmpty() && zeile != QByteArray(1, '\x1A')) {
            zeilen.append(zeile);
            if (nummern) nummern->append(nummer);
        }
        if (i + 1 < n && inhalt[i] == '\r' && inhalt[i + 1] == '\n') ++i;
        anfang = i + 1;
    }
    return zeilen;
}

namespace {

// A line of another encoding among UTF-8 ones cannot be read as UTF-8: the user must be free to choose.
TKodierungswahl Utf8Wahl(const QList<QByteArray>& zeilen) {
    const bool gemischt = !std::all_of(zeilen.begin(), zeilen.end(), GueltigesUtf8);
    return {TKodierung::Utf8, gemischt, gemischt, true};
}

} // namespace

TKodierungswahl KodierungErkennen(QList<QByteArray>& zeilen) {
    TKodierungswahl w;
    if (!zeilen.isEmpty() && zeilen.front().startsWith("\xEF\xBB\xBF")) {
        zeilen.front().remove(0, 3);
        return Utf8Wahl(zeilen);
    }
    bool keinUtf8 = false;
    bool keinDos = false;
    for (qsizetype i = 0; i < zeilen.size() && i < 4; ++i) {
        const QByteArray& z = zeilen[i];
        if (HatUtf8Umlaut(z)) return Utf8Wahl(zeilen);
        if (z.contains('\x81')) return {TKodierung::Dos, false, true, false};
        keinUtf8 = keinUtf8 || !GueltigesUtf8(z);
        keinDos = keinDos || z.contains('\xDF') || z.contains('\xDC');
    }
    if (keinUtf8 && keinDos) return {TKodierung::Windows, false, false, false};
    // Names such as Yılmaz or Wójcik come as valid UTF-8 without a German umlaut; read as Windows text
    // they would be garbled. Windows text with letters beyond ASCII is almost never valid UTF-8.
    if (!keinUtf8) {
        bool umlaute = false;
        bool gueltig = true;
        for (const QByteArray& z : zeilen) {
            umlaute = umlaute || HatHoheBytes(z);
            if (umlaute) gueltig = gueltig && GueltigesUtf8(z);
        }
        if (umlaute && gueltig) return {TKodierung::Utf8, false, false, true};
    }
    // DOS text whose first umlaut comes late: read as Windows text its umlauts turn into control
    // characters and quotes inside words, while Windows text read as DOS shows box-drawing signs.
    if (!keinDos) {
        int dos = 0;
        int windows = 0;
        for (const QByteArray& z : zeilen) {
            if (!HatHoheBytes(z)) continue;
            dos += DosSpuren(Dekodieren(z, TKodierung::Windows));
            windows += WindowsSpuren(Dekodieren(z, TKodierung::Dos));
        }
        if (dos > windows) return {TKodierung::Dos, true, true, !keinUtf8};
    }
    w.DosMoeglich = !keinDos;
    w.Utf8Moeglich = !keinUtf8;
    return w;
}

QString Dekodieren(const QByteArray& zeile, TKodierung kodierung) {
    switch (kodierung) {
    case TKodierung::Utf8:
        return QString::fromUtf8(zeile);
    case TKodierung::Dos: {
        QString text;
        text.reserve(zeile.size());
        for (const char c : zeile) {
            const auto b = static_cast<unsigned char>(c);
            text += b < 0x80 ? QChar(b) : QChar(Cp850[b - 0x80]);
        }
        return text;
    }
    case TKodierung::Windows:
        break;
    }
    return AusCp1252(zeile);
}

TTrennung TrennungErkennen(QStringList& zeilen) {
    TTrennung t;
    if (zeilen.isEmpty()) return t;
    const QString& erste = zeilen.front();
    if (erste.size() == 1 && IstKandidat(erste[0])) {
        t.Trennzeichen = erste[0];
        zeilen.removeFirst();
        return t;
    }
    if (erste.size() == 2 && IstKandidat(erste[0]) && IstKandidat(erste[1])) {
        t.Trennzeichen = erste[0];
        t.Satzende = erste[1];
        zeilen.removeFirst();
        return t;
    }
    for (char k : Kandidaten)
        if (erste.contains(QLatin1Char(k))) {
            t.Trennzeichen = QLatin1Char(k);
            break;
        }
    return t;
}

QStringList ZeileZerlegen(QString zeile, const TTrennung& t) {
    if (!t.Satzende.isNull() && zeile.endsWith(t.Satzende)) zeile.chop(1);
    QStringList felder;
    if (t.Trennzeichen.isNull()) return {Bereinigen(zeile)};
    bool zitat = false;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < zeile.size(); ++i) {
        if (zeile[i] == u'"')
            zitat = !zitat;
        else if (!zitat && zeile[i] == t.Trennzeichen) {
            felder << Bereinigen(zeile.mid(anfang, i - anfang));
            anfang = i + 1;
        }
    }
    felder << Bereinigen(zeile.mid(anfang));
    return felder;
}

QStringList Zielfelder(bool lehrer) {
    if (lehrer) return {"Anrede", "Titel", "Namenszusatz", "Name", QString::fromUtf8("Kürzel"), "Raum"};
    return {"Vorname", "Namenszusatz", "Nachname", "Klasse", "Telefon"};
}

bool ErsteZeileIstDatensatz(const QStringList& kopf) {
    return std::any_of(kopf.begin(), kopf.end(), [](const QString& k) { return k.isEmpty(); });
}

TTextimport TTextimport::Lesen(const QByteArray& inhalt) {
    TTextimport t;
    QList<int> nummern;
    t.Roh = RohzeilenLesen(inhalt, &nummern);
    t.Wahl = KodierungErkennen(t.Roh);
    for (qsizetype i = 0; i < t.Roh.size(); ++i)
        if (!GueltigesUtf8(t.Roh[i])) t.Utf8Fehlzeilen << nummern[i];
    t.Kodierung = t.Wahl.Kodierung;
    t.Aufbauen();
    // Without names of fields, or without records (an empty file too), the first line is data.
    if (ErsteZeileIstDatensatz(t.Kopf) || t.Zeilen.empty()) t.KopfAlsDatensatz(true);
    return t;
}

namespace {

bool OhneInhalt(const QStringList& felder) {
    return std::all_of(felder.begin(), felder.end(), [](const QString& f) { return f.isEmpty(); });
}

bool NurLeerzeichen(const QString& zeile) {
    return std::all_of(zeile.begin(), zeile.end(), [](QChar c) { return c.unicode() <= u' '; });
}

} // namespace

void TTextimport::Aufbauen() {
    QStringList zeilen;
    for (const QByteArray& z : Roh) {
        // A line of blanks, or a byte-order mark alone, is as empty as an empty line.
        const QString zeile = Dekodieren(z, Kodierung);
        if (!NurLeerzeichen(zeile)) zeilen << zeile;
    }
    Trennung = TrennungErkennen(zeilen);
    Kopf.clear();
    Zeilen.clear();
    if (zeilen.isEmpty()) return;
    Kopf = ZeileZerlegen(zeilen.front(), Trennung);
    for (qsizetype i = 1; i < zeilen.size(); ++i) {
        QStringList felder = ZeileZerlegen(zeilen[i], Trennung);
        if (!OhneInhalt(felder)) Zeilen.push_back(std::move(felder));
    }
    if (KopfIstDatensatz && !OhneInhalt(Kopf)) Zeilen.insert(Zeilen.begin(), Kopf);
}

void TTextimport::KodierungSetzen(TKodierung kodierung) {
    Kodierung = kodierung;
    Aufbauen();
}

void TTextimport::KopfAlsDatensatz(bool an) {
    if (an == KopfIstDatensatz) return;
    KopfIstDatensatz = an;
    // Like any other line, the first one is a record only when it holds something.
    if (OhneInhalt(Kopf)) return;
    if (an)
        Zeilen.insert(Zeilen.begin(), Kopf);
    else if (!Zeilen.empty())
        Zeilen.erase(Zeilen.begin());
}

QString TTextimport::Feld(size_t zeile, int spalte) const {
    return zeile < Zeilen.size() ? Zeilen[zeile].value(spalte) : QString();
}

std::array<QString, 6> TTextimport::Felder(size_t zeile, const TFeldzuordnung& zuordnung) const {
    std::array<QString, 6> texte;
    for (size_t j = 0; j < texte.size(); ++j)
        if (zuordnung[j] >= 0) texte[j] = Feld(zeile, zuordnung[j]);
    return texte;
}

std::optional<TFeldzuordnung> ZuordnungWiederherstellen(const TImportVorgabe& v, const TTextimport& datei,
                                                        uint32_t dateityp) {
    if (v.DateiTyp != dateityp || datei.KopfIstDatensatz) return std::nullopt;
    TFeldzuordnung z;
    for (size_t j = 0; j < z.size(); ++j) {
        z[j] = v.Spalte[j];
        if (z[j] < -1 || z[j] >= datei.Spalten()) return std::nullopt;
        if (z[j] >= 0 && datei.Kopf[z[j]] != v.Titel[j]) return std::nullopt;
    }
    return z;
}

TImportVorgabe ZuordnungMerken(const TFeldzuordnung& z, const TTextimport& datei, uint32_t dateityp) {
    TImportVorgabe v;
    v.DateiTyp = dateityp;
    v.ASCII = static_cast<uint32_t>(datei.Kodierung);
    for (size_t j = 0; j < z.size(); ++j) {
        v.Spalte[j] = z[j];
        if (z[j] >= 0) v.Titel[j] = datei.Kopf.value(z[j]);
    }
    return v;
}
