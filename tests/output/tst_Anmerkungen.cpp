#include "common/ProjektBauer.h"
#include "common/SkriptMeldung.h"
#include "common/TestHaupt.h"
#include "output/Anmerkungen.h"

#include <QTest>

namespace {

const QString Plus = QString::fromUtf8(
    "Ein + vor dem Namen des Kindes bedeutet, dass das Kind für das Gespräch mit angemeldet ist.");

// Teacher MUE talks with Anna Maier, BER with Cem Acker; Anna comes along when mitKind.
struct TFall {
    TProjektBauer b;
    TLehrer* mue;
    TLehrer* ber;
    TEltern* maier;
    TEltern* acker;
    TGespraech* annaMue;

    explicit TFall(bool mitKind) {
        b.Rahmen(1, 6);
        TKind* anna = b.Kind("Maier", "Anna", "5a");
        TKind* cem = b.Kind("Acker", "Cem", "7b");
        annaMue = b.Wunsch(anna, "MUE");
        annaMue->SetKindKommtMit(mitKind);
        b.Wunsch(cem, "BER");
        mue = b.Lehrer("MUE");
        ber = b.Lehrer("BER");
        maier = anna->Eltern;
        acker = cem->Eltern;
    }
};

} // namespace

class TstAnmerkungen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The setting applied to the annotations of a teacher and a family, with and without a conversation
    // a child comes along to.
    void abgleichen_data() {
        QTest::addColumn<bool>("an");
        QTest::addColumn<bool>("braucht");
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<QString>("nachher");
        const QString bemerkung = QStringLiteral("Bitte klingeln.");
        QTest::newRow("an: leer") << true << true << QString() << Plus;
        QTest::newRow("an: Bemerkung bleibt") << true << true << bemerkung << Plus + u' ' + bemerkung;
        QTest::newRow("an: schon da") << true << true << bemerkung + u' ' + Plus << bemerkung + u' ' + Plus;
        QTest::newRow("an: nicht gebraucht") << true << false << Plus + u' ' + bemerkung << bemerkung;
        QTest::newRow("an: nichts zu tun")
            << true << false << QStringLiteral("a  b") << QStringLiteral("a  b");
        QTest::newRow("aus: vorn") << false << true << Plus + u' ' + bemerkung << bemerkung;
        QTest::newRow("aus: allein") << false << true << Plus << QString();
        QTest::newRow("aus: mitten, Leerzeichen geglättet")
            << false << true << QStringLiteral("  Bitte   ") + Plus + QStringLiteral("  klingeln. ")
            << QStringLiteral("Bitte klingeln.");
        QTest::newRow("aus: Zeilen bleiben")
            << false << false << Plus + QStringLiteral("\r\nZeile 2\r\nZeile 3\r\n")
            << QStringLiteral("Zeile 2\r\nZeile 3");
        // An annotation without the explanation is the user's own; its blanks stay as typed.
        QTest::newRow("aus: ohne Erklärung")
            << false << true << QStringLiteral(" a  b ") << QStringLiteral(" a  b ");
    }
    void abgleichen() {
        QFETCH(bool, an);
        QFETCH(bool, braucht);
        QFETCH(QString, vorher);
        QFETCH(QString, nachher);
        QCOMPARE(PlusErklaerung(), Plus);
        QCOMPARE(Plus.size(), 91);
        TFall f(braucht);
        f.mue->Anmerkung = f.maier->Anmerkung = vorher;
        QCOMPARE(AnmerkungenAbgleichen(f.b.p, an), nachher != vorher);
        QCOMPARE(f.mue->Anmerkung, nachher);
        QCOMPARE(f.maier->Anmerkung, nachher);
        QVERIFY(f.ber->Anmerkung.isEmpty() && f.acker->Anmerkung.isEmpty());
        // Once in line, the same setting changes nothing.
        QVERIFY(!AnmerkungenAbgleichen(f.b.p, an));
    }

    // Switched on and off again, a teacher's remark is as it was; the general texts are never touched.
    void anUndAus() {
        TFall f(true);
        f.mue->Anmerkung = QStringLiteral("nur bis 17 Uhr");
        f.b.p.AnmerkungAlleLehrer = Plus;
        QVERIFY(AnmerkungenAbgleichen(f.b.p, true));
        QCOMPARE(f.mue->Anmerkung, Plus + QStringLiteral(" nur bis 17 Uhr"));
        QCOMPARE(f.maier->Anmerkung, Plus);
        QVERIFY(f.ber->Anmerkung.isEmpty() && f.acker->Anmerkung.isEmpty());
        QVERIFY(AnmerkungenAbgleichen(f.b.p, false));
        QCOMPARE(f.mue->Anmerkung, QStringLiteral("nur bis 17 Uhr"));
        QVERIFY(f.maier->Anmerkung.isEmpty());
        QCOMPARE(f.b.p.AnmerkungAlleLehrer, Plus);
    }

    // A family whose only "+" is taken back keeps the explanation: only switching the setting off and
    // on again brings the annotations in line.
    void plusZurueckgenommen() {
        TFall f(true);
        QVERIFY(AnmerkungenAbgleichen(f.b.p, true));
        QCOMPARE(f.maier->Anmerkung, Plus);
        f.annaMue->SetKindKommtMit(false);
        QCOMPARE(f.maier->Anmerkung, Plus);
        QVERIFY(AnmerkungenAbgleichen(f.b.p, false));
        QVERIFY(!AnmerkungenAbgleichen(f.b.p, true));
        QVERIFY(f.maier->Anmerkung.isEmpty());
        QVERIFY(f.mue->Anmerkung.isEmpty());
    }

    // The question: its text names the current setting, its default keeps it; an answer that switches
    // the setting applies it to the project at once, any other changes nothing.
    void frage_data() {
        QTest::addColumn<bool>("an");
        QTest::addColumn<bool>("ausMenue");
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<bool>("umgeschaltet");
        QTest::newRow("aus, Ja aus dem Menü") << false << true << Antwort::Ja << true;
        QTest::newRow("aus, Nein") << false << false << Antwort::Nein << false;
        QTest::newRow("an, Nein") << true << true << Antwort::Nein << true;
        QTest::newRow("an, Ja") << true << false << Antwort::Ja << false;
        QTest::newRow("an, geschlossen") << true << true << Antwort::Abbrechen << false;
    }
    void frage() {
        QFETCH(bool, an);
        QFETCH(bool, ausMenue);
        QFETCH(Antwort, antwort);
        QFETCH(bool, umgeschaltet);
        TFall f(true);
        if (an) AnmerkungenAbgleichen(f.b.p, true);
        TSkriptMeldung meldung;
        meldung.Antworten = {antwort};
        bool autoAnmerk = an;
        const TAutoAnmerkEntscheidung e = AutoAnmerkungFragen(meldung, &f.b.p, autoAnmerk, ausMenue);
        QCOMPARE(meldung.Protokoll.size(), 1);
        const TSkriptMeldung::Eintrag& m = meldung.Protokoll[0];
        QCOMPARE(m.Titel, "Individuelle Anmerkung automatisch erzeugen");
        QCOMPARE(m.Knopfsatz, Knoepfe::JaNein);
        QCOMPARE(m.Vorgabe, an ? Antwort::Ja : Antwort::Nein);
        QVERIFY(m.Text.startsWith(QString::fromUtf8(
            "Wenn Sie bei der Eingabe von Gesprächswünschen vermerken, dass das Kind mit zum Gespräch "
            "erscheint, erscheint ein '+' vor dem Namen des Kindes. Sie können automatisch bei den "
            "beteiligten "
            "Eltern und Lehrern eine Anmerkung erzeugen, die dieses Pluszeichen erklärt.\r\rMöchten Sie "
            "diese "
            "Anmerkung automatisch erzeugen?\r\r(Aktuelle Einstellung: ")));
        const QString stand =
            an ? QString::fromUtf8("JA. Mit 'Nein' werden ggf. vorhandene Hinweise gelöscht.)")
               : QString::fromUtf8("NEIN. Mit 'Ja' werden ggf. Hinweise gesetzt.)");
        const QString menue =
            QString::fromUtf8("\rSiehe auch Menü-Bearbeiten-Anmerkungen-Automatische Anmerkungen");
        QVERIFY(m.Text.endsWith(ausMenue ? stand : stand + menue));
        QCOMPARE(e.Umgeschaltet, umgeschaltet);
        QCOMPARE(e.Geaendert, umgeschaltet);
        QCOMPARE(autoAnmerk, umgeschaltet ? !an : an);
        QCOMPARE(f.mue->Anmerkung, autoAnmerk ? Plus : QString());
    }

    // Without an open project the setting still switches.
    void frageOhneProjekt() {
        TSkriptMeldung meldung;
        meldung.Antworten = {Antwort::Ja};
        bool autoAnmerk = false;
        const TAutoAnmerkEntscheidung e = AutoAnmerkungFragen(meldung, nullptr, autoAnmerk, true);
        QVERIFY(e.Umgeschaltet && !e.Geaendert && autoAnmerk);
    }

    // Only a text that differs is stored; the general text belongs to the kind of the list.
    void uebernehmen() {
        TFall f(false);
        f.b.p.AnmerkungAlleLehrer = QStringLiteral("L");
        QVERIFY(!AnmerkungenUebernehmen(f.b.p, false, nullptr, QStringLiteral("L"), QStringLiteral("x")));
        QVERIFY(
            AnmerkungenUebernehmen(f.b.p, true, f.maier, QString(), QStringLiteral("Heft\r\nmitbringen")));
        QCOMPARE(f.maier->Anmerkung, QStringLiteral("Heft\r\nmitbringen"));
        QVERIFY(f.b.p.AnmerkungAlleEltern.isEmpty());
        QVERIFY(AnmerkungenUebernehmen(f.b.p, false, nullptr, QStringLiteral("neu"), QString()));
        QCOMPARE(f.b.p.AnmerkungAlleLehrer, QStringLiteral("neu"));
        QCOMPARE(f.maier->Anmerkung, QStringLiteral("Heft\r\nmitbringen"));
    }

    // Line breaks: an editor takes "\n", the files keep CR LF, whatever a file brought.
    void zeilenumbrueche() {
        QCOMPARE(Bearbeitungsform(QStringLiteral("a\r\nb\rc\nd")), QStringLiteral("a\nb\nc\nd"));
        QCOMPARE(Dateiform(QStringLiteral("a\nb\r\nc")), QStringLiteral("a\r\nb\r\nc"));
        QCOMPARE(Dateiform(Bearbeitungsform(QStringLiteral("x\r\n\r\ny"))), QStringLiteral("x\r\n\r\ny"));
    }
};

VEL_TEST(TstAnmerkungen)
#include "tst_Anmerkungen.moc"
