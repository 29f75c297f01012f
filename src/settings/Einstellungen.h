#pragma once

#include "model/Zeitzellen.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class TEinstellungsSpeicher;
class TProjekt;
struct TListenlayout;

// Program settings that outlive a project (key "Optionen").
struct TProgrammwerte {
    bool ZeitMaus = false;
    bool ZeitSplash = false;
    bool Notiz = false;
    bool autoAnmerk = false;
    QString ProjektPfad;
    QString ImportPfad;
    bool DateiLaden = false;
    QString StartDatei;
    bool DblClickLehrer = false;
    bool AutoSpeichern = true;
    uint32_t AutoSpeichZeit = 5; // minutes
    bool LatKlBez = false;
    uint32_t colFrei = 65280;
    uint32_t colPause = 65535;
    uint32_t colNicht = 255;
};

// What the options dialog edits: its program page and the scheduling values of the open project.
struct TOptionswerte {
    QString ProjektPfad;
    QString ImportPfad;
    bool DateiLaden = false;
    bool AutoSpeichern = true;
    uint32_t AutoSpeichZeit = 5;
    bool LatKlBez = false;
    uint16_t MaximalBlock = 6;
    uint16_t MaximalBlock_El = 4;
    bool BitteTag1 = true;
};

// What taking over the options changed, beyond the values themselves.
struct TOptionsAenderung {
    bool Terminwerte = false; // block lengths or preferred day of the open project: plan afresh
    bool Sicherung = false;   // automatic backup switched or its interval changed
};

// Defaults of new projects for the scheduler and the family list.
struct TTerminwerte {
    uint16_t MaximalBlock = 6;
    uint16_t MaximalBlock_El = 4;
    bool BitteTag1 = true;
    bool AlleAnzeigen = false;
    uint8_t SortierKrit = 192;
};

// The default time frame of new projects (key "Zeiten").
struct TRahmenVorgabe {
    int Abstand = 15;
    TZeitZellen Zeiten;
};

// Column assignment of the text import (keys "ImportL" and "ImportE").
struct TImportVorgabe {
    uint32_t DateiTyp = 0;
    uint32_t ASCII = 0;
    std::array<int32_t, 6> Spalte{-1, -1, -1, -1, -1, -1};
    std::array<QString, 6> Titel;
};

TProgrammwerte ProgrammwerteLesen(const TEinstellungsSpeicher& speicher, const QString& programmordner);
// The five values of the options dialog's program page.
void ProgrammwerteSchreiben(TEinstellungsSpeicher& speicher, const TProgrammwerte& werte);
void ProgrammwertSchreiben(TEinstellungsSpeicher& speicher, const QString& name, bool wert);
void ProgrammtextSchreiben(TEinstellungsSpeicher& speicher, const QString& name, const QString& wert);

TTerminwerte TerminwerteLesen(const TEinstellungsSpeicher& speicher);
void TerminwerteSchreiben(TEinstellungsSpeicher& speicher, uint16_t maximalBlock, uint16_t maximalBlockEl,
                          bool bitteTag1);

// Takes the options into the program values, the open project (null when none) and the store; each
// group of values is written only when one of them differs. The class names follow into the project,
// the scheduling values only with a project.
TOptionsAenderung OptionenUebernehmen(TEinstellungsSpeicher& speicher, TProgrammwerte& programm,
                                      TProjekt* projekt, const TOptionswerte& werte);

// Built-in defaults first, then whatever the store holds.
void LayoutAusRegistry(const TEinstellungsSpeicher& speicher, TListenlayout& layout);
// The conversation-list layout as defaults of future projects.
void LayoutInRegistry(TEinstellungsSpeicher& speicher, const TListenlayout& layout);
// The other lists' format as defaults of future projects.
void ListenFormatInRegistry(TEinstellungsSpeicher& speicher, const TListenlayout& layout);

std::optional<TRahmenVorgabe> RahmenVorgabeLesen(const TEinstellungsSpeicher& speicher);
void RahmenVorgabeSchreiben(TEinstellungsSpeicher& speicher, const TRahmenVorgabe& vorgabe);

// art: "ImportL" or "ImportE".
TImportVorgabe ImportVorgabeLesen(const TEinstellungsSpeicher& speicher, const QString& art);
void ImportVorgabeSchreiben(TEinstellungsSpeicher& speicher, const QString& art,
                            const TImportVorgabe& vorgabe);
