#pragma once

#include "Dateilauf.h"
#include "Kalender.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

class TMeldung;
class TProjekt;

struct TKalenderAuftrag {
    const TProjekt& Projekt;
    bool FuerEltern = true;
    QString Zielordner;
    std::vector<TListenDatei> Listen;
    // Existing files are overwritten without asking (for batch use).
    bool Ueberschreiben = false;
    TKalenderzeit Zeit = TKalenderzeit::Berlin;
    // When the calendars were made, the same in every file of the run.
    QDateTime Jetzt = QDateTime::currentDateTimeUtc();
};

// Writes the calendar of each list's person into the target folder, named as the list with ".ics",
// asking as the PDF run does before an existing file is overwritten. Persons without appointment get
// no file.
TDateilaufErgebnis KalenderLauf(const TKalenderAuftrag& auftrag, TMeldung& fragen,
                                const std::function<bool(int)>& fortschritt = {});
