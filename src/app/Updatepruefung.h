#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// What the version script answered: the HTTP status (0 when no answer came) and the body.
struct TVersionsantwort {
    int Status = 0;
    QByteArray Inhalt;
};

// A version number of four 16-bit parts; parts a text leaves out are 0.
struct TVersion {
    uint16_t Major = 0;
    uint16_t Minor = 0;
    uint16_t Release = 0;
    uint16_t Build = 0;
};

// One to four numbers separated by "."; anything else is no version.
std::optional<TVersion> VersionLesen(const QString& text);

// Major and minor decide, release and build on a tie.
bool IstNeuer(const TVersion& a, const TVersion& b);

// The version text of the script's body: what follows "velver =", up to the next statement, without
// quotes; a body without that key is the version text itself.
QString VersionImText(const QString& inhalt);

// What the user is told about the answer, with the running program's version and the download page.
QString UpdateMeldung(const TVersionsantwort& antwort, const QString& eigeneVersion,
                      const QString& downloadseite);
