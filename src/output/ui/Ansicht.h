#pragma once

#include "output/Uebersicht.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;
class TProjekt;

// The window of the four overviews: the list as built, a button that switches the view (or between
// all and the involved teachers), and printing or saving the list as shown.
class TAnsichtDlg : public QDialog {
    Q_OBJECT
public:
    // ausgeben: prints (false) or saves as PDF (true) the overview as shown.
    using TAusgabe = std::function<void(bool alsPdf, const TUebersichtWahl&, const TUebersicht&)>;
    TAnsichtDlg(TProjekt& projekt, TUebersichtWahl wahl, QString druckername, TAusgabe ausgeben,
                QWidget* eltern = nullptr);

    TUebersichtWahl Wahl;
    QLabel* LblTitel;
    QTreeWidget* Liste;
    QPushButton* Druck;
    QPushButton* PDFbtn;
    QPushButton* Wechsln;
    QPushButton* Schl;

    const TUebersicht& Uebersicht() const { return Gezeigt; }

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void Fuellen();
    void Wechseln();
    void Sortieren(int spalte);

    TProjekt& Projekt;
    QString Druckername;
    TAusgabe Ausgeben;
    TUebersicht Gezeigt;
};
