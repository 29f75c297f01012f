#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
struct TSchuldaten;

// "In&fo über VEL": picture, version, the school's data (name, street, place, telephone, fax) as far as
// they are set, and OK.
class TVelInfo : public QDialog {
    Q_OBJECT
public:
    explicit TVelInfo(const TSchuldaten& schule, QWidget* parent = nullptr);

    QLabel* Bild = nullptr;
    QLabel* Version = nullptr;
    QLabel* SchulName = nullptr;
    QLabel* SchulStrasse = nullptr;
    QLabel* SchulOrt = nullptr;
    QLabel* SchulTelefon = nullptr;
    QLabel* SchulFax = nullptr;
    QPushButton* OkBtn = nullptr;
};
