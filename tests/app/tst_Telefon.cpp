// The phone editor, driven through the main window.
#include "Eingabetest.h"
#include "app/ui/Kinderhinweis.h"
#include "app/ui/TelEd.h"
#include "common/TestHaupt.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

namespace {

// KleinesProjekt (van Acker with Cem, Maier with three requests without appointment) and: Cem in 7c
// with a request that has no possible slot, Zander (6a) with one not scheduled, Berg with all booked.
std::unique_ptr<TProjekt> Telefonprojekt() {
    auto p = KleinesProjekt();
    TLehrer* mue = p->Lehrerliste.FindeKuerzel(QStringLiteral("MUE"));
    TEltern* acker = p->Elternliste[0];
    acker->Kinder.Erstes()->Klasse = QStringLiteral("7c");
    p->NeuesGespraech(mue, acker->Kinder.Erstes())->Termin = TerminUnmoeglich;
    p->Elternliste[1]->Telefon = QStringLiteral("0201 555");
    TEltern* zander = p->NeueFamilie(QStringLiteral("Herr"), QStringLiteral("Zander"));
    zander->Telefon = QStringLiteral("0170 12");
    p->NeuesGespraech(mue, p->NeuesKind(zander, QStringLiteral("Dora"), QStringLiteral("6a")));
    TEltern* berg = p->NeueFamilie(QStringLiteral("Familie"), QStringLiteral("Berg"));
    TGespraech* g = p->NeuesGespraech(mue, p->NeuesKind(berg, QStringLiteral("Emil"), QStringLiteral("8a")));
    g->Termin = 5;
    mue->Zeiten[5] = berg->Zeiten[5] = g->Nummer;
    p->ZaehleGespraeche();
    return p;
}

TFTelEd& Editor(QDialog& d) {
    return Als<TFTelEd>(d);
}

QStringList Zeile(const TFTelEd& t, int z) {
    QStringList texte;
    for (int s = 0; s < t.L_tel->columnCount(); ++s)
        texte << t.L_tel->item(z, s)->text();
    return texte;
}

QStringList ErsteSpalte(const TFTelEd& t) {
    QStringList namen;
    for (int z = 0; z < t.L_tel->rowCount(); ++z)
        namen << t.L_tel->item(z, 0)->text();
    return namen;
}

QPoint Mitte(const TFTelEd& t, int zeile) {
    return t.L_tel->visualItemRect(t.L_tel->item(zeile, 0)).center();
}

void ZeileKlicken(TFTelEd& t, int zeile, Qt::KeyboardModifiers mit = Qt::NoModifier) {
    QTest::mouseClick(t.L_tel->viewport(), Qt::LeftButton, mit, Mitte(t, zeile));
}

QStringList Kinder(const TFTelEd& t) {
    QStringList texte;
    for (int i = 0; i < t.LBKinder->count(); ++i)
        texte << t.LBKinder->item(i)->text();
    return texte;
}

// The mouse moved over the list without a button held (QTest's move reaches no widget offscreen).
void Bewegen(QWidget* flaeche, const QPoint& ort) {
    QMouseEvent bewegung(QEvent::MouseMove, ort, flaeche->mapToGlobal(ort), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
    QApplication::sendEvent(flaeche, &bewegung);
}

// Types a new number the way a user does: into the field, over what it held.
void NummerTippen(TFTelEd& t, const QString& nummer) {
    QTest::mouseClick(t.Edit1, Qt::LeftButton);
    t.Edit1->selectAll();
    QTest::keyClick(t.Edit1, Qt::Key_Backspace);
    Tippen(t.Edit1, nummer);
}

} // namespace

class TstTelefon : public QObject {
    Q_OBJECT

    std::unique_ptr<TFensterTest> T;

    // The window with the phone project; the editor's steps follow.
    TVELWnd& Fenster() {
        T = std::make_unique<TFensterTest>();
        T->Fenster->ProjektErsetzen(Telefonprojekt());
        if (!T->Zeigen()) qFatal("window not shown");
        return *T->Fenster;
    }

    // Opens the editor from the menu and works it with schritt.
    void Bearbeiten(const TSchritt& schritt) {
        TVELWnd& f = *T->Fenster;
        QVERIFY(f.Tel1->isEnabled());
        TDialogFolge folge({schritt});
        f.Tel1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
    }

private Q_SLOTS:
    void cleanup() { T.reset(); }

    // With every request booked there is nobody to call: a note instead of the dialog.
    void alleTerminiert() {
        T = std::make_unique<TFensterTest>();
        T->Fenster->ProjektErsetzen(GebuchtesProjekt());
        QVERIFY(T->Zeigen());
        TDialogFolge folge({});
        T->Fenster->Tel1->trigger();
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(T->Meldung.Protokoll.size(), 1);
        QCOMPARE(T->Meldung.Protokoll[0].Text, "Es liegen keine nicht terminierten Gespräche vor,\rfür die "
                                               "Telefonnummern bearbeitet werden müssten.");
        QCOMPARE(T->Meldung.Protokoll[0].Titel, "Hinweis");
        QCOMPARE(T->Meldung.Protokoll[0].Knopfsatz, Knoepfe::OK);
    }

