#include "Generator.h"
#include "Lesehilfe.h"
#include "common/TestHaupt.h"
#include "model/Cp1252.h"
#include "model/Logo.h"
#include "model/VELMemStream.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Geschrieben(const TProjekt& p) {
    QString fehler;
    const QByteArray daten = ProjektDaten(p, fehler);
    if (!fehler.isEmpty()) qWarning() << fehler;
    return daten;
}

QByteArray Dateiinhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("fehlt");
}

void Schreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

// A plan on a generated project: the first conversations booked where both are free, every third nailed.
void Buchen(TProjekt& p, int anzahl) {
    for (int i = 0; i < anzahl; ++i) {
        TGespraech* g = p.Gespraechsliste[i];
        for (int s = 0; s <= p.LetzterSlot; ++s) {
            if (!p.ZeitAktiv[s] || g->Lehrer->Zeiten[s] != SlotFrei || g->Eltern()->Zeiten[s] != SlotFrei)
                continue;
            g->Termin = static_cast<int16_t>(s);
            g->Lehrer->Zeiten[s] = g->Eltern()->Zeiten[s] = g->Nummer;
            g->SetGenagelt(i % 3 == 0);
            break;
        }
    }
    p.PausenAlle();
    p.BelegungMarkieren();
}

// Every setting away from its default, so that a lost one shows.
void AllesEinstellen(TProjekt& p) {
    TListenlayout& l = p.Listenlayout;
    l.MitNummer = 3;
    l.Eltern_Leerzeilen = 0;
    l.Lehrer_Leerzeilen = 2;
    l.EinzellistenProTagE = l.EinzellistenProTagL = l.TelefonNichtTerminiert = l.TelefonImmer = true;
    l.HinweisAlleTerminiertE = l.HinweisAlleTerminiertL = l.PauseDrucken = false;
    l.UeberschriftKursiv = l.SchulnameAusblenden = true;
    l.TitelGross = l.TitelGesperrt = false;
    l.UeberschriftWunsch = QStringLiteral("Gewünscht:");
    l.UeberschriftOhneTermin = QStringLiteral("Ohne Termin:");
    l.NachrPosE = 4;
    l.NachrPosL = 5;
    l.Datumsformat = 1;
    l.Titel = QStringLiteral("Sprechtag der Schule am See");
    l.Schriftart = QStringLiteral("Arial");
    l.Schriftgroesse = 9;
    l.Tabulatoren[16] = 1700;
    l.Seitenraender = {2.345, 1.0, 0.5, 3.0};
    l.Ausrichtung = 1;
    l.ListenRaender = {1, 2, 3, 4};
    l.ListenAusrichtung = 1;
    l.ListenSchriftart = QStringLiteral("Verdana");
    l.ListenSchriftgroesse = 14;
    l.MitLogo = true;
    l.LogoArt = LogoPng;
    l.LogoQuelle = Logobild(LogoPng);
    l.Logo = QImage::fromData(l.LogoQuelle);
    p.MaximalBlock = 5;
    p.MaximalBlock_El = 3;
    p.BitteTag1 = false;
    p.LatKlBez = true;
    p.ListenSortierung = 0xD0;
    p.Handverschoben = 3;
    p.UnmoeglichBestimmt = p.ReihenfolgeFest = p.TermineBerechnet = true;
    p.AnmerkungAlleEltern = QStringLiteral("Bitte pünktlich – danke!");
    p.AnmerkungAlleLehrer = QStringLiteral("Kaffee im Lehrerzimmer");
    p.Standardsperre[0] = p.Standardsperre[50] = SlotGesperrt;
    p.NotizHaken = {true, false, true, false, true, false, true, false, true, false, true};
    p.NotizText = QStringLiteral("1. Räume\r\n2. Listen");
    p.Reserviert[0] = 'R';
    p.Reserviert[47] = '\x7f';
}

} // namespace

