#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The yes/no question of the entry dialogs, "&Ja" being the default.
class TFErgRckfrg : public QDialog {
    Q_OBJECT
public:
    explicit TFErgRckfrg(QWidget* parent = nullptr);

    // True when answered with "&Ja".
    bool Fragen(const QString& titel, const QString& text);

    QLabel* Text = nullptr;
    QPushButton* JaBtn = nullptr;
    QPushButton* NeinBtn = nullptr;
};
