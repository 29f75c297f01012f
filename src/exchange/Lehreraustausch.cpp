#include "Lehreraustausch.h"

#include "model/Cp1252.h"
#include "model/Projekt.h"

const char* const ErsatzkuerzelText =
    "Beim Import gab es mindestens einmal gleiche Kürzel für verschiedene Lehrer.\rAls Ersatz wurde jeweils "
    "ein aus Ziffern gebildetes Kürzel verwendet\r\rBitte denken Sie vor der Eingabe der Gespräche an die "
    "Korrektur!";

namespace {

QString AnredeUebersetzen(const QString& anrede, bool& uebersetzt) {
    if (anrede.size() == 1) {
        const QChar c = anrede[0].toLower();
        if (c == u'0' || c == u'2' || c == u'1') {
            uebersetzt = true;
            return c == u'1' ? QStringLiteral("Frau") : QStringLiteral("Herr");
        }
        if (c == u'f' || c == u'w') return QStringLiteral("Frau");
        if (c == u'm') return QStringLiteral("Herr");
        return anrede;
    }
    if (anrede.compare(QStringLiteral("weiblich"), Qt::CaseInsensitive) == 0) return QStringLiteral("Frau");
    if (anrede.compare(QString::fromUtf8("männlich"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Herr");
    return anrede;
}

} // namespace

TLehrer* LehrerAnlegen(TProjekt& p, int zeile, std::array<QString, 6> texte, const TFeldzuordnung& zuordnung,
                       TLehrerImport& stand) {
    // Names go into the project in the form its file can hold.
    for (QString& t : texte)
        t = Speicherform(Trimmen(t));
    QString kuerzel = texte[LKuerzel].isEmpty() ? QString::number(zeile) : texte[LKuerzel];
    QString name = texte[LName].isEmpty() ? QString::number(zeile) : texte[LName];
    while (p.Lehrerliste.FindeKuerzel(kuerzel))
        kuerzel = QStringLiteral("%1").arg(++stand.Ersatzzaehler, 3, 10, QChar(u'0'));
    QString titel = texte[LTitel];
    QString zusatz = texte[LZusatz];
    if (zuordnung[LTitel] < 0 && name.startsWith(QStringLiteral("Dr."))) {
        titel = QStringLiteral("Dr.");
        name.remove(0, 3);
    }
    if (zuordnung[LZusatz] < 0 && name.startsWith(QStringLiteral("von "))) {
        zusatz = QStringLiteral("von");
        name.remove(0, 4);
    }
    name = name.trimmed();
    if (const qsizetype komma = name.indexOf(u','); komma >= 0) {
        if (titel.isEmpty() && name.indexOf(QStringLiteral("Dr."), komma) >= 0) {
            titel = QStringLiteral("Dr.");
            name.remove(name.indexOf(QStringLiteral("Dr."), komma), 3);
        }
        name = name.trimmed();
        name.remove(komma, 1);
        if (name.size() - komma >= 2 && zusatz.isEmpty()) {
            zusatz = Trimmen(name.mid(komma));
            name.truncate(komma);
        }
        name = name.trimmed();
    }
    TLehrer* l = p.NeuerLehrer(AnredeUebersetzen(texte[LAnrede], stand.AnredeUebersetzt), kuerzel, name,
                               zusatz, titel);
    l->Raum = texte[LRaum];
    ++stand.Angelegt;
    return l;
}

TLehrerImport LehrerImportieren(TProjekt& p, const TTextimport& datei, const TFeldzuordnung& zuordnung) {
    TLehrerImport stand;
    p.Lehrerliste.Clear();
    for (size_t i = 0; i < datei.Zeilen.size(); ++i)
        LehrerAnlegen(p, int(i), datei.Felder(i, zuordnung), zuordnung, stand);
    p.Lehrerliste.NamenDoppeltMarkieren();
    return stand;
}

QByteArray LehrerTextExport(const TLehrerliste& lehrer) {
    QString text = QString::fromUtf8("\"Anrede\";\"Akad.Titel\";\"von\";\"Name\";\"Kürzel\";\"Raum\"\r\n");
    for (const auto& l : lehrer)
        text += QStringLiteral("\"%1\";\"%2\";\"%3\";\"%4\";\"%5\";\"%6\"\r\n")
                    .arg(l->Anrede, l->AkadTitel, l->Zusatz, l->Name, l->Kuerzel, l->Raum);
    return NachCp1252(text);
}
