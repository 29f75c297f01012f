#include "common/Codeleser.h"
#include "common/ProjektBauer.h"
#include "common/SkriptMeldung.h"
#include "common/TestHaupt.h"
#include "common/VelCli.h"
#include "model/Projektdatei.h"
#include "model/Schuldaten.h"
#include "output/Kalender.h"
#include "output/Pdflauf.h"
#include "output/Pdfliste.h"
#include "output/QrCode.h"
#include "output/Terminecode.h"
#include "settings/Codeoption.h"
#include "settings/UReg.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const TSchuldaten Schule{QStringLiteral("Gymnasium Am Wall"), QString::fromUtf8("Wallstraße 3"),
                         QStringLiteral("28195 Bremen"), QStringLiteral("0421 1234"), QString()};

// Families with conversations about their three children, each with eight teachers of long names, one
// conversation each slot from the first on, in a day of `slots` slots.
struct TLangeNamen {
    TProjektBauer b;
    TEltern* familie = nullptr;

    TLangeNamen(int gespraeche, int slots) {
        b.Rahmen(1, slots);
        familie = Familie(QString::fromUtf8("Schäfer-Özdemir"), gespraeche, QStringLiteral("L"));
    }
    TEltern* Familie(const QString& name, int gespraeche, const QString& kuerzel) {
        const QStringList kinder{QStringLiteral("Maximilian-Alexander"),
                                 QString::fromUtf8("Anna-Lena Sophie"), QString::fromUtf8("Jörg-Friedemann")};
        for (int i = 0; i < gespraeche; ++i) {
            const QString k = kuerzel + QString::number(i % 8);
            TLehrer* l = b.Lehrer(k, QString::fromUtf8("Müller-Lüdenscheidt%1").arg(k));
            l->Anrede = QStringLiteral("Frau");
            l->AkadTitel = QStringLiteral("Dr.");
            l->Zusatz = QStringLiteral("Annemarie-Sophie");
            l->Raum = QString::fromUtf8("Naturwissenschaften 2.1%1").arg(i % 8);
            b.Wunsch(b.Kind(name, kinder[i % 3], QStringLiteral("10b")), k, i);
        }
        b.p.ZaehleGespraeche();
        b.p.BelegungMarkieren();
        return b.Familie(name);
    }
    QByteArray Pdf(const TPerson& person, bool eltern, TTerminecodes* codes) {
        TListenZeilen zeilen;
        const TListenAuftrag auftrag{&person, eltern, false};
        ListeZusammenstellen(b.p, auftrag, zeilen);
        return ListeAlsPdf(b.p, Schule, auftrag, zeilen, codes);
    }
    QByteArray Kalender() { return KalenderText(b.p, *familie, true, TKalenderzeit::Utc); }
};

} // namespace

