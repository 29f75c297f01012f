#pragma once

#include "Zeiten.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

class TLoadSaveObject;

// The bytes of one project or teacher file in memory. Reading checks every length against what
// remains: a read past the end yields 0 or an empty value, stays where it is and clears LeseOK.
// Writing appends; a text that the format cannot hold is remembered in Schreibfehler.
class TVELMemStream {
public:
    TVELMemStream() = default;
    explicit TVELMemStream(QByteArray daten)
        : Daten(std::move(daten)) {}

    const QByteArray& Inhalt() const { return Daten; }
    qsizetype Rest() const { return Daten.size() - Pos; }
    bool LeseOK = true;

    uint8_t Byte();
    int16_t Int16();
    uint16_t UInt16() { return static_cast<uint16_t>(Int16()); }
    int32_t Int32();
    int64_t Int64();
    double Double();
    // A long string: uint16 byte count, then the bytes in code page 1252.
    QString Text();
    // A short string (uint8 byte count), kept as bytes: the magic at the start of a file.
    QByteArray KurzText();
    QByteArray Bytes(qsizetype anzahl);
    void Ueberspringen(qsizetype anzahl);
    void Zeiten(TZeiten& zeiten);
    // The bytes not read yet, for data that delimits itself.
    QByteArrayView Restdaten() const { return QByteArrayView(Daten).sliced(Pos); }

    // Names the record whose fields follow, for the message about a text that is too long.
    const TLoadSaveObject* Datensatz = nullptr;
    QString Schreibfehler; // the first value that could not be stored; empty while all is well

    void Reservieren(qsizetype groesse) { Daten.reserve(groesse); }
    void SchreibeByte(uint8_t wert);
    void SchreibeInt16(int16_t wert);
    void SchreibeUInt16(uint16_t wert) { SchreibeInt16(static_cast<int16_t>(wert)); }
    void SchreibeInt32(int32_t wert);
    void SchreibeInt64(int64_t wert);
    void SchreibeDouble(double wert);
    // feld names the value in the message when the text is longer than the format allows.
    void SchreibeText(const QString& text, const char* feld);
    void SchreibeKurzText(const QByteArray& text);
    void SchreibeBytes(const QByteArray& bytes) { Daten.append(bytes); }
    void SchreibeZeiten(const TZeiten& zeiten);
    // Counts of the lists are int16 in the files.
    void SchreibeAnzahl(qsizetype anzahl, const char* liste);

private:
    // True when n more bytes can be read; otherwise clears LeseOK. After a failure nothing more is read.
    bool Vorhanden(qsizetype n);
    void Fehler(const QString& text);

    QByteArray Daten;
    qsizetype Pos = 0;
};

// A file is read whole before parsing and written in one piece, so that a failed save leaves the
// previous file as it was. On failure fehler holds a German message.
bool DateiLesen(const QString& pfad, QByteArray& daten, QString& fehler);
bool DateiSchreiben(const QString& pfad, const QByteArray& daten, QString& fehler);

// Short strings compare bytewise up to the shorter length, then by length.
bool KurzTextKleiner(QByteArrayView a, QByteArrayView b);
