#pragma once

#include "Generator.h"
#include "scheduler/Lauf.h"

#include <QString>
#include <QStringList>

class TProjekt;

// Everything a run may change, as text, so that two plans compare in one line; the work counters
// of the persons only when asked for.
QString PlanAbbild(const TProjekt& p, bool mitZaehlern = true);
// The first line in which two plans differ, or empty.
QString ErsterUnterschied(const QString& a, const QString& b);

enum class TVorbelegung { Keine, Naegel, NaegelUeberGrenze };

// A generated project with the given scheduler settings, with extra blocks and hand-set appointments, most
// of them nailed; only NaegelUeberGrenze lets them make runs longer than the block limits.
void ProjektAufbauen(TProjekt& p, const TGeneratorOptionen& o, int grenzeLehrer, int grenzeEltern, bool tag1,
                     TVorbelegung vorbelegung);

// The nailed appointments and the blocked slots, to compare before and after a run.
QString NaegelUndSperren(const TProjekt& p);

// Records what a run reports and cancels at the chosen poll.
class TProtokoll : public TLaufBeobachter {
public:
    // Cancel at the n-th poll after `phase` was shown in Label3 or Label4 (or from the start when empty).
    QString AbbruchPhase;
    int AbbruchNach = -1;

    QStringList Texte;
    QStringList Status;
    QList<int> Balken0;
    int Abfragen = 0;
    bool IstFertig = false;
    QString Meldung;

    void Balken(int balken, int prozent) override;
    void Text(TLaufText label, const QString& text) override;
    void Statuszeile(const QString& text) override { Status << text; }
    bool Abbruch() override;
    void Fertig() override { IstFertig = true; }
    void Abgebrochen(const QString& meldung) override { Meldung = meldung; }

private:
    bool PhaseErreicht = false;
    int SeitPhase = 0;
};
