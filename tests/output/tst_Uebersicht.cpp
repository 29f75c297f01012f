#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "common/Testdrucker.h"
#include "output/Statistik.h"
#include "output/Uebersicht.h"
#include "output/Uebersichtseiten.h"
#include "output/ui/Statistikgrafik.h"
#include "settings/Schuldaten.h"

#include "model/Projektdatei.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Maier's Anna (5a) and Ben, Acker's Cem; Anna with MUE booked and nailed at slot 2, Cem with BER at
// slot 3; Anna with BER, Ben with MUE and Cem with ABC without appointment.
struct TKleinFall {
    TProjektBauer b;
    TKleinFall() {
        b.Rahmen(1, 12);
        TKind* cem = b.Kind("Acker", "Cem");
        TKind* anna = b.Kind("Maier", "Anna", "5a");
        TKind* ben = b.Kind("Maier", "Ben");
        b.Wunsch(anna, "MUE", 2, true);
        b.Wunsch(anna, "BER");
        b.Wunsch(ben, "MUE");
        b.Wunsch(cem, "BER", 3);
        b.Wunsch(cem, "ABC");
        b.p.Lehrerliste.LehrerSortieren();
    }
};

QStringList Spalte(const TUebersicht& u, int spalte) {
    QStringList texte;
    for (const QStringList& z : u.Zeilen)
        texte << z.value(spalte);
    return texte;
}

QString PdfAlsText(const QByteArray& pdf) {
    QTemporaryDir ordner;
    QFile datei(ordner.filePath("x.pdf"));
    if (!datei.open(QIODevice::WriteOnly)) return {};
    datei.write(pdf);
    datei.close();
    return PdfText(datei.fileName());
}

// A word that pdftotext finds on a page, with its box in points.
struct TWort {
    QString Text;
    double Links;
    double Oben;
    double Rechts;
};

QList<TWort> PdfWoerter(const QByteArray& pdf) {
    QTemporaryDir ordner;
    QFile datei(ordner.filePath("x.pdf"));
    if (!datei.open(QIODevice::WriteOnly)) return {};
    datei.write(pdf);
    datei.close();
    // With VEL_BILDER set, the PDF is kept there to look at.
    if (const QString ablage = qEnvironmentVariable("VEL_BILDER"); !ablage.isEmpty())
        QFile::copy(datei.fileName(),
                    QDir(ablage).filePath(QStringLiteral("%1 %2.pdf")
                                              .arg(QString::fromUtf8(QTest::currentTestFunction()),
                                                   QString::fromUtf8(QTest::currentDataTag()))));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {"-bbox", datei.fileName(), "-"});
    p.waitForFinished(30000);
    static const QRegularExpression wort(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"[\\d.]+\">([^<]*)</word>"));
    QList<TWort> woerter;
    for (auto it = wort.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        woerter.append(
            {m.captured(4), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble()});
    }
    return woerter;
}

} // namespace

Q_DECLARE_METATYPE(TUebersichtArt)

