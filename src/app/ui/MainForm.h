#pragma once

#include <QMainWindow>

// The main window of the program.
class TVELWnd : public QMainWindow {
    Q_OBJECT
public:
    explicit TVELWnd(QWidget* parent = nullptr);
};
