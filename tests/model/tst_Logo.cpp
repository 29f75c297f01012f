#include "Lesehilfe.h"
#include "common/TestHaupt.h"
#include "model/Logo.h"
#include "model/VELMemStream.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TLogoFehler)

class TstLogo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void laden_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("art");
        QTest::newRow("png") << QStringLiteral("logo.png") << int(LogoPng);
        QTest::newRow("JPG groß geschrieben") << QStringLiteral("logo.JPG") << int(LogoJpeg);
        QTest::newRow("jpeg") << QStringLiteral("logo.jpeg") << int(LogoJpeg);
        QTest::newRow("bmp") << QStringLiteral("logo.bmp") << int(LogoBitmap);
        QTest::newRow("ico") << QStringLiteral("logo.ico") << int(LogoIcon);
        QTest::newRow("gif") << QStringLiteral("logo.gif") << int(LogoGif);
    }
    // The picture is kept as its file holds it and printed from now on, with the school's name beside it.
    void laden() {
        QFETCH(QString, name);
        QFETCH(int, art);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(name);
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray daten = Logobild(art);
        f.write(daten);
        f.close();
        TListenlayout l;
        l.SchulnameAusblenden = true;
        QCOMPARE(LogoLaden(l, pfad), TLogoFehler::Keiner);
        QCOMPARE(l.LogoArt, art);
        QCOMPARE(l.LogoQuelle, daten);
        QVERIFY(!l.Logo.isNull());
        QVERIFY(l.MitLogo);
        QCOMPARE(l.LogoDatei, pfad);
        QVERIFY(!l.SchulnameAusblenden);
    }

    void ladenAbgelehnt_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<TLogoFehler>("fehler");
        QTest::addColumn<QString>("meldung");
        const QByteArray emf =
            QByteArray("\x01\0\0\0", 4) + QByteArray(36, '\0') + " EMF" + QByteArray(8, '\0');
        QTest::newRow("unbekannte Endung") << QStringLiteral("logo.txt") << Logobild(LogoPng)
                                           << TLogoFehler::Art << QStringLiteral("keine Bilddatei");
        QTest::newRow("kein Bild") << QStringLiteral("logo.png") << QByteArray("kein Bild")
                                   << TLogoFehler::Bild << QString::fromUtf8("beschädigt");
        QTest::newRow("PNG halb") << QStringLiteral("logo.png") << Logobild(LogoPng).left(30)
                                  << TLogoFehler::Bild << QString::fromUtf8("beschädigt");
        QTest::newRow("JPEG als PNG benannt") << QStringLiteral("logo.png") << Logobild(LogoJpeg)
                                              << TLogoFehler::Bild << QString::fromUtf8("beschädigt");
        QTest::newRow("emf") << QStringLiteral("logo.emf") << emf << TLogoFehler::Metafile
                             << QStringLiteral("(EMF oder WMF)");
        QTest::newRow("wmf") << QStringLiteral("logo.wmf")
                             << QByteArray("\x01\x00\x09\x00", 4) + QByteArray(20, 0) << TLogoFehler::Metafile
                             << QStringLiteral("(EMF oder WMF)");
        QTest::newRow("fehlt") << QStringLiteral("fehlt.png") << QByteArray() << TLogoFehler::Lesen
                               << QStringLiteral("kann nicht gelesen werden");
    }
    // Whatever goes wrong, the logo there was stays whole, and the message says why.
    void ladenAbgelehnt() {
        QFETCH(QString, name);
        QFETCH(QByteArray, inhalt);
        QFETCH(TLogoFehler, fehler);
        QFETCH(QString, meldung);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(name);
        if (!inhalt.isEmpty()) {
            QFile f(pfad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(inhalt);
        }
        TListenlayout l;
        l.LogoArt = LogoGif;
        l.LogoQuelle = Logobild(LogoGif);
        l.Logo = QImage::fromData(l.LogoQuelle, "GIF");
        l.MitLogo = true;
        l.LogoDatei = QStringLiteral("/alt/logo.gif");
        l.SchulnameAusblenden = true;
        const TListenlayout vorher = l;
        QCOMPARE(LogoLaden(l, pfad), fehler);
        QCOMPARE(l.LogoArt, LogoGif);
        QCOMPARE(l.LogoQuelle, vorher.LogoQuelle);
        QCOMPARE(l.Logo, vorher.Logo);
        QVERIFY(l.MitLogo && l.SchulnameAusblenden);
        QCOMPARE(l.LogoDatei, vorher.LogoDatei);
        const QString text = LogoFehlertext(fehler, pfad);
        QVERIFY2(text.contains(meldung) && text.contains(QFileInfo(pfad).fileName()), qPrintable(text));
    }

    void verwerfen() {
        TListenlayout l;
        l.LogoArt = LogoPng;
        l.LogoQuelle = Logobild(LogoPng);
        l.Logo = QImage(2, 2, QImage::Format_RGB32);
        l.MitLogo = true;
        l.LogoDatei = QStringLiteral("/logo.png");
        l.SchulnameAusblenden = true;
        LogoVerwerfen(l);
        QVERIFY(!l.MitLogo && !l.SchulnameAusblenden && l.LogoDatei.isEmpty() && l.Logo.isNull());
        QCOMPARE(l.LogoArt, LogoKeins);
        QVERIFY(l.LogoQuelle.isEmpty());
    }

    // Only the PNG stream is stored, since a reader finds its end by the end chunk.
    void pngOhneAnhang() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(QStringLiteral("logo.png"));
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Logobild(LogoPng) + "Anhang");
        f.close();
        TListenlayout l;
        QCOMPARE(LogoLaden(l, pfad), TLogoFehler::Keiner);
        QCOMPARE(l.LogoQuelle, Logobild(LogoPng));
    }

    void selbstbegrenzt_data() {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<qsizetype>("png");
        QTest::addColumn<qsizetype>("bitmap");
        const QByteArray png = Logobild(LogoPng);
        const QByteArray bmp = Logobild(LogoBitmap);
        QTest::newRow("PNG mit Rest") << png + "xyz" << png.size() << qsizetype(-1);
        QTest::newRow("PNG abgeschnitten") << png.chopped(1) << qsizetype(-1) << qsizetype(-1);
        QByteArray riesig = png;
        riesig[8] = '\x7f'; // the first chunk claims 2 GB
        QTest::newRow("PNG-Block zu lang") << riesig << qsizetype(-1) << qsizetype(-1);
        QTest::newRow("BMP mit Rest") << bmp + "xyz" << qsizetype(-1) << bmp.size();
        QTest::newRow("BMP abgeschnitten") << bmp.chopped(1) << qsizetype(-1) << qsizetype(-1);
        QTest::newRow("leer") << QByteArray() << qsizetype(-1) << qsizetype(-1);
    }
    void selbstbegrenzt() {
        QFETCH(QByteArray, daten);
        QFETCH(qsizetype, png);
        QFETCH(qsizetype, bitmap);
        QCOMPARE(PngLaenge(daten), png);
        QCOMPARE(BitmapLaenge(daten), bitmap);
    }

    void logoblockUeberDasDateiende_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<QByteArray>("block");
        QTest::newRow("Bitmap") << int(LogoBitmap) << Logobild(LogoBitmap).chopped(3);
        QTest::newRow("PNG") << int(LogoPng) << Logobild(LogoPng).chopped(3);
        QTest::newRow("JPEG-Länge") << int(LogoJpeg) << Logoblock(LogoJpeg, Logobild(LogoJpeg)).chopped(3);
        QTest::newRow("negative Länge") << int(LogoGif) << QByteArray(8, '\xff') + Logobild(LogoGif);
    }
    void logoblockUeberDasDateiende() {
        QFETCH(int, art);
        QFETCH(QByteArray, block);
        TVELMemStream s;
        s.SchreibeInt32(art);
        s.SchreibeBytes(block);
        TVELMemStream leser(s.Inhalt());
        TListenlayout l;
        LogoLesen(leser, l);
        QVERIFY(!leser.LeseOK);
        QCOMPARE(l.LogoArt, LogoKeins);
    }

    void unbekannteArtOhneDaten() {
        TVELMemStream s;
        s.SchreibeInt32(9);
        s.SchreibeInt16(77);
        TVELMemStream leser(s.Inhalt());
        TListenlayout l;
        l.LogoArt = LogoPng;
        LogoLesen(leser, l);
        QVERIFY(leser.LeseOK);
        QCOMPARE(l.LogoArt, LogoKeins);
        QCOMPARE(leser.Int16(), 77);
    }

    // A picture that exists only in memory is stored as PNG.
    void bildOhneQuelleWirdPng() {
        TListenlayout l;
        l.Logo = QImage(4, 4, QImage::Format_ARGB32);
        l.Logo.fill(Qt::blue);
        TVELMemStream s;
        LogoSchreiben(s, l);
        TVELMemStream leser(s.Inhalt());
        TListenlayout gelesen;
        LogoLesen(leser, gelesen);
        QVERIFY(leser.LeseOK && leser.Rest() == 0);
        QCOMPARE(gelesen.LogoArt, LogoPng);
        QCOMPARE(gelesen.Logo.pixel(2, 2), QColor(Qt::blue).rgba());
    }
};

VEL_TEST(TstLogo)
#include "tst_Logo.moc"
