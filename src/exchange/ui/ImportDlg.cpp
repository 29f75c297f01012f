#include "ImportDlg.h"

#include "FamilienDialoge.h"
#include "exchange/Importgrenze.h"
#include "exchange/Kodierungsspuren.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "model/Textgrenze.h"
#include "settings/Einstellungen.h"
#include "ui/Arbeitsflaeche.h"
#include "ui/Eingabehilfen.h"
#include "ui/Hilfekontext.h"
#include "ui/Rollflaeche.h"
#include "ui/Zeilenhoehe.h"
#include "ui/Ziehzeiger.h"

#include <QApplication>
#include <QButtonGroup>
#include <QColor>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

const char* const ImportfeldMime = "application/x-vel-importfeld";

namespace {

QMimeData* Feldpaket(int quelle, int spalte) {
    auto* daten = new QMimeData;
    daten->setData(QLatin1String(ImportfeldMime),
                   QByteArray::number(quelle) + ';' + QByteArray::number(spalte));
    return daten;
}

// Source and column of a carried field; -2 as source when the data is none of ours.
std::pair<int, int> Feldinhalt(const QMimeData* daten) {
    if (!daten || !daten->hasFormat(QLatin1String(ImportfeldMime))) return {-2, -1};
    const QList<QByteArray> teile = daten->data(QLatin1String(ImportfeldMime)).split(';');
    if (teile.size() != 2) return {-2, -1};
    bool ok1 = false, ok2 = false;
    const int quelle = teile[0].toInt(&ok1);
    const int spalte = teile[1].toInt(&ok2);
    return ok1 && ok2 ? std::pair{quelle, spalte} : std::pair{-2, -1};
}

void Ziehen(QWidget* quelle, QMimeData* daten) {
    auto* drag = new QDrag(quelle);
    drag->setMimeData(daten);
    const QPixmap zeiger = ZiehzeigerLaden(TZiehzeiger::Ablegen).pixmap();
    if (!zeiger.isNull()) drag->setDragCursor(zeiger, Qt::MoveAction);
    drag->exec(Qt::MoveAction);
}

const QString Gelb = QStringLiteral("background-color: #FFFFC0; padding: 4px;");
// The frame keeps its width while it blinks, so that nothing moves.
const QString RahmenAus = QStringLiteral("QFrame#Rahmen2 { border: 3px solid palette(window); }");
const QString Grau = QStringLiteral("background-color: #D4D0C8; padding: 4px;");

} // namespace

int TImportModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(Datei.Zeilen.size());
}

int TImportModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : Datei.Spalten();
}

QVariant TImportModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid()) return {};
    const QString feld = Datei.Feld(static_cast<size_t>(index.row()), index.column());
    if (rolle == Qt::DisplayRole) return feld;
    // What the chosen encoding cannot read is marked, so that the user finds the names to check.
    if (rolle == Qt::BackgroundRole && feld.contains(QChar::ReplacementCharacter))
        return QColor(0xFF, 0xC8, 0xC8);
    return {};
}

QVariant TImportModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (rolle != Qt::DisplayRole) return {};
    if (richtung == Qt::Vertical) return abschnitt + 1;
    return Titel.value(abschnitt);
}

void TImportModell::Neu(const QStringList& titel) {
    beginResetModel();
    Titel = titel;
    endResetModel();
}

