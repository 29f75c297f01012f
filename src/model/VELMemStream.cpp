#include "VELMemStream.h"

#include "Cp1252.h"
#include "Textgrenze.h"
#include "TypFunc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <limits>

namespace {

template <class T> T Lesen(const char* p) {
    return qFromLittleEndian<T>(p);
}

// The names are quoted by their beginning: the text that is too long may be one of them.
QString DatensatzText(const TLoadSaveObject* d) {
    if (const auto* e = dynamic_cast<const TEltern*>(d))
        return QStringLiteral(" bei %1 (Nr. %2)").arg(Textanfang(e->Anschrift(false))).arg(e->Nummer);
    if (const auto* l = dynamic_cast<const TLehrer*>(d))
        return QStringLiteral(" bei %1 (%2)").arg(Textanfang(l->Anschrift(false)), Textanfang(l->Kuerzel));
    if (const auto* k = dynamic_cast<const TKind*>(d))
        return k->Eltern ? QStringLiteral(" beim Kind %1 der %2")
                               .arg(Textanfang(k->Vorname), Textanfang(k->Eltern->Anschrift(false)))
                         : QStringLiteral(" beim Kind %1").arg(Textanfang(k->Vorname));
    if (const auto* g = dynamic_cast<const TGespraech*>(d))
        return QStringLiteral(" beim Gespräch Nr. %1").arg(g->Nummer);
    return {};
}

} // namespace

bool TVELMemStream::Vorhanden(qsizetype n) {
    if (LeseOK && n >= 0 && n <= Rest()) return true;
    LeseOK = false;
    return false;
}

uint8_t TVELMemStream::Byte() {
    if (!Vorhanden(1)) return 0;
    return static_cast<uint8_t>(Daten.constData()[Pos++]);
}

int16_t TVELMemStream::Int16() {
    if (!Vorhanden(2)) return 0;
    const auto wert = Lesen<int16_t>(Daten.constData() + Pos);
    Pos += 2;
    return wert;
}

int32_t TVELMemStream::Int32() {
    if (!Vorhanden(4)) return 0;
    const auto wert = Lesen<int32_t>(Daten.constData() + Pos);
    Pos += 4;
    return wert;
}

int64_t TVELMemStream::Int64() {
    if (!Vorhanden(8)) return 0;
    const auto wert = Lesen<int64_t>(Daten.constData() + Pos);
    Pos += 8;
    return wert;
}

double TVELMemStream::Double() {
    const auto bits = static_cast<uint64_t>(Int64());
    double wert;
    std::memcpy(&wert, &bits, sizeof wert);
    return wert;
}

QString TVELMemStream::Text() {
    const uint16_t n = UInt16();
    // A count that runs past the end leaves the position after the count.
    if (n == 0 || !Vorhanden(n)) return {};
    const QString text = AusCp1252(Daten.constData() + Pos, n);
    Pos += n;
    return text;
}

QByteArray TVELMemStream::KurzText() {
    const uint8_t n = Byte();
    return Bytes(n);
}

QByteArray TVELMemStream::Bytes(qsizetype anzahl) {
    if (!Vorhanden(anzahl)) return {};
    const QByteArray bytes = Daten.mid(Pos, anzahl);
    Pos += anzahl;
    return bytes;
}

void TVELMemStream::Ueberspringen(qsizetype anzahl) {
    if (Vorhanden(anzahl)) Pos += anzahl;
}

void TVELMemStream::Zeiten(TZeiten& zeiten) {
    if (!Vorhanden(2 * SlotAnzahl)) return;
    const char* p = Daten.constData() + Pos;
    for (int s = 0; s < SlotAnzahl; ++s)
        zeiten[s] = Lesen<int16_t>(p + 2 * s);
    Pos += 2 * SlotAnzahl;
}

void TVELMemStream::SchreibeByte(uint8_t wert) {
    Daten.append(static_cast<char>(wert));
}

void TVELMemStream::SchreibeInt16(int16_t wert) {
    char puffer[2];
    qToLittleEndian(wert, puffer);
    Daten.append(puffer, 2);
}

void TVELMemStream::SchreibeInt32(int32_t wert) {
    char puffer[4];
    qToLittleEndian(wert, puffer);
    Daten.append(puffer, 4);
}

void TVELMemStream::SchreibeInt64(int64_t wert) {
    char puffer[8];
    qToLittleEndian(wert, puffer);
    Daten.append(puffer, 8);
}

void TVELMemStream::SchreibeDouble(double wert) {
    uint64_t bits;
    std::memcpy(&bits, &wert, sizeof bits);
    SchreibeInt64(static_cast<int64_t>(bits));
}

void TVELMemStream::Fehler(const QString& text) {
    if (Schreibfehler.isEmpty()) Schreibfehler = text;
}

