#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A word of a PDF page where pdftotext -bbox finds it, in points.
struct TWort {
    QString Text;
    double X = 0;
    double Y = 0;
    int Seite = 0;
    double XMax = 0;
};

struct TPdfSeiten {
    QList<TWort> Woerter;
    double Breite = 0;
    QString Schriften; // pdffonts' table
    int Seiten = 0;

    // The first word with this text (on page 1 unless said otherwise).
    const TWort* Wort(const QString& text, int seite = 1) const;
    QString Text() const;
};

// The words of a PDF with their boxes, the width of its first page and the fonts it uses.
TPdfSeiten PdfLesen(const QByteArray& pdf);
