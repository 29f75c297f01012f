#pragma once

#include "ui/Befehlsgruppe.h"

// The help menu: help file, the page of news and the info window; available at all times.
class THilfeBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    // The help file and the news page lie in the program's folder.
    THilfeBefehle(const TBefehlsumgebung& umgebung, const QString& programmordner, QObject* eltern);

    void Anschliessen(QAction* aktion, void (THilfeBefehle::*handler)());

    void Inhalt1Click();
    void Index1Click();
    void NeuindieserVersion1Click();
    void Info1Click();

private:
    void DateiZeigen(const QString& datei, const QString& beschreibung);

    const QString& Programmordner;
};
