#pragma once

#include <QListWidget>

// A list of font families, each drawn in its own face, so that the user sees what a list will look like.
class TSchriftliste : public QListWidget {
    Q_OBJECT
public:
    explicit TSchriftliste(QWidget* eltern = nullptr);

    // The families, the chosen one selected and in view; the selection is not reported as a choice.
    void Zeigen(const QStringList& familien, const QString& gewaehlt);
    void Waehlen(const QString& familie);
    QString Gewaehlt() const;

Q_SIGNALS:
    void SchriftGewaehlt(const QString& familie);
};

// The sizes a list of sizes offers, the chosen one selected.
void GroessenZeigen(QListWidget* liste, int von, int bis, int gewaehlt, bool zweistellig);
