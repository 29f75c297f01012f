#include "NeuF.h"

#include "ui/Hilfekontext.h"
#include "ui/Symbole.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct TSchrittinfo {
    const char* Text;
    int Hilfekontext;
    const char* Bild;
};

const std::array<TSchrittinfo, TNeuF::Schritte> Schrittinfos = {{
    {"1.Aktion: Zeitrahmen\n\nLegen Sie das Datum und die Uhrzeiten für die Gespräche des Elternsprechtages "
     "fest.",
     10, "office-calendar"},
    {"2.Aktion:\n\nSie können eine Standardvorgabe für Zeitsperrungen bei Eltern und Lehrern festlegen.", 50,
     "system-lock-screen"},
    {"3.Aktion:\n\nMöchten Sie jetzt die Lehrerliste aus einer Datenbank-Datei importieren?\n\nSie können "
     "die "
     "Lehrer aus einer mit VEL erstellten Lehrerdatei, einem VEL-Projekt oder einer Text-Datei (*.txt, "
     "*.csv) "
     "einlesen.",
     55, "x-office-address-book"},
    {"4.Aktion:\n\nDie Elternliste wird aus Schülerdaten erstellt.\n\nDer Datenbank-Experte Ihrer Schule "
     "sollte "
     "Ihnen dafür eine Tabelle mit Schülerdaten zur Verfügung gestellt haben, die Vor- und Nachnamen, evt. "
     "Namenszusätze ('von' o.ä.), Klasse und Telefonnummer enthält. Diese Tabelle muss als reine Textdatei "
     "vorliegen (*.txt, *.csv).\n\nSie können auch Daten aus einem früheren VEL-Projekt übernehmen.",
     75, "system-users"},
    {"5.Aktion:\n\nSpeichern Sie jetzt Ihr Projekt unter neuem Namen.", 130, "document-save-as"},
    {"Sie können jetzt den Dialog schließen.\n\nEmpfehlung:\nFahren Sie fort mit einem der Menüpunkte:\n"
     "»Lehrerliste bearbeiten«\n»Elternliste sortieren«\n»Elternliste bearbeiten«\n\n(Weitere Hinweise "
     "finden Sie in der VEL-Hilfe.)",
     130, "dialog-information"},
}};

QString Kaestchen(bool an) {
    return an ? QStringLiteral("\u2611") : QStringLiteral("\u2610");
}

} // namespace

TNeuF::TNeuF(std::array<TAktion, Aktionen> aktionen, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , Ausfuehrung(std::move(aktionen)) {
    setWindowTitle(QString::fromUtf8("Assistent für ein neues Projekt"));

    auto* schritte = new QVBoxLayout;
    schritte->setSpacing(2);
    for (int s = 1; s <= Schritte; ++s) {
        const auto i = static_cast<size_t>(s - 1);
        auto* panel = new QFrame(this);
        Panels[i] = panel;
        auto* zeile = new QHBoxLayout(panel);
        zeile->setContentsMargins(6, 3, 6, 3);
        auto* bild = new QToolButton(panel);
        Bilder[i] = bild;
        bild->setIcon(Symbol(QLatin1String(Schrittinfos[i].Bild)));
        bild->setIconSize(QSize(32, 32));
        bild->setAutoRaise(true);
        // The keyboard walks the steps with the buttons below.
        bild->setFocusPolicy(Qt::NoFocus);
        bild->setToolTip(s < Schritte ? QStringLiteral("%1. Aktion").arg(s) : QStringLiteral("Abschluss"));
        connect(bild, &QToolButton::clicked, this, [this, s] { BildClick(s); });
        zeile->addWidget(bild);
        if (s <= Aktionen) {
            auto* haken = new QLabel(Kaestchen(false), panel);
            QFont gross = haken->font();
            gross.setPointSizeF(gross.pointSizeF() * 1.5);
            haken->setFont(gross);
            Haken[i] = haken;
            zeile->addWidget(haken);
        } else {
            zeile->addStretch();
        }
        schritte->addWidget(panel);
    }
    schritte->addStretch();

    Memo = new QPlainTextEdit(this);
    Memo->setReadOnly(true);
    Memo->setFocusPolicy(Qt::NoFocus);
    Memo->setMinimumWidth(Memo->fontMetrics().averageCharWidth() * 48);
    Memo->setMinimumHeight(Memo->fontMetrics().lineSpacing() * 16);

    BtnZurueck = new QPushButton(QString::fromUtf8("Zurück"), this);
    BtnAusfuehren = new QPushButton(QString::fromUtf8("Ausführen"), this);
    BtnUeberspringen = new QPushButton(QString::fromUtf8("Überspringen"), this);
    BtnHilfe = new QPushButton(QStringLiteral("Hilfe"), this);
    BtnAbbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* k : {BtnZurueck, BtnAusfuehren, BtnUeberspringen, BtnHilfe, BtnAbbruch}) {
        k->setAutoDefault(false);
        knoepfe->addWidget(k);
    }

    auto* raster = new QGridLayout(this);
    raster->addLayout(schritte, 0, 0);
    raster->addWidget(Memo, 0, 1);
    raster->addLayout(knoepfe, 1, 0, 1, 2);
    raster->setColumnStretch(1, 1);

    connect(BtnAusfuehren, &QPushButton::clicked, this, &TNeuF::AusfuehrenClick);
    connect(BtnUeberspringen, &QPushButton::clicked, this, &TNeuF::UeberspringenClick);
    connect(BtnZurueck, &QPushButton::clicked, this, &TNeuF::ZurueckClick);
    connect(BtnHilfe, &QPushButton::clicked, this, [this] { Q_EMIT HilfeAngefordert(Hilfekontext()); });
    connect(BtnAbbruch, &QPushButton::clicked, this, &QDialog::reject);

    BtnZurueck->setEnabled(false);
    BtnUeberspringen->setEnabled(false);
    Gehe(1);
}

