#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "model/Cp1252.h"
#include "model/Datumstexte.h"
#include "model/Textgrenze.h"

#include <QTest>

namespace {
const QString Trenner = QChar(RaumTrenner);
}

class TstTexte : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void codepageAlleBytes() {
        QByteArray alle;
        for (int b = 0; b < 256; ++b)
            alle.append(char(b));
        const QString text = AusCp1252(alle);
        QCOMPARE(text.size(), 256);
        QCOMPARE(NachCp1252(text), alle);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0xFC), QChar(u'ü'));
    }

    void codepageUnbekannteZeichen() {
        QCOMPARE(NachCp1252(QString::fromUtf8("Łódź €")), QByteArray("?\xf3"
                                                                     "d? \x80"));
        QCOMPARE(NachCp1252(QString::fromUtf8("a😀b")), QByteArray("a?b"));
    }

    void speicherform_data() {
        QTest::addColumn<QString>("ein");
        QTest::addColumn<QString>("form");
        const auto zeile = [](const char* name, const char* ein, const char* form) {
            QTest::newRow(name) << QString::fromUtf8(ein) << QString::fromUtf8(form);
        };
        zeile("code page bleibt", "Weiß-Müller Œuvre € „x“ ?", "Weiß-Müller Œuvre € „x“ ?");
        zeile("polnisch", "Łukasz Śliwiński Źdźbło żółć", "Lukasz Sliwinski Zdzblo zólc");
        zeile("türkisch", "Yılmaz Ayşe Ğürsel İnce", "Yilmaz Ayse Gürsel Ince");
        zeile("weitere Grundbuchstaben", "Đorđe Dvořák Ħal", "Dorde Dvorák Hal");
        zeile("getrennter Akzent", "Rene\xcc\x81 s\xcc\xa8", "René s");
        zeile("Ligatur", "\xef\xac\x81", "fi");
        zeile("kein Buchstabe", "Weiß-Müller 😀", "Weiß-Müller ?");
        zeile("Schrift ohne Grundbuchstaben", "Иван 李", "???? ?");
    }
    void speicherform() {
        QFETCH(QString, ein);
        QFETCH(QString, form);
        QCOMPARE(Speicherform(ein), form);
        // The stored form is what a save and a reload give back.
        QCOMPARE(AusCp1252(NachCp1252(form)), form);
    }

    // Messages quote a text by its beginning, on one line; a character outside the code page counts
    // once, as it is stored.
    void textanfang_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("anfang");
        QTest::addColumn<qsizetype>("laenge");
        QTest::newRow("kurz") << QString::fromUtf8("Öztürk") << QString::fromUtf8("Öztürk") << qsizetype(6);
        QTest::newRow("genau passend") << QString(50, u'a') << QString(50, u'a') << qsizetype(50);
        QTest::newRow("riesig") << QString(2'000'000, u'W') << QString(50, u'W') + u'…'
                                << qsizetype(2'000'000);
        QTest::newRow("Zeilenumbrüche")
            << QStringLiteral("Müller\r\nAnna\tB") << QStringLiteral("Müller  Anna B") << qsizetype(14);
        QTest::newRow("Zeichenpaar an der Grenze")
            << QString(49, u'x') + QString::fromUtf8("😀😀") << QString(49, u'x') + u'…' << qsizetype(51);
    }
    void textanfang() {
        QFETCH(QString, text);
        QFETCH(QString, anfang);
        QFETCH(qsizetype, laenge);
        QCOMPARE(Textanfang(text), anfang);
        QCOMPARE(Speicherlaenge(text), laenge);
        QCOMPARE(Speicherlaenge(text), NachCp1252(text).size());
    }

    void textHelfer_data() {
        QTest::addColumn<QString>("ein");
        QTest::addColumn<QString>("getrimmt");
        QTest::addColumn<QString>("ohne");
        QTest::addColumn<QString>("datei");
        QTest::newRow("leer") << ""
                              << ""
                              << ""
                              << "";
        QTest::newRow("blanks") << "  von   der Au "
                                << "von der Au"
                                << "vonderAu"
                                << "  von   der Au ";
        QTest::newRow("sonderzeichen") << "a\"b/c\\d*e?f:g<h>i|j"
                                       << "a\"b/c\\d*e?f:g<h>i|j"
                                       << "a\"b/c\\d*e?f:g<h>i|j"
                                       << "a_b_c_d_e_f_g_h_i_j";
        QTest::newRow("tab bleibt") << "a\tb"
                                    << "a\tb"
                                    << "a\tb"
                                    << "a\tb";
    }
    void textHelfer() {
        QFETCH(QString, ein);
        QFETCH(QString, getrimmt);
        QFETCH(QString, ohne);
        QFETCH(QString, datei);
        QCOMPARE(Trimmen(ein), getrimmt);
        QCOMPARE(OhneLeerzeichen(ein), ohne);
        QCOMPARE(Dateiname(ein), datei);
    }

    void namen() {
        TProjektBauer b;
        TLehrer* l = b.p.NeuerLehrer("Herr", "WE", "Weber", "von", "Dr.");
        QCOMPARE(l->VollName(), "von Weber");
        QCOMPARE(l->Anschrift(true), "Herrn Dr. von Weber");
        QCOMPARE(l->Anschrift(false), "Herr Dr. von Weber");
        TEltern* e = b.p.NeueFamilie("", "Schulz");
        QCOMPARE(e->Anschrift(true), "Schulz");
        e->Anrede = "Frau";
        QCOMPARE(e->Anschrift(true), "Frau Schulz");

        TKind* k = b.p.NeuesKind(e, "Tim", "");
        QCOMPARE(k->KindMitKlasse(), "Tim");
        k->Klasse = "5a";
        k->Nachname = "Berg";
        QCOMPARE(k->KindName(), "Tim Berg");
        QCOMPARE(k->KindMitKlasse(), "Tim (5a)");
        QCOMPARE(k->KindNameMitKlasse(), "Tim Berg (5a)");
    }

    void terminText() {
        TProjektBauer b;
        b.Rahmen(2, 10);
        QCOMPARE(b.p.TerminText(-1), "nicht terminiert");
        QCOMPARE(b.p.TerminText(-2), "nicht terminiert");
        QCOMPARE(b.p.TerminText(3), "01.03.27, 14:30");
        QCOMPARE(b.p.TerminText(50), "02.03.27, 14:20");
    }

    void raumSetzen_data() {
        QTest::addColumn<bool>("zweiTage");
        QTest::addColumn<QString>("alt");
        QTest::addColumn<QString>("raum");
        QTest::addColumn<bool>("tag1");
        QTest::addColumn<QString>("neu");
        QTest::newRow("ein Tag") << false << "A"
                                 << "B" << false << "B";
        QTest::newRow("gleich bleibt einer") << true << "A"
                                             << "A" << false << "A";
        QTest::newRow("zweiter Tag anders") << true << "A"
                                            << "B" << false << "A" + Trenner + "B";
        QTest::newRow("erster Tag anders") << true << "A"
                                           << "B" << true << "B" + Trenner + "A";
        QTest::newRow("wieder gleich") << true << "A" + Trenner + "B"
                                       << "B" << true << "B";
        QTest::newRow("leer am zweiten") << true << "A"
                                         << "" << false << "A" + Trenner;
    }
    void raumSetzen() {
        QFETCH(bool, zweiTage);
        QFETCH(QString, alt);
        QFETCH(QString, raum);
        QFETCH(bool, tag1);
        QFETCH(QString, neu);
        TProjekt p;
        p.ZweiTage = zweiTage;
        QCOMPARE(p.RaumSetzen(alt, raum, tag1), neu);
    }

    // The shown form and the room of each day of one stored room value.
    void raumTexte_data() {
        QTest::addColumn<QString>("raum");
        QTest::addColumn<QString>("anzeige");
        QTest::addColumn<QString>("tag1");
        QTest::addColumn<QString>("tag2");
        QTest::newRow("ein Raum") << "A"
                                  << "A"
                                  << "A"
                                  << "A";
        QTest::newRow("zwei Räume") << "A" + Trenner + "B"
                                    << "A, B"
                                    << "A"
                                    << "B";
        QTest::newRow("am 1. Tag keiner") << Trenner + "B3"
                                          << ", B3"
                                          << ""
                                          << "B3";
        QTest::newRow("am 2. Tag keiner") << "A" + Trenner << "A, "
                                          << "A"
                                          << "";
        QTest::newRow("leer") << ""
                              << ""
                              << ""
                              << "";
    }
    void raumTexte() {
        QFETCH(QString, raum);
        QFETCH(QString, anzeige);
        QFETCH(QString, tag1);
        QFETCH(QString, tag2);
        QCOMPARE(RaumAnzeige(raum), anzeige);
        QCOMPARE(RaumAmTag(raum, 0), tag1);
        QCOMPARE(RaumAmTag(raum, 1), tag2);
    }

    void datumstexte() {
        const QDate d(2026, 12, 10);
        QCOMPARE(DatumKurz(d), "10.12.26");
        QCOMPARE(DatumTagMonat(d), "10.12.");
        QCOMPARE(DatumLang(d), "Donnerstag, 10. Dezember 2026");
        QCOMPARE(DatumLang(QDate(2027, 3, 1)), QString::fromUtf8("Montag, 1. März 2027"));
        QCOMPARE(UhrzeitText(8 * 60 + 5), "08:05");
        QCOMPARE(WertAusDatum(QDate(1899, 12, 30)), 0.0);
        QCOMPARE(WertAusDatum(QDate(2027, 3, 1)), 46447.0);
        QCOMPARE(DatumAusWert(46447.75), QDate(2027, 3, 1));
    }
};

VEL_TEST(TstTexte)
#include "tst_Texte.moc"
