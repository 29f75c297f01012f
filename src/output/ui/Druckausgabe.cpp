#include "Druckausgabe.h"

#include "model/Meldung.h"
#include "model/Projekt.h"
#include "output/Listenseiten.h"
#include "output/Terminecode.h"
#include "output/Zeichenziel.h"

#include <QLocale>
#include <QPageLayout>
#include <QPrinter>

TSeitenmetrik GeraetMetrikLesen(QPrinter& drucker, const TProjekt& projekt) {
    return GeraetMetrikLesen(drucker, projekt.Listenlayout.Ausrichtung);
}

TSeitenmetrik GeraetMetrikLesen(QPrinter& drucker, uint8_t ausrichtung) {
    drucker.setPageOrientation(ausrichtung == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
    const int ppi = drucker.resolution();
    const QPageLayout seite = drucker.pageLayout();
    const QRect druckbar = seite.paintRectPixels(ppi);
    const QRect papier = seite.fullRectPixels(ppi);
    return GeraetMetrik(ppi, ppi, druckbar.size(), papier.size(), druckbar.topLeft() - papier.topLeft());
}

bool ListeDrucken(QPrinter& drucker, const QString& titel, const TProjekt& projekt, const TSchuldaten& schule,
                  const TListenAuftrag& auftrag, const TListenZeilen& zeilen, TTerminecodes* codes) {
    const TSeitenmetrik metrik = GeraetMetrikLesen(drucker, projekt);
    drucker.setDocName(titel);
    TSeitenziel ziel(drucker);
    if (!ziel.Maler().isActive()) return false;
    ListeZeichnen(ziel, {projekt, schule, metrik, auftrag, codes}, zeilen);
    return ziel.Maler().end();
}

bool EinzellisteDrucken(QPrinter& drucker, const TProjekt& projekt, const TSchuldaten& schule,
                        const TListenAuftrag& auftrag, const TListenZeilen& zeilen, bool mitCode,
                        TMeldung& meldung) {
    TTerminecodes codes(mitCode);
    const bool gedruckt =
        ListeDrucken(drucker, QString::fromUtf8("Gesprächsliste für ") + auftrag.AktuellePerson->Name,
                     projekt, schule, auftrag, zeilen, &codes);
    OhneCodeMelden(meldung, codes.OhneCodeAnzahl());
    return gedruckt;
}

bool RaenderPruefen(TSeitenraender& raender, const TSeitenmetrik& metrik, TMeldung& meldung) {
    const TSeitenraender breiter = RaenderMindestens(raender, metrik);
    if (breiter == raender) return false;
    const auto cm = [](double wert) { return QLocale(QLocale::German).toString(wert, 'f', 2); };
    const QString text =
        QString::fromUtf8(
            "Der Drucker kann einen Rand von links %1 cm, rechts %2 cm, oben %3 cm und unten %4 cm "
            "nicht bedrucken.\rDie eingestellten Seitenränder sind schmaler.\r\rSollen die "
            "Seitenränder auf diese Werte vergrößert werden?")
            .arg(cm(metrik.MinRandLinksCm), cm(metrik.MinRandRechtsCm), cm(metrik.MinRandObenCm),
                 cm(metrik.MinRandUntenCm));
    if (meldung.Meldung(text, QString::fromUtf8("Seitenränder"), MeldungsArt::Frage, Knoepfe::JaNein,
                        Antwort::Ja) != Antwort::Ja)
        return false;
    raender = breiter;
    return true;
}
