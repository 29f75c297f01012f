#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

class TPerson;
class TProjekt;

// What a line of a conversation list shows, besides its text.
namespace Zeilenmarke {
constexpr uint16_t Leer = 0;              // a slot without conversation, or a pause
constexpr uint16_t Genagelt = 0x8000;     // or-ed to a conversation's number; alone: a blocked slot
constexpr uint16_t Ueberschrift = 0x7FFE; // heading of the conversations without appointment
constexpr uint16_t Hinweis = 0x7FFF;      // the closing notice
} // namespace Zeilenmarke

// One line of the printed form: columns separated by TAB.
struct TListenZeile {
    QString Text;
    uint16_t Marke = Zeilenmarke::Leer;
    bool operator==(const TListenZeile&) const = default;
};
using TListenZeilen = std::vector<TListenZeile>;

// One row of the on-screen form: caption and further columns.
struct TAnsichtZeile {
    QString Titel;
    QStringList Spalten;
    uint16_t Marke = Zeilenmarke::Leer;
    bool operator==(const TAnsichtZeile&) const = default;
};
using TAnsichtZeilen = std::vector<TAnsichtZeile>;

// Whose list is composed. FuerEltern says whether AktuellePerson is a family; a door notice
// (Tueraushang) hides the families' names and exists only for teachers.
struct TListenAuftrag {
    const TPerson* AktuellePerson = nullptr;
    bool FuerEltern = true;
    bool Tueraushang = false;
};

// The conversation list of one person: the time table with its appointments, then the conversations
// without appointment, as the project's list layout asks. Reads the project and changes nothing.
void ListeZusammenstellen(const TProjekt& projekt, const TListenAuftrag& auftrag, TListenZeilen& ziel);
void ListeZusammenstellen(const TProjekt& projekt, const TListenAuftrag& auftrag, TAnsichtZeilen& ziel);

// Texts the lists show for their persons.
QString LehrerText(const TPerson& lehrer);
QString FamilienText(const TPerson& familie);