void TVELMemStream::SchreibeText(const QString& text, const char* feld) {
    const QByteArray bytes = NachCp1252(text);
    if (bytes.size() > MaxTextLaenge) {
        // Cutting would lose what the user wrote without telling; the file is not written instead.
        Fehler(QStringLiteral("Der Text „%1“%2 ist mit %3 Zeichen zu lang; gespeichert werden können "
                              "höchstens %4 Zeichen. Er beginnt mit „%5“.\r\nKürzen Sie den Text und "
                              "speichern Sie erneut.")
                   .arg(QString::fromUtf8(feld), DatensatzText(Datensatz))
                   .arg(bytes.size())
                   .arg(MaxTextLaenge)
                   .arg(Textanfang(text)));
        SchreibeUInt16(0);
        return;
    }
    SchreibeUInt16(static_cast<uint16_t>(bytes.size()));
    Daten.append(bytes);
}

void TVELMemStream::SchreibeKurzText(const QByteArray& text) {
    SchreibeByte(static_cast<uint8_t>(text.size()));
    Daten.append(text);
}

void TVELMemStream::SchreibeZeiten(const TZeiten& zeiten) {
    char puffer[2 * SlotAnzahl];
    for (int s = 0; s < SlotAnzahl; ++s)
        qToLittleEndian(zeiten[s], puffer + 2 * s);
    Daten.append(puffer, sizeof puffer);
}

void TVELMemStream::SchreibeAnzahl(qsizetype anzahl, const char* liste) {
    constexpr qsizetype MaxAnzahl = std::numeric_limits<int16_t>::max();
    if (anzahl > MaxAnzahl)
        Fehler(QStringLiteral("Die Liste „%1“%2 hat %3 Einträge; gespeichert werden können höchstens %4.")
                   .arg(QString::fromUtf8(liste), DatensatzText(Datensatz))
                   .arg(anzahl)
                   .arg(MaxAnzahl));
    SchreibeInt16(static_cast<int16_t>(anzahl));
}

namespace {

// The system's error texts are English on most machines; the reason is told in German from what the
// file system shows.
QString LeseGrund(const QString& pfad) {
    const QFileInfo datei(pfad);
    if (!datei.exists()) return QStringLiteral("Die Datei existiert nicht.");
    if (datei.isDir()) return QStringLiteral("Das ist ein Ordner, keine Datei.");
    if (!datei.isReadable()) return QStringLiteral("Sie haben keine Berechtigung, die Datei zu lesen.");
    return QStringLiteral("Der Datenträger meldet einen Fehler.");
}

QString SchreibGrund(const QString& pfad, QFileDevice::FileError fehler) {
    const QFileInfo datei(pfad);
    const QFileInfo ordner(datei.absolutePath());
    if (!ordner.isDir()) return QStringLiteral("Der Ordner existiert nicht.");
    if (datei.isDir()) return QStringLiteral("Unter diesem Namen gibt es bereits einen Ordner.");
    if (!ordner.isWritable())
        return QStringLiteral("Sie haben keine Berechtigung, in diesem Ordner zu schreiben.");
    if (datei.exists() && !datei.isWritable()) return QStringLiteral("Die Datei ist schreibgeschützt.");
    if (fehler == QFileDevice::WriteError || fehler == QFileDevice::ResourceError)
        return QStringLiteral("Der Datenträger ist voll oder nicht beschreibbar.");
    return QStringLiteral("Der Datenträger meldet einen Fehler.");
}

} // namespace

bool DateiLesen(const QString& pfad, QByteArray& daten, QString& fehler) {
    QFile f(pfad);
    if (f.open(QIODevice::ReadOnly)) {
        daten = f.readAll();
        if (f.error() == QFileDevice::NoError) return true;
    }
    fehler = QStringLiteral("Die Datei „%1“ konnte nicht gelesen werden:\r\n%2")
                 .arg(QDir::toNativeSeparators(pfad), LeseGrund(pfad));
    return false;
}

bool DateiSchreiben(const QString& pfad, const QByteArray& daten, QString& fehler) {
    QSaveFile f(pfad);
    if (f.open(QIODevice::WriteOnly) && f.write(daten) == daten.size() && f.commit()) return true;
    fehler = QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden:\r\n%2")
                 .arg(QDir::toNativeSeparators(pfad), SchreibGrund(pfad, f.error()));
    return false;
}

bool KurzTextKleiner(QByteArrayView a, QByteArrayView b) {
    const qsizetype n = std::min(a.size(), b.size());
    const int r = n ? std::memcmp(a.data(), b.data(), size_t(n)) : 0;
    return r != 0 ? r < 0 : a.size() < b.size();
}
