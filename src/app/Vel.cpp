#include "app/Uebersetzung.h"
#include "app/ui/DesktopDateiwahl.h"
#include "app/ui/DesktopMeldung.h"
#include "app/ui/MainForm.h"
#include "app/ui/Run1.h"
#include "app/ui/Splash.h"
#include "settings/UReg.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtDeutschLaden(&app);
    QApplication::setOrganizationName(QStringLiteral("Tarnwiek"));

    TEinzelInstanz instanz;
    if (!instanz.Erwerben()) {
        instanz.VordergrundAnfordern();
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
    QObject::connect(&instanz, &TEinzelInstanz::VordergrundGewuenscht, &fenster, &TVELWnd::NachVorne);
    fenster.SplashUebernehmen(splash);
    fenster.showMaximized();
    return QApplication::exec();
}
