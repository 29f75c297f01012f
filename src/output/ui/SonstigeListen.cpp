#include "SonstigeListen.h"

#include <QMenu>
#include <QPushButton>

QMenu* SonstigeListenMenue(QPushButton* knopf) {
    auto* menue = new QMenu(knopf);
    for (const char* text : {"Statistik", "Raumzuordnung", "Gesprächsanzahlen für Lehrer",
                             "Nicht terminierte Gespräche", "Genagelte Gespräche", "Raumbelegung"})
        menue->addAction(QString::fromUtf8(text))->setEnabled(false);
    knopf->setMenu(menue);
    // Room for the menu arrow the style draws over the text's end.
    knopf->setMinimumWidth(knopf->sizeHint().width() + knopf->fontMetrics().averageCharWidth() * 3);
    return menue;
}
