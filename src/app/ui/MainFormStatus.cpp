// The status bar: three counters and the date line.
#include "MainForm.h"

#include "model/Datumstexte.h"

#include <QDate>
#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>

void TVELWnd::StatusleisteAnlegen() {
    QStatusBar* leiste = statusBar();
    leiste->setObjectName(QStringLiteral("StatusBar1"));
    for (size_t i = 0; i < Panels.size(); ++i) {
        Panels[i] = new QLabel(leiste);
        Panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        leiste->addWidget(Panels[i], i + 1 == Panels.size() ? 1 : 0);
    }
    // Wide enough for the largest counts a school has.
    const char* const muster[] = {"Elternanzahl:++9999+", "Lehreranzahl:++9999+", "Gesprächsanzahl:++19999+"};
    const QFontMetrics masse(Panels[0]->font());
    for (int i = 0; i < 3; ++i)
        Panels[static_cast<size_t>(i)]->setFixedWidth(masse.horizontalAdvance(QString::fromUtf8(muster[i])) +
                                                      2 * Panels[0]->frameWidth() + 4);
}

void TVELWnd::StatusAktualisieren() {
    const int eltern = Projekt() ? Projekt()->Elternliste.Count() : 0;
    const int lehrer = Projekt() ? Projekt()->Lehrerliste.Count() : 0;
    const int gespraeche = Projekt() ? Projekt()->Gespraechsliste.Count() : 0;
    Panels[0]->setText(QStringLiteral("Elternanzahl: %1").arg(eltern));
    Panels[1]->setText(QStringLiteral("Lehreranzahl: %1").arg(lehrer));
    Panels[2]->setText(QString::fromUtf8("Gesprächsanzahl: %1").arg(gespraeche));
    DatumAnzeigen();
}

void TVELWnd::DatumAnzeigen() {
    QString text;
    if (!Projekt())
        text = DatumLang(QDate::currentDate());
    else if (Projekt()->ZweiTage)
        text = DatumKurz(DatumAusWert(Projekt()->Datum[0])) + QStringLiteral(" und ") +
               DatumKurz(DatumAusWert(Projekt()->Datum[1]));
    else
        text = QStringLiteral("Elternsprechtag am ") + DatumLang(DatumAusWert(Projekt()->Datum[0]));
    Panels[3]->setText(text);
}
