#include "Aufruf.h"
#include "Befehle.h"
#include "JsonSchreiber.h"
#include "Konsole.h"

#include "model/Projekt.h"
#include "output/Statistik.h"

#include <QCommandLineParser>
#include <QTextStream>

int BefehlStatistik(const QStringList& argumente) {
    const QCommandLineOption json(
        QStringLiteral("json"),
        QString::fromUtf8("Gibt die Werte als JSON aus, benannt wie im Statistikfenster"));
    QCommandLineParser parser;
    if (const int status = Zerlegen(
            parser, QStringLiteral("Aufruf: vel-cli statistik PROJEKTDATEI [--json]"),
            QString::fromUtf8("Zeigt die Statistik eines Projekts: Eingaben, gesetzte Termine und die "
                              "Erfolgsquote, wie das Statistikfenster sie berechnet."),
            {json}, argumente, 1);
        status >= 0)
        return status;
    TProjekt p;
    if (!ProjektFuerBefehl(parser.positionalArguments().constFirst(), p)) return 2;
    const TStatistik s = StatistikBerechnen(p);

    QTextStream aus(stdout);
    if (parser.isSet(json)) {
        TJsonSchreiber j(false);
        j.ObjektAnfang();
        for (const auto& [name, wert] :
             {std::pair{"EZahl", s.EZahl}, {"KZahl", s.KZahl}, {"LZahl", s.LZahl}, {"GZahl", s.GZahl}})
            j.Schluessel(name).Wert(wert);
        for (const auto& [name, wert] :
             {std::pair{"mGE", s.mGE}, {"mGK", s.mGK}, {"mGL", s.mGL}, {"RZeit", s.RZeit}})
            j.Schluessel(name).Wert(wert);
        for (const auto& [name, wert] : {std::pair{"keinT", s.keinT},
                                         {"unmT", s.unmT},
                                         {"zuvT", s.zuvT},
                                         {"maxF", s.maxF},
                                         {"AnzG", s.AnzG}})
            j.Schluessel(name).Wert(wert);
        j.Schluessel("Quote");
        if (s.Quote)
            j.Wert(*s.Quote);
        else
            j.Null();
        j.ObjektEnde();
        aus << QString::fromUtf8(j.Ergebnis()) << '\n';
        return 0;
    }
    for (const TStatistikzeile& z : Statistikzeilen(s))
        aus << z.Text << (z.Wert.isEmpty() ? QString() : u' ' + z.Wert) << '\n';
    if (!Rechenzeittext(s).isEmpty()) aus << Rechenzeittext(s) << '\n';
    return 0;
}
