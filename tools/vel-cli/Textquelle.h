#pragma once

#include "exchange/Textimport.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

class QCommandLineParser;

// How the import commands read a text file: the options that only a text file takes, its encoding and
// header line as the import dialog decides them, and what was read, told before anything is imported.

QList<QCommandLineOption> Textoptionen();

// Reads the file in the encoding and with the header line the options ask for, or as detected, and
// says which were taken. False with a message when the file cannot be read or holds no records.
bool TextLesen(const QString& pfad, const QCommandLineParser& parser, TTextimport& datei);
// The assignment of the --feld options; false with a message for an unknown target or column.
bool Zuordnen(const QCommandLineParser& parser, const TTextimport& datei, bool lehrer, TFeldzuordnung& z);
// The first names as read, and a warning when fields read better in another encoding.
void Vorschau(const TTextimport& datei, const TFeldzuordnung& z, bool lehrer);
