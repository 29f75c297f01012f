#include "Cp1252.h"

#include <algorithm>
#include <utility>

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

namespace {

// Letters that keep no base letter when their accent is dropped.
constexpr std::pair<char16_t, char16_t> Grundbuchstaben[] = {
    {u'ı', u'i'},      {u'ł', u'l'},      {u'Ł', u'L'},      {u'đ', u'd'}, {u'Đ', u'D'}, {u'ħ', u'h'},
    {u'Ħ', u'H'},      {u'ŧ', u't'},      {u'Ŧ', u'T'},      {u'ŀ', u'l'}, {u'Ŀ', u'L'}, {u'ĸ', u'k'},
    {u'ſ', u's'},      {u'ə', u'e'},      {u'Ə', u'E'},      {u'ŋ', u'n'}, {u'Ŋ', u'N'}, {u'ɨ', u'i'},
    {u'\u2010', u'-'}, {u'\u2011', u'-'}, {u'\u2212', u'-'},
};

bool Darstellbar(char16_t c) {
    return c != u'?' && NachByte(c) != '?';
}

// The stored form of one character outside the code page: its letters without accents, else "?".
QString Ersatz(char32_t zeichen) {
    for (const auto& [von, nach] : Grundbuchstaben)
        if (von == zeichen) return QString(QChar(nach));
    // An accent typed on its own after its letter is dropped with it.
    const auto art = QChar::category(zeichen);
    if (art == QChar::Mark_NonSpacing || art == QChar::Mark_Enclosing) return {};
    const QString zerlegt = QString::fromUcs4(&zeichen, 1).normalized(QString::NormalizationForm_KD);
    QString ersatz;
    for (const QChar c : zerlegt) {
        if (c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_Enclosing) continue;
        if (!Darstellbar(c.unicode())) return QStringLiteral("?");
        ersatz += c;
    }
    return ersatz.isEmpty() ? QStringLiteral("?") : ersatz;
}

} // namespace

QString Speicherform(const QString& eingabe) {
    if (std::all_of(eingabe.begin(), eingabe.end(),
                    [](QChar c) { return c == u'?' || Darstellbar(c.unicode()); }))
        return eingabe;
    // Composed first, so that a letter typed with a separate accent finds its code-page form ("e" + "´" →
    // "é").
    const QString text = eingabe.normalized(QString::NormalizationForm_C);
    QString form;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'?' || Darstellbar(c)) {
            form += QChar(c);
            continue;
        }
        char32_t zeichen = c;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            zeichen = QChar::surrogateToUcs4(c, text.at(++i).unicode());
        form += Ersatz(zeichen);
    }
    return form;
}
