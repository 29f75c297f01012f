#include "DrBereich.h"

#include "model/Projekt.h"
#include "ui/Eingabehilfen.h"
#include "ui/Hilfekontext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

template <class T> T* Benannt(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QComboBox* Listenbox(const char* name) {
    auto* box = Benannt(new QComboBox, name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(28);
    box->setMaxVisibleItems(20);
    return box;
}

QString Tipp(const char* text) {
    return QString::fromUtf8(text).replace(u'\r', u'\n');
}

} // namespace

TDrBereich::TDrBereich(const TProjekt& projekt, bool fuerEltern, bool alsPdf, const QString& ziel,
                       TDrucklaufStand& stand, QWidget* parent)
    : QDialog(parent)
    , P(projekt)
    , Stand(stand)
    , FuerEltern(fuerEltern)
    , AlsPdf(alsPdf) {
    HilfekontextSetzen(this, Hilfekontext::Drucken);
    setWindowTitle(QStringLiteral("Listen drucken"));

    Label6 = Benannt(new QLabel, "Label6");
    QFont titel = Label6->font();
    titel.setBold(true);
    titel.setPointSizeF(titel.pointSizeF() * 1.2);
    Label6->setFont(titel);

    ZielPanel = Benannt(new QGroupBox, "ZielPanel");
    ZielTitel = Benannt(new QLabel(alsPdf ? QStringLiteral("pdf-Export in den Ordner")
                                          : QStringLiteral("Gewählter Drucker:")),
                        "ZielTitel");
    ZielText = Benannt(new QLabel(ziel), "ZielText");
    ZielText->setWordWrap(true);
    ZielText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont fett = ZielText->font();
    fett.setBold(true);
    ZielText->setFont(fett);
    auto* zielLayout = new QVBoxLayout(ZielPanel);
    zielLayout->addWidget(ZielTitel);
    zielLayout->addWidget(ZielText);
    if (alsPdf) {
        // A red panel tells at a glance that nothing goes to the printer.
        ZielPanel->setAutoFillBackground(true);
        QPalette rot = ZielPanel->palette();
        rot.setColor(QPalette::Window, QColor(0xC0, 0x10, 0x10));
        rot.setColor(QPalette::WindowText, Qt::white);
        ZielPanel->setPalette(rot);
    }

    Reihenfolge = Benannt(new QWidget, "Reihenfolge");
    auto* reihenfolge = new QHBoxLayout(Reihenfolge);
    reihenfolge->setContentsMargins(0, 0, 0, 0);
    reihenfolge->addWidget(new QLabel(QStringLiteral("Reihenfolge:")));
    reihenfolge->addWidget(new QLabel(QStringLiteral("entsprechend der Sortierung der Elternliste ")));
    reihenfolge->addStretch();

    RadioGroup1 = Benannt(new QGroupBox(QString::fromUtf8("Für jedes Kind eine Liste, unabhängig von "
                                                          "Geschwistern?")),
                          "RadioGroup1");
    RBJa = Benannt(new QRadioButton(QStringLiteral("Ja")), "RBJa");
    RBNein = Benannt(new QRadioButton(QStringLiteral("Nein")), "RBNein");
    RBJa->setToolTip(
        Tipp("Mit JA bekommen die Eltern für jedes Kind\rmit Gesprächswunsch ihre Gesprächsliste."));
    RBNein->setToolTip(
        Tipp("Mit NEIN bekommen die Eltern\rauch bei mehreren Kindern\rnur eine einzige Liste"));
    RBNein->setChecked(true);
    auto* frage = new QHBoxLayout(RadioGroup1);
    frage->addWidget(RBJa);
    frage->addWidget(RBNein);
    frage->addStretch();

    auto* bereich = Benannt(new QGroupBox, "Bereichswahl");
    RBAlle = Benannt(new QRadioButton(QStringLiteral("Alle Listen")), "RBAlle");
    RBBereich = Benannt(new QRadioButton(QStringLiteral("Listen von ... bis ...")), "RBBereich");
    ComboBox3 = Benannt(new QComboBox, "ComboBox3");
    ComboBox3->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ComboBox1 = Listenbox("ComboBox1");
    ComboBox2 = Listenbox("ComboBox2");
    AnzahlText = Benannt(new QLabel, "AnzahlText");
    Edit1 = Benannt(new QLineEdit, "Edit1");
    // A project holds at most 65535 families or teachers, so five digits take any count.
    constexpr int Stellen = 5;
    Edit1->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9 ]{0,%1}").arg(Stellen)), Edit1));
    Edit1->setMaxLength(Stellen);
    Edit1->setFixedWidth(Edit1->fontMetrics().horizontalAdvance(QString(Stellen + 1, u'0')) + 12);
    Edit1->setAlignment(Qt::AlignRight);
    auto* raster = new QGridLayout(bereich);
    raster->setColumnMinimumWidth(0, 20);
    raster->addWidget(RBAlle, 0, 0, 1, 2);
    raster->addWidget(RBBereich, 1, 0, 1, 2);
    raster->addWidget(ComboBox3, 1, 2, Qt::AlignRight);
    raster->addWidget(ComboBox1, 2, 1, 1, 2);
    raster->addWidget(ComboBox2, 3, 1, 1, 2);
    auto* anzahl = new QHBoxLayout;
    anzahl->addWidget(AnzahlText);
    anzahl->addWidget(Edit1);
    anzahl->addStretch();
    raster->addLayout(anzahl, 4, 0, 1, 3);
    raster->setColumnStretch(1, 1);

    CB_tueraushang =
        Benannt(new QCheckBox(QString::fromUtf8("Eltern- und Kindnamen ausblenden (z.B. für Türaushang)")),
                "CB_tueraushang");
    CB_tueraushang->setChecked(stand.Tueraushang);
    cbUmb = Benannt(new QCheckBox(QStringLiteral("Einzelseiten pro Tag")), "cbUmb");
    cbUmb->setChecked(fuerEltern ? projekt.Listenlayout.EinzellistenProTagE
                                 : projekt.Listenlayout.EinzellistenProTagL);

    StartBtn = Benannt(new QPushButton(alsPdf ? QStringLiteral("Speichern starten")
                                              : QStringLiteral("Druckvorgang starten")),
                       "StartBtn");
    AbbrBtn = Benannt(new QPushButton(QStringLiteral("Abbrechen")), "AbbrBtn");
    StartBtn->setDefault(true);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(StartBtn);
    knoepfe->addWidget(AbbrBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label6);
    layout->addWidget(ZielPanel);
    layout->addWidget(Reihenfolge);
    layout->addWidget(RadioGroup1);
    layout->addWidget(bereich);
    layout->addWidget(CB_tueraushang);
    layout->addWidget(cbUmb);
    layout->addSpacing(6);
    layout->addLayout(knoepfe);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const bool klassen = fuerEltern && ProKindMoeglich(projekt);
    Reihenfolge->setVisible(fuerEltern);
    RadioGroup1->setVisible(klassen);
    ComboBox3->setVisible(klassen);
    CB_tueraushang->setVisible(!fuerEltern && !alsPdf);
    cbUmb->setVisible(projekt.ZweiTage);

    Aufbauen();
    Texte();
    StartBtn->setFocus();

    connect(RBJa, &QRadioButton::clicked, this, &TDrBereich::RadioGroup1Click);
    connect(RBNein, &QRadioButton::clicked, this, &TDrBereich::RadioGroup1Click);
    connect(RBAlle, &QRadioButton::clicked, this, &TDrBereich::AlleClick);
    connect(ComboBox1, &QComboBox::activated, this, &TDrBereich::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TDrBereich::ComboBox2Change);
    connect(ComboBox3, &QComboBox::activated, this, &TDrBereich::ComboBox3Change);
    connect(Edit1, &QLineEdit::textEdited, this, &TDrBereich::Edit1Change);
    // While typing the field keeps what was typed; afterwards it shows the count the range really has.
    connect(Edit1, &QLineEdit::editingFinished, this, [this] { Anzeigen(); });
    connect(CB_tueraushang, &QCheckBox::toggled, this, &TDrBereich::Texte);
    connect(StartBtn, &QPushButton::clicked, this, &TDrBereich::StartBtnClick);
    connect(AbbrBtn, &QPushButton::clicked, this, &QDialog::reject);
    for (QWidget* feld : std::initializer_list<QWidget*>{ComboBox1, ComboBox2, Edit1})
        FilterAnbringen(feld, [this](QEvent* e) {
            if (e->type() == QEvent::FocusIn) RBBereich->setChecked(true);
            return false;
        });
}

