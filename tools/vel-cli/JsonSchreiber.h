#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Writes JSON as it goes, keys in the order given: pretty with two spaces per level, or compact.
// Lists opened as one-line keep their values on one line even when pretty.
class TJsonSchreiber {
public:
    explicit TJsonSchreiber(bool kompakt)
        : Kompakt(kompakt) {}

    void ObjektAnfang();
    void ObjektEnde();
    void ListeAnfang(bool einzeilig = false);
    void ListeEnde();
    TJsonSchreiber& Schluessel(const char* name);

    void Wert(const QString& text);
    void Wert(qint64 zahl);
    void Wert(int zahl) { Wert(qint64(zahl)); }
    void Wert(double zahl);
    void Wert(bool wahr);
    void Null();

    template <class Liste> void Werte(const Liste& liste) {
        ListeAnfang(true);
        for (const auto& w : liste)
            Wert(w);
        ListeEnde();
    }

    const QByteArray& Ergebnis() const { return Text; }

private:
    struct TEbene {
        bool Erstes = true;
        bool Einzeilig = false;
    };
    void VorWert();
    void Zeilenumbruch();

    QByteArray Text;
    std::vector<TEbene> Ebenen;
    bool NachSchluessel = false;
    bool Kompakt;
};
