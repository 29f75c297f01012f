#pragma once

#include "output/Layoutbearbeitung.h"

#include <QDate>
#include <QDialog>
#include <functional>

class QCheckBox;
class QPushButton;
class QTabWidget;
class TDateiwahl;
class TEingabeSeite;
class TLayoutAnmerkungen;
class TLayoutFormat;
class TLayoutInhalt;
class TLayoutLogo;
class TLayoutSchrift;
class TLayoutSeite;
class TLayoutTabulatoren;
class TLayoutTitel;
class TLayoutUeberschrift;
class TMeldung;

// What the layout dialog needs to know about the project and the printer.
struct TLayoutUmfeld {
    bool ZweiTage = false;
    // Without a project the dialog edits the defaults of future projects, which then go to the store.
    bool ProjektOffen = true;
    QDate Heute = QDate::currentDate();
    // Whether the families' lists carry their appointments as a QR code, as the store holds it.
    bool Terminecode = false;
    // The page the lists are printed on in an orientation (1 landscape).
    std::function<TSeitenmetrik(uint8_t ausrichtung)> Metrik;
    // Offers to widen margins the printer cannot print on; true when it changed them. Empty without a
    // printer.
    std::function<bool(TSeitenraender&, uint8_t ausrichtung)> RaenderPruefen;
};

// "VEL: Layout für Gesprächslisten": edits the conversation lists' layout in place. Every change goes
// to the layout at once and is reported, so that a preview can follow; "Übernehmen" and OK keep the
// changes, closing in any other way puts back what was last taken over.
class TFLayout : public QDialog {
    Q_OBJECT
public:
    enum TSeite { Inhalt, Titel, Anmerkungen, Tabulatoren, Format, Ueberschrift, Schrift, Logo };

    TFLayout(TListenlayout& layout, const TLayoutUmfeld& umfeld, TMeldung& meldung, TDateiwahl& dateiwahl,
             QWidget* eltern = nullptr);
    ~TFLayout() override;

    void SeiteZeigen(TSeite seite);
    // Runs "Übernehmen"; false when a question stopped it.
    bool Uebernehmen();
    // The families' code as the dialog shows it now.
    bool Terminecode() const { return Kopie.Terminecode; }
    void done(int ergebnis) override;

    QTabWidget* Seiten = nullptr;
    TLayoutInhalt* SeiteInhalt = nullptr;
    TLayoutTitel* SeiteTitel = nullptr;
    TLayoutAnmerkungen* SeiteAnmerkungen = nullptr;
    TLayoutTabulatoren* SeiteTabulatoren = nullptr;
    TLayoutFormat* SeiteFormat = nullptr;
    TLayoutUeberschrift* SeiteUeberschrift = nullptr;
    TLayoutSchrift* SeiteSchrift = nullptr;
    TLayoutLogo* SeiteLogo = nullptr;
    QCheckBox* cbRegistry = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancBtn = nullptr;
    QPushButton* BtnUebernehmen = nullptr;
    QPushButton* HilfeBtn = nullptr;

Q_SIGNALS:
    // The layout changed in the dialog; art names the lists it concerns.
    void ArbeitskopieGeaendert(TListenArt art);
    // "Übernehmen" went through: geaendert when the project's layout differs from what was taken over
    // before, vormerken when it is to become the default of future projects. The families' code is to
    // be stored as Terminecode() tells.
    void Uebernommen(bool geaendert, bool vormerken);
    // The help button: the handbook's page of the page in front.
    void HilfeAngefordert();

private:
    void OkClick();
    void SeiteGeaendert(TLayoutSeite* seite, TListenArt art);
    void SeiteGewechselt(int neu);
    // Settles the typed but not applied values of the tab and the format page; auch is put into the
    // questions where the question comes with taking the whole layout over. False on cancel.
    bool OffeneKlaeren(const QString& auch);
    bool OffeneKlaeren(TEingabeSeite* seite, const QString& auch);
    TSeitenmetrik Metrik() const;

    TLayoutArbeitskopie Kopie;
    TLayoutUmfeld Umfeld;
    TMeldung& Meldungen;
    QList<TLayoutSeite*> Alle;
    int Vorherige = 0;
    bool Wechselnd = false;
};
