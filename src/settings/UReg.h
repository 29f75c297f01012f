#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>

class QSettings;

// One key of the settings store, opened for reading or writing. Value names are found without
// regard to case; a value of another type than asked for counts as missing.
class TSchluessel {
public:
    bool Offen() const { return Gruppe.size() > 0; }

    QString TextLesen(const QString& name, const QString& vorgabe) const;
    uint32_t ZahlLesen(const QString& name, uint32_t vorgabe) const;
    bool SchalterLesen(const QString& name, bool vorgabe) const;
    // Fills the buffer only when a binary value of exactly that length exists.
    bool BinaerLesen(const QString& name, void* puffer, int laenge) const;

    void TextSchreiben(const QString& name, const QString& wert);
    void ZahlSchreiben(const QString& name, uint32_t wert);
    void SchalterSchreiben(const QString& name, bool wert);
    void BinaerSchreiben(const QString& name, const void* daten, int laenge);
    void WertLoeschen(const QString& name);

private:
    friend class TEinstellungsSpeicher;
    TSchluessel(QSettings* speicher, const QString& gruppe)
        : Speicher(speicher)
        , Gruppe(gruppe) {}
    QString Gespeichert(const QString& name) const; // the stored spelling of a value name
    QString Roh(const QString& name, const QString& typ) const;
    void RohSchreiben(const QString& name, const QString& wert);

    QSettings* Speicher = nullptr;
    QString Gruppe;
};

// The per-user settings store: an INI file with one group per key path below "Software\Tarnwiek\VEL".
// Values carry their type in the text ("dword:", "sz:", "hex:"), so that type and size can be checked.
class TEinstellungsSpeicher {
public:
    // The user's configuration folder, or the given file (tests).
    explicit TEinstellungsSpeicher(const QString& datei = StandardDatei());
    ~TEinstellungsSpeicher();

    static QString StandardDatei();

    bool SchluesselExistiert(const QString& schluessel) const;
    // A key name such as "Optionen"; reading a key that does not exist gives a closed key.
    TSchluessel SchluesselLesen(const QString& schluessel) const;
    TSchluessel SchluesselSchreiben(const QString& schluessel);
    void Speichern();

private:
    std::unique_ptr<QSettings> Speicher;
};
