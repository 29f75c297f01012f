#include "FensterTest.h"
#include "common/TestHaupt.h"
#include "model/Dateneingabe.h"
#include "output/ui/AnmerkBefehle.h"
#include "ui/Ziehzeiger.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QTreeView>

Q_DECLARE_METATYPE(TZiehzeiger)

namespace {

// One family with four children: Anna (5a) AB, CD+, EF; Ben (6a) GH, IJ; Cem (7a) GH+, IJ+; Dora (8a)
// without requests ("+": the child comes along). A second family keeps the tree from being the only
// thing the list shows.
std::unique_ptr<TProjekt> Familie() {
    auto p = ProjektMitRahmen();
    p->ListenSortierung = 192;
    const char* const lehrer[][3] = {{"Herr", "AB", "Abel"},
                                     {"Frau", "CD", "Cordes"},
                                     {"Frau", "EF", "Efe"},
                                     {"Herr", "GH", "Gehrke"},
                                     {"Frau", "IJ", "Imhof"}};
    for (const auto& l : lehrer)
        LehrerHinzufuegen(*p, QLatin1String(l[0]), QLatin1String(l[1]), QLatin1String(l[2]), {}, {});
    TEltern* maier = p->NeueFamilie(QStringLiteral("Familie"), QStringLiteral("Maier"));
    const char* const kinder[][2] = {{"Anna", "5a"}, {"Ben", "6a"}, {"Cem", "7a"}, {"Dora", "8a"}};
    for (const auto& k : kinder)
        p->NeuesKind(maier, QLatin1String(k[0]), QLatin1String(k[1]));
    p->NeuesKind(p->NeueFamilie(QStringLiteral("Frau"), QStringLiteral("Zorn")), QStringLiteral("Eva"),
                 QStringLiteral("9a"));
    const char* const gespraeche[][2] = {{"Anna", "AB"}, {"Anna", "CD+"}, {"Anna", "EF"}, {"Ben", "GH"},
                                         {"Ben", "IJ"},  {"Cem", "GH+"},  {"Cem", "IJ+"}};
    for (const auto& [kind, wunsch] : gespraeche) {
        const QString kuerzel = QLatin1String(wunsch).left(2);
        p->NeuesGespraech(p->Lehrerliste.FindeKuerzel(kuerzel),
                          maier->Kinder.FindeVorname(QLatin1String(kind)))
            ->SetKindKommtMit(QLatin1String(wunsch).endsWith(u'+'));
    }
    p->ElternSortieren();
    p->ZaehleGespraeche();
    return p;
}

// The family's requests as "Anna:AB,CD+,EF|Ben:..." from the records.
QString Wuensche(const TEltern& e) {
    QStringList kinder;
    for (const auto& k : e.Kinder) {
        QStringList w;
        for (const TGespraech* g : k->Gespraeche)
            w << g->Lehrer->Kuerzel + (g->KindKommtMit() ? QStringLiteral("+") : QString());
        kinder << k->Vorname + u':' + w.join(u',');
    }
    return kinder.join(u'|');
}

// The same from the tree's texts, without the marks; a request node whose number is not its position
// shows as "?".
QString Baum(const QTreeView* ansicht) {
    const QAbstractItemModel* baum = ansicht->model();
    QStringList kinder;
    for (int i = 0; i < baum->rowCount(); ++i) {
        const QModelIndex k = baum->index(i, 0);
        QStringList w;
        for (int j = 0; j < baum->rowCount(k); ++j) {
            const QString text = baum->index(j, 0, k).data().toString();
            w << (text.startsWith(QStringLiteral("%1. ").arg(j + 1)) ? text.section(u'(', -1).chopped(1)
                                                                     : QStringLiteral("?"));
        }
        kinder << k.data().toString().section(u' ', 0, 0) + u':' + w.join(u',');
    }
    return kinder.join(u'|');
}

QString OhneMarken(QString wuensche) {
    return wuensche.remove(u'+');
}

// The pointer shown during a drag.
bool Zeigt(TZiehzeiger nummer) {
    const QCursor* zeiger = QGuiApplication::overrideCursor();
    const QCursor soll = ZiehzeigerLaden(nummer);
    return zeiger && zeiger->shape() == soll.shape() &&
           (soll.shape() != Qt::BitmapCursor || zeiger->pixmap().toImage() == soll.pixmap().toImage());
}

// The mouse as the user moves it: events go to the window, which hands them to the widget under the
// mouse or to the one that holds it.
class TMaus {
public:
    explicit TMaus(QWidget* fenster)
        : Fenster(fenster) {}
    void Druecken(const QWidget* w, QPoint p, Qt::KeyboardModifiers mit = {}) {
        QTest::mousePress(Fenster->windowHandle(), Qt::LeftButton, mit, w->mapTo(Fenster, p));
    }
    void Klicken(const QWidget* w, QPoint p, Qt::KeyboardModifiers mit = {}) {
        QTest::mouseClick(Fenster->windowHandle(), Qt::LeftButton, mit, w->mapTo(Fenster, p));
    }
    void Bewegen(const QWidget* w, QPoint p) {
        QTest::mouseMove(Fenster->windowHandle(), w->mapTo(Fenster, p));
    }
    void Loslassen(const QWidget* w, QPoint p, Qt::KeyboardModifiers mit = {},
                   Qt::MouseButton knopf = Qt::LeftButton) {
        QTest::mouseRelease(Fenster->windowHandle(), knopf, mit, w->mapTo(Fenster, p));
    }
    void RechtsDruecken(const QWidget* w, QPoint p) {
        QTest::mousePress(Fenster->windowHandle(), Qt::RightButton, {}, w->mapTo(Fenster, p));
    }

private:
    QWidget* Fenster;
};

struct TZiehTest : TFensterTest {
    TVELWnd& F = *Fenster;
    TMaus Maus{Fenster.get()};
    TEltern* Maier = nullptr;