class TstTerminecode : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Level L in the smallest symbol, marked as UTF-8: its capacity in 8-bit mode ends at 2952 bytes in
    // version 40.
    void kodieren_data() {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("version"); // 0: no symbol
        QTest::newRow("leer") << 0 << 0;
        QTest::newRow("ein Byte") << 1 << 1;
        QTest::newRow("Version 9") << 200 << 9;
        QTest::newRow("Version 40 voll") << 2952 << 40;
        QTest::newRow("zu groß") << 2953 << 0;
    }
    void kodieren() {
        QFETCH(int, bytes);
        QFETCH(int, version);
        QByteArray daten(bytes, '\0');
        for (int i = 0; i < bytes; ++i)
            daten[i] = static_cast<char>(i * 37 % 256);
        const std::optional<TQrMatrix> m = QrKodieren(daten);
        QCOMPARE(m.has_value(), version > 0);
        if (!m) return;
        QCOMPARE(m->Version(), version);
        QCOMPARE(m->Seite(), 17 + 4 * version);
        // The finder pattern's corner is dark, the separator beside it light.
        QVERIFY(m->Dunkel(0, 0) && m->Dunkel(m->Seite() - 1, 0) && m->Dunkel(0, m->Seite() - 1));
        QVERIFY(!m->Dunkel(7, 0) && !m->Dunkel(m->Seite() - 8, 0));
    }

    // Every symbol with its quiet zone stays within about 5 cm, and no module is finer than three dots
    // of a 300 dpi printer.
    void modulgroesse() {
        for (int version = 1; version <= QrHoechsteVersion; ++version) {
            const int seite = 17 + 4 * version;
            const int punkte = Modulpunkte(seite);
            QVERIFY2(punkte >= 3 && punkte <= 6, qPrintable(QString::number(version)));
            QVERIFY2((seite + 2 * QrRuhezone) * punkte <= 600, qPrintable(QString::number(version)));
        }
    }

    // Eight conversations with long names, umlauts and rooms fit into a symbol the lists print.
    void achtGespraeche() {
        TLangeNamen f(8, 12);
        const QByteArray kalender = f.Kalender();
        QCOMPARE(kalender.count("BEGIN:VEVENT"), 8);
        const TTerminecode code = TerminecodeBilden(f.b.p, *f.familie);
        QVERIFY(!code.ZuGross);
        QVERIFY(code.Matrix.has_value());
        QVERIFY(code.Matrix->Version() <= QrHoechsteVersion);
        const int punkte = Modulpunkte(code.Matrix->Seite());
        qInfo("8 Gespräche: %lld Bytes, Version %d, Modul %d Punkte bei 300 dpi (%.3f mm), %.1f mm mit "
              "Ruhezone",
              static_cast<long long>(kalender.size()), code.Matrix->Version(), punkte, punkte * 25.4 / 300,
              (code.Matrix->Seite() + 2 * QrRuhezone) * punkte * 25.4 / 300);
    }

    // No appointment: no code and nothing to tell; many: no code, and the family is named for the message.
    void ohneTermineUndZuViele() {
        TLangeNamen leer(0, 4);
        const TTerminecode keiner = TerminecodeBilden(leer.b.p, *leer.familie);
        QVERIFY(!keiner.Matrix && !keiner.ZuGross);
        TLangeNamen viele(14, 16);
        const TTerminecode zuViele = TerminecodeBilden(viele.b.p, *viele.familie);
        QVERIFY(!zuViele.Matrix && zuViele.ZuGross);
    }

    // The code read back from the page at 300 dpi is the family's calendar; after a short list it stands
    // on the first page, after a list that fills the page on a page of its own.
    void entziffern_data() {
        QTest::addColumn<int>("gespraeche");
        QTest::addColumn<int>("slots");
        QTest::addColumn<int>("seite");
        QTest::newRow("ein Gespräch") << 1 << 6 << 1;
        QTest::newRow("acht Gespräche") << 8 << 24 << 1;
        QTest::newRow("fast größter Code") << 10 << 24 << 1;
        QTest::newRow("volle Seite") << 8 << 44 << 2;
    }
    void entziffern() {
        VEL_CODELESER_NOETIG();
        QFETCH(int, gespraeche);
        QFETCH(int, slots);
        QFETCH(int, seite);
        TLangeNamen f(gespraeche, slots);
        TTerminecodes codes(true);
        const QMap<int, QByteArray> gelesen =
            CodesLesen(f.Pdf(*f.familie, true, &codes), QString::fromUtf8(QTest::currentDataTag()));
        QCOMPARE(gelesen.keys(), QList<int>{seite});
        QCOMPARE(OhneStempel(gelesen.value(seite)), OhneStempel(f.Kalender()));
        QCOMPARE(codes.OhneCodeAnzahl(), 0);
    }

    // Only a family's list carries the code, and only when the run asks for it.
    void nurAufElternlisten_data() {
        QTest::addColumn<bool>("eltern");
        QTest::addColumn<bool>("drucken");
        QTest::addColumn<bool>("code");
        QTest::newRow("Eltern mit Code") << true << true << true;
        QTest::newRow("Eltern ohne Code") << true << false << false;
        QTest::newRow("Lehrer") << false << true << false;
    }
    void nurAufElternlisten() {
        VEL_CODELESER_NOETIG();
        QFETCH(bool, eltern);
        QFETCH(bool, drucken);
        QFETCH(bool, code);
        TLangeNamen f(3, 6);
        TTerminecodes codes(drucken);
        const TPerson& person = eltern ? static_cast<const TPerson&>(*f.familie) : *f.b.Lehrer("L0");
        QCOMPARE(CodesLesen(f.Pdf(person, eltern, &codes)).isEmpty(), !code);
        QCOMPARE(CodesLesen(f.Pdf(person, eltern, nullptr)).isEmpty(), true);
    }

    // A PDF run tells once how many families' lists went without their code; their lists are written
    // all the same, the others carry theirs. Off, or for teachers, nothing is told.
    void zuGrossImLauf_data() {
        QTest::addColumn<bool>("eltern");
        QTest::addColumn<bool>("drucken");
        QTest::addColumn<int>("zuGross");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("eine Familie") << true << true << 1
                                      << QString::fromUtf8("Die Termine einer Familie sind zu umfangreich "
                                                           "für einen QR-Code; ihre Liste hat keinen Code.");
        QTest::newRow("zwei Familien")
            << true << true << 2
            << QString::fromUtf8("Die Termine von 2 Familien sind zu umfangreich "
                                 "für einen QR-Code; ihre Listen haben keinen Code.");
        QTest::newRow("ohne Code") << true << false << 2 << QString();
        QTest::newRow("Lehrer") << false << true << 2 << QString();
    }
    void zuGrossImLauf() {
        QFETCH(bool, eltern);
        QFETCH(bool, drucken);
        QFETCH(int, zuGross);
        QFETCH(QString, meldung);
        TLangeNamen f(4, 16);
        const QStringList namen{QString::fromUtf8("Groß"), QStringLiteral("Riesig")};
        for (int n = 0; n < zuGross; ++n)
            f.Familie(namen[n], 14, namen[n].left(1));
        QTemporaryDir ordner;
        TPdfAuftrag a{f.b.p, Schule, eltern, ordner.filePath("VEL2027PDF"), {}, false, 2};
        a.Terminecodes = drucken;
        if (eltern)
            for (const auto& e : f.b.p.Elternliste)
                a.Listen.push_back({e.get(), e->Name});
        else
            for (const auto& l : f.b.p.Lehrerliste)
                a.Listen.push_back({l.get(), l->Kuerzel});
        TSkriptMeldung fragen;
        const TDateilaufErgebnis e = PdfLauf(a, fragen);
        QCOMPARE(e.Geschrieben, static_cast<int>(a.Listen.size()));
        QCOMPARE(fragen.Protokoll.size(), meldung.isEmpty() ? 0 : 1);
        if (!meldung.isEmpty()) {
            QCOMPARE(fragen.Protokoll.front().Text, meldung);
            QCOMPARE(fragen.Titel(), QStringList{QStringLiteral("QR-Code")});
        }
        if (!eltern || !drucken) return;
        VEL_CODELESER_NOETIG();
        const auto lesen = [&](const QString& name) {
            QFile datei(QDir(a.Zielordner).filePath(name + QStringLiteral(".pdf")));
            return datei.open(QIODevice::ReadOnly) ? CodesLesen(datei.readAll()) : QMap<int, QByteArray>();
        };
        QVERIFY(lesen(QString::fromUtf8("Groß")).isEmpty());
        QCOMPARE(OhneStempel(lesen(f.familie->Name).value(1)), OhneStempel(f.Kalender()));
    }

    // vel-cli follows the store of the user it runs for: the option set there puts the code on the lists.
    void kommandozeile() {
        VEL_CODELESER_NOETIG();
        TLangeNamen f(2, 6);
        QTemporaryDir ordner;
        const QString projekt = ordner.filePath("s.pdt");
        QString fehler;
        QVERIFY2(ProjektSpeichern(f.b.p, projekt, fehler), qPrintable(fehler));
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("XDG_CONFIG_HOME"), ordner.path());
        const auto liste = [&] {
            const TAufruf aufruf =
                VelCliAufrufen({"pdf", projekt, "--eltern", "-o", ordner.filePath("aus")}, umgebung);
            const QDir aus(ordner.filePath(QStringLiteral("aus/VEL2027PDF")));
            QFile datei(aus.filePath(aus.entryList({QStringLiteral("*.pdf")}).value(0)));
            return aufruf.Status == 0 && datei.open(QIODevice::ReadOnly)
                       ? CodesLesen(datei.readAll())
                       : QMap<int, QByteArray>{{0, "Fehler"}};
        };
        QCOMPARE(liste(), (QMap<int, QByteArray>{}));
        {
            TEinstellungsSpeicher speicher(ordner.filePath("Tarnwiek/VEL.ini"));
            TerminecodeSchreiben(speicher, true);
            speicher.Speichern();
        }
        const QMap<int, QByteArray> mitCode = liste();
        QCOMPARE(mitCode.keys(), QList<int>{1});
        QCOMPARE(OhneStempel(mitCode.value(1)), OhneStempel(f.Kalender()));
    }
};

VEL_TEST(TstTerminecode)
#include "tst_Terminecode.moc"
