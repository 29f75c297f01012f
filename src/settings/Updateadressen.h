#pragma once

#include <QString>

class TEinstellungsSpeicher;

// Where the update check asks for the current version and where it sends the user to download it:
// the values "Versionsskript" and "Downloadseite" of the key "Update", the publisher's pages when absent.
struct TUpdateAdressen {
    QString Versionsskript;
    QString Downloadseite;
};

// An address without a scheme is reached by HTTPS.
TUpdateAdressen UpdateAdressenLesen(const TEinstellungsSpeicher& speicher);
