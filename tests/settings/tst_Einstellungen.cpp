#include "common/TestHaupt.h"
#include "model/Listenlayout.h"
#include "model/Projekt.h"
#include "settings/Einstellungen.h"
#include "settings/UReg.h"

#include <QTemporaryDir>
#include <QTest>

class TstEinstellungen : public QObject {
    Q_OBJECT

    QTemporaryDir Ordner;
    std::unique_ptr<TEinstellungsSpeicher> Speicher;

private Q_SLOTS:
    void init() { Speicher = std::make_unique<TEinstellungsSpeicher>(Ordner.filePath("VEL.ini")); }
    void cleanup() {
        Speicher.reset();
        QFile::remove(Ordner.filePath("VEL.ini"));
    }

    void werteNachTypUndGroesse() {
        TSchluessel s = Speicher->SchluesselSchreiben("Rand");
        s.ZahlSchreiben("Links", 250);
        s.TextSchreiben("Text", "Müller ¶");
        const uint8_t zwei[2] = {1, 2};
        s.BinaerSchreiben("Bin", zwei, 2);

        const TSchluessel r = Speicher->SchluesselLesen("Rand");
        QVERIFY(r.Offen());
        QCOMPARE(r.ZahlLesen("links", 7), 250u);
        QCOMPARE(r.TextLesen("TEXT", "x"), QString::fromUtf8("Müller ¶"));
        QCOMPARE(r.ZahlLesen("Text", 7), 7u); // a string is no number
        QCOMPARE(r.TextLesen("Links", "x"), "x");
        uint8_t puffer[3] = {9, 9, 9};
        QVERIFY(!r.BinaerLesen("Bin", puffer, 3));
        QCOMPARE(puffer[0], 9);
        QVERIFY(r.BinaerLesen("bin", puffer, 2));
        QCOMPARE(puffer[1], 2);

        s.ZahlSchreiben("LINKS", 300); // replaces the value of the other spelling
        QCOMPARE(Speicher->SchluesselLesen("Rand").ZahlLesen("Links", 0), 300u);
        s.WertLoeschen("links");
        QCOMPARE(Speicher->SchluesselLesen("Rand").ZahlLesen("Links", 5), 5u);

        QVERIFY(!Speicher->SchluesselLesen("Font").Offen());
        QCOMPARE(Speicher->SchluesselLesen("Font").TextLesen("Name", "Arial"), "Arial");
    }

    void bleibtNachNeuemOeffnen() {
        Speicher->SchluesselSchreiben("Optionen").SchalterSchreiben("Notiz", true);
        Speicher->Speichern();
        TEinstellungsSpeicher neu(Ordner.filePath("VEL.ini"));
        QVERIFY(neu.SchluesselLesen("Optionen").SchalterLesen("notiz", false));
    }

    void programmwerte_data() {
        QTest::addColumn<int>("gespeichert");
        QTest::addColumn<int>("minuten");
        QTest::newRow("0") << 0 << 5;
        QTest::newRow("30") << 30 << 30;
        QTest::newRow("60") << 60 << 60;
        QTest::newRow("75") << 75 << 5;
    }
    void programmwerte() {
        QFETCH(int, gespeichert);
        QFETCH(int, minuten);
        TProgrammwerte ohne = ProgrammwerteLesen(*Speicher, "/prog");
        QVERIFY(!ohne.ZeitMaus);
        QVERIFY(ohne.AutoSpeichern);
        QCOMPARE(ohne.ProjektPfad, "/prog");

        Speicher->SchluesselSchreiben("Optionen")
            .ZahlSchreiben("AutoSpeichZeit", static_cast<uint32_t>(gespeichert));
        const TProgrammwerte w = ProgrammwerteLesen(*Speicher, "/prog");
        QCOMPARE(w.AutoSpeichZeit, static_cast<uint32_t>(minuten));
        QVERIFY(w.ZeitMaus);
        QCOMPARE(w.colFrei, 65280u);
    }

    void programmwerteSchreiben() {
        TProgrammwerte w;
        w.ProjektPfad = "/daten/vel";
        w.DateiLaden = true;
        w.AutoSpeichZeit = 12;
        ProgrammwerteSchreiben(*Speicher, w);
        const TProgrammwerte r = ProgrammwerteLesen(*Speicher, "/prog");
        QCOMPARE(r.ProjektPfad, "/daten/vel");
        QVERIFY(r.DateiLaden);
        QCOMPARE(r.AutoSpeichZeit, 12u);
    }

