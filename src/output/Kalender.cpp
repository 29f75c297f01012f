#include "Kalender.h"

#include "model/Datumstexte.h"
#include "model/Projekt.h"
#include "model/Zeitzellen.h"

#include <QTimeZone>
#include <algorithm>
#include <map>
#include <vector>

namespace {

// The frame's spacing when a project has no two neighbouring times to learn it from.
constexpr int StandardMinuten = 15;

const char* const Zeitzone = "Europe/Berlin";

// Europe/Berlin with the rules of the EU since 1996, for calendars that do not know the zone by name.
const char* const Zeitzonenbeschreibung = "BEGIN:VTIMEZONE\n"
                                          "TZID:Europe/Berlin\n"
                                          "BEGIN:DAYLIGHT\n"
                                          "TZOFFSETFROM:+0100\n"
                                          "TZOFFSETTO:+0200\n"
                                          "TZNAME:CEST\n"
                                          "DTSTART:19700329T020000\n"
                                          "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\n"
                                          "END:DAYLIGHT\n"
                                          "BEGIN:STANDARD\n"
                                          "TZOFFSETFROM:+0200\n"
                                          "TZOFFSETTO:+0100\n"
                                          "TZNAME:CET\n"
                                          "DTSTART:19701025T030000\n"
                                          "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\n"
                                          "END:STANDARD\n"
                                          "END:VTIMEZONE";

int Startminuten(const TProjekt& p, int slot) {
    if (slot < 0 || slot >= SlotAnzahl || !p.ZeitAktiv[static_cast<size_t>(slot)]) return -1;
    const int sekunden = SekundenAusText(p.Zeittexte[static_cast<size_t>(slot)]);
    return sekunden < 0 ? -1 : sekunden / 60;
}

// The wall-clock time of the school, carried as UTC so that adding minutes knows no zone.
QDateTime Ortszeit(const QDate& datum, int minuten) {
    return QDateTime(datum, QTime(0, 0), Qt::UTC).addSecs(qint64(minuten) * 60);
}

QByteArray Zeitwert(const QDateTime& ortszeit, TKalenderzeit zeit) {
    if (zeit == TKalenderzeit::Berlin)
        return ";TZID=" + QByteArray(Zeitzone) + ':' + ortszeit.toString("yyyyMMdd'T'HHmmss").toLatin1();
    const QDateTime inBerlin(ortszeit.date(), ortszeit.time(), QTimeZone(Zeitzone));
    return ':' + inBerlin.toUTC().toString("yyyyMMdd'T'HHmmss'Z'").toLatin1();
}

// A calendar replaces an event it already holds when the UID comes again, so the UID names the
// conversation by what stays with it: its number and its family's number, whatever else is added, deleted,
// sorted or rescheduled (families are numbered anew only when the family list is replaced, which removes
// every conversation), and the teacher's file names the same meeting as the family's. A number comes again
// only after the newest conversation was deleted and the project reopened; the UID then repeats only for
// the same family, whose calendar swaps the dropped appointment for the new one. The first date keeps
// apart the projects of other years or terms, whose numbers start again at 1.
QByteArray Uid(const TProjekt& p, const TGespraech& g) {
    return DatumAusWert(p.Datum[0]).toString("yyyyMMdd").toLatin1() + '-' +
           QByteArray::number(g.Eltern()->Nummer) + '-' + QByteArray::number(g.Nummer) + "@vel";
}

QString Lehrkraft(const TLehrer& l) {
    const QString name = l.Anschrift(true);
    return l.NameDoppelt ? QStringLiteral("%1 (%2)").arg(name, l.Kuerzel) : name;
}

QString Titel(const TGespraech& g, bool fuerEltern) {
    if (fuerEltern)
        return QString::fromUtf8("Gespräch mit %1 über %2").arg(Lehrkraft(*g.Lehrer), g.Kind->Vorname);
    return QString::fromUtf8("Gespräch mit %1 über %2")
        .arg(g.Eltern()->Anschrift(true), g.Kind->KindMitKlasse());
}

class TKalender {
public:
    void Zeile(const char* name, const QByteArray& wert) { Text += KalenderZeile(name + wert); }
    void Textzeile(const char* name, const QString& wert) {
        if (!wert.isEmpty()) Zeile(name, ':' + KalenderTextwert(wert).toUtf8());
    }
    void Block(const char* zeilen) {
        for (const QByteArray& z : QByteArray(zeilen).split('\n'))
            Text += KalenderZeile(z);
    }
    QByteArray Text;
};

} // namespace

