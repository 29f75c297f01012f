#include "Importgrenze.h"

#include "model/Cp1252.h"
#include "model/Textgrenze.h"

const char* const ZuLangTitel = "Eintrag zu lang";

namespace {

// The family import writes a pupil's full name behind the first name when siblings of different names
// join one family, and numbers a first name that is there already.
constexpr qsizetype KindnamenReserve = 6;

QString Meldungstext(size_t zeile, const QString& feld, qsizetype laenge, qsizetype grenze,
                     const QString& text) {
    return QStringLiteral("Im %1. Datensatz ist %2 mit %3 Zeichen zu lang: Ein Eintrag kann höchstens %4 "
                          "Zeichen haben.\r„%5“\r\rOrdnen Sie dieses Feld nicht zu oder kürzen Sie den "
                          "Eintrag in der Datei.")
        .arg(zeile + 1)
        .arg(feld)
        .arg(laenge)
        .arg(grenze)
        .arg(Textanfang(text));
}

} // namespace

QString ZuLangesFeld(const TTextimport& datei, const TFeldzuordnung& zuordnung, bool lehrer) {
    const QStringList ziele = Zielfelder(lehrer);
    for (size_t i = 0; i < datei.Zeilen.size(); ++i) {
        std::array<QString, 6> texte = datei.Felder(i, zuordnung);
        for (QString& t : texte)
            t = Speicherform(t.trimmed());
        for (qsizetype j = 0; j < ziele.size(); ++j) {
            const QString& t = texte[size_t(j)];
            if (const qsizetype n = Speicherlaenge(t); n > MaxTextLaenge)
                return Meldungstext(i, QStringLiteral("das Feld „%1“").arg(ziele[j]), n, MaxTextLaenge, t);
        }
        if (lehrer) continue;
        const QString kindname = texte[SVorname] + u' ' + texte[SZusatz] + u' ' + texte[SNachname];
        constexpr qsizetype grenze = MaxTextLaenge - KindnamenReserve;
        if (const qsizetype n = Speicherlaenge(kindname); n > grenze)
            return Meldungstext(i, QStringLiteral("der Name aus Vorname, Namenszusatz und Nachname"), n,
                                grenze, kindname);
    }
    return {};
}
