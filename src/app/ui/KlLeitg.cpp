#include "KlLeitg.h"

#include "ui/Eingabehilfen.h"
#include "ui/Hilfekontext.h"

#include "model/Dateneingabe.h"
#include "model/Meldung.h"
#include "model/Projekt.h"
#include "ui/Arbeitsflaeche.h"

#include <QAbstractItemDelegate>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

TFKlLeitg::TFKlLeitg(TProjekt& projekt, TMeldung& meldung, QWidget* parent)
    : QDialog(parent)
    , Projekt(projekt)
    , Meldung(meldung) {
    HilfekontextSetzen(this, Hilfekontext::Klassengespraeche);
    setWindowTitle(QString::fromUtf8("Gespräche mit allen Kindern einer Klasse"));
    auto* erklaerung = new QLabel(QString::fromUtf8(
        "Wenn für jedes Kind einer Klasse das Gespräch mit einer Lehrkraft (z.B. Klassenleitung) gewünscht "
        "ist, müssen Sie diese Gespräche nicht für jedes Kind einzeln eingeben. Für die Klassen, denen Sie "
        "die "
        "Gespräche mit der Lehrkraft hinzufügen möchten, geben Sie hier das Kürzel der Lehrkraft ein.\n\nMit "
        "dem Schalter 'Gespräche hinzufügen' wird bei allen Kindern der Gesprächswunsch ergänzt, für deren "
        "Klasse ein Kürzel eingetragen ist - sofern das Gespräch nicht bereits zuvor schon gewünscht war."));
    erklaerung->setWordWrap(true);
    auto* warnung = new QLabel(QString::fromUtf8(
        "Das Hinzufügen dieser Gesprächswünsche können Sie nur rückgängig machen, wenn Sie den vorherigen "
        "Zustand Ihres Projekts gespeichert und nicht überschrieben haben."));
    warnung->setWordWrap(true);
    QPalette rot = warnung->palette();
    rot.setColor(QPalette::WindowText, Qt::red);
    warnung->setPalette(rot);

    const std::vector<QString> klassen = KlassenDerKinder(Projekt, false);
    Gitter = new QTableWidget(static_cast<int>(klassen.size()), 2);
    Gitter->setHorizontalHeaderLabels({QStringLiteral("Klasse"), QString::fromUtf8("Lehrkraft (Kürzel)")});
    Gitter->horizontalHeader()->setStretchLastSection(true);
    Gitter->verticalHeader()->hide();
    for (int i = 0; i < static_cast<int>(klassen.size()); ++i) {
        auto* klasse = new QTableWidgetItem(klassen[static_cast<size_t>(i)]);
        klasse->setFlags(Qt::ItemIsEnabled);
        Gitter->setItem(i, 0, klasse);
        Gitter->setItem(i, 1, new QTableWidgetItem);
    }
    Gitter->setEditTriggers(QAbstractItemView::AllEditTriggers);
    // Connected after the view's own handler, so the cell already holds the typed text.
    connect(Gitter->itemDelegate(), &QAbstractItemDelegate::commitData, this,
            [this](QWidget* editor) { KuerzelPruefen(Gitter->itemAt(editor->geometry().center())); });

    HinzuBtn = new QPushButton(QString::fromUtf8("Gespräche hinzufügen"));
    AbbrechenBtn = new QPushButton(QStringLiteral("Abbrechen"));
    AbbrechenBtn->setDefault(true);
    connect(HinzuBtn, &QPushButton::clicked, this, &TFKlLeitg::HinzuBtnClick);
    connect(AbbrechenBtn, &QPushButton::clicked, this, &QDialog::reject);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(HinzuBtn);
    knoepfe->addWidget(AbbrechenBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(erklaerung);
    layout->addWidget(warnung);
    layout->addWidget(Gitter, 1);
    layout->addLayout(knoepfe);
    Anfangsgroesse(this, QSize(480, 520));
    if (Gitter->rowCount() > 0) Gitter->setCurrentCell(0, 1);
}

void TFKlLeitg::KuerzelPruefen(QTableWidgetItem* zelle) {
    if (!zelle || zelle->column() != 1) return;
    QString kuerzel = zelle->text().trimmed();
    if (!kuerzel.isEmpty() && !Projekt.Lehrerliste.FindeKuerzel(kuerzel)) {
        const QString gross = kuerzel.left(1).toUpper() + kuerzel.mid(1);
        if (Projekt.Lehrerliste.FindeKuerzel(gross)) kuerzel = gross;
    }
    zelle->setText(kuerzel);
    // The editor that reported the text closes after this, so the next one opens afterwards.
    if (kuerzel.isEmpty() || Projekt.Lehrerliste.FindeKuerzel(kuerzel)) {
        if (zelle->row() + 1 < Gitter->rowCount())
            QTimer::singleShot(0, this,
                               [this, zeile = zelle->row() + 1] { Gitter->setCurrentCell(zeile, 1); });
        return;
    }
    Meldung.Meldung(QString::fromUtf8("Das Kürzel ist ungültig."),
                    QString::fromUtf8("Korrigieren oder Löschen?"), MeldungsArt::Warnung);
    QTimer::singleShot(0, this, [this, zelle] { Gitter->editItem(zelle); });
}

void TFKlLeitg::keyPressEvent(QKeyEvent* taste) {
    // Enter belongs to the grid: it checks the cell instead of pressing the default button.
    if (IstEnter(taste) && (focusWidget() == Gitter || Gitter->isAncestorOf(focusWidget()))) {
        if (focusWidget() == Gitter) KuerzelPruefen(Gitter->currentItem());
        taste->accept();
        return;
    }
    QDialog::keyPressEvent(taste);
}

void TFKlLeitg::HinzuBtnClick() {
    const bool kindKommtMit = QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier);
    bool geaendert = false;
    for (int i = 0; i < Gitter->rowCount(); ++i) {
        const QString kuerzel = Gitter->item(i, 1)->text().trimmed();
        if (kuerzel.isEmpty()) continue;
        const QString klasse = Gitter->item(i, 0)->text();
        TLehrer* lehrer = Projekt.Lehrerliste.FindeKuerzel(kuerzel);
        if (!lehrer) {
            Meldung.Meldung(
                QString::fromUtf8("Das Kürzel ") + kuerzel +
                    QString::fromUtf8(" konnte keiner Lehrkraft zugeordnet werden.\rDer Klasse ") + klasse +
                    QString::fromUtf8(" werden daher keine Gespräche hinzugefügt."),
                QStringLiteral("Klassenweise Gespräche"), MeldungsArt::Warnung);
            continue;
        }
        const TKlassenZuwachs zuwachs = AlleKlasseHinzu(Projekt, lehrer, klasse, kindKommtMit);
        geaendert = geaendert || zuwachs.Neu + zuwachs.Markiert > 0;
    }
    // Marks set on existing requests are changes too, which the window must record.
    done(geaendert ? QDialog::Accepted : QDialog::Rejected);
}
