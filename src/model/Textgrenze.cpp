#include "Textgrenze.h"

qsizetype Speicherlaenge(const QString& text) {
    qsizetype laenge = text.size();
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text.at(i).isHighSurrogate() && text.at(i + 1).isLowSurrogate()) --laenge;
    return laenge;
}

QString Textanfang(const QString& text, qsizetype zeichen) {
    qsizetype n = std::min(text.size(), zeichen);
    // A pair of surrogates stays whole.
    if (n < text.size() && n > 0 && text.at(n - 1).isHighSurrogate()) --n;
    QString anfang = text.left(n);
    for (QChar& c : anfang)
        if (c == u'\r' || c == u'\n' || c == u'\t') c = u' ';
    if (n < text.size()) anfang += u'…';
    return anfang;
}
