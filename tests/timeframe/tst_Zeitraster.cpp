#include "common/TestHaupt.h"
#include "timeframe/Zeitraster.h"

#include <QTest>

namespace {

// A day written as one character per cell: '.' free, 'x' blocked, 'p' pause, a digit a booking,
// '_' a free cell with a time that is not active. Cells beyond the text have no time at all.
TZeitraster Raster(const QString& tag) {
    TZeitraster r;
    for (int i = 0; i < tag.size(); ++i) {
        const QChar c = tag[i];
        r.Beschriftung[size_t(i)] = QStringLiteral("%1").arg(i);
        r.Aktiv[size_t(i)] = c != u'_';
        r.Werte[size_t(i)] = c == u'x'     ? SlotGesperrt
                             : c == u'p'   ? SlotPause
                             : c.isDigit() ? int16_t(c.digitValue())
                                           : SlotFrei;
    }
    return r;
}

QString Tag(const TZeitraster& r) {
    QString s;
    for (int i = 0; i < SlotsProTag && r.Sichtbar(i); ++i) {
        const int16_t w = r.Werte[size_t(i)];
        s += !r.Aktiv[size_t(i)] && w == SlotFrei ? u'_'
             : w == SlotGesperrt                  ? u'x'
             : w == SlotPause                     ? u'p'
             : w > 0                              ? QChar(u'0' + w)
                                                  : u'.';
    }
    return s;
}

} // namespace

