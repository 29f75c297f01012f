#include "JsonSchreiber.h"

#include <QLocale>
#include <cmath>

void TJsonSchreiber::Zeilenumbruch() {
    if (Kompakt) return;
    Text += '\n';
    Text.append(2 * qsizetype(Ebenen.size()), ' ');
}

void TJsonSchreiber::VorWert() {
    if (NachSchluessel) {
        NachSchluessel = false;
        return;
    }
    if (Ebenen.empty()) return;
    TEbene& e = Ebenen.back();
    const bool erstes = e.Erstes;
    e.Erstes = false;
    if (!erstes) Text += ',';
    if (!e.Einzeilig)
        Zeilenumbruch();
    else if (!erstes && !Kompakt)
        Text += ' ';
}

void TJsonSchreiber::ObjektAnfang() {
    VorWert();
    Text += '{';
    Ebenen.push_back({});
}

void TJsonSchreiber::ObjektEnde() {
    const bool leer = Ebenen.back().Erstes;
    Ebenen.pop_back();
    if (!leer) Zeilenumbruch();
    Text += '}';
}

void TJsonSchreiber::ListeAnfang(bool einzeilig) {
    VorWert();
    Text += '[';
    Ebenen.push_back({true, einzeilig});
}

void TJsonSchreiber::ListeEnde() {
    const TEbene e = Ebenen.back();
    Ebenen.pop_back();
    if (!e.Erstes && !e.Einzeilig) Zeilenumbruch();
    Text += ']';
}

TJsonSchreiber& TJsonSchreiber::Schluessel(const char* name) {
    VorWert();
    Text += '"';
    Text += name;
    Text += Kompakt ? "\":" : "\": ";
    NachSchluessel = true;
    return *this;
}

void TJsonSchreiber::Wert(const QString& text) {
    VorWert();
    Text += '"';
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"':
            Text += "\\\"";
            break;
        case '\\':
            Text += "\\\\";
            break;
        case '\n':
            Text += "\\n";
            break;
        case '\r':
            Text += "\\r";
            break;
        case '\t':
            Text += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                Text += QByteArray("\\u00") + QByteArray::number(int(c), 16).rightJustified(2, '0');
            else
                Text += c;
        }
    }
    Text += '"';
}

void TJsonSchreiber::Wert(qint64 zahl) {
    VorWert();
    Text += QByteArray::number(zahl);
}

void TJsonSchreiber::Wert(double zahl) {
    if (!std::isfinite(zahl)) return Null();
    VorWert();
    Text += QByteArray::number(zahl, 'g', QLocale::FloatingPointShortest);
}

void TJsonSchreiber::Wert(bool wahr) {
    VorWert();
    Text += wahr ? "true" : "false";
}

void TJsonSchreiber::Null() {
    VorWert();
    Text += "null";
}
