#include "Kodierungsspuren.h"

#include "model/Cp1252.h"

#include <QChar>
#include <algorithm>
#include <string_view>

namespace {

bool ZwischenBuchstaben(const QString& text, qsizetype i) {
    return i > 0 && i + 1 < text.size() && text[i - 1].isLetter() && text[i + 1].isLetter();
}

// Windows signs from the bytes 0x80..0x9F where DOS text has its umlauts; the letters Š š Ž ž Œ œ Ÿ
// and the apostrophes ‘ ’ are left out, names hold them.
bool Windowszeichen80(char16_t c) {
    return std::u16string_view(u"€‚ƒ„…†‡ˆ‰‹“”•–—˜™›").find(c) != std::u16string_view::npos;
}

// DOS signs where Windows text has ü ö ß Ä Ü and other letters.
bool Doszeichen(char16_t c) {
    return (c >= 0x2500 && c <= 0x25FF) ||
           std::u16string_view(u"÷³²¹±¾¼½¤¦").find(c) != std::u16string_view::npos;
}

// UTF-8 read as Windows text: a lead byte (Ã for ü ö ä ß, Ä Å for Polish letters) before a byte of
// 0x80..0xBF.
int Utf8Spuren(const QString& alsWindows) {
    int n = 0;
    for (qsizetype i = 0; i + 1 < alsWindows.size(); ++i) {
        const char16_t c = alsWindows[i].unicode();
        if (c < 0xC2 || c > 0xDF) continue;
        const auto folge = static_cast<unsigned char>(NachCp1252(alsWindows.mid(i + 1, 1)).at(0));
        if (folge >= 0x80 && folge < 0xC0) ++n;
    }
    return n;
}

// The records' fields with signs of another encoding.
int Verdaechtige(const TTextimport& datei) {
    int n = 0;
    for (const QStringList& zeile : datei.Zeilen)
        for (const QString& feld : zeile)
            n += FremdeSpuren(feld, datei.Kodierung) > 0;
    return n;
}

} // namespace

int DosSpuren(const QString& text) {
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if ((c >= 0x80 && c < 0xA0) || (Windowszeichen80(c) && ZwischenBuchstaben(text, i))) ++n;
    }
    return n;
}

int WindowsSpuren(const QString& text) {
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        // õ is ä of Windows text; between letters it is rarely meant.
        if (Doszeichen(c) || (c == u'õ' && ZwischenBuchstaben(text, i))) ++n;
    }
    return n;
}

int FremdeSpuren(const QString& text, TKodierung kodierung) {
    switch (kodierung) {
    case TKodierung::Dos:
        return WindowsSpuren(text);
    case TKodierung::Utf8:
        return int(text.count(QChar::ReplacementCharacter));
    case TKodierung::Windows:
        break;
    }
    return DosSpuren(text) + Utf8Spuren(text);
}

std::optional<TKodierungsverdacht> KodierungsverdachtPruefen(const TTextimport& datei) {
    const int gelesen = Verdaechtige(datei);
    if (gelesen == 0) return std::nullopt;
    std::optional<TTextimport> besser;
    int weniger = gelesen;
    for (const TKodierung k : {TKodierung::Dos, TKodierung::Windows, TKodierung::Utf8}) {
        if (k == datei.Kodierung) continue;
        TTextimport anders = datei;
        anders.KodierungSetzen(k);
        if (const int n = Verdaechtige(anders); n < weniger) {
            weniger = n;
            besser = std::move(anders);
        }
    }
    if (!besser) return std::nullopt;
    TKodierungsverdacht v;
    v.Kodierung = besser->Kodierung;
    v.Felder = gelesen;
    for (size_t i = 0; i < datei.Zeilen.size() && v.Gelesen.size() < 3; ++i)
        for (int k = 0; k < int(datei.Zeilen[i].size()) && v.Gelesen.size() < 3; ++k)
            if (FremdeSpuren(datei.Zeilen[i][k], datei.Kodierung) > 0) {
                v.Gelesen << datei.Zeilen[i][k];
                v.Besser << besser->Feld(i, k);
            }
    return v;
}

QString Utf8Mischbefund(const TTextimport& datei) {
    const QList<int>& zeilen = datei.Utf8Fehlzeilen;
    if (datei.Kodierung != TKodierung::Utf8 || zeilen.isEmpty()) return {};
    const qsizetype genannt = std::min<qsizetype>(zeilen.size(), 3);
    QStringList nummern;
    for (qsizetype i = 0; i < genannt; ++i)
        nummern << QString::number(zeilen[i]);
    QString wo;
    if (zeilen.size() == 1)
        wo = QStringLiteral("Zeile %1 enthält").arg(nummern.front());
    else if (zeilen.size() == genannt)
        wo = QStringLiteral("Zeilen %1 und %2 enthalten")
                 .arg(nummern.mid(0, genannt - 1).join(QStringLiteral(", ")), nummern.back());
    else
        wo = QStringLiteral("Zeilen %1 und %2 weitere enthalten")
                 .arg(nummern.join(QStringLiteral(", ")))
                 .arg(zeilen.size() - genannt);
    return QStringLiteral("Die Datei ist nicht durchgehend UTF-8: %1 Zeichen einer anderen Kodierung, "
                          "die als UTF-8 nicht lesbar sind und als \"?\" gespeichert werden.")
        .arg(wo);
}
