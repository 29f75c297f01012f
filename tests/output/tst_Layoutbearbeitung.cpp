#include "Pdfwoerter.h"
#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "model/Logo.h"
#include "model/Schuldaten.h"
#include "output/Druckschriften.h"
#include "output/Gespraechsliste.h"
#include "output/Layoutbearbeitung.h"
#include "output/Pdfliste.h"
#include "output/Schriftwahl.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <functional>

namespace {

const TSchuldaten Schule{QStringLiteral("Gymnasium Am Wall"), QStringLiteral("Wallstraße 3"),
                         QStringLiteral("28195 Bremen"), QStringLiteral("0421 1234"), QString()};

constexpr double PunkteProCm = 72 / 2.54;

// Family Maier with conversations at slots 2 and 4 of eight, teacher Müller; annotations for all
// families and for Maier alone.
struct TListe {
    TProjektBauer b;
    TEltern* maier = nullptr;
    TLehrer* mue = nullptr;

    TListe() {
        b.Rahmen(1, 8);
        TKind* anna = b.Kind("Maier", "Anna", "5a");
        maier = anna->Eltern;
        mue = b.Lehrer("MUE", "Müller");
        b.Wunsch(anna, "MUE", 2);
        b.Wunsch(anna, "SCH", 4);
        b.p.ZaehleGespraeche();
        b.p.BelegungMarkieren();
        b.p.AnmerkungAlleEltern = QStringLiteral("ALLGEMEIN");
        maier->Anmerkung = QStringLiteral("EIGENE");
    }
    TPdfSeiten Pdf(bool eltern = true) {
        const TPerson* person = eltern ? static_cast<TPerson*>(maier) : mue;
        TListenZeilen zeilen;
        ListeZusammenstellen(b.p, {person, eltern, false}, zeilen);
        return PdfLesen(ListeAlsPdf(b.p, Schule, {person, eltern, false}, zeilen));
    }
};

using TAenderung = std::function<void(TListenlayout&)>;
// What the drawn list of the changed layout shows against that of the default one.
using TPruefung = std::function<void(const TPdfSeiten& vorher, const TPdfSeiten& nachher)>;

void Verschoben(const TPdfSeiten& vorher, const TPdfSeiten& nachher, const QString& wort, double dx) {
    const TWort* a = vorher.Wort(wort);
    const TWort* b = nachher.Wort(wort);
    QVERIFY2(a && b, qPrintable(wort));
    QVERIFY2(qAbs(b->X - a->X - dx) < 1.0,
             qPrintable(QStringLiteral("%1: %2 -> %3, erwartet +%4").arg(wort).arg(a->X).arg(b->X).arg(dx)));
}

// The order of the two annotations and the first list line from the top of the page.
QString Reihenfolge(const TPdfSeiten& s) {
    QList<std::pair<double, QString>> orte;
    for (const QString& w : {QStringLiteral("ALLGEMEIN"), QStringLiteral("EIGENE"), QStringLiteral("Zeit")})
        if (const TWort* gefunden = s.Wort(w)) orte.append({gefunden->Y, w});
    std::sort(orte.begin(), orte.end());
    QStringList folge;
    for (const auto& [y, w] : orte)
        folge << (w == u"Zeit" ? QStringLiteral("Liste") : w);
    return folge.join(u' ');
}

int Zeitzeilen(const TPdfSeiten& s) {
    static const QRegularExpression uhrzeit(QStringLiteral("^\\d\\d:\\d\\d$"));
    int n = 0;
    for (const TWort& w : s.Woerter)
        if (uhrzeit.match(w.Text).hasMatch()) ++n;
    return n;
}

} // namespace

Q_DECLARE_METATYPE(TAenderung)
Q_DECLARE_METATYPE(TPruefung)
Q_DECLARE_METATYPE(TRandSeite)

