#include "RaumDlg.h"

#include "model/Meldung.h"
#include "model/Projekt.h"
#include "rooms/Raumzuweisung.h"
#include "ui/Arbeitsflaeche.h"
#include "ui/Hilfekontext.h"
#include "ui/Speicherbar.h"
#include "ui/Zeilenhoehe.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// A teacher's two rooms and the mark between them are one stored text.
constexpr qsizetype RaumLaenge = (MaxTextLaenge - 1) / 2;

constexpr int AlleLehrer = 0;
constexpr int NurMitGespraech = 1;
// The teacher of a row, as its place in the teacher list.
constexpr int RolleLehrer = Qt::UserRole;

} // namespace

TLRaumDlg::TLRaumDlg(TProjekt& projekt, TMeldung& meldungen, std::function<bool()> konflikteKlaeren,
                     std::function<void()> hilfe, QWidget* eltern)
    : QDialog(eltern)
    , Lvr(new QTreeWidget(this))
    , LblLehrer(new QLabel(this))
    , LblAnzahl(new QLabel(this))
    , Raumbez(new QLineEdit(this))
    , Raum2(new QLineEdit(this))
    , Anzeigen(new QButtonGroup(this))
    , LoeschenBtn(new QPushButton(QString::fromUtf8("Alle Räume löschen"), this))
    , UebernehmenBtn(new QPushButton(QString::fromUtf8("Ü&bernehmen"), this))
    , HilfeBtn(new QPushButton(QStringLiteral("Hilfe"), this))
    , SchliessenBtn(new QPushButton(QString::fromUtf8("Schli&eßen"), this))
    , DruckenBtn(new QPushButton(QStringLiteral("Drucken"), this))
    , TippBtn(new QPushButton(QStringLiteral("Tipp"), this))
    , Projekt(projekt)
    , Meldungen(meldungen)
    , KonflikteKlaeren(std::move(konflikteKlaeren)) {
    HilfekontextSetzen(this, Hilfekontext::Raumzuweisung);
    setWindowTitle(QString::fromUtf8("Räume zuweisen"));
    Lvr->setHeaderLabels({QString::fromUtf8("Kürzel"), QStringLiteral("Name"), QStringLiteral("Raum")});
    Lvr->setRootIsDecorated(false);
    Lvr->setItemDelegate(new TZeilenDelegate(Lvr));
    Lvr->setSelectionMode(QAbstractItemView::SingleSelection);
    Lvr->setAllColumnsShowFocus(true);

    auto* haupt = new QHBoxLayout(this);
    auto* links = new QVBoxLayout;
    links->addWidget(Lvr, 1);
    auto* anzeigen = new QGroupBox(QStringLiteral("Anzeigen:"), this);
    auto* radios = new QHBoxLayout(anzeigen);
    for (const char* text : {"Alle Lehrer", "Nur Lehrer mit Gespräch"}) {
        auto* r = new QRadioButton(QString::fromUtf8(text), anzeigen);
        Anzeigen->addButton(r, static_cast<int>(Anzeigen->buttons().size()));
        radios->addWidget(r);
    }
    links->addWidget(anzeigen);
    haupt->addLayout(links, 1);

    auto* rechts = new QVBoxLayout;
    QFont fett = LblLehrer->font();
    fett.setBold(true);
    LblLehrer->setFont(fett);
    LblLehrer->setWordWrap(true);
    rechts->addWidget(LblLehrer);
    rechts->addWidget(LblAnzahl);
    const bool zweiTage = Projekt.ZweiTage;
    if (zweiTage) rechts->addWidget(new QLabel(QStringLiteral("1.Tag oder beide Tage"), this));
    rechts->addWidget(Raumbez);
    if (zweiTage) rechts->addWidget(new QLabel(QStringLiteral("ggf. abweichender Raum am 2.Tag"), this));
    rechts->addWidget(Raum2);
    Raum2->setVisible(zweiTage);
    NurSpeicherbar(this, {Raumbez, Raum2}, TSpeicherhinweis::Zeigen, RaumLaenge);
    rechts->addWidget(UebernehmenBtn);
    rechts->addStretch();
    for (QPushButton* b : {LoeschenBtn, TippBtn, HilfeBtn, DruckenBtn, SchliessenBtn})
        rechts->addWidget(b);
    haupt->addLayout(rechts);

    UebernehmenBtn->setDefault(true);
    // Enter goes to "Übernehmen"; only once the walk has reached "Schließen" does it close.
    for (QPushButton* b : {LoeschenBtn, TippBtn, HilfeBtn, DruckenBtn})
        b->setAutoDefault(false);
    SchliessenBtn->setToolTip(QString::fromUtf8("Übernehmen & Schließen"));
    DruckenBtn->setToolTip(QStringLiteral("Ohne Rückfrage sofort drucken"));
    connect(DruckenBtn, &QPushButton::clicked, this, [this] {
        if (RaumlisteDrucken) RaumlisteDrucken(Anzeigen->checkedId() == AlleLehrer);
    });
    auto* tipps = new QMenu(TippBtn);
    tipps->addAction(QStringLiteral("Tipp"), this, &TLRaumDlg::Tipp);
    AnmerkungLehrer = tipps->addAction(QString(), this, [this] {
        if (Anmerken && Aktuell()) Anmerken(Aktuell(), false, this);
    });
    tipps->addAction(QString::fromUtf8("Anmerkungen für alle Lehrer"), this, [this] {
        if (Anmerken) Anmerken(nullptr, false, this);
    });
    TippBtn->setMenu(tipps);

    connect(UebernehmenBtn, &QPushButton::clicked, this, &TLRaumDlg::Uebernehmen);
    connect(LoeschenBtn, &QPushButton::clicked, this, &TLRaumDlg::AlleLoeschen);
    connect(SchliessenBtn, &QPushButton::clicked, this, &TLRaumDlg::Schliessen);
    connect(HilfeBtn, &QPushButton::clicked, this, [hilfe] {
        if (hilfe) hilfe();
    });
    connect(Lvr, &QTreeWidget::currentItemChanged, this, &TLRaumDlg::ZeileGewaehlt);
    connect(Lvr, &QTreeWidget::itemDoubleClicked, this, [this] { Raumbez->setFocus(); });
    connect(Anzeigen, &QButtonGroup::idClicked, this, [this] {
        const TLehrer* vorher = Aktuell();
        Fuellen();
        Waehlen(vorher);
    });

    Projekt.ZaehleGespraeche();
    const bool gespraeche = !Projekt.Gespraechsliste.Leer();
    Anzeigen->button(gespraeche ? NurMitGespraech : AlleLehrer)->setChecked(true);
    for (QAbstractButton* b : Anzeigen->buttons())
        b->setEnabled(gespraeche);
    Aktivieren();
    Anfangsgroesse(this, QSize(720, 480));
}

