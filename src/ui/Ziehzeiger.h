#pragma once

#include <QCursor>

// The mouse pointers of dragging in the main window, by their numbers: teachers carried (6 one, 7
// several), dropping them adds requests (8, 9) or is not possible (10, 11; also a request that cannot
// be dropped), a request moved down (12) or up (14), a request deleted (13).
enum class TZiehzeiger {
    Lehrer = 6,
    LehrerMehrere = 7,
    Ablegen = 8,
    AblegenMehrere = 9,
    NichtAblegen = 10,
    NichtAblegenMehrere = 11,
    NachUnten = 12,
    Loeschen = 13,
    NachOben = 14,
};

// The pointer of that number: the platform's own shape where one means the same, else the matching
// icon of the window's icon theme (the platform's move pointer when the theme is missing).
QCursor ZiehzeigerLaden(TZiehzeiger nummer);
