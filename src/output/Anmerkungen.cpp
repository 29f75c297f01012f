#include "Anmerkungen.h"

#include "model/Meldung.h"
#include "model/Projekt.h"

#include <QSet>

QString PlusErklaerung() {
    return QString::fromUtf8("Ein + vor dem Namen des Kindes bedeutet, dass das Kind für das Gespräch mit "
                             "angemeldet ist.");
}

QString Bearbeitungsform(const QString& anmerkung) {
    QString text = anmerkung;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

QString Dateiform(const QString& bearbeitet) {
    QString text = Bearbeitungsform(bearbeitet);
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

namespace {

// The annotation without the explanation, blanks tidied where it stood; unchanged without it.
QString OhneErklaerung(const QString& text) {
    const qsizetype stelle = text.indexOf(PlusErklaerung());
    if (stelle < 0) return text;
    QString rest = text;
    rest.remove(stelle, PlusErklaerung().size());
    // Also a line break that followed the explanation would leave an empty line at the top.
    rest = rest.trimmed();
    while (rest.contains(QStringLiteral("  ")))
        rest.replace(QStringLiteral("  "), QStringLiteral(" "));
    return rest;
}

QString MitErklaerung(const QString& text) {
    if (text.contains(PlusErklaerung())) return text;
    return text.isEmpty() ? PlusErklaerung() : PlusErklaerung() + u' ' + text;
}

bool Setzen(QString& text, const QString& neu) {
    if (neu == text) return false;
    text = neu;
    return true;
}

} // namespace

bool AnmerkungenAbgleichen(TProjekt& projekt, bool an) {
    QSet<const TPerson*> mitKind;
    if (an)
        for (const auto& g : projekt.Gespraechsliste)
            if (g->KindKommtMit()) {
                mitKind.insert(g->Lehrer);
                mitKind.insert(g->Eltern());
            }
    bool geaendert = false;
    const auto abgleichen = [&](TPerson& person) {
        const bool braucht = mitKind.contains(&person);
        geaendert = Setzen(person.Anmerkung,
                           braucht ? MitErklaerung(person.Anmerkung) : OhneErklaerung(person.Anmerkung)) ||
                    geaendert;
    };
    for (const auto& l : projekt.Lehrerliste)
        abgleichen(*l);
    for (const auto& e : projekt.Elternliste)
        abgleichen(*e);
    return geaendert;
}

bool AnmerkungenUebernehmen(TProjekt& projekt, bool eltern, TPerson* person, const QString& alle,
                            const QString& eigene) {
    bool geaendert = Setzen(eltern ? projekt.AnmerkungAlleEltern : projekt.AnmerkungAlleLehrer, alle);
    if (person) geaendert = Setzen(person->Anmerkung, eigene) || geaendert;
    return geaendert;
}

TAutoAnmerkEntscheidung AutoAnmerkungFragen(TMeldung& meldung, TProjekt* projekt, bool& autoAnmerk,
                                            bool ausMenue) {
    QString text =
        QString::fromUtf8(
            "Wenn Sie bei der Eingabe von Gesprächswünschen vermerken, dass das Kind mit zum Gespräch "
            "erscheint, erscheint ein '+' vor dem Namen des Kindes. Sie können automatisch bei den "
            "beteiligten Eltern und Lehrern eine Anmerkung erzeugen, die dieses Pluszeichen erklärt.\r\r"
            "Möchten Sie diese Anmerkung automatisch erzeugen?\r\r(Aktuelle Einstellung: %1)")
            .arg(autoAnmerk ? QString::fromUtf8("JA. Mit 'Nein' werden ggf. vorhandene Hinweise gelöscht.")
                            : QString::fromUtf8("NEIN. Mit 'Ja' werden ggf. Hinweise gesetzt."));
    if (!ausMenue)
        text += QString::fromUtf8("\rSiehe auch Menü-Bearbeiten-Anmerkungen-Automatische Anmerkungen");
    const Antwort antwort =
        meldung.Meldung(text, QStringLiteral("Individuelle Anmerkung automatisch erzeugen"),
                        MeldungsArt::Frage, Knoepfe::JaNein, autoAnmerk ? Antwort::Ja : Antwort::Nein);
    // A closed box is no answer.
    if (antwort != Antwort::Ja && antwort != Antwort::Nein) return {};
    const bool an = antwort == Antwort::Ja;
    if (an == autoAnmerk) return {};
    autoAnmerk = an;
    return {true, projekt && AnmerkungenAbgleichen(*projekt, an)};
}
