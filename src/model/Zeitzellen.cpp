#include "Zeitzellen.h"

#include "Datumstexte.h"

#include <QRegularExpression>

int SekundenAusText(const QString& text) {
    static const QRegularExpression muster(
        QStringLiteral("^\\s*(\\d+)(?:\\s*:\\s*(\\d+)(?:\\s*:\\s*(\\d+))?)?\\s*$"));
    const auto treffer = muster.match(text);
    if (!treffer.hasMatch()) return -1;
    auto zahl = [&](int gruppe) {
        const QString teil = treffer.captured(gruppe);
        return teil.isEmpty() ? 0 : (teil.size() > 4 ? 100000 : teil.toInt());
    };
    const int h = zahl(1), m = zahl(2), s = zahl(3);
    if (h > 23 || m > 59 || s > 59) return -1;
    return h * 3600 + m * 60 + s;
}

QString ZeitAusSekunden(int sekunden) {
    return UhrzeitText(sekunden / 60);
}

QString ZeitNormieren(const QString& text, bool streng, bool* fehler) {
    if (fehler) *fehler = false;
    if (text.isEmpty()) return text;
    QString t = text;
    t.replace(u'.', u':');
    if (!t.contains(u':') && t.size() < 3) t += QStringLiteral(":00");
    const int sekunden = SekundenAusText(t);
    if (sekunden < 0) {
        if (streng && fehler) *fehler = true;
        return {};
    }
    return ZeitAusSekunden(sekunden);
}

std::array<QString, 12> ZeitVorgabeTexte(const TZeitZellen& zeiten) {
    std::array<QString, 12> texte;
    for (int i = 0; i < 12; ++i) {
        QStringList acht;
        for (int j = 0; j < 8; ++j)
            acht << zeiten[i * 8 + j];
        texte[i] = acht.join(u',');
    }
    return texte;
}

TZeitZellen ZeitenAusVorgabe(const QStringList& texte) {
    TZeitZellen zeiten;
    for (int i = 0; i < 12 && i < texte.size(); ++i) {
        const QStringList teile = texte[i].split(u',');
        for (int j = 0; j < 8 && j < teile.size(); ++j)
            zeiten[i * 8 + j] = teile[j];
    }
    return zeiten;
}