class TstUebersicht : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The conversations without appointment, by family and by teacher; a repeated person is named once.
    void ohneTermin() {
        TKleinFall f;
        TUebersichtWahl w;
        TUebersicht u = UebersichtBauen(f.b.p, w);
        QCOMPARE(u.Titel, "Nicht terminierte Gespräche (nach Eltern sortiert)");
        QCOMPARE(u.Spalten.front().Titel, "Eltern");
        QCOMPARE(Spalte(u, 0), (QStringList{"Familie Acker", "Familie Maier", ""}));
        QCOMPARE(Spalte(u, 1), (QStringList{"ABC", "BER", "MUE"}));
        QCOMPARE(Spalte(u, 3), (QStringList{"Cem", "Anna (5a)", "Ben"}));
        QCOMPARE(Spalte(u, 4), (QStringList{"(2)", "(2)", "(1)"}));

        w.FuerEltern = false;
        u = UebersichtBauen(f.b.p, w);
        QCOMPARE(u.Titel, "Nicht terminierte Gespräche (nach Lehrern sortiert)");
        QCOMPARE(Spalte(u, 0), (QStringList{"ABC", "BER", "MUE"}));
        QCOMPARE(Spalte(u, 2), (QStringList{"Familie Acker", "Familie Maier", "Familie Maier"}));
        QCOMPARE(u.Spalten[2].Breite, 140);
    }

    void genagelt() {
        TKleinFall f;
        TUebersichtWahl w{TUebersichtArt::Genagelt};
        TUebersicht u = UebersichtBauen(f.b.p, w);
        QCOMPARE(u.Zeilen.size(), size_t(1));
        QCOMPARE(u.Zeilen[0].last(), "01.03.27, 14:20");
        for (const auto& g : f.b.p.Gespraechsliste)
            g->SetGenagelt(false);
        u = UebersichtBauen(f.b.p, w);
        QCOMPARE(u.Titel, "Genagelte Gespräche gibt es nicht in diesem Projekt.");
        QVERIFY(u.Zeilen.empty());
    }

    // The teacher overviews: only teachers with conversations unless all are asked for; the counts
    // first by number, and only "Anzahl" before any appointment; sorting by a column.
    void lehrer() {
        TKleinFall f;
        f.b.Lehrer("ZZZ");
        f.b.p.Lehrerliste.FindeKuerzel("MUE")->Raum = QStringLiteral("A12") + QChar(RaumTrenner) + "B3";
        TUebersichtWahl w{TUebersichtArt::Raeume};
        TUebersicht u = UebersichtBauen(f.b.p, w);
        QCOMPARE(u.Titel, "Raumzuordnung [nur für Lehrer mit Gespräch]");
        QCOMPARE(Spalte(u, 0), (QStringList{"ABC", "BER", "MUE"}));
        QCOMPARE(Spalte(u, 2), (QStringList{"", "", "A12, B3"}));
        w.AlleAnzeigen = true;
        w.Sortierspalte = 2;
        u = UebersichtBauen(f.b.p, w);
        QCOMPARE(u.Wechseltext, "nur beteiligte");
        QCOMPARE(Spalte(u, 0), (QStringList{"ABC", "BER", "ZZZ", "MUE"}));

        w = {TUebersichtArt::Anzahlen};
        u = UebersichtBauen(f.b.p, w);
        QCOMPARE(u.Spalten.size(), size_t(5));
        QCOMPARE(Spalte(u, 0), (QStringList{"BER", "MUE", "ABC"}));
        QCOMPARE(u.Zeilen[0].mid(2), (QStringList{"2", "1", "1"}));
        w.Sortierspalte = 0;
        QCOMPARE(Spalte(UebersichtBauen(f.b.p, w), 0), (QStringList{"ABC", "BER", "MUE"}));
        for (const auto& g : f.b.p.Gespraechsliste)
            f.b.p.Gespraechsliste.TerminAufheben(g->Nummer);
        u = UebersichtBauen(f.b.p, w);
        QCOMPARE(u.Spalten.size(), size_t(3));
        QCOMPARE(u.Spalten.back().Titel, "Anzahl");
    }

    // A project whose figures are known: six conversations, two booked, one family blocked everywhere,
    // one nailed without appointment, a teacher with one free slot for three conversations.
    void statistik() {
        TProjektBauer b;
        b.Rahmen(1, 4);
        b.Wunsch(b.Kind("F1", "K1"), "A", 0);
        TGespraech* g2 = b.Wunsch(b.Kind("F2", "K2"), "A", 1);
        TKind* k3 = b.Kind("F3", "K3");
        b.Sperren(k3->Eltern, {0, 1, 2, 3});
        b.Wunsch(k3, "B");
        b.Wunsch(b.Kind("F4", "K4"), "B");
        b.Wunsch(b.Kind("F1", "K1"), "B");
        b.Wunsch(g2->Kind, "A")->SetGenagelt(true);
        b.Sperren(b.Lehrer("B"), {1, 2, 3});
        const TStatistik s = StatistikBerechnen(b.p);
        QCOMPARE(s.GZahl, 6);
        QCOMPARE(s.EZahl, 4);
        QCOMPARE(s.KZahl, 4);
        QCOMPARE(s.LZahl, 2);
        QCOMPARE(Zahltext(s.mGE), "1,50");
        QCOMPARE(Zahltext(s.mGL), "3,00");
        QCOMPARE(s.AnzG, 2);
        QCOMPARE(s.keinT, 4);
        QCOMPARE(s.unmT, 2);
        QCOMPARE(s.zuvT, 2);
        QCOMPARE(s.maxF, 2);
        QCOMPARE(Quotentext(s), "100,00%");
    }

    void rechenzeit_data() {
        QTest::addColumn<double>("sekunden");
        QTest::addColumn<QString>("text");
        QTest::newRow("kurz") << 0.3 << "Rechenzeit: 0,30s";
        QTest::newRow("länger") << 1.3 << "Rechenzeit: 1,30s";
        QTest::newRow("kein Lauf") << 0.0 << "";
    }
    // The run keeps its duration in days; the statistics give it in seconds.
    void rechenzeit() {
        QFETCH(double, sekunden);
        TKleinFall f;
        f.b.p.Laufzeit = sekunden / 86400;
        const TStatistik s = StatistikBerechnen(f.b.p);
        QTEST(Rechenzeittext(s), "text");
    }

    // The rate of the example: 50 of 55 findable appointments.
    void quote() {
        TStatistik s;
        s.AnzG = 50;
        s.maxF = 55;
        s.Quote = 50 * 100.0 / 55;
        QCOMPARE(Quotentext(s), "90,91%");
        QCOMPARE(Statistikzeilen(s).back().Text, "E R F O L G S Q U O T E  (50 von 55):");
        QVERIFY(Quotentext(TStatistik{}).isEmpty());
    }

    // A long overview continues on the next page; the statistics page carries the figures.
    void pdf() {
        TProjektBauer b;
        b.Rahmen(1, 4);
        for (int i = 0; i < 120; ++i)
            b.Wunsch(b.Kind(QStringLiteral("Familie%1").arg(i, 3, 10, QChar('0')), "Kind"), "MUE");
        const TSchuldaten schule;
        const TUebersichtWahl w;
        const TUebersicht u = UebersichtBauen(b.p, w);
        int seiten = 0;
        const QString text =
            PdfAlsText(SonstigesPdf(b.p, "x", [&](TZeichenziel& ziel, const TSeitenmetrik& m) {
                seiten = UebersichtZeichnen(ziel, {b.p, schule, m}, w, u);
            }));
        QVERIFY(seiten >= 2);
        QVERIFY2(text.contains("Fortsetzung auf Seite 2"), qPrintable(text));
        QVERIFY(text.contains("Seite 2"));
        QVERIFY(text.contains("Liste der Gespräche,"));
        QVERIFY(text.contains("Familie119"));

        const TStatistik s = StatistikBerechnen(b.p);
        const QString stat =
            PdfAlsText(SonstigesPdf(b.p, "x", [&](TZeichenziel& ziel, const TSeitenmetrik& m) {
                StatistikZeichnen(ziel, {b.p, schule, m}, s);
            }));
        // The letter-spaced heading comes back from the PDF with its spaces kerned away in places.
        QVERIFY2(QString(stat).remove(u' ').contains("STATISTIK"), qPrintable(stat));
        QVERIFY(stat.contains("Anzahl der Gesprächswünsche:"));
        QVERIFY(stat.contains("120"));
    }

    void abgeschnitten_data() {
        QTest::addColumn<TUebersichtArt>("art");
        QTest::addColumn<bool>("fuerEltern");
        QTest::newRow("ohne Termin, nach Lehrern") << TUebersichtArt::OhneTermin << false;
        QTest::newRow("genagelt, nach Lehrern") << TUebersichtArt::Genagelt << false;
        QTest::newRow("ohne Termin, nach Eltern") << TUebersichtArt::OhneTermin << true;
        QTest::newRow("Anzahlen") << TUebersichtArt::Anzahlen << true;
    }
    // A name too long for its column ends in "…" before the next column's text begins, which stays
    // whole; the columns keep their places.
    void abgeschnitten() {
        QFETCH(TUebersichtArt, art);
        QFETCH(bool, fuerEltern);
        TProjektBauer b;
        b.Rahmen(1, 6);
        TLehrer* l = b.Lehrer("MEY", QString::fromUtf8("Meyer-Lüdenscheidt-Wolkenstein"));
        l->Anrede = QStringLiteral("Frau");
        l->AkadTitel = QStringLiteral("Dr.");
        TKind* lena = b.Kind(QString::fromUtf8("Schäfer-Hohenlimburg-Wittgenstein"), "Lena");
        b.Wunsch(lena, "MEY", 1, true);
        b.Wunsch(b.Kind(QString::fromUtf8("Schäfer-Hohenlimburg-Wittgenstein"), "Max"), "MEY");
        TUebersichtWahl w{art};
        w.FuerEltern = fuerEltern;
        const TUebersicht u = UebersichtBauen(b.p, w);
        const TSchuldaten schule;
        const QList<TWort> woerter =
            PdfWoerter(SonstigesPdf(b.p, "x", [&](TZeichenziel& ziel, const TSeitenmetrik& m) {
                UebersichtZeichnen(ziel, {b.p, schule, m}, w, u);
            }));
        QVERIFY(!woerter.isEmpty());
        const auto gekuerzt = std::find_if(woerter.begin(), woerter.end(), [](const TWort& wort) {
            return wort.Text.endsWith(QChar(0x2026));
        });
        QVERIFY(gekuerzt != woerter.end());
        QList<TWort> zeile;
        for (const TWort& wort : woerter) {
            QVERIFY2(!wort.Text.contains("Wolkenstein"), qPrintable(wort.Text));
            if (qAbs(wort.Oben - gekuerzt->Oben) < 1) zeile.append(wort);
        }
        std::sort(zeile.begin(), zeile.end(),
                  [](const TWort& a, const TWort& b) { return a.Links < b.Links; });
        for (qsizetype i = 1; i < zeile.size(); ++i)
            QVERIFY2(zeile[i - 1].Rechts <= zeile[i].Links,
                     qPrintable(zeile[i - 1].Text + " | " + zeile[i].Text));
        QVERIFY(zeile.last().Rechts > gekuerzt->Rechts);
    }

    // Every value of the statistics page stands on its text's line, in one right-aligned column.
    void statistikseite() {
        TProjektBauer b;
        b.Rahmen(1, 4);
        for (int i = 0; i < 120; ++i)
            b.Wunsch(b.Kind(QStringLiteral("Familie%1").arg(i), "Kind"), "MUE");
        const TStatistik s = StatistikBerechnen(b.p);
        const TSchuldaten schule;
        const QList<TWort> woerter =
            PdfWoerter(SonstigesPdf(b.p, "x", [&](TZeichenziel& ziel, const TSeitenmetrik& m) {
                StatistikZeichnen(ziel, {b.p, schule, m}, s);
            }));
        const auto zeile = [&](const QString& wort) {
            QList<TWort> teile;
            const auto it =
                std::find_if(woerter.begin(), woerter.end(), [&](const TWort& w) { return w.Text == wort; });
            if (it == woerter.end()) return teile;
            for (const TWort& w : woerter)
                if (qAbs(w.Oben - it->Oben) < 1) teile.append(w);
            std::sort(teile.begin(), teile.end(),
                      [](const TWort& a, const TWort& b) { return a.Links < b.Links; });
            return teile;
        };
        const QList<TWort> bleibt = zeile("terminierbarer");
        QVERIFY(bleibt.size() >= 2);
        QCOMPARE(bleibt.last().Text, QString::number(s.maxF));
        QVERIFY(bleibt[bleibt.size() - 2].Text.endsWith("):"));
        QVERIFY(bleibt[bleibt.size() - 2].Rechts < bleibt.last().Links);
        const QList<TWort> wuensche = zeile(QString::fromUtf8("Gesprächswünsche:"));
        QVERIFY(!wuensche.isEmpty());
        QCOMPARE(wuensche.last().Text, "120");
        QVERIFY(qAbs(wuensche.last().Rechts - bleibt.last().Rechts) < 0.5);
    }

    // A single bar keeps a readable width beside its axis instead of filling the chart.
    void grafikEinBalken() {
        TAuslastung a;
        a.Zeiten[0] = {"14:00", "14:10"};
        a.Gespraeche[0] = {2, 3};
        a.Wartezeiten = {4};
        TStatistikgrafik grafik;
        grafik.Setzen(a);
        grafik.resize(800, 480);
        const QImage bild = grafik.grab().toImage();
        const QRgb orange = qRgb(0xE0, 0x80, 0x30);
        QRect balken;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x)
                if (bild.pixel(x, y) == orange) balken |= QRect(x, y, 1, 1);
        QVERIFY(!balken.isEmpty());
        QVERIFY2(balken.width() <= grafik.fontMetrics().horizontalAdvance("00:00 "),
                 qPrintable(QString::number(balken.width())));
        const QRgb achse = grafik.palette().color(QPalette::Mid).rgb();
        for (int y = balken.top(); y <= balken.bottom(); ++y)
            QCOMPARE(bild.pixel(balken.left() - 2, y), achse);
    }

    // vel-cli statistik gives the window's figures, as lines or as JSON named like the window's fields.
    void kommandozeile() {
        TProjektBauer b;
        b.Rahmen(1, 4);
        b.Wunsch(b.Kind("Maier", "Anna"), "MUE", 0);
        b.Wunsch(b.Kind("Maier", "Ben"), "BER");
        QTemporaryDir ordner;
        const QString datei = ordner.filePath("s.pdt");
        QString fehler;
        QVERIFY2(ProjektSpeichern(b.p, datei, fehler), qPrintable(fehler));
        const auto aufruf = [&](const QStringList& mehr) {
            QProcess p;
            p.start(QStringLiteral(VEL_CLI), QStringList{"statistik", datei} + mehr);
            p.waitForFinished(60000);
            return std::pair(p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()));
        };
        const auto [status, text] = aufruf({});
        QCOMPARE(status, 0);
        QVERIFY2(text.contains("E R F O L G S Q U O T E  (1 von 2): 50,00%\n"), qPrintable(text));
        QVERIFY(text.contains("Es bleibt als maximale Anzahl terminierbarer Gespräche (2 - 0 - 0): 2\n"));
        const auto [jstatus, json] = aufruf({"--json"});
        QCOMPARE(jstatus, 0);
        const QJsonObject o = QJsonDocument::fromJson(json.toUtf8()).object();
        QCOMPARE(o.value("GZahl").toInt(), 2);
        QCOMPARE(o.value("EZahl").toInt(), 1);
        QCOMPARE(o.value("KZahl").toInt(), 2);
        QCOMPARE(o.value("AnzG").toInt(), 1);
        QCOMPARE(o.value("Quote").toDouble(), 50.0);
        QCOMPARE(aufruf({"--falsch"}).first, 2);
    }

    void papier() {
        TSeitenmetrik a5;
        a5.PapierBreiteCm = 14.8;
        a5.PapierHoeheCm = 21.0;
        QVERIFY(!PapierGeeignet(a5));
        QVERIFY(PapierGeeignet(StandardMetrik(false)));
    }
};

VEL_TEST(TstUebersicht)
#include "tst_Uebersicht.moc"
