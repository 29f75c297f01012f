#include "Raumfall.h"
#include "common/SkriptMeldung.h"
#include "common/TestHaupt.h"
#include "rooms/RaumZeitplan.h"
#include "rooms/Raumplandruck.h"

#include <QTest>

namespace {

const QString Ecke = QString::fromUtf8("Räume \\\u00A0\u00A0Zeiten");

// Days of eight slots every quarter of an hour from 14:00; the teachers as Belegen describes them.
struct TPlanfall {
    TProjektBauer b;

    TPlanfall(int tage, const QStringList& lehrer) {
        b.Rahmen(tage, 8, 14 * 60, 15);
        Belegen(b, lehrer);
        RaumplanVorbereiten(b.p);
    }
    TRaumplan Plan(TTagesansicht ansicht = TTagesansicht::BeideTage, TMeldung* meldung = nullptr) const {
        return RaumplanBauen(b.p, ansicht, meldung);
    }
    QStringList Raeume() const {
        QStringList raeume;
        for (const auto& l : b.p.Lehrerliste)
            raeume << l->Kuerzel + u'=' + QString(l->Raum).replace(QChar(RaumTrenner), u'~');
        return raeume;
    }
};

QList<QStringList> Gitter(const TPlantag& tag) {
    return QList<QStringList>(tag.Zellen.begin(), tag.Zellen.end());
}

} // namespace

