#include "common/TestHaupt.h"
#include "output/ui/Vorschauplatz.h"

#include <QTest>

// A4 width per height, portrait and landscape.
constexpr double Hoch = 210.0 / 297.0;
constexpr double Quer = 297.0 / 210.0;

class TstVorschauplatz : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The work areas are those of 1366x768 and 1920x1080 screens at 100 % and 150 % (in the window
    // system's pixels), below a head row of 45 pixels; the dialog asks for 820x560 with its frame.
    void teilen_data() {
        QTest::addColumn<QRect>("flaeche");
        QTest::addColumn<double>("verhaeltnis");
        QTest::addColumn<QRect>("blatt");
        QTest::addColumn<QRect>("dialog");
        // Room for both: the dialog right beside the sheet at full height, as high below as it fits.
        QTest::newRow("1366x768 100 %")
            << QRect(0, 0, 1366, 768) << Hoch << QRect(0, 45, 514, 723) << QRect(514, 208, 820, 560);
        QTest::newRow("1920x1080 100 %")
            << QRect(0, 0, 1920, 1080) << Hoch << QRect(0, 45, 735, 1035) << QRect(735, 280, 820, 560);
        // The dialog at the right edge, the sheet a little narrower than at full height.
        QTest::newRow("1920x1080 150 %")
            << QRect(0, 0, 1280, 720) << Hoch << QRect(0, 45, 460, 675) << QRect(460, 160, 820, 560);
        // No room for both: the sheet keeps a third, the dialog takes the rest and scrolls.
        QTest::newRow("1366x768 150 %")
            << QRect(0, 0, 911, 512) << Hoch << QRect(0, 45, 303, 467) << QRect(303, 45, 608, 467);
        // A landscape sheet takes what the dialog leaves.
        QTest::newRow("quer 1920x1080")
            << QRect(0, 0, 1920, 1080) << Quer << QRect(0, 45, 1100, 1035) << QRect(1100, 280, 820, 560);
        QTest::newRow("quer 1366x768 150 %")
            << QRect(0, 0, 911, 512) << Quer << QRect(0, 45, 303, 467) << QRect(303, 45, 608, 467);
        // Task bars at the left and at the top.
        QTest::newRow("Leisten") << QRect(60, 30, 1306, 738) << Hoch << QRect(60, 75, 486, 693)
                                 << QRect(546, 208, 820, 560);
    }
    void teilen() {
        QFETCH(QRect, flaeche);
        QFETCH(double, verhaeltnis);
        QFETCH(QRect, blatt);
        QFETCH(QRect, dialog);
        const int kopf = 45;
        const TVorschauplatz platz = VorschauplatzTeilen(flaeche, kopf, QSize(820, 560), verhaeltnis);
        QCOMPARE(platz.Blatt, blatt);
        QCOMPARE(platz.Dialog, dialog);
        // Whatever the numbers: both below the head row inside the work area, side by side.
        const QRect unten = flaeche.adjusted(0, kopf, 0, 0);
        QVERIFY(unten.contains(platz.Blatt));
        QVERIFY(unten.contains(platz.Dialog));
        QVERIFY(!platz.Blatt.intersects(platz.Dialog));
        QVERIFY(platz.Blatt.width() >= flaeche.width() / 3);
    }

    // A dialog smaller than asked for keeps its size; a work area lower than the head row gives nothing
    // a negative size.
    void grenzfaelle_data() {
        QTest::addColumn<QRect>("flaeche");
        QTest::addColumn<int>("kopf");
        QTest::addColumn<QSize>("wunsch");
        QTest::addColumn<QRect>("dialog");
        QTest::newRow("kleiner Dialog")
            << QRect(0, 0, 1366, 768) << 45 << QSize(400, 300) << QRect(514, 280, 400, 300);
        QTest::newRow("kein Platz unter dem Kopf")
            << QRect(0, 0, 900, 40) << 45 << QSize(820, 560) << QRect(10, 40, 820, 0);
    }
    void grenzfaelle() {
        QFETCH(QRect, flaeche);
        QFETCH(int, kopf);
        QFETCH(QSize, wunsch);
        QFETCH(QRect, dialog);
        const TVorschauplatz platz = VorschauplatzTeilen(flaeche, kopf, wunsch, Hoch);
        QCOMPARE(platz.Dialog, dialog);
        QVERIFY(platz.Blatt.width() >= 0 && platz.Blatt.height() >= 0);
    }
};

VEL_TEST(TstVorschauplatz)
#include "tst_Vorschauplatz.moc"
