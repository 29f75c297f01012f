#include "Lesehilfe.h"
#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QList<TLehrerF> Lehrkraefte() {
    TLehrerF a;
    a.Anrede = QStringLiteral("Frau");
    a.AkadTitel = QStringLiteral("Dr.");
    a.Name = QStringLiteral("Bäcker");
    a.Zusatz = QStringLiteral("von");
    a.Kuerzel = QStringLiteral("BAE");
    a.Raum = QStringLiteral("A1") + QChar(0xFF) + QStringLiteral("B2");
    a.Anmerkung = QStringLiteral("nur vormittags");
    TLehrerF b;
    b.Name = QStringLiteral("Ernst");
    b.Kuerzel = QStringLiteral("ER");
    return {a, b};
}

void Schreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

} // namespace

class TstLehrerdatei : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void speichernUndLaden() {
        TProjektBauer b;
        for (const TLehrerF& f : Lehrkraefte()) {
            TLehrer* l = b.p.NeuerLehrer(f.Anrede, f.Kuerzel, f.Name, f.Zusatz, f.AkadTitel);
            l->Raum = f.Raum;
            l->Anmerkung = f.Anmerkung;
            l->Zeiten[3] = SlotGesperrt; // not part of a teacher file
        }
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("lehrer.ldt"));
        QString fehler;
        QVERIFY(LehrerdateiSpeichern(b.p.Lehrerliste, pfad, fehler));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), Lehrerdatei(Lehrkraefte()));

        TProjektBauer neu;
        neu.Lehrer(QStringLiteral("ALT"));
        neu.p.Standardsperre[7] = SlotGesperrt;
        TSkriptMeldung m;
        QVERIFY(LehrerdateiLaden(pfad, neu.p, m));
        QVERIFY(m.Protokoll.isEmpty());
        QCOMPARE(neu.p.Lehrerliste.Count(), 2);
        const TLehrer* l = neu.p.Lehrerliste[0];
        QCOMPARE(l->Anschrift(false), QStringLiteral("Frau Dr. von Bäcker"));
        QCOMPARE(l->Raum, QStringLiteral("A1ÿB2"));
        QCOMPARE(l->Anmerkung, QStringLiteral("nur vormittags"));
        QCOMPARE(l->Zeiten, neu.p.Standardsperre);
        QVERIFY(!neu.p.Lehrerliste.FindeKuerzel(QStringLiteral("ALT")));
    }

    void keineLehrerdatei_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");
        const QString keine = QStringLiteral("Die Datei ist keine Lehrerdatei");
        QTest::newRow("Projektdatei") << Projektdatei(Beispielprojekt()) << keine;
        QTest::newRow("leer") << QByteArray() << keine;
        QTest::newRow("abgeschnitten")
            << Lehrerdatei(Lehrkraefte()).chopped(5)
            << QStringLiteral("Die Datei „x.ldt“ ist beschädigt und konnte nicht "
                              "vollständig gelesen werden; es wurde nichts übernommen.");
    }
    // A file that cannot be taken leaves the teachers as they were.
    void keineLehrerdatei() {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("x.ldt"));
        Schreiben(pfad, inhalt);
        TProjektBauer b;
        b.Lehrer(QStringLiteral("ALT"));
        TSkriptMeldung m;
        QVERIFY(!LehrerdateiLaden(pfad, b.p, m));
        QCOMPARE(m.Protokoll.size(), 1);
        QCOMPARE(m.Protokoll[0].Text, meldung);
        QCOMPARE(b.p.Lehrerliste.Count(), 1);
    }

    // Conversations refer to the teachers: replacing them then would leave the conversations dangling.
    void mitGespraechenAbgelehnt() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("x.ldt"));
        Schreiben(pfad, Lehrerdatei(Lehrkraefte()));
        TProjektBauer b;
        b.Rahmen(1, 4);
        TGespraech* g =
            b.Wunsch(b.Kind(QStringLiteral("Maier"), QStringLiteral("Anna")), QStringLiteral("ALT"));
        TSkriptMeldung m;
        QVERIFY(!LehrerdateiLaden(pfad, b.p, m));
        QCOMPARE(g->Lehrer, b.p.Lehrerliste[0]);
    }
};

VEL_TEST(TstLehrerdatei)
#include "tst_Lehrerdatei.moc"
