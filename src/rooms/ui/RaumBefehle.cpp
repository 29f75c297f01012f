#include "RaumBefehle.h"

#include "RaumDlg.h"
#include "UDoppelbelegung.h"
#include "document/ProjektDokument.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "rooms/Doppelbelegung.h"
#include "rooms/Raumzuweisung.h"

#include <QAction>
#include <QApplication>

void TRaumBefehle::Anschliessen(QAction* aktion, void (TRaumBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    Aufnehmen(aktion, TRegel::Lehrer);
}

void TRaumBefehle::LRaumZw1Click() {
    TProjekt* p = Projekt();
    if (!p) return;
    const TBefehlsWache wache(U.Dokument);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TLRaumDlg dlg(
        *p, U.Meldungen, [this] { return RaumkonfliktePruefen() == TFDoppelbelegung::Fortfahren; }, U.Hilfe,
        U.Fenster);
    QApplication::restoreOverrideCursor();
    dlg.RaumlisteDrucken = RaumlisteDrucken;
    dlg.Anmerken = Anmerken;
    dlg.exec();
    if (!dlg.Geaendert) return;
    RaeumeZugeordnetVermerken(*p);
    U.Dokument.Melden(TAenderung::Lehrer);
}

void TRaumBefehle::Raumzuw1Click() {
    const TProjekt* p = Projekt();
    if (!p) return;
    if (!p->NotizHaken[Notizhaken::ElternlisteBearbeitet])
        U.Meldungen.Meldung(
            QString::fromUtf8(
                "Es kann von Vorteil sein, die Raumzuweisung erst nach Eingabe aller Gesprächswünsche "
                "vorzunehmen.\r\r(Dieser Hinweis erscheint nicht mehr, wenn Sie auf dem Notizzettel "
                "[F11] den Haken für die Gesprächseingabe setzen.)"),
            QStringLiteral("Hinweis"), MeldungsArt::Information);
    LRaumZw1Click();
}

int TRaumBefehle::RaumkonfliktePruefen() {
    const TProjekt* p = Projekt();
    if (!p) return TFDoppelbelegung::Fortfahren;
    std::vector<TRaumkonflikt> konflikte = RaumkonflikteFinden(*p);
    if (konflikte.empty()) return TFDoppelbelegung::Fortfahren;
    TFDoppelbelegung dlg(std::move(konflikte), U.Fenster);
    return dlg.exec();
}
