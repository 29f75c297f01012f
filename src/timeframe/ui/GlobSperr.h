#pragma once

#include "timeframe/Verfuegbarkeit.h"

#include <QDialog>
#include <functional>

class QButtonGroup;
class QPushButton;
class TMeldung;

// Chooses how and for whom the times of everybody are blocked or freed; "Zeiten" accepts it once the
// chosen group has anybody in it.
class TGlobSperrF : public QDialog {
    Q_OBJECT
public:
    TGlobSperrF(bool lehrerLeer, bool elternLeer, TMeldung& meldungen, std::function<void()> hilfe,
                QWidget* eltern = nullptr);

    QButtonGroup* Modus;
    QButtonGroup* Zielgruppe;
    QPushButton* ZeitenBtn;

    TGlobalModus GewaehlterModus() const;
    TZielgruppe GewaehlteGruppe() const;
    // The mode's name as the blocking dialog's caption uses it, and the chosen group's item text.
    QString Modustext() const;
    QString Gruppentext() const;

private:
    void ZeitenClick();

    bool LehrerLeer;
    bool ElternLeer;
    TMeldung& Meldungen;
};
