#include "common/TestHaupt.h"
#include "model/Listenlayout.h"

#include <QTest>

class TstListenlayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void standard() {
        TListenlayout l;
        l.Titel = "x";
        l.Tabulatoren.fill(0);
        l.MitLogo = true;
        l.LayoutStandard();
        QCOMPARE(l.Titel, "Elternsprechtag");
        QCOMPARE(l.Schriftart, "Times New Roman");
        QVERIFY(!l.MitLogo);
        // "Zeit" stands 1.89 cm from the left margin on families' and teachers' lists.
        QCOMPARE(l.Tabulatoren[1], 189);
        QCOMPARE(l.Tabulatoren[8], 189);
        QCOMPARE(l.Seitenraender.Links, 2.2);
        QCOMPARE(l.Seitenraender.Rechts, 1.1);
        QCOMPARE(l.UeberschriftWunsch, QString::fromUtf8("Folgende Gespräche werden gewünscht:"));
    }

    void sonstigeFormatHinUndZurueck() {
        TListenlayout l;
        l.Seitenraender = {1.234, 2.5, 3.0, 0.75};
        l.Ausrichtung = 1;
        l.Schriftart = "Arial";
        l.Schriftgroesse = 15;
        l.ListenRaender = {1000, 2000, 500, 1250};
        l.ListenAusrichtung = 0;
        l.ListenSchriftart = "Liberation Serif";
        l.ListenSchriftgroesse = 9;
        const TListenlayout vorher = l;

        l.SonstigeFormatEinsetzen();
        QCOMPARE(l.Seitenraender, (TSeitenraender{1.0, 2.0, 0.5, 1.25}));
        QCOMPARE(l.Ausrichtung, 0);
        QCOMPARE(l.Schriftart, "Liberation Serif");
        QCOMPARE(l.Schriftgroesse, 9);

        l.SonstigeFormatZuruecksetzen();
        QCOMPARE(l.Seitenraender, vorher.Seitenraender);
        QCOMPARE(l.Ausrichtung, vorher.Ausrichtung);
        QCOMPARE(l.Schriftart, vorher.Schriftart);
        QCOMPARE(l.Schriftgroesse, vorher.Schriftgroesse);
        QCOMPARE(l.ListenSchriftart, vorher.ListenSchriftart);
    }
};

VEL_TEST(TstListenlayout)
#include "tst_Listenlayout.moc"
