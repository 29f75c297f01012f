#pragma once

#include "model/Meldung.h"
#include "model/Zeiten.h"

#include <QPoint>
#include <QWidget>
#include <memory>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTimer;
class TEinstellungsSpeicher;
class TPerson;
class TProjektDokument;
class TTagesraster;
struct TProgrammwerte;

// The pop-up time window: one person's blocked times on both days, opened from the person lists and
// applied whenever it closes. In hover mode it closes as soon as the pointer leaves it.
class TFZeitSplash : public QWidget {
    Q_OBJECT
public:
    TFZeitSplash(TProjektDokument& dokument, TMeldung& meldungen, TProgrammwerte& werte,
                 TEinstellungsSpeicher& speicher, QWidget* eltern = nullptr);

    // Shows the window next to the person's row (screen coordinates); ausTastatur: opened by key.
    void Zeigen(TPerson& person, bool istFamilie, const QRect& zeile, bool ausTastatur);
    // Applies the grids to the person and closes; nothing while the window is closed.
    void Schliessen();
    // Closes without applying: the person or the whole project is gone.
    void Verwerfen();
    const TPerson* Person() const { return Offen; }

    QLabel* LblName;
    QLabel* Bild;
    TTagesraster* Tage[2];
    QPushButton* MausBtn;
    QPushButton* RueckBtn;
    QPushButton* InfoBtn;
    QPushButton* OkBtn;
    QPushButton* AbbruchBtn;
    // Started by the hotspot that opened the window by hovering: closes it if the pointer never came in.
    QTimer* Timer3;

Q_SIGNALS:
    void Geoeffnet();
    void Geschlossen();

protected:
    bool event(QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void keyReleaseEvent(QKeyEvent* ereignis) override;
    void leaveEvent(QEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    bool Hovermodus() const;
    void KnoepfeZeigen(bool sichtbar);
    // Arranges the days and sizes the window for the work area.
    void Einrichten(const QRect& flaeche);
    void KnoepfeAnordnen(bool eineZeile);
    void Platzieren(const QRect& zeile);
    void Laden();
    void Rueckgaengig();
    void Abbrechen();
    void TagSperren(int tag);
    void TagFreigeben(int tag);
    void MausEinstellen();
    void Info();
    // Keeps the pointer inside after a question, so that hover mode does not close the window.
    void ZeigerZurueck();
    void VerlassenPruefen();
    bool PersonDa() const;

    QGridLayout* TageRaster;     // day 2 beside day 1, or below it on a narrow screen
    QHBoxLayout* Knopfzeilen[2]; // OK and cancel in the first row, or in the second on a narrow screen
    TProjektDokument& Dokument;
    // Every question of the window goes through here: while one is open, leaving does not close it.
    std::unique_ptr<TMeldung> Meldungen;
    TProgrammwerte& Werte;
    TEinstellungsSpeicher& Speicher;
    TPerson* Offen = nullptr;
    bool IstFamilie = false;
    bool AusTastatur = false;
    TZeiten Arbeitskopie{};
    QPoint ZeigerVorher;  // where the pointer was before a keyboard opening moved it
    QPoint ZeigerGesetzt; // where that opening put it
    int Fragen = 0;       // questions and dialogs open over the window
    friend class TFensterMeldung;
};
