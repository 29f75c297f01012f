#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "common/VelCli.h"
#include "model/Projektdatei.h"
#include "output/Rtfdokument.h"
#include "output/Rtfleser.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr QChar Raumtrenner(0x00FF);

// Two teachers, a family with two appointments (one with the child coming along, one at a teacher's
// blocked neighbour slot), a family whose only request found no slot, and one without requests; notes
// for all and for single persons, with braces, backslash, line break and letters beyond ASCII.
void KleinesProjekt(TProjektBauer& b) {
    b.Rahmen(1, 4);
    TLehrer* mue = b.Lehrer("MUE", QString::fromUtf8("Müller"));
    mue->Raum = QStringLiteral("A12");
    mue->AkadTitel = QStringLiteral("Dr.");
    TLehrer* sch = b.Lehrer("SCH", QString::fromUtf8("Schäfer"));
    sch->Anrede = QStringLiteral("Frau");
    sch->Raum = QStringLiteral("Raum 7");
    b.Wunsch(b.Kind(QString::fromUtf8("Weiß"), QString::fromUtf8("Jörg"), "5a"), "MUE", 0);
    b.Wunsch(b.Kind(QString::fromUtf8("Weiß"), QString::fromUtf8("Jörg"), "5a"), "SCH", 2)
        ->SetKindKommtMit(true);
    b.Sperren(mue, {3});
    TGespraech* offen = b.Wunsch(b.Kind(QString::fromUtf8("Öztürk"), "Ayla"), "SCH");
    offen->Eltern()->Anmerkung = QString::fromUtf8("Bitte {pünktlich} kommen.\r\nZweite Zeile");
    b.Familie("Ohne");
    b.p.AnmerkungAlleEltern = QString::fromUtf8("Bitte bringen Sie das letzte Zeugnis mit (5 €).");
    b.p.AnmerkungAlleLehrer = QStringLiteral("Plan\\Raum {neu}");
    sch->Anmerkung = QStringLiteral("Aufsicht\tFlur");
    b.p.Listenlayout.NachrPosE = 2;
    b.p.ZaehleGespraeche();
    b.p.BelegungMarkieren();
}

