#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

class QCommandLineParser;

// What the commands share for their options: German names with the English ones as aliases, and
// messages that name what the user typed.

// The choice of the lists' kind that the output commands share.
QCommandLineOption ElternOption();
QCommandLineOption LehrerOption();
// Exactly one kind of lists and an output (the option ausgabe): otherwise names the mistake and the usage
// on standard error and returns false.
bool ArtUndAusgabeGegeben(const QCommandLineParser& parser, const QCommandLineOption& ausgabe,
                          const QString& aufruf, const QStringList& argumente);

// "-o" or "--familien" for an option name.
QString Schalter(const QString& name);
// The option name in an argument such as "--tage=2" or "-o".
QString Name(const QString& argument);
// What the user typed for an option, so that a message names what is on the command line.
QString Geschrieben(const QCommandLineOption& option, const QStringList& argumente);
// One line per option for a help text (QCommandLineParser's own texts are English).
QString Optionszeilen(const QList<QCommandLineOption>& optionen);
// Names the argument the parser stumbled over: an unknown option, an option without its value at the
// end, or a switch given a value.
QString Fehlermeldung(const QCommandLineParser& parser, const QStringList& argumente,
                      const QList<QCommandLineOption>& optionen);

// Parses a command's arguments with its options and a help option: answers --hilfe with the usage, the
// description and the options, and names a wrong option or a missing argument. Returns -1 when the
// command goes on, otherwise its exit status (0 after the help, 2 after a wrong call).
int Zerlegen(QCommandLineParser& parser, const QString& aufruf, const QString& beschreibung,
             QList<QCommandLineOption> optionen, const QStringList& argumente, qsizetype positionale);
