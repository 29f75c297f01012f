#pragma once

#include "exchange/Familienimport.h"
#include "exchange/Lehreraustausch.h"
#include "exchange/Textimport.h"
#include "ui/Kurzlabel.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <functional>
#include <memory>

class QButtonGroup;
class QMimeData;
class QFrame;
class QPushButton;
class QRadioButton;
class QTableView;
class QTimer;
class TEinstellungsSpeicher;
class TMeldung;
class TProjekt;
class TRueckCollection;

// The mime type of a column carried between the field list and the target panels: the source (-1 the
// list, else the panel) and the column, as "quelle;spalte".
extern const char* const ImportfeldMime;

// The records of the import file as the preview shows them; only the rows in view are asked for.
class TImportModell : public QAbstractTableModel {
public:
    TImportModell(const TTextimport& datei, QObject* eltern)
        : QAbstractTableModel(eltern)
        , Datei(datei) {}
    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;
    void Neu(const QStringList& titel);

private:
    const TTextimport& Datei;
    QStringList Titel;
};

// A target field: shows the column assigned to it (a long name cut with "…"), takes a column dropped
// on it while empty, and hands its column on when dragged.
class TFeldPanel : public TKurzLabel {
    Q_OBJECT
public:
    TFeldPanel(int ziel, QWidget* eltern);
    int Ziel;
    bool Belegt = false;
    std::function<void(const QMimeData*, int ziel)> Abgelegt;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    QPoint Start;
};

// The free columns; a panel's column dropped here is freed.
class TFelderListe : public QListWidget {
    Q_OBJECT
public:
    explicit TFelderListe(QWidget* eltern);
    std::function<void(const QMimeData*, int ziel)> Abgelegt;

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& eintraege) const override;
    void startDrag(Qt::DropActions aktionen) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
};

// The import of a text file: the preview, the encoding and header choice, the assignment of columns
// to target fields by drag and drop, and on OK the import of the teachers or the pupils.
// Result 1 imported, 2 cancelled, 4 another file wanted.
class TImportDlgf : public QDialog {
    Q_OBJECT
public:
    TImportDlgf(const QString& datei, bool lehrer, uint32_t dateityp, TProjekt& projekt, TMeldung& meldung,
                TEinstellungsSpeicher& speicher, QWidget* eltern);
    ~TImportDlgf() override;

    // Family mode: the undo store emptied with the plan, whether families are kept, the state that lasts
    // between class files, and who answers the questions (the dialogs when none is given).
    void FamilienSetzen(TRueckCollection& rueck, bool anhaengen, TFamilienImportStand& stand,
                        TFamilienFragen* fragen = nullptr);

    std::function<void()> Hilfe;

    // The moves of drag and drop: a free column onto an empty target, a target's column onto another
    // empty target, a target's column back to the list. False when not possible.
    bool Zuordnen(int ziel, int spalte);
    bool Verschieben(int von, int nach);
    bool Freigeben(int ziel);
    void KodierungWaehlen(TKodierung k);
    void KopfWaehlen(bool alsDatensatz);
    void OkClick();
    void reject() override;
    const TTextimport& Datei() const { return Import; }
    const TFeldzuordnung& Zuordnung() const { return Felder; }
    bool Wiederhergestellt() const { return Vorgabe; }
    bool Blinkt() const;

    TLehrerImport LehrerErgebnis;
    TFamilienImportErgebnis FamilienErgebnis;

    QTableView* lvDaten;
    TFelderListe* FelderLB;
    TFeldPanel* P[6];
    QLabel* L[6];
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label5;
    QFrame* Rahmen2;
    QRadioButton* RBKodierung[3];
    QRadioButton* RBFeldbezeichnungen;
    QRadioButton* RBDatensatz;
    QPushButton* BtnAbbrechen;
    QPushButton* BtnOk;
    QPushButton* BtnNeu;
    QPushButton* BtnHilfe;

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    void Spaltenbreiten();
    void Ablegen(const QMimeData* daten, int ziel);
    void Anzeigen();
    // After a change of the assignment by dragging column spalte: the entry before it in the list is
    // selected, or with the list empty OK takes the focus.
    void Geaendert(int spalte);
    void HinweisZeigen();
    bool Fehlt(int ziel, const char* text, const QString& titel);
    // False, after telling the user, when a record holds a text the project file could not store.
    bool Speicherbar();
    bool LehrerImport();
    bool FamilienImport();

    TTextimport Import;
    TImportModell* Modell;
    bool Lehrer;
    uint32_t Dateityp;
    TProjekt& Projekt;
    TMeldung& Meldungen;
    TEinstellungsSpeicher& Speicher;
    TFeldzuordnung Felder = KeineZuordnung;
    bool Vorgabe = false;
    // A file mixing UTF-8 with another encoding is told once, when the dialog first stands.
    bool MischungGemeldet = false;
    QTimer* Blinker;
    bool BlinkAn = false;
    TRueckCollection* Rueck = nullptr;
    bool Anhaengen = false;
    TFamilienImportStand* Stand = nullptr;
    TFamilienFragen* Fragen = nullptr;
    std::unique_ptr<TFamilienFragen> EigeneFragen;
};
