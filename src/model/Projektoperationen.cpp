#include "Projektoperationen.h"

#include "Entnehmen.h"
#include "Meldung.h"
#include "Projekt.h"
#include "Projektdatei.h"
#include "VELMemStream.h"

namespace {

const QString KeinProjektText = QStringLiteral("Kein VEL-Projekt (oder eine zu alte Version)!");

void TermineLoeschen(const TProjekt& p, TZeiten& zeiten) {
    for (int s = 0; s <= p.LetzterSlot; ++s)
        if (p.ZeitAktiv[s] && zeiten[s] != SlotGesperrt) zeiten[s] = SlotFrei;
}

void Fehler(TMeldung& meldung, const QString& text) {
    meldung.Meldung(text, QStringLiteral("Fehler"), MeldungsArt::Fehler);
}

// Loads another project file for an import; false (after telling the user) when it is none.
bool ImportLaden(const QString& pfad, TVELMemStream& strom, TDateiformat& format, TMeldung& meldung) {
    QByteArray daten;
    QString fehler;
    if (!DateiLesen(pfad, daten, fehler)) {
        Fehler(meldung, fehler);
        return false;
    }
    strom = TVELMemStream(daten);
    format.Version = ProjektVersion(strom.KurzText());
    if (format.Version >= 0) return true;
    Fehler(meldung, KeinProjektText);
    return false;
}

// The Latin level names in the order of Klassenstufen, each followed by the next level.
const QStringList LateinNachfolger = {
    QStringLiteral("V"),    QStringLiteral("UIII"), QStringLiteral("IV"),
    QStringLiteral("OIII"), QStringLiteral("UII"),  QStringLiteral("OII"),
    QStringLiteral("UI"),   QStringLiteral("OI"),   QString::fromUtf8("¶¥")};

bool IstZiffer(QChar c) {
    return c >= u'0' && c <= u'9';
}

QString ZahlHoch(const QString& klasse) {
    qsizetype anfang = 0;
    while (anfang < klasse.size() && !IstZiffer(klasse[anfang]))
        ++anfang;
    if (anfang == klasse.size()) return klasse;
    qsizetype ende = anfang;
    while (ende < klasse.size() && IstZiffer(klasse[ende]))
        ++ende;
    // Counted on the digits themselves, so that no length of number overflows.
    QString zahl = klasse.mid(anfang, ende - anfang);
    while (zahl.size() > 1 && zahl[0] == u'0')
        zahl.remove(0, 1);
    qsizetype i = zahl.size() - 1;
    for (; i >= 0 && zahl[i] == u'9'; --i)
        zahl[i] = u'0';
    if (i < 0)
        zahl.prepend(u'1');
    else
        zahl[i] = QChar(zahl[i].unicode() + 1);
    return klasse.left(anfang) + zahl + klasse.mid(ende);
}

void Versetzungsfrage(TProjekt& p, TElternliste& familien, const QString& gruppe, TMeldung& meldung) {
    const Antwort a = meldung.Meldung(
        QStringLiteral(
            "Sie haben Eltern und Schüler aus einem früheren VEL-Projekt importiert. Möchten Sie jetzt "
            "für %1 Schüler eine Versetzung durchführen?\r\r(Die Klassenstufen werden dann jeweils "
            "um 1 heraufgesetzt.)")
            .arg(gruppe),
        QStringLiteral("Import der Schüler aus einem früheren Projekt"), MeldungsArt::Frage, Knoepfe::JaNein,
        Antwort::Nein);
    if (a == Antwort::Ja) Versetzung(p, familien);
}

} // namespace

void PlanZuruecksetzen(TProjekt& p, TRueckCollection& rueck, bool erzwungen) {
    if (p.Gespraechsliste.Leer() && !erzwungen) return;
    p.TermineBerechnet = p.ReihenfolgeFest = p.UnmoeglichBestimmt = false;
    p.Handverschoben = 0;
    for (const auto& e : p.Elternliste)
        TermineLoeschen(p, e->Zeiten);
    for (const auto& l : p.Lehrerliste)
        TermineLoeschen(p, l->Zeiten);
    for (const auto& g : p.Gespraechsliste) {
        g->Termin = TerminOffen;
        g->SetGenagelt(false);
    }
    p.Laufzeit = 0;
    p.BelegungMarkieren();
    rueck.Clear();
}

