#pragma once

#include <QByteArray>

class QTextDocument;

// Shows RTF of the kind RtfErzeugen writes: paragraphs and page breaks, tabs and their stops, bold,
// italics, fonts, sizes, colours and alignment. Other control words and unknown groups are passed over.
void RtfDarstellen(const QByteArray& rtf, QTextDocument& ziel);
