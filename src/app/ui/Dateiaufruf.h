#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

class TVELWnd;

// Files named outside the program: on its command line, or by a later start that hands them to the
// running program (a double click in the file manager). A project opens as through "Projekt öffnen...",
// a teacher file is offered for the teacher import of the open project.
class TDateiaufruf : public QObject {
    Q_OBJECT
public:
    explicit TDateiaufruf(TVELWnd& fenster);

    // The file arguments of a command line as absolute paths, relative ones taken from ordner.
    static QStringList Dateien(const QStringList& argumente, const QString& ordner);

    // Files of the program's own command line, before the window is shown: a project among them takes
    // the place of the last project, which is then not opened.
    void Vormerken(const QStringList& dateien);
    // Files a later start handed over.
    void Oeffnen(const QStringList& dateien);

private:
    void Abarbeiten();

    TVELWnd& Fenster;
    QStringList Wartend;
    QTimer Takt;
    bool Laeuft = false;
};
