#include "Raumfall.h"
#include "common/TestHaupt.h"
#include "common/Testdrucker.h"
#include "rooms/RaumZeitplan.h"
#include "rooms/Raumplanseiten.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct TWort {
    QString Text;
    QRectF Rahmen; // points
};
struct TPdfSeite {
    QSizeF Groesse;
    QList<TWort> Woerter;
};

// Where pdftotext finds each word, page by page.
QList<TPdfSeite> Woerter(const QString& datei) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), datei, QStringLiteral("-")});
    if (!p.waitForFinished(30000)) return {};
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression seite(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
    static const QRegularExpression wort(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                       "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<TPdfSeite> seiten;
    for (const QString& teil : html.split(QStringLiteral("</page>"))) {
        const QRegularExpressionMatch s = seite.match(teil);
        if (!s.hasMatch()) continue;
        TPdfSeite ps{{s.captured(1).toDouble(), s.captured(2).toDouble()}, {}};
        for (auto it = wort.globalMatch(teil); it.hasNext();) {
            const QRegularExpressionMatch w = it.next();
            ps.Woerter.append(
                {w.captured(5), QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                       QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()))});
        }
        seiten.append(ps);
    }
    return seiten;
}

double Punkte(double cm) {
    return cm / 2.54 * 72;
}

} // namespace

// The printed plan, read back from its PDF as a reader would see it.
class TstRaumplanseiten : public QObject {
    Q_OBJECT

    QTemporaryDir Ordner;

    QString Schreiben(const TProjekt& p, const TRaumplan& plan, const TRaumplanAuftrag& auftrag) {
        const QString datei = Ordner.filePath(QStringLiteral("plan.pdf"));
        QFile f(datei);
        if (!f.open(QIODevice::WriteOnly) || f.write(RaumplanAlsPdf(p, plan, auftrag)) < 0) return {};
        return datei;
    }

private Q_SLOTS:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdftotext and pdfinfo (poppler-utils) are needed");
    }

    // A page per room: the year, the room, the headings, one line per appointment with the date on the
    // first line of each day; the families only when asked for.
    void raeume_data() {
        QTest::addColumn<bool>("mitEltern");
        QTest::newRow("Lehrkraft") << false;
        QTest::newRow("mit Eltern") << true;
    }
    void raeume() {
        QFETCH(bool, mitEltern);
        TProjektBauer b;
        b.Rahmen(2, 8, 14 * 60, 15);
        Belegen(b, {"A|Raum 5|1,2,49", "D|Raum 7|3", "E|Aula|"});
        RaumplanVorbereiten(b.p);
        b.p.Lehrerliste.NamenDoppeltMarkieren();
        const TRaumplan plan = RaumplanBauen(b.p, TTagesansicht::BeideTage);
        const QString datei = Schreiben(b.p, plan, {{2, 3}, mitEltern});
        QCOMPARE(PdfSeitenzahl(datei), 2);

        const QString erste = PdfText(datei, 1);
        const QString a = b.p.Lehrerliste.FindeKuerzel("A")->Anschrift(false);
        for (const QString& text :
             {QStringLiteral("Elternsprechtag 2027"), QStringLiteral("Raum 5"), QStringLiteral("Termin"),
              QStringLiteral("Lehrkraft"), QStringLiteral("14:15"), QStringLiteral("14:30"), a})
            QVERIFY2(erste.contains(text), qPrintable(text + u'\n' + erste));
        QCOMPARE(erste.count(QStringLiteral("01.03.2027")), 1);
        QCOMPARE(erste.count(QStringLiteral("02.03.2027")), 1);
        QCOMPARE(erste.count(a), 3);
        QVERIFY(!erste.contains(QStringLiteral("Raum 7")));
        QCOMPARE(erste.contains(QStringLiteral("Eltern\n")) || erste.contains(QStringLiteral("Eltern ")),
                 mitEltern);
        QCOMPARE(erste.contains(QStringLiteral("F1")), mitEltern);
        QCOMPARE(erste.contains(QStringLiteral("F3")), mitEltern);

        const QString zweite = PdfText(datei, 2);
        QVERIFY(zweite.contains(QStringLiteral("Raum 7")));
        QVERIFY(zweite.contains(QStringLiteral("14:45")));
        QVERIFY(!zweite.contains(QStringLiteral("Aula")));
    }

    // A room with more appointments than a page holds goes on on the next page, without its heading,
    // and nothing is drawn into the margins.
    void fortsetzung_data() {
        QTest::addColumn<int>("ausrichtung");
        QTest::newRow("hoch") << 0;
        QTest::newRow("quer") << 1;
    }
    void fortsetzung() {
        QFETCH(int, ausrichtung);
        TProjektBauer b;
        b.Rahmen(2, 48, 8 * 60, 10);
        QStringList slots;
        for (int s = 0; s < 96; ++s)
            slots << QString::number(s);
        Belegen(b, {"A|Raum 5|" + slots.join(u',')});
        b.p.Listenlayout.Ausrichtung = static_cast<uint8_t>(ausrichtung);
        RaumplanVorbereiten(b.p);
        const TRaumplan plan = RaumplanBauen(b.p, TTagesansicht::BeideTage);
        const QString datei = Schreiben(b.p, plan, {{1}, true});

        const QList<TPdfSeite> seiten = Woerter(datei);
        QVERIFY(seiten.size() >= 2);
        const TSeitenraender& r = b.p.Listenlayout.Seitenraender;
        int zeiten = 0;
        for (const TPdfSeite& s : seiten) {
            const QRectF inhalt(
                QPointF(Punkte(r.Links), Punkte(r.Oben)),
                QPointF(s.Groesse.width() - Punkte(r.Rechts), s.Groesse.height() - Punkte(r.Unten)));
            for (const TWort& w : s.Woerter) {
                QVERIFY2(inhalt.adjusted(-1, -1, 1, 1).contains(w.Rahmen), qPrintable(w.Text));
                if (w.Text.contains(u':')) ++zeiten;
            }
        }
        QCOMPARE(zeiten, 96);
        const QString weiter = PdfText(datei, 2);
        QVERIFY(!weiter.contains(QStringLiteral("Elternsprechtag")));
        QVERIFY(!weiter.contains(QStringLiteral("Raum 5")));
        QVERIFY(weiter.contains(b.p.Lehrerliste.FindeKuerzel("A")->Anschrift(false)));
    }
};

VEL_TEST(TstRaumplanseiten)
#include "tst_Raumplanseiten.moc"