bool TDrBereich::EinzelseitenProTag() const {
    return cbUmb->isChecked();
}

void TDrBereich::Aufbauen() {
    B = BereichAufbauen(P, FuerEltern, RBJa->isChecked());
    QStringList texte;
    for (const auto& e : B.Eintraege)
        texte << e.Text;
    for (QComboBox* box : {ComboBox1, ComboBox2}) {
        box->clear();
        box->addItems(texte);
    }
    ComboBox3->clear();
    ComboBox3->addItem(QStringLiteral("Klasse"));
    for (const QString& k : B.Klassen)
        ComboBox3->addItem(KlassenText(k), k);
    // The other mode also continues where the last run stopped: that run may have used either mode.
    (Stand.Vorschlagen(B) ? RBBereich : RBAlle)->setChecked(true);
    StartBtn->setEnabled(!B.Eintraege.empty());
    Anzeigen();
}

void TDrBereich::Anzeigen(bool mitAnzahl) {
    ComboBox1->setCurrentIndex(B.Eintraege.empty() ? -1 : B.Erster);
    ComboBox2->setCurrentIndex(B.Eintraege.empty() ? -1 : B.Letzter);
    if (mitAnzahl) Edit1->setText(QString::number(std::max(B.Anzahl(), 0)));
}

void TDrBereich::Texte() {
    const bool tuer = !FuerEltern && !AlsPdf && CB_tueraushang->isChecked();
    const QString art = tuer ? QStringLiteral("Termin") : QString::fromUtf8("Gesprächs");
    Label6->setText((FuerEltern ? QString::fromUtf8("Gesprächslisten für Eltern ")
                                : art + QString::fromUtf8("listen für Lehrer ")) +
                    (AlsPdf ? QStringLiteral("speichern") : QStringLiteral("drucken")));
    AnzahlText->setText(QStringLiteral("Gewählte Anzahl von ") + art + QStringLiteral("listen"));
}

