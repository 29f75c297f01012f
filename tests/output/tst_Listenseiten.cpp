#include "Pdfwoerter.h"
#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "model/Schuldaten.h"
#include "output/Gespraechsliste.h"
#include "output/Listenseiten.h"
#include "output/Pdfliste.h"
#include "output/Seitenmetrik.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace {

// The text of a PDF as pdftotext lays it out; pages are separated by form feeds.
QString PdfText(const QByteArray& pdf) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("liste.pdf"));
    QFile f(datei);
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(pdf);
    f.close();
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), datei, QStringLiteral("-")});
    if (!p.waitForFinished(30000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString Einfach(QString text) {
    return text.replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
}

const TSchuldaten Schule{QStringLiteral("Gymnasium Am Wall"), QStringLiteral("Wallstraße 3"),
                         QStringLiteral("28195 Bremen"), QStringLiteral("0421 1234"), QString()};

// One person's list as a PDF document.
QByteArray ListenPdf(const TProjekt& projekt, const TSchuldaten& schule, const TPerson* person, bool eltern) {
    TListenZeilen zeilen;
    ListeZusammenstellen(projekt, {person, eltern, false}, zeilen);
    const QByteArray pdf = ListeAlsPdf(projekt, schule, {person, eltern, false}, zeilen);
    // VEL_PDF_ORDNER=dir keeps the documents for a look at them.
    if (const QString ordner = qEnvironmentVariable("VEL_PDF_ORDNER"); !ordner.isEmpty()) {
        QFile f(ordner + u'/' + QString::fromLatin1(QTest::currentTestFunction()) + u'-' +
                QString::fromLatin1(QTest::currentDataTag()) + u'-' + person->Name + ".pdf");
        if (f.open(QIODevice::WriteOnly)) f.write(pdf);
    }
    return pdf;
}

// One day of many slots, family Maier with one conversation in every slot, teacher MUE with two rooms.
struct TLangeListe {
    TProjektBauer b;
    TSchuldaten schule = Schule;
    TEltern* maier = nullptr;
    TLehrer* mue = nullptr;

    TLangeListe(int tage, int slots) {
        b.Rahmen(tage, slots);
        TKind* anna = b.Kind("Maier", "Anna", "5a");
        maier = anna->Eltern;
        mue = b.Lehrer("MUE", "Müller");
        mue->Raum = QStringLiteral("A12") + QChar(0xFF) + QStringLiteral("B3");
        for (int tag = 0; tag < tage; ++tag)
            for (int s = 0; s < slots; ++s)
                b.Wunsch(anna, "MUE", tag * SlotsProTag + s);
        b.p.ZaehleGespraeche();
        b.p.BelegungMarkieren();
    }
    QString Pdf(const TPerson* person, bool eltern) { return PdfText(PdfDaten(person, eltern)); }
    QByteArray PdfDaten(const TPerson* person, bool eltern) { return ListenPdf(b.p, schule, person, eltern); }
};

} // namespace

class TstListenseiten : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    // Paper narrower than A4 shrinks everything; margins lose the unprintable strip; halves round even.
    void metrik() {
        const TSeitenmetrik a4 = StandardMetrik(false);
        QCOMPARE(a4.PhysBreitePx, 2483);
        QCOMPARE(a4.SeiteBreitePx, 2443);
        QCOMPARE(a4.Skalierung, 1.0);
        QCOMPARE(StandardMetrik(true).PhysBreitePx, Runden(29.73 / 2.54 * 300));
        const TSeitenmetrik a5 = GeraetMetrik(300, 300, {1700, 2400}, {1748, 2480}, {24, 40});
        QCOMPARE(a5.Skalierung, 0.704);
        QCOMPARE(a5.RandRechtsPx, 24);
        QCOMPARE(a5.MinRandObenCm, 0.34);
        const TRandPx r = RaenderBerechnen(TSeitenraender{}, a4);
        QCOMPARE(r.Links, 240);
        QCOMPARE(r.Oben, Runden(1.4 / 2.54 * 300) - 20);
        QCOMPARE(RaenderBerechnen(TSeitenraender{0.1, 0.1, 0.1, 0.1}, a4).Links, 0);
        QCOMPARE(Runden(2.5), 2);
        QCOMPARE(Runden(3.5), 4);
    }

    // A family's list longer than a page: head with school and title, continuation texts, the page
    // number and the repeated column header.
    void familieUeberZweiSeiten() {
        TLangeListe f(2, 40);
        const QString text = f.Pdf(f.maier, true);
        const QStringList seiten = text.split(u'\f', Qt::SkipEmptyParts);
        QVERIFY2(seiten.size() >= 2, qPrintable(text));
        const QString erste = Einfach(seiten[0]);
        QVERIFY(erste.contains("Gymnasium Am Wall"));
        QVERIFY(erste.contains(QString::fromUtf8("Wallstraße 3, 28195 Bremen")));
        QVERIFY(erste.contains("Tel.: 0421 1234"));
        QVERIFY(!erste.contains("Fax:"));
        QVERIFY(erste.contains("E L T E R N S P R E C H T A G 2027"));
        QVERIFY(erste.contains(QString::fromUtf8("Gespräche für Familie Maier")));
        QVERIFY(erste.contains("Datum Zeit Lehrer/in Kind Raum"));
        QVERIFY(erste.contains(QString::fromUtf8("01.03.27 14:00 Herr Müller Anna (5a) A12")));
        QVERIFY(erste.contains("(Fortsetzung auf Seite 2)"));
        const QString zweite = Einfach(seiten[1]);
        QVERIFY(zweite.contains("Seite 2"));
        QVERIFY(zweite.contains(QString::fromUtf8("(Fortsetzung von Seite 1 - für Familie Maier)")));
        QVERIFY(zweite.contains("Zeit Lehrer Kind Raum"));
        QVERIFY(Einfach(seiten.last())
                    .contains(QString::fromUtf8("Für jeden Gesprächswunsch wurde ein Termin gefunden.")));
    }

    // A teacher's list with one page per day: day 2 starts a new page with the full head and the room of
    // day 2, and the back reference names no person.
    void lehrerProTag() {
        TLangeListe f(2, 5);
        f.b.p.Listenlayout.EinzellistenProTagL = true;
        const QString text = f.Pdf(f.mue, false);
        const QStringList seiten = text.split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(seiten.size(), 2);
        QVERIFY(Einfach(seiten[0]).contains("Raum: A12"));
        const QString zweite = Einfach(seiten[1]);
        QVERIFY(zweite.contains("Raum: B3"));
        QVERIFY(zweite.contains("(Fortsetzung von Seite 1) Seite 2"));
        QVERIFY(zweite.contains("02.03.27 14:00 Familie Maier Anna (5a)"));
    }

    void ueberschriftOhneTermin_data() {
        QTest::addColumn<bool>("berechnet");
        QTest::newRow("Termine berechnet") << true;
        QTest::newRow("nicht berechnet") << false;
    }
    // A person without any appointment: the note pad's "Termine berechnet" chooses between the heading of
    // wishes and that of conversations no slot was found for, whatever the last scheduling run left.
    void ueberschriftOhneTermin() {
        QFETCH(bool, berechnet);
        TLangeListe f(1, 0);
        f.b.Wunsch(f.maier->Kinder[0], "MUE");
        f.b.p.ZaehleGespraeche();
        f.b.p.NotizHaken[Notizhaken::TermineBerechnet] = berechnet;
        f.b.p.TermineBerechnet = !berechnet;
        const QString text = Einfach(f.Pdf(f.maier, true));
        const QString wunsch = QString::fromUtf8("Folgende Gespräche werden gewünscht:");
        const QString ohne = QString::fromUtf8("Für folgende Gespräche konnte kein Termin gefunden werden:");
        QVERIFY2(text.contains(berechnet ? ohne : wunsch), qPrintable(text));
        QVERIFY(!text.contains(berechnet ? wunsch : ohne));
    }

    // A room whose name says "Raum" gets no label; a teacher without a room gets the label alone.
    void raumtext() {
        TLangeListe f(1, 2);
        f.mue->Raum = QStringLiteral("Raum 12");
        const QString genannt = Einfach(f.Pdf(f.mue, false));
        QVERIFY(genannt.contains("Raum 12"));
        QVERIFY(!genannt.contains("Raum:"));
        f.mue->Raum.clear();
        QVERIFY(Einfach(f.Pdf(f.mue, false)).contains("Raum:"));
    }

    // The general and the person's own annotation above and below the list, in the order of the
    // layout's position code, on families' and teachers' lists; line breaks of the text stay.
    void anmerkungen_data() {
        QTest::addColumn<bool>("eltern");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("oben"); // A: general, I: own, in order
        QTest::addColumn<QString>("unten");
        const char* oben[] = {"AI", "IA", "I", "A", "", ""};
        const char* unten[] = {"", "", "A", "I", "AI", "IA"};
        for (const bool eltern : {true, false})
            for (int code = 0; code < 6; ++code)
                QTest::addRow("%s %d", eltern ? "Eltern" : "Lehrer", code)
                    << eltern << code << QString::fromLatin1(oben[code]) << QString::fromLatin1(unten[code]);
    }
    void anmerkungen() {
        QFETCH(bool, eltern);
        QFETCH(int, code);
        QFETCH(QString, oben);
        QFETCH(QString, unten);
        TLangeListe f(1, 3);
        TPerson* person = eltern ? static_cast<TPerson*>(f.maier) : f.mue;
        const QString alle = QString::fromUtf8("Bitte pünktlich kommen – für alle.");
        (eltern ? f.b.p.AnmerkungAlleEltern : f.b.p.AnmerkungAlleLehrer) = alle;
        person->Anmerkung = QStringLiteral("Erste eigene Zeile\r\nZweite eigene Zeile");
        (eltern ? f.b.p.Listenlayout.NachrPosE : f.b.p.Listenlayout.NachrPosL) = code;
        const QString text = Einfach(f.Pdf(person, eltern));
        const qsizetype kopf = text.indexOf("Datum Zeit");
        const qsizetype ende = text.indexOf("14:20");
        QVERIFY2(kopf > 0 && ende > kopf, qPrintable(text));
        const auto stelle = [&](QChar welche) {
            return text.indexOf(welche == u'A' ? alle : QStringLiteral("Erste eigene Zeile"));
        };
        // The line break of the own text stays a line break.
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Erste eigene Zeile ?\n"))));
        QVERIFY(text.indexOf(QStringLiteral("Zweite eigene Zeile")) > stelle(u'I'));
        for (const bool vorne : {true, false}) {
            const QString& teil = vorne ? oben : unten;
            for (qsizetype i = 0; i < teil.size(); ++i) {
                const qsizetype s = stelle(teil[i]);
                QVERIFY2(vorne ? s >= 0 && s < kopf : s > ende, qPrintable(text));
                if (i > 0) QVERIFY(s > stelle(teil[i - 1]));
            }
        }
    }

    // A wide logo is 2.5 lines high beside the title, a tall one 5 lines high left of the person lines;
    // the school data stay readable in both, also in landscape.
    void logo_data() {
        QTest::addColumn<QSize>("groesse");
        QTest::addColumn<int>("ausrichtung");
        QTest::newRow("breit") << QSize(600, 150) << 0;
        QTest::newRow("hoch") << QSize(200, 240) << 0;
        QTest::newRow("breit quer") << QSize(600, 150) << 1;
    }
    void logo() {
        QFETCH(QSize, groesse);
        QFETCH(int, ausrichtung);
        TLangeListe f(1, 3);
        QImage bild(groesse, QImage::Format_RGB32);
        bild.fill(QColor(0x20, 0x60, 0xA0));
        f.b.p.Listenlayout.Logo = bild;
        f.b.p.Listenlayout.MitLogo = true;
        f.b.p.Listenlayout.Ausrichtung = static_cast<uint8_t>(ausrichtung);
        for (const TPerson* person :
             {static_cast<const TPerson*>(f.maier), static_cast<const TPerson*>(f.mue)}) {
            const QString text = Einfach(f.Pdf(person, person == f.maier));
            QVERIFY(text.contains("E L T E R N S P R E C H T A G 2027"));
            QVERIFY(text.contains(QString::fromUtf8("Wallstraße 3, 28195 Bremen")));
            QVERIFY(text.contains("Tel.: 0421 1234"));
            QVERIFY(text.contains(QString::fromUtf8("Gespräche für")));
        }
    }

    void druckschriften_data() {
        QTest::addColumn<QString>("schriftart");
        QTest::addColumn<QByteArray>("gesetzt");
        QTest::newRow("Times New Roman") << "Times New Roman" << QByteArray("/BaseFont /VELSerif-Regular");
        QTest::newRow("Arial") << "Arial" << QByteArray("/BaseFont /VELSans-Regular");
        QTest::newRow("Liberation Serif") << "Liberation Serif" << QByteArray("/BaseFont /VELSerif-Regular");
        QTest::newRow("andere Schrift") << "DejaVu Sans" << QByteArray("/BaseFont /DejaVuSans");
    }

    // Printer and PDF draw the schools' faces with the program's copies of them; a letter the copies
    // lack comes from another face, and none is lost.
    void druckschriften() {
        QFETCH(QString, schriftart);
        QFETCH(QByteArray, gesetzt);
        TLangeListe f(1, 2);
        f.b.p.Listenlayout.Schriftart = schriftart;
        const QStringList woerter{QString::fromUtf8("Łódź"),     QString::fromUtf8("Ağrı"),
                                  QString::fromUtf8("Şahin"),    QString::fromUtf8("Ωμέγα"),
                                  QString::fromUtf8("Гимназия"), QString::fromUtf8("Nguyễn"),
                                  QString::fromUtf8("✓"),        QString::fromUtf8("€")};
        f.schule.Name = woerter.join(u' ');
        const QByteArray pdf = f.PdfDaten(f.maier, true);
        QVERIFY2(pdf.contains(gesetzt), pdf.left(3000).constData());
        const QString text = PdfText(pdf);
        for (const QString& wort : woerter)
            QVERIFY2(text.contains(wort), qPrintable(wort + u'\n' + text));
        QVERIFY2(Einfach(text).contains(QString::fromUtf8("14:00 Herr Müller Anna (5a) A12")),
                 qPrintable(text));
    }

    void langeSpalten_data() {
        QTest::addColumn<bool>("eltern");
        QTest::addColumn<QString>("titel"); // the teacher's academic title and name affix
        QTest::addColumn<QString>("lehrer");
        QTest::addColumn<QString>("familie");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("spalte"); // the column that may run into the next one
        QTest::addColumn<QString>("folgt");  // the column drawn next to it
        QTest::addColumn<bool>("gekuerzt");
        const QString weissenfels = QString::fromUtf8("Weißenfels");
        const QString yilmaz = QString::fromUtf8("Yılmaz");
        const QString emre = QStringLiteral("Emre (5a)");
        QTest::newRow("Lehrer lang") << true << "Prof. Dr.|von" << weissenfels << yilmaz << "Emre"
                                     << QString::fromUtf8("Herr Prof. Dr. von Weißenfels") << emre << true;
        QTest::newRow("Lehrer kurz") << true << "" << QString::fromUtf8("Müller") << yilmaz << "Emre"
                                     << QString::fromUtf8("Herr Müller") << emre << false;
        QTest::newRow("Kind lang") << true << "" << QString::fromUtf8("Müller") << yilmaz
                                   << "Maximilian-Alexander Konstantin"
                                   << "Maximilian-Alexander Konstantin (5a)"
                                   << "A12" << true;
        QTest::newRow("Familie lang")
            << false << "" << QString::fromUtf8("Müller")
            << QString::fromUtf8("Hohenzollern-Sigmaringen-Weißenfels") << "Emre"
            << QString::fromUtf8("Familie Hohenzollern-Sigmaringen-Weißenfels") << emre << true;
        QTest::newRow("Familie kurz") << false << "" << QString::fromUtf8("Müller") << yilmaz << "Emre"
                                      << QString::fromUtf8("Familie Yılmaz") << emre << false;
    }
    // A name too long for its column ends with "…" a little before the next column instead of being
    // printed over it; a name that fits stays whole.
    void langeSpalten() {
        QFETCH(bool, eltern);
        QFETCH(QString, titel);
        QFETCH(QString, lehrer);
        QFETCH(QString, familie);
        QFETCH(QString, kind);
        QFETCH(QString, spalte);
        QFETCH(QString, folgt);
        QFETCH(bool, gekuerzt);
        TProjektBauer b;
        b.Rahmen(1, 3);
        TKind* k = b.Kind(familie, kind, "5a");
        TLehrer* l = b.Lehrer("WEI", lehrer);
        l->AkadTitel = titel.section(u'|', 0, 0);
        l->Zusatz = titel.section(u'|', 1, 1);
        l->Raum = QStringLiteral("A12");
        b.Wunsch(k, "WEI", 1);
        b.p.ZaehleGespraeche();
        b.p.BelegungMarkieren();
        const TPerson* person = eltern ? static_cast<const TPerson*>(k->Eltern) : l;
        const QByteArray pdf = ListenPdf(b.p, Schule, person, eltern);

        const QString text = Einfach(PdfText(pdf));
        static const QRegularExpression zeileMuster(QStringLiteral("14:10 (.*)\n"));
        const QString zeile = zeileMuster.match(text).captured(1);
        QVERIFY2(zeile.contains(folgt), qPrintable(text));
        const QString vorher = zeile.left(zeile.indexOf(folgt)).trimmed();
        if (gekuerzt) {
            QVERIFY2(vorher.endsWith(QChar(0x2026)), qPrintable(zeile));
            bool anfang = false;
            for (qsizetype n = 4; n < spalte.size() && !anfang; ++n)
                anfang = vorher.endsWith(spalte.left(n).trimmed() + u' ' + QChar(0x2026)) ||
                         vorher.endsWith(spalte.left(n).trimmed() + QChar(0x2026));
            QVERIFY2(anfang, qPrintable(zeile));
        } else {
            QVERIFY2(vorher.endsWith(spalte), qPrintable(zeile));
            QVERIFY(!zeile.contains(QChar(0x2026)));
        }

        // No word of the line reaches into the one right of it.
        const TPdfSeiten seiten = PdfLesen(pdf);
        const TWort* zeit = seiten.Wort(QStringLiteral("14:10"));
        QVERIFY(zeit);
        QList<TWort> woerter;
        for (const TWort& w : seiten.Woerter)
            if (w.Seite == 1 && qAbs(w.Y - zeit->Y) < 1) woerter << w;
        std::sort(woerter.begin(), woerter.end(), [](const TWort& a, const TWort& c) { return a.X < c.X; });
        for (qsizetype i = 1; i < woerter.size(); ++i)
            QVERIFY2(woerter[i - 1].XMax < woerter[i].X,
                     qPrintable(woerter[i - 1].Text + u' ' + QString::number(woerter[i - 1].XMax) + u' ' +
                                woerter[i].Text + u' ' + QString::number(woerter[i].X)));
    }

    void titel() {
        TProjektBauer b;
        b.Rahmen(1, 1);
        QCOMPARE(Titeltext(b.p), "E L T E R N S P R E C H T A G  2027");
        b.p.Listenlayout.TitelGesperrt = false;
        b.p.Listenlayout.TitelGross = false;
        b.p.Listenlayout.Titel = QStringLiteral("Sprechtag");
        QCOMPARE(Titeltext(b.p), "Sprechtag 2027");
    }
};

VEL_TEST(TstListenseiten)
#include "tst_Listenseiten.moc"
