#include "Befehle.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <memory>

namespace {

struct TBefehl {
    const char* Name;
    int (*Ausfuehren)(const QStringList& argumente);
    const char* Hilfe;
    // Drawing pages needs fonts, that is the GUI part of Qt, without a screen.
    bool Seiten = false;
};

const TBefehl Befehle[] = {
    {"generate", BefehlGenerate,
     "generate -o DATEI [--groesse M|L|XL] [--familien N] [--lehrer M] [--tage 1|2] [--slots S] [--saat X] "
     "[--hilfe]"},
    {"dump", BefehlDump, "dump DATEI [--kompakt]"},
    {"convert", BefehlConvert, "convert EIN AUS"},
    {"plan", BefehlPlan,
     "plan DATEI [-o AUS] [--abbrechen-nach vorbereitung|verteilung|nachplatzieren|eltern|lehrer]"},
    {"verbessern", BefehlVerbessern, "verbessern DATEI -o AUS [--zeit SEKUNDEN] [--saat N] [--schritte N]"},
    {"check", BefehlCheck, "check DATEI"},
    {"pdf", BefehlPdf, "pdf DATEI (--eltern|--lehrer) -o ORDNER [--von N] [--bis M]", true},
    {"rtf", BefehlRtf, "rtf DATEI (--eltern|--lehrer) -o AUS.rtf"},
    {"ics", BefehlIcs, "ics DATEI (--eltern|--lehrer) -o ORDNER [--utc]"},
    {"raeume", BefehlRaeume, "raeume PROJEKTDATEI [--csv AUSGABE]"},
    {"statistik", BefehlStatistik, "statistik PROJEKTDATEI [--json]"},
    {"import-lehrer", BefehlImportLehrer,
     "import-lehrer PROJEKT DATEI(.txt|.ldt|.pdt) [--feld ZIEL=SPALTE ...] -o AUS [--kodierung "
     "dos|windows|utf8] [--ohne-kopfzeile|--mit-kopfzeile]"},
    {"import-eltern", BefehlImportEltern,
     "import-eltern PROJEKT DATEI(.txt|.pdt) [--feld ZIEL=SPALTE ...] [--anhaengen] -o AUS [--kodierung "
     "dos|windows|utf8] [--ohne-kopfzeile|--mit-kopfzeile]"},
    {"export-lehrer", BefehlExportLehrer, "export-lehrer PROJEKT AUS(.ldt|.txt)"},
};

} // namespace

// Batch and inspection commands on project files.
int main(int argc, char* argv[]) {
    const QString name = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    for (const TBefehl& b : Befehle) {
        if (name != QLatin1String(b.Name)) continue;
        // Declared before the application, so that it outlives it.
        std::unique_ptr<QTemporaryDir> laufzeitordner;
        std::unique_ptr<QCoreApplication> app;
        if (b.Seiten) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
            // Starting the GUI part looks into the user's runtime folder to learn whether it runs in a
            // sandbox, and warns where XDG_RUNTIME_DIR is not set (cron, containers, CI). A sandbox always
            // sets it, so an empty private folder gives the true answer without the warning.
            if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
                laufzeitordner = std::make_unique<QTemporaryDir>();
                if (laufzeitordner->isValid())
                    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(laufzeitordner->path()));
            }
            app = std::make_unique<QGuiApplication>(argc, argv);
        } else {
            app = std::make_unique<QCoreApplication>(argc, argv);
        }
        return b.Ausfuehren(QCoreApplication::arguments().mid(2));
    }
    QCoreApplication app(argc, argv);
    QTextStream fehler(stderr);
    fehler << "Aufruf: vel-cli BEFEHL [ARGUMENTE]\n";
    for (const TBefehl& b : Befehle)
        fehler << "  vel-cli " << b.Hilfe << '\n';
    return 2;
}