class TstZeitraster : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // One press: the day before, the cell, left or right button, Shift, toggle mode, the answer to the
    // question about a booking, the day after, whether the question came.
    void druecken_data() {
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<int>("zelle");
        QTest::addColumn<bool>("links");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<bool>("umschalten");
        QTest::addColumn<bool>("ja");
        QTest::addColumn<QString>("nachher");
        QTest::addColumn<bool>("gefragt");
        QTest::newRow("links sperrt") << "...." << 1 << true << false << false << false << ".x.." << false;
        QTest::newRow("links auf Gesperrtes")
            << ".x.." << 1 << true << false << false << false << ".x.." << false;
        QTest::newRow("rechts gibt frei")
            << ".x.." << 1 << false << false << false << false << "...." << false;
        QTest::newRow("rechts auf Freies")
            << "...." << 1 << false << false << false << false << "...." << false;
        QTest::newRow("Pause sperren") << ".p.." << 1 << true << false << false << false << ".x.." << false;
        QTest::newRow("umschalten sperrt")
            << "...." << 2 << false << false << true << false << "..x." << false;
        QTest::newRow("umschalten gibt frei")
            << "..x." << 2 << true << false << true << false << "...." << false;
        QTest::newRow("Termin, ja") << "..5." << 2 << true << false << false << true << "..x." << true;
        QTest::newRow("Termin, nein") << "..5." << 2 << true << false << false << false << "..5." << true;
        QTest::newRow("Termin umschalten, ja")
            << "..5." << 2 << false << false << true << true << "..x." << true;
        // Shift takes the earlier cells along until one that is blocked or booked.
        QTest::newRow("shift sperrt bis zum Termin")
            << "..5p...." << 6 << true << true << false << false << "..5xxxx." << false;
        QTest::newRow("shift sperrt bis zur Sperre")
            << "x......." << 3 << true << true << false << false << "xxxx...." << false;
        QTest::newRow("shift gibt frei solange gesperrt")
            << "x.xxx..." << 4 << false << true << false << false << "x......." << false;
        QTest::newRow("shift nach abgelehnter Frage")
            << "....5" << 4 << true << true << false << false << "....5" << true;
        QTest::newRow("inaktive Zelle") << "._.." << 1 << true << false << false << false << "._.." << false;
        QTest::newRow("shift endet vor inaktiver")
            << "._..." << 4 << true << true << false << false << "._xxx" << false;
        QTest::newRow("ohne Uhrzeit") << "...." << 6 << true << false << false << false << "...." << false;
    }
    void druecken() {
        QFETCH(QString, vorher);
        QFETCH(int, zelle);
        QFETCH(bool, links);
        QFETCH(bool, shift);
        QFETCH(bool, umschalten);
        QFETCH(bool, ja);
        QFETCH(QString, nachher);
        QFETCH(bool, gefragt);
        TZeitraster r = Raster(vorher);
        r.Umschalten = umschalten;
        bool frage = false;
        r.EinzelnFragen = [&] {
            frage = true;
            return ja;
        };
        QCOMPARE(r.Druecken(zelle, links, shift), vorher != nachher);
        QCOMPARE(Tag(r), nachher);
        QCOMPARE(frage, gefragt);
    }

    // Dragging never takes an appointment away and changes a cell once while the button is held.
    void ziehen() {
        TZeitraster r = Raster("...7......");
        r.EinzelnFragen = [] {
            qFatal("no question while dragging");
            return true;
        };
        r.Druecken(0, true, false);
        for (int z : {1, 2, 3, 4, 5, 8, 9})
            r.Ziehen(z, true);
        QCOMPARE(Tag(r), "xxx7xx..xx");

        TZeitraster u = Raster("x...");
        u.Umschalten = true;
        u.Druecken(0, true, false);
        QVERIFY(!u.Ziehen(0, true));
        QVERIFY(u.Ziehen(1, true));
        QVERIFY(!u.Ziehen(1, true));
        QCOMPARE(Tag(u), ".x..");
        u.Loslassen();
        u.Druecken(1, true, false);
        QCOMPARE(Tag(u), "....");
    }

    // Freeing brings a pause back where the person had one, and cell 13 of the test area.
    void freigabewert() {
        TZeitraster r = Raster("..p.");
        TTageswerte aus = r.Werte;
        r.Ausgangswerte = aus;
        r.Druecken(2, true, false);
        QCOMPARE(Tag(r), "..x.");
        r.Druecken(2, false, false);
        QCOMPARE(Tag(r), "..p.");
        r.Druecken(1, true, false);
        r.Druecken(1, false, false);
        QCOMPARE(Tag(r), "..p.");

        TZeitraster t;
        t.TestrasterLaden();
        QCOMPARE(t.Beschriftung[0], "12:00");
        QCOMPARE(t.Beschriftung[47], "19:50");
        for (int z : {12, 13}) {
            t.Druecken(z, true, false);
            t.Druecken(z, false, false);
        }
        QCOMPARE(int(t.Werte[12]), int(SlotFrei));
        QCOMPARE(int(t.Werte[13]), int(SlotPause));
    }

    // The keyboard cursor stays within the operable cells; Shift marks a range from where it began.
    void cursor() {
        QString tag(30, u'.');
        tag[0] = u'_';
        TZeitraster r = Raster(tag);
        r.CursorSetzen(r.ErsteZelle(), false);
        QCOMPARE(r.Cursor, 1);
        r.CursorBewegen(-1, false);
        r.CursorBewegen(-8, false);
        QCOMPARE(r.Cursor, 1);
        for (int i = 0; i < 5; ++i)
            r.CursorBewegen(8, true);
        QCOMPARE(r.Cursor, 29);
        QVERIFY(r.Markiert(1) && r.Markiert(29) && !r.Markiert(30) && !r.Markiert(0));
        r.CursorBewegen(-1, true);
        QVERIFY(!r.Markiert(29));
        r.CursorBewegen(1, false);
        QVERIFY(r.Markiert(29) && !r.Markiert(28));
    }

    // Space over a range: the answer about bookings decides whether they go.
    void bereich_data() {
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<int>("antwort"); // TTerminSperre
        QTest::addColumn<bool>("freigeben");
        QTest::addColumn<QString>("nachher");
        QTest::addColumn<bool>("gefragt");
        QTest::newRow("frei und Pause") << ".p.x.." << 0 << false << "xxxxx." << false;
        QTest::newRow("Termin ja") << ".3...." << int(TTerminSperre::Ja) << false << "xxxxx." << true;
        QTest::newRow("Termin nein") << ".3...." << int(TTerminSperre::Nein) << false << "x3xxx." << true;
        QTest::newRow("Termin abbrechen")
            << ".3...." << int(TTerminSperre::Abbrechen) << false << ".3...." << true;
        QTest::newRow("inaktive bleibt") << "._...." << 0 << false << "x_xxx." << false;
        QTest::newRow("shift gibt frei") << "x3x_xx" << 0 << true << ".3._.x" << false;
    }
    void bereich() {
        QFETCH(QString, vorher);
        QFETCH(int, antwort);
        QFETCH(bool, freigeben);
        QFETCH(QString, nachher);
        QFETCH(bool, gefragt);
        TZeitraster r = Raster(vorher);
        bool frage = false;
        r.BereichFragen = [&] {
            frage = true;
            return TTerminSperre(antwort);
        };
        r.CursorSetzen(0, false);
        r.CursorSetzen(4, true);
        QCOMPARE(freigeben ? r.BereichFreigeben() : r.BereichSperren(), vorher != nachher);
        QCOMPARE(Tag(r), nachher);
        QCOMPARE(frage, gefragt);
    }

    // Whole days in the pop-up: blocking keeps bookings unless asked, freeing brings back the copy.
    void tage() {
        TZeitraster r = Raster("._3p.x");
        const TTageswerte vorher = r.Werte;
        QVERIFY(r.HatTermine());
        QVERIFY(r.TagSperren(false));
        QCOMPARE(Tag(r), "x_3xxx");
        QVERIFY(!r.TagSperren(false));
        QVERIFY(r.TagSperren(true));
        QCOMPARE(Tag(r), "x_xxxx");
        QVERIFY(r.TagFreigeben(vorher));
        QCOMPARE(Tag(r), "._3p..");
        QVERIFY(!r.TagFreigeben(vorher));
    }
};

VEL_TEST(TstZeitraster)
#include "tst_Zeitraster.moc"
