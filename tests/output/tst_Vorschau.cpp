#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "model/Schuldaten.h"
#include "output/Vorschau.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

const TSchuldaten Schule{QStringLiteral("Gymnasium Am Wall"), QStringLiteral("Wallstraße 3"),
                         QStringLiteral("28195 Bremen"), QStringLiteral("0421 1234"), QString()};

// Families Maier and Berg with conversations, van Acker without; teacher MUE with conversations,
// BER without.
struct TZweiArten {
    TProjektBauer b;
    TZweiArten() {
        b.Rahmen(1, 12);
        b.Wunsch(b.Kind("Maier", "Anna", "5a"), "MUE", 0);
        b.Kind("van Acker", "Tom", "6b");
        b.Wunsch(b.Kind("Berg", "Ben", "7c"), "MUE", 1);
        b.Lehrer("BER", "Bergmann");
        b.p.Lehrerliste[0]->Name = QString::fromUtf8("Müller");
        b.p.ZaehleGespraeche();
    }
};

QStringList Texte(const std::vector<TVorschauEintrag>& eintraege) {
    QStringList texte;
    for (const TVorschauEintrag& e : eintraege)
        texte << e.Text;
    return texte;
}

// The sheet of an A4 page at 300 pixels per inch, 40 pixels per centimetre of paper roughly.
QRect Blattort(const TSeitenmetrik& m) {
    return QRect(10, 10, m.PhysBreitePx / 3, m.PhysHoehePx / 3);
}

// The bounding box of the grey and black pixels: what the page picture drew, without the paper and
// the cyan frame.
QRect Tinte(const QImage& bild) {
    QRect box;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = bild.pixel(x, y);
            if (qGray(p) < 235 && qAbs(qRed(p) - qGreen(p)) < 30) box |= QRect(x, y, 1, 1);
        }
    return box;
}

} // namespace

