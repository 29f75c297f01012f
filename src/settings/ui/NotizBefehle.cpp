#include "NotizBefehle.h"

#include "NotizForm.h"
#include "document/ProjektDokument.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "settings/Einstellungen.h"
#include "settings/Notizzettel.h"

#include <QAction>
#include <QToolTip>

TNotizBefehle::TNotizBefehle(const TBefehlsumgebung& umgebung, QObject* eltern)
    : TBefehlsgruppe(umgebung, eltern)
    , Form(new TNotizForm(umgebung.Fenster)) {
    connect(Form, &TNotizForm::HakenGeklickt, this, &TNotizBefehle::HakenGeklickt);
    connect(Form, &TNotizForm::NotizGeaendert, this, &TNotizBefehle::NotizGeaendert);
    connect(Form, &TNotizForm::Ausblenden, this, &TNotizBefehle::Ausblenden);
    connect(&U.Dokument, &TProjektDokument::ProjektErsetzt, this, &TNotizBefehle::Folgen);
    connect(&U.Dokument, &TProjektDokument::Geaendert, this, &TNotizBefehle::Folgen);
    Folgen();
}

TNotizBefehle::~TNotizBefehle() {
    if (Sichtbar != U.Programmwerte.Notiz)
        ProgrammwertSchreiben(U.Speicher, QStringLiteral("Notiz"), Sichtbar);
}

void TNotizBefehle::Anschliessen(QAction* aktion, void (TNotizBefehle::*handler)()) {
    connect(aktion, &QAction::triggered, this, handler);
    aktion->setCheckable(true);
    aktion->setChecked(Sichtbar);
    Menueeintrag = aktion;
    Aufnehmen(aktion, TRegel::Immer);
}

void TNotizBefehle::Notizzettel1Click() {
    if (Sichtbar) {
        Ausblenden();
        return;
    }
    UeberMenueGezeigt = true;
    Zeigen();
}

void TNotizBefehle::StartAnzeigen() {
    if (U.Programmwerte.Notiz) Zeigen();
}

void TNotizBefehle::NeuesProjektAnbieten() {
    if (Sichtbar || UeberMenueGezeigt || Versteckt) return;
    if (U.Meldungen.Meldung(QString::fromUtf8("VEL hat einen Notizzettel vorbereitet,\rauf dem Sie die "
                                              "durchgeführten Aktionen abhaken können.\r\rMöchten Sie ihn "
                                              "jetzt anzeigen?"),
                            QStringLiteral("Hinweis"), MeldungsArt::Frage, Knoepfe::JaNein,
                            Antwort::Ja) == Antwort::Ja)
        Zeigen();
}

void TNotizBefehle::Verbergen() {
    if (!Sichtbar || Verborgen) return;
    Verborgen = true;
    Form->hide();
}

void TNotizBefehle::Wiederherstellen() {
    if (!Verborgen) return;
    Verborgen = false;
    if (Sichtbar) Form->show();
}

void TNotizBefehle::Zeigen() {
    Sichtbar = true;
    if (Menueeintrag) Menueeintrag->setChecked(true);
    if (Verborgen) return;
    if (!Platziert) {
        Platziert = true;
        Form->Platzieren();
    }
    Form->show();
    Form->raise();
}

void TNotizBefehle::Ausblenden() {
    const bool erstesMal = !Versteckt && !UeberMenueGezeigt;
    Versteckt = true;
    Sichtbar = false;
    if (Menueeintrag) Menueeintrag->setChecked(false);
    const QPoint ecke = Form->geometry().topLeft();
    Form->hide();
    // Who hides the pad before ever showing it through the menu may not know where it comes back from.
    if (erstesMal)
        QToolTip::showText(ecke,
                           QString::fromUtf8("Den Notizzettel zeigen Sie wieder mit F11\noder im Menü "
                                             "„Ansicht“ über „Notizzettel“."),
                           U.Fenster);
}

void TNotizBefehle::Folgen() {
    if (TProjekt* p = Projekt()) HakenAbgleichen(*p);
    Form->Anzeigen(Projekt());
}

void TNotizBefehle::HakenGeklickt(int schritt) {
    const TBefehlsWache wache(U.Dokument);
    if (HakenUmschalten(Projekt(), schritt, U.Meldungen)) U.Dokument.Melden({});
}

void TNotizBefehle::NotizGeaendert(const QString& text) {
    TProjekt* p = Projekt();
    if (!p || p->NotizText == text) return;
    const TBefehlsWache wache(U.Dokument);
    p->NotizText = text;
    U.Dokument.Melden({});
}
