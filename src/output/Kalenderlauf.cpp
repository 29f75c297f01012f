#include "Kalenderlauf.h"

TDateilaufErgebnis KalenderLauf(const TKalenderAuftrag& auftrag, TMeldung& fragen,
                                const std::function<bool(int)>& fortschritt) {
    TDateilauf lauf{auftrag.Zielordner, QStringLiteral("ics"), {}, auftrag.Ueberschreiben, true};
    for (const TListenDatei& liste : auftrag.Listen)
        lauf.Namen << liste.Name;
    return DateienSchreiben(
        lauf,
        [&auftrag](int i) {
            const TPerson* person = auftrag.Listen[static_cast<size_t>(i)].Person;
            return person ? KalenderText(auftrag.Projekt, *person, auftrag.FuerEltern, auftrag.Zeit,
                                         auftrag.Jetzt)
                          : QByteArray();
        },
        fragen, fortschritt);
}
