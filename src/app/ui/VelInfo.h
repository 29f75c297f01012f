#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "In&fo über VEL": picture, version and OK.
class TVelInfo : public QDialog {
    Q_OBJECT
public:
    explicit TVelInfo(QWidget* parent = nullptr);

    QLabel* Bild = nullptr;
    QLabel* Version = nullptr;
    QPushButton* OkBtn = nullptr;
};
