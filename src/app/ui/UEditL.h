#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class TLehrer;
class TLehrerliste;
class TMeldung;

// Enters a new teacher or corrects one; the Kürzel must be given and must be unique.
class TFEditL : public QDialog {
    Q_OBJECT
public:
    TFEditL(const TLehrerliste& lehrer, TMeldung& meldung, QWidget* parent = nullptr);

    int Aendern(const TLehrer& lehrer);
    int Hinzufuegen();
    // From the request box: the Kürzel is given and cannot be changed.
    int HinzufuegenMitKuerzel(const QString& kuerzel);

    QString Anrede() const;
    QString AkadTitel() const;
    QString Zusatz() const;
    QString Name() const;
    QString Kuerzel() const;

    QLineEdit* E_Anr = nullptr;
    QLineEdit* E_Dr = nullptr;
    QLineEdit* E_Zus = nullptr;
    QLineEdit* E_Name = nullptr;
    QLineEdit* E_Krz = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancBtn = nullptr;

private:
    void OkBtnClick();
    int Zeigen(const QString& titel, bool kuerzelFest);

    const TLehrerliste& Lehrer;
    TMeldung& Meldung;
    const TLehrer* Bearbeitet = nullptr; // the teacher being corrected; none when adding
    bool KuerzelFest = false;
};
