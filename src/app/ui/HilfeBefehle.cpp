#include "HilfeBefehle.h"

#include "VelInfo.h"
#include "model/Meldung.h"
#include "settings/Schuldaten.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

THilfeBefehle::THilfeBefehle(const TBefehlsumgebung& umgebung, const QString& programmordner, QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern)
    , Programmordner(programmordner) {}

void THilfeBefehle::Anschliessen(QAction* aktion, void (THilfeBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, TRegel::Immer);
}

void THilfeBefehle::DateiZeigen(const QString& datei, const QString& beschreibung) {
    if (!QFileInfo::exists(datei)) {
        U.Meldungen.Meldung(QStringLiteral("%1 %2 ist nicht installiert.").arg(beschreibung, datei),
                            QStringLiteral("Hinweis"), MeldungsArt::Information);
        return;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(datei))) return;
    U.Meldungen.Meldung(
        QStringLiteral("%1 %2 kann auf diesem Rechner nicht angezeigt werden.").arg(beschreibung, datei),
        QStringLiteral("Hinweis"), MeldungsArt::Information);
}

void THilfeBefehle::Inhalt1Click() {
    DateiZeigen(Programmordner + QStringLiteral("VEL_Hilfe.chm"), QStringLiteral("Die Hilfedatei"));
}

void THilfeBefehle::Index1Click() {
    // The viewer the desktop offers opens the file as a whole; its index is one click away there.
    Inhalt1Click();
}

void THilfeBefehle::NeuindieserVersion1Click() {
    DateiZeigen(Programmordner + QStringLiteral("version.htm"), QStringLiteral("Die Seite"));
}

void THilfeBefehle::Info1Click() {
    TVelInfo info(SchuldatenLesen(U.Speicher), U.Fenster);
    info.exec();
}
