#include "Lesehilfe.h"
#include "common/TestHaupt.h"
#include "model/Datumstexte.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TLeseErgebnis)

class TstProjektlesen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void jedeVersion_data() {
        QTest::addColumn<int>("version");
        for (int v = 0; v <= 4; ++v)
            QTest::addRow("Version %d", v) << v;
    }
    // Every version gives the same project, as far as it can carry it.
    void jedeVersion() {
        QFETCH(int, version);
        TProjekt p;
        TSkriptMeldung m;
        TLeseOptionen o;
        o.LatKlBez = true;
        QCOMPARE(Lesen(Beispielprojekt(version), p, m, o), TLeseErgebnis::Gelesen);
        QVERIFY(m.Protokoll.isEmpty());
        QCOMPARE(p.Dateiversion, version == 0 ? QStringLiteral("VEL-Projekt00")
                                              : QStringLiteral("VELProjekt0%1").arg(version));

        QCOMPARE(p.Elternliste.Count(), 2);
        TEltern* maier = p.Elternliste[0];
        QCOMPARE(maier->Name, QStringLiteral("Maier"));
        QCOMPARE(maier->Zeiten[5], 1);
        QCOMPARE(p.Elternliste[1]->VollName(), QStringLiteral("von Weiß"));
        QCOMPARE(maier->Kinder.Count(), 2);
        TKind* ben = maier->Kinder[1];
        QCOMPARE(ben->KindMitKlasse(), QStringLiteral("Ben (7b)"));
        QVERIFY(!ben->AltKuerzel);
        QCOMPARE(ben->Nachname, version >= 2 ? QStringLiteral("Schulz") : QString());
        QCOMPARE(maier->Telefon, version >= 2 ? QStringLiteral("0761 12345") : QString());
        QCOMPARE(maier->Anmerkung, version >= 2 ? QStringLiteral("kommt später") : QString());
        QCOMPARE(p.LetzteElternNr, 2);

        QCOMPARE(p.Lehrerliste.Count(), 2);
        TLehrer* mue = p.Lehrerliste.FindeKuerzel(QStringLiteral("MUE"));
        QVERIFY(mue);
        QCOMPARE(mue->Raum, QStringLiteral("A1ÿB2"));
        QCOMPARE(mue->Anschrift(false), QStringLiteral("Frau Dr. Müller"));
        QVERIFY(mue->HatTermin);

        QCOMPARE(p.Gespraechsliste.Count(), 4);
        TGespraech* g1 = Gespraech(p, 1);
        QCOMPARE(g1->Kind, maier->Kinder[0]);
        QCOMPARE(g1->Lehrer, mue);
        QCOMPARE(g1->Termin, 5);
        QVERIFY(g1->IstGenagelt());
        QCOMPARE(Gespraech(p, 2)->KindKommtMit(), version > 0);
        QCOMPARE(Gespraech(p, 4)->Termin, TerminUnmoeglich);
        // Ben asked for MUE before SCH, whatever order the file keeps the conversations in.
        QCOMPARE(ben->Gespraeche.size(), size_t(2));
        QCOMPARE(ben->Gespraeche[0], Gespraech(p, 3));
        QCOMPARE(ben->Gespraeche[1], Gespraech(p, 2));
        QCOMPARE(Gespraech(p, 3)->Rang, 0);
        QCOMPARE(Gespraech(p, 2)->Rang, 1);
        QCOMPARE(p.LetzteGespraechNr, 4);
        QCOMPARE(mue->Zaehler, 2);

        QCOMPARE(p.Zeittexte[0], QStringLiteral("14:00"));
        QCOMPARE(p.Zeittexte[48], QStringLiteral("08:00"));
        QVERIFY(p.ZeitAktiv[49] && !p.ZeitAktiv[6]);
        QCOMPARE(DatumAusWert(p.Datum[0]), QDate(2027, 3, 1));
        QCOMPARE(DatumAusWert(p.Datum[1]), QDate(2027, 3, 2));
        QVERIFY(p.ZweiTage);
        QCOMPARE(p.LetzterSlot, 95);
        QCOMPARE(p.LatKlBez, version < 2);
        QCOMPARE(p.Standardsperre[0], SlotGesperrt);
        QCOMPARE(p.AnmerkungAlleEltern, QStringLiteral("Bitte pünktlich"));
        QCOMPARE(p.NotizText, QStringLiteral("Räume prüfen\r\nAula frei"));
        QVERIFY(p.BitteTag1);
    }

    void belegungAusDemPlan_data() {
        QTest::addColumn<bool>("mue");
        QTest::addColumn<bool>("sch");
        QTest::newRow("wie gespeichert") << true << false;
        QTest::newRow("veraltet gespeichert") << false << true;
    }
    // Who has an appointment comes from the plan, whatever mark the file kept; families keep none.
    void belegungAusDemPlan() {
        QFETCH(bool, mue);
        QFETCH(bool, sch);
        TProjektF f = Beispielprojekt(4);
        f.Lehrer[0].HatTermin = mue;
        f.Lehrer[1].HatTermin = sch;
        TProjekt p;
        TSkriptMeldung m;
        QCOMPARE(Lesen(f, p, m), TLeseErgebnis::Gelesen);
        QVERIFY(p.Lehrerliste.FindeKuerzel(QStringLiteral("MUE"))->HatTermin);
        QVERIFY(!p.Lehrerliste.FindeKuerzel(QStringLiteral("SCH"))->HatTermin);
        QVERIFY(p.Elternliste[0]->HatTermin);
        QVERIFY(!p.Elternliste[1]->HatTermin);
    }

    void magic_data() {
        QTest::addColumn<QByteArray>("magic");
        QTest::addColumn<int>("version");
        QTest::newRow("00") << QByteArray("VEL-Projekt00") << 0;
        QTest::newRow("00 nur genau") << QByteArray("VEL-Projekt01") << -1;
        QTest::newRow("vor 01") << QByteArray("VELProjekt00") << -1;
        QTest::newRow("zu kurz") << QByteArray("VELProjekt0") << -1;
        QTest::newRow("leer") << QByteArray() << -1;
        QTest::newRow("01") << QByteArray("VELProjekt01") << 1;
        QTest::newRow("länger als 01") << QByteArray("VELProjekt015") << 1;
        QTest::newRow("03") << QByteArray("VELProjekt03") << 3;
        QTest::newRow("04") << QByteArray("VELProjekt04") << 4;
        QTest::newRow("nach 04") << QByteArray("VELProjekt05") << 4;
        QTest::newRow("Lehrerdatei") << QByteArray("VEL_Lehrer00") << 4;
        QTest::newRow("Bytes über 0x7F") << QByteArray("VEL\xe9") << 4;
    }
    void magic() {
        QFETCH(QByteArray, magic);
        QFETCH(int, version);
        QCOMPARE(ProjektVersion(magic), version);
    }

    void magicNach04WirdAlsVersion04Gelesen() {
        TProjektF f = Beispielprojekt(4);
        f.Magic = "VELProjekt05";
        TProjekt p;
        TSkriptMeldung m;
        QCOMPARE(Lesen(f, p, m), TLeseErgebnis::Gelesen);
        QCOMPARE(p.Dateiversion, QStringLiteral("VELProjekt05"));
        QCOMPARE(p.Elternliste[0]->Telefon, QStringLiteral("0761 12345"));
    }

    void keinProjekt_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("Lehrerdatei") << QStringLiteral("lehrer.ldt") << Projektdatei(Beispielprojekt());
        QTest::newRow("falsche Magie") << QStringLiteral("x.pdt") << QByteArray("\x0cVELProjekt00");
        QTest::newRow("leer") << QStringLiteral("x.pdt") << QByteArray();
        QTest::newRow("Magie länger als Datei") << QStringLiteral("x.PD~") << QByteArray("\x20VELProjekt04");
    }
    // A file that is no project leaves the project alone and says so.
    void keinProjekt() {
        QFETCH(QString, name);
        QFETCH(QByteArray, inhalt);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(name);
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
        f.close();
        TProjekt p;
        TSkriptMeldung m;
        QCOMPARE(ProjektLaden(pfad, p, m, {}), TLeseErgebnis::KeinProjekt);
        QCOMPARE(m.Protokoll.size(), 1);
        QCOMPARE(m.Protokoll[0].Text, QStringLiteral("Die Datei ist keine gültige Projektdatei."));
        QVERIFY(p.Elternliste.Leer() && p.Dateiversion.isEmpty());
    }

    void ladenLiestDieDatei() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("projekt.PDT"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Projektdatei(Beispielprojekt()));
        f.close();
        TProjekt p;
        TSkriptMeldung m;
        QCOMPARE(ProjektLaden(pfad, p, m, {}), TLeseErgebnis::Gelesen);
        QCOMPARE(p.Elternliste.Count(), 2);
        QCOMPARE(ProjektLaden(ordner.filePath(QStringLiteral("fehlt.pdt")), p, m, {}),
                 TLeseErgebnis::KeinProjekt);
        QVERIFY(m.Protokoll.last().Text.contains(QStringLiteral("fehlt.pdt")));
    }

    void legacyModi_data() {
        QTest::addColumn<bool>("datumAlsText");
        QTest::newRow("OhneKindNachname") << false;
        QTest::newRow("DatumAlsText") << true;
    }
    void legacyModi() {
        QFETCH(bool, datumAlsText);
        TProjektF f = Beispielprojekt(3);
        f.OhneKindNachname = true;
        f.DatumAlsText = datumAlsText;
        TLeseOptionen o;
        o.OhneKindNachname = !datumAlsText;
        o.DatumAlsText = datumAlsText;
        TProjekt p;
        TSkriptMeldung m;
        QCOMPARE(Lesen(f, p, m, o), TLeseErgebnis::Gelesen);
        QCOMPARE(p.Elternliste[0]->Kinder[1]->Nachname, QString());
        QCOMPARE(p.Elternliste[0]->Telefon, QString());
        QCOMPARE(p.Elternliste[0]->Anmerkung, QStringLiteral("kommt später"));
        QCOMPARE(DatumAusWert(p.Datum[1]), QDate(2027, 3, 2));
        QCOMPARE(p.Gespraechsliste.Count(), 4);
        QCOMPARE(p.NotizText, QStringLiteral("Räume prüfen\r\nAula frei"));
    }

    // A legacy mode would read a current file as garbage: it is refused, and nothing is read.
    void aktuelleDateiNichtAlsAltformat_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("OhneKindNachname") << int(TAltformat::OhneKindNachname);
        QTest::newRow("DatumAlsText") << int(TAltformat::DatumAlsText);
    }
    void aktuelleDateiNichtAlsAltformat() {
        QFETCH(int, format);
        TProjekt p;
        TSkriptMeldung m;
        QCOMPARE(Lesen(Beispielprojekt(), p, m, AltformatOptionen(TAltformat(format))),
                 TLeseErgebnis::AktuellesFormat);
        QVERIFY(m.Protokoll.isEmpty());
        QVERIFY(p.Elternliste.Leer() && p.Lehrerliste.Leer());
    }

    // After a failed read in the current layout, the mode in which the file reads cleanly is named.
    void passendesAltformat_data() {
        QTest::addColumn<bool>("ohneNachname");
        QTest::addColumn<bool>("datumAlsText");
        QTest::addColumn<bool>("gekuerzt");
        QTest::addColumn<int>("format");
        QTest::newRow("aktuell") << false << false << false << int(TAltformat::Aktuell);
        QTest::newRow("beschädigt") << false << false << true << int(TAltformat::Aktuell);
        QTest::newRow("ohne Nachnamen") << true << false << false << int(TAltformat::OhneKindNachname);
        QTest::newRow("Datum als Text") << true << true << false << int(TAltformat::DatumAlsText);
    }
    void passendesAltformat() {
        QFETCH(bool, ohneNachname);
        QFETCH(bool, datumAlsText);
        QFETCH(bool, gekuerzt);
        QFETCH(int, format);
        TProjektF f = Beispielprojekt(3);
        f.OhneKindNachname = ohneNachname;
        f.DatumAlsText = datumAlsText;
        QByteArray daten = Projektdatei(f);
        if (gekuerzt) daten.chop(daten.size() / 2);
        QTemporaryDir ordner;
        QFile datei(ordner.filePath(QStringLiteral("alt.pdt")));
        QVERIFY(datei.open(QIODevice::WriteOnly) && datei.write(daten) == daten.size());
        datei.close();
        QCOMPARE(int(PassendesAltformat(datei.fileName())), format);
    }

    void textdatum_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("datum");
        QTest::newRow("vierstellig") << QStringLiteral("01.03.2027") << QDate(2027, 3, 1);
        QTest::newRow("zweistellig") << QStringLiteral("2.3.27") << QDate(2027, 3, 2);
        QTest::newRow("leer") << QString() << QDate(1899, 12, 30);
        QTest::newRow("ungültig") << QStringLiteral("31.02.2027") << QDate(1899, 12, 30);
        QTest::newRow("kein Datum") << QStringLiteral("morgen") << QDate(1899, 12, 30);
    }
    void textdatum() {
        QFETCH(QString, text);
        QFETCH(QDate, datum);
        TProjektF f = Beispielprojekt(1);
        f.DatumText[0] = text;
        TProjekt p;
        TSkriptMeldung m;
        QCOMPARE(Lesen(f, p, m), TLeseErgebnis::Gelesen);
        QCOMPARE(DatumAusWert(p.Datum[0]), datum);
    }

    // Two children of one name: every conversation naming it belongs to the first.
    void gleicheVornamenGehoerenZumErstenKind() {
        TProjektF f = Beispielprojekt();
        f.Familien[0].Kinder[1].Vorname = QStringLiteral("Anna");
        f.Gespraeche[1].Kind = f.Gespraeche[2].Kind = QStringLiteral("Anna");
        TProjekt p;
        TSkriptMeldung m;
        QCOMPARE(Lesen(f, p, m), TLeseErgebnis::Gelesen);
        TKind* erste = p.Elternliste[0]->Kinder[0];
        QCOMPARE(erste->Gespraeche.size(), size_t(3));
        QVERIFY(p.Elternliste[0]->Kinder[1]->Gespraeche.empty());
        for (int n = 1; n <= 3; ++n)
            QCOMPARE(Gespraech(p, n)->Kind, erste);
    }

    void unverknuepfbareGespraecheEntfallen_data() {
        QTest::addColumn<int>("elternNr");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("kuerzel");
        QTest::newRow("Familie fehlt") << 9 << QStringLiteral("Anna") << QStringLiteral("MUE");
        QTest::newRow("Kind fehlt") << 1 << QStringLiteral("Zoë") << QStringLiteral("MUE");
        QTest::newRow("Lehrkraft fehlt") << 1 << QStringLiteral("Anna") << QStringLiteral("XYZ");
    }
    // The file's slot entries of such a conversation are freed by the check after opening.
    void unverknuepfbareGespraecheEntfallen() {
        QFETCH(int, elternNr);
        QFETCH(QString, kind);
        QFETCH(QString, kuerzel);
        TProjektF f = Beispielprojekt();
        f.Gespraeche[0].ElternNr = int16_t(elternNr);
        f.Gespraeche[0].Kind = kind;
        f.Gespraeche[0].Kuerzel = kuerzel;
        TProjekt p;
        TSkriptMeldung m;
        QCOMPARE(Lesen(f, p, m), TLeseErgebnis::Gelesen);
        QCOMPARE(p.Gespraechsliste.Count(), 3);
        QVERIFY(!Gespraech(p, 1));
        QVERIFY(p.Elternliste[0]->Kinder[0]->Gespraeche.empty());
        QCOMPARE(m.Titel(), QStringList{QStringLiteral("Fehler in Projektdatei:")});
        QVERIFY(m.Protokoll[0].Text.startsWith(QStringLiteral("1 Gespräch(e)")));
        QVERIFY(ProjektPruefen(p, m));
        QCOMPARE(p.Elternliste[0]->Zeiten[5], SlotFrei);
        QCOMPARE(p.Lehrerliste[0]->Zeiten[5], SlotFrei);
    }

    void letzteElternNrWirdKorrigiert() {
        TProjektF f = Beispielprojekt();
        f.Familien[1].Nummer = 7;
        f.Gespraeche[3].ElternNr = 7;
        f.LetzteElternNr = 3;
        TProjekt p;
        TSkriptMeldung m;
        QCOMPARE(Lesen(f, p, m), TLeseErgebnis::Gelesen);
        QCOMPARE(p.LetzteElternNr, 7);
        QCOMPARE(m.Protokoll.size(), 1);
        QCOMPARE(m.Protokoll[0].Text, QStringLiteral("Maximale Schlüsselnr. wird korrigiert von 3 auf 7!"));
        QCOMPARE(m.Protokoll[0].Titel, QStringLiteral("Fehler in Projektdatei:"));
    }

    void projektPruefen() {
        TProjekt p;
        TSkriptMeldung m;
        QCOMPARE(Lesen(Beispielprojekt(), p, m), TLeseErgebnis::Gelesen);
        QVERIFY(!ProjektPruefen(p, m));
        QVERIFY(m.Protokoll.isEmpty());
        p.Lehrerliste[1]->Zeiten[7] = 9;
        p.Elternliste[1]->Zeiten[50] = 32767;
        QVERIFY(ProjektPruefen(p, m));
        QCOMPARE(p.Lehrerliste[1]->Zeiten[7], SlotFrei);
        QCOMPARE(p.Elternliste[1]->Zeiten[50], SlotFrei);
        QCOMPARE(p.Elternliste[0]->Zeiten[5], 1); // a real appointment stays
        QCOMPARE(p.Elternliste[1]->Zeiten[0], SlotGesperrt);
        QCOMPARE(m.Protokoll.size(), 1);
        QCOMPARE(m.Protokoll[0].Titel, QStringLiteral("Fehler in der Datei"));
        QCOMPARE(m.Protokoll[0].Art, MeldungsArt::Warnung);
        QVERIFY(m.Protokoll[0].Text.startsWith(QStringLiteral("DIE GELADENE DATEI WAR FEHLERHAFT!\rBei")));
    }

    void unvollstaendigeGespraechsliste() {
        const QByteArray voll = Projektdatei(Beispielprojekt());
        // Ends inside the third conversation record.
        const qsizetype ende = voll.indexOf(QByteArray("\x00\x00\x03\x00\x01\x00\x03\x00MUE", 11));
        QVERIFY(ende > 0);
        TProjekt p;
        TSkriptMeldung m;
        QCOMPARE(ProjektLesen(voll.left(ende + 6), p, m, {}), TLeseErgebnis::Lesefehler);
        QCOMPARE(m.Protokoll.size(), 1);
        QCOMPARE(m.Protokoll[0].Text,
                 QStringLiteral("Die eingelesene Datei ist beschädigt: Die Gesprächsliste "
                                "konnte nur unvollständig gelesen werden."));
    }

    void dateiendeInAbschnitten_data() {
        QTest::addColumn<qsizetype>("laenge");
        const TProjektF f = Beispielprojekt();
        QTest::newRow("in der Magie") << qsizetype(5);
        QTest::newRow("in einer Familie") << qsizetype(40);
        QTest::newRow("vor MaximalBlock_El") << NotizAnfang(f) - 1;
    }
    void dateiendeInAbschnitten() {
        QFETCH(qsizetype, laenge);
        TProjekt p;
        TSkriptMeldung m;
        const TLeseErgebnis e = ProjektLesen(Projektdatei(Beispielprojekt()).left(laenge), p, m, {});
        QCOMPARE(e, laenge < 13 ? TLeseErgebnis::KeinProjekt : TLeseErgebnis::Lesefehler);
    }

    void dateiendeVorDenNotizen_data() {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("nach"); // bytes of the annotations and note pad that remain
        QTest::addColumn<bool>("raum");
        QTest::addColumn<bool>("termin");
        QTest::newRow("04 ohne Notizen") << 4 << 0 << true << true;
        QTest::newRow("04 ohne Raum und Termin") << 4 << 0 << false << false;
        QTest::newRow("04 mitten in den Haken") << 4 << 215 << true << false;
        QTest::newRow("04 mitten im Layout") << 4 << 250 << false << true;
        QTest::newRow("02 ohne Notizen") << 2 << 0 << false << true;
        QTest::newRow("03 mitten im Layout") << 3 << 260 << true << true;
    }
    // Old files lacked the note pad: they open with a hint instead.
    void dateiendeVorDenNotizen() {
        QFETCH(int, version);
        QFETCH(int, nach);
        QFETCH(bool, raum);
        QFETCH(bool, termin);
        TProjektF f = Beispielprojekt(version);
        if (!raum)
            for (TLehrerF& l : f.Lehrer)
                l.Raum.clear();
        if (!termin) f.Gespraeche[0].Termin = -2;
        TProjekt p;
        TSkriptMeldung m;
        const QByteArray daten = Projektdatei(f).left(NotizAnfang(f) + nach);
        QCOMPARE(ProjektLesen(daten, p, m, {}), TLeseErgebnis::Gelesen);
        QVERIFY(m.Protokoll.isEmpty());
        QCOMPARE(p.NotizText,
                 QStringLiteral("Hinweis:\r\nDiese Notizen waren bisher nicht im Projekt gespeichert."));
        QCOMPARE(p.NotizHaken[0], true);
        QCOMPARE(p.NotizHaken[5], raum);
        QCOMPARE(p.NotizHaken[6], termin);
        QCOMPARE(p.Gespraechsliste.Count(), 4);
    }
};

VEL_TEST(TstProjektlesen)
#include "tst_Projektlesen.moc"
