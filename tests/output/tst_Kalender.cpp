#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "model/Datumstexte.h"
#include "output/Kalender.h"

#include <QMap>
#include <QStringDecoder>
#include <QTest>

namespace {

const QDateTime Jetzt(QDate(2027, 2, 14), QTime(9, 30, 5), Qt::UTC);

// Maier with Anna (5a) and Ben, Öztürk with Ayşe; Herr Dr. Müller (MUE) in room "A 1" and Frau Berg
// (BER) without room. Slots every 10 minutes from 14:00 on 01.03.2027 and the next day.
struct TFall {
    TProjektBauer b;
    TKind* anna;
    TKind* ben;
    TKind* ayse;
    TLehrer* mue;
    TLehrer* ber;

    explicit TFall(int tage = 2) {
        b.Rahmen(tage, 6);
        anna = b.Kind("Maier", "Anna", "5a");
        ben = b.Kind("Maier", "Ben");
        ayse = b.Kind("Öztürk", "Ayşe", "7c");
        mue = b.Lehrer("MUE", "Müller");
        ber = b.Lehrer("BER", "Berg");
        mue->Anrede = QStringLiteral("Herr");
        mue->AkadTitel = QStringLiteral("Dr.");
        mue->Raum = QStringLiteral("A 1");
        ber->Anrede = QStringLiteral("Frau");
    }
    QByteArray Kalender(const TPerson* person, bool eltern, TKalenderzeit zeit = TKalenderzeit::Berlin) {
        return KalenderText(b.p, *person, eltern, zeit, Jetzt);
    }
};

// The content lines of a calendar, unfolded, after checking the line ends and the folding.
QStringList Zeilen(const QByteArray& kalender) {
    if (!kalender.endsWith("\r\n")) return {QStringLiteral("<ohne CRLF am Ende>")};
    QByteArray ohneUmbruch = kalender;
    ohneUmbruch.replace("\r\n", "");
    if (ohneUmbruch.contains('\r') || ohneUmbruch.contains('\n'))
        return {QStringLiteral("<CR oder LF allein>")};
    for (const QByteArray& z : kalender.split('\n'))
        if (z.size() > 76) return {QStringLiteral("<Zeile über 75 Bytes>")};
    QByteArray entfaltet = kalender;
    entfaltet.replace("\r\n ", "");
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(entfaltet.chopped(2));
    if (utf8.hasError()) return {QStringLiteral("<kein UTF-8>")};
    return text.split(QStringLiteral("\r\n"));
}

// The properties of each event, name (with parameters) to value.
QList<QMap<QString, QString>> Ereignisse(const QByteArray& kalender) {
    QList<QMap<QString, QString>> ereignisse;
    bool darin = false;
    for (const QString& z : Zeilen(kalender)) {
        if (z == QLatin1String("BEGIN:VEVENT")) {
            ereignisse.append(QMap<QString, QString>());
            darin = true;
        } else if (z == QLatin1String("END:VEVENT")) {
            darin = false;
        } else if (darin) {
            ereignisse.last().insert(z.section(u':', 0, 0), z.section(u':', 1));
        }
    }
    return ereignisse;
}

QString Wert(const QByteArray& kalender, int ereignis, const QString& name) {
    const auto e = Ereignisse(kalender);
    return ereignis < e.size() ? e[ereignis].value(name, QStringLiteral("<fehlt>"))
                               : QStringLiteral("<kein Ereignis>");
}

} // namespace

