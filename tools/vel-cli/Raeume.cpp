#include "Aufruf.h"
#include "Befehle.h"
#include "Konsole.h"

#include "model/Projekt.h"
#include "rooms/Doppelbelegung.h"
#include "rooms/RaumZeitplan.h"

#include <QCommandLineParser>
#include <QSaveFile>
#include <QTextStream>

int BefehlRaeume(const QStringList& argumente) {
    const QCommandLineOption csv(
        QStringLiteral("csv"),
        QString::fromUtf8("Schreibt die Raumbelegung als csv-Tabelle in diese Datei, "
                          "bei zwei Tagen beide nebeneinander"),
        QStringLiteral("AUSGABE"));
    QCommandLineParser parser;
    if (const int status = Zerlegen(
            parser, QStringLiteral("Aufruf: vel-cli raeume PROJEKTDATEI [--csv AUSGABE]"),
            QString::fromUtf8("Listet die Raumkonflikte eines Projekts, einen je Zeile: zwei Lehrkräfte zur "
                              "selben Zeit im selben Raum. Rückgabe 1 bei Konflikten, 2 bei einem Fehler."),
            {csv}, argumente, 1);
        status >= 0)
        return status;
    TProjekt p;
    if (!ProjektFuerBefehl(parser.positionalArguments().constFirst(), p)) return 2;

    QTextStream fehler(stderr);
    RaumplanVorbereiten(p);
    for (const auto& l : p.Lehrerliste)
        if (l->HatTermin && l->Raum.isEmpty())
            fehler << QString::fromUtf8("Hinweis: %1 (%2) hat Termine, aber keinen Raum.\n")
                          .arg(l->Anschrift(false), l->Kuerzel);

    const std::vector<TRaumkonflikt> konflikte = RaumkonflikteFinden(p);
    QTextStream aus(stdout);
    for (const TRaumkonflikt& k : konflikte)
        aus << QStringLiteral("Raumkonflikt: %1 in \"%2\": %3 und %4\n")
                   .arg(k.Zeit, k.Raum, k.Lehrer1, k.Lehrer2);
    if (konflikte.empty()) aus << QStringLiteral("Keine Raumkonflikte.\n");
    aus.flush();

    if (parser.isSet(csv)) {
        const QString ziel = parser.value(csv);
        if (p.RaumListe.Raeume().isEmpty()) {
            fehler << QString::fromUtf8("Es sind noch keine Räume festgelegt; %1 wird nicht geschrieben.\n")
                          .arg(ziel);
            return 2;
        }
        const TRaumplan plan = RaumplanBauen(p, Tagesansicht(p, std::nullopt));
        QSaveFile datei(ziel);
        if (!datei.open(QIODevice::WriteOnly) || datei.write(RaumplanCsv(plan)) < 0 || !datei.commit()) {
            fehler << QString::fromUtf8("Die Datei %1 kann nicht geschrieben werden: %2\n")
                          .arg(ziel, datei.errorString());
            return 2;
        }
    }
    return konflikte.empty() ? 0 : 1;
}
