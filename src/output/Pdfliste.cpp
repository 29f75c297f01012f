#include "Pdfliste.h"

#include "Listenseiten.h"
#include "Seitenmetrik.h"
#include "Zeichenziel.h"
#include "model/Projekt.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

QByteArray PdfDokument(const QString& titel, bool quer,
                       const std::function<void(TZeichenziel&, const TSeitenmetrik&)>& zeichnen) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setCreator(QStringLiteral("VEL"));
        pdf.setTitle(titel);
        pdf.setResolution(600);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      quer ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
        const TSeitenmetrik metrik = PdfMetrik(QSize(pdf.width(), pdf.height()));
        TSeitenziel ziel(pdf);
        zeichnen(ziel, metrik);
    }
    return puffer.data();
}

QByteArray ListeAlsPdf(const TProjekt& projekt, const TSchuldaten& schule, const TListenAuftrag& auftrag,
                       const TListenZeilen& zeilen) {
    return PdfDokument(QString::fromUtf8("Gesprächsliste für ") + auftrag.AktuellePerson->Name,
                       projekt.Listenlayout.Ausrichtung == 1,
                       [&](TZeichenziel& ziel, const TSeitenmetrik& metrik) {
                           ListeZeichnen(ziel, {projekt, schule, metrik, auftrag}, zeilen);
                       });
}
