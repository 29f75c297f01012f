#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class TEltern;
class TKind;
class TMeldung;

// Enters a new child of a family or corrects one.
class TFEditK : public QDialog {
    Q_OBJECT
public:
    explicit TFEditK(TMeldung& meldung, QWidget* parent = nullptr);

    // letzteKlasse is offered as the class of a family's first child.
    int Hinzufuegen(const TEltern& eltern, const QString& letzteKlasse);
    int Aendern(const TKind& kind);

    QString Vorname() const;
    QString Klasse() const;
    QString Nachname() const;
    bool NachnameGeaendert = false;

    QLineEdit* Edit1 = nullptr; // first name
    QLineEdit* Edit2 = nullptr; // class
    QLineEdit* Edit3 = nullptr; // surname
    QPushButton* OkBtn = nullptr;
    QPushButton* CancBtn = nullptr;

private:
    void OkBtnClick();
    int Zeigen();

    TMeldung& Meldung;
    const TEltern* Eltern = nullptr;
    const TKind* Kind = nullptr; // the child being corrected; none when adding
    QString LetzteKlasse;
};