// Every showing starts at the first teacher, ready for typing.
void TLRaumDlg::Aktivieren() {
    DruckenBtn->setEnabled(!QPrinterInfo::defaultPrinterName().isEmpty());
    Fuellen();
    Waehlen(nullptr);
    Raumbez->setFocus();
}

TLehrer* TLRaumDlg::Aktuell() const {
    const QTreeWidgetItem* zeile = Lvr->currentItem();
    if (!zeile) return nullptr;
    const int i = zeile->data(0, RolleLehrer).toInt();
    return i >= 0 && i < Projekt.Lehrerliste.Count() ? Projekt.Lehrerliste[i] : nullptr;
}

void TLRaumDlg::Fuellen() {
    const QSignalBlocker sperre(Lvr);
    Lvr->clear();
    const bool alle = Anzeigen->checkedId() == AlleLehrer;
    for (int i = 0; i < Projekt.Lehrerliste.Count(); ++i) {
        const TLehrer* l = Projekt.Lehrerliste[i];
        if (!alle && l->Zaehler == 0) continue;
        auto* zeile = new QTreeWidgetItem({l->Kuerzel, l->Anschrift(false), RaumAnzeige(l->Raum)});
        zeile->setData(0, RolleLehrer, i);
        Lvr->addTopLevelItem(zeile);
    }
    for (int i = 0; i < Lvr->columnCount(); ++i)
        Lvr->resizeColumnToContents(i);
}

void TLRaumDlg::Waehlen(const TLehrer* lehrer) {
    QTreeWidgetItem* ziel = Lvr->topLevelItem(0);
    for (int z = 0; lehrer && z < Lvr->topLevelItemCount(); ++z)
        if (Projekt.Lehrerliste[Lvr->topLevelItem(z)->data(0, RolleLehrer).toInt()] == lehrer)
            ziel = Lvr->topLevelItem(z);
    Lvr->setCurrentItem(ziel);
    ZeileGewaehlt();
}

