#include "Importquelle.h"

#include "model/Projekt.h"

#include <QFileInfo>

TImportquelle Importquelle(const QString& pfad) {
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung == QLatin1String("ldt")) return TImportquelle::Lehrerdatei;
    if (endung == QLatin1String("pdt")) return TImportquelle::Projekt;
    return TImportquelle::Text;
}

void LehrerImportAbschliessen(TProjekt& p) {
    p.Lehrerliste.LehrerSortieren();
    p.NotizHaken[Notizhaken::LehrerlisteErfasst] = true;
}

void ElternImportAbschliessen(TProjekt& p) {
    for (const auto& e : p.Elternliste)
        e->KinderSortieren(p.LatKlBez);
    p.ElternSortieren();
    p.NotizHaken[Notizhaken::ElternlisteErfasst] = !p.Elternliste.Leer();
}
