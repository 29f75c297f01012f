#include "FensterTest.h"
#include "app/Dateneingabe.h"
#include "app/ui/IdentifyKrz.h"
#include "app/ui/KlLeitg.h"
#include "app/ui/SortF.h"
#include "app/ui/UEditE.h"
#include "app/ui/UEditK.h"
#include "app/ui/UEditL.h"
#include "common/TestHaupt.h"
#include "model/Datumstexte.h"
#include "settings/UReg.h"
#include "timeframe/ZRahmen.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <functional>

namespace {

using TSchritt = std::function<void(QDialog&)>;

// Works the modal dialogs that open one after another, one step each; a dialog nobody expected, or one
// still open a few seconds after its step, is cancelled and counted, so a wrong script fails instead of
// hanging.
class TDialogFolge : public QObject {
public:
    explicit TDialogFolge(QList<TSchritt> schritte)
        : Schritte(std::move(schritte)) {
        connect(&Takt, &QTimer::timeout, this, &TDialogFolge::Pruefen);
        Takt.start(5);
    }
    qsizetype Offen() const { return Schritte.size(); }
    int Unerwartet = 0;

private:
    void Pruefen() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        if (dialog == Bearbeitet) {
            if (Seit.elapsed() > 3000) {
                ++Unerwartet;
                dialog->reject();
            }
            return;
        }
        Bearbeitet = dialog;
        Seit.start();
        connect(dialog, &QDialog::finished, this, [this] { Bearbeitet = nullptr; });
        if (Schritte.isEmpty()) {
            ++Unerwartet;
            dialog->reject();
            return;
        }
        Schritte.takeFirst()(*dialog);
    }
    QTimer Takt;
    QElapsedTimer Seit;
    QList<TSchritt> Schritte;
    QPointer<QDialog> Bearbeitet;
};

QWidget* Fokus(QDialog& d) {
    return d.focusWidget() ? d.focusWidget() : &d;
}

// Types into the dialog's focus and ends each part with Enter.
TSchritt Eingaben(const QStringList& teile) {
    return [teile](QDialog& d) {
        for (const QString& t : teile) {
            QTest::keyClicks(Fokus(d), t);
            QTest::keyClick(Fokus(d), Qt::Key_Return);
        }
    };
}

TSchritt Abbrechen() {
    return [](QDialog& d) { QTest::keyClick(Fokus(d), Qt::Key_Escape); };
}

// The main window's focus: the offscreen platform does not hand activation back to the window after a
// modal dialog, so the application-wide focus widget can be empty.
QWidget* Fokusfeld() {
    if (QWidget* w = QApplication::focusWidget()) return w;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<TVELWnd*>(w); f && f->isVisible()) return f->focusWidget();
    return nullptr;
}

void Taste(Qt::Key taste, Qt::KeyboardModifiers mit = Qt::NoModifier) {
    QTest::keyClick(Fokusfeld(), taste, mit);
}

// A one-day frame with three teachers and no families.
std::unique_ptr<TProjekt> LeeresProjekt() {
    auto p = std::make_unique<TProjekt>();
    for (int s = 0; s < 6; ++s) {
        p->Zeittexte[s] = UhrzeitText(16 * 60 + s * 15);
        p->ZeitAktiv[s] = true;
    }
    p->Datum[0] = WertAusDatum(QDate(2027, 3, 1));
    ZweiTageBestimmen(*p);
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
    const TEltern* e = f.Projekt->Elternliste.FindeNummer(nummer);
    for (int z = 0; z < f.LVEltern->model()->rowCount(); ++z)
        if (f.ElternInZeile(z) == e) f.LVEltern->setCurrentIndex(f.LVEltern->model()->index(z, 0));
}