QByteArray Vorlage(const QString& name) {
    QFile f(QStringLiteral(VEL_RTF_VORLAGEN) + u'/' + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Where the documents differ, and the document as written beside the test's temporary files.
QString Unterschied(const QByteArray& ist, const QByteArray& soll, const QString& name) {
    qsizetype i = 0;
    while (i < ist.size() && i < soll.size() && ist[i] == soll[i])
        ++i;
    const QString ablage = QDir::temp().filePath(QStringLiteral("vel-ist-") + name);
    QFile f(ablage);
    if (f.open(QIODevice::WriteOnly)) f.write(ist);
    return QStringLiteral("first difference at byte %1: \"%2\" instead of \"%3\"; written to %4")
        .arg(i)
        .arg(QString::fromLatin1(ist.mid(i, 40)), QString::fromLatin1(soll.mid(i, 40)), ablage);
}

TAufruf VelCli(const QStringList& argumente) {
    return VelCliAufrufen(argumente);
}

} // namespace

class TstRtf : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void escapes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("schlicht") << "Raum 12" << QByteArray("Raum 12");
        QTest::newRow("Backslash") << "C:\\Listen" << QByteArray("C:\\\\Listen");
        QTest::newRow("Klammern") << "{neu}" << QByteArray("\\{neu\\}");
        QTest::newRow("Umlaute und ß am Ende") << QString::fromUtf8("Weiß") << QByteArray("Wei\\'DF");
        QTest::newRow("Euro") << QString::fromUtf8("5 €") << QByteArray("5 \\'80");
        QTest::newRow("TAB") << "a\tb" << QByteArray("a\\tab b");
        QTest::newRow("Zeilenanfang") << "\r\nText" << QByteArray("\r\n\\par Text");
        QTest::newRow("Zeilenwechsel im Text")
            << "eins\r\nzwei\ndrei" << QByteArray("eins\r\n\\par zwei\r\n\\par drei");
        QTest::newRow("außerhalb der Codepage") << QString::fromUtf8("Ayşe") << QByteArray("Ay?e");
        QTest::newRow("alles zusammen")
            << QString::fromUtf8("\\{ä}\t") << QByteArray("\\\\\\{\\'E4\\}\\tab ");
    }
    void escapes() {
        QFETCH(QString, text);
        QFETCH(QByteArray, rtf);
        QCOMPARE(RtfText(text), rtf);
    }

    // The files of a small project, byte for byte as once checked by eye.
    void datei_data() {
        QTest::addColumn<bool>("eltern");
        QTest::addColumn<QString>("vorlage");
        QTest::newRow("Eltern") << true << "eltern.rtf";
        QTest::newRow("Lehrer") << false << "lehrer.rtf";
    }
    void datei() {
        QFETCH(bool, eltern);
        QFETCH(QString, vorlage);
        TProjektBauer b;
        KleinesProjekt(b);
        const TRtfDokument d = RtfErzeugen(b.p, eltern, TRtfFassung::Datei);
        QCOMPARE(d.Listen, 2);
        const QByteArray soll = Vorlage(vorlage);
        QVERIFY2(!soll.isEmpty(), qPrintable(vorlage));
        QVERIFY2(d.Daten == soll, qPrintable(Unterschied(d.Daten, soll, vorlage)));
    }

    // The window's version marks the page breaks in blue, the file breaks the page; persons without
    // requests get no list.
    void seitenumbrueche() {
        TProjektBauer b;
        b.Rahmen(1, 3);
        for (const char* kuerzel : {"AA", "BB", "CC"})
            b.Wunsch(b.Kind("Maier", kuerzel), kuerzel, -1);
        b.Lehrer("DD");
        b.p.ZaehleGespraeche();
        const TRtfDokument datei = RtfErzeugen(b.p, false, TRtfFassung::Datei);
        const TRtfDokument schirm = RtfErzeugen(b.p, false, TRtfFassung::Bildschirm);
        QCOMPARE(datei.Listen, 3);
        QCOMPARE(datei.Daten.count("\\page "), 2);
        QCOMPARE(datei.Daten.count("Seitenumbruch"), 0);
        QVERIFY(!datei.Daten.contains("colortbl"));
        QCOMPARE(schirm.Daten.count("\\page"), 0);
        QCOMPARE(schirm.Daten.count("\\cf1\\qc ---------- Seitenumbruch ----------\\cf0"), 2);
        QVERIFY(schirm.Daten.contains("}}\r\n{\\colortbl ;\\red0\\green0\\blue255;}\\viewkind4"));
        QVERIFY(!datei.Daten.contains("Herrn DD"));
        QCOMPARE(RtfErzeugen(b.p, true, TRtfFassung::Datei).Listen, 1);
    }

    // Where the general (A) and the individual (I) note stand: before the column header or after the
    // last line, by the layout's position code, for both kinds of list.
    void anmerkungsorte_data() {
        QTest::addColumn<bool>("eltern");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("oben");
        QTest::addColumn<QString>("unten");
        for (const bool eltern : {true, false}) {
            const char* art = eltern ? "Eltern" : "Lehrer";
            const char* const erwartet[][2] = {{"AI", ""}, {"IA", ""}, {"I", "A"},
                                               {"A", "I"}, {"", "AI"}, {"", "IA"}};
            for (int code = 0; code < 6; ++code)
                QTest::addRow("%s %d", art, code) << eltern << code << erwartet[code][0] << erwartet[code][1];
        }
    }
    void anmerkungsorte() {
        QFETCH(bool, eltern);
        QFETCH(int, code);
        QFETCH(QString, oben);
        QFETCH(QString, unten);
        TProjektBauer b;
        b.Rahmen(1, 2);
        TGespraech* g = b.Wunsch(b.Kind("Maier", "Anna"), "MUE", 1);
        TPerson* person = eltern ? static_cast<TPerson*>(g->Eltern()) : g->Lehrer;
        person->Anmerkung = QStringLiteral("[I]");
        (eltern ? b.p.AnmerkungAlleEltern : b.p.AnmerkungAlleLehrer) = QStringLiteral("[A]");
        (eltern ? b.p.Listenlayout.NachrPosE : b.p.Listenlayout.NachrPosL) = code;
        b.p.ZaehleGespraeche();
        b.p.BelegungMarkieren();
        const QString rtf = QString::fromLatin1(RtfErzeugen(b.p, eltern, TRtfFassung::Datei).Daten);
        const qsizetype kopf = rtf.indexOf(QStringLiteral("\\i Datum"));
        const qsizetype ende = rtf.lastIndexOf(QStringLiteral("Termin gefunden.)"));
        QVERIFY(kopf > 0 && ende > kopf);
        QString vorher, nachher;
        QRegularExpressionMatchIterator i =
            QRegularExpression(QStringLiteral("\\[(A|I)\\]")).globalMatch(rtf);
        while (i.hasNext()) {
            const QRegularExpressionMatch m = i.next();
            (m.capturedStart() < kopf ? vorher : nachher) += m.captured(1);
            QVERIFY(m.capturedStart() < kopf || m.capturedStart() > ende);
            QVERIFY(rtf.mid(m.capturedStart() - 7, 7) == QStringLiteral("\r\n\\par "));
        }
        QCOMPARE(vorher, oben);
        QCOMPARE(nachher, unten);
    }

    // The marker of the phone column belongs to the printed page; the document shows the number only.
    void telefonspalte() {
        TProjektBauer b;
        b.Rahmen(1, 2);
        TGespraech* g = b.Wunsch(b.Kind("Maier", "Anna"), "MUE", 0);
        g->Eltern()->Telefon = QStringLiteral("0711 4711");
        b.p.Listenlayout.TelefonImmer = true;
        b.p.ZaehleGespraeche();
        b.p.BelegungMarkieren();
        const QByteArray rtf = RtfErzeugen(b.p, false, TRtfFassung::Datei).Daten;
        QVERIFY2(rtf.contains("\\tab Familie Maier\\tab Anna\\tab 0711 4711"), rtf.constData());
        QVERIFY(!rtf.contains("\\'A8"));
    }

    // A teacher's two rooms stand in the head as the list shows them, each day's room on its lines.
    void zweiRaeume() {
        TProjektBauer b;
        b.Rahmen(2, 2);
        TGespraech* g = b.Wunsch(b.Kind("Maier", "Anna"), "MUE", SlotsProTag);
        g->Lehrer->Raum = QStringLiteral("A12") + Raumtrenner + QStringLiteral("B3");
        b.p.ZaehleGespraeche();
        b.p.BelegungMarkieren();
        const QByteArray lehrer = RtfErzeugen(b.p, false, TRtfFassung::Datei).Daten;
        QVERIFY(lehrer.contains("\\b Herrn MUE\\b0\\fs22\r\n\\par A12, B3\r\n\\par \\i Datum"));
        const QByteArray eltern = RtfErzeugen(b.p, true, TRtfFassung::Datei).Daten;
        QVERIFY(eltern.contains("\\par 02.03.27\\tab 14:00\\tab Herr MUE\\tab Anna\\tab B3"));
    }

    // The window's view reads the document back: paragraphs, tabs, bold name, the blue centred marker
    // between the lists, and groups of other writers passed over.
    void ansicht() {
        TProjektBauer b;
        KleinesProjekt(b);
        QTextDocument doc;
        RtfDarstellen(RtfErzeugen(b.p, true, TRtfFassung::Bildschirm).Daten, doc);
        const QString text = doc.toPlainText();
        QVERIFY2(text.startsWith(
                     QString::fromUtf8("Gespräche für Familie Weiß\nDatum\tZeit\tLehrer\tKind\tRaum\n")),
                 qPrintable(text));
        QVERIFY(text.contains(QString::fromUtf8("\t14:00\tHerr Dr. Müller\tJörg (5a)\tA12\n")));
        QVERIFY(text.contains(QString::fromUtf8("Bitte {pünktlich} kommen.\nZweite Zeile\n")));
        QVERIFY(text.contains(QString::fromUtf8("(5 €).")));
        const QTextBlock marke = doc.find(QStringLiteral("---------- Seitenumbruch ----------")).block();
        QVERIFY(marke.isValid());
        QCOMPARE(marke.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(marke.begin().fragment().charFormat().foreground().color(), QColor(0, 0, 255));
        QCOMPARE(marke.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        const QTextCursor name = doc.find(QString::fromUtf8("Familie Weiß"));
        QCOMPARE(name.charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(name.charFormat().fontFamilies().toStringList(), QStringList{"Times New Roman"});
        QCOMPARE(doc.find(QStringLiteral("Lehrer")).charFormat().fontItalic(), true);
        QCOMPARE(doc.firstBlock().blockFormat().tabPositions().size(), 5);

        RtfDarstellen("{\\rtf1{\\*\\generator X;}{\\info{\\title T}}a\\b b\\b0{\\i c}d\\par e}", doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("abcd\ne"));
        QCOMPARE(doc.find(QStringLiteral("d")).charFormat().fontItalic(), false);
    }

    void velCli_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("eltern"); // which lists the file holds: 1 families, 0 teachers, -1 none
        QTest::newRow("Eltern") << QStringList{"PROJEKT", "--eltern", "-o", "AUS"} << 0 << "2 Listen in" << 1;
        QTest::newRow("Lehrer, englisch")
            << QStringList{"PROJEKT", "--teachers", "--ausgabe", "AUS"} << 0 << "2 Listen in" << 0;
        QTest::newRow("Hilfe") << QStringList{"--hilfe"} << 0 << "Aufruf: vel-cli rtf" << -1;
        QTest::newRow("keine Art") << QStringList{"PROJEKT", "-o", "AUS"} << 2 << "Aufruf: vel-cli rtf" << -1;
        QTest::newRow("beide Arten") << QStringList{"PROJEKT", "--eltern", "--lehrer", "-o", "AUS"} << 2
                                     << "Aufruf: vel-cli rtf" << -1;
        QTest::newRow("ohne Ausgabe")
            << QStringList{"PROJEKT", "--eltern"} << 2 << "Aufruf: vel-cli rtf" << -1;
        QTest::newRow("ohne Datei") << QStringList{"--eltern", "-o", "AUS"} << 2 << "Aufruf: vel-cli rtf"
                                    << -1;
        QTest::newRow("unbekannt") << QStringList{"PROJEKT", "--eltern", "-o", "AUS", "--farbe"} << 2
                                   << "Unbekannte Option: --farbe" << -1;
        QTest::newRow("Ordner fehlt") << QStringList{"PROJEKT", "--eltern", "-o", "ORDNER/fehlt/aus.rtf"} << 1
                                      << "Die Datei ORDNER/fehlt/aus.rtf kann nicht geschrieben werden" << -1;
        QTest::newRow("kein Projekt")
            << QStringList{"ORDNER/kein.pdt", "--eltern", "-o", "AUS"} << 2
            << QString::fromUtf8("Die Datei „ORDNER/kein.pdt“ ist keine gültige Projektdatei.") << -1;
    }
    void velCli() {
        QFETCH(QStringList, argumente);
        QFETCH(int, status);
        QFETCH(QString, text);
        QFETCH(int, eltern);
        QTemporaryDir ordner;
        TProjektBauer b;
        KleinesProjekt(b);
        const QString projekt = ordner.filePath("p.pdt");
        QString fehler;
        QVERIFY2(ProjektSpeichern(b.p, projekt, fehler), qPrintable(fehler));
        QFile kein(ordner.filePath("kein.pdt"));
        QVERIFY(kein.open(QIODevice::WriteOnly) && kein.write("kein Projekt") > 0);
        kein.close();
        const QString aus = ordner.filePath("aus.rtf");
        argumente.replaceInStrings("PROJEKT", projekt);
        argumente.replaceInStrings("AUS", aus);
        argumente.replaceInStrings("ORDNER", ordner.path());
        const TAufruf a = VelCli(QStringList{"rtf"} + argumente);
        QCOMPARE(a.Status, status);
        text.replace("ORDNER", ordner.path());
        QVERIFY2((status == 0 ? a.Ausgabe : a.Fehler).contains(text), qPrintable(a.Ausgabe + a.Fehler));
        QFile datei(aus);
        QCOMPARE(datei.exists(), eltern >= 0);
        if (eltern < 0) return;
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QCOMPARE(datei.readAll(), RtfErzeugen(b.p, eltern == 1, TRtfFassung::Datei).Daten);
    }

    // A word processor reads the lists of a two-day project: every name, time, room and note, with
    // umlauts, ß, the euro sign, braces and backslashes intact.
    void libreOffice() {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty()) {
            const char* grund = "soffice fehlt (scripts/install-deps installiert libreoffice-writer-nogui); "
                                "das RTF wird nicht zurückgelesen";
            if (!qEnvironmentVariableIsEmpty("VEL_SOFFICETEST")) QFAIL(grund);
            QSKIP(grund);
        }
        TProjektBauer b;
        b.Rahmen(2, 3);
        TLehrer* gross = b.Lehrer("GRO", QString::fromUtf8("Groß"));
        gross->Raum = QStringLiteral("A12") + Raumtrenner + QStringLiteral("B3");
        b.Lehrer("KOE", QString::fromUtf8("König"))->Raum = QString::fromUtf8("Aula Süd");
        TKind* juergen = b.Kind(QString::fromUtf8("Bäcker"), QString::fromUtf8("Jürgen"), "7b");
        b.Wunsch(juergen, "GRO", 1);
        b.Wunsch(juergen, "KOE", SlotsProTag + 2)->SetKindKommtMit(true);
        b.Wunsch(b.Kind(QString::fromUtf8("Strauß"), QString::fromUtf8("Zoë")), "GRO", SlotsProTag);
        b.Wunsch(b.Kind(QString::fromUtf8("Strauß"), QString::fromUtf8("Zoë")), "KOE");
        b.p.AnmerkungAlleEltern = QString::fromUtf8("Kaffee im Foyer: 1,50 €");
        b.p.AnmerkungAlleLehrer = QStringLiteral("Listen liegen in \\\\server\\{VEL}");
        juergen->Eltern->Anmerkung = QString::fromUtf8("Bitte Zeugnis mitbringen.\r\nDanke schön!");
        b.p.ZaehleGespraeche();
        b.p.BelegungMarkieren();

        QTemporaryDir ordner;
        QStringList dateien;
        for (const bool eltern : {true, false}) {
            dateien << ordner.filePath(eltern ? "eltern.rtf" : "lehrer.rtf");
            QFile f(dateien.constLast());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(RtfErzeugen(b.p, eltern, TRtfFassung::Datei).Daten);
        }
        // A profile of its own, so that no other office instance or user setting is involved.
        QProcess p;
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert("HOME", ordner.path());
        p.setProcessEnvironment(umgebung);
        p.start(soffice, QStringList{"--headless", "--norestore",
                                     "-env:UserInstallation=file://" + ordner.filePath("profil"),
                                     "--convert-to", "txt:Text (encoded):UTF8", "--outdir", ordner.path()} +
                             dateien);
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitCode(), 0);
        const auto lesen = [&](const char* name) {
            QFile f(ordner.filePath(name));
            return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
        };
        const QString eltern = lesen("eltern.txt");
        const QString lehrer = lesen("lehrer.txt");
        const QStringList inEltern{QString::fromUtf8("Gespräche für Familie Bäcker"),
                                   QString::fromUtf8("Gespräche für Familie Strauß"),
                                   QString::fromUtf8("Kaffee im Foyer: 1,50 €"),
                                   QString::fromUtf8("Bitte Zeugnis mitbringen.\nDanke schön!"),
                                   QString::fromUtf8("\t14:10\tHerr Groß\tJürgen (7b)\tA12"),
                                   QString::fromUtf8("02.03.27\t14:00\tHerr Groß\tZoë\tB3"),
                                   QString::fromUtf8("\t14:20\tHerr König\t+ Jürgen (7b)\tAula Süd"),
                                   QString::fromUtf8("Herr König\tZoë")};
        for (const QString& teil : inEltern)
            QVERIFY2(eltern.contains(teil), qPrintable(teil + "\n---\n" + eltern));
        const QStringList inLehrer{QString::fromUtf8("Gespräche für Herrn Groß"),
                                   QStringLiteral("A12, B3"),
                                   QString::fromUtf8("Gespräche für Herrn König"),
                                   QString::fromUtf8("Aula Süd"),
                                   QStringLiteral("Listen liegen in \\\\server\\{VEL}"),
                                   QString::fromUtf8("\t14:10\tFamilie Bäcker\tJürgen (7b)"),
                                   QString::fromUtf8("02.03.27\t14:00\tFamilie Strauß\tZoë"),
                                   QString::fromUtf8("\t14:20\tFamilie Bäcker\t+ Jürgen (7b)"),
                                   QString::fromUtf8("\t\tFamilie Strauß\tZoë")};
        for (const QString& teil : inLehrer)
            QVERIFY2(lehrer.contains(teil), qPrintable(teil + "\n---\n" + lehrer));
    }
};

VEL_TEST(TstRtf)
#include "tst_Rtf.moc"
