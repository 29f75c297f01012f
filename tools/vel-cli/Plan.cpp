#include "Aufruf.h"
#include "Befehle.h"
#include "Konsole.h"

#include "model/Projekt.h"
#include "scheduler/Lauf.h"
#include "scheduler/Termin.h"

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>
#include <array>
#include <unistd.h>

namespace {

// The phases at which --cancel-after stops the run, and the progress texts that announce them.
struct TPhase {
    const char* Name;
    const char* Ankuendigung;
};

const TPhase Phasen[] = {
    {"vorbereitung", ""},
    {"verteilung", "Terminsuche..."},
    {"nachplatzieren", "Suche für noch nicht terminierte Gespräche"},
    {"eltern", "Optimierung der Termine für Eltern"},
    {"lehrer", "Optimierung der Termine für Lehrer"},
};

// Shows the progress on one terminal line and cancels at the first poll of the chosen phase.
class TKonsolenBeobachter : public TLaufBeobachter {
public:
    TKonsolenBeobachter(bool anzeigen, const char* abbruchBei)
        : Anzeigen(anzeigen)
        , AbbruchBei(abbruchBei) {}

    void Balken(int balken, int prozent) override {
        Prozent[static_cast<size_t>(balken)] = prozent;
        Zeigen();
    }
    void Text(TLaufText label, const QString& text) override {
        if (label == TLaufText::Label4) Phase = text;
        if (label == TLaufText::Label5) Durchgang = text;
        if (AbbruchBei && (label == TLaufText::Label3 || label == TLaufText::Label4) &&
            text == QString::fromUtf8(AbbruchBei))
            AbbruchFaellig = true;
        Zeigen();
    }
    bool Abbruch() override { return AbbruchFaellig; }
    void Abgebrochen(const QString& meldung) override { Meldung = meldung; }

    bool AbbruchFaellig = false;
    QString Meldung;

    void Schliessen() {
        if (Anzeigen) QTextStream(stderr) << '\n';
    }

private:
    bool Anzeigen;
    const char* AbbruchBei;
    std::array<int, 3> Prozent{};
    QString Phase;
    QString Durchgang;

    void Zeigen() {
        if (!Anzeigen) return;
        QTextStream(stderr) << QStringLiteral(
                                   "\r\x1b[KVorbereitung %1%  Verteilung %2%  Verbesserung %3%  %4 %5")
                                   .arg(Prozent[0])
                                   .arg(Prozent[1])
                                   .arg(Prozent[2])
                                   .arg(Durchgang, Phase)
                            << Qt::flush;
    }
};

void Zusammenfassung(TProjekt& p, const TLaufErgebnis& ergebnis) {
    int terminiert = 0;
    int offen = 0;
    int unmoeglich = 0;
    for (const auto& g : p.Gespraechsliste) {
        if (g->Termin >= 0) ++terminiert;
        if (g->Termin == TerminOffen) ++offen;
        if (g->Termin == TerminUnmoeglich) ++unmoeglich;
    }
    TTerminierung t(p);
    int lueckenEltern = 0;
    int zweiTage = 0;
    for (const auto& e : p.Elternliste) {
        lueckenEltern += t.Luecken(e->Zeiten, true);
        if (p.ZweiTage && t.ErsterTermin(e->Zeiten, 0) != KeinSlot &&
            t.ErsterTermin(e->Zeiten, SlotsProTag) != KeinSlot)
            ++zweiTage;
    }
    int lueckenLehrer = 0;
    for (const auto& l : p.Lehrerliste)
        lueckenLehrer += t.Luecken(l->Zeiten, false);

    QTextStream aus(stdout);
    aus << "Gespräche: " << p.Gespraechsliste.Count() << '\n'
        << "terminiert: " << terminiert << '\n'
        << "nicht terminiert (-2): " << offen << '\n'
        << "unmöglich (-1): " << unmoeglich << '\n'
        << "Lücken der Familien: " << lueckenEltern << '\n'
        << "Lücken der Lehrer: " << lueckenLehrer << '\n'
        << "Familien an zwei Tagen: " << zweiTage << '\n'
        << "Laufzeit: " << QString::number(p.Laufzeit * 86400000.0, 'f', 1) << " ms\n";
    if (ergebnis.Abgebrochen) {
        QString meldung = ergebnis.Abbruchmeldung;
        aus << "Abgebrochen: " << meldung.replace(u'\r', u' ') << '\n';
    }
}

} // namespace

int BefehlPlan(const QStringList& argumente) {
    QTextStream fehler(stderr);
    const QString aufruf = QStringLiteral("Aufruf: vel-cli plan DATEI [-o AUS] [--abbrechen-nach "
                                          "vorbereitung|verteilung|nachplatzieren|eltern|lehrer]");
    const QCommandLineOption ausgabe({"o", "ausgabe"}, QString::fromUtf8("Schreibt das Projekt mit dem Plan"),
                                     "AUS");
    const QCommandLineOption abbrechen({"abbrechen-nach", "cancel-after"},
                                       QString::fromUtf8("Bricht den Lauf nach diesem Abschnitt ab, wie der "
                                                         "Abbrechen-Knopf"),
                                       "ABSCHNITT");
    QCommandLineParser parser;
    if (const int status = Zerlegen(parser, aufruf,
                                    QString::fromUtf8("Berechnet die Termine eines Projekts wie der Befehl "
                                                      "\"Termine berechnen\"."),
                                    {ausgabe, abbrechen}, argumente, 1);
        status >= 0)
        return status;
    const QString datei = parser.positionalArguments().constFirst();
    const QString ziel = parser.value(ausgabe);
    const TPhase* abbruch = nullptr;
    if (parser.isSet(abbrechen)) {
        for (const TPhase& phase : Phasen)
            if (parser.value(abbrechen) == QLatin1String(phase.Name)) abbruch = &phase;
        if (!abbruch) {
            fehler << QString::fromUtf8("Ungültiger Wert für %1: %2\n")
                          .arg(Geschrieben(abbrechen, argumente), parser.value(abbrechen))
                   << aufruf << '\n';
            return 2;
        }
    }
    TProjekt p;
    if (!ProjektFuerBefehl(datei, p)) return 2;
    TKonsolenMeldung meldung;
    ProjektPruefen(p, meldung);

    TKonsolenBeobachter beobachter(isatty(STDERR_FILENO), abbruch ? abbruch->Ankuendigung : nullptr);
    beobachter.AbbruchFaellig = abbruch && !*abbruch->Ankuendigung;
    const TLaufErgebnis ergebnis = Lauf(p, beobachter);
    beobachter.Schliessen();
    // What the command does after every run: the note-pad mark; without a window there is no undo.
    p.NotizHaken[6] = true; // "Termine berechnet"
    Zusammenfassung(p, ergebnis);

    if (!ziel.isEmpty()) {
        QString text;
        if (!ProjektSpeichern(p, ziel, text)) {
            fehler << text << '\n';
            return 3;
        }
    }
    return ergebnis.Abgebrochen ? 1 : 0;
}