class TstRaumZeitplan : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The grid of one day: the time range of the appointments, the rooms in list order, the first teacher
    // of a cell kept and the second reported.
    void gitter() {
        const TPlanfall f(1, {"A|Raum 5|1", "B|Raum 5|1", "D|Raum 7|3", "E|Aula|"});
        const TRaumplan plan = f.Plan();
        QCOMPARE(plan.Ansicht, TTagesansicht::Tag1);
        QVERIFY(!plan.Tage[1].Gezeigt);
        QVERIFY(plan.Tage[1].Zellen.empty());
        const TPlantag& t = plan.Tage[0];
        QCOMPARE(t.Erster, 1);
        QCOMPARE(t.Letzter, 3);
        QCOMPARE(Gitter(t), (QList<QStringList>{{Ecke, "14:15", "14:30", "14:45"},
                                                {"Aula", "", "", ""},
                                                {"Raum 5", "A", "", ""},
                                                {"Raum 7", "", "", "D"}}));
        QCOMPARE(t.Lehrer[2][1], f.b.p.Lehrerliste.FindeKuerzel("A"));
        QCOMPARE(plan.Konflikte.size(), size_t{1});
        const TPlankonflikt& k = plan.Konflikte[0];
        QCOMPARE(k.Tag, 0);
        QCOMPARE(k.Zeile, 2);
        QCOMPARE(k.Spalte, 1);
        QCOMPARE(k.Raum, "Raum 5");
        QCOMPARE(k.Zeit, "14:15");
        QCOMPARE(k.Eingetragen, "A");
        QCOMPARE(k.Neu, "B");
        QVERIFY(!plan.Abgebrochen);
    }

    // Without appointments a day shows all its 48 slots, those without a time with an empty heading.
    void ohneTermine() {
        const TPlanfall f(2, {"A|Raum 5|-1"});
        const TRaumplan plan = f.Plan();
        for (int tag = 0; tag < 2; ++tag) {
            const TPlantag& t = plan.Tage[static_cast<size_t>(tag)];
            QCOMPARE(t.Erster, tag * 48);
            QCOMPARE(t.Letzter, tag * 48 + 47);
            QCOMPARE(t.Spalten(), 49);
            QCOMPARE(t.Zellen[0][1], "14:00");
            QCOMPARE(t.Zellen[0][48], "");
            QCOMPARE(t.Zellen[1], QStringList{"Raum 5"} + QStringList(48));
        }
    }

    // A two-room teacher is entered in his day-1 room on day 1 and his day-2 room on day 2 only; each
    // view fills the days it shows.
    void zweiTage_data() {
        QTest::addColumn<int>("ansicht");
        QTest::addColumn<bool>("tag1");
        QTest::addColumn<bool>("tag2");
        QTest::newRow("1.Tag") << int(TTagesansicht::Tag1) << true << false;
        QTest::newRow("2.Tag") << int(TTagesansicht::Tag2) << false << true;
        QTest::newRow("Beide Tage") << int(TTagesansicht::BeideTage) << true << true;
    }
    void zweiTage() {
        QFETCH(int, ansicht);
        QFETCH(bool, tag1);
        QFETCH(bool, tag2);
        const TPlanfall f(2, {"T|R1~R2|0,49", "S|R1|50"});
        const TRaumplan plan = f.Plan(static_cast<TTagesansicht>(ansicht));
        QCOMPARE(plan.Tage[0].Gezeigt, tag1);
        QCOMPARE(plan.Tage[1].Gezeigt, tag2);
        if (tag1)
            QCOMPARE(Gitter(plan.Tage[0]), (QList<QStringList>{{Ecke, "14:00"}, {"R1", "T"}, {"R2", ""}}));
        if (tag2)
            QCOMPARE(Gitter(plan.Tage[1]),
                     (QList<QStringList>{{Ecke, "14:15", "14:30"}, {"R1", "", "S"}, {"R2", "T", ""}}));
    }

    // Rooms that differ in case are rows of their own; a day without a room is no row.
    void raumzeilen() {
        const TPlanfall f(2, {"A|Raum 5|0", "B|raum 5|0", "C|~B3|0,48", "D|~B4|0,48"});
        const TRaumplan plan = f.Plan();
        QCOMPARE(plan.Raeume, (QStringList{"B3", "B4", "raum 5", "Raum 5"}));
        QVERIFY(plan.Konflikte.empty());
        QCOMPARE(
            Gitter(plan.Tage[0]),
            (QList<QStringList>{{Ecke, "14:00"}, {"B3", ""}, {"B4", ""}, {"raum 5", "B"}, {"Raum 5", "A"}}));
        QCOMPARE(
            Gitter(plan.Tage[1]),
            (QList<QStringList>{{Ecke, "14:00"}, {"B3", "C"}, {"B4", "D"}, {"raum 5", ""}, {"Raum 5", ""}}));
    }

    void tagesansicht() {
        TProjekt p;
        QCOMPARE(Tagesansicht(p, std::nullopt), TTagesansicht::Tag1);
        QCOMPARE(Tagesansicht(p, TTagesansicht::BeideTage), TTagesansicht::Tag1);
        p.ZweiTage = true;
        QCOMPARE(Tagesansicht(p, std::nullopt), TTagesansicht::BeideTage);
        QCOMPARE(Tagesansicht(p, TTagesansicht::Tag2), TTagesansicht::Tag2);
    }

    // Conflicts asked about while filling: Yes asks on, No fills on silently, Cancel stops the filling
    // and leaves what was filled. The conflicts come room by room, teacher by teacher, column by column.
    void konfliktfragen_data() {
        QTest::addColumn<QList<Antwort>>("antworten");
        QTest::addColumn<int>("fragen");
        QTest::addColumn<int>("konflikte");
        QTest::addColumn<bool>("abgebrochen");
        QTest::newRow("alle ansehen")
            << QList<Antwort>{Antwort::Ja, Antwort::Ja, Antwort::Ja} << 3 << 3 << false;
        QTest::newRow("nicht weiter fragen") << QList<Antwort>{Antwort::Nein} << 1 << 3 << false;
        QTest::newRow("abbrechen") << QList<Antwort>{Antwort::Ja, Antwort::Abbrechen} << 2 << 2 << true;
    }
    void konfliktfragen() {
        QFETCH(QList<Antwort>, antworten);
        QFETCH(int, fragen);
        QFETCH(int, konflikte);
        QFETCH(bool, abgebrochen);
        const TPlanfall f(1, {"A|Raum 5|0,1", "B|Raum 5|0,1", "C|Raum 5|0,2", "D|Raum 7|3"});
        TSkriptMeldung m;
        m.Antworten = antworten;
        const TRaumplan plan = f.Plan(TTagesansicht::Tag1, &m);
        QCOMPARE(m.Protokoll.size(), fragen);
        QCOMPARE(int(plan.Konflikte.size()), konflikte);
        QCOMPARE(plan.Abgebrochen, abgebrochen);
        QCOMPARE(m.Protokoll[0].Titel, "Raumkonflikt!  (Raum 5)");
        QCOMPARE(
            m.Protokoll[0].Text,
            QString::fromUtf8("Lehrer 'B' und\rLehrer A\rhaben um 14:00 ein Gespräch im gleichen Raum.\r"
                              "In die Tabelle wird jetzt für diese Zeit nur A eingetragen.\r\r"
                              "Wollen Sie jetzt weitere Konflikte angezeigt bekommen, falls vorhanden?"));
        QCOMPARE(m.Protokoll[0].Knopfsatz, Knoepfe::JaNeinAbbrechen);
        QCOMPARE(plan.Konflikte[1].Zeit, "14:15");
        // After a cancel neither C's free slot nor the next room is filled.
        QCOMPARE(plan.Tage[0].Zellen[1][3], abgebrochen ? "" : "C");
        QCOMPARE(plan.Tage[0].Zellen[2][4], abgebrochen ? "" : "D");
    }

    // Dragging a room row of a day onto another row: allowed only when no column holds entries in both;
    // every teacher of the source row on that day gets the target room for that day.
    void verschieben_data() {
        QTest::addColumn<int>("tage");
        QTest::addColumn<QStringList>("lehrer");
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("von");
        QTest::addColumn<QString>("nach");
        QTest::addColumn<int>("vergleich");
        QTest::addColumn<QStringList>("danach");
        const int leer = int(TZeilenvergleich::QuelleLeer);
        const int ja = int(TZeilenvergleich::Vereinbar);
        const int nein = int(TZeilenvergleich::Unvereinbar);
        QTest::newRow("ein Tag") << 1 << QStringList{"A|Raum 5|0", "D|Raum 7|4"} << 0 << "Raum 5"
                                 << "Raum 7" << ja << QStringList{"A=Raum 7", "D=Raum 7"};
        QTest::newRow("1. Tag von zweien") << 2 << QStringList{"A|Raum 5|0,48", "D|Raum 7|4"} << 0 << "Raum 5"
                                           << "Raum 7" << ja << QStringList{"A=Raum 7~Raum 5", "D=Raum 7"};
        QTest::newRow("2. Tag zurück in den Raum des 1.")
            << 2 << QStringList{"A|Raum 7~Raum 5|0,48", "D|Raum 7|4"} << 1 << "Raum 5"
            << "Raum 7" << ja << QStringList{"A=Raum 7", "D=Raum 7"};
        QTest::newRow("gleiche Spalte") << 1 << QStringList{"A|Raum 5|0", "D|Raum 7|0"} << 0 << "Raum 5"
                                        << "Raum 7" << nein << QStringList{"A=Raum 5", "D=Raum 7"};
        QTest::newRow("leere Quelle") << 2 << QStringList{"A|Raum 5|48", "D|Raum 7|0"} << 0 << "Raum 5"
                                      << "Raum 7" << leer << QStringList{"A=Raum 5", "D=Raum 7"};
        QTest::newRow("auf sich selbst") << 1 << QStringList{"A|Raum 5|0"} << 0 << "Raum 5"
                                         << "Raum 5" << nein << QStringList{"A=Raum 5"};
        // B stands behind A in the cell and moves too; C has no appointment that day and stays.
        QTest::newRow("Konflikt zieht mit")
            << 1 << QStringList{"A|Raum 5|0", "B|Raum 5|0", "C|Raum 5|", "D|Raum 7|4"} << 0 << "Raum 5"
            << "Raum 7" << ja << QStringList{"A=Raum 7", "B=Raum 7", "C=Raum 5", "D=Raum 7"};
    }
    void verschieben() {
        QFETCH(int, tage);
        QFETCH(QStringList, lehrer);
        QFETCH(int, tag);
        QFETCH(QString, von);
        QFETCH(QString, nach);
        QFETCH(int, vergleich);
        QFETCH(QStringList, danach);
        TPlanfall f(tage, lehrer);
        const TRaumplan plan = f.Plan();
        const int quelle = int(plan.Raeume.indexOf(von)) + 1;
        const int ziel = int(plan.Raeume.indexOf(nach)) + 1;
        QCOMPARE(int(ZeilenVergleichen(plan, tag, quelle, ziel)), vergleich);
        const int geaendert = ZeileVerschieben(f.b.p, plan, tag, quelle, ziel);
        QCOMPARE(geaendert > 0, vergleich == int(TZeilenvergleich::Vereinbar));
        QCOMPARE(f.Raeume(), danach);
    }

    // After the move the plan shows the moved teacher in the target row.
    void verschiebenNeuGefuellt() {
        TPlanfall f(1, {"A|Raum 5|0", "D|Raum 7|4"});
        QCOMPARE(ZeileVerschieben(f.b.p, f.Plan(), 0, 1, 2), 1);
        QCOMPARE(Gitter(f.Plan().Tage[0]),
                 (QList<QStringList>{{Ecke, "14:00", "14:15", "14:30", "14:45", "15:00"},
                                     {"Raum 5", "", "", "", "", ""},
                                     {"Raum 7", "A", "", "", "", "D"}}));
    }

    // The text table byte for byte: Windows-1252, CR LF, every cell quoted after a comma, the shown days
    // side by side.
    void csv_data() {
        QTest::addColumn<int>("ansicht");
        QTest::addColumn<QStringList>("lehrer");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("1.Tag") << int(TTagesansicht::Tag1)
                               << QStringList{"A|Raum 5|0", "D|Raum 7|1", "E|R9|48"}
                               << QByteArray("\"R\xE4ume \\\xA0\xA0Zeiten\",\"14:00\",\"14:15\"\r\n"
                                             "\"R9\",\"\",\"\"\r\n"
                                             "\"Raum 5\",\"A\",\"\"\r\n"
                                             "\"Raum 7\",\"\",\"D\"\r\n");
        QTest::newRow("2.Tag") << int(TTagesansicht::Tag2) << QStringList{"A|Raum 5|0", "E|R9|48"}
                               << QByteArray("\"R\xE4ume \\\xA0\xA0Zeiten\",\"14:00\"\r\n"
                                             "\"R9\",\"E\"\r\n"
                                             "\"Raum 5\",\"\"\r\n");
        QTest::newRow("Beide Tage") << int(TTagesansicht::BeideTage) << QStringList{"A|Raum 5|0", "E|R9|48"}
                                    << QByteArray("\"R\xE4ume \\\xA0\xA0Zeiten\",\"14:00\","
                                                  "\"R\xE4ume \\\xA0\xA0Zeiten\",\"14:00\"\r\n"
                                                  "\"R9\",\"\",\"R9\",\"E\"\r\n"
                                                  "\"Raum 5\",\"A\",\"Raum 5\",\"\"\r\n");
        QTest::newRow("Anführungszeichen verdoppelt")
            << int(TTagesansicht::Tag1) << QStringList{"A|Raum \"Ö\"|0"}
            << QByteArray("\"R\xE4ume \\\xA0\xA0Zeiten\",\"14:00\"\r\n"
                          "\"Raum \"\"\xD6\"\"\",\"A\"\r\n");
    }
    void csv() {
        QFETCH(int, ansicht);
        QFETCH(QStringList, lehrer);
        QFETCH(QByteArray, text);
        const TPlanfall f(2, lehrer);
        QCOMPARE(RaumplanCsv(f.Plan(static_cast<TTagesansicht>(ansicht))), text);
    }

    void vorbereiten() {
        TPlanfall f(1, {"A|Raum 5|0", "B||-1", "C||1"});
        f.b.p.Lehrerliste.FindeKuerzel("C")->Name = QString::fromUtf8("Müller");
        f.b.p.Lehrerliste.FindeKuerzel("A")->Raum = "Aula";
        const TLehrer* ohne = RaumplanVorbereiten(f.b.p);
        QCOMPARE(f.b.p.RaumListe.Raeume(), QStringList{"Aula"});
        QVERIFY(ohne);
        QCOMPARE(ohne->Kuerzel, "C");
        QCOMPARE(
            RaumzuweisungUnvollstaendigText(*ohne),
            QString::fromUtf8("Es haben noch nicht alle Lehrer\r(an die sich Gesprächswünsche richten)\r"
                              "einen Raum zugewiesen bekommen.\rHerr Müller hat z.B. Gespräche, aber noch "
                              "keinen Raum.\r\rLehrer ohne Raum können in der Raumübersicht NICHT "
                              "berücksichtigt werden!"));
        f.b.p.Lehrerliste.FindeKuerzel("C")->Raum = "R";
        QCOMPARE(RaumplanVorbereiten(f.b.p), nullptr);
    }

    // Which rooms are printed, for each choice of the print dialog.
    void druckwahl_data() {
        QTest::addColumn<int>("wahl");
        QTest::addColumn<QList<int>>("markiert");
        QTest::addColumn<QStringList>("raeume");
        QTest::newRow("belegte") << int(TRaumdruckWahl::Belegte) << QList<int>{} << QStringList{"R5", "R7"};
        QTest::newRow("mehrfach genutzte")
            << int(TRaumdruckWahl::Mehrfach) << QList<int>{} << QStringList{"R5"};
        QTest::newRow("markierte") << int(TRaumdruckWahl::Markierte) << QList<int>{3, 1}
                                   << QStringList{"R5", "R9"};
    }
    void druckwahl() {
        QFETCH(int, wahl);
        QFETCH(QList<int>, markiert);
        QFETCH(QStringList, raeume);
        // R7's second teacher has his appointment on day 2, which the view leaves out.
        const TPlanfall f(2, {"A|R5|0", "B|R5|1", "D|R7|2", "F|R7|48", "E|R9|"});
        const TRaumplan plan = f.Plan(TTagesansicht::Tag1);
        QStringList gewaehlt;
        for (int zeile :
             RaeumeZumDrucken(plan, static_cast<TRaumdruckWahl>(wahl), {markiert.begin(), markiert.end()}))
            gewaehlt << plan.Raeume[zeile - 1];
        QCOMPARE(gewaehlt, raeume);
        QVERIFY(RaeumeZumDrucken(f.Plan(), TRaumdruckWahl::Mehrfach, {}).size() == 2);
    }

    // A room's printed lines: the date on the first line of each day, the family only when asked for, the
    // Kürzel after a name two teachers share.
    void druckzeilen() {
        TPlanfall f(2, {"A|R5|0,1,48"});
        TLehrer* a = f.b.p.Lehrerliste.FindeKuerzel("A");
        a->Name = QString::fromUtf8("Müller");
        const auto zeilen = RaumdruckZeilen(f.b.p, f.Plan(), 1, true);
        QStringList texte;
        for (const TRaumdruckZeile& z : zeilen)
            texte << QStringList{QString::number(z.Tag), z.Datum, z.Zeit, z.Lehrkraft, z.Eltern}.join(u'|');
        QCOMPARE(texte, (QStringList{QString::fromUtf8("0|01.03.2027|14:00|Herr Müller|F1"),
                                     QString::fromUtf8("0||14:15|Herr Müller|F2"),
                                     QString::fromUtf8("1|02.03.2027|14:00|Herr Müller|F3")}));
        a->NameDoppelt = true;
        const auto ohneEltern = RaumdruckZeilen(f.b.p, f.Plan(TTagesansicht::Tag2), 1, false);
        QCOMPARE(ohneEltern.size(), size_t{1});
        QCOMPARE(ohneEltern[0].Lehrkraft, QString::fromUtf8("Herr Müller (A)"));
        QVERIFY(ohneEltern[0].Eltern.isEmpty());
        QCOMPARE(RaumdruckKopf(f.b.p), "Elternsprechtag 2027");
    }
};

VEL_TEST(TstRaumZeitplan)
#include "tst_RaumZeitplan.moc"
