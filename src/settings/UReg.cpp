#include "UReg.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <cstring>

namespace {

const QString Wurzel = QStringLiteral("Software/Tarnwiek/VEL/");
const QString TypZahl = QStringLiteral("dword:");
const QString TypText = QStringLiteral("sz:");
const QString TypBinaer = QStringLiteral("hex:");

} // namespace

QString TSchluessel::Gespeichert(const QString& name) const {
    if (!Offen()) return {};
    Speicher->beginGroup(Gruppe);
    const QStringList namen = Speicher->childKeys();
    Speicher->endGroup();
    for (const QString& n : namen)
        if (n.compare(name, Qt::CaseInsensitive) == 0) return n;
    return {};
}

QString TSchluessel::Roh(const QString& name, const QString& typ) const {
    const QString gespeichert = Gespeichert(name);
    if (gespeichert.isEmpty()) return {};
    const QString wert = Speicher->value(Gruppe + u'/' + gespeichert).toString();
    return wert.startsWith(typ) ? wert : QString();
}

QString TSchluessel::TextLesen(const QString& name, const QString& vorgabe) const {
    const QString roh = Roh(name, TypText);
    return roh.isEmpty() ? vorgabe : roh.mid(TypText.size());
}

uint32_t TSchluessel::ZahlLesen(const QString& name, uint32_t vorgabe) const {
    const QString roh = Roh(name, TypZahl);
    bool ok = false;
    const uint32_t wert = roh.mid(TypZahl.size()).toUInt(&ok, 16);
    return ok ? wert : vorgabe;
}

bool TSchluessel::SchalterLesen(const QString& name, bool vorgabe) const {
    return (ZahlLesen(name, vorgabe ? 1 : 0) & 0xFF) != 0;
}

bool TSchluessel::BinaerLesen(const QString& name, void* puffer, int laenge) const {
    const QString roh = Roh(name, TypBinaer);
    if (roh.isEmpty()) return false;
    const QByteArray daten = QByteArray::fromHex(roh.mid(TypBinaer.size()).toLatin1());
    if (daten.size() != laenge) return false;
    std::memcpy(puffer, daten.constData(), static_cast<size_t>(laenge));
    return true;
}

void TSchluessel::RohSchreiben(const QString& name, const QString& wert) {
    if (!Offen()) return;
    WertLoeschen(name);
    Speicher->setValue(Gruppe + u'/' + name, wert);
}

void TSchluessel::TextSchreiben(const QString& name, const QString& wert) {
    RohSchreiben(name, TypText + wert);
}

void TSchluessel::ZahlSchreiben(const QString& name, uint32_t wert) {
    RohSchreiben(name, TypZahl + QStringLiteral("%1").arg(wert, 8, 16, QLatin1Char('0')));
}

void TSchluessel::SchalterSchreiben(const QString& name, bool wert) {
    ZahlSchreiben(name, wert ? 1 : 0);
}

void TSchluessel::BinaerSchreiben(const QString& name, const void* daten, int laenge) {
    const QByteArray bytes(static_cast<const char*>(daten), laenge);
    RohSchreiben(name, TypBinaer + QString::fromLatin1(bytes.toHex()));
}

void TSchluessel::WertLoeschen(const QString& name) {
    const QString gespeichert = Gespeichert(name);
    if (!gespeichert.isEmpty()) Speicher->remove(Gruppe + u'/' + gespeichert);
}

TEinstellungsSpeicher::TEinstellungsSpeicher(const QString& datei)
    : Speicher(std::make_unique<QSettings>(datei, QSettings::IniFormat)) {}

TEinstellungsSpeicher::~TEinstellungsSpeicher() = default;

QString TEinstellungsSpeicher::StandardDatei() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Tarnwiek/VEL.ini"));
}

bool TEinstellungsSpeicher::SchluesselExistiert(const QString& schluessel) const {
    Speicher->beginGroup(Wurzel + schluessel);
    const bool da = !Speicher->childKeys().isEmpty();
    Speicher->endGroup();
    return da;
}

TSchluessel TEinstellungsSpeicher::SchluesselLesen(const QString& schluessel) const {
    return TSchluessel(Speicher.get(), SchluesselExistiert(schluessel) ? Wurzel + schluessel : QString());
}

TSchluessel TEinstellungsSpeicher::SchluesselSchreiben(const QString& schluessel) {
    return TSchluessel(Speicher.get(), Wurzel + schluessel);
}

void TEinstellungsSpeicher::Speichern() {
    Speicher->sync();
}