    bool Oeffnen() {
        Fenster->ProjektErsetzen(Familie());
        if (!Zeigen()) return false;
        Maier = F.Projekt()->Elternliste.FindeNummer(1);
        F.Familienpanel->LVEltern->setCurrentIndex(
            F.Familienpanel->LVEltern->model()->index(F.Projekt()->Elternliste.IndexOf(Maier), 0));
        return F.Eingabe->AktuellesKind() && F.Eingabe->AktuellesKind()->Vorname == QLatin1String("Anna");
    }
    QWidget* Liste() const { return F.Lehrerpanel->LVLehrer->viewport(); }
    QWidget* Flaeche() const { return F.Kinderpanel->TVKinder->viewport(); }
    QPoint Zeile(const QString& kuerzel) const {
        const int zeile = F.Projekt()->Lehrerliste.IndexOf(F.Projekt()->Lehrerliste.FindeKuerzel(kuerzel));
        return F.Lehrerpanel->LVLehrer->visualRect(F.Lehrerpanel->LVLehrer->model()->index(zeile, 0))
            .center();
    }
    // The node of child kind, or of its request gespraech (-1: the child's own node).
    QModelIndex Knoten(int kind, int gespraech = -1) const {
        const QModelIndex k = F.Kinderpanel->Modell->index(kind, 0);
        return gespraech < 0 ? k : F.Kinderpanel->Modell->index(gespraech, 0, k);
    }
    QPoint Punkt(int kind, int gespraech = -1) const {
        return F.Kinderpanel->TVKinder->visualRect(Knoten(kind, gespraech)).center();
    }
    // Below the last node.
    QPoint Leer() const {
        const QRect letzter =
            F.Kinderpanel->TVKinder->visualRect(Knoten(F.Kinderpanel->Modell->rowCount() - 1));
        return {letzter.center().x(), letzter.bottom() + 20};
    }
    // Presses on a teacher row and moves past the drag threshold, still inside the list.
    void LehrerAnfassen(const QString& kuerzel) {
        Maus.Druecken(Liste(), Zeile(kuerzel));
        Maus.Bewegen(Liste(), Zeile(kuerzel) + QPoint(4, 12));
    }
    void GespraechAnfassen(int kind, int gespraech) {
        Maus.Druecken(Flaeche(), Punkt(kind, gespraech));
        Maus.Bewegen(Flaeche(), Punkt(kind, gespraech) + QPoint(12, 0));
    }
};

} // namespace

