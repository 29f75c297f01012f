#include "Pdfliste.h"

#include "Listenseiten.h"
#include "Seitenmetrik.h"
#include "Zeichenziel.h"
#include "model/Projekt.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

QByteArray ListeAlsPdf(const TProjekt& projekt, const TSchuldaten& schule, const TListenAuftrag& auftrag,
                       const TListenZeilen& zeilen) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setCreator(QStringLiteral("VEL"));
        pdf.setTitle(QString::fromUtf8("Gesprächsliste für ") + auftrag.AktuellePerson->Name);
        pdf.setResolution(600);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      projekt.Listenlayout.Ausrichtung == 1 ? QPageLayout::Landscape
                                                                            : QPageLayout::Portrait,
                                      QMarginsF()));
        const TSeitenmetrik metrik = PdfMetrik(QSize(pdf.width(), pdf.height()));
        TSeitenziel ziel(pdf);
        ListeZeichnen(ziel, {projekt, schule, metrik, auftrag}, zeilen);
    }
    return puffer.data();
}
