#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

struct TImportVorgabe;

// How the bytes of an import file are read: the DOS code page 850, Windows-1252, or UTF-8.
enum class TKodierung { Dos = 0, Windows = 1, Utf8 = 2 };

// What the first lines tell about the encoding: the one chosen, and which the user may still choose.
struct TKodierungswahl {
    TKodierung Kodierung = TKodierung::Windows;
    bool WahlFrei = true;
    bool DosMoeglich = true;
    bool Utf8Moeglich = true;
};

// The field separator and an optional character that ends every record; a null character is none.
struct TTrennung {
    QChar Trennzeichen;
    QChar Satzende;
};

// The lines of a file as bytes: split at CR LF, LF or CR, without empty lines and the end-of-file mark.
// nummern, where given, receives the number of each line in the file, counted from 1.
QList<QByteArray> RohzeilenLesen(const QByteArray& inhalt, QList<int>* nummern = nullptr);
// Decides the encoding from a byte-order mark (which it removes) or from the first four lines. UTF-8
// decided for a file with lines that are no UTF-8 leaves every choice open: the file is mixed.
TKodierungswahl KodierungErkennen(QList<QByteArray>& zeilen);
QString Dekodieren(const QByteArray& zeile, TKodierung kodierung);
// The separator from the first line; a first line that only names the separator (and the record end)
// is removed.
TTrennung TrennungErkennen(QStringList& zeilen);
// The fields of a line: quotes protect separators and are taken off; blanks and control characters
// at either end go.
QStringList ZeileZerlegen(QString zeile, const TTrennung& trennung);

// Target fields of the import, six for teachers, five for the pupils of the families.
enum TLehrerfeld { LAnrede, LTitel, LZusatz, LName, LKuerzel, LRaum };
enum TSchuelerfeld { SVorname, SZusatz, SNachname, SKlasse, STelefon };
QStringList Zielfelder(bool lehrer);
// The column of each target field, -1 for none.
using TFeldzuordnung = std::array<int, 6>;
constexpr TFeldzuordnung KeineZuordnung{-1, -1, -1, -1, -1, -1};

// Names of fields are never empty: a first line with an empty field is a record.
bool ErsteZeileIstDatensatz(const QStringList& kopf);

// An import file as a table: the header fields naming the columns and the records below.
class TTextimport {
public:
    static TTextimport Lesen(const QByteArray& inhalt);

    TKodierungswahl Wahl;
    TKodierung Kodierung = TKodierung::Windows;
    TTrennung Trennung;
    QStringList Kopf;
    std::vector<QStringList> Zeilen;
    // The first line is a record, not the names of the fields.
    bool KopfIstDatensatz = false;
    // The lines of the file, counted from 1, that UTF-8 cannot read.
    QList<int> Utf8Fehlzeilen;

    // Decodes every line again from the bytes.
    void KodierungSetzen(TKodierung kodierung);
    void KopfAlsDatensatz(bool an);
    int Spalten() const { return static_cast<int>(Kopf.size()); }
    QString Feld(size_t zeile, int spalte) const;
    // The texts of a record for the targets; an unassigned target gives an empty text.
    std::array<QString, 6> Felder(size_t zeile, const TFeldzuordnung& zuordnung) const;

private:
    void Aufbauen();
    QList<QByteArray> Roh;
};

// The assignment of the previous import, when the same columns stand in the same places again.
std::optional<TFeldzuordnung> ZuordnungWiederherstellen(const TImportVorgabe& vorgabe,
                                                        const TTextimport& datei, uint32_t dateityp);
TImportVorgabe ZuordnungMerken(const TFeldzuordnung& zuordnung, const TTextimport& datei, uint32_t dateityp);