class TstZiehen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // One or two selected teachers dragged onto a child (Dora, or Ben through a node of his request)
    // add the requests there, marked "child comes along" when Shift is held at the drop.
    void lehrerAufKind_data() {
        QTest::addColumn<QStringList>("lehrer");
        QTest::addColumn<int>("zielGespraech");
        QTest::addColumn<bool>("umschalt");
        QTest::addColumn<TZiehzeiger>("zeiger");
        QTest::addColumn<QString>("neu");
        QTest::newRow("einer") << QStringList({"GH"}) << -1 << false << TZiehzeiger::Ablegen << "Dora:GH";
        QTest::newRow("zwei") << QStringList({"GH", "EF"}) << -1 << false << TZiehzeiger::AblegenMehrere
                              << "Dora:GH,EF";
        QTest::newRow("auf Gespräch")
            << QStringList({"AB"}) << 0 << false << TZiehzeiger::Ablegen << "Ben:GH,IJ,AB";
        QTest::newRow("mit Umschalt")
            << QStringList({"GH", "EF"}) << -1 << true << TZiehzeiger::AblegenMehrere << "Dora:GH+,EF+";
    }
    void lehrerAufKind() {
        QFETCH(QStringList, lehrer);
        QFETCH(int, zielGespraech);
        QFETCH(bool, umschalt);
        QFETCH(TZiehzeiger, zeiger);
        QFETCH(QString, neu);
        TZiehTest t;
        QVERIFY(t.Oeffnen());
        TVELWnd& f = t.F;
        f.Gruppen.Anmerkungen->AutoAnmerkFragen = false; // the annotation question belongs to the add command
        for (int i = 0; i < lehrer.size(); ++i)
            t.Maus.Klicken(t.Liste(), t.Zeile(lehrer[i]), i > 0 ? Qt::ControlModifier : Qt::NoModifier);
        QCOMPARE(f.Gespraechpanel->KuerzE->text(), lehrer.join(QStringLiteral(", ")));
        const int kind = zielGespraech < 0 ? 3 : 1;

        t.LehrerAnfassen(lehrer[0]);
        QCOMPARE(f.Lehrerpanel->LVLehrer->selectionModel()->selectedRows().size(), lehrer.size());
        QCOMPARE(f.Gespraechpanel->LbKind->text(), "WEN?");
        QVERIFY(f.Gespraechpanel->LblEingabetaste->text().isEmpty());
        QVERIFY(!f.Gespraechpanel->BtnAddG->isEnabled());
        QVERIFY(Zeigt(lehrer.size() > 1 ? TZiehzeiger::LehrerMehrere : TZiehzeiger::Lehrer));
        t.Maus.Bewegen(t.Flaeche(), t.Punkt(kind, zielGespraech));
        QCOMPARE(f.Gespraechpanel->LbKind->text(),
                 f.Projekt()->Elternliste.FindeNummer(1)->Kinder[kind]->Vorname);
        QVERIFY(f.Gespraechpanel->BtnAddG->isEnabled());
        QVERIFY(f.Gespraechpanel->KuerzE->isEnabled());
        QVERIFY(Zeigt(zeiger));
        t.Maus.Loslassen(t.Flaeche(), t.Punkt(kind, zielGespraech),
                         umschalt ? Qt::ShiftModifier : Qt::NoModifier);

        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(t.Meldung.Protokoll.isEmpty());
        QVERIFY2(Wuensche(*t.Maier).contains(neu), qPrintable(Wuensche(*t.Maier)));
        QCOMPARE(Baum(f.Kinderpanel->TVKinder), OhneMarken(Wuensche(*t.Maier)));
        QCOMPARE(f.Eingabe->AktuellesKind(), t.Maier->Kinder[kind]);
        QCOMPARE(f.Projekt()->Gespraechsliste.Count(), 7 + lehrer.size());
        QVERIFY(f.Dokument.IstGeaendert());
        QVERIFY(f.Lehrerpanel->LVLehrer->selectionModel()->selectedRows().isEmpty());
    }

    // Dropped beside the nodes, or cancelled on the way, the teachers add nothing and the child
    // selected before is selected again.
    void lehrerNichtAbgelegt_data() {
        QTest::addColumn<QString>("wie");
        QTest::newRow("neben den Knoten") << "leer";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("rechte Maustaste") << "rechts";
        QTest::newRow("Fenster verlassen") << "hinaus";
    }
    void lehrerNichtAbgelegt() {
        QFETCH(QString, wie);
        TZiehTest t;
        QVERIFY(t.Oeffnen());
        TVELWnd& f = t.F;
        f.Kinderpanel->Waehlen(t.Knoten(1));
        t.Maus.Klicken(t.Liste(), t.Zeile("GH"));
        t.LehrerAnfassen("GH");
        t.Maus.Bewegen(t.Flaeche(), t.Punkt(3));
        QCOMPARE(f.Gespraechpanel->LbKind->text(), "Dora");
        if (wie == "leer") {
            t.Maus.Bewegen(t.Flaeche(), t.Leer());
            QVERIFY(!f.Kinderpanel->Knoten().isValid());
            QCOMPARE(f.Gespraechpanel->LbKind->text(), "WEN?");
            QVERIFY(!f.Gespraechpanel->BtnAddG->isEnabled());
            QVERIFY(Zeigt(TZiehzeiger::NichtAblegen));
            t.Maus.Loslassen(t.Flaeche(), t.Leer());
        } else {
            if (wie == "Esc") {
                QTest::keyClick(f.Lehrerpanel->LVLehrer, Qt::Key_Escape);
            } else if (wie == "rechts") {
                t.Maus.RechtsDruecken(t.Flaeche(), t.Punkt(3));
            } else {
                // The test library warns of what a held button makes normal: events outside the window.
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("outside target window"));
                t.Maus.Bewegen(&f, QPoint(f.width() + 30, 100));
            }
            QVERIFY(!QGuiApplication::overrideCursor());
            QCOMPARE(f.Gespraechpanel->LbKind->text(), "Ben");
            // The button is still down: moving on neither drags nor selects, releasing adds nothing.
            t.Maus.Bewegen(t.Flaeche(), t.Punkt(3));
            QCOMPARE(f.Gespraechpanel->LbKind->text(), "Ben");
            if (wie == "rechts") t.Maus.Loslassen(t.Flaeche(), t.Punkt(3), {}, Qt::RightButton);
            t.Maus.Loslassen(t.Flaeche(), t.Punkt(3));
        }
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(f.Projekt()->Gespraechsliste.Count(), 7);
        QCOMPARE(f.Kinderpanel->Knoten(), t.Knoten(1));
        QCOMPARE(f.Eingabe->AktuellesKind()->Vorname, "Ben");
        QCOMPARE(f.Gespraechpanel->KuerzE->text(), "GH");
        QVERIFY(f.Gespraechpanel->BtnAddG->isEnabled());
        QCOMPARE(t.Meldung.Protokoll.size(), 0);
        QVERIFY(!f.Dokument.IstGeaendert());
    }

    // A small move with the button down is a click, not a drag: the row under the mouse stays the
    // selected one and the list does not select by dragging over other rows.
    void lehrerKeinZiehen() {
        TZiehTest t;
        QVERIFY(t.Oeffnen());
        TVELWnd& f = t.F;
        t.Maus.Klicken(t.Liste(), t.Zeile("AB"));
        t.Maus.Klicken(t.Liste(), t.Zeile("CD"), Qt::ControlModifier);
        // Pressed on one of the two selected rows, both stay selected until the button comes up.
        t.Maus.Druecken(t.Liste(), t.Zeile("CD"));
        QCOMPARE(f.Lehrerpanel->LVLehrer->selectionModel()->selectedRows().size(), 2);
        t.Maus.Bewegen(t.Liste(), t.Zeile("CD") + QPoint(0, 6));
        QVERIFY(!QGuiApplication::overrideCursor());
        t.Maus.Loslassen(t.Liste(), t.Zeile("CD") + QPoint(0, 6));
        QCOMPARE(f.Gespraechpanel->KuerzE->text(), "CD");
        QCOMPARE(f.Projekt()->Gespraechsliste.Count(), 7);
        QCOMPARE(f.Gespraechpanel->LbKind->text(), "Anna");
    }

    // A request dragged onto another node: within its child to that position, to another child with
    // the mark taken from the requests there; a child node takes it at its start when the mouse came
    // down, the child above at its end when the mouse went up. The first node and the dragged node itself
    // take nothing.
    void gespraechVerschieben_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("gespraech");
        QTest::addColumn<int>("zielKind");
        QTest::addColumn<int>("zielGespraech");
        QTest::addColumn<QString>("ergebnis");
        const QString ben = "Ben:GH,IJ";
        const QString cem = "Cem:GH+,IJ+";
        QTest::newRow("dritter auf ersten")
            << 0 << 2 << 0 << 0 << "Anna:EF,AB,CD+|" + ben + '|' + cem + "|Dora:";
        QTest::newRow("erster auf dritten")
            << 0 << 0 << 0 << 2 << "Anna:CD+,EF,AB|" + ben + '|' + cem + "|Dora:";
        QTest::newRow("markiert zu unmarkierten")
            << 0 << 1 << 1 << 1 << "Anna:AB,EF|Ben:GH,CD,IJ|" + cem + "|Dora:";
        QTest::newRow("unmarkiert zu markierten")
            << 0 << 0 << 2 << 0 << "Anna:CD+,EF|" + ben + "|Cem:AB+,GH+,IJ+|Dora:";
        QTest::newRow("markiert zu markierten")
            << 0 << 1 << 2 << 1 << "Anna:AB,EF|" + ben + "|Cem:GH+,CD+,IJ+|Dora:";
        QTest::newRow("markiert zu Kind ohne, abwärts")
            << 0 << 1 << 3 << -1 << "Anna:AB,EF|" + ben + '|' + cem + "|Dora:CD";
        QTest::newRow("aufwärts auf Kind: ans Ende des vorigen")
            << 2 << 0 << 1 << -1 << "Anna:AB,CD+,EF,GH|" + ben + "|Cem:IJ+|Dora:";
        QTest::newRow("abwärts auf Kind: an den Anfang")
            << 1 << 1 << 2 << -1 << "Anna:AB,CD+,EF|Ben:GH|Cem:IJ+,GH+,IJ+|Dora:";
        QTest::newRow("erstes Kind nimmt nichts")
            << 1 << 0 << 0 << -1 << "Anna:AB,CD+,EF|" + ben + '|' + cem + "|Dora:";
    }
    void gespraechVerschieben() {
        QFETCH(int, kind);
        QFETCH(int, gespraech);
        QFETCH(int, zielKind);
        QFETCH(int, zielGespraech);
        QFETCH(QString, ergebnis);
        TZiehTest t;
        QVERIFY(t.Oeffnen());
        TVELWnd& f = t.F;
        f.Projekt()->ReihenfolgeFest = true;
        const QString vorher = Wuensche(*t.Maier);
        TGespraech* g = t.Maier->Kinder[kind]->Gespraeche[static_cast<size_t>(gespraech)];
        t.GespraechAnfassen(kind, gespraech);
        QVERIFY(!f.Kinderpanel->TVKinder->selectionModel()->isSelected(t.Knoten(0)));
        t.Maus.Bewegen(t.Flaeche(), t.Punkt(zielKind, zielGespraech));
        t.Maus.Loslassen(t.Flaeche(), t.Punkt(zielKind, zielGespraech));

        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(Wuensche(*t.Maier), ergebnis);
        QCOMPARE(Baum(f.Kinderpanel->TVKinder), OhneMarken(ergebnis));
        QCOMPARE(f.Kinderpanel->Knoten(),
                 t.Knoten(t.Maier->Kinder.IndexOf(g->Kind), static_cast<int>(g->Rang)));
        QVERIFY(f.Gespraechpanel->LblHinzufuegen->isVisible());
        QCOMPARE(f.Gespraechpanel->LblKuerzel->text(), "(Kürzel)");
        QCOMPARE(f.Projekt()->Gespraechsliste.Count(), 7);
        QCOMPARE(t.Meldung.Protokoll.size(), 0);
        const bool bewegt = ergebnis != vorher;
        QCOMPARE(f.Dokument.IstGeaendert(), bewegt);
        // The ranks decide the scheduler's search order, which must be determined again.
        QCOMPARE(f.Projekt()->ReihenfolgeFest, !bewegt);
        for (const auto& k : t.Maier->Kinder)
            for (size_t i = 0; i < k->Gespraeche.size(); ++i) {
                QCOMPARE(k->Gespraeche[i]->Rang, static_cast<int16_t>(i));
                QCOMPARE(k->Gespraeche[i]->Kind, k.get());
            }
    }

    // What the window shows while a request is dragged: the direction of the move, the delete target
    // and the places that take nothing.
    void gespraechAnzeige() {
        TZiehTest t;
        QVERIFY(t.Oeffnen());
        TVELWnd& f = t.F;
        t.GespraechAnfassen(1, 0);
        QVERIFY(!f.Gespraechpanel->LblHinzufuegen->isVisible());
        QCOMPARE(f.Gespraechpanel->LblKuerzel->text(), "Herrn Gehrke verschieben ...");
        QVERIFY(f.Gespraechpanel->KuerzE->text().isEmpty());
        QVERIFY(Zeigt(TZiehzeiger::NichtAblegen));
        t.Maus.Bewegen(t.Flaeche(), t.Punkt(0, 1));
        QVERIFY(Zeigt(TZiehzeiger::NachOben));
        QCOMPARE(f.Kinderpanel->Knoten(), t.Knoten(0, 1));
        t.Maus.Bewegen(t.Flaeche(), t.Punkt(2, 0));
        QVERIFY(Zeigt(TZiehzeiger::NachUnten));
        QCOMPARE(f.Gespraechpanel->LbKind->text(), "Cem");
        t.Maus.Bewegen(t.Flaeche(), t.Punkt(0));
        QVERIFY(Zeigt(TZiehzeiger::NichtAblegen));
        t.Maus.Bewegen(t.Flaeche(), t.Leer());
        QVERIFY(Zeigt(TZiehzeiger::NichtAblegen));
        QCOMPARE(f.Kinderpanel->Knoten(), t.Knoten(1, 0));
        t.Maus.Bewegen(t.Liste(), t.Zeile("AB"));
        QVERIFY(Zeigt(TZiehzeiger::Loeschen));
        QCOMPARE(f.Gespraechpanel->LblKuerzel->text(), "Herrn Gehrke löschen ...");
        t.Maus.Bewegen(f.Gespraechpanel->BtnAddG, f.Gespraechpanel->BtnAddG->rect().center());
        QVERIFY(Zeigt(TZiehzeiger::NichtAblegen));
        QCOMPARE(f.Gespraechpanel->LblKuerzel->text(), "Herrn Gehrke verschieben ...");
        QTest::keyClick(f.Kinderpanel->TVKinder, Qt::Key_Escape);
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(f.Gespraechpanel->LblHinzufuegen->isVisible());
        QCOMPARE(f.Gespraechpanel->LblKuerzel->text(), "(Kürzel)");
        QCOMPARE(f.Kinderpanel->Knoten(), t.Knoten(1, 0));
        t.Maus.Loslassen(t.Liste(), t.Zeile("AB"));
        QCOMPARE(f.Projekt()->Gespraechsliste.Count(), 7);
        QVERIFY(!f.Dokument.IstGeaendert());
    }

    // A request dropped on the teacher list or on the delete button is deleted without a question, and
    // its appointment is freed at both persons.
    void gespraechLoeschen_data() {
        QTest::addColumn<bool>("aufKnopf");
        QTest::newRow("Lehrerliste") << false;
        QTest::newRow("Löschknopf") << true;
    }
    void gespraechLoeschen() {
        QFETCH(bool, aufKnopf);
        TZiehTest t;
        QVERIFY(t.Oeffnen());
        TVELWnd& f = t.F;
        TGespraech* g = t.Maier->Kinder[0]->Gespraeche[1];
        TLehrer* cd = g->Lehrer;
        g->Termin = 2;
        cd->Zeiten[2] = g->Nummer;
        t.Maier->Zeiten[2] = g->Nummer;
        t.GespraechAnfassen(0, 1);
        t.Maus.Bewegen(t.Flaeche(), t.Punkt(3)); // on the way: Dora
        QWidget* ziel = aufKnopf ? static_cast<QWidget*>(f.Gespraechpanel->SpBLoeG) : t.Liste();
        const QPoint punkt = aufKnopf ? f.Gespraechpanel->SpBLoeG->rect().center() : t.Zeile("IJ");
        t.Maus.Bewegen(ziel, punkt);
        QCOMPARE(f.Gespraechpanel->LblKuerzel->text(), "Frau Cordes löschen ...");
        QCOMPARE(f.Kinderpanel->Knoten(), t.Knoten(0, 1));
        QVERIFY(f.Gespraechpanel->SpBLoeG->isEnabled());
        t.Maus.Loslassen(ziel, punkt);

        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(t.Meldung.Protokoll.size(), 0);
        QCOMPARE(Wuensche(*t.Maier), "Anna:AB,EF|Ben:GH,IJ|Cem:GH+,IJ+|Dora:");
        QCOMPARE(Baum(f.Kinderpanel->TVKinder), OhneMarken(Wuensche(*t.Maier)));
        QCOMPARE(f.Projekt()->Gespraechsliste.Count(), 6);
        QCOMPARE(cd->Zeiten[2], int16_t(0));
        QCOMPARE(t.Maier->Zeiten[2], int16_t(0));
        QCOMPARE(f.Panels[2]->text(), "Gesprächsanzahl: 6");
        QCOMPARE(f.Gespraechpanel->LblKuerzel->text(), "(Kürzel)");
        QVERIFY(f.Dokument.IstGeaendert());
    }
};

VEL_TEST(TstZiehen)
#include "tst_Ziehen.moc"
