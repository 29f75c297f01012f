#pragma once

#include "ui/Befehlsgruppe.h"

class TVersionsabruf;
struct TVersionsantwort;

// "Auf Update prüfen...": asks the publisher's server for the current version and tells the user
// whether a newer one exists.
class TUpdateBefehle : public TBefehlsgruppe {
    Q_OBJECT
public:
    TUpdateBefehle(const TBefehlsumgebung& umgebung, QObject* eltern);

    void Anschliessen(QAction* aktion, void (TUpdateBefehle::*handler)());

    // Starts the check and returns; the answer comes as a message once the server replied or the
    // time limit passed. A second call while one runs is ignored.
    void VerTest1Click();

    int ZeitlimitMs = 5000;

private:
    void Beantwortet(const TVersionsantwort& antwort);

    TVersionsabruf* Abruf;
};
