#pragma once

#include "model/Schuldaten.h"
#include "output/Gespraechsliste.h"
#include "output/Vorschau.h"

#include <QPicture>
#include <QPointer>
#include <QWidget>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class QToolButton;
class TMeldung;
class TProjektDokument;
class TVorschaublatt;

// The page preview: the conversation list of one family or teacher page by page as it will print, with
// zoom, printing of that list, and switching between families' and teachers' lists. It takes the main
// window's place while it is open. In layout mode it stands beside the layout dialog, which redraws it
// after each change and closes it when it closes itself.
class TFPreview : public QWidget {
    Q_OBJECT
public:
    TFPreview(TProjektDokument& dokument, QPrinter& drucker, TMeldung& meldung);
    ~TFPreview() override;

    // Opens over the work area flaeche with the lists and the person of start; given a layout dialog, in
    // layout mode with that dialog placed beside the sheet. terminecode: the families' lists carry their
    // code.
    void VorschauOeffnen(const TVorschauStart& start, const TSchuldaten& schule, bool terminecode,
                         const QRect& flaeche, QWidget* layoutdialog = nullptr);
    // The layout dialog's choice for the families' code, drawn from the next drawing on.
    void TerminecodeSetzen(bool an) { Terminecode = an; }
    // Composes and draws the chosen person's list again, as after a layout change; the zoom stays.
    void VorschauNeuZeichnen();
    // Switches between families' and teachers' lists (button "wechseln").
    void ArtWechseln();
    // Shows the lists of this kind, switching when the other kind is shown.
    void ArtSetzen(bool fuerEltern);
    // Closes the preview, also in layout mode.
    void Beenden();

    bool FuerEltern() const { return Eltern; }
    // The person whose list is shown, or null.
    const TPerson* AktuellePerson() const;
    int Seitenzahl() const { return static_cast<int>(Seiten.size()); }
    int Seite() const { return SeiteNr; }
    int Zoomstufe() const { return Zoom; }
    bool Layoutmodus() const { return Layoutdialog != nullptr; }
    // The composed list shown.
    const TListenZeilen& Zeilen() const { return Listenzeilen; }

    // The chosen entry for the kind shown and for the other kind.
    int VorschauIndex = 0;
    int VorschauIndexAnders = 0;

    QLabel* LblArt = nullptr;
    QComboBox* CBPerson = nullptr;
    QToolButton* BtnWechseln = nullptr;
    QCheckBox* ChBNurMitGespraech = nullptr;
    QToolButton* BtnZurueck = nullptr;
    QToolButton* BtnVor = nullptr;
    QPushButton* BtnDrucken = nullptr;
    QPushButton* BtnBeenden = nullptr;
    QToolButton* BtnX = nullptr;
    QScrollArea* Flaeche = nullptr;
    TVorschaublatt* Blatt = nullptr;

Q_SIGNALS:
    // The preview closed; the person whose list it showed (null when the project was replaced meanwhile).
    void Geschlossen(const TPerson* person, bool fuerEltern);
    // In layout mode the user asked to close: the layout dialog decides, and closes the preview with
    // itself.
    void SchliessenGewuenscht();

protected:
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void Aufbauen();
    void TastenAnlegen();
    void AuswahlFuellen();
    void CBPersonChange(int index);
    void ChBNurMitGespraechClick();
    void Zeichnen();
    void SeiteZeigen(int seite);
    void BtnZurueckClick() { SeiteZeigen(SeiteNr - 1); }
    void BtnVorClick() { SeiteZeigen(SeiteNr + 1); }
    void BtnDruckenClick();
    void BlattGeklickt(QPoint ort, bool links);
    // A new zoom level; a click keeps its point in view, else the view goes to a sixth of the height.
    void ZoomSetzen(int stufe, std::optional<QPoint> klick = std::nullopt);
    void Blaettern(int schritte);
    // Sizes and places the sheet for the window and the zoom level.
    void BlattAnpassen();
    // Shares the work area with the layout dialog: the dialog right of the sheet, below the head row.
    void DialogPlatzieren(const QRect& flaeche);
    void ZeigerAktualisieren();
    // Tells once while the preview is open that a family's list shows without its code.
    void OhneCodeSagen();

    TProjektDokument& Dokument;
    QPrinter& Drucker;
    TMeldung& Meldung;
    TSchuldaten Schule;
    bool Terminecode = false;
    bool OhneCode = false;
    bool OhneCodeGesagt = false;
    QString Druckername;
    QPointer<QWidget> Layoutdialog;
    // Beside the layout dialog: the part of the screen the sheet is fitted into.
    QRect Blattbereich;
    bool Eltern = true;
    std::vector<TVorschauEintrag> Eintraege;
    TListenZeilen Listenzeilen;
    std::vector<QPicture> Seiten;
    TSeitenmetrik Metrik;
    TSeitenraender Raender;
    int SeiteNr = 0;
    int Zoom = 0;
    bool Schliesst = false;
};
