#include "common/TestHaupt.h"
#include "settings/Schuldaten.h"
#include "settings/UReg.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList Felder(const TSchuldaten& d) {
    return {d.Name, d.Strasse, d.Ort, d.Telefon, d.Fax};
}

TSchuldaten AusFeldern(const QStringList& f) {
    return {f.value(0), f.value(1), f.value(2), f.value(3), f.value(4)};
}

// Letters of every script a school's name might hold, and one beyond 16 bits, repeated to a long text.
QString LangerText() {
    const QString stueck = QString::fromUtf8("Łódź Ğüşçö ß € 𝔄 ");
    QString text;
    while (text.size() < 100000)
        text += stueck;
    return text.trimmed();
}

} // namespace

class TstSchuldaten : public QObject {
    Q_OBJECT

    QTemporaryDir Ordner;

    QString Datei() const { return Ordner.filePath("VEL.ini"); }

private Q_SLOTS:
    void cleanup() { QFile::remove(Datei()); }

    // Written, saved and read by a store opened afresh on the file: the INI text must give back every
    // field as it was, whatever characters the INI syntax treats specially.
    void hinUndZurueck_data() {
        QTest::addColumn<bool>("schreiben");
        QTest::addColumn<QStringList>("felder");
        QTest::newRow("leerer Speicher") << false << QStringList{"", "", "", "", ""};
        QTest::newRow("leere Felder") << true << QStringList{"", "", "", "", ""};
        QTest::newRow("vollständig") << true
                                     << QStringList{"Gymnasium am Markt", "Marktplatz 3", "12345 Musterstadt",
                                                    "01234 56789-0", "01234 56789-99"};
        QTest::newRow("Umlaute, Polnisch, Türkisch")
            << true
            << QStringList{QString::fromUtf8("Städtische Gesamtschule Überruhr"),
                           QString::fromUtf8("Großstraße 5"), QString::fromUtf8("Łódź, Żółtą 7"),
                           QString::fromUtf8("İstanbul Çağrı"), QString::fromUtf8("Ğüşöç ıİ")};
        QTest::newRow("Zeichen der INI-Syntax")
            << true
            << QStringList{"Schule = Gymnasium; Abt. 1, Zweig 2", "[Schule]", "#Ort \"Zitat\" \\ Pfad",
                           "@Telefon % 100%", " ; = ,"};
        QTest::newRow("lang") << true << QStringList{LangerText(), "", "", "", ""};
    }
    void hinUndZurueck() {
        QFETCH(bool, schreiben);
        QFETCH(QStringList, felder);
        if (schreiben) {
            TEinstellungsSpeicher speicher(Datei());
            SchuldatenSchreiben(speicher, AusFeldern(felder));
            speicher.Speichern();
        }
        const TEinstellungsSpeicher neu(Datei());
        QCOMPARE(Felder(SchuldatenLesen(neu)), felder);
    }

    // The store's key and value names, for other installations and for the lists' head.
    void schluessel() {
        TEinstellungsSpeicher speicher(Datei());
        SchuldatenSchreiben(speicher, {"N", "S", "O", "T", "F"});
        const TSchluessel s = speicher.SchluesselLesen("Schule");
        QVERIFY(s.Offen());
        QStringList gelesen;
        for (const char* name : {"Name", "Strasse", "Ort", "Telefon", "Fax"})
            gelesen << s.TextLesen(QLatin1String(name), "?");
        QCOMPARE(gelesen, (QStringList{"N", "S", "O", "T", "F"}));
        QVERIFY(!speicher.SchluesselExistiert("Optionen"));
    }

    // The dialog's fields are single-line and each field is one line of a page head: a break pasted
    // into a field, or typed into the file by hand, becomes one blank inside and goes at either end.
    void zeilenumbrueche_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("gespeichert");
        QTest::newRow("CR LF") << "Marktplatz 3\r\n12345 Musterstadt"
                               << "Marktplatz 3 12345 Musterstadt";
        QTest::newRow("LF mit Blanks") << "Marktplatz 3 \n  \n 12345"
                                       << "Marktplatz 3 12345";
        QTest::newRow("am Anfang und Ende") << "\r\nGymnasium\n"
                                            << "Gymnasium";
        QTest::newRow("Tabulator") << "Tel.\t0123"
                                   << "Tel. 0123";
        QTest::newRow("Unicode-Zeilentrenner") << QString::fromUtf8("A\u2028B\u2029C\u0085D") << "A B C D";
        QTest::newRow("nur Umbrüche") << "\n\r\n"
                                      << "";
        QTest::newRow("Blanks ohne Umbruch bleiben") << "  A  B  "
                                                     << "  A  B  ";
        QTest::newRow("mit = und ;") << "Name=X;\nFax=sz:0"
                                     << "Name=X; Fax=sz:0";
    }
    void zeilenumbrueche() {
        QFETCH(QString, eingabe);
        QFETCH(QString, gespeichert);
        QCOMPARE(SchulfeldBereinigen(eingabe), gespeichert);

        TEinstellungsSpeicher speicher(Datei());
        SchuldatenSchreiben(speicher, {eingabe, {}, {}, {}, "0"});
        QCOMPARE(speicher.SchluesselLesen("Schule").TextLesen("Name", "?"), gespeichert);
        QCOMPARE(SchuldatenLesen(speicher).Fax, "0");

        speicher.SchluesselSchreiben("Schule").TextSchreiben("Ort", eingabe);
        speicher.Speichern();
        const TEinstellungsSpeicher neu(Datei());
        QCOMPARE(SchuldatenLesen(neu).Ort, gespeichert);
    }

    void kopfzeilen_data() {
        QTest::addColumn<QStringList>("felder");
        QTest::addColumn<bool>("mitName");
        QTest::addColumn<QStringList>("zeilen");
        const QStringList alle = {"Gymnasium am Markt", QString::fromUtf8("Marktstraße 3"),
                                  "12345 Musterstadt", "0123 456", "0123 457"};
        QTest::newRow("alles") << alle << true
                               << QStringList{"Gymnasium am Markt",
                                              QString::fromUtf8("Marktstraße 3, 12345 Musterstadt"),
                                              "Tel.: 0123 456", "Fax: 0123 457"};
        QTest::newRow("ohne Name") << alle << false
                                   << QStringList{QString::fromUtf8("Marktstraße 3, 12345 Musterstadt"),
                                                  "Tel.: 0123 456", "Fax: 0123 457"};
        QTest::newRow("ohne Fax") << QStringList{"G", "S 1", "O", "1", ""} << true
                                  << QStringList{"G", "S 1, O", "Tel.: 1"};
        QTest::newRow("Fax nur Blanks")
            << QStringList{"G", "S 1", "O", "1", "  "} << true << QStringList{"G", "S 1, O", "Tel.: 1"};
        QTest::newRow("nur Ort") << QStringList{"", "", "O", "", ""} << true << QStringList{"O"};
        QTest::newRow("nur Straße") << QStringList{"", "S 1", "", "", ""} << true << QStringList{"S 1"};
        QTest::newRow("nur Fax") << QStringList{"", "", "", "", "9"} << true << QStringList{"Fax: 9"};
        QTest::newRow("leer") << QStringList{"", "", "", "", ""} << true << QStringList{};
    }
    void kopfzeilen() {
        QFETCH(QStringList, felder);
        QFETCH(bool, mitName);
        QFETCH(QStringList, zeilen);
        QCOMPARE(SchulKopfzeilen(AusFeldern(felder), mitName), zeilen);
    }
};

VEL_TEST(TstSchuldaten)
#include "tst_Schuldaten.moc"