class TstKalender : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void zeileGefaltet_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QList<int>>("laengen");
        const QByteArray x73(73, 'x'), x74(74, 'x');
        QTest::newRow("75 Bytes bleiben eine Zeile") << QByteArray(75, 'x') << QList<int>{75};
        QTest::newRow("76 Bytes") << QByteArray(76, 'x') << QList<int>{75, 2};
        QTest::newRow("ä endet genau bei 75") << x73 + "ä" << QList<int>{75};
        QTest::newRow("ä läge über der Grenze") << x74 + "ä" << QList<int>{74, 3};
        QTest::newRow("€ über der Grenze") << x73 + "€" << QList<int>{73, 4};
        QTest::newRow("€ nach 74 Bytes") << x74 + "€" << QList<int>{74, 4};
        QTest::newRow("Emoji über der Grenze") << x73 + "😀" << QList<int>{73, 5};
        QTest::newRow("Fortsetzung hat 74 Bytes Platz")
            << QByteArray(75 + 74 + 1, 'x') << QList<int>{75, 75, 2};
        QTest::newRow("ä an der Grenze der Fortsetzung")
            << QByteArray(75 + 73, 'x') + "ä" << QList<int>{75, 74, 3};
        QTest::newRow("nur Umlaute") << QString(100, u'ü').toUtf8() << QList<int>{74, 75, 53};
    }
    void zeileGefaltet() {
        QFETCH(QByteArray, inhalt);
        QFETCH(QList<int>, laengen);
        const QByteArray zeile = KalenderZeile(inhalt);
        QVERIFY(zeile.endsWith("\r\n"));
        const QList<QByteArray> teile = zeile.chopped(2).split('\n');
        QList<int> gefunden;
        for (const QByteArray& t : teile)
            gefunden << static_cast<int>(t.endsWith('\r') ? t.size() - 1 : t.size());
        QCOMPARE(gefunden, laengen);
        for (qsizetype i = 1; i < teile.size(); ++i)
            QVERIFY(teile[i].startsWith(' '));
        QByteArray entfaltet = zeile.chopped(2);
        entfaltet.replace("\r\n ", "");
        QCOMPARE(entfaltet, inhalt);
        // Every physical line is whole UTF-8 by itself.
        for (const QByteArray& t : teile) {
            QStringDecoder utf8(QStringDecoder::Utf8);
            (void)utf8.decode(t);
            QVERIFY(!utf8.hasError());
        }
    }

    void textwert_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("wert");
        QTest::newRow("Komma, Semikolon") << "Raum 1, Ecke; links"
                                          << "Raum 1\\, Ecke\\; links";
        QTest::newRow("Backslash") << "\\\\server\\x"
                                   << "\\\\\\\\server\\\\x";
        QTest::newRow("CRLF, CR, LF") << "a\r\nb\rc\nd"
                                      << "a\\nb\\nc\\nd";
        QTest::newRow("Doppelpunkt und Umlaute bleiben") << "Aula: Süd-Flügel"
                                                         << "Aula: Süd-Flügel";
        QTest::newRow("Steuerzeichen") << QString("a\tb") + QChar(0x01) << "a\tb ";
    }
    void textwert() {
        QFETCH(QString, text);
        QFETCH(QString, wert);
        QCOMPARE(KalenderTextwert(text), wert);
    }

    // The calendar's frame and each event's fields, for a family and for a teacher.
    void aufbau() {
        TFall f;
        f.b.Wunsch(f.anna, "MUE", 2);
        f.b.Wunsch(f.ben, "BER", 1)->SetKindKommtMit(true);
        f.b.Wunsch(f.ben, "MUE");
        const QByteArray familie = f.Kalender(f.anna->Eltern, true);
        const QStringList z = Zeilen(familie);
        QCOMPARE(z.mid(0, 5),
                 (QStringList{"BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//VEL//Elternsprechtag//DE",
                              "CALSCALE:GREGORIAN", "METHOD:PUBLISH"}));
        QCOMPARE(z.constLast(), "END:VCALENDAR");
        QCOMPARE(z.count("BEGIN:VTIMEZONE"), 1);
        QVERIFY(z.contains("TZID:Europe/Berlin"));
        QVERIFY(z.contains("RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU"));
        QVERIFY(z.contains("RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU"));

        // In slot order; the conversation without appointment is no event.
        const auto e = Ereignisse(familie);
        QCOMPARE(e.size(), 2);
        QCOMPARE(e[0].value("SUMMARY"), QString::fromUtf8("Gespräch mit Frau Berg über Ben"));
        QCOMPARE(e[0].value("DTSTART;TZID=Europe/Berlin"), "20270301T141000");
        QCOMPARE(e[0].value("DTEND;TZID=Europe/Berlin"), "20270301T142000");
        QVERIFY(!e[0].contains("LOCATION"));
        QCOMPARE(e[0].value("DESCRIPTION"), "Ben kommt mit.");
        QCOMPARE(e[0].value("DTSTAMP"), "20270214T093005Z");
        QCOMPARE(e[1].value("SUMMARY"), QString::fromUtf8("Gespräch mit Herrn Dr. Müller über Anna"));
        QCOMPARE(e[1].value("LOCATION"), "A 1");
        QVERIFY(!e[1].contains("DESCRIPTION"));
        for (const auto& ereignis : e)
            QVERIFY(ereignis.contains("UID"));

        const QByteArray lehrer = f.Kalender(f.mue, false);
        QCOMPARE(Ereignisse(lehrer).size(), 1);
        QCOMPARE(Wert(lehrer, 0, "SUMMARY"), QString::fromUtf8("Gespräch mit Familie Maier über Anna (5a)"));
        QCOMPARE(Wert(lehrer, 0, "LOCATION"), "A 1");

        const QByteArray utc = f.Kalender(f.anna->Eltern, true, TKalenderzeit::Utc);
        QVERIFY(!Zeilen(utc).contains("BEGIN:VTIMEZONE"));
        QCOMPARE(Wert(utc, 1, "DTSTART"), "20270301T132000Z");
    }

    // Names and rooms with the characters calendar texts escape, and a summary long enough to fold.
    void zeichen() {
        TFall f;
        f.mue->Name =
            QString::fromUtf8("Müller-Lüdenscheidt, genannt \"Schöne\"; Oberstudienrätin für Ästhetik");
        f.mue->Raum = QString::fromUtf8("Aula; Süd, 2\\3");
        f.b.Wunsch(f.ayse, "MUE", 0);
        const QByteArray k = f.Kalender(f.ayse->Eltern, true);
        QCOMPARE(Wert(k, 0, "SUMMARY"),
                 QString::fromUtf8("Gespräch mit Herrn Dr. Müller-Lüdenscheidt\\, genannt \"Schöne\"\\; "
                                   "Oberstudienrätin für Ästhetik über Ayşe"));
        QCOMPARE(Wert(k, 0, "LOCATION"), QString::fromUtf8("Aula\\; Süd\\, 2\\\\3"));
    }

    void ohneTermin() {
        TFall f;
        f.b.Wunsch(f.anna, "MUE");
        f.b.Wunsch(f.ayse, "BER", 3);
        QVERIFY(f.Kalender(f.anna->Eltern, true).isEmpty());
        QVERIFY(f.Kalender(f.mue, false).isEmpty());
        QVERIFY(f.Kalender(f.b.Familie("Leer"), true).isEmpty());
        QVERIFY(!f.Kalender(f.ber, false).isEmpty());
    }

    // The second day's appointments carry the second date, and summer time is told from winter time,
    // including the days around both switches.
    void zeiten_data() {
        QTest::addColumn<QDate>("tag1");
        QTest::addColumn<QDate>("tag2");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("berlin");
        QTest::addColumn<QString>("utc");
        QTest::addColumn<QString>("utcEnde");
        const QDate m1(2027, 3, 1), m27(2027, 3, 27), m29(2027, 3, 29);
        QTest::newRow("Winter, Tag 1") << m1 << m1.addDays(1) << 0 << "20270301T140000"
                                       << "20270301T130000Z"
                                       << "20270301T131000Z";
        QTest::newRow("Winter, Tag 2") << m1 << m1.addDays(1) << SlotsProTag + 5 << "20270302T145000"
                                       << "20270302T135000Z"
                                       << "20270302T140000Z";
        QTest::newRow("März vor der Umstellung") << m27 << m29 << 1 << "20270327T141000"
                                                 << "20270327T131000Z"
                                                 << "20270327T132000Z";
        QTest::newRow("März nach der Umstellung") << m27 << m29 << SlotsProTag + 1 << "20270329T141000"
                                                  << "20270329T121000Z"
                                                  << "20270329T122000Z";
        QTest::newRow("Oktober vor der Umstellung")
            << QDate(2027, 10, 30) << QDate(2027, 11, 1) << 0 << "20271030T140000"
            << "20271030T120000Z"
            << "20271030T121000Z";
        QTest::newRow("Oktober nach der Umstellung")
            << QDate(2027, 10, 30) << QDate(2027, 11, 1) << SlotsProTag << "20271101T140000"
            << "20271101T130000Z"
            << "20271101T131000Z";
    }
    void zeiten() {
        QFETCH(QDate, tag1);
        QFETCH(QDate, tag2);
        QFETCH(int, slot);
        TFall f;
        f.b.p.Datum = {WertAusDatum(tag1), WertAusDatum(tag2)};
        f.b.Wunsch(f.anna, "MUE", slot);
        const QByteArray berlin = f.Kalender(f.mue, false);
        QTEST(Wert(berlin, 0, "DTSTART;TZID=Europe/Berlin"), "berlin");
        const QByteArray utc = f.Kalender(f.mue, false, TKalenderzeit::Utc);
        QTEST(Wert(utc, 0, "DTSTART"), "utc");
        QTEST(Wert(utc, 0, "DTEND"), "utcEnde");
    }

    // The length of an appointment comes from the frame's times: the usual step, not a break between
    // slots, and never into the next slot.
    void dauer_data() {
        QTest::addColumn<QStringList>("zeiten");
        QTest::addColumn<int>("minuten");
        QTest::addColumn<QString>("ende");
        QTest::newRow("gleichmäßig") << QStringList{"14:00", "14:15", "14:30"} << 15 << "141500";
        QTest::newRow("mit Pause") << QStringList{"14:00", "14:10", "14:20", "15:00", "15:10"} << 10
                                   << "141000";
        QTest::newRow("ein Slot") << QStringList{"14:00"} << 15 << "141500";
        QTest::newRow("nächster Slot früher")
            << QStringList{"14:00", "14:05", "14:20", "14:40", "15:00"} << 20 << "140500";
        QTest::newRow("Lücke im Raster") << QStringList{"14:00", "", "14:20", "14:30"} << 10 << "141000";
        QTest::newRow("über Mitternacht") << QStringList{"23:50"} << 15 << "000500";
    }
    void dauer() {
        QFETCH(QStringList, zeiten);
        TFall f(1);
        f.b.p.Zeittexte.fill(QString());
        f.b.p.ZeitAktiv.fill(false);
        for (int s = 0; s < zeiten.size(); ++s) {
            f.b.p.Zeittexte[s] = zeiten[s];
            f.b.p.ZeitAktiv[s] = !zeiten[s].isEmpty();
        }
        QTEST(Terminminuten(f.b.p), "minuten");
        f.b.Wunsch(f.anna, "MUE", 0);
        QTEST(Wert(f.Kalender(f.mue, false), 0, "DTEND;TZID=Europe/Berlin").mid(9), "ende");
    }

    // A calendar replaces the events whose UID it holds: the same conversation keeps its UID in every
    // export, in the family's and the teacher's file, whatever else changed in the project.
    void uidStabil() {
        TFall f;
        TGespraech* g = f.b.Wunsch(f.anna, "MUE", 2);
        f.b.Wunsch(f.ayse, "BER", 2);
        const QString uid = Wert(f.Kalender(f.anna->Eltern, true), 0, "UID");
        QVERIFY(uid.endsWith("@vel"));
        QCOMPARE(Wert(f.Kalender(f.mue, false), 0, "UID"), uid);
        QCOMPARE(Wert(f.Kalender(f.anna->Eltern, true, TKalenderzeit::Utc), 0, "UID"), uid);

        // Another time, another family, another request, a removed one, teachers sorted anew.
        f.mue->Zeiten[2] = f.anna->Eltern->Zeiten[2] = SlotFrei;
        f.b.Buchen(g, SlotsProTag + 4);
        f.b.Wunsch(f.b.Kind("Neu", "Nina"), "MUE", 1);
        f.b.p.Gespraechsliste.Entfernen(f.b.Wunsch(f.ben, "BER", 3));
        f.b.p.Lehrerliste.LehrerSortieren();
        const QByteArray danach = f.Kalender(f.anna->Eltern, true);
        QCOMPARE(Wert(danach, 0, "UID"), uid);
        QCOMPARE(Wert(danach, 0, "DTSTART;TZID=Europe/Berlin"), "20270302T144000");

        // Every conversation has a UID of its own, also with the same teacher or family.
        QStringList uids;
        for (const TPerson* p : {static_cast<const TPerson*>(f.mue), static_cast<const TPerson*>(f.ber)})
            for (const auto& e : Ereignisse(f.Kalender(p, false)))
                uids << e.value("UID");
        QCOMPARE(uids.size(), 3);
        uids.removeDuplicates();
        QCOMPARE(uids.size(), 3);

        // Another term's project numbers its conversations from 1 again.
        f.b.p.Datum[0] += 180;
        QVERIFY(Wert(f.Kalender(f.anna->Eltern, true), 0, "UID") != uid);
    }
};

VEL_TEST(TstKalender)
#include "tst_Kalender.moc"
