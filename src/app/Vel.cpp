#include "app/ui/MainForm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VEL"));
    QApplication::setOrganizationName(QStringLiteral("Tarnwiek"));
    TVELWnd fenster;
    fenster.show();
    return QApplication::exec();
}