// Selects the teachers one after the other, in the order given.
void LehrerWaehlen(TVELWnd& f, const QStringList& kuerzel) {
    f.LVLehrer->clearSelection();
    for (const QString& k : kuerzel)
        for (int z = 0; z < f.LVLehrer->model()->rowCount(); ++z)
            if (f.LehrerInZeile(z)->Kuerzel == k)
                f.LVLehrer->selectionModel()->select(f.LVLehrer->model()->index(z, 0),
                                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// The tree node whose text begins so.
QTreeWidgetItem* Knoten(TVELWnd& f, const QString& anfang) {
    for (QTreeWidgetItemIterator i(f.TVKinder); *i; ++i)
        if ((*i)->text(0).startsWith(anfang)) return *i;
    return nullptr;
}

QStringList Zeilen(const TVELWnd& f) {
    QStringList namen;
    for (int z = 0; z < f.LVEltern->model()->rowCount(); ++z)
        namen << f.ElternInZeile(z)->Name;
    return namen;
}

QStringList Eintraege(const QComboBox* box) {
    QStringList texte;
    for (int i = 0; i < box->count(); ++i)
        texte << box->itemText(i);
    return texte;
}

// The context menu as it shows itself.
void MenueZeigen(QMenu* menue) {
    Q_EMIT menue->aboutToShow();
}

// KleinesProjekt with every request booked, one slot after the other.
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

} // namespace

class TstEingabefenster : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Two families with two children and three requests each, by keyboard alone, saved and dumped.
    void gefuehrteEingabe() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(LeeresProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        t.Fenster->BtnElternHinzu->setFocus();
        TDialogFolge folge({Eingaben({"maier"}), Eingaben({"anna", "5a"}), Eingaben({"ben", "6b"}),
                            Eingaben({""}), Eingaben({"acker"}), Eingaben({"cem", ""}),
                            Eingaben({"dana", "8d"}), Abbrechen()});
        Taste(Qt::Key_Return);
        QCOMPARE(Fokusfeld(), f.KuerzE);
        QCOMPARE(f.LbKind->text(), "Anna");
        QTest::keyClicks(Fokusfeld(), "ab, Cd ,  ef");
        QCOMPARE(f.LblEingabetaste->text(), "Eingabetaste: Gesprächswünsche hinzufügen");
        Taste(Qt::Key_Return);
        QCOMPARE(f.LblEingabetaste->text(), "Eingabetaste: Kind hinzufügen");
        Taste(Qt::Key_Return); // Ben
        QTest::keyClicks(Fokusfeld(), "ef,ab,cd");
        Taste(Qt::Key_Return);
        Taste(Qt::Key_Return); // empty child name, then the next family: Acker, Cem (class offered: 5a)
        QCOMPARE(Fokusfeld(), f.KuerzE);
        QTest::keyClicks(Fokusfeld(), "cd,ef,ab");
        Taste(Qt::Key_Return);
        Taste(Qt::Key_Return); // Dana
        QTest::keyClicks(Fokusfeld(), "ab,cd,ef");
        Taste(Qt::Key_Return);
        Taste(Qt::Key_Return); // child dialog cancelled: the sequence ends
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QVERIFY(!f.FamilienEingabe);
        QVERIFY(!f.KindFolgt);

        TProjekt& p = *f.Projekt;
        QCOMPARE(p.Elternliste.Count(), 2);
        QCOMPARE(p.Gespraechsliste.Count(), 12);
        QVERIFY(f.Geaendert);
        const TEltern* acker = p.Elternliste[0]; // by class: 5a before 6b... and Maier's lowest is 5a too
        const TEltern* maier = p.Elternliste.FindeNummer(1);
        QCOMPARE(maier->Name, "Maier");
        QCOMPARE(Kuerzelfolge(*maier->Kinder[0]), QStringList({"AB0", "cd1", "EF2"}));
        QCOMPARE(Kuerzelfolge(*maier->Kinder[1]), QStringList({"EF0", "AB1", "cd2"}));
        const TEltern* zweite = p.Elternliste.FindeNummer(2);
        QCOMPARE(zweite->Name, "Acker");
        QCOMPARE(zweite->Kinder[0]->Vorname, "Cem");
        QCOMPARE(zweite->Kinder[0]->Klasse, "5a");
        QCOMPARE(Kuerzelfolge(*zweite->Kinder[1]), QStringList({"AB0", "cd1", "EF2"}));
        QVERIFY(acker);
        QCOMPARE(f.Panels[2]->text(), "Gesprächsanzahl: 12");

        // Saved through the window's own command, the file holds exactly what was entered.
        const QString datei = t.Ordner.filePath(QStringLiteral("Eingabe.pdt"));
        t.Dateiwahl.Antworten = {datei};
        f.PDTsaveN1->trigger();
        QCOMPARE(t.Dateiwahl.Anfragen.size(), 1);
        QVERIFY(!f.Geaendert);
        QCOMPARE(f.Projektname, "Eingabe.pdt");
        QProcess cli;
        cli.start(QStringLiteral(VEL_CLI), {QStringLiteral("dump"), datei});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        const QJsonObject dump = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        QStringList familien;
        for (const auto& e : dump.value("Elternliste").toArray()) {
            QStringList kinder;
            for (const auto& k : e.toObject().value("Kinder").toArray())
                kinder << k.toObject().value("Vorname").toString() + u'/' +
                              k.toObject().value("Klasse").toString();
            familien << e.toObject().value("Anrede").toString() + u' ' +
                            e.toObject().value("Name").toString() + u':' + kinder.join(u',');
        }
        QCOMPARE(familien, QStringList({"Familie Acker:Cem/5a,Dana/8d", "Familie Maier:Anna/5a,Ben/6b"}));
        QStringList gespraeche;
        for (const auto& g : dump.value("Gespraechsliste").toArray())
            gespraeche << g.toObject().value("KindName").toString() + u'-' +
                              g.toObject().value("LehrerKuerzel").toString();
        QCOMPARE(gespraeche.size(), 12);
        QCOMPARE(gespraeche.mid(0, 4), QStringList({"Anna-AB", "Anna-cd", "Anna-EF", "Ben-EF"}));
        QCOMPARE(dump.value("Lehrerliste").toArray().size(), 3);
    }

    // Deleting a family with scheduled conversations frees the teachers' slots; No keeps it.
    void familieLoeschen_data() {
        QTest::addColumn<Antwort>("antwort");
        QTest::newRow("Ja") << Antwort::Ja;
        QTest::newRow("Nein") << Antwort::Nein;
    }
    void familieLoeschen() {
        QFETCH(Antwort, antwort);
        TFensterTest t;
        auto projekt = KleinesProjekt();
        int slot = 0;
        for (const auto& g : projekt->Gespraechsliste) {
            g->Termin = static_cast<int16_t>(slot);
            g->Lehrer->Zeiten[static_cast<size_t>(slot)] = g->Nummer;
            g->Eltern()->Zeiten[static_cast<size_t>(slot)] = g->Nummer;
            ++slot;
        }
        TLehrer* mue = projekt->Lehrerliste.FindeKuerzel(QStringLiteral("MUE"));
        t.Fenster->ProjektErsetzen(std::move(projekt));
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        const int zeile = f.Projekt->Elternliste.IndexOf(f.Projekt->Elternliste.FindeNummer(1));
        f.LVEltern->setCurrentIndex(f.LVEltern->model()->index(zeile, 0));
        QCOMPARE(f.AktuelleFamilie->Name, "Maier");
        f.LVEltern->setFocus();
        t.Meldung.Antworten = {antwort};
        QTest::keyClick(f.LVEltern, Qt::Key_Delete);
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Text,
                 "Soll Familie Maier\rgelöscht werden?\rAnzahl der bereits gewünschten Gespräche: 3");
        QCOMPARE(t.Meldung.Protokoll[0].Vorgabe, Antwort::Nein);
        if (antwort == Antwort::Nein) {
            QCOMPARE(f.Projekt->Elternliste.Count(), 2);
            return;
        }
        QCOMPARE(f.Projekt->Elternliste.Count(), 1);
        QCOMPARE(f.Projekt->Gespraechsliste.Count(), 0);
        for (const auto& l : f.Projekt->Lehrerliste)
            for (int s = 0; s < 6; ++s)
                QVERIFY(l->Zeiten[static_cast<size_t>(s)] <= 0);
        QCOMPARE(mue->Zaehler, 0);
        QCOMPARE(f.AktuelleFamilie->Name, "Acker");
        QCOMPARE(f.Panels[0]->text(), "Elternanzahl: 1");
    }

    // A second Anna is refused in the child dialog; anna is a different name.
    void doppelterVorname() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        f.LVEltern->setCurrentIndex(f.LVEltern->model()->index(
            f.Projekt->Elternliste.IndexOf(f.Projekt->Elternliste.FindeNummer(1)), 0));
        TDialogFolge folge({[](QDialog& d) {
            QTest::keyClicks(Fokus(d), "Anna");
            QTest::keyClick(Fokus(d), Qt::Key_Tab);
            QTest::keyClicks(Fokus(d), "7a");
            QTest::keyClick(Fokus(d), Qt::Key_Return);
            QVERIFY(d.isVisible());
            auto* name = d.findChildren<QLineEdit*>().first();
            // A first letter typed over the whole text is upper-cased, so a helper letter goes first.
            name->selectAll();
            QTest::keyClicks(name, "xanna");
            QTest::keyClick(name, Qt::Key_Home);
            QTest::keyClick(name, Qt::Key_Delete);
            QTest::keyClick(name, Qt::Key_Return);
        }});
        QTest::mouseClick(f.BtnKindHinzu, Qt::LeftButton);
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(t.Meldung.Titel(), QStringList({"Eingabefehler"}));
        QCOMPARE(f.AktuelleFamilie->Kinder.Count(), 3);
        QVERIFY(f.AktuelleFamilie->Kinder.FindeVorname(QStringLiteral("anna")));
    }

    // Kürzel typed into the request box: exact, single case-insensitive, ambiguous, unknown, double.
    void kuerzelEingabe_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QList<Antwort>>("antworten");
        QTest::addColumn<QStringList>("titel");
        QTest::addColumn<QStringList>("ergebnis");
        QTest::newRow("klein") << "mue, ber" << QList<Antwort>{} << QStringList{}
                               << QStringList({"MUE", "BER"});
        QTest::newRow("doppelt nein") << "MUE, mue" << QList<Antwort>{Antwort::Nein}
                                      << QStringList({"Vielleicht ein Irrtum ..."}) << QStringList({"MUE"});
        QTest::newRow("doppelt ja") << "MUE, mue" << QList<Antwort>{Antwort::Ja}
                                    << QStringList({"Vielleicht ein Irrtum ..."})
                                    << QStringList({"MUE", "MUE"});
        QTest::newRow("unbekannt nein") << "XY, ber" << QList<Antwort>{Antwort::Nein}
                                        << QStringList({"Lehrerliste bearbeiten?"}) << QStringList({"BER"});
    }
    void kuerzelEingabe() {
        QFETCH(QString, eingabe);
        QFETCH(QList<Antwort>, antworten);
        QFETCH(QStringList, titel);
        QFETCH(QStringList, ergebnis);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        f.LVEltern->setCurrentIndex(f.LVEltern->model()->index(
            f.Projekt->Elternliste.IndexOf(f.Projekt->Elternliste.FindeNummer(2)), 0));
        QCOMPARE(f.AktuellesKind->Vorname, "Cem");
        t.Meldung.Antworten = antworten;
        f.KuerzE->setFocus();
        QTest::keyClicks(f.KuerzE, eingabe);
        QTest::keyClick(f.KuerzE, Qt::Key_Return);
        QCOMPARE(t.Meldung.Titel(), titel);
        QStringList kuerzel;
        for (const TGespraech* g : f.AktuellesKind->Gespraeche)
            kuerzel << g->Lehrer->Kuerzel;
        QCOMPARE(kuerzel, ergebnis);
        QVERIFY(f.KuerzE->text().isEmpty());
        QCOMPARE(f.Projekt->Gespraechsliste.Count(), 3 + kuerzel.size());
    }

    // An unknown Kürzel answered Yes opens the teacher dialog with the Kürzel fixed; OK adds the teacher
    // and the request, Cancel drops the token.
    void unbekanntesKuerzel_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Abbrechen") << false;
    }
    void unbekanntesKuerzel() {
        QFETCH(bool, ok);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        f.LVEltern->setCurrentIndex(f.LVEltern->model()->index(
            f.Projekt->Elternliste.IndexOf(f.Projekt->Elternliste.FindeNummer(1)), 0));
        t.Meldung.Antworten = {Antwort::Ja};
        TDialogFolge folge({[ok](QDialog& d) {
            auto& l = static_cast<TFEditL&>(d);
            QCOMPARE(l.windowTitle(), "Möchten Sie einen Lehrer mit diesem Kürzel ergänzen?");
            QVERIFY(l.E_Krz->isReadOnly());
            QCOMPARE(l.E_Krz->text(), "NEU");
            if (!ok) {
                l.reject();
                return;
            }
            QTest::keyClicks(l.E_Anr, "h");
            l.E_Name->setFocus();
            QTest::keyClicks(l.E_Name, "neumann");
            QTest::keyClick(l.E_Name, Qt::Key_Return);
        }});
        f.KuerzE->setFocus();
        QTest::keyClicks(f.KuerzE, "NEU");
        QTest::keyClick(f.KuerzE, Qt::Key_Return);
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(t.Meldung.Protokoll[0].Text, "DAS KÜRZEL\r\rNEU\r\rGIBT ES NICHT IN DER LEHRERLISTE.\r\r"
                                              "Möchten Sie einen solchen Lehrer ergänzen?");
        const TLehrer* neu = f.Projekt->Lehrerliste.FindeKuerzel(QStringLiteral("NEU"));
        QCOMPARE(neu != nullptr, ok);
        QCOMPARE(f.Projekt->Lehrerliste.Count(), ok ? 3 : 2);
        QCOMPARE(f.AktuellesKind->Gespraeche.size(), size_t(ok ? 3 : 2));
        if (ok) QCOMPARE(neu->Name, "Neumann");
    }

    // The teacher dialog's Kürzel rule through the window: a taken Kürzel is refused, a new one added.
    void lehrerKuerzelregel() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        TDialogFolge folge({[](QDialog& d) {
                                auto& l = static_cast<TFEditL&>(d);
                                l.E_Name->setText(QStringLiteral("Klein"));
                                l.E_Krz->setText(QStringLiteral("MUE"));
                                l.E_Krz->setFocus();
                                QTest::keyClick(l.E_Krz, Qt::Key_Return);
                                QVERIFY(l.isVisible());
                                l.E_Krz->setText(QStringLiteral("mue"));
                                QTest::keyClick(l.E_Krz, Qt::Key_Return);
                            },
                            [](QDialog& d) { d.reject(); }});
        QTest::mouseClick(f.BtnLehrerHinzu, Qt::LeftButton);
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(t.Meldung.Titel(), QStringList({"Kürzel: MUE"}));
        QCOMPARE(f.Projekt->Lehrerliste.Count(), 3);
        QVERIFY(f.Projekt->Lehrerliste.FindeKuerzel(QStringLiteral("mue")));
        QCOMPARE(f.Panels[1]->text(), "Lehreranzahl: 3");
    }

    // Deleting a teacher asks with the number of requests and removes them from the tree.
    void lehrerLoeschen() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        const int zeile =
            f.Projekt->Lehrerliste.IndexOf(f.Projekt->Lehrerliste.FindeKuerzel(QStringLiteral("BER")));
        f.LVLehrer->setCurrentIndex(f.LVLehrer->model()->index(zeile, 0));
        t.Meldung.Antworten = {Antwort::Ja};
        QTest::keyClick(f.LVLehrer, Qt::Key_Delete);
        QCOMPARE(t.Meldung.Protokoll[0].Text, "Soll Frau von Berg (BER)\rwirklich gelöscht werden?\r\r"
                                              "Anzahl bereits gewünschter Gespräche: 2");
        QCOMPARE(f.Projekt->Gespraechsliste.Count(), 1);
        QCOMPARE(f.Projekt->Lehrerliste.Count(), 1);
        QVERIFY(!f.Projekt->ReihenfolgeFest);
    }

    // Type-ahead in the family list follows the name column, umlauts included.
    void tippsuche() {
        TFensterTest t;
        auto p = KleinesProjekt();
        p->NeueFamilie(QStringLiteral("Familie"), QString::fromUtf8("Müller"));
        p->NeueFamilie(QStringLiteral("Familie"), QStringLiteral("Mai"));
        p->ElternSortieren();
        t.Fenster->ProjektErsetzen(std::move(p));
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        f.LVEltern->setFocus();
        QTest::keyClick(f.LVEltern, Qt::Key_M);
        QTest::sendKeyEvent(QTest::Press, f.LVEltern, Qt::Key_unknown, QString::fromUtf8("ü"),
                            Qt::NoModifier);
        QCOMPARE(f.AktuelleFamilie->Name, "Müller");
        QTest::keyClick(f.LVEltern, Qt::Key_X);
        QCOMPARE(f.AktuelleFamilie->Name, "Müller");
    }

    // Filling and filtering the family list with 3,000 families.
    void grosseListe() {
        TFensterTest t;
        auto p = std::make_unique<TProjekt>();
        for (int i = 0; i < 3000; ++i) {
            TEltern* e = p->NeueFamilie(QStringLiteral("Familie"),
                                        QStringLiteral("Name%1").arg(i, 4, 10, QChar(u'0')));
            p->NeuesKind(e, QStringLiteral("Kind"), QStringLiteral("%1a").arg(5 + i % 8));
        }
        t.Fenster->ProjektErsetzen(std::move(p));
        TVELWnd& f = *t.Fenster;
        QElapsedTimer uhr;
        uhr.start();
        f.ElternlisteFuellen();
        const qint64 fuellen = uhr.restart();
        f.SuchE->setText(QStringLiteral("Name1"));
        const qint64 suchen = uhr.restart();
        QCOMPARE(f.LVEltern->model()->rowCount(), 1000);
        qInfo("3000 Familien: Fuellen %lld ms, Suchen %lld ms", fuellen, suchen);
        QVERIFY(fuellen < 100 && suchen < 100);
    }

    // Renaming a family: the unticked child keeps the old name, the list follows the new one and the
    // search that hid the others is cleared.
    void familieAendern() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        f.SuchE->setText(QStringLiteral("Mai"));
        QCOMPARE(Zeilen(f), QStringList({"Maier"}));
        QCOMPARE(f.AktuelleFamilie->Name, "Maier");
        TDialogFolge folge({[](QDialog& d) {
            auto& e = static_cast<TFEditE&>(d);
            QCOMPARE(e.windowTitle(), "Elterndaten korrigieren");
            QCOMPARE(e.CkLB_ki->count(), 2);
            e.CkLB_ki->item(1)->setCheckState(Qt::Unchecked); // Ben
            e.NacE->setFocus();
            e.NacE->selectAll();
            QTest::keyClicks(e.NacE, "zander");
            QCOMPARE(e.CkLB_ki->item(0)->text(), "Anna Zander");
            QCOMPARE(e.CkLB_ki->item(1)->text(), "Ben Maier");
            QTest::keyClick(e.NacE, Qt::Key_Return);
        }});
        QTest::mouseClick(f.BtnEditE, Qt::LeftButton);
        QCOMPARE(folge.Offen(), 0);
        const TEltern* e = f.Projekt->Elternliste.FindeNummer(1);
        QCOMPARE(e->Name, "Zander");
        QCOMPARE(e->Kinder[0]->Nachname, "");
        QCOMPARE(e->Kinder[1]->Nachname, "Maier");
        QVERIFY(f.Geaendert && f.SicherungFaellig);
        QVERIFY(f.SuchE->text().isEmpty());
        QCOMPARE(Zeilen(f), QStringList({"Acker", "Zander"}));
        QCOMPARE(f.AktuelleFamilie, e);
        QCOMPARE(f.LbEltern->text(), "Familie Zander");
        QVERIFY(Knoten(f, "Ben Maier (10b)"));
        QCOMPARE(Fokusfeld(), f.LVEltern);
    }

    // Ctrl+F8 in the family list cycles Familie -> Frau -> Herr -> Familie.
    void anredeWechseln() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 1);
        f.LVEltern->setFocus();
        QStringList anreden;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(f.LVEltern, Qt::Key_F8, Qt::ControlModifier);
            anreden << f.LVEltern->currentIndex().siblingAtColumn(0).data().toString();
        }
        QCOMPARE(anreden, QStringList({"Frau", "Herr", "Familie"}));
        QVERIFY(f.Geaendert);
    }

    // Changing a child: a new class refills the class filter and moves the family; an unchanged or
    // cancelled dialog changes nothing.
    void kindAendern_data() {
        QTest::addColumn<QString>("klasse");
        QTest::addColumn<QString>("nachname");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("geaendert");
        QTest::addColumn<QString>("knoten");
        QTest::newRow("Klasse") << "11a"
                                << "Maier" << true << true << "Anna (11a)";
        QTest::newRow("Nachname") << "5a"
                                  << "Berg" << true << true << "Anna Berg (5a)";
        QTest::newRow("unverändert") << "5a"
                                     << "Maier" << true << false << "Anna (5a)";
        QTest::newRow("abgebrochen") << "11a"
                                     << "Berg" << false << false << "Anna (5a)";
    }
    void kindAendern() {
        QFETCH(QString, klasse);
        QFETCH(QString, nachname);
        QFETCH(bool, ok);
        QFETCH(bool, geaendert);
        QFETCH(QString, knoten);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 1);
        QCOMPARE(f.AktuellesKind->Vorname, "Anna");
        TDialogFolge folge({[&](QDialog& d) {
            auto& k = static_cast<TFEditK&>(d);
            QCOMPARE(k.windowTitle(), "Kinddaten ändern");
            QCOMPARE(k.Edit3->text(), "Maier");
            k.Edit2->setText(klasse);
            k.Edit3->setText(nachname);
            ok ? k.OkBtn->click() : k.CancBtn->click();
        }});
        QTest::mouseClick(f.BtnEditK, Qt::LeftButton);
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(f.Geaendert, geaendert);
        QCOMPARE(f.TVKinder->currentItem()->text(0), knoten);
        QCOMPARE(f.AktuellesKind->Vorname, "Anna");
        QCOMPARE(Eintraege(f.ComboKlassen).contains(QStringLiteral("11a")), geaendert && klasse == "11a");
        QCOMPARE(Fokusfeld(), f.TVKinder);
    }

    // Deleting a child asks with its requests; the focus goes to the tree, or to "hinzu ..." when the
    // family has no child left.
    void kindLoeschen_data() {
        QTest::addColumn<int>("familie");
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<QString>("frage");
        QTest::addColumn<int>("gespraeche");
        QTest::newRow("Ja") << 1 << Antwort::Ja
                            << "Soll bei Familie Maier das Kind\rAnna (5a)\rgelöscht werden?\r"
                               "Anzahl bereits gewünschter Gespräche: 2"
                            << 1;
        QTest::newRow("Nein") << 1 << Antwort::Nein
                              << "Soll bei Familie Maier das Kind\rAnna (5a)\rgelöscht werden?\r"
                                 "Anzahl bereits gewünschter Gespräche: 2"
                              << 3;
        QTest::newRow("letztes Kind")
            << 2 << Antwort::Ja << "Soll bei Frau van Acker das Kind\rCem\rgelöscht werden?" << 3;
    }
    void kindLoeschen() {
        QFETCH(int, familie);
        QFETCH(Antwort, antwort);
        QFETCH(QString, frage);
        QFETCH(int, gespraeche);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(GebuchtesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, familie);
        f.TVKinder->setFocus();
        t.Meldung.Antworten = {antwort};
        QTest::keyClick(f.TVKinder, Qt::Key_Delete);
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Text, frage);
        QCOMPARE(t.Meldung.Protokoll[0].Titel, "Kind löschen");
        QCOMPARE(t.Meldung.Protokoll[0].Vorgabe, Antwort::Nein);
        QCOMPARE(f.Projekt->Gespraechsliste.Count(), gespraeche);
        QCOMPARE(f.Geaendert, antwort == Antwort::Ja);
        if (antwort == Antwort::Nein) return;
        QCOMPARE(f.Panels[2]->text(), QStringLiteral("Gesprächsanzahl: %1").arg(gespraeche));
        if (familie == 2) {
            QCOMPARE(Fokusfeld(), f.BtnKindHinzu);
            QVERIFY(!f.TVKinder->isEnabled());
            QCOMPARE(Eintraege(f.ComboKlassen), QStringList({"(alle)", "5a", "10b"}));
        } else {
            // Anna's request with Müller was his only one.
            const TLehrer* mue = f.Projekt->Lehrerliste.FindeKuerzel(QStringLiteral("MUE"));
            QVERIFY(SlotsFrei(*mue));
            QCOMPARE(mue->Zaehler, 0);
            QCOMPARE(Fokusfeld(), f.TVKinder);
            QCOMPARE(f.AktuellesKind->Vorname, "Ben");
            QCOMPARE(Eintraege(f.ComboKlassen), QStringList({"(alle)", "unbekannt", "10b"}));
        }
    }

    // The sort dialog changes the order byte, stores it as the default and shows the list from its top.
    void sortierung_data() {
        QTest::addColumn<int>("schluessel");
        QTest::addColumn<int>("reihenfolge");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("sortierung");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("Klasse absteigend")
            << int(TSortF::KlasseDerKinder) << 1 << true << 0xD0 << QStringList({"Maier", "Acker"});
        QTest::newRow("Name absteigend")
            << int(TSortF::Elternname) << 1 << true << 0xA0 << QStringList({"Maier", "Acker"});
        QTest::newRow("Schlüsselnummer")
            << int(TSortF::Schluesselnummer) << 0 << true << 0x00 << QStringList({"Maier", "Acker"});
        QTest::newRow("abgebrochen") << int(TSortF::Schluesselnummer) << 0 << false << 0x80
                                     << QStringList({"Acker", "Maier"});
    }
    void sortierung() {
        QFETCH(int, schluessel);
        QFETCH(int, reihenfolge);
        QFETCH(bool, ok);
        QFETCH(int, sortierung);
        QFETCH(QStringList, zeilen);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 2);
        TDialogFolge folge({[&](QDialog& d) {
            auto& s = static_cast<TSortF&>(d);
            QCOMPARE(s.windowTitle(), "Sortierung der Elternliste festlegen");
            s.Schluessel1->setCurrentIndex(schluessel);
            s.Reihenfolge1->setCurrentIndex(reihenfolge);
            ok ? s.accept() : s.reject();
        }});
        f.EListeSort1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(int(f.Projekt->ListenSortierung), sortierung);
        QCOMPARE(Zeilen(f), zeilen);
        QCOMPARE(f.Geaendert, ok);
        const TSchluessel optionen = t.Speicher.SchluesselLesen(QStringLiteral("Optionen"));
        QCOMPARE(int(optionen.ZahlLesen(QStringLiteral("SortierKrit"), 192)), ok ? sortierung : 192);
        if (ok) QCOMPARE(f.AktuelleFamilie, f.ElternInZeile(0));
    }

    // Changing a teacher: keeping the own Kürzel is fine, another's is refused; the tree and the request
    // box show the new Kürzel.
    void lehrerAendern_data() {
        QTest::addColumn<QString>("kuerzel");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("eigenes Kürzel") << "MUE"
                                        << "";
        QTest::newRow("neues Kürzel") << "Mü"
                                      << "";
        QTest::newRow("fremdes Kürzel") << "BER"
                                        << "Dieses Kürzel ist bereits für Frau von Berg vergeben,\r\n"
                                           "bitte korrigieren Sie es.";
    }
    void lehrerAendern() {
        QFETCH(QString, kuerzel);
        QFETCH(QString, meldung);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 1);
        f.Projekt->RueckListe.Add(std::make_unique<TRueckgEintrag>());
        LehrerWaehlen(f, {"MUE"});
        QCOMPARE(f.KuerzE->text(), "MUE");
        TDialogFolge folge({[&](QDialog& d) {
            auto& l = static_cast<TFEditL&>(d);
            QCOMPARE(l.windowTitle(), "Lehrerdaten korrigieren");
            QVERIFY(!l.E_Krz->isReadOnly());
            l.E_Name->setText(QStringLiteral("Müllner"));
            l.E_Krz->setText(kuerzel);
            l.E_Krz->setFocus();
            QTest::keyClick(l.E_Krz, Qt::Key_Return);
            if (!meldung.isEmpty()) {
                QVERIFY(l.isVisible());
                l.reject();
            }
        }});
        f.EditL1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(Fokusfeld(), f.LVLehrer);
        const TLehrer* l = f.Projekt->Lehrerliste.FindeKuerzel(meldung.isEmpty() ? kuerzel : "MUE");
        QVERIFY(l);
        if (!meldung.isEmpty()) {
            QCOMPARE(t.Meldung.Protokoll.size(), 1);
            QCOMPARE(t.Meldung.Protokoll[0].Text, meldung);
            QCOMPARE(l->Name, QString::fromUtf8("Müller"));
            QVERIFY(!f.Geaendert);
            return;
        }
        QCOMPARE(l->Name, "Müllner");
        QVERIFY(f.Geaendert);
        QCOMPARE(f.Projekt->RueckListe.Count(), 0);
        QVERIFY(Knoten(f, QStringLiteral("1. Herr Dr. Müllner (%1)").arg(kuerzel)));
        QCOMPARE(f.KuerzE->text(), kuerzel);
        QCOMPARE(f.LVLehrer->selectionModel()->selectedRows().size(), 1);
    }

    // Three teachers with 4, 5 and no requests: the question shows the sum 9, the nine conversations go
    // with their appointments, and the plan must be prepared again.
    void mehrereLehrerLoeschen_data() {
        QTest::addColumn<Antwort>("antwort");
        QTest::newRow("Ja") << Antwort::Ja;
        QTest::newRow("Nein") << Antwort::Nein;
    }
    void mehrereLehrerLoeschen() {
        QFETCH(Antwort, antwort);
        auto p = std::make_unique<TProjekt>();
        for (int s = 0; s < 12; ++s) {
            p->Zeittexte[static_cast<size_t>(s)] = UhrzeitText(16 * 60 + s * 10);
            p->ZeitAktiv[static_cast<size_t>(s)] = true;
        }
        p->Datum[0] = WertAusDatum(QDate(2027, 3, 1));
        ZweiTageBestimmen(*p);
        TLehrer* a = LehrerHinzufuegen(*p, "Herr", "A", "Adam", {}, {});
        TLehrer* b = LehrerHinzufuegen(*p, "Frau", "B", "Bode", {}, {});
        LehrerHinzufuegen(*p, "Frau", "C", "Cohn", {}, {});
        TLehrer* d = LehrerHinzufuegen(*p, "Herr", "D", "Dorn", {}, {});
        int slot = 0;
        for (int i = 0; i < 10; ++i) {
            TEltern* e = p->NeueFamilie("Familie", QStringLiteral("F%1").arg(i));
            TKind* k = p->NeuesKind(e, "Kind", "5a");
            for (TLehrer* l : {i < 4 ? a : d, i < 5 ? b : d}) {
                TGespraech* g = p->NeuesGespraech(l, k);
                g->Termin = static_cast<int16_t>(slot % 12);
                l->Zeiten[g->Termin] = e->Zeiten[g->Termin] = g->Nummer;
                ++slot;
            }
        }
        p->ZaehleGespraeche();
        // As after a scheduling run: the counters hold the run's working values.
        a->Zaehler |= 0x8000;
        p->UnmoeglichBestimmt = p->ReihenfolgeFest = true;
        p->RueckListe.Add(std::make_unique<TRueckgEintrag>());
        TFensterTest t;
        t.Fenster->ProjektErsetzen(std::move(p));
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        LehrerWaehlen(f, {"A", "B", "C"});
        f.LVLehrer->setFocus();
        t.Meldung.Antworten = {antwort};
        QTest::keyClick(f.LVLehrer, Qt::Key_Delete);
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Text,
                 "Möchten Sie die 3 ausgewählten Lehrkräfte wirklich alle löschen?\r\r"
                 "Anzahl bereits gewünschter Gespräche: 9");
        QCOMPARE(t.Meldung.Protokoll[0].Titel, "Lehrer löschen");
        QCOMPARE(t.Meldung.Protokoll[0].Vorgabe, Antwort::Nein);
        TProjekt& q = *f.Projekt;
        if (antwort == Antwort::Nein) {
            QCOMPARE(q.Gespraechsliste.Count(), 20);
            QCOMPARE(q.Lehrerliste.Count(), 4);
            return;
        }
        QCOMPARE(q.Gespraechsliste.Count(), 11);
        QCOMPARE(q.Lehrerliste.Count(), 1);
        for (const auto& e : q.Elternliste)
            for (int s = 0; s < SlotAnzahl; ++s)
                if (e->Zeiten[static_cast<size_t>(s)] > 0)
                    QCOMPARE(
                        q.Gespraechsliste.FindeNummer(e->Zeiten[static_cast<size_t>(s)])->Lehrer->Kuerzel,
                        "D");
        QVERIFY(!q.UnmoeglichBestimmt && !q.ReihenfolgeFest);
        QCOMPARE(q.RueckListe.Count(), 0);
        QCOMPARE(f.Panels[1]->text(), "Lehreranzahl: 1");
        QCOMPARE(f.Panels[2]->text(), "Gesprächsanzahl: 11");
        QCOMPARE(Fokusfeld(), f.BtnLehrerHinzu);
        QVERIFY(f.LVLehrer->isEnabled());
    }

    // After the last teacher the list is disabled and "hinzu ..." has the focus.
    void letzteLehrerLoeschen() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        LehrerWaehlen(f, {"MUE", "BER"});
        t.Meldung.Antworten = {Antwort::Ja};
        QTest::mouseClick(f.BtnLoeschL, Qt::LeftButton);
        QCOMPARE(t.Meldung.Protokoll[0].Text,
                 "Möchten Sie die 2 ausgewählten Lehrkräfte wirklich alle löschen?\r\r"
                 "Anzahl bereits gewünschter Gespräche: 3");
        QVERIFY(f.Projekt->Lehrerliste.Leer());
        QVERIFY(!f.LVLehrer->isEnabled());
        QCOMPARE(Fokusfeld(), f.BtnLehrerHinzu);
        QVERIFY(!f.Berech1->isEnabled());
    }

    // Teachers Ab and AB and the input "ab": the identification dialog lists both; "Ignorieren" creates
    // nothing, OK the request with the chosen teacher.
    void mehrdeutigesKuerzel_data() {
        QTest::addColumn<int>("zeile"); // -1: Ignorieren
        QTest::addColumn<QStringList>("ergebnis");
        QTest::newRow("Ignorieren") << -1 << QStringList({"BER"});
        QTest::newRow("zweite Zeile") << 1 << QStringList({"BER", "AB"});
    }
    void mehrdeutigesKuerzel() {
        QFETCH(int, zeile);
        QFETCH(QStringList, ergebnis);
        auto p = KleinesProjekt();
        LehrerHinzufuegen(*p, "Herr", "Ab", "Abel", {}, {});
        LehrerHinzufuegen(*p, "Frau", "AB", "Abt", {}, {});
        TFensterTest t;
        t.Fenster->ProjektErsetzen(std::move(p));
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 2);
        TDialogFolge folge({[&](QDialog& d) {
            auto& i = static_cast<TIdentifyKrzDlg&>(d);
            QCOMPARE(i.windowTitle(), "Lehrer identifizieren, Kürzel: ab");
            QVERIFY(i.findChild<QLabel*>()->text().startsWith(
                "Das Kürzel ab ist nicht eindeutig. Bitte wählen Sie hier den gewünschten Lehrer aus:"));
            QCOMPARE(i.Liste->count(), 2);
            QCOMPARE(i.Liste->currentRow(), 0);
            QCOMPARE(i.Liste->item(0)->text(), "Ab\tHerr Abel");
            QVERIFY(i.OkBtn->isDefault());
            if (zeile < 0) {
                QTest::mouseClick(i.IgnorierenBtn, Qt::LeftButton);
                return;
            }
            i.Liste->setCurrentRow(zeile);
            QTest::mouseClick(i.OkBtn, Qt::LeftButton);
        }});
        f.KuerzE->setFocus();
        QTest::keyClicks(f.KuerzE, "ber, ab");
        QTest::keyClick(f.KuerzE, Qt::Key_Return);
        QCOMPARE(folge.Offen(), 0);
        QStringList kuerzel;
        for (const TGespraech* g : f.AktuellesKind->Gespraeche)
            kuerzel << g->Lehrer->Kuerzel;
        QCOMPARE(kuerzel, ergebnis);
        QVERIFY(t.Meldung.Protokoll.isEmpty());
    }

    // Shift+Enter in the request box or in the teacher list marks the requests "child comes along".
    void umschaltEnter_data() {
        QTest::addColumn<bool>("inLehrerliste");
        QTest::newRow("Kürzelfeld") << false;
        QTest::newRow("Lehrerliste") << true;
    }
    void umschaltEnter() {
        QFETCH(bool, inLehrerliste);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 2);
        if (inLehrerliste) {
            LehrerWaehlen(f, {"MUE", "BER"});
            QCOMPARE(f.KuerzE->text(), "MUE, BER"); // in the order of selection, not of the list
            QCOMPARE(f.LblEingabetaste->text(), "Eingabetaste: Gesprächswünsche hinzufügen");
            f.LVLehrer->setFocus();
            QTest::keyClick(f.LVLehrer, Qt::Key_Return, Qt::ShiftModifier);
        } else {
            f.KuerzE->setFocus();
            QTest::keyClicks(f.KuerzE, "mue,ber");
            QTest::keyClick(f.KuerzE, Qt::Key_Return, Qt::ShiftModifier);
        }
        const TKind* cem = f.AktuellesKind;
        QCOMPARE(cem->Gespraeche.size(), size_t(2));
        for (const TGespraech* g : cem->Gespraeche)
            QVERIFY(g->KindKommtMit());
        QVERIFY(f.KuerzE->text().isEmpty());
        QVERIFY(f.LVLehrer->selectionModel()->selectedRows().isEmpty());
        QVERIFY(!f.BtnLoeschL->isEnabled());
        QVERIFY(!f.Projekt->UnmoeglichBestimmt && !f.Projekt->ReihenfolgeFest);
        QCOMPARE(f.Projekt->Lehrerliste.FindeKuerzel(QStringLiteral("BER"))->Zaehler, 3);
    }

    // The context menu of the tree: captions follow the selected node; the mark command toggles a
    // request and marks or unmarks all requests of a child.
    void kennzeichnen() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 1);
        auto zeigen = [&](const QString& knoten) {
            f.TVKinder->setCurrentItem(Knoten(f, knoten));
            MenueZeigen(f.PopMenuGespr);
            return f.kindkommtmit1->text();
        };
        QCOMPARE(zeigen("Anna"), "kenzeichnen: \"Das Kind kommt mit\"");
        QCOMPARE(f.Loe41Ki->text(), "Alle Gespräche über Anna löschen");
        QVERIFY(f.Loe41Ki->isEnabled());
        QVERIFY(f.AlleGLoe->isVisible());
        QCOMPARE(f.AlleGLoe->text(), "Alle Gespräche bei Familie Maier löschen...");
        QVERIFY(!f.GesprLoeschen1->isEnabled());
        QVERIFY(f.KindLoeschen1->isEnabled());
        f.kindkommtmit1->trigger();
        QVERIFY(f.Geaendert);
        QCOMPARE(zeigen("Anna"), "kenzeichnen: \"Gespräche nur mit Eltern, ohne Anna\"");
        f.kindkommtmit1->trigger();
        for (const TGespraech* g : f.AktuellesKind->Gespraeche)
            QVERIFY(!g->KindKommtMit());
        QCOMPARE(zeigen("2. Frau von Berg"), "kenzeichnen: \"Das Kind kommt mit\"");
        QVERIFY(f.GesprLoeschen1->isEnabled());
        QVERIFY(!f.KindLoeschen1->isEnabled());
        f.kindkommtmit1->trigger();
        QCOMPARE(zeigen("2. Frau von Berg"), "kenzeichnen: \"Gespräch nur mit Eltern, ohne Anna\"");
        QVERIFY(f.AktuellesKind->Gespraeche[1]->KindKommtMit());
        QVERIFY(!f.AktuellesKind->Gespraeche[0]->KindKommtMit());
        FamilieWaehlen(f, 2);
        zeigen("Cem");
        QVERIFY(!f.kindkommtmit1->isVisible());
        QVERIFY(!f.Loe41Ki->isEnabled());
        QCOMPARE(f.AlleGLoe->text(), "Alle Gespräche bei Frau van Acker löschen...");
    }

    // Deleting the selected request, all of a child or all of the family asks first; the appointments
    // and the counters follow.
    void gespraecheLoeschen_data() {
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<QString>("frage");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QStringList>("anna");
        QTest::addColumn<QString>("auswahl");
        const QString einzeln =
            "Möchten Sie das Gespräch von Familie Maier über Anna (5a) mit Herrn Dr. Müller "
            "wirklich löschen?";
        QTest::newRow("Entf") << "Entf" << Antwort::Ja << einzeln << "Gesprächswunsch löschen"
                              << QStringList({"BER0"}) << "1. Frau von Berg (BER)";
        QTest::newRow("Entf, Nein") << "Entf" << Antwort::Nein << einzeln << "Gesprächswunsch löschen"
                                    << QStringList({"MUE0", "BER1"}) << "1. Herr Dr. Müller (MUE)";
        QTest::newRow("Schalter") << "Schalter" << Antwort::Ja << ""
                                  << "" << QStringList({"BER0"}) << "1. Frau von Berg (BER)";
        QTest::newRow("Kind")
            << "Kind" << Antwort::Ja
            << "Möchten Sie wirklich alle Gesprächswünsche von Familie Maier über Anna löschen?"
            << "Alle Gespräche über ein Kind löschen" << QStringList() << "Anna (5a)";
        QTest::newRow("Familie") << "Familie" << Antwort::Ja
                                 << "Möchten Sie wirklich alle Gesprächswünsche von Familie Maier löschen?"
                                 << "Alle Gespräche einer Familie löschen" << QStringList() << "Anna (5a)";
        QTest::newRow("Familie, Nein")
            << "Familie" << Antwort::Nein
            << "Möchten Sie wirklich alle Gesprächswünsche von Familie Maier löschen?"
            << "Alle Gespräche einer Familie löschen" << QStringList({"MUE0", "BER1"})
            << "1. Herr Dr. Müller (MUE)";
    }
    void gespraecheLoeschen() {
        QFETCH(QString, befehl);
        QFETCH(Antwort, antwort);
        QFETCH(QString, frage);
        QFETCH(QString, titel);
        QFETCH(QStringList, anna);
        QFETCH(QString, auswahl);
        TFensterTest t;
        t.Fenster->ProjektErsetzen(GebuchtesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 1);
        const TKind* k = f.AktuellesKind;
        f.TVKinder->setCurrentItem(Knoten(f, "1. Herr Dr. Müller"));
        f.TVKinder->setFocus();
        t.Meldung.Antworten = {antwort};
        if (befehl == "Entf")
            QTest::keyClick(f.TVKinder, Qt::Key_Delete);
        else if (befehl == "Schalter")
            QTest::mouseClick(f.SpBLoeG, Qt::LeftButton);
        else
            (befehl == "Kind" ? f.Loe41Ki : f.AlleGLoe)->trigger();
        QCOMPARE(t.Meldung.Protokoll.size(), frage.isEmpty() ? 0 : 1);
        if (!frage.isEmpty()) {
            QCOMPARE(t.Meldung.Protokoll[0].Text, frage);
            QCOMPARE(t.Meldung.Protokoll[0].Titel, titel);
            QCOMPARE(t.Meldung.Protokoll[0].Vorgabe, Antwort::Nein);
        }
        QCOMPARE(Kuerzelfolge(*k), anna);
        QCOMPARE(f.TVKinder->currentItem()->text(0), auswahl);
        const TLehrer* mue = f.Projekt->Lehrerliste.FindeKuerzel(QStringLiteral("MUE"));
        const TLehrer* ber = f.Projekt->Lehrerliste.FindeKuerzel(QStringLiteral("BER"));
        const int gespraeche = f.Projekt->Gespraechsliste.Count();
        QCOMPARE(f.Panels[2]->text(), QStringLiteral("Gesprächsanzahl: %1").arg(gespraeche));
        QCOMPARE(mue->Zaehler + ber->Zaehler, gespraeche);
        QCOMPARE(SlotsFrei(*mue), anna.isEmpty() || anna.size() == 1);
        QCOMPARE(f.Berech1->isEnabled(), gespraeche > 0);
        QCOMPARE(f.Geaendert, antwort == Antwort::Ja);
        if (befehl == "Kind" || befehl == "Familie") QCOMPARE(f.Loe41Ki->isEnabled(), antwort != Antwort::Ja);
    }

    // The class dialog: a Kürzel that is none is refused in its cell; the request goes to every child of
    // the class that does not have it yet.
    void klassendialog() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 1);
        TDialogFolge folge({[&](QDialog& d) {
            auto& k = static_cast<TFKlLeitg&>(d);
            QCOMPARE(k.windowTitle(), "Gespräche mit allen Kindern einer Klasse");
            QCOMPARE(k.Gitter->rowCount(), 2);
            QCOMPARE(k.Gitter->item(0, 0)->text(), "5a");
            QCOMPARE(k.Gitter->item(1, 0)->text(), "10b");
            QVERIFY(k.AbbrechenBtn->isDefault());
            // Any edit trigger opens the cell: moving to it is enough.
            auto offenerEditor = [&]() -> QLineEdit* {
                for (auto* e : k.Gitter->viewport()->findChildren<QLineEdit*>())
                    if (e->isVisible()) return e;
                return nullptr;
            };
            k.Gitter->setCurrentCell(1, 1);
            QTRY_VERIFY(offenerEditor());
            QTest::keyClicks(offenerEditor(), "xy");
            QTest::keyClick(offenerEditor(), Qt::Key_Return);
            QTRY_COMPARE(t.Meldung.Protokoll.size(), 1);
            QCOMPARE(t.Meldung.Protokoll[0].Text, "Das Kürzel ist ungültig.");
            QCOMPARE(t.Meldung.Protokoll[0].Titel, "Korrigieren oder Löschen?");
            // The cell opens its editor again, with the text to correct.
            QLineEdit* editor = nullptr;
            QTRY_VERIFY((editor = offenerEditor()) && editor->text() == "xy");
            editor->setText(QStringLiteral("mUE"));
            QTest::keyClick(editor, Qt::Key_Return);
            QTRY_COMPARE(k.Gitter->item(1, 1)->text(), "MUE");
            QVERIFY(k.isVisible());
            QTest::mouseClick(k.HinzuBtn, Qt::LeftButton);
        }});
        f.Klassenleitung1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        const TKind* ben = f.Projekt->Elternliste.FindeNummer(1)->Kinder[1];
        QCOMPARE(Kuerzelfolge(*ben), QStringList({"BER0", "MUE1"}));
        QCOMPARE(f.Panels[2]->text(), "Gesprächsanzahl: 4");
        QVERIFY(f.Geaendert);
        QVERIFY(Knoten(f, "2. Herr Dr. Müller (MUE)"));
    }

    // The teacher context entry for the filtered class: offered for one teacher and a class only; it
    // asks first and adds the request to the children of the class that lack it.
    void lehrerKlasseHinzu_data() {
        QTest::addColumn<QString>("klasse");
        QTest::addColumn<QStringList>("lehrer");
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<QString>("eintrag"); // empty: not offered
        QTest::addColumn<int>("gespraeche");
        QTest::newRow("Ja") << "5a" << QStringList({"BER"}) << Antwort::Ja
                            << "Frau von Berg bei allen Kindern aus Klasse 5a hinzufügen" << 4;
        QTest::newRow("Nein") << "5a" << QStringList({"BER"}) << Antwort::Nein
                              << "Frau von Berg bei allen Kindern aus Klasse 5a hinzufügen" << 3;
        QTest::newRow("alle Klassen") << "(alle)" << QStringList({"BER"}) << Antwort::Ja << "" << 3;
        QTest::newRow("unbekannt") << "unbekannt" << QStringList({"BER"}) << Antwort::Ja << "" << 3;
        QTest::newRow("zwei Lehrer") << "5a" << QStringList({"BER", "MUE"}) << Antwort::Ja << "" << 3;
    }
    void lehrerKlasseHinzu() {
        QFETCH(QString, klasse);
        QFETCH(QStringList, lehrer);
        QFETCH(Antwort, antwort);
        QFETCH(QString, eintrag);
        QFETCH(int, gespraeche);
        auto p = KleinesProjekt();
        p->NeuesKind(p->Elternliste.FindeNummer(2), "Dora", "5a");
        TFensterTest t;
        t.Fenster->ProjektErsetzen(std::move(p));
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        f.ComboKlassen->setCurrentText(klasse);
        Q_EMIT f.ComboKlassen->activated(f.ComboKlassen->currentIndex());
        LehrerWaehlen(f, lehrer);
        MenueZeigen(f.PopMenuLehrer);
        QCOMPARE(f.KlasseHinzuL1->isVisible(), !eintrag.isEmpty());
        if (eintrag.isEmpty()) return;
        QCOMPARE(f.KlasseHinzuL1->text(), eintrag);
        t.Meldung.Antworten = {antwort};
        f.KlasseHinzuL1->trigger();
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Text, "Möchten Sie jetzt " + eintrag + "?");
        QCOMPARE(t.Meldung.Protokoll[0].Titel, "Rückfrage zur Sicherheit");
        QCOMPARE(t.Meldung.Protokoll[0].Vorgabe, Antwort::Nein);
        QCOMPARE(f.Projekt->Gespraechsliste.Count(), gespraeche);
        QCOMPARE(f.Geaendert, antwort == Antwort::Ja);
        const TKind* dora = f.Projekt->Elternliste.FindeNummer(2)->Kinder.FindeVorname("Dora");
        QCOMPARE(Kuerzelfolge(*dora), antwort == Antwort::Ja ? QStringList({"BER0"}) : QStringList());
        QCOMPARE(f.Panels[2]->text(), QStringLiteral("Gesprächsanzahl: %1").arg(gespraeche));
    }

    // The search box and the class filter decide which families the list shows.
    void sucheUndKlassenfilter() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        QCOMPARE(Eintraege(f.ComboKlassen), QStringList({"(alle)", "unbekannt", "5a", "10b"}));
        f.BuLeh->setChecked(true);
        f.SuchE->setFocus();
        QVERIFY(f.BuElt->isChecked());
        QTest::keyClicks(f.SuchE, "MA");
        QCOMPARE(Zeilen(f), QStringList({"Maier"}));
        QCOMPARE(f.AktuelleFamilie->Name, "Maier");
        QTest::keyClick(f.SuchE, Qt::Key_Return);
        QCOMPARE(Fokusfeld(), f.LVEltern);
        f.SuchE->clear();
        QCOMPARE(Zeilen(f), QStringList({"Acker", "Maier"}));
        for (auto [klasse, zeilen] : {std::pair{"10b", QStringList({"Maier"})},
                                      {"unbekannt", QStringList({"Acker"})},
                                      {"(alle)", QStringList({"Acker", "Maier"})}}) {
            f.ComboKlassen->setCurrentText(klasse);
            Q_EMIT f.ComboKlassen->activated(f.ComboKlassen->currentIndex());
            QCOMPARE(Zeilen(f), zeilen);
            QCOMPARE(f.AktuelleFamilie, f.ElternInZeile(0));
        }
        // The class filter and the search work together.
        f.ComboKlassen->setCurrentText("5a");
        Q_EMIT f.ComboKlassen->activated(f.ComboKlassen->currentIndex());
        f.SuchE->setText("a");
        QCOMPARE(Zeilen(f), QStringList());
        f.SuchE->setText("m");
        QCOMPARE(Zeilen(f), QStringList({"Maier"}));
    }

    // Entering the request box ends the teacher selection and keeps its Kürzel; a click in the family
    // list presses the families mode button and, in hover mode, unticks the teachers' clocks.
    void fokusUndModus() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 2);
        LehrerWaehlen(f, {"MUE", "BER"});
        f.KuerzE->setFocus(Qt::TabFocusReason);
        QVERIFY(f.LVLehrer->selectionModel()->selectedRows().isEmpty());
        QVERIFY(!f.BtnEditL->isEnabled());
        QCOMPARE(f.KuerzE->text(), "MUE, BER");
        QTest::keyClick(f.KuerzE, Qt::Key_Return);
        QCOMPARE(f.AktuellesKind->Gespraeche.size(), size_t(2));

        f.BuLeh->trigger();
        QVERIFY(f.ChBhotZL->isChecked());
        QCOMPARE(f.AktiveListe, TAktiveListe::Lehrer);
        QTest::mouseClick(f.LVEltern->viewport(), Qt::LeftButton, {},
                          f.LVEltern->visualRect(f.LVEltern->model()->index(0, 1)).center());
        QVERIFY(f.BuElt->isChecked());
        QVERIFY(!f.ChBhotZL->isChecked());
        QCOMPARE(f.AktiveListe, TAktiveListe::Eltern);
        f.ComboKlassen->setFocus();
        QTest::keyClick(f.ComboKlassen, Qt::Key_Return);
        QCOMPARE(Fokusfeld(), f.LVEltern);
    }

    // Records that were freed are no longer reachable from the window: the order of selected teachers
    // forgets a deleted teacher, and a family without children leaves no current child behind.
    void nachLoeschenKeineVerweise() {
        TFensterTest t;
        auto p = KleinesProjekt();
        p->NeueFamilie("Familie", "Zorn");
        p->ElternSortieren();
        t.Fenster->ProjektErsetzen(std::move(p));
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        FamilieWaehlen(f, 1);
        LehrerWaehlen(f, {"BER"});
        QCOMPARE(f.KuerzE->text(), "BER");
        t.Meldung.Antworten = {Antwort::Ja};
        f.BtnLoeschL->click();
        FamilieWaehlen(f, 1);
        LehrerWaehlen(f, {"MUE"});
        QCOMPARE(f.KuerzE->text(), "MUE");

        t.Meldung.Antworten = {Antwort::Ja};
        f.BtnLoeschE->click();
        QCOMPARE(f.AktuelleFamilie->Name, "Zorn");
        QCOMPARE(f.AktuellesKind, nullptr);
        QCOMPARE(f.LbKind->text(), "");
        QVERIFY(!f.BtnEditK->isEnabled());
    }
};

VEL_TEST(TstEingabefenster)
#include "tst_Eingabefenster.moc"
