#include "Datumstexte.h"
#include "Projekt.h"
#include "TypFunc.h"

QString TPerson::VollName() const {
    return Zusatz.isEmpty() ? Name : Zusatz + u' ' + Name;
}

QString TPerson::AnschriftMitTitel(bool adressat, const QString& titel) const {
    QString text;
    if (adressat && Anrede == QLatin1String("Herr"))
        text = QStringLiteral("Herrn ");
    else if (!Anrede.isEmpty())
        text = Anrede + u' ';
    if (!titel.isEmpty()) text += titel + u' ';
    return text + VollName();
}

QString TPerson::Anschrift(bool adressat) const {
    return AnschriftMitTitel(adressat, {});
}

QString TLehrer::Anschrift(bool adressat) const {
    return AnschriftMitTitel(adressat, AkadTitel);
}

QString TKind::KindName() const {
    return Nachname.isEmpty() ? Vorname : Vorname + u' ' + Nachname;
}

QString TKind::KindMitKlasse() const {
    return Klasse.isEmpty() ? Vorname : QStringLiteral("%1 (%2)").arg(Vorname, Klasse);
}

QString TKind::KindNameMitKlasse() const {
    return Klasse.isEmpty() ? KindName() : QStringLiteral("%1 (%2)").arg(KindName(), Klasse);
}

QString TProjekt::TerminText(int slot) const {
    if (slot < 0 || slot >= SlotAnzahl) return QStringLiteral("nicht terminiert");
    return DatumKurz(DatumAusWert(Datum[TagVonSlot(slot)])) + QStringLiteral(", ") + Zeittexte[slot];
}

QString RaumAnzeige(const QString& raum) {
    const auto teile = raum.split(QChar(RaumTrenner));
    return teile.size() < 2 ? raum : teile[0] + QStringLiteral(", ") + teile[1];
}

QString RaumAmTag(const QString& raum, int tag) {
    const qsizetype trenner = raum.indexOf(QChar(RaumTrenner));
    if (trenner < 0) return raum;
    return tag == 0 ? raum.left(trenner) : raum.mid(trenner + 1);
}

QString TProjekt::RaumSetzen(const QString& alt, const QString& raum, bool tag1) const {
    if (!ZweiTage) return raum;
    const qsizetype trenner = alt.indexOf(QChar(RaumTrenner));
    QString raum1 = trenner < 0 ? alt : alt.left(trenner);
    QString raum2 = trenner < 0 ? alt : alt.mid(trenner + 1);
    (tag1 ? raum1 : raum2) = raum;
    return raum1 == raum2 ? raum1 : raum1 + QChar(RaumTrenner) + raum2;
}

QString Trimmen(const QString& text) {
    QString ergebnis;
    ergebnis.reserve(text.size());
    bool leer = false;
    for (QChar c : text) {
        if (c == u' ') {
            leer = true;
            continue;
        }
        if (leer && !ergebnis.isEmpty()) ergebnis += u' ';
        leer = false;
        ergebnis += c;
    }
    return ergebnis;
}

QString OhneLeerzeichen(const QString& text) {
    QString ergebnis = text;
    ergebnis.remove(u' ');
    return ergebnis;
}

QString Dateiname(const QString& text) {
    QString ergebnis = text;
    for (QChar& c : ergebnis)
        if (QStringView(u"\"/\\*?:<>|").contains(c)) c = u'_';
    return ergebnis;
}