class TstVorschau : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The chooser: families by name, teachers with their Kürzel, in list order; persons without
    // conversation only when asked for.
    void eintraege_data() {
        QTest::addColumn<bool>("eltern");
        QTest::addColumn<bool>("nurMitGespraech");
        QTest::addColumn<QStringList>("texte");
        QTest::newRow("Eltern mit Gespräch") << true << true << QStringList{"Maier", "Berg"};
        QTest::newRow("alle Eltern") << true << false << QStringList{"Maier", "van Acker", "Berg"};
        QTest::newRow("Lehrer mit Gespräch")
            << false << true << QStringList{QString::fromUtf8("Müller (MUE)")};
        QTest::newRow("alle Lehrer") << false << false
                                     << QStringList{QString::fromUtf8("Müller (MUE)"), "Bergmann (BER)"};
    }
    void eintraege() {
        QFETCH(bool, eltern);
        QFETCH(bool, nurMitGespraech);
        QFETCH(QStringList, texte);
        TZweiArten f;
        const std::vector<TVorschauEintrag> e = VorschauEintraege(f.b.p, eltern, nurMitGespraech);
        QCOMPARE(Texte(e), texte);
        for (const TVorschauEintrag& eintrag : e)
            QCOMPARE(EintragIndex(e, eintrag.Person), static_cast<int>(&eintrag - e.data()));
        // A person the chooser does not offer starts at the first entry.
        QCOMPARE(EintragIndex(e, f.b.p.Elternliste[1]), eltern && !nurMitGespraech ? 1 : 0);
        QCOMPARE(EintragIndex(e, nullptr), 0);
    }

    // The preview starts with the family unless the teacher list has the focus or no family is chosen.
    void start_data() {
        QTest::addColumn<bool>("familie");
        QTest::addColumn<bool>("lehrer");
        QTest::addColumn<bool>("fokus");
        QTest::addColumn<bool>("eltern");
        QTest::newRow("Familie gewählt") << true << true << false << true;
        QTest::newRow("Lehrerliste mit Fokus") << true << true << true << false;
        QTest::newRow("nur Lehrer gewählt") << false << true << false << false;
        QTest::newRow("Fokus ohne Lehrer") << true << false << true << true;
        QTest::newRow("niemand") << false << false << false << true;
    }
    void start() {
        QFETCH(bool, familie);
        QFETCH(bool, lehrer);
        QFETCH(bool, fokus);
        QFETCH(bool, eltern);
        TZweiArten f;
        const TPerson* e = familie ? f.b.p.Elternliste[0] : nullptr;
        const TPerson* l = lehrer ? f.b.p.Lehrerliste[0] : nullptr;
        const TVorschauStart s = VorschauStarten(e, l, fokus);
        QCOMPARE(s.FuerEltern, eltern);
        QCOMPARE(s.Person, eltern ? e : l);
        QCOMPARE(s.Andere, eltern ? l : e);
    }

    // Left clicks 0 → 1 → 2 → 0, right clicks the other way round.
    void zoomschritte() {
        QCOMPARE(Zoomschritt(0, true), 1);
        QCOMPARE(Zoomschritt(1, true), 2);
        QCOMPARE(Zoomschritt(2, true), 0);
        QCOMPARE(Zoomschritt(0, false), 2);
        QCOMPARE(Zoomschritt(2, false), 1);
        QCOMPARE(Zoomschritt(1, false), 0);
    }

    // A portrait sheet fills the height, a landscape sheet the width; the zoom levels multiply both sides.
    void blattgroesse_data() {
        QTest::addColumn<bool>("quer");
        QTest::addColumn<int>("stufe");
        QTest::addColumn<QSize>("groesse");
        const double hochBreite = 1000 * 21.02 / 29.73;
        QTest::newRow("hoch 0") << false << 0 << QSize(qRound(hochBreite), 1000);
        QTest::newRow("hoch 1") << false << 1 << QSize(qRound(hochBreite * 1.3), 1300);
        QTest::newRow("hoch 2") << false << 2 << QSize(qRound(hochBreite * 1.69), 1690);
        const double querHoehe = 1500 * 21.02 / 29.73;
        QTest::newRow("quer 0") << true << 0 << QSize(1500, qRound(querHoehe));
        QTest::newRow("quer 2") << true << 2 << QSize(2535, qRound(querHoehe * 1.69));
    }
    void blattgroesse() {
        QFETCH(bool, quer);
        QFETCH(int, stufe);
        QFETCH(QSize, groesse);
        const QSize g = Blattgroesse(StandardMetrik(quer), stufe, QSize(1500, 1000));
        QVERIFY2(qAbs(g.width() - groesse.width()) <= 1 && qAbs(g.height() - groesse.height()) <= 1,
                 qPrintable(QStringLiteral("%1x%2").arg(g.width()).arg(g.height())));
    }

    // Fitted into the room beside the layout dialog, level 0 fits both ways with the paper's proportions;
    // the zoom levels multiply it.
    void blattgroesseEingepasst_data() {
        QTest::addColumn<bool>("quer");
        QTest::addColumn<QSize>("platz");
        QTest::addColumn<QSize>("groesse");
        const double hoch = 29.73 / 21.02;
        QTest::newRow("hoch, schmal") << false << QSize(400, 1000) << QSize(400, int(400 * hoch));
        QTest::newRow("hoch, breit genug") << false << QSize(1500, 1000) << QSize(qRound(1000 / hoch), 1000);
        QTest::newRow("quer, niedrig") << true << QSize(1500, 600) << QSize(qRound(600 * hoch), 600);
        QTest::newRow("quer, hoch genug") << true << QSize(800, 1000) << QSize(800, qRound(800 / hoch));
    }
    void blattgroesseEingepasst() {
        QFETCH(bool, quer);
        QFETCH(QSize, platz);
        QFETCH(QSize, groesse);
        const TSeitenmetrik metrik = StandardMetrik(quer);
        const QSize g = BlattgroesseEingepasst(metrik, 0, platz);
        QVERIFY2(qAbs(g.width() - groesse.width()) <= 1 && qAbs(g.height() - groesse.height()) <= 1,
                 qPrintable(QStringLiteral("%1x%2").arg(g.width()).arg(g.height())));
        QVERIFY(g.width() <= platz.width() && g.height() <= platz.height());
        const QSize zoom2 = BlattgroesseEingepasst(metrik, 2, platz);
        QVERIFY(qAbs(zoom2.width() - g.width() * 1.69) <= 2 && qAbs(zoom2.height() - g.height() * 1.69) <= 2);
    }

    // The page picture lands in the content area of the sheet: the head's frame starts at its top-left
    // corner and nothing is drawn in the margins, whatever the margins and the orientation; the printable
    // area is framed in cyan.
    void blattMalen_data() {
        QTest::addColumn<bool>("quer");
        QTest::addColumn<double>("links");
        QTest::addColumn<double>("oben");
        QTest::newRow("Standard hoch") << false << 2.2 << 1.4;
        QTest::newRow("breite Ränder hoch") << false << 5.0 << 4.0;
        QTest::newRow("Standard quer") << true << 2.2 << 1.4;
        QTest::newRow("schmale Ränder quer") << true << 0.5 << 0.5;
    }
    void blattMalen() {
        QFETCH(bool, quer);
        QFETCH(double, links);
        QFETCH(double, oben);
        TZweiArten f;
        f.b.p.BelegungMarkieren();
        TListenlayout& l = f.b.p.Listenlayout;
        l.Seitenraender.Links = links;
        l.Seitenraender.Oben = oben;
        l.Ausrichtung = quer ? 1 : 0;
        const TSeitenmetrik m = StandardMetrik(quer);
        const TListenAuftrag auftrag{f.b.p.Elternliste[0], true, false};
        TListenZeilen zeilen;
        ListeZusammenstellen(f.b.p, auftrag, zeilen);
        const std::vector<QPicture> seiten = VorschauZeichnen({f.b.p, Schule, m, auftrag}, zeilen);
        QCOMPARE(seiten.size(), size_t(1));

        const QRect blatt = Blattort(m);
        QImage bild(blatt.width() + 20, blatt.height() + 20, QImage::Format_RGB32);
        bild.fill(Qt::darkGray);
        QPainter maler(&bild);
        BlattMalen(maler, blatt, m, l.Seitenraender, &seiten[0]);
        maler.end();

        const TBlattteile teile = Blattteile(m, l.Seitenraender, blatt);
        const QRect tinte = Tinte(bild.copy(blatt));
        QVERIFY(!tinte.isEmpty());
        const QRect inhalt = teile.Inhalt.translated(-blatt.topLeft()).toAlignedRect();
        QVERIFY2(qAbs(tinte.left() - inhalt.left()) <= 1 && qAbs(tinte.top() - inhalt.top()) <= 1,
                 qPrintable(QStringLiteral("Tinte ab %1,%2, Inhalt ab %3,%4")
                                .arg(tinte.left())
                                .arg(tinte.top())
                                .arg(inhalt.left())
                                .arg(inhalt.top())));
        QVERIFY(inhalt.adjusted(-1, -1, 1, 1).contains(tinte));
        // Paper white outside the printable frame, the frame cyan.
        QCOMPARE(bild.pixelColor(blatt.topLeft() + QPoint(2, 2)), QColor(Qt::white));
        const QPoint ecke = teile.Druckbar.toRect().topLeft();
        bool cyan = false;
        for (int y = ecke.y() - 2; y <= ecke.y() + 2; ++y)
            for (int x = ecke.x() + 2; x <= ecke.x() + 12; ++x)
                cyan = cyan || bild.pixelColor(x, y) == QColor(Qt::cyan);
        QVERIFY(cyan);
        QCOMPARE(bild.pixelColor(blatt.topLeft() - QPoint(2, 2)), QColor(Qt::darkGray));
    }
};

VEL_TEST(TstVorschau)
#include "tst_Vorschau.moc"
