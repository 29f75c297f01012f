#include "FensterTest.h"
#include "app/Dateneingabe.h"
#include "app/ui/UEditL.h"
#include "common/TestHaupt.h"
#include "model/Datumstexte.h"
#include "model/Projektdatei.h"
#include "timeframe/ZRahmen.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
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

        // The written file holds exactly what was entered.
        const QString datei = t.Ordner.filePath(QStringLiteral("Eingabe.pdt"));
        QString fehler;
        QVERIFY2(ProjektSpeichern(p, datei, fehler), qPrintable(fehler));
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
};

VEL_TEST(TstEingabefenster)
#include "tst_Eingabefenster.moc"
