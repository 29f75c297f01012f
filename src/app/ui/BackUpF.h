#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// Offers a backup that a previous run left behind: "Öffnen" accepts, "Löschen" rejects.
class TBackUpF : public QDialog {
    Q_OBJECT
public:
    explicit TBackUpF(const QString& datei, QWidget* parent = nullptr);

    QLabel* LblName = nullptr;
    QLabel* LblDatum = nullptr;
    QLabel* LblZeit = nullptr;
    QLabel* LblGroesse = nullptr;
    QPushButton* BtnOeffnen = nullptr;
    QPushButton* BtnLoeschen = nullptr;
    QPushButton* BtnHilfe = nullptr;

Q_SIGNALS:
    void HilfeAngefordert();
};
