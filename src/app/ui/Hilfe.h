#pragma once

#include "ui/Hilfekontext.h"

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <memory>

class QHelpEngine;
class QWidget;
class THilfeFenster;

// The handbook: a Qt help collection with its one window. The engine works on a copy in a folder of the
// user's, because it writes the full-text index beside the collection, and the installed one may be
// read-only.
class THilfe : public QObject {
    Q_OBJECT
public:
    // sammlung: the installed collection (.qhc), empty when none was found.
    THilfe(const QString& sammlung, const QString& arbeitsordner, QObject* eltern = nullptr);
    ~THilfe() override;

    bool Geoeffnet() const { return Engine != nullptr; }
    QHelpEngine& HelpEngine() const { return *Engine; }
    QUrl Startseite() const;
    // The page of a context; empty when the handbook has none.
    QUrl Seite(Hilfekontext kontext) const;

    // The window, made on first use.
    THilfeFenster* Fenster();
    // Shows the window above the window vorne belongs to, which may be a modal dialog: the help then
    // stays usable while the dialog waits. A window already shown keeps its place.
    void Zeigen(QWidget* vorne);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void Besitzer(QWidget* fenster);

    std::unique_ptr<QHelpEngine> Engine;
    std::unique_ptr<THilfeFenster> HilfeFenster;
    QString Namensraum;
    QPointer<QWidget> BesitzerFenster;
};

// The installed collection beside the program or in the data folder of its prefix; empty when neither
// holds one.
QString HandbuchSuchen(const QString& programmordner);