void TLRaumDlg::ZeileGewaehlt() {
    const TLehrer* l = Aktuell();
    for (QWidget* w : std::initializer_list<QWidget*>{Raumbez, Raum2, UebernehmenBtn})
        w->setEnabled(l != nullptr);
    AnmerkungLehrer->setEnabled(l != nullptr);
    AnmerkungLehrer->setText(QString::fromUtf8("Anmerkungen für die Gesprächsliste von ") +
                             (l ? l->Anschrift(true) : QString()));
    if (!l) {
        // Nothing to assign: the dialog still opens and says so.
        LblLehrer->setText(Lvr->topLevelItemCount() == 0 && Projekt.Lehrerliste.Leer()
                               ? QString::fromUtf8("Es gibt noch keine Lehrkräfte, denen ein Raum zugewiesen "
                                                   "werden kann.")
                               : QString());
        LblAnzahl->clear();
        Raumbez->clear();
        Raum2->clear();
        return;
    }
    LblLehrer->setText(QString::fromUtf8("Raum für ") + l->Anschrift(true) + QStringLiteral(" (") +
                       l->Kuerzel + QStringLiteral("):"));
    LblAnzahl->setText(QString::fromUtf8("Gewünschte Gespräche: %1").arg(l->Zaehler));
    const auto [raum1, raum2] = RaumTeile(l->Raum);
    Raumbez->setText(raum1);
    Raum2->setText(raum2);
    Lvr->scrollToItem(Lvr->currentItem());
}

bool TLRaumDlg::EditsUebernehmen() {
    TLehrer* l = Aktuell();
    if (!l) return false;
    Raumbez->setText(Trimmen(Raumbez->text()));
    Raum2->setText(Trimmen(Raum2->text()));
    if (!RaumUebernehmen(*l, Raumbez->text(), Projekt.ZweiTage ? Raum2->text() : QString())) return false;
    Geaendert = true;
    const QSignalBlocker sperre(Lvr);
    Lvr->currentItem()->setText(2, RaumAnzeige(l->Raum));
    return true;
}

void TLRaumDlg::Uebernehmen() {
    if (Lvr->hasFocus()) {
        Raumbez->setFocus();
        return;
    }
    EditsUebernehmen();
    const int zeile = Lvr->indexOfTopLevelItem(Lvr->currentItem());
    if (zeile < 0 || zeile + 1 >= Lvr->topLevelItemCount()) {
        SchliessenBtn->setFocus();
        return;
    }
    Lvr->setCurrentItem(Lvr->topLevelItem(zeile + 1));
    Raumbez->selectAll();
    Raumbez->setFocus();
}

void TLRaumDlg::AlleLoeschen() {
    if (Meldungen.Meldung(QStringLiteral("Wollen Sie wirklich alle Raumzuweisungen aufheben?"),
                          QString::fromUtf8("Löschen?"), MeldungsArt::Frage, Knoepfe::JaNein,
                          Antwort::Nein) != Antwort::Ja)
        return;
    const TLehrer* vorher = Aktuell();
    AlleRaeumeLoeschen(Projekt.Lehrerliste);
    Geaendert = true;
    Fuellen();
    Waehlen(vorher);
}

void TLRaumDlg::Schliessen() {
    EditsUebernehmen();
    // The conflict window stands alone; hiding ends the modal loop, and exec() shows the dialog again
    // after "Zur Raumzuordnung".
    hide();
    if (!KonflikteKlaeren || KonflikteKlaeren()) {
        accept();
        return;
    }
    Korrektur = true;
}

int TLRaumDlg::exec() {
    int ergebnis = QDialog::exec();
    while (Korrektur) {
        Korrektur = false;
        Aktivieren();
        ergebnis = QDialog::exec();
    }
    return ergebnis;
}

void TLRaumDlg::done(int ergebnis) {
    // Whichever way the dialog closes, the rooms typed last are kept.
    EditsUebernehmen();
    QDialog::done(ergebnis);
}

void TLRaumDlg::Tipp() {
    Meldungen.Meldung(
        QString::fromUtf8("Das Programm ergänzt das Wort \"Raum\",\rwenn Sie als Raumbezeichnung nur "
                          "eine Zahl eintippen.\r\rBeispiel:\rStatt \"Raum 207\" brauchen Sie nur "
                          "\"207\" einzutippen."),
        QStringLiteral("Tipp"), MeldungsArt::Information);
}