    // The rows are the families with a request without appointment, in list order; choosing one shows
    // its number and children, choosing none locks the field again.
    void fuellenUndWaehlen() {
        Fenster();
        Bearbeiten([](QDialog& d) {
            TFTelEd& t = Editor(d);
            QCOMPARE(t.windowTitle(), "Telefonnummern für nicht terminierte Gespräche bearbeiten");
            QCOMPARE(t.L_tel->horizontalHeaderItem(1)->text(), "Kind in Klasse ...");
            QCOMPARE(t.L_tel->rowCount(), 3);
            QCOMPARE(Zeile(t, 0), QStringList({"van Acker", "7c", ""}));
            QCOMPARE(Zeile(t, 1), QStringList({"Maier", "5a, 10b", "0201 555"}));
            QCOMPARE(Zeile(t, 2), QStringList({"Zander", "6a", "0170 12"}));
            QCOMPARE(t.L_tel->columnWidth(1), t.L_tel->viewport()->width() / 4);
            QCOMPARE(t.LblTelefon->text(), "Telefon:");
            QVERIFY(!t.Edit1->isEnabled());
            QVERIFY(!t.BtnUebernehmen->isEnabled());
            QVERIFY(!t.CBTelefon->isChecked());
            QCOMPARE(t.BtnSchliessen->text(), "Schli&eßen");
            QVERIFY(t.BtnSchliessen->isDefault());

            ZeileKlicken(t, 1);
            QCOMPARE(t.LblTelefon->text(), "Maier");
            QCOMPARE(t.Edit1->text(), "0201 555");
            QVERIFY(t.Edit1->isEnabled());
            QCOMPARE(Kinder(t), QStringList({"Anna (5a)", "Ben (10b)"}));
            QVERIFY(!t.BtnUebernehmen->isEnabled());

            ZeileKlicken(t, 1, Qt::ControlModifier);
            QCOMPARE(t.LblTelefon->text(), "Telefon:");
            QCOMPARE(t.Edit1->text(), "");
            QVERIFY(!t.Edit1->isEnabled());
            QVERIFY(Kinder(t).isEmpty());
            t.BtnSchliessen->click();
        });
        QVERIFY(T->Meldung.Protokoll.isEmpty());
        QVERIFY(!T->Fenster->Dokument.IstGeaendert());
    }

    // A typed number stays the field's until "Tel. übernehmen": Enter only leads back to the list.
    void telefonUebernehmen() {
        TVELWnd& f = Fenster();
        TEltern* zander = f.Projekt()->Elternliste[2];
        Bearbeiten([zander](QDialog& d) {
            TFTelEd& t = Editor(d);
            ZeileKlicken(t, 2);
            NummerTippen(t, QStringLiteral("0170 99"));
            QVERIFY(t.BtnUebernehmen->isEnabled());
            QVERIFY(t.BtnUebernehmen->isDefault());
            QTest::keyClick(t.Edit1, Qt::Key_Return);
            QVERIFY(t.isVisible());
            QCOMPARE(Fokus(d), t.L_tel);
            QCOMPARE(zander->Telefon, "0170 12");
            QCOMPARE(t.Edit1->text(), "0170 99");

            QTest::mouseClick(t.BtnUebernehmen, Qt::LeftButton);
            QCOMPARE(zander->Telefon, "0170 99");
            QCOMPARE(Zeile(t, 2).last(), "0170 99");
            QVERIFY(!t.BtnUebernehmen->isEnabled());
            QCOMPARE(Fokus(d), t.L_tel);
            t.BtnSchliessen->click();
        });
        QVERIFY(T->Meldung.Protokoll.isEmpty());
        QVERIFY(f.Dokument.IstGeaendert());
        QVERIFY(f.Dokument.IstSicherungFaellig());
    }

