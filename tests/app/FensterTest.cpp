#include "FensterTest.h"

#include "model/Datumstexte.h"
#include "output/ui/Statisik.h"
#include "settings/ui/Options.h"
#include "timeframe/ZRahmen.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

std::unique_ptr<TProjekt> ProjektMitRahmen(int slots, int abstand) {
    auto p = std::make_unique<TProjekt>();
    for (int s = 0; s < slots; ++s) {
        p->Zeittexte[static_cast<size_t>(s)] = UhrzeitText(16 * 60 + s * abstand);
        p->ZeitAktiv[static_cast<size_t>(s)] = true;
    }
    p->Datum[0] = WertAusDatum(QDate(2027, 3, 1));
    ZweiTageBestimmen(*p);
    return p;
}

std::unique_ptr<TProjekt> KleinesProjekt() {
    auto p = ProjektMitRahmen();
    TLehrer* mue = p->NeuerLehrer(QStringLiteral("Herr"), QStringLiteral("MUE"), QString::fromUtf8("Müller"),
                                  {}, QStringLiteral("Dr."));
    TLehrer* ber = p->NeuerLehrer(QStringLiteral("Frau"), QStringLiteral("BER"), QStringLiteral("Berg"),
                                  QStringLiteral("von"));
    p->Lehrerliste.LehrerSortieren();
    TEltern* maier = p->NeueFamilie(QStringLiteral("Familie"), QStringLiteral("Maier"));
    TKind* anna = p->NeuesKind(maier, QStringLiteral("Anna"), QStringLiteral("5a"));
    TKind* ben = p->NeuesKind(maier, QStringLiteral("Ben"), QStringLiteral("10b"));
    TEltern* acker = p->NeueFamilie(QStringLiteral("Frau"), QStringLiteral("Acker"), QStringLiteral("van"));
    p->NeuesKind(acker, QStringLiteral("Cem"), {});
    p->NeuesGespraech(mue, anna);
    p->NeuesGespraech(ber, anna)->SetKindKommtMit(true);
    p->NeuesGespraech(ber, ben);
    p->ListenSortierung = 0x80;
    for (const auto& e : p->Elternliste)
        e->KinderSortieren(p->LatKlBez);
    p->ElternSortieren();
    p->ZaehleGespraeche(); // as after reading a file
    return p;
}

void StartDruecken() {
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TOptDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->OkBtn->text(), "START");
        dialog->OkBtn->click();
    });
}

TStatistikWaechter::TStatistikWaechter() {
    connect(&Takt, &QTimer::timeout, this, [this] {
        auto* statistik = qobject_cast<TStatisk*>(QApplication::activeModalWidget());
        if (!statistik || !statistik->isVisible()) return;
        ++Gezeigt;
        Termine = statistik->Felder.value(QStringLiteral("AnzG"))->text();
        statistik->reject();
    });
    Takt.start(5);
}
