#include "Cp1252.h"

#include <algorithm>

namespace {

// Bytes 0x80..0x9F; the five bytes the code page leaves undefined map to the C1 control of the same value.
constexpr char16_t Bereich80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char NachByte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    const auto* ende = std::end(Bereich80);
    const auto* p = std::find(std::begin(Bereich80), ende, c);
    return p == ende ? '?' : static_cast<char>(0x80 + (p - std::begin(Bereich80)));
}

} // namespace

QString AusCp1252(const char* daten, qsizetype laenge) {
    QString text(laenge, Qt::Uninitialized);
    auto* ziel = text.data();
    for (qsizetype i = 0; i < laenge; ++i) {
        const auto b = static_cast<unsigned char>(daten[i]);
        ziel[i] = QChar(b >= 0x80 && b < 0xA0 ? Bereich80[b - 0x80] : char16_t(b));
    }
    return text;
}

QByteArray NachCp1252(const QString& text) {
    QByteArray daten(text.size(), Qt::Uninitialized);
    auto* ziel = daten.data();
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        // A surrogate pair is one character outside the code page: one '?'.
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
        ziel[n++] = NachByte(c);
    }
    daten.truncate(n);
    return daten;
}
