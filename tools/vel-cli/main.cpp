#include <QCoreApplication>
#include <QTextStream>

// Batch and inspection commands on project files.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream fehler(stderr);
    fehler << "Aufruf: vel-cli BEFEHL [ARGUMENTE]\n";
    return 2;
}