QString KalenderTextwert(const QString& text) {
    QString wert;
    wert.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' || c == u';' || c == u',') {
            wert += u'\\';
            wert += c;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            wert += QStringLiteral("\\n");
        } else if ((c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7F) {
            // Control characters other than the tab are not allowed in a text value.
            wert += u' ';
        } else {
            wert += c;
        }
    }
    return wert;
}

QByteArray KalenderZeile(const QByteArray& inhalt) {
    QByteArray zeile;
    zeile.reserve(inhalt.size() + inhalt.size() / 70 * 3 + 2);
    qsizetype anfang = 0;
    qsizetype platz = 75;
    while (inhalt.size() - anfang > platz) {
        qsizetype ende = anfang + platz;
        // A byte 10xxxxxx continues a character; the break goes before the character's first byte.
        while (ende > anfang && (static_cast<unsigned char>(inhalt[ende]) & 0xC0) == 0x80)
            --ende;
        zeile += inhalt.mid(anfang, ende - anfang);
        zeile += "\r\n ";
        anfang = ende;
        platz = 74;
    }
    zeile += inhalt.mid(anfang);
    zeile += "\r\n";
    return zeile;
}

int Terminminuten(const TProjekt& p) {
    std::map<int, int> schritte;
    for (int tag = 0; tag < 2; ++tag) {
        int vorige = -1;
        for (int s = tag * SlotsProTag; s < (tag + 1) * SlotsProTag; ++s) {
            const int minuten = Startminuten(p, s);
            if (minuten < 0) continue;
            if (vorige >= 0 && minuten > vorige) ++schritte[minuten - vorige];
            vorige = minuten;
        }
    }
    // The most frequent step; longer ones are breaks between the slots, and of equal counts the shorter
    // step keeps appointments from overlapping.
    int minuten = StandardMinuten, anzahl = 0;
    for (const auto& [schritt, n] : schritte)
        if (n > anzahl) {
            minuten = schritt;
            anzahl = n;
        }
    return minuten;
}

QByteArray KalenderText(const TProjekt& p, const TPerson& person, bool fuerEltern, TKalenderzeit zeit,
                        const QDateTime& jetzt) {
    std::vector<const TGespraech*> termine;
    const auto nehmen = [&p, &termine](const TGespraech* g) {
        if (g->Kind && g->Lehrer && Startminuten(p, g->Termin) >= 0) termine.push_back(g);
    };
    // A family reaches its conversations through its children; one run writes thousands of families.
    if (fuerEltern) {
        for (const auto& kind : static_cast<const TEltern&>(person).Kinder)
            for (const TGespraech* g : kind->Gespraeche)
                nehmen(g);
    } else {
        for (const auto& g : p.Gespraechsliste)
            if (g->Lehrer == &person) nehmen(g.get());
    }
    if (termine.empty()) return {};
    std::stable_sort(termine.begin(), termine.end(),
                     [](const TGespraech* a, const TGespraech* b) { return a->Termin < b->Termin; });

    const int dauer = Terminminuten(p);
    const QByteArray stempel = jetzt.toUTC().toString("yyyyMMdd'T'HHmmss'Z'").toLatin1();
    TKalender k;
    k.Block("BEGIN:VCALENDAR\n"
            "VERSION:2.0\n"
            "PRODID:-//VEL//Elternsprechtag//DE\n"
            "CALSCALE:GREGORIAN\n"
            "METHOD:PUBLISH");
    if (zeit == TKalenderzeit::Berlin) k.Block(Zeitzonenbeschreibung);
    for (const TGespraech* g : termine) {
        const int tag = TagVonSlot(g->Termin);
        const QDate datum = DatumAusWert(p.Datum[static_cast<size_t>(tag)]);
        const int start = Startminuten(p, g->Termin);
        // A slot that follows sooner than the usual step ends the appointment before it.
        int ende = start + dauer;
        if (g->Termin + 1 < (tag + 1) * SlotsProTag) {
            const int naechste = Startminuten(p, g->Termin + 1);
            if (naechste > start) ende = std::min(ende, naechste);
        }
        k.Block("BEGIN:VEVENT");
        k.Zeile("UID:", Uid(p, *g));
        k.Zeile("DTSTAMP:", stempel);
        k.Zeile("DTSTART", Zeitwert(Ortszeit(datum, start), zeit));
        k.Zeile("DTEND", Zeitwert(Ortszeit(datum, ende), zeit));
        k.Textzeile("SUMMARY", Titel(*g, fuerEltern));
        k.Textzeile("LOCATION", RaumAmTag(g->Lehrer->Raum, tag));
        if (g->KindKommtMit()) k.Textzeile("DESCRIPTION", g->Kind->Vorname + QStringLiteral(" kommt mit."));
        k.Block("END:VEVENT");
    }
    k.Block("END:VCALENDAR");
    return k.Text;
}
