#pragma once

#include <QDialog>
#include <array>
#include <functional>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// "Assistent für ein neues Projekt": leads through the five actions of setting up a conference day
// (time frame, standard blocking, teacher import, family import, saving) and a closing step. The first
// action creates the project; each later one can be carried out, skipped or repeated.
class TNeuF : public QDialog {
    Q_OBJECT
public:
    static constexpr int Schritte = 6;
    static constexpr int Aktionen = 5;
    // Carries out an action; true when it got done (frame confirmed, blocking confirmed, teachers or
    // families present afterwards, project saved).
    using TAktion = std::function<bool()>;

    TNeuF(std::array<TAktion, Aktionen> aktionen, QWidget* parent = nullptr);

    std::array<QFrame*, Schritte> Panels{};
    std::array<QToolButton*, Schritte> Bilder{};
    std::array<QLabel*, Aktionen> Haken{};
    QPlainTextEdit* Memo = nullptr;
    QPushButton* BtnZurueck = nullptr;
    QPushButton* BtnAusfuehren = nullptr;
    QPushButton* BtnUeberspringen = nullptr;
    QPushButton* BtnHilfe = nullptr;
    QPushButton* BtnAbbruch = nullptr;

    int Schritt() const { return Aktuell; }
    bool Erledigt(int aktion) const { return Getan[static_cast<size_t>(aktion - 1)]; }
    int Hilfekontext() const;
    // The first action was carried out: the open project was replaced by the new one.
    bool NeuesProjekt = false;

Q_SIGNALS:
    void HilfeAngefordert(int kontext);

private:
    void AusfuehrenClick();
    void UeberspringenClick();
    void ZurueckClick();
    void BildClick(int schritt);
    void Gehe(int schritt);
    void Abhaken(int aktion, bool erledigt);
    // The focus goes to the close button on the last step, else to "Ausführen".
    void Fokussieren();

    std::array<TAktion, Aktionen> Ausfuehrung;
    std::array<bool, Aktionen> Getan{};
    int Aktuell = 1;
};
