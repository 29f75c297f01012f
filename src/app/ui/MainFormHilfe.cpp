// The help menu: help file, the page of news and the info window.
#include "MainForm.h"

#include "VelInfo.h"
#include "model/Meldung.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void TVELWnd::DateiZeigen(const QString& datei, const QString& beschreibung) {
    if (!QFileInfo::exists(datei)) {
        Meldungen.Meldung(QStringLiteral("%1 %2 ist nicht installiert.").arg(beschreibung, datei),
                          QStringLiteral("Hinweis"), MeldungsArt::Information);
        return;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(datei))) return;
    Meldungen.Meldung(
        QStringLiteral("%1 %2 kann auf diesem Rechner nicht angezeigt werden.").arg(beschreibung, datei),
        QStringLiteral("Hinweis"), MeldungsArt::Information);
}

void TVELWnd::Inhalt1Click() {
    DateiZeigen(Programmordner + QStringLiteral("VEL_Hilfe.chm"), QStringLiteral("Die Hilfedatei"));
}

void TVELWnd::Index1Click() {
    // The viewer the desktop offers opens the file as a whole; its index is one click away there.
    Inhalt1Click();
}

void TVELWnd::NeuindieserVersion1Click() {
    DateiZeigen(Programmordner + QStringLiteral("version.htm"), QStringLiteral("Die Seite"));
}

void TVELWnd::Info1Click() {
    TVelInfo info(this);
    info.exec();
}
