#pragma once

#include <QDialog>
#include <vector>

class QListWidget;
class QPushButton;
class TLehrer;

// Lets the user pick the teacher meant by a Kürzel that several teachers share apart from case.
class TIdentifyKrzDlg : public QDialog {
    Q_OBJECT
public:
    TIdentifyKrzDlg(const QString& kuerzel, const std::vector<TLehrer*>& kandidaten,
                    QWidget* parent = nullptr);
    int Auswahl() const; // index into the candidates

    QListWidget* Liste = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* IgnorierenBtn = nullptr;

private:
    void OkBtnClick();
};
