#pragma once

#include "ui/Befehlsgruppe.h"

class QWidget;
class THilfe;

// The help menu: the handbook with its contents and index, the page of news and the info window;
// available at all times. F1 anywhere in the program opens the handbook at the page of the window or
// dialog in front, and the dialogs' help buttons do the same.
class THilfeBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    // The handbook and the news page lie in the program's folder or in its prefix's data folder.
    THilfeBefehle(const TBefehlsumgebung& umgebung, const QString& programmordner, QObject* eltern);

    void Anschliessen(QAction* aktion, void (THilfeBefehle::*handler)());

    void Inhalt1Click();
    void Index1Click();
    void NeuindieserVersion1Click();
    void Info1Click();

    // The page of the window or dialog that has the focus.
    void KontextZeigen();
    // The page of the context von or of its nearest parent that names one.
    void KontextZeigen(QWidget* von);

    // The handbook, opened on first use; null with a message when it is not installed.
    THilfe* Handbuch();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void DateiZeigen(const QString& datei, const QString& beschreibung);

    const QString& Programmordner;
    THilfe* Hilfe = nullptr;
};