    // Closing with a number typed and not taken over asks; the answer decides. Esc closes as the button.
    void nichtUebernommen_data() {
        QTest::addColumn<bool>("esc");
        QTest::addColumn<bool>("ja");
        QTest::newRow("Schließen, Ja") << false << true;
        QTest::newRow("Schließen, Nein") << false << false;
        QTest::newRow("Esc, Ja") << true << true;
    }
    void nichtUebernommen() {
        QFETCH(bool, esc);
        QFETCH(bool, ja);
        TVELWnd& f = Fenster();
        TEltern* maier = f.Projekt()->Elternliste[1];
        T->Meldung.Antworten = {ja ? Antwort::Ja : Antwort::Nein};
        Bearbeiten([esc](QDialog& d) {
            TFTelEd& t = Editor(d);
            ZeileKlicken(t, 1);
            NummerTippen(t, QStringLiteral("0201 777"));
            QTest::keyClick(t.Edit1, Qt::Key_Return);
            if (esc)
                QTest::keyClick(t.L_tel, Qt::Key_Escape);
            else
                QTest::mouseClick(t.BtnSchliessen, Qt::LeftButton);
        });
        QCOMPARE(T->Meldung.Protokoll.size(), 1);
        const TSkriptMeldung::Eintrag& m = T->Meldung.Protokoll[0];
        QCOMPARE(m.Text, "Sie haben eine Telefonnummer geändert, ohne die Änderung zu übernehmen.\r"
                         "Möchten Sie für Familie Maier\rdie Telefonnr: 0201 777\rübernehmen?");
        QCOMPARE(m.Titel, "Änderung vor dem Schließen übernehmen?");
        QCOMPARE(m.Knopfsatz, Knoepfe::JaNein);
        QCOMPARE(maier->Telefon, ja ? "0201 777" : "0201 555");
        QCOMPARE(f.Dokument.IstGeaendert(), ja);
    }

    // Typed letters find the first family whose name begins so, from the chosen row on; a miss beeps and
    // starts afresh, and so do Esc and a key without a character.
    void schnellsuche() {
        Fenster();
        Bearbeiten([](QDialog& d) {
            TFTelEd& t = Editor(d);
            t.L_tel->setFocus();
            const auto gewaehlt = [&t] { return t.L_tel->selectionModel()->selectedRows().value(0).row(); };
            QTest::keyClick(t.L_tel, Qt::Key_M);
            QCOMPARE(t.LblSuche->text(), "m");
            QCOMPARE(gewaehlt(), 1);
            QCOMPARE(t.Edit1->text(), "0201 555");
            QTest::keyClick(t.L_tel, Qt::Key_A);
            QCOMPARE(t.LblSuche->text(), "ma");
            QCOMPARE(gewaehlt(), 1);
            QTest::keyClick(t.L_tel, Qt::Key_X);
            QCOMPARE(t.LblSuche->text(), "");
            QCOMPARE(gewaehlt(), 1);
            // A capital is searched for as the small letter; letting go of Shift starts afresh.
            QTest::keyClick(t.L_tel, Qt::Key_Z, Qt::ShiftModifier);
            QCOMPARE(gewaehlt(), 2);
            QCOMPARE(t.LblSuche->text(), "");
            QTest::keyClick(t.L_tel, Qt::Key_Z);
            QCOMPARE(t.LblSuche->text(), "z");

            QTest::keyClick(t.L_tel, Qt::Key_Escape);
            QVERIFY(t.isVisible());
            QCOMPARE(t.LblSuche->text(), "");
            QTest::keyClick(t.L_tel, Qt::Key_A);
            QCOMPARE(gewaehlt(), 0);
            QTest::keyClick(t.L_tel, Qt::Key_Down);
            QCOMPARE(t.LblSuche->text(), "");
            QCOMPARE(gewaehlt(), 1);
            QTest::keyClick(t.L_tel, Qt::Key_Return);
            QCOMPARE(Fokus(d), t.Edit1);

            QTest::mouseClick(t.TipBtn, Qt::LeftButton);
            t.BtnSchliessen->click();
        });
        QCOMPARE(T->Meldung.Protokoll.size(), 1);
        QCOMPARE(
            T->Meldung.Protokoll[0].Text,
            "Um Eltern an Hand ihres Namens aufzufinden, tippen Sie einfach die Anfangsbuchstaben (klein!) "
            "ein, während die Liste den Fokus hat.\r\rDie Sortierung können Sie durch Klick auf die "
            "Spaltenköpfe wählen.");
        QCOMPARE(T->Meldung.Protokoll[0].Titel, "So finden Sie schnell die gewünschte Zeile:");
        QCOMPARE(T->Fenster->Projekt()->ListenSortierung, 0x80);
    }

