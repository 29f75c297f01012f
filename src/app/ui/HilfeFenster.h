#pragma once

#include <QUrl>
#include <QWidget>

class QHelpContentWidget;
class QModelIndex;
class QHelpEngine;
class QHelpIndexWidget;
class QLineEdit;
class QTabWidget;
class QTextBrowser;
class QToolButton;

// The window of the handbook: contents, index and full-text search on the left, the page on the right.
class THilfeFenster : public QWidget {
    Q_OBJECT
public:
    THilfeFenster(QHelpEngine& engine, const QUrl& startseite, QWidget* eltern = nullptr);

    void SeiteZeigen(const QUrl& seite);
    void InhaltZeigen();
    void IndexZeigen();
    QUrl Seite() const;

    QTabWidget* Reiter;
    QHelpContentWidget* Inhalt;
    QLineEdit* Stichwort;
    QHelpIndexWidget* Index;
    QWidget* Suche;
    QTextBrowser* Browser;
    QToolButton* ZurueckBtn;
    QToolButton* VorBtn;
    QToolButton* StartBtn;
    QToolButton* GroesserBtn;
    QToolButton* KleinerBtn;

private:
    void InhaltGelesen();
    void InhaltAbgleichen(const QUrl& seite);
    void EintragGewaehlt(const QModelIndex& eintrag);
    void Zoomen(int stufen);

    QHelpEngine& Engine;
    QUrl Startseite;
    int Zoomstufe = 0;
    bool Abgleich = false;
};
