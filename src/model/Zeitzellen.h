#pragma once

#include "Zeiten.h"

#include <QString>
#include <QStringList>
#include <array>

// The slot times as the user types and the files keep them: one text "hh:nn" per slot, empty where
// the frame has no slot.
using TZeitZellen = std::array<QString, SlotAnzahl>;
using TTagesZellen = std::array<QString, SlotsProTag>;

// Reads "h", "h:m" or "h:m:s" as seconds since midnight; -1 when it is no time of day.
int SekundenAusText(const QString& text);
// "hh:nn" of the seconds since midnight.
QString ZeitAusSekunden(int sekunden);

// Normalises a typed time to "hh:nn": "8" gives "08:00", "8.15" gives "08:15". An invalid time gives
// an empty text; in strict mode *fehler is set as well.
QString ZeitNormieren(const QString& text, bool streng, bool* fehler = nullptr);

// The default frame of new projects is kept as twelve texts of eight times joined by ",".
std::array<QString, 12> ZeitVorgabeTexte(const TZeitZellen& zeiten);
TZeitZellen ZeitenAusVorgabe(const QStringList& texte);
