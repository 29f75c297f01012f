#pragma once

#include <QDialog>

class QPushButton;
class QTextEdit;
class TDateiwahl;
class TMeldung;
class TProjekt;

// The conversation lists of all families or all teachers as one RTF document: shown read-only, saved
// on request. The persons' counters must be current when the dialog opens.
class TRiEd_Form : public QDialog {
    Q_OBJECT
public:
    TRiEd_Form(const TProjekt& projekt, bool fuerEltern, TDateiwahl& dateiwahl, TMeldung& meldung,
               const QString& startordner, QWidget* parent = nullptr);

    QTextEdit* RichEdit1 = nullptr;
    QPushButton* BtnSpeichern = nullptr;
    QPushButton* BtnSchliessen = nullptr;

    // Where the last save went; empty until one succeeded.
    QString Gespeichert;

private:
    void BtnSpeichernClick();
    QString Art() const;

    const TProjekt& Projekt;
    const bool FuerEltern;
    TDateiwahl& Dateiwahl;
    TMeldung& Meldungen;
    const QString Startordner;
};
