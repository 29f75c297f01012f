#pragma once

#include <QDialog>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class TEltern;
class TMeldung;

// Enters a new family or corrects one. OK walks from field to field before it validates.
class TFEditE : public QDialog {
    Q_OBJECT
public:
    explicit TFEditE(TMeldung& meldung, QWidget* parent = nullptr);

    int Hinzufuegen();
    int Aendern(const TEltern& eltern);

    QString Telefon() const;
    QString Anrede() const;
    QString Zusatz() const;
    QString Name() const;
    // One tick per child: the child takes the family's new name.
    std::vector<bool> KinderHaken() const;
    bool TelefonGeaendert = false;
    bool HakenGeaendert = false;

    QLineEdit* TelE = nullptr;
    QCheckBox* CB = nullptr;
    QLineEdit* AnrE = nullptr;
    QLineEdit* ZusE = nullptr;
    QLineEdit* NacE = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancBtn = nullptr;
    QListWidget* CkLB_ki = nullptr;
    QLabel* HakenHinweis = nullptr;

private:
    void OkBtnClick();
    void NameBearbeitet();
    void HakenGeklickt(QListWidgetItem* zeile);
    QString Familienname() const;
    QString ZeilenText(int kind, bool haken) const;

    TMeldung& Meldung;
    const TEltern* Eltern = nullptr; // the family being corrected; none when adding
    std::vector<bool> HakenVorher;
};
