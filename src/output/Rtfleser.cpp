#include "Rtfleser.h"

#include "model/Cp1252.h"

#include <QColor>
#include <QList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

namespace {

// Twips at the 96 pixels per inch a text document lays out with.
constexpr double TwipsProPixel = 15.0;

enum class TZiel { Text, Schriften, Farben, Ueberspringen };

struct TGruppe {
    TZiel Ziel = TZiel::Text;
    QTextCharFormat Zeichen;
};

class TRtfLeser {
public:
    TRtfLeser(const QByteArray& rtf, QTextDocument& ziel)
        : Rtf(rtf)
        , Cursor(&ziel) {}

    void Lesen() {
        Stapel.push_back({});
        while (Pos < Rtf.size()) {
            const char c = Rtf[Pos++];
            if (c == '{') {
                Ausgeben();
                Stapel.push_back(Stapel.back());
                Gruppenanfang = true;
                continue;
            }
            const bool anfang = std::exchange(Gruppenanfang, false);
            if (c == '}') {
                Ausgeben();
                if (Stapel.size() > 1) Stapel.pop_back();
            } else if (c == '\\') {
                Steuerung(anfang);
            } else if (c != '\r' && c != '\n') {
                Zeichen(c);
            }
        }
        Ausgeben();
    }

private:
    TGruppe& G() { return Stapel.back(); }

    void Zeichen(char c) {
        switch (G().Ziel) {
        case TZiel::Text:
            Text += c;
            break;
        case TZiel::Schriften:
            if (c == ';') {
                Schriften.resize(std::max<qsizetype>(Schriften.size(), Schriftnummer + 1));
                Schriften[Schriftnummer] = AusCp1252(Schriftname).trimmed();
                Schriftname.clear();
            } else {
                Schriftname += c;
            }
            break;
        case TZiel::Farben:
            if (c == ';') {
                Farben.append(Farbe);
                Farbe = QColor(0, 0, 0);
            }
            break;
        case TZiel::Ueberspringen:
            break;
        }
    }

    void Steuerung(bool gruppenanfang) {
        if (Pos >= Rtf.size()) return;
        const char c = Rtf[Pos];
        if (c == '\'') {
            bool ok = false;
            const int wert = Rtf.mid(Pos + 1, 2).toInt(&ok, 16);
            Pos += 3;
            if (ok) Zeichen(static_cast<char>(wert));
            return;
        }
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++Pos;
            if (c == '\r' || c == '\n')
                Absatz(false);
            else if (c == '*')
                G().Ziel = TZiel::Ueberspringen;
            else
                Zeichen(c);
            return;
        }
        const qsizetype start = Pos;
        while (Pos < Rtf.size() && std::isalpha(static_cast<unsigned char>(Rtf[Pos])))
            ++Pos;
        const QByteArray wort = Rtf.mid(start, Pos - start);
        const qsizetype zahlStart = Pos;
        if (Pos < Rtf.size() && Rtf[Pos] == '-') ++Pos;
        while (Pos < Rtf.size() && std::isdigit(static_cast<unsigned char>(Rtf[Pos])))
            ++Pos;
        const bool mitZahl = Pos > zahlStart;
        const int zahl = mitZahl ? Rtf.mid(zahlStart, Pos - zahlStart).toInt() : 0;
        if (Pos < Rtf.size() && Rtf[Pos] == ' ') ++Pos;
        Wort(wort, mitZahl, zahl, gruppenanfang);
    }

    void Wort(const QByteArray& wort, bool mitZahl, int zahl, bool gruppenanfang) {
        if (wort == "fonttbl") {
            G().Ziel = TZiel::Schriften;
        } else if (wort == "colortbl") {
            G().Ziel = TZiel::Farben;
        } else if (G().Ziel == TZiel::Farben) {
            if (wort == "red") Farbe.setRed(zahl);
            if (wort == "green") Farbe.setGreen(zahl);
            if (wort == "blue") Farbe.setBlue(zahl);
        } else if (G().Ziel == TZiel::Schriften) {
            if (wort == "f") Schriftnummer = zahl;
        } else if (G().Ziel == TZiel::Text) {
            Textwort(wort, mitZahl, zahl, gruppenanfang);
        }
    }

    void Textwort(const QByteArray& wort, bool mitZahl, int zahl, bool gruppenanfang) {
        // Groups of other writers that hold no text of the document.
        static const QList<QByteArray> Unsichtbar{"info",   "stylesheet", "pict",      "header",
                                                  "footer", "listtable",  "generator", "object"};
        if (gruppenanfang && Unsichtbar.contains(wort)) {
            G().Ziel = TZiel::Ueberspringen;
            return;
        }
        QTextCharFormat neu = G().Zeichen;
        if (wort == "par") {
            Absatz(false);
        } else if (wort == "page") {
            Absatz(true);
        } else if (wort == "tab") {
            Text += '\t';
        } else if (wort == "b") {
            neu.setFontWeight(!mitZahl || zahl ? QFont::Bold : QFont::Normal);
        } else if (wort == "i") {
            neu.setFontItalic(!mitZahl || zahl);
        } else if (wort == "fs") {
            if (zahl > 0) neu.setFontPointSize(zahl / 2.0);
        } else if (wort == "f") {
            if (zahl >= 0 && zahl < Schriften.size()) neu.setFontFamilies({Schriften[zahl]});
        } else if (wort == "cf") {
            if (zahl > 0 && zahl < Farben.size())
                neu.setForeground(Farben[zahl]);
            else
                neu.clearForeground();
        } else if (wort == "pard") {
            Ausgeben();
            Absatzformat = QTextBlockFormat();
            Cursor.setBlockFormat(Absatzformat);
        } else if (wort == "ql" || wort == "qc" || wort == "qr" || wort == "qj") {
            Ausgeben();
            const Qt::Alignment ausrichtung = wort == "qc"   ? Qt::AlignHCenter
                                              : wort == "qr" ? Qt::AlignRight
                                              : wort == "qj" ? Qt::AlignJustify
                                                             : Qt::AlignLeft;
            Absatzformat.setAlignment(ausrichtung);
            Cursor.setBlockFormat(Absatzformat);
        } else if (wort == "tx") {
            QList<QTextOption::Tab> stopps = Absatzformat.tabPositions();
            stopps.append(QTextOption::Tab(zahl / TwipsProPixel, QTextOption::LeftTab));
            Absatzformat.setTabPositions(stopps);
            Cursor.setBlockFormat(Absatzformat);
        }
        if (neu != G().Zeichen) {
            Ausgeben();
            G().Zeichen = neu;
        }
    }

    void Absatz(bool seitenumbruch) {
        Ausgeben();
        QTextBlockFormat format = Absatzformat;
        if (seitenumbruch) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        Cursor.insertBlock(format, G().Zeichen);
    }

    void Ausgeben() {
        if (Text.isEmpty()) return;
        Cursor.insertText(AusCp1252(Text), G().Zeichen);
        Text.clear();
    }

    const QByteArray& Rtf;
    qsizetype Pos = 0;
    QTextCursor Cursor;
    std::vector<TGruppe> Stapel;
    bool Gruppenanfang = false;
    QByteArray Text;
    QTextBlockFormat Absatzformat;
    QStringList Schriften;
    int Schriftnummer = 0;
    QByteArray Schriftname;
    QList<QColor> Farben;
    QColor Farbe{0, 0, 0};
};

} // namespace

void RtfDarstellen(const QByteArray& rtf, QTextDocument& ziel) {
    ziel.clear();
    TRtfLeser(rtf, ziel).Lesen();
}