class TstLayoutbearbeitung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gezeichnet_data() {
        QTest::addColumn<bool>("eltern");
        QTest::addColumn<TAenderung>("aenderung");
        QTest::addColumn<TPruefung>("pruefung");
        using A = TAenderung;
        using P = TPruefung;
        QTest::newRow("Tabulator Zeit") << true << A([](TListenlayout& l) { l.Tabulatoren[1] = 400; })
                                        << P([](const TPdfSeiten& v, const TPdfSeiten& n) {
                                               Verschoben(v, n, QStringLiteral("Zeit"), 2.11 * PunkteProCm);
                                               Verschoben(v, n, QStringLiteral("Datum"), 0);
                                           });
        QTest::newRow("Tabulator Lehrer-Kind")
            << false << A([](TListenlayout& l) { l.Tabulatoren[10] = 700; })
            << P([](const TPdfSeiten& v, const TPdfSeiten& n) {
                   Verschoben(v, n, QStringLiteral("Kind"), -1.59 * PunkteProCm);
                   Verschoben(v, n, QStringLiteral("Eltern"), 0);
               });
        QTest::newRow("linker Rand") << true << A([](TListenlayout& l) { l.Seitenraender.Links = 4.0; })
                                     << P([](const TPdfSeiten& v, const TPdfSeiten& n) {
                                            Verschoben(v, n, QStringLiteral("Datum"), 1.8 * PunkteProCm);
                                            Verschoben(v, n, QStringLiteral("Zeit"), 1.8 * PunkteProCm);
                                        });
        QTest::newRow("oberer Rand") << true << A([](TListenlayout& l) {
            l.Seitenraender.Oben = 3.4;
        }) << P([](const TPdfSeiten& v, const TPdfSeiten& n) {
            const double dy = n.Wort("Datum")->Y - v.Wort("Datum")->Y;
            QVERIFY2(qAbs(dy - 2 * PunkteProCm) < 1, qPrintable(QString::number(dy)));
        });
        QTest::newRow("Querformat") << true << A([](TListenlayout& l) { l.Ausrichtung = 1; })
                                    << P([](const TPdfSeiten& v, const TPdfSeiten& n) {
                                           QVERIFY(v.Breite < 600);
                                           QVERIFY(n.Breite > 800);
                                       });
        QTest::newRow("Titel gesperrt groß") << true << A([](TListenlayout& l) {
            l.Titel = QStringLiteral("Sprechtag");
        }) << P([](const TPdfSeiten&, const TPdfSeiten& n) {
            QVERIFY2(n.Text().contains(QStringLiteral("S P R E C H T A G 2027")), qPrintable(n.Text()));
        });
        QTest::newRow("Titel schlicht") << true << A([](TListenlayout& l) {
            l.Titel = QStringLiteral("Sprechtag");
            l.TitelGross = false;
            l.TitelGesperrt = false;
        }) << P([](const TPdfSeiten&, const TPdfSeiten& n) { QVERIFY(n.Wort(QStringLiteral("Sprechtag"))); });
        QTest::newRow("Titel nur gesperrt") << true << A([](TListenlayout& l) {
            l.Titel = QStringLiteral("Tag");
            l.TitelGross = false;
        }) << P([](const TPdfSeiten&, const TPdfSeiten& n) {
            QVERIFY(n.Text().contains(QStringLiteral("T a g 2027")));
        });
        const char* folgen[] = {"ALLGEMEIN EIGENE Liste", "EIGENE ALLGEMEIN Liste", "EIGENE Liste ALLGEMEIN",
                                "ALLGEMEIN Liste EIGENE", "Liste ALLGEMEIN EIGENE", "Liste EIGENE ALLGEMEIN"};
        for (int code = 0; code < 6; ++code) {
            const QString folge = QString::fromLatin1(folgen[code]);
            QTest::addRow("Anmerkungen %d", code)
                << true << A([code](TListenlayout& l) { l.NachrPosE = code; })
                << P([folge](const TPdfSeiten&, const TPdfSeiten& n) { QCOMPARE(Reihenfolge(n), folge); });
        }
        // Slots 0 to 7, conversations at 2 and 4.
        const std::pair<int, int> leerzeilen[] = {{0, 2}, {1, 8}, {2, 3}};
        for (const auto& [wert, zeilen] : leerzeilen)
            QTest::addRow("Leerzeilen %d", wert)
                << true << A([wert](TListenlayout& l) { l.Eltern_Leerzeilen = wert; })
                << P([zeilen](const TPdfSeiten&, const TPdfSeiten& n) { QCOMPARE(Zeitzeilen(n), zeilen); });
        QTest::newRow("Schrift Arial")
            << true << A([](TListenlayout& l) { l.Schriftart = QStringLiteral("Arial"); })
            << P([](const TPdfSeiten& v, const TPdfSeiten& n) {
                   QVERIFY2(v.Schriften.contains(QStringLiteral("VELSerif")), qPrintable(v.Schriften));
                   QVERIFY2(n.Schriften.contains(QStringLiteral("VELSans")), qPrintable(n.Schriften));
                   QVERIFY(!n.Schriften.contains(QStringLiteral("VELSerif")));
               });
        QTest::newRow("Schriftgröße 16")
            << true << A([](TListenlayout& l) { l.Schriftgroesse = 16; })
            << P([](const TPdfSeiten& v, const TPdfSeiten& n) {
                   const auto abstand = [](const TPdfSeiten& s) {
                       const TWort* zeile = s.Wort(QStringLiteral("EIGENE"));
                       const TWort* kopf = s.Wort(QStringLiteral("ALLGEMEIN"));
                       return zeile && kopf ? zeile->Y - kopf->Y : 0.0;
                   };
                   QVERIFY2(abstand(v) > 0, qPrintable(v.Text()));
                   QVERIFY2(abstand(n) > abstand(v) * 1.25,
                            qPrintable(QStringLiteral("%1 %2").arg(abstand(v)).arg(abstand(n))));
               });
    }
    // Each change of the layout shows in the list as drawn.
    void gezeichnet() {
        QFETCH(bool, eltern);
        QFETCH(TAenderung, aenderung);
        QFETCH(TPruefung, pruefung);
        TListe liste;
        const TPdfSeiten vorher = liste.Pdf(eltern);
        aenderung(liste.b.p.Listenlayout);
        const TPdfSeiten nachher = liste.Pdf(eltern);
        QVERIFY(!vorher.Woerter.isEmpty());
        pruefung(vorher, nachher);
    }

    // Every field the dialog edits, changed and given up again, is as it was.
    void verwerfenStelltHer() {
        TListenlayout layout;
        layout.LogoArt = LogoPng;
        layout.Logo = QImage(2, 2, QImage::Format_RGB32);
        const TListenlayout anfang = layout;
        TLayoutArbeitskopie kopie(layout);
        QVERIFY(!kopie.Geaendert());
        const QList<TAenderung> aenderungen = {
            [](TListenlayout& l) { l.MitNummer = 3; },
            [](TListenlayout& l) { l.Eltern_Leerzeilen = 0; },
            [](TListenlayout& l) { l.Lehrer_Leerzeilen = 2; },
            [](TListenlayout& l) { l.EinzellistenProTagE = true; },
            [](TListenlayout& l) { l.EinzellistenProTagL = true; },
            [](TListenlayout& l) { l.HinweisAlleTerminiertE = false; },
            [](TListenlayout& l) { l.HinweisAlleTerminiertL = false; },
            [](TListenlayout& l) { l.PauseDrucken = false; },
            [](TListenlayout& l) { l.TelefonNichtTerminiert = true; },
            [](TListenlayout& l) { l.TelefonImmer = true; },
            [](TListenlayout& l) { l.UeberschriftKursiv = true; },
            [](TListenlayout& l) { l.UeberschriftWunsch = QStringLiteral("W"); },
            [](TListenlayout& l) { l.UeberschriftOhneTermin = QStringLiteral("O"); },
            [](TListenlayout& l) { l.NachrPosE = 4; },
            [](TListenlayout& l) { l.NachrPosL = 5; },
            [](TListenlayout& l) { l.Datumsformat = 1; },
            [](TListenlayout& l) { l.Titel = QStringLiteral("Sprechtag"); },
            [](TListenlayout& l) { l.TitelGross = false; },
            [](TListenlayout& l) { l.TitelGesperrt = false; },
            [](TListenlayout& l) { l.Schriftart = QStringLiteral("Arial"); },
            [](TListenlayout& l) { l.Schriftgroesse = 9; },
            [](TListenlayout& l) { l.Tabulatoren[16] = 1700; },
            [](TListenlayout& l) { l.Seitenraender.Unten = 2.5; },
            [](TListenlayout& l) { l.Ausrichtung = 1; },
            [](TListenlayout& l) { l.MitLogo = true; },
            [](TListenlayout& l) { l.SchulnameAusblenden = true; },
            [](TListenlayout& l) { l.LogoDatei = QStringLiteral("/logo.png"); },
            [](TListenlayout& l) { l.Logo.fill(Qt::red); },
            [](TListenlayout& l) { LogoVerwerfen(l); },
        };
        for (qsizetype i = 0; i < aenderungen.size(); ++i) {
            aenderungen[i](layout);
            QVERIFY2(kopie.Geaendert(), qPrintable(QString::number(i)));
            kopie.Verwerfen();
            QVERIFY2(LayoutGleich(layout, anfang), qPrintable(QString::number(i)));
        }
        for (const TAenderung& a : aenderungen)
            a(layout);
        kopie.Verwerfen();
        QVERIFY(LayoutGleich(layout, anfang));
        QCOMPARE(layout.Tabulatoren, anfang.Tabulatoren);
        QCOMPARE(layout.Titel, anfang.Titel);
        QCOMPARE(layout.LogoArt, anfang.LogoArt);
    }

    // Taking a change over makes it the state a later cancel returns to.
    void festhalten() {
        TListenlayout layout;
        TLayoutArbeitskopie kopie(layout);
        layout.Titel = QStringLiteral("Sprechtag");
        kopie.Festhalten();
        QVERIFY(!kopie.Geaendert());
        layout.Titel = QStringLiteral("Anders");
        kopie.Verwerfen();
        QCOMPARE(layout.Titel, QStringLiteral("Sprechtag"));
    }

    void tabulatorEingabe_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<int>("wert");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("titel");
        const QString format = QStringLiteral("Formatfehler, korrigieren Sie die Eingabe.");
        const QString ungueltig = QString::fromUtf8("Ungültige Eingabe");
        // A4 at 300 dpi is 21.02 cm wide: the last stop lies at 21.02 - 2.2 - 0.15 = 18.67 cm.
        QTest::newRow("Komma") << QStringLiteral("4,5") << 450 << QString() << QString();
        QTest::newRow("Leerzeichen") << QStringLiteral(" 12 ") << 1200 << QString() << QString();
        QTest::newRow("gerundet") << QStringLiteral("1,005") << 100 << QString() << QString();
        QTest::newRow("nach links bis zum Papier")
            << QStringLiteral("-2,2") << -220 << QString() << QString();
        QTest::newRow("letzte Stelle") << QStringLiteral("18,67") << 1867 << QString() << QString();
        QTest::newRow("leer") << QString() << 0 << format << QStringLiteral("Fehler");
        QTest::newRow("nur Minus") << QStringLiteral("-") << 0 << format << QStringLiteral("Fehler");
        QTest::newRow("zwei Kommas") << QStringLiteral("1,2,3") << 0 << format << QStringLiteral("Fehler");
        QTest::newRow("Minus innen") << QStringLiteral("1-2") << 0 << format << QStringLiteral("Fehler");
        QTest::newRow("Punkt") << QStringLiteral("1.5") << 0 << format << QStringLiteral("Fehler");
        QTest::newRow("links vom Papier")
            << QStringLiteral("-2,21") << 0
            << QString::fromUtf8("Die Position -2,21 liegt nicht im sichtbaren Bereich.") << ungueltig;
        QTest::newRow("rechts vom Papier")
            << QStringLiteral("18,7") << 0
            << QString::fromUtf8("Die Position 18,70 liegt nicht im sichtbaren Bereich.") << ungueltig;
    }
    void tabulatorEingabe() {
        QFETCH(QString, eingabe);
        QFETCH(int, wert);
        QFETCH(QString, meldung);
        QFETCH(QString, titel);
        const TListenlayout l;
        const TEingabePruefung p = TabulatorPruefen(eingabe, l, StandardMetrik(false));
        QCOMPARE(p.Text, meldung);
        QCOMPARE(p.Titel, titel);
        QCOMPARE(p.Wert.has_value(), meldung.isEmpty());
        if (p.Wert) QCOMPARE(*p.Wert, wert);
    }

    // Paper narrower than A4 scales the page: the visible range grows by the scale.
    void tabulatorAufSchmalemPapier() {
        TSeitenmetrik schmal = GeraetMetrik(300, 300, QSize(1708, 2440), QSize(1748, 2480), QPoint(20, 20));
        QVERIFY(schmal.Skalierung < 0.9);
        const TListenlayout l;
        const double grenze = schmal.PapierBreiteCm / schmal.Skalierung - 2.2 - 0.15;
        QVERIFY(TabulatorPruefen(QString::number(grenze - 0.01, 'f', 2).replace(u'.', u','), l, schmal).Wert);
        QVERIFY(
            !TabulatorPruefen(QString::number(grenze + 0.01, 'f', 2).replace(u'.', u','), l, schmal).Wert);
    }

    void randEingabe_data() {
        QTest::addColumn<TRandSeite>("seite");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<int>("wert");
        QTest::addColumn<QString>("meldung");
        const QString format = QStringLiteral("Fehler im Zahlformat!");
        QTest::newRow("links") << RandLinks << QStringLiteral("2,5") << 2500 << QString();
        QTest::newRow("drei Stellen") << RandOben << QStringLiteral("1,2345") << 1234 << QString();
        QTest::newRow("null") << RandRechts << QStringLiteral("0") << 0 << QString();
        // 21.02 cm paper, right margin 1.1 cm: at most 14.92 cm on the left leaves 5 cm to print on.
        QTest::newRow("links am Ende") << RandLinks << QStringLiteral("14,92") << 14920 << QString();
        QTest::newRow("links 19") << RandLinks << QStringLiteral("19") << 0
                                  << QString::fromUtf8("Der Rand 19,00 liegt nicht im sichtbaren Bereich.");
        QTest::newRow("rechts zu breit")
            << RandRechts << QStringLiteral("13,83") << 0
            << QString::fromUtf8("Der Rand 13,83 liegt nicht im sichtbaren Bereich.");
        // The height counts for the top: 29.73 - 1.3 - 5.
        QTest::newRow("oben 20") << RandOben << QStringLiteral("20") << 20000 << QString();
        QTest::newRow("oben zu hoch")
            << RandOben << QStringLiteral("23,5") << 0
            << QString::fromUtf8("Der Rand 23,50 liegt nicht im sichtbaren Bereich.");
        QTest::newRow("leer") << RandUnten << QString() << 0 << format;
        QTest::newRow("negativ") << RandUnten << QStringLiteral("-1") << 0
                                 << QString::fromUtf8("Der Rand -1,00 liegt nicht im sichtbaren Bereich.");
        QTest::newRow("Buchstabe") << RandUnten << QStringLiteral("1a") << 0 << format;
        QTest::newRow("zwei Kommas") << RandUnten << QStringLiteral("1,,2") << 0 << format;
    }
    void randEingabe() {
        QFETCH(TRandSeite, seite);
        QFETCH(QString, eingabe);
        QFETCH(int, wert);
        QFETCH(QString, meldung);
        const TListenlayout l;
        const TEingabePruefung p = RandPruefen(eingabe, seite, l, StandardMetrik(false));
        QCOMPARE(p.Text, meldung);
        QCOMPARE(p.Wert.has_value(), meldung.isEmpty());
        if (p.Wert) QCOMPARE(*p.Wert, wert);
        if (!meldung.isEmpty())
            QCOMPARE(p.Titel, meldung.startsWith(u'F') ? QStringLiteral("Fehler")
                                                       : QString::fromUtf8("Ungültige Eingabe"));
    }

    // A landscape page is lower than wide: the top margin cannot take up its whole height.
    void randImQuerformat() {
        const TListenlayout l;
        QVERIFY(!RandPruefen(QStringLiteral("20"), RandOben, l, StandardMetrik(true)).Wert);
        QVERIFY(RandPruefen(QStringLiteral("20"), RandLinks, l, StandardMetrik(true)).Wert);
    }

    // Each move is undone by the opposite move, and moving the individual annotation down from code 0
    // puts it under the list.
    void anmerkungsposition() {
        using S = TAnmerkungsschritt;
        const std::pair<S, S> gegenteile[] = {{S::AllgemeinRunter, S::AllgemeinHoch},
                                              {S::EigeneRunter, S::EigeneHoch}};
        int moeglich = 0;
        for (int code = 0; code < 6; ++code)
            for (const auto& [runter, hoch] : gegenteile) {
                if (const auto neu = AnmerkungVerschoben(code, runter)) {
                    ++moeglich;
                    QCOMPARE(AnmerkungVerschoben(*neu, hoch), std::optional(code));
                }
                if (const auto neu = AnmerkungVerschoben(code, hoch))
                    QCOMPARE(AnmerkungVerschoben(*neu, runter), std::optional(code));
            }
        QCOMPARE(moeglich, 8);
        QCOMPARE(AnmerkungVerschoben(0, S::EigeneRunter), std::optional(3));
        QCOMPARE(AnmerkungVerschoben(0, S::AllgemeinHoch), std::nullopt);
        QCOMPARE(AnmerkungVerschoben(6, S::AllgemeinRunter), std::nullopt);
    }

    // A wider left margin pushes the last stops off the paper; they are put on its edge.
    void tabulatorenAnpassen() {
        TListenlayout l;
        const TSeitenmetrik a4 = StandardMetrik(false);
        QVERIFY(!TabulatorenAusserhalb(l, a4));
        l.Seitenraender.Links = 6.0;
        l.Tabulatoren[12] = 1600;
        l.Tabulatoren[2] = -700;
        QVERIFY(TabulatorenAusserhalb(l, a4));
        TabulatorenAnpassen(l, a4);
        QVERIFY(!TabulatorenAusserhalb(l, a4));
        QCOMPARE(l.Tabulatoren[2], -600);
        QCOMPARE(l.Tabulatoren[12], 1487); // 21.02 - 0.15 - 6.0
        QCOMPARE(l.Tabulatoren[1], 189);
    }

    void tabulatorEintraege_data() {
        QTest::addColumn<uint8_t>("nummer");
        QTest::addColumn<int>("telefon");
        QTest::addColumn<QStringList>("zwecke");
        QTest::newRow("nie, ohne Nummer")
            << uint8_t(1) << int(TTelefonwahl::Nie)
            << QStringList{"Datum", "Zeit", "Eltern", "Kind", "Raum", "nt* Eltern", "nt* Kind"};
        QTest::newRow("nicht terminiert, mit Nummer")
            << uint8_t(3) << int(TTelefonwahl::NichtTerminiert)
            << QStringList{"Datum",       "Zeit",       "Eltern",   "Kind",        "Raum",
                           "Eingabe-Nr.", "nt* Eltern", "nt* Kind", "nt* Telefon", "nt* Eingabe-Nr."};
        QTest::newRow("immer, mit Nummer")
            << uint8_t(2) << int(TTelefonwahl::Immer)
            << QStringList{"Datum",       "Zeit",       "Eltern",   "Kind",    "Raum",
                           "Eingabe-Nr.", "nt* Eltern", "nt* Kind", "Telefon", "nt* Eingabe-Nr."};
    }
    // The teachers' tab list offers only the stops their lists print.
    void tabulatorEintraege() {
        QFETCH(uint8_t, nummer);
        QFETCH(int, telefon);
        QFETCH(QStringList, zwecke);
        TListenlayout l;
        l.MitNummer = nummer;
        TelefonwahlSetzen(l, TTelefonwahl(telefon));
        QStringList gefunden;
        for (const TTabulatorEintrag& e : TabulatorEintraege(l, TListenArt::Lehrer)) {
            gefunden << e.Zweck;
            QCOMPARE(TabulatorArt(e.Index), TListenArt::Lehrer);
        }
        QCOMPARE(gefunden, zwecke);
        QCOMPARE(Telefonwahl(l), TTelefonwahl(telefon));
        QCOMPARE(TabulatorEintraege(l, TListenArt::Eltern).size(), size_t(7));
    }

    // The schools' font names are listed in place of the faces drawn for them; fixed-pitch and symbol
    // faces only without the restriction; the print copies of the faces never.
    void schriften() {
        QCOMPARE(Druckschrift(QFont(QStringLiteral("Arial"))).family(), QStringLiteral("VEL Sans"));
        const QStringList sinnvoll = Schriftfamilien(TSchriftzweck::Gespraechslisten, true);
        const QStringList alle = Schriftfamilien(TSchriftzweck::SonstigeListen, false);
        for (const QStringList* liste : {&sinnvoll, &alle}) {
            QVERIFY2(liste->contains(QStringLiteral("Times New Roman")), qPrintable(liste->join(u',')));
            QVERIFY(liste->contains(QStringLiteral("Arial")));
            QVERIFY(!liste->contains(QStringLiteral("Liberation Serif")));
            QVERIFY(!liste->contains(QStringLiteral("Serif")));
            QVERIFY(!liste->contains(QStringLiteral("VEL Serif")));
            QVERIFY(!liste->contains(QStringLiteral("VEL Sans")));
        }
        QVERIFY(alle.contains(QStringLiteral("Liberation Mono")));
        QVERIFY(!sinnvoll.contains(QStringLiteral("Liberation Mono")));
        QVERIFY(!sinnvoll.contains(QStringLiteral("DejaVu Sans Mono")));
        QCOMPARE(Schriftersatz(QStringLiteral("Times New Roman")), QStringLiteral("Liberation Serif"));
        QCOMPARE(Schriftersatz(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
        QCOMPARE(SchriftfamilienMit({"Arial"}, QStringLiteral("Garamond")),
                 (QStringList{"Garamond", "Arial"}));
        QCOMPARE(SchriftfamilienMit({"Arial"}, QStringLiteral("Arial")), QStringList{"Arial"});
    }

    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }
};

VEL_TEST(TstLayoutbearbeitung)
#include "tst_Layoutbearbeitung.moc"
