#include "Lesehilfe.h"
#include "common/TestHaupt.h"
#include "model/Logo.h"
#include "model/VELMemStream.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstLogo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void laden_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("art");
        QTest::addColumn<bool>("bild");
        QTest::newRow("png") << QStringLiteral("logo.png") << int(LogoPng) << true;
        QTest::newRow("JPG groß geschrieben") << QStringLiteral("logo.JPG") << int(LogoJpeg) << true;
        QTest::newRow("jpeg") << QStringLiteral("logo.jpeg") << int(LogoJpeg) << true;
        QTest::newRow("bmp") << QStringLiteral("logo.bmp") << int(LogoBitmap) << true;
        QTest::newRow("ico") << QStringLiteral("logo.ico") << int(LogoIcon) << true;
        QTest::newRow("gif") << QStringLiteral("logo.gif") << int(LogoGif) << true;
        QTest::newRow("wmf") << QStringLiteral("logo.wmf") << int(LogoMetafile) << false;
        QTest::newRow("emf") << QStringLiteral("logo.emf") << int(LogoMetafile) << false;
    }
    // The picture is kept as its file holds it; metafiles only as bytes.
    void laden() {
        QFETCH(QString, name);
        QFETCH(int, art);
        QFETCH(bool, bild);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(name);
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray daten = name.endsWith(u"emf") ? QByteArray("\x01\0\0\0", 4) + QByteArray(36, '\0') +
                                                             " EMF" + QByteArray(8, '\0')
                                                       : Logobild(art);
        f.write(daten);
        f.close();
        TListenlayout l;
        QVERIFY(LogoLaden(l, pfad));
        QCOMPARE(l.LogoArt, art);
        QCOMPARE(l.LogoQuelle, daten);
        QCOMPARE(!l.Logo.isNull(), bild);
    }

    void ladenAbgelehnt_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("unbekannte Endung") << QStringLiteral("logo.txt") << Logobild(LogoPng);
        QTest::newRow("kein Bild") << QStringLiteral("logo.png") << QByteArray("kein Bild");
        QTest::newRow("kein Metafile") << QStringLiteral("logo.wmf") << QByteArray(100, 'x');
        QTest::newRow("fehlt") << QStringLiteral("fehlt.png") << QByteArray();
    }
    void ladenAbgelehnt() {
        QFETCH(QString, name);
        QFETCH(QByteArray, inhalt);
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
        QVERIFY(!LogoLaden(l, pfad));
        QCOMPARE(l.LogoArt, LogoGif);
        QCOMPARE(l.LogoQuelle, Logobild(LogoGif));
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
        QVERIFY(LogoLaden(l, pfad));
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