int TNeuF::Hilfekontext() const {
    return Schrittinfos[static_cast<size_t>(Aktuell - 1)].Hilfekontext;
}

void TNeuF::AusfuehrenClick() {
    const int schritt = Aktuell;
    if (schritt == Schritte) {
        accept();
        return;
    }
    const bool erledigt = Ausfuehrung[static_cast<size_t>(schritt - 1)]();
    switch (schritt) {
    case 1:
        if (!erledigt) return Fokussieren();
        NeuesProjekt = true;
        BtnAbbruch->setText(QString::fromUtf8("Schließen"));
        Abhaken(1, true);
        break;
    case 2:
        Abhaken(2, erledigt);
        break;
    case 5:
        if (!erledigt) return Fokussieren();
        Abhaken(5, true);
        break;
    default:
        Abhaken(schritt, erledigt);
        if (!erledigt) return Fokussieren();
    }
    Gehe(schritt + 1);
}

void TNeuF::UeberspringenClick() {
    if (Aktuell < Schritte) Gehe(Aktuell + 1);
}

void TNeuF::ZurueckClick() {
    if (Aktuell > 1) Gehe(Aktuell - 1);
}

void TNeuF::BildClick(int schritt) {
    // Before the project exists, no later step has anything to work on.
    if (NeuesProjekt)
        Gehe(schritt);
    else
        Fokussieren();
}

void TNeuF::Gehe(int schritt) {
    Aktuell = schritt;
    for (int s = 1; s <= Schritte; ++s) {
        QFrame* panel = Panels[static_cast<size_t>(s - 1)];
        panel->setFrameStyle(s == schritt ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
        panel->setLineWidth(2);
    }
    Memo->setPlainText(QString::fromUtf8(Schrittinfos[static_cast<size_t>(schritt - 1)].Text));
    // F1 and the help button open the handbook at the step shown.
    HilfekontextSetzen(this, static_cast<::Hilfekontext>(Hilfekontext()));
    BtnZurueck->setEnabled(schritt > 1);
    BtnUeberspringen->setEnabled(NeuesProjekt && schritt < Schritte);
    (schritt == Schritte ? BtnAbbruch : BtnAusfuehren)->setDefault(true);
    (schritt == Schritte ? BtnAusfuehren : BtnAbbruch)->setDefault(false);
    Fokussieren();
}

void TNeuF::Abhaken(int aktion, bool erledigt) {
    Getan[static_cast<size_t>(aktion - 1)] = erledigt;
    Haken[static_cast<size_t>(aktion - 1)]->setText(Kaestchen(erledigt));
}

void TNeuF::Fokussieren() {
    (Aktuell == Schritte ? BtnAbbruch : BtnAusfuehren)->setFocus();
}