    void terminwerte() {
        QCOMPARE(TerminwerteLesen(*Speicher).MaximalBlock_El, 2);
        Speicher->SchluesselSchreiben("Optionen").SchalterSchreiben("Notiz", false);
        QCOMPARE(TerminwerteLesen(*Speicher).MaximalBlock_El, 4);
        TerminwerteSchreiben(*Speicher, 7, 3, false);
        const TTerminwerte w = TerminwerteLesen(*Speicher);
        QCOMPARE(w.MaximalBlock, 7);
        QCOMPARE(w.MaximalBlock_El, 3);
        QVERIFY(!w.BitteTag1);
        QCOMPARE(w.SortierKrit, 192);
    }

    // Taking over the options: each group of values reaches the store only when one of them changed;
    // the class names follow into the project, the scheduling values need one.
    void optionenUebernehmen_data() {
        QTest::addColumn<QString>("aenderung");
        QTest::addColumn<bool>("mitProjekt");
        QTest::addColumn<bool>("terminwerte");
        QTest::addColumn<bool>("sicherung");
        QTest::addColumn<QStringList>("geschrieben");
        QTest::newRow("nichts") << "" << true << false << false << QStringList{};
        QTest::newRow("Ordner") << "Ordner" << true << false << false << QStringList{"ProjektPfad"};
        QTest::newRow("Minuten") << "Minuten" << true << false << true << QStringList{"ProjektPfad"};
        QTest::newRow("Sicherung aus")
            << "Sicherung aus" << false << false << true << QStringList{"ProjektPfad"};
        QTest::newRow("Klassen") << "Klassen" << true << false << false << QStringList{"LatKlBez"};
        QTest::newRow("Klassen ohne Projekt")
            << "Klassen" << false << false << false << QStringList{"LatKlBez"};
        QTest::newRow("Blocklänge") << "Blocklänge" << true << true << false << QStringList{"MaximalBlock"};
        QTest::newRow("Tag") << "Tag" << true << true << false << QStringList{"MaximalBlock"};
        QTest::newRow("Blocklänge ohne Projekt") << "Blocklänge" << false << false << false << QStringList{};
    }
    void optionenUebernehmen() {
        QFETCH(QString, aenderung);
        QFETCH(bool, mitProjekt);
        QFETCH(bool, terminwerte);
        QFETCH(bool, sicherung);
        QFETCH(QStringList, geschrieben);
        TProgrammwerte programm;
        programm.ProjektPfad = "/alt";
        TProjekt projekt;
        TOptionswerte w{programm.ProjektPfad,   programm.ImportPfad,     programm.DateiLaden,
                        programm.AutoSpeichern, programm.AutoSpeichZeit, programm.LatKlBez,
                        projekt.MaximalBlock,   projekt.MaximalBlock_El, projekt.BitteTag1};
        if (aenderung == "Ordner") w.ProjektPfad = "/neu";
        if (aenderung == "Minuten") w.AutoSpeichZeit = 12;
        if (aenderung == "Sicherung aus") w.AutoSpeichern = false;
        if (aenderung == "Klassen") w.LatKlBez = true;
        if (aenderung == "Blocklänge") w.MaximalBlock = 9;
        if (aenderung == "Tag") w.BitteTag1 = false;

        const TOptionsAenderung a =
            OptionenUebernehmen(*Speicher, programm, mitProjekt ? &projekt : nullptr, w);
        QCOMPARE(a.Terminwerte, terminwerte);
        QCOMPARE(a.Sicherung, sicherung);
        QCOMPARE(programm.ProjektPfad, w.ProjektPfad);
        QCOMPARE(programm.AutoSpeichern, w.AutoSpeichern);
        QCOMPARE(programm.AutoSpeichZeit, w.AutoSpeichZeit);
        QCOMPARE(programm.LatKlBez, w.LatKlBez);
        QCOMPARE(projekt.LatKlBez, mitProjekt && w.LatKlBez);
        QCOMPARE(int(projekt.MaximalBlock), mitProjekt ? int(w.MaximalBlock) : 6);
        QCOMPARE(projekt.BitteTag1, mitProjekt ? w.BitteTag1 : true);
        const TSchluessel s = Speicher->SchluesselLesen("Optionen");
        QStringList gespeichert;
        if (s.SchalterLesen("LatKlBez", false) == s.SchalterLesen("LatKlBez", true))
            gespeichert << "LatKlBez";
        if (s.TextLesen("ProjektPfad", "?") != "?") gespeichert << "ProjektPfad";
        if (s.ZahlLesen("MaximalBlock", 0) != 0) gespeichert << "MaximalBlock";
        QCOMPARE(gespeichert, geschrieben);
    }

