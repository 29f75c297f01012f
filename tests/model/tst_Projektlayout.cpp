#include "Lesehilfe.h"
#include "common/TestHaupt.h"

#include <QTest>

namespace {

// What the program's settings would give: different from the built-in layout and from the file.
TLeseOptionen Programmvorgaben() {
    TLeseOptionen o;
    TListenlayout& l = o.Layout;
    l.Schriftart = QStringLiteral("Arial");
    l.Seitenraender = {3.0, 2.0, 1.0, 0.5};
    l.Tabulatoren[1] = 200;
    l.ListenRaender = {1000, 1000, 1000, 1000};
    l.ListenAusrichtung = 1;
    l.ListenSchriftart = QStringLiteral("Courier New");
    l.UeberschriftWunsch = QStringLiteral("Vorgabe Wunsch");
    l.PauseDrucken = false;
    l.TitelGross = false;
    l.MitNummer = 3;
    l.Elt2Sp = true;
    return o;
}

TProjektF Datei(int version) {
    TProjektF f = Beispielprojekt(version);
    f.Optionen = 0x10000 | 0x1 | 0x2 | 0x20 | 0x100 | 0x4000 | 0x20000;
    f.Titel = QStringLiteral("Sprechtag 2027");
    f.Seitenraender = {2500, 1500, 1000, 1200};
    f.Tabulatoren[1] = 300;
    f.ListenRaender = {3000, 3100, 3200, 3300};
    f.ListenAusrichtung = 1;
    f.ListenSchriftart = QStringLiteral("Verdana");
    f.ListenSchriftgroesse = 10;
    f.Schriftart = QStringLiteral("Georgia");
    f.Schriftgroesse = 14;
    f.MitNummer = 2;
    f.NachrPosE = 3;
    f.Eltern_Leerzeilen = 2;
    f.UeberschriftWunsch = QStringLiteral("Wünsche:");
    return f;
}

std::unique_ptr<TProjekt> Gelesen(const TProjektF& f, const TLeseOptionen& o = Programmvorgaben()) {
    auto p = std::make_unique<TProjekt>();
    TSkriptMeldung m;
    if (Lesen(f, *p, m, o) != TLeseErgebnis::Gelesen) p.reset();
    return p;
}

// The setting each bit of the options word stands for, as it reads.
bool Einstellung(const TProjekt& p, int bit) {
    const TListenlayout& l = p.Listenlayout;
    switch (bit) {
    case 0:
        return p.BitteTag1;
    case 1:
        return l.TelefonNichtTerminiert;
    case 2:
        return l.Elt2Sp;
    case 3:
        return l.Leh2Sp;
    case 4:
        return l.EinzellistenProTagL;
    case 5:
        return l.EinzellistenProTagE;
    case 6:
        return !l.HinweisAlleTerminiertE;
    case 7:
        return !l.HinweisAlleTerminiertL;
    case 8:
        return !l.PauseDrucken;
    case 9:
        return l.UeberschriftKursiv;
    case 10:
        return l.Datumsformat == 1;
    case 12:
        return l.SchulnameAusblenden;
    case 13:
        return l.TelefonImmer;
    case 14:
        return !l.TitelGross;
    case 15:
        return !l.TitelGesperrt;
    case 17:
        return l.Ausrichtung == 1;
    }
    return false;
}

} // namespace

class TstProjektlayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void version04LiestDasLayoutDerDatei() {
        const auto p = Gelesen(Datei(4));
        QVERIFY(p);
        const TListenlayout& l = p->Listenlayout;
        QCOMPARE(l.Titel, QStringLiteral("Sprechtag 2027"));
        QCOMPARE(l.Seitenraender, (TSeitenraender{2.5, 1.5, 1.0, 1.2}));
        QCOMPARE(l.Tabulatoren[1], 300);
        QCOMPARE(l.ListenRaender, (std::array<int32_t, 4>{3000, 3100, 3200, 3300}));
        QCOMPARE(l.ListenAusrichtung, 1);
        QCOMPARE(l.ListenSchriftart, QStringLiteral("Verdana"));
        QCOMPARE(l.ListenSchriftgroesse, 10);
        QCOMPARE(l.Schriftart, QStringLiteral("Georgia"));
        QCOMPARE(l.Schriftgroesse, 14);
        QCOMPARE(l.MitNummer, 2);
        QCOMPARE(l.NachrPosE, 3);
        QCOMPARE(l.Eltern_Leerzeilen, 2);
        QCOMPARE(l.UeberschriftWunsch, QStringLiteral("Wünsche:"));
        QVERIFY(!l.PauseDrucken && !l.TitelGross && l.TitelGesperrt);
        QVERIFY(l.TelefonNichtTerminiert && l.EinzellistenProTagE && !l.EinzellistenProTagL);
        QCOMPARE(l.Ausrichtung, 1);
        QVERIFY(!l.Elt2Sp);
    }

    // A version-03 file has a one-byte options word and no page layout: the present one is kept.
    void version03() {
        TProjektF f = Datei(3);
        f.MitUeberschriften = false;
        const auto p = Gelesen(f);
        QVERIFY(p);
        const TListenlayout& l = p->Listenlayout;
        QVERIFY(l.PauseDrucken && l.TitelGross && l.TitelGesperrt);
        QVERIFY(l.TelefonNichtTerminiert && l.EinzellistenProTagE);
        QCOMPARE(l.Titel, QStringLiteral("Elternsprechtag"));
        QVERIFY(!l.MitLogo && l.Logo.isNull());
        QCOMPARE(l.Ausrichtung, 0);
        QCOMPARE(l.Seitenraender, (TSeitenraender{3.0, 2.0, 1.0, 0.5}));
        QCOMPARE(l.Tabulatoren[1], 200);
        QCOMPARE(l.ListenRaender, (std::array<int32_t, 4>{1000, 1000, 1000, 1000}));
        QCOMPARE(l.ListenAusrichtung, 1);
        QCOMPARE(l.ListenSchriftart, QStringLiteral("Courier New"));
        QCOMPARE(l.Schriftart, QStringLiteral("Georgia"));
        QCOMPARE(l.MitNummer, 2);
        QCOMPARE(l.UeberschriftWunsch, QStringLiteral("Folgende Gespräche werden gewünscht:"));
        QCOMPARE(l.UeberschriftOhneTermin,
                 QStringLiteral("Für folgende Gespräche konnte kein Termin gefunden werden:"));
    }

    // Before version 03 the whole list layout comes from the program settings.
    void version02() {
        const auto p = Gelesen(Datei(2));
        QVERIFY(p);
        const TListenlayout& l = p->Listenlayout;
        const TListenlayout& vorgabe = Programmvorgaben().Layout;
        QVERIFY(p->BitteTag1);
        QCOMPARE(l.Schriftart, vorgabe.Schriftart);
        QCOMPARE(l.Seitenraender, vorgabe.Seitenraender);
        QCOMPARE(l.UeberschriftWunsch, vorgabe.UeberschriftWunsch);
        QCOMPARE(l.MitNummer, vorgabe.MitNummer);
        QVERIFY(!l.PauseDrucken && !l.TitelGross && !l.TelefonNichtTerminiert);
        QCOMPARE(l.ListenRaender, (std::array<int32_t, 4>{2200, 1100, 1400, 1300}));
        QCOMPARE(l.ListenAusrichtung, 0);
        QCOMPARE(l.ListenSchriftart, vorgabe.ListenSchriftart);
        QVERIFY(!l.Elt2Sp);
    }

    void optionswort_data() {
        QTest::addColumn<int>("bit");
        for (int bit = 0; bit <= 17; ++bit)
            if (bit != 11 && bit != 16) QTest::addRow("Bit %d", bit) << bit;
    }
    // Each switch reads from its bit and is written back to it; the two unused ones are cleared.
    void optionswort() {
        QFETCH(int, bit);
        TProjektF f = Beispielprojekt();
        f.Optionen = 0x10000 | (1u << bit);
        const auto p = Gelesen(f, {});
        QVERIFY(p);
        const bool ungenutzt = bit == 2 || bit == 3;
        for (int b = 0; b <= 17; ++b)
            QCOMPARE(Einstellung(*p, b), b == bit && !ungenutzt);
        if (ungenutzt) f.Optionen = 0x10000;
        QString fehler;
        QCOMPARE(ProjektDaten(*p, fehler), Projektdatei(f));
    }

    void ohneTitelbitGiltDerStandardtitel() {
        TProjektF f = Beispielprojekt();
        f.Optionen = 0x1;
        const auto p = Gelesen(f, {});
        QVERIFY(p);
        QCOMPARE(p->Listenlayout.Titel, QStringLiteral("Elternsprechtag"));
        f.Optionen = 0x10001;
        QString fehler;
        QCOMPARE(ProjektDaten(*p, fehler), Projektdatei(f));
    }

    void leereWerteWerdenErsetzt() {
        TProjektF f = Beispielprojekt();
        f.MaximalBlock = 0;
        f.UeberschriftOhneTermin.clear();
        const auto p = Gelesen(f, {});
        QVERIFY(p);
        QCOMPARE(p->MaximalBlock, 96); // two days: no limit within the frame
        QCOMPARE(p->MaximalBlock_El, 4);
        QCOMPARE(p->Listenlayout.UeberschriftOhneTermin,
                 QStringLiteral("Für folgende Gespräche konnte kein Termin gefunden werden:"));
    }
};

VEL_TEST(TstProjektlayout)
#include "tst_Projektlayout.moc"
