#include "app/Uebersetzung.h"
#include "app/ui/Dateiaufruf.h"
#include "app/ui/DesktopDateiwahl.h"
#include "app/ui/DesktopMeldung.h"
#include "app/ui/HilfeBefehle.h"
#include "app/ui/MainForm.h"
#include "app/ui/Run1.h"
#include "app/ui/Splash.h"
#include "settings/UReg.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtDeutschLaden(&app);
    QApplication::setOrganizationName(QStringLiteral("Tarnwiek"));
    // Ties the windows to the installed desktop entry, whose icon the task bar then shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("vel"));

    // Paths relative to the folder this start was made in, which the running instance does not know.
    const QStringList dateien = TDateiaufruf::Dateien(QApplication::arguments().mid(1), QDir::currentPath());
    TEinzelInstanz instanz;
    if (!instanz.Erwerben()) {
        instanz.VordergrundAnfordern(dateien);
        return 0;
    }
    QApplication::setApplicationName(QStringLiteral("VEL"));

    auto* splash = new TSplash2F;
    splash->show();

    // The long-lived parts, in this order: settings store, message and file dialogs, main window.
    TEinstellungsSpeicher speicher;
    TDesktopMeldung meldung;
    TDesktopDateiwahl dateiwahl;
    TVELWnd fenster(meldung, dateiwahl, speicher);
    meldung.Hilfe = [&fenster](QWidget* von) { fenster.Gruppen.Hilfe->KontextZeigen(von); };
    auto* aufruf = new TDateiaufruf(fenster);
    aufruf->Vormerken(dateien);
    QObject::connect(&instanz, &TEinzelInstanz::DateienGewuenscht, aufruf, &TDateiaufruf::Oeffnen);
    QObject::connect(&instanz, &TEinzelInstanz::VordergrundGewuenscht, &fenster, &TVELWnd::NachVorne);
    fenster.SplashUebernehmen(splash);
    fenster.showMaximized();
    return QApplication::exec();
}
