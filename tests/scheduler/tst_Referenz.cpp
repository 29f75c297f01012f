#include "Planhilfen.h"
#include "Referenz.h"
#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "model/Projekt.h"
#include "scheduler/Termin.h"

#include <QTest>
#include <bit>
#include <cmath>
#include <random>

// The engine's bit masks and lookup tables must not change a single plan.
class TstReferenz : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gleicherPlanWieReferenz() {
        for (uint32_t saat = 1; saat <= 200; ++saat) {
            const int tage = 1 + saat % 2;
            // Mostly tight frames; every fifth one has all 48 slots, so the ends of the day are searched too.
            const int slots = saat % 5 == 0 ? SlotsProTag : 4 + static_cast<int>(saat * 7 % 10);
            const TGeneratorOptionen o{8 + static_cast<int>(saat % 17), 3 + static_cast<int>(saat % 5), tage,
                                       slots, saat};
            const int grenzeLehrer = static_cast<int>(saat % 5);     // 0 means no limit
            const int grenzeEltern = 1 + static_cast<int>(saat % 3); // small, so pauses matter
            const bool tag1 = saat % 4 < 2;
            const TVorbelegung vorbelegung =
                saat % 3 == 0 ? TVorbelegung::Keine : TVorbelegung::NaegelUeberGrenze;
            TProjekt a;
            TProjekt b;
            ProjektAufbauen(a, o, grenzeLehrer, grenzeEltern, tag1, vorbelegung);
            ProjektAufbauen(b, o, grenzeLehrer, grenzeEltern, tag1, vorbelegung);
            // A second run starts from the first plan and keeps the search order.
            for (int lauf = 1; lauf <= 2; ++lauf) {
                TLaufBeobachter still;
                Lauf(a, still);
                ReferenzLauf(b);
                const QString unterschied = ErsterUnterschied(PlanAbbild(a), PlanAbbild(b));
                if (!unterschied.isEmpty())
                    QFAIL(qPrintable(
                        QStringLiteral("Saat %1, Lauf %2: %3").arg(saat).arg(lauf).arg(unterschied)));
            }
        }
    }

    // The engine's pause marks from bit masks against the project model's, and the masks it hands back.
    void pausenWieImModell() {
        std::mt19937 z(11);
        for (int i = 0; i < 3000; ++i) {
            TProjektBauer b;
            b.Rahmen(1 + i % 2, 20 + i % 29).Bloecke(i % 6, i % 6);
            for (int k = 0; k < 3; ++k)
                b.p.ZeitAktiv[z() % SlotAnzahl] = false;
            TZeiten zeiten{};
            for (int16_t& w : zeiten) {
                const int wurf = static_cast<int>(z() % 10);
                w = wurf < 3    ? SlotFrei
                    : wurf == 3 ? SlotGesperrt
                    : wurf == 4 ? SlotPause
                                : static_cast<int16_t>(wurf);
            }
            TZeiten erwartet = zeiten;
            b.p.PausenSetzen(erwartet, i % 3 == 0);
            TTerminierung t(b.p);
            const TSlotMasken m = t.PausenSetzen(zeiten, i % 3 == 0);
            QCOMPARE(zeiten, erwartet);
            for (int s = 0; s < (b.p.ZweiTage ? SlotAnzahl : SlotsProTag); ++s) {
                const bool belegt = m.Belegt[s / SlotsProTag] >> (s % SlotsProTag) & 1;
                const bool frei = m.Frei[s / SlotsProTag] >> (s % SlotsProTag) & 1;
                QCOMPARE(belegt, b.p.ZeitAktiv[s] && zeiten[s] > 0);
                QCOMPARE(frei, b.p.ZeitAktiv[s] && zeiten[s] == SlotFrei);
            }
        }
    }

    // The gap cost of a day from bit masks against the walk over the gaps.
    void tageskostenWieLueckenGezaehlt() {
        std::mt19937_64 z(5);
        for (int i = 0; i < 20000; ++i) {
            TTagesmaske belegt = z() & z() & ((TTagesmaske{1} << SlotsProTag) - 1);
            if (i % 3 == 0) belegt &= z();
            for (bool familie : {false, true}) {
                int erwartet = 0;
                if (belegt) {
                    std::vector<int> luecken;
                    int anzahl = 0;
                    const int erster = std::countr_zero(belegt);
                    const int letzter = 63 - std::countl_zero(belegt);
                    for (int s = erster; s <= letzter; ++s) {
                        const bool b = belegt >> s & 1;
                        anzahl += b;
                        if (!b && (belegt >> (s - 1) & 1)) luecken.push_back(0);
                        if (!b) ++luecken.back();
                    }
                    const int tol = familie ? static_cast<int>(std::round(std::log(anzahl) * 0.6)) : 0;
                    int summe = 0;
                    int lang = 0;
                    for (int l : luecken) {
                        summe += l;
                        lang += l >= 2;
                    }
                    const int k = static_cast<int>(luecken.size());
                    erwartet =
                        summe <= tol ? 0 : std::max(0, 2 * summe + 2 * lang + (lang ? k : 0) - 2 * tol);
                }
                QCOMPARE(Tageskosten(belegt, familie), erwartet);
            }
        }
    }
};

VEL_TEST(TstReferenz)
#include "tst_Referenz.moc"