TFeldPanel::TFeldPanel(int ziel, QWidget* eltern)
    : TKurzLabel(eltern)
    , Ziel(ziel) {
    setAcceptDrops(true);
    // A grey line on all four sides: the light edges of a sunken panel vanish on its white ground, so
    // that the panels looked cut off on the right.
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    QPalette farben = palette();
    farben.setColor(QPalette::WindowText, farben.color(QPalette::Window).darker(150));
    setPalette(farben);
    setForegroundRole(QPalette::Text);
    setMargin(2);
    setMinimumWidth(140);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void TFeldPanel::mousePressEvent(QMouseEvent* e) {
    Start = e->position().toPoint();
    TKurzLabel::mousePressEvent(e);
}

void TFeldPanel::mouseMoveEvent(QMouseEvent* e) {
    if (!Belegt || !(e->buttons() & Qt::LeftButton) ||
        (e->position().toPoint() - Start).manhattanLength() < QApplication::startDragDistance())
        return;
    Ziehen(this, Feldpaket(Ziel, -1));
}

void TFeldPanel::dragEnterEvent(QDragEnterEvent* e) {
    const auto [quelle, spalte] = Feldinhalt(e->mimeData());
    if (quelle != -2 && quelle != Ziel && !Belegt) e->acceptProposedAction();
}

void TFeldPanel::dragMoveEvent(QDragMoveEvent* e) {
    const auto [quelle, spalte] = Feldinhalt(e->mimeData());
    if (quelle != -2 && quelle != Ziel && !Belegt) e->acceptProposedAction();
}

void TFeldPanel::dropEvent(QDropEvent* e) {
    if (Belegt || Feldinhalt(e->mimeData()).first == -2) return;
    e->setDropAction(Qt::MoveAction);
    e->accept();
    if (Abgelegt) Abgelegt(e->mimeData(), Ziel);
}

TFelderListe::TFelderListe(QWidget* eltern)
    : QListWidget(eltern) {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

QStringList TFelderListe::mimeTypes() const {
    return {QLatin1String(ImportfeldMime)};
}

QMimeData* TFelderListe::mimeData(const QList<QListWidgetItem*>& eintraege) const {
    if (eintraege.isEmpty()) return nullptr;
    return Feldpaket(-1, eintraege.first()->data(Qt::UserRole).toInt());
}

void TFelderListe::startDrag(Qt::DropActions) {
    if (QListWidgetItem* e = currentItem()) Ziehen(this, mimeData({e}));
}

void TFelderListe::dragEnterEvent(QDragEnterEvent* e) {
    if (Feldinhalt(e->mimeData()).first >= 0) e->acceptProposedAction();
}

void TFelderListe::dragMoveEvent(QDragMoveEvent* e) {
    if (Feldinhalt(e->mimeData()).first >= 0) e->acceptProposedAction();
}

void TFelderListe::dropEvent(QDropEvent* e) {
    if (Feldinhalt(e->mimeData()).first < 0) return;
    e->setDropAction(Qt::MoveAction);
    e->accept();
    if (Abgelegt) Abgelegt(e->mimeData(), -1);
}

TImportDlgf::TImportDlgf(const QString& datei, bool lehrer, uint32_t dateityp, TProjekt& projekt,
                         TMeldung& meldung, TEinstellungsSpeicher& speicher, QWidget* eltern)
    : QDialog(eltern)
    , Lehrer(lehrer)
    , Dateityp(dateityp)
    , Projekt(projekt)
    , Meldungen(meldung)
    , Speicher(speicher) {
    HilfekontextSetzen(this, lehrer ? Hilfekontext::Lehrerimportdialog : Hilfekontext::Elternimportdialog);
    QFile f(datei);
    Import = TTextimport::Lesen(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());

    setWindowTitle((lehrer ? QStringLiteral("Lehrerliste") : QStringLiteral("Eltern/Schüler-Daten")) +
                   QStringLiteral(" importieren aus ") + QFileInfo(datei).fileName());
    auto* aussen = new QVBoxLayout(this);

    auto* oben = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    links->addWidget(new QLabel(QStringLiteral("Felder in der Datenbank:"), this));
    FelderLB = new TFelderListe(this);
    FelderLB->setMinimumWidth(160);
    UmlautZeilen(FelderLB);
    links->addWidget(FelderLB);
    oben->addLayout(links);

    auto* mitte = new QVBoxLayout;
    Label3 = new QLabel(this);
    Label3->setWordWrap(true);
    Label3->setText(Zeilentext(
        QStringLiteral(
            "Klicken Sie links in der Liste jeweils das geeignete Feld der Datenbank an.\rZiehen Sie es "
            "mit gedrückter Maustaste in das entsprechende Feld für die ") +
        (lehrer ? QStringLiteral("Lehrerdaten.") : QStringLiteral("Schülerdaten."))));
    mitte->addWidget(Label3);
    auto* raster = new QGridLayout;
    const QStringList ziele = Zielfelder(lehrer);
    for (int j = 0; j < 6; ++j) {
        L[j] = new QLabel(ziele.value(j), this);
        P[j] = new TFeldPanel(j, this);
        L[j]->setObjectName(QStringLiteral("L%1").arg(j));
        P[j]->setObjectName(QStringLiteral("P%1").arg(j));
        P[j]->setMinimumHeight(fontMetrics().height() + 8);
        P[j]->Abgelegt = [this](const QMimeData* d, int ziel) { Ablegen(d, ziel); };
        raster->addWidget(L[j], j, 0);
        raster->addWidget(P[j], j, 1);
        const bool da = j < ziele.size();
        L[j]->setVisible(da);
        P[j]->setVisible(da);
    }
    mitte->addLayout(raster);
    mitte->addStretch();
    oben->addLayout(mitte, 1);

    Rahmen2 = new QFrame(this);
    Rahmen2->setObjectName(QStringLiteral("Rahmen2"));
    auto* rahmen = new QVBoxLayout(Rahmen2);
    rahmen->setContentsMargins(3, 3, 3, 3);
    Rahmen2->setStyleSheet(RahmenAus);
    Label2 = new QLabel(Rahmen2);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Label2->setFixedWidth(240);
    rahmen->addWidget(Label2);
    oben->addWidget(Rahmen2);
    aussen->addLayout(oben);

    auto* wahl = new QHBoxLayout;
    auto* kodierung = new QGroupBox(this);
    auto* kodierungZeile = new QHBoxLayout(kodierung);
    auto* kodierungen = new QButtonGroup(this);
    const QStringList namen{QStringLiteral("DOS-Text"), QStringLiteral("Windows-Text"),
                            QStringLiteral("UTF-8")};
    for (int i = 0; i < 3; ++i) {
        RBKodierung[i] = new QRadioButton(namen[i], kodierung);
        kodierungen->addButton(RBKodierung[i], i);
        kodierungZeile->addWidget(RBKodierung[i]);
    }
    wahl->addWidget(kodierung);
    auto* kopf = new QGroupBox(QStringLiteral("Diese Liste beginnt mit"), this);
    auto* kopfZeile = new QHBoxLayout(kopf);
    RBFeldbezeichnungen = new QRadioButton(QStringLiteral("Feldbezeichnungen"), kopf);
    RBDatensatz = new QRadioButton(QStringLiteral("dem 1.Datensatz"), kopf);
    kopfZeile->addWidget(RBFeldbezeichnungen);
    kopfZeile->addWidget(RBDatensatz);
    wahl->addWidget(kopf);
    auto* pruefen = new QLabel(
        QStringLiteral(
            "Prüfen Sie, ob Ihre Datei Feldbezeichnungen enthält oder gleich mit den Daten beginnt!"),
        this);
    pruefen->setWordWrap(true);
    wahl->addWidget(pruefen, 1);
    aussen->addLayout(wahl);

    aussen->addWidget(new QLabel(QStringLiteral("Datenbankinhalt"), this));
    lvDaten = new QTableView(this);
    Modell = new TImportModell(Import, this);
    lvDaten->setModel(Modell);
    lvDaten->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvDaten->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvDaten->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    lvDaten->horizontalHeader()->setTextElideMode(Qt::ElideRight);
    lvDaten->verticalHeader()->setDefaultSectionSize(Zeilenhoehe(fontMetrics()));
    lvDaten->verticalHeader()->hide();
    // The table's width is known only once its own area has been laid out, which may be after the
    // dialog's.
    FilterAnbringen(lvDaten->viewport(), [this](QEvent* e) {
        if (e->type() == QEvent::Resize) Spaltenbreiten();
        return false;
    });
    aussen->addWidget(lvDaten, 1);
    Label5 = new QLabel(this);
    aussen->addWidget(Label5);

    auto* knoepfe = new QHBoxLayout;
    BtnAbbrechen = new QPushButton(QStringLiteral("Import Abbrechen"), this);
    BtnOk = new QPushButton(QStringLiteral("OK"), this);
    BtnOk->setToolTip(QStringLiteral("Angezeigte Datenbank importieren"));
    BtnNeu = new QPushButton(QStringLiteral("Neu öffnen..."), this);
    BtnNeu->setToolTip(QStringLiteral("Eine andere Datei zum Import wählen"));
    BtnHilfe = new QPushButton(QStringLiteral("Hilfe"), this);
    for (QPushButton* b : {BtnAbbrechen, BtnOk, BtnNeu, BtnHilfe}) {
        b->setAutoDefault(false);
        knoepfe->addWidget(b);
    }
    BtnOk->setDefault(true);
    knoepfe->insertStretch(0);
    aussen->addLayout(knoepfe);

    Blinker = new QTimer(this);
    Blinker->setInterval(500);
    connect(Blinker, &QTimer::timeout, this, [this] {
        BlinkAn = !BlinkAn;
        Rahmen2->setStyleSheet(BlinkAn ? QStringLiteral("QFrame#Rahmen2 { border: 3px solid #00C000; }")
                                       : RahmenAus);
    });

    connect(kodierungen, &QButtonGroup::idClicked, this,
            [this](int id) { KodierungWaehlen(static_cast<TKodierung>(id)); });
    connect(RBFeldbezeichnungen, &QRadioButton::clicked, this, [this] { KopfWaehlen(false); });
    connect(RBDatensatz, &QRadioButton::clicked, this, [this] { KopfWaehlen(true); });
    connect(BtnAbbrechen, &QPushButton::clicked, this, [this] { done(2); });
    connect(BtnNeu, &QPushButton::clicked, this, [this] { done(4); });
    connect(BtnOk, &QPushButton::clicked, this, &TImportDlgf::OkClick);
    connect(BtnHilfe, &QPushButton::clicked, this, [this] {
        if (Hilfe) Hilfe();
    });
    FelderLB->Abgelegt = [this](const QMimeData* d, int ziel) { Ablegen(d, ziel); };

    RBKodierung[static_cast<int>(Import.Kodierung)]->setChecked(true);
    RBKodierung[0]->setEnabled(Import.Wahl.WahlFrei && Import.Wahl.DosMoeglich);
    RBKodierung[1]->setEnabled(Import.Wahl.WahlFrei);
    RBKodierung[2]->setEnabled(Import.Wahl.WahlFrei && Import.Wahl.Utf8Moeglich);

    if (const auto z = ZuordnungWiederherstellen(
            ImportVorgabeLesen(Speicher, lehrer ? QStringLiteral("ImportL") : QStringLiteral("ImportE")),
            Import, Dateityp)) {
        Felder = *z;
        Vorgabe = true;
    }
    Anzeigen();
    HinweisZeigen();
    // On a small screen the table and the fields scroll, never the buttons that end the dialog.
    Rollbar(this, knoepfe);
    Anfangsgroesse(this, QSize(860, 640));
    if (Vorgabe) BtnOk->setFocus();
}

TImportDlgf::~TImportDlgf() = default;

void TImportDlgf::FamilienSetzen(TRueckCollection& rueck, bool anhaengen, TFamilienImportStand& stand,
                                 TFamilienFragen* fragen) {
    Rueck = &rueck;
    Anhaengen = anhaengen;
    Stand = &stand;
    if (!fragen) {
        EigeneFragen = std::make_unique<TFensterFragen>(Meldungen, this);
        fragen = EigeneFragen.get();
    }
    Fragen = fragen;
}

bool TImportDlgf::Blinkt() const {
    return Blinker->isActive();
}

void TImportDlgf::HinweisZeigen() {
    if (Vorgabe) {
        Label2->setStyleSheet(Gelb);
        Label2->setText(Zeilentext(
            QStringLiteral("Die Felder dieser Datei konnten wie beim vorigen Import der %1liste "
                           "zugeordnet werden.\r\rSie können Ok klicken!\r\r(Oder korrigieren Sie die "
                           "Zuordnung der Felder, falls nötig.)")
                .arg(Lehrer ? QStringLiteral("Lehrer") : QStringLiteral("Eltern"))));
        Blinker->start();
        return;
    }
    Blinker->stop();
    Rahmen2->setStyleSheet(RahmenAus);
    Label2->setStyleSheet(Grau);
    Label2->setText(Lehrer ? Zeilentext(QStringLiteral(
                                 "Tipp:\rWenn die Datenbank kein Feld für die Anrede, aber eines für das "
                                 "Geschlecht enthält, nehmen Sie dieses für die Anrede!"))
                           : QString());
}

void TImportDlgf::Anzeigen() {
    const bool datensatz = Import.KopfIstDatensatz;
    (datensatz ? RBDatensatz : RBFeldbezeichnungen)->setChecked(true);
    const QStringList ziele = Zielfelder(Lehrer);
    QStringList titel;
    for (int k = 0; k < Import.Spalten(); ++k)
        titel << (datensatz ? QString() : Import.Kopf[k]);
    for (int j = 0; j < 6; ++j) {
        const int k = Felder[static_cast<size_t>(j)];
        P[j]->Belegt = k >= 0;
        P[j]->setText(k < 0                            ? QString()
                      : Import.Kopf.value(k).isEmpty() ? QStringLiteral("(- -)")
                                                       : Textanfang(Import.Kopf[k]));
        if (datensatz && k >= 0 && k < titel.size()) titel[k] = ziele.value(j);
    }
    Modell->Neu(titel);
    Spaltenbreiten();
    FelderLB->clear();
    for (int k = 0; k < Import.Spalten(); ++k) {
        if (std::find(Felder.begin(), Felder.end(), k) != Felder.end()) continue;
        auto* e = new QListWidgetItem(
            Import.Kopf[k].isEmpty() ? QStringLiteral("?") : Textanfang(Import.Kopf[k]), FelderLB);
        e->setData(Qt::UserRole, k);
    }
    Label5->setText(
        QStringLiteral("Anzahl der Datensätze in dieser Datenbank: %1").arg(Import.Zeilen.size()));
}

// The columns share the width equally, but not below a readable width; then the table scrolls.
void TImportDlgf::Spaltenbreiten() {
    const int spalten = Import.Spalten();
    if (spalten == 0) return;
    const int platz = lvDaten->viewport()->width();
    const int breite = std::max(platz / spalten, fontMetrics().horizontalAdvance(u'x') * 12);
    for (int k = 0; k < spalten; ++k)
        lvDaten->setColumnWidth(k, breite);
    // The last column takes what the equal shares leave over.
    if (breite * spalten < platz) lvDaten->setColumnWidth(spalten - 1, platz - breite * (spalten - 1));
}

namespace {

// The list entry before the place of column spalte (the column dragged), or the first.
int Vorgaenger(const QListWidget* liste, int spalte) {
    int zeile = 0;
    for (int i = 0; i < liste->count(); ++i)
        if (liste->item(i)->data(Qt::UserRole).toInt() < spalte) zeile = i;
    return zeile;
}

} // namespace

void TImportDlgf::Geaendert(int spalte) {
    Anzeigen();
    Vorgabe = false;
    HinweisZeigen();
    if (FelderLB->count() == 0)
        BtnOk->setFocus();
    else
        FelderLB->setCurrentRow(Vorgaenger(FelderLB, spalte));
}

void TImportDlgf::Ablegen(const QMimeData* daten, int ziel) {
    const auto [quelle, spalte] = Feldinhalt(daten);
    if (quelle == -1 && ziel >= 0)
        Zuordnen(ziel, spalte);
    else if (quelle >= 0 && ziel >= 0)
        Verschieben(quelle, ziel);
    else if (quelle >= 0 && ziel == -1)
        Freigeben(quelle);
}

bool TImportDlgf::Zuordnen(int ziel, int spalte) {
    if (ziel < 0 || ziel >= Zielfelder(Lehrer).size() || spalte < 0 || spalte >= Import.Spalten() ||
        Felder[static_cast<size_t>(ziel)] >= 0 ||
        std::find(Felder.begin(), Felder.end(), spalte) != Felder.end())
        return false;
    Felder[static_cast<size_t>(ziel)] = spalte;
    Geaendert(spalte);
    return true;
}

bool TImportDlgf::Verschieben(int von, int nach) {
    if (von < 0 || von >= 6 || nach < 0 || nach >= Zielfelder(Lehrer).size() || von == nach ||
        Felder[static_cast<size_t>(von)] < 0 || Felder[static_cast<size_t>(nach)] >= 0)
        return false;
    std::swap(Felder[static_cast<size_t>(von)], Felder[static_cast<size_t>(nach)]);
    Geaendert(Felder[static_cast<size_t>(nach)]);
    return true;
}

bool TImportDlgf::Freigeben(int ziel) {
    if (ziel < 0 || ziel >= 6 || Felder[static_cast<size_t>(ziel)] < 0) return false;
    const int spalte = Felder[static_cast<size_t>(ziel)];
    Felder[static_cast<size_t>(ziel)] = -1;
    Geaendert(spalte);
    return true;
}

void TImportDlgf::KodierungWaehlen(TKodierung k) {
    if (k == Import.Kodierung) return;
    Import.KodierungSetzen(k);
    RBKodierung[static_cast<int>(k)]->setChecked(true);
    // Another encoding may split the lines into other columns: what no longer exists is freed.
    for (int& z : Felder)
        if (z >= Import.Spalten()) z = -1;
    Anzeigen();
}

void TImportDlgf::KopfWaehlen(bool alsDatensatz) {
    Import.KopfAlsDatensatz(alsDatensatz);
    Anzeigen();
}

void TImportDlgf::showEvent(QShowEvent* ereignis) {
    QDialog::showEvent(ereignis);
    if (MischungGemeldet) return;
    MischungGemeldet = true;
    const QString befund = Utf8Mischbefund(Import);
    if (befund.isEmpty()) return;
    // Once the window stands, so that the marked names are seen behind the message.
    QTimer::singleShot(0, this, [this, befund] {
        Meldungen.Meldung(befund + QStringLiteral("\r\rBitte prüfen Sie die markierten Namen oder wählen "
                                                  "Sie eine andere Kodierung."),
                          QStringLiteral("Kodierung prüfen"), MeldungsArt::Warnung);
    });
}

void TImportDlgf::reject() {
    done(2);
}

bool TImportDlgf::Fehlt(int ziel, const char* text, const QString& titel) {
    if (Felder[static_cast<size_t>(ziel)] >= 0) return false;
    return Meldungen.Meldung(QString::fromUtf8(text), titel, MeldungsArt::Frage, Knoepfe::JaNein,
                             Antwort::Nein) == Antwort::Ja;
}

void TImportDlgf::OkClick() {
    Blinker->stop();
    Rahmen2->setStyleSheet(RahmenAus);
    if (!(Lehrer ? LehrerImport() : FamilienImport())) return;
    if (!Import.KopfIstDatensatz && !Vorgabe)
        ImportVorgabeSchreiben(Speicher, Lehrer ? QStringLiteral("ImportL") : QStringLiteral("ImportE"),
                               ZuordnungMerken(Felder, Import, Dateityp));
    done(1);
}

bool TImportDlgf::Speicherbar() {
    const QString grund = ZuLangesFeld(Import, Felder, Lehrer);
    if (grund.isEmpty()) return true;
    Meldungen.Meldung(grund, QString::fromUtf8(ZuLangTitel), MeldungsArt::Warnung);
    return false;
}

bool TImportDlgf::LehrerImport() {
    if (Felder[LName] < 0) {
        if (Fehlt(LName,
                  "Sie müssen für die Lehrernamen ein Feld aus der Datenbank auswählen!\rMöchten Sie den "
                  "Lehrer-Import abbrechen?",
                  QStringLiteral("Name fehlt")))
            done(2);
        return false;
    }
    if (Felder[LKuerzel] < 0 &&
        !Fehlt(
            LKuerzel,
            "Sie haben noch kein Feld für das Kürzel gewählt.\rMöchten Sie wirklich ohne Kürzel fortfahren?",
            QStringLiteral("Kürzel fehlt")))
        return false;
    if (!Speicherbar()) return false;
    LehrerErgebnis = LehrerImportieren(Projekt, Import, Felder);
    if (LehrerErgebnis.Ersatzzaehler > 0)
        Meldungen.Meldung(QString::fromUtf8(ErsatzkuerzelText), QStringLiteral("Hinweis"),
                          MeldungsArt::Information);
    return true;
}

bool TImportDlgf::FamilienImport() {
    for (const auto& [ziel, text, titel] :
         {std::tuple{
              SNachname,
              "Sie müssen für den Nachnamen ein Feld aus der Datenbank auswählen!\rOder möchten Sie den "
              "Import abbrechen?",
              "Nachname fehlt"},
          std::tuple{SVorname,
                     "Sie müssen für den Vornamen des Kindes ein Feld aus der Datenbank auswählen!\rOder "
                     "möchten Sie den Import abbrechen?",
                     "Vorname fehlt"}}) {
        if (Felder[static_cast<size_t>(ziel)] >= 0) continue;
        if (Fehlt(ziel, text, QString::fromUtf8(titel))) done(2);
        return false;
    }
    if (Felder[SKlasse] < 0 &&
        !Fehlt(SKlasse,
               "Sie haben noch kein Feld für die Klasse des Kindes gewählt (wäre aber zur Sortierung "
               "sinnvoll).\rMöchten Sie wirklich ohne Klassenzuordnung fortfahren?",
               QStringLiteral("Klasse fehlt")))
        return false;
    if (Felder[STelefon] < 0 &&
        !Fehlt(
            STelefon,
            "Sie haben noch kein Feld für die Telefonnummer gewählt. Diese wird benötigt, wenn verschiedene "
            "Schüler als Geschwister erkannt werden sollen.\rMöchten Sie wirklich ohne Telefonnummer "
            "fortfahren?",
            QStringLiteral("Telefon fehlt")))
        return false;
    if (!Rueck || !Stand || !Speicherbar()) return false;
    if (!Fragen) FamilienSetzen(*Rueck, Anhaengen, *Stand);
    FamilienErgebnis = FamilienImportieren(Projekt, *Rueck, Import, Felder, Anhaengen, *Fragen, *Stand);
    return true;
}
