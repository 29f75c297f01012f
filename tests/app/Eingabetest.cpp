#include "Eingabetest.h"

#include "model/Dateneingabe.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <algorithm>

QWidget* Fokusfeld() {
    if (QWidget* w = QApplication::focusWidget()) return w;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<TVELWnd*>(w); f && f->isVisible()) return f->focusWidget();
    return nullptr;
}

void Taste(Qt::Key taste, Qt::KeyboardModifiers mit) {
    QTest::keyClick(Fokusfeld(), taste, mit);
}

std::unique_ptr<TProjekt> LeeresProjekt() {
    auto p = ProjektMitRahmen();
    p->ListenSortierung = 192;
    LehrerHinzufuegen(*p, QStringLiteral("Herr"), QStringLiteral("AB"), QStringLiteral("Abel"), {}, {});
    LehrerHinzufuegen(*p, QStringLiteral("Frau"), QStringLiteral("cd"), QStringLiteral("Cordes"), {}, {});
    LehrerHinzufuegen(*p, QStringLiteral("Frau"), QStringLiteral("EF"), QStringLiteral("Efe"), {}, {});
    return p;
}

QStringList Kuerzelfolge(const TKind& k) {
    QStringList kuerzel;
    for (const TGespraech* g : k.Gespraeche)
        kuerzel << g->Lehrer->Kuerzel + QString::number(g->Rang);
    return kuerzel;
}

void FamilieWaehlen(TVELWnd& f, int nummer) {
    const TEltern* e = f.Projekt()->Elternliste.FindeNummer(nummer);
    for (int z = 0; z < f.Familienpanel->LVEltern->model()->rowCount(); ++z)
        if (f.Familienpanel->ElternInZeile(z) == e)
            f.Familienpanel->LVEltern->setCurrentIndex(f.Familienpanel->LVEltern->model()->index(z, 0));
}

void LehrerWaehlen(TVELWnd& f, const QStringList& kuerzel) {
    f.Lehrerpanel->LVLehrer->clearSelection();
    for (const QString& k : kuerzel)
        for (int z = 0; z < f.Lehrerpanel->LVLehrer->model()->rowCount(); ++z)
            if (f.Lehrerpanel->LehrerInZeile(z)->Kuerzel == k)
                f.Lehrerpanel->LVLehrer->selectionModel()->select(
                    f.Lehrerpanel->LVLehrer->model()->index(z, 0),
                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QModelIndex Knoten(TVELWnd& f, const QString& anfang) {
    const QAbstractItemModel* baum = f.Kinderpanel->TVKinder->model();
    for (int i = 0; i < baum->rowCount(); ++i) {
        const QModelIndex kind = baum->index(i, 0);
        if (kind.data().toString().startsWith(anfang)) return kind;
        for (int j = 0; j < baum->rowCount(kind); ++j)
            if (baum->index(j, 0, kind).data().toString().startsWith(anfang)) return baum->index(j, 0, kind);
    }
    return {};
}

QStringList Zeilen(const TVELWnd& f) {
    QStringList namen;
    for (int z = 0; z < f.Familienpanel->LVEltern->model()->rowCount(); ++z)
        namen << f.Familienpanel->ElternInZeile(z)->Name;
    return namen;
}

QStringList Eintraege(const QComboBox* box) {
    QStringList texte;
    for (int i = 0; i < box->count(); ++i)
        texte << box->itemText(i);
    return texte;
}

void MenueZeigen(QMenu* menue) {
    Q_EMIT menue->aboutToShow();
}

std::unique_ptr<TProjekt> GebuchtesProjekt() {
    auto p = KleinesProjekt();
    int slot = 0;
    for (const auto& g : p->Gespraechsliste) {
        g->Termin = static_cast<int16_t>(slot);
        g->Lehrer->Zeiten[static_cast<size_t>(slot)] = g->Nummer;
        g->Eltern()->Zeiten[static_cast<size_t>(slot)] = g->Nummer;
        ++slot;
    }
    return p;
}

bool SlotsFrei(const TPerson& person) {
    return std::none_of(person.Zeiten.begin(), person.Zeiten.end(), [](int16_t z) { return z > 0; });
}

QStringList BrettAbgeschnitten(const QTreeWidget* tabelle) {
    QStringList texte;
    const QFontMetrics fm(tabelle->font());
    for (const int spalte : {0, 1})
        for (int i = 0; i < tabelle->topLevelItemCount(); ++i) {
            const QString text = tabelle->topLevelItem(i)->text(spalte);
            // The board draws a text 2 pixels in from each edge of its cell.
            if (fm.horizontalAdvance(text) + 4 > tabelle->columnWidth(spalte))
                texte << QStringLiteral("\"%1\" in %2 Pixeln").arg(text).arg(tabelle->columnWidth(spalte));
        }
    return texte;
}
