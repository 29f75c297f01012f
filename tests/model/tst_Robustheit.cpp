#include "Lesehilfe.h"
#include "common/TestHaupt.h"
#include "model/Logo.h"

#include <QTest>
#include <random>

namespace {

QList<QByteArray> Vorlagen() {
    TProjektF mitLogo = Beispielprojekt(4);
    mitLogo.Optionen |= 0x800;
    mitLogo.LogoArt = LogoBitmap;
    mitLogo.LogoDaten = Logoblock(LogoBitmap, Logobild(LogoBitmap));
    TProjektF mitPng = Beispielprojekt(3);
    mitPng.Version = 4;
    mitPng.Optionen |= 0x800;
    mitPng.LogoArt = LogoPng;
    mitPng.LogoDaten = Logoblock(LogoPng, Logobild(LogoPng));
    return {Projektdatei(mitLogo), Projektdatei(mitPng), Projektdatei(Beispielprojekt(0)),
            Projektdatei(Beispielprojekt(1)), Projektdatei(Beispielprojekt(3))};
}

// Every file is read, rejected with the message or reported damaged. What is read is written as a
// file that reads again and is then written byte for byte the same. Empty when all holds.
QString Pruefen(const QByteArray& daten) {
    TProjekt p;
    TSkriptMeldung m;
    const TLeseErgebnis e = ProjektLesen(daten, p, m, {});
    if (e == TLeseErgebnis::KeinProjekt)
        return m.Protokoll.size() == 1 && m.Protokoll[0].Text == QString::fromUtf8(KeineProjektdateiText)
                   ? QString()
                   : QStringLiteral("abgelehnt ohne die Meldung");
    if (e == TLeseErgebnis::Lesefehler) return {};
    ProjektPruefen(p, m);
    QString fehler;
    const QByteArray erste = ProjektDaten(p, fehler);
    if (!fehler.isEmpty()) return fehler;
    TProjekt q;
    if (ProjektLesen(erste, q, m, {}) != TLeseErgebnis::Gelesen)
        return QStringLiteral("geschrieben, nicht lesbar");
    if (ProjektDaten(q, fehler) != erste) return QStringLiteral("zweites Schreiben weicht ab");
    return {};
}

} // namespace

class TstRobustheit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void jedeKuerzung() {
        int nr = 0;
        for (const QByteArray& voll : Vorlagen()) {
            ++nr;
            for (qsizetype n = 0; n <= voll.size(); ++n) {
                const QString fehler = Pruefen(voll.left(n));
                QVERIFY2(fehler.isEmpty(),
                         qPrintable(QStringLiteral("Vorlage %1, %2 Bytes: %3").arg(nr).arg(n).arg(fehler)));
            }
        }
    }

    void zufaelligeAenderungen() {
        std::mt19937 zufall(20270301);
        auto zahl = [&zufall](qsizetype n) { return qsizetype(zufall() % quint32(n)); };
        const QList<QByteArray> vorlagen = Vorlagen();
        for (int fall = 0; fall < 3000; ++fall) {
            QByteArray d = vorlagen[fall % vorlagen.size()];
            const int aenderungen = 1 + int(zahl(6));
            for (int i = 0; i < aenderungen; ++i) {
                const qsizetype pos = zahl(d.size());
                switch (zahl(4)) {
                case 0:
                    d[pos] = char(zahl(256));
                    break;
                case 1:
                    d[pos] = char(d[pos] ^ (1 << zahl(8)));
                    break;
                case 2: // a small or large count
                    d[pos] = zahl(2) ? '\xff' : '\x7f';
                    break;
                default:
                    d.remove(pos, 1 + zahl(4));
                }
            }
            const QString fehler = Pruefen(d);
            QVERIFY2(fehler.isEmpty(), qPrintable(QStringLiteral("Fall %1: %2").arg(fall).arg(fehler)));
        }
    }
};

VEL_TEST(TstRobustheit)
#include "tst_Robustheit.moc"