    // Each column head sorts its own way; the chosen family and what is typed for it stay.
    void spaltenSortieren() {
        Fenster();
        Bearbeiten([](QDialog& d) {
            TFTelEd& t = Editor(d);
            ZeileKlicken(t, 2);
            NummerTippen(t, QStringLiteral("0170 3"));
            QHeaderView* koepfe = t.L_tel->horizontalHeader();
            const struct {
                int Spalte;
                QStringList Folge;
            } klicks[] = {{2, {"van Acker", "Zander", "Maier"}},
                          {1, {"Maier", "Zander", "van Acker"}},
                          {0, {"van Acker", "Maier", "Zander"}}};
            for (const auto& k : klicks) {
                QTest::mouseClick(
                    koepfe->viewport(), Qt::LeftButton, {},
                    QPoint(koepfe->sectionViewportPosition(k.Spalte) + 5, koepfe->height() / 2));
                QCOMPARE(ErsteSpalte(t), k.Folge);
                QCOMPARE(t.L_tel->item(t.L_tel->selectionModel()->selectedRows().value(0).row(), 0)->text(),
                         "Zander");
                QCOMPARE(t.Edit1->text(), "0170 3");
                QVERIFY(t.BtnUebernehmen->isEnabled());
            }
            QCOMPARE(Zeile(t, 1), QStringList({"Maier", "5a, 10b", "0201 555"}));
            t.BtnUebernehmen->click();
            t.BtnSchliessen->click();
        });
        QCOMPARE(T->Fenster->Projekt()->Elternliste[2]->Telefon, "0170 3");
    }

    // Over a row the hint names the family's children beside the first column; it goes when the mouse
    // leaves the rows or a key or button is pressed.
    void hinweisfenster() {
        Fenster();
        Bearbeiten([](QDialog& d) {
            TFTelEd& t = Editor(d);
            QWidget* flaeche = t.L_tel->viewport();
            TKinderHinweis* h = t.Hinweis;
            Bewegen(flaeche, Mitte(t, 1));
            QVERIFY(h->isVisible());
            QCOMPARE(h->text(), "Anna (5a)\nBen (10b)");
            QCOMPARE(h->pos(),
                     flaeche->mapToGlobal(QPoint(t.L_tel->columnViewportPosition(0) + t.L_tel->columnWidth(0),
                                                 t.L_tel->rowViewportPosition(1))));
            QCOMPARE(h->palette().color(QPalette::Window), QColor(0xF8, 0xF8, 0xE0));
            QCOMPARE(h->font().family(), "Arial");
            QVERIFY(h->width() <= 500);
            QCOMPARE(flaeche->cursor().shape(), Qt::PointingHandCursor);

            Bewegen(flaeche, QPoint(5, t.L_tel->rowViewportPosition(2) + 3 * t.L_tel->rowHeight(2)));
            QVERIFY(!h->isVisible());
            QCOMPARE(flaeche->cursor().shape(), Qt::ArrowCursor);

            Bewegen(flaeche, Mitte(t, 2));
            QVERIFY(h->isVisible());
            QCOMPARE(h->text(), "Dora (6a)");
            QTest::keyClick(t.L_tel, Qt::Key_Shift);
            QVERIFY(!h->isVisible());

            Bewegen(flaeche, Mitte(t, 0));
            QVERIFY(h->isVisible());
            QTest::mousePress(flaeche, Qt::LeftButton, {}, Mitte(t, 0));
            QVERIFY(!h->isVisible());
            QTest::mouseRelease(flaeche, Qt::LeftButton, {}, Mitte(t, 0));

            Bewegen(flaeche, Mitte(t, 1));
            QVERIFY(h->isVisible());
            QEvent verlassen(QEvent::Leave);
            QApplication::sendEvent(flaeche, &verlassen);
            QVERIFY(!h->isVisible());
            t.BtnSchliessen->click();
            QVERIFY(!h->isVisible());
        });
    }

    // The box for the phones on the teachers' lists: a click renames the close button; the state on
    // closing goes to the project and to the settings store.
    void haekchen_data() {
        QTest::addColumn<int>("klicks");
        QTest::newRow("angehakt") << 1;
        QTest::newRow("an und wieder aus") << 2;
    }
    void haekchen() {
        QFETCH(int, klicks);
        TVELWnd& f = Fenster();
        Bearbeiten([klicks](QDialog& d) {
            TFTelEd& t = Editor(d);
            for (int i = 0; i < klicks; ++i)
                QTest::mouseClick(t.CBTelefon, Qt::LeftButton);
            QCOMPARE(t.BtnSchliessen->text(), "&Ok");
            QVERIFY(t.BtnSchliessen->isDefault());
            QTest::keyClick(t.L_tel, Qt::Key_Return); // no row: Enter stays in the list
            QVERIFY(t.isVisible());
            t.BtnSchliessen->click();
        });
        const bool an = klicks == 1;
        QCOMPARE(f.Projekt()->Listenlayout.TelefonNichtTerminiert, an);
        const TSchluessel optionen = T->Speicher.SchluesselLesen(QStringLiteral("Optionen"));
        QCOMPARE(optionen.SchalterLesen(QStringLiteral("Tel"), false), an);
        QVERIFY(optionen.SchalterLesen(QStringLiteral("Tel"), true)); // not written when unchanged
        QCOMPARE(f.Dokument.IstGeaendert(), an);
        QVERIFY(T->Meldung.Protokoll.isEmpty());
    }
};

VEL_TEST(TstTelefon)
#include "tst_Telefon.moc"