class TstProjektschreiben : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void byteGenau_data() {
        QTest::addColumn<int>("art");
        QTest::newRow("ohne Logo") << 0;
        QTest::newRow("JPEG") << int(LogoJpeg);
        QTest::newRow("Metafile") << int(LogoMetafile);
        QTest::newRow("PNG") << int(LogoPng);
        QTest::newRow("Icon") << int(LogoIcon);
        QTest::newRow("GIF") << int(LogoGif);
    }
    // A version-04 file of this format is written back exactly as it was read.
    void byteGenau() {
        QFETCH(int, art);
        TProjektF f = Beispielprojekt();
        f.ListenSortierung = 0xC0;
        f.Handverschoben = 2;
        f.TermineBerechnet = true;
        f.LatKlBez = true;
        f.NotizHaken[8] = true;
        f.Reserviert[3] = 7;
        if (art) {
            f.Optionen |= 0x800;
            f.LogoArt = art;
            f.LogoDaten = Logoblock(art, Logobild(art));
        }
        TProjekt p;
        TSkriptMeldung m;
        QCOMPARE(Lesen(f, p, m), TLeseErgebnis::Gelesen);
        QCOMPARE(p.Listenlayout.LogoArt, art);
        QCOMPARE(p.Listenlayout.LogoQuelle, art ? Logobild(art) : QByteArray());
        QCOMPARE(p.Listenlayout.Logo.isNull(), art == 0 || art == LogoMetafile);
        QCOMPARE(Geschrieben(p), Projektdatei(f));
    }

    void bitmapWirdAlsPngGeschrieben() {
        TProjektF f = Beispielprojekt();
        f.Optionen |= 0x800;
        f.LogoArt = LogoBitmap;
        f.LogoDaten = Logoblock(LogoBitmap, Logobild(LogoBitmap));
        TProjekt p;
        TSkriptMeldung m;
        QCOMPARE(Lesen(f, p, m), TLeseErgebnis::Gelesen);
        QCOMPARE(p.Listenlayout.LogoArt, LogoBitmap);
        const QImage bild = p.Listenlayout.Logo;
        QCOMPARE(bild.size(), QSize(3, 2));

        const QByteArray daten = Geschrieben(p);
        TProjekt q;
        QCOMPARE(ProjektLesen(daten, q, m, {}), TLeseErgebnis::Gelesen);
        QCOMPARE(q.Listenlayout.LogoArt, LogoPng);
        QVERIFY(q.Listenlayout.LogoQuelle.startsWith("\x89PNG"));
        QCOMPARE(q.Listenlayout.Logo.convertToFormat(QImage::Format_RGB32),
                 bild.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(Geschrieben(q), daten);
    }

    // A project of realistic size survives writing and reading with every setting, the plan, the note
    // pad and the logo, and is then written byte for byte as before.
    void generiertesProjekt() {
        TProjekt p;
        TGeneratorOptionen o = GroesseL();
        o.Familien = 400;
        ProjektErzeugen(p, o);
        Buchen(p, 600);
        AllesEinstellen(p);
        const QByteArray daten = Geschrieben(p);
        QVERIFY(!daten.isEmpty());

        TProjekt q;
        TSkriptMeldung m;
        QCOMPARE(ProjektLesen(daten, q, m, {}), TLeseErgebnis::Gelesen);
        QVERIFY(m.Protokoll.isEmpty());
        QVERIFY(!ProjektPruefen(q, m));
        QCOMPARE(Geschrieben(q), daten);

        QCOMPARE(q.Gespraechsliste.Count(), p.Gespraechsliste.Count());
        for (int i = 0; i < p.Gespraechsliste.Count(); ++i) {
            const TGespraech* a = p.Gespraechsliste[i];
            const TGespraech* b = q.Gespraechsliste[i];
            QCOMPARE(b->Nummer, a->Nummer);
            QCOMPARE(b->Termin, a->Termin);
            QCOMPARE(b->Flags, a->Flags);
            QCOMPARE(b->Rang, a->Rang);
            // Names such as "Ayşe" hold characters the file's code page has not.
            QCOMPARE(b->Kind->KindNameMitKlasse(), AusCp1252(NachCp1252(a->Kind->KindNameMitKlasse())));
            QCOMPARE(b->Eltern()->Nummer, a->Eltern()->Nummer);
            QCOMPARE(b->Lehrer->Kuerzel, a->Lehrer->Kuerzel);
        }
        for (int i = 0; i < p.Lehrerliste.Count(); ++i)
            QCOMPARE(q.Lehrerliste[i]->Zeiten, p.Lehrerliste[i]->Zeiten);
        const TListenlayout& l = q.Listenlayout;
        QCOMPARE(l.Seitenraender, p.Listenlayout.Seitenraender);
        QCOMPARE(l.Titel, p.Listenlayout.Titel);
        QVERIFY(l.Datumsformat == 1 && l.SchulnameAusblenden && !l.TitelGesperrt && l.TelefonImmer);
        QCOMPARE(l.Logo, p.Listenlayout.Logo);
        QCOMPARE(q.NotizHaken, p.NotizHaken);
        QCOMPARE(q.NotizText, p.NotizText);
        QCOMPARE(q.Reserviert, p.Reserviert);
        QCOMPARE(q.LetzteElternNr, p.LetzteElternNr);
        QCOMPARE(q.LetzteGespraechNr, p.LetzteGespraechNr);
        QVERIFY(q.ZweiTage && !q.BitteTag1 && q.LatKlBez);
    }

    // The reason of a failed read or write is told in German, whatever language the system speaks.
    void dateifehler_data() {
        QTest::addColumn<bool>("schreiben");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("grund");
        QTest::newRow("lesen, fehlt") << false << "fehlt.pdt"
                                      << "Die Datei existiert nicht.";
        QTest::newRow("lesen, Ordner") << false << "ordner"
                                       << "Das ist ein Ordner, keine Datei.";
        QTest::newRow("schreiben, Ordner fehlt") << true << "fehlt/p.pdt"
                                                 << "Der Ordner existiert nicht.";
        QTest::newRow("schreiben, Ordner") << true << "ordner"
                                           << "Unter diesem Namen gibt es bereits einen Ordner.";
    }
    void dateifehler() {
        QFETCH(bool, schreiben);
        QFETCH(QString, name);
        QFETCH(QString, grund);
        QTemporaryDir ordner;
        QVERIFY(QDir(ordner.path()).mkdir(QStringLiteral("ordner")));
        const QString pfad = ordner.filePath(name);
        QString fehler;
        QByteArray daten("x");
        QVERIFY(schreiben ? !DateiSchreiben(pfad, daten, fehler) : !DateiLesen(pfad, daten, fehler));
        QCOMPARE(fehler.section(QStringLiteral("\r\n"), 1), grund);
    }

    void speichernErsetztNurBeiErfolg() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("p.pdt"));
        Schreiben(pfad, "alt");
        TProjekt p;
        TSkriptMeldung m;
        QCOMPARE(Lesen(Beispielprojekt(), p, m), TLeseErgebnis::Gelesen);
        QString fehler;
        QVERIFY(!ProjektSpeichern(p, ordner.filePath(QStringLiteral("fehlt/p.pdt")), fehler));
        QVERIFY(fehler.contains(QStringLiteral("konnte nicht geschrieben werden")));

        p.Elternliste[1]->Anmerkung = QString(40000, u'x');
        QVERIFY(!ProjektSpeichern(p, pfad, fehler));
        QVERIFY(fehler.contains(QStringLiteral("„Anmerkung“ bei Frau von Weiß (Nr. 2)")));
        QVERIFY(fehler.contains(QStringLiteral("40000 Zeichen")));
        QCOMPARE(Dateiinhalt(pfad), QByteArray("alt"));

        p.Elternliste[1]->Anmerkung.clear();
        QVERIFY(ProjektSpeichern(p, pfad, fehler));
        QCOMPARE(Dateiinhalt(pfad), Projektdatei(Beispielprojekt()));
    }

    void textlaenge_data() {
        QTest::addColumn<int>("laenge");
        QTest::addColumn<bool>("ok");
        QTest::newRow("höchstens") << 32767 << true;
        QTest::newRow("eins zu viel") << 32768 << false;
    }
    void textlaenge() {
        QFETCH(int, laenge);
        QFETCH(bool, ok);
        TProjekt p;
        p.NotizText = QString(laenge, u'ä');
        QString fehler;
        QCOMPARE(ProjektDaten(p, fehler).isEmpty(), !ok);
        QCOMPARE(fehler.isEmpty(), ok);
        if (!ok)
            QVERIFY(fehler.startsWith(QStringLiteral("Der Text „Notizen“ ist mit 32768 Zeichen zu lang")));
    }

    // A name far beyond what the file holds is refused at once, with a message that quotes only the
    // beginning of the names.
    void riesigerName_data() {
        QTest::addColumn<bool>("lehrer");
        QTest::newRow("Familie") << false;
        QTest::newRow("Lehrkraft") << true;
    }
    void riesigerName() {
        QFETCH(bool, lehrer);
        TProjekt p;
        const QString name = QString::fromUtf8("Wąsowski") + QString(2'000'000, u'W');
        if (lehrer)
            p.NeuerLehrer(QStringLiteral("Frau"), QStringLiteral("WA"), name, {}, {});
        else
            p.NeueFamilie(QStringLiteral("Familie"), name, {});
        QString fehler;
        QElapsedTimer uhr;
        uhr.start();
        QVERIFY(ProjektDaten(p, fehler).isEmpty());
        QVERIFY2(uhr.elapsed() < 2000, qPrintable(QString::number(uhr.elapsed())));
        QVERIFY2(fehler.size() < 400, qPrintable(fehler.left(400)));
        QVERIFY(fehler.startsWith(QStringLiteral("Der Text „Name“ bei ")));
        QVERIFY(fehler.contains(QStringLiteral("2000008 Zeichen zu lang")));
        QVERIFY(fehler.contains(QString::fromUtf8("Er beginnt mit „Wąsowski") + QString(42, u'W') + u'…'));
    }

    // The hint that old files open with is no note of the user's.
    void notizhinweisWirdNichtGespeichert() {
        QTemporaryDir ordner;
        TProjekt p;
        p.NotizText = QString::fromUtf8(NotizHinweisText);
        QString fehler;
        QVERIFY(ProjektSpeichern(p, ordner.filePath(QStringLiteral("p.pdt")), fehler));
        QVERIFY(p.NotizText.isEmpty());
        TProjekt q;
        TSkriptMeldung m;
        QCOMPARE(ProjektLaden(ordner.filePath(QStringLiteral("p.pdt")), q, m, {}), TLeseErgebnis::Gelesen);
        QVERIFY(q.NotizText.isEmpty());
    }
};

VEL_TEST(TstProjektschreiben)
#include "tst_Projektschreiben.moc"
