#include "Pdfliste.h"

#include "Listenseiten.h"
#include "Seitenmetrik.h"
#include "Zeichenziel.h"
#include "model/Projekt.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>
#include <mutex>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Every page the PDF writer finishes passes through buffers of 16 MB; by default the allocator hands
// such memory back to the system after each page and has to fault it in again for the next one, which
// costs a fifth of the run. Keeping it in the process turns that into reuse.
void SpeicherBehalten() {
#ifdef __GLIBC__
    static std::once_flag einmal;
    std::call_once(einmal, [] {
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
    });
#endif
}

} // namespace

QByteArray PdfDokument(const QString& titel, bool quer,
                       const std::function<void(TZeichenziel&, const TSeitenmetrik&)>& zeichnen) {
    SpeicherBehalten();
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
                       const TListenZeilen& zeilen, TTerminecodes* codes) {
    return PdfDokument(QString::fromUtf8("Gesprächsliste für ") + auftrag.AktuellePerson->Name,
                       projekt.Listenlayout.Ausrichtung == 1,
                       [&](TZeichenziel& ziel, const TSeitenmetrik& metrik) {
                           ListeZeichnen(ziel, {projekt, schule, metrik, auftrag, codes}, zeilen);
                       });
}
