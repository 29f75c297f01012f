#include "MainForm.h"

TVELWnd::TVELWnd(QWidget* parent)
    : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("VEL"));
    resize(900, 600);
}
