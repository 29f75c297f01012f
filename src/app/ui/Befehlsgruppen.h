#pragma once

class TAnmerkBefehle;
class TAnredeBefehle;
class TAustauschBefehle;
class TDruckBefehle;
class TFamilienBefehle;
class TGespraechBefehle;
class THandBefehle;
class THilfeBefehle;
class TLayoutBefehle;
class TNeuBefehle;
class TNotizBefehle;
class TLehrerBefehle;
class TProjektBefehle;
class TRahmenBefehle;
class TRaumBefehle;
class TRtfBefehle;
class TSchulBefehle;
class TSperrBefehle;
class TTelefonBefehle;
class TTerminBefehle;
class TUebersichtBefehle;
class TVorschauBefehle;
class TUpdateBefehle;

// The command groups the main window puts together: a new feature adds its group here, creates it in
// TVELWnd::GruppenAnlegen as a child of the window (which updates every child group's commands) and
// names its handlers in the command table.
struct TBefehlsgruppen {
    THilfeBefehle* Hilfe = nullptr;
    TProjektBefehle* Projektdateien = nullptr;
    TRahmenBefehle* Rahmen = nullptr;
    TTerminBefehle* Termine = nullptr;
    TDruckBefehle* Druck = nullptr;
    TUebersichtBefehle* Uebersichten = nullptr;
    TSperrBefehle* Sperren = nullptr;
    TRaumBefehle* Raeume = nullptr;
    TSchulBefehle* Schulbefehle = nullptr;
    TFamilienBefehle* Familienbefehle = nullptr;
    TLehrerBefehle* Lehrerbefehle = nullptr;
    TGespraechBefehle* Gespraechbefehle = nullptr;
    THandBefehle* Hand = nullptr;
    TAustauschBefehle* Austausch = nullptr;
    TAnredeBefehle* Anreden = nullptr;
    TLayoutBefehle* Layout = nullptr;
    TAnmerkBefehle* Anmerkungen = nullptr;
    TRtfBefehle* Rtf = nullptr;
    TVorschauBefehle* Vorschau = nullptr;
    TTelefonBefehle* Telefon = nullptr;
    TUpdateBefehle* Update = nullptr;
    TNotizBefehle* Notiz = nullptr;
    TNeuBefehle* Neu = nullptr;
};