void TDrBereich::RadioGroup1Click() {
    if (B.ProKind == RBJa->isChecked()) return;
    Aufbauen();
}

void TDrBereich::AlleClick() {
    B.AlleWaehlen();
    Anzeigen();
}

void TDrBereich::ComboBox1Change(int index) {
    B.VonSetzen(index);
    RBBereich->setChecked(true);
    Anzeigen();
}

void TDrBereich::ComboBox2Change(int index) {
    B.BisSetzen(index);
    RBBereich->setChecked(true);
    Anzeigen();
}

void TDrBereich::ComboBox3Change(int index) {
    if (index <= 0) {
        B.AlleWaehlen();
        RBAlle->setChecked(true);
    } else if (B.KlasseWaehlen(ComboBox3->itemData(index).toString())) {
        RBBereich->setChecked(true);
    }
    Anzeigen();
}

void TDrBereich::Edit1Change() {
    B.AnzahlSetzen(Edit1->text().remove(u' ').toInt());
    RBBereich->setChecked(true);
    Anzeigen(false);
}

void TDrBereich::StartBtnClick() {
    if (RBAlle->isChecked()) B.AlleWaehlen();
    Stand.Tueraushang = !FuerEltern && !AlsPdf && CB_tueraushang->isChecked();
    Stand.Merken(B);
    accept();
}