    void layoutHinUndZurueck() {
        TListenlayout l;
        l.UeberschriftKursiv = true;
        l.TitelGesperrt = false;
        l.PauseDrucken = false;
        l.EinzellistenProTagE = true;
        l.Tabulatoren[3] = 777;
        l.Seitenraender = {2.5, 1.0, 0.755, 3.0};
        l.Ausrichtung = 1;
        l.Schriftart = "Arial";
        l.Schriftgroesse = 14;
        l.Datumsformat = 1;
        l.LogoDatei = Ordner.filePath("fehlt.png");
        l.ListenRaender = {1000, 2000, 3000, 4000};
        l.ListenAusrichtung = 1;
        LayoutInRegistry(*Speicher, l);
        ListenFormatInRegistry(*Speicher, l);

        TListenlayout r;
        r.Titel = "anders";
        LayoutAusRegistry(*Speicher, r);
        QVERIFY(r.UeberschriftKursiv);
        QVERIFY(!r.TitelGesperrt);
        QVERIFY(r.TitelGross);
        QVERIFY(!r.PauseDrucken);
        QVERIFY(r.EinzellistenProTagE);
        QVERIFY(!r.EinzellistenProTagL);
        QCOMPARE(r.Tabulatoren, l.Tabulatoren);
        QCOMPARE(r.Seitenraender, (TSeitenraender{2.5, 1.0, 0.76, 3.0}));
        QCOMPARE(r.Ausrichtung, 1);
        QCOMPARE(r.Schriftart, "Arial");
        QCOMPARE(r.Schriftgroesse, 14);
        QCOMPARE(r.Datumsformat, 1);
        QVERIFY(r.LogoDatei.isEmpty()); // the file does not exist
        QCOMPARE(r.ListenRaender, l.ListenRaender);
        QCOMPARE(r.ListenAusrichtung, 1);
        QCOMPARE(r.Titel, "Elternsprechtag");
    }

    void layoutFehlendeWerte() {
        // Without "Rand" the built-in margins stay; with it, missing values take the stored defaults.
        Speicher->SchluesselSchreiben("Optionen").BinaerSchreiben("Umbruch", "\x10", 1);
        TListenlayout l;
        LayoutAusRegistry(*Speicher, l);
        QVERIFY(l.PauseDrucken); // the flag word of the wrong length counts as 0
        QCOMPARE(l.Seitenraender, TSeitenraender{});

        Speicher->SchluesselSchreiben("Rand").ZahlSchreiben("oben", 90);
        LayoutAusRegistry(*Speicher, l);
        QCOMPARE(l.Seitenraender, (TSeitenraender{2.0, 0.9, 1.5, 2.0}));
        QCOMPARE(l.ListenRaender, (std::array<int32_t, 4>{2200, 1100, 1400, 1300}));
    }

    void rahmenVorgabe() {
        QVERIFY(!RahmenVorgabeLesen(*Speicher));
        TRahmenVorgabe v;
        v.Abstand = 20;
        v.Zeiten[0] = "08:00";
        v.Zeiten[95] = "17:00";
        RahmenVorgabeSchreiben(*Speicher, v);
        QCOMPARE(Speicher->SchluesselLesen("Zeiten").TextLesen("Zeit11", {}), ",,,,,,,17:00");
        const auto r = RahmenVorgabeLesen(*Speicher);
        QVERIFY(r);
        QCOMPARE(r->Abstand, 20);
        QVERIFY(r->Zeiten == v.Zeiten);
    }

    void importVorgabe() {
        TImportVorgabe v;
        v.DateiTyp = 2;
        v.Spalte = {0, -1, 3, -1, -1, 1};
        v.Titel = {"Name", "alt", "Klasse", "", "", "Vorname"};
        ImportVorgabeSchreiben(*Speicher, "ImportE", v);
        const TImportVorgabe r = ImportVorgabeLesen(*Speicher, "ImportE");
        QCOMPARE(r.DateiTyp, 2u);
        QCOMPARE(r.Spalte, v.Spalte);
        QCOMPARE(r.Titel[0], "Name");
        QVERIFY(r.Titel[1].isEmpty()); // no column: caption deleted
        QCOMPARE(ImportVorgabeLesen(*Speicher, "ImportL").Spalte[0], -1);
    }
};

VEL_TEST(TstEinstellungen)
#include "tst_Einstellungen.moc"