QString KlasseHoch(const QString& klasse, bool latKlBez) {
    if (!latKlBez) return ZahlHoch(klasse);
    for (int i = 0; i < LateinNachfolger.size(); ++i) {
        const qsizetype pos = klasse.indexOf(Klassenstufen[i]);
        if (pos >= 0) return QString(klasse).replace(pos, Klassenstufen[i].size(), LateinNachfolger[i]);
    }
    return klasse; // no level name, or already past the last level
}

void Versetzung(TProjekt& p, TElternliste& familien) {
    constexpr int Abgang = 14;
    for (const auto& e : familien)
        for (int i = e->Kinder.Count() - 1; i >= 0; --i) {
            TKind* k = e->Kinder[i];
            k->Klasse = KlasseHoch(k->Klasse, p.LatKlBez);
            if (p.KlassenStufe(k->Klasse).Stufe >= Abgang) e->Kinder.Delete(i);
        }
}

bool ElternAusProjekt(TProjekt& p, TRueckCollection& rueck, const QString& pfad, bool behalten,
                      TMeldung& meldung) {
    TVELMemStream s;
    TDateiformat f;
    if (!ImportLaden(pfad, s, f, meldung)) return false;
    // Everything is read before the project changes, so that a damaged file changes nothing.
    TElternliste gelesen;
    ElternlisteLesen(s, f, p, gelesen);
    if (!s.LeseOK) {
        Fehler(meldung, BeschaedigtText(pfad));
        return false;
    }
    PlanZuruecksetzen(p, rueck, false);
    p.Gespraechsliste.Clear();
    if (behalten) {
        Versetzungsfrage(p, gelesen, QStringLiteral("die soeben importierten"), meldung);
        // A number given twice would join two families in the file; the counter must be right first.
        LetzteElternNrKorrigieren(p, meldung);
        for (auto& e : AllesEntnehmen(gelesen)) {
            e->Nummer = static_cast<int16_t>(++p.LetzteElternNr);
            p.Elternliste.Add(std::move(e));
        }
    } else {
        // Without conversations the reset above keeps the undo store, whose entries may name these families.
        rueck.Clear();
        p.Elternliste.Clear();
        for (auto& e : AllesEntnehmen(gelesen))
            p.Elternliste.Add(std::move(e));
        p.LetzteElternNr = 0;
        for (const auto& e : p.Elternliste)
            e->Nummer = static_cast<int16_t>(++p.LetzteElternNr);
        Versetzungsfrage(p, p.Elternliste, QStringLiteral("alle"), meldung);
    }
    LetzteElternNrKorrigieren(p, meldung);
    for (const auto& e : p.Elternliste) {
        e->Zeiten = p.Standardsperre;
        for (const auto& k : e->Kinder)
            k->AltKuerzel.reset();
    }
    p.ZaehleGespraeche();
    return !p.Elternliste.Leer();
}

bool LehrerAusProjekt(TProjekt& p, const QString& pfad, TMeldung& meldung) {
    if (!p.Gespraechsliste.Leer()) return false;
    TVELMemStream s;
    TDateiformat f;
    if (!ImportLaden(pfad, s, f, meldung)) return false;
    TProjekt verworfen;
    ElternlisteLesen(s, f, verworfen, verworfen.Elternliste);
    s.Ueberspringen(2);
    TLehrerliste gelesen;
    LehrerlisteLesen(s, f, p.Standardsperre, gelesen);
    if (!s.LeseOK) {
        Fehler(meldung, BeschaedigtText(pfad));
        return false;
    }
    p.Lehrerliste.Clear();
    for (auto& l : AllesEntnehmen(gelesen)) {
        l->Zeiten = p.Standardsperre;
        p.Lehrerliste.Add(std::move(l));
    }
    p.BelegungMarkieren();
    return true;
}

QString NeuerProjektName(const QString& vorgabe) {
    // Every digit after "Proj-" counts, so that the names go on past "Proj-999".
    bool ok = false;
    const qulonglong nummer = vorgabe.mid(5).toULongLong(&ok);
    return QStringLiteral("Proj-%1").arg(ok ? nummer + 1 : 0);
}

void ZweiTageBestimmen(TProjekt& p) {
    bool tag2 = false;
    for (int s = SlotsProTag; s < SlotAnzahl; ++s)
        tag2 = tag2 || p.ZeitAktiv[s];
    p.ZweiTage = p.Datum[1] != 0 && tag2;
    p.LetzterSlot = p.ZweiTage ? SlotAnzahl - 1 : SlotsProTag - 1;
}
