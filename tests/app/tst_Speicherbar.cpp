// Names with letters the project file cannot hold are stored in a form it can, as they are typed.
#include "Eingabetest.h"
#include "app/ui/UEditE.h"
#include "app/ui/UEditK.h"
#include "app/ui/UEditL.h"
#include "common/TestHaupt.h"
#include "model/Projektdatei.h"
#include "scheduler/Planpruefung.h"
#include "ui/Feldhinweis.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The first line of the hint the window shows at its field.
QString Hinweis(const QWidget* fenster) {
    return Feldhinweis(fenster).section(u'\n', 0, 0);
}

// Closes the hint as the user does, with a click on it.
void Wegklicken(QWidget* fenster) {
    auto* hinweis = fenster->findChild<QLabel*>(QStringLiteral("Feldhinweis"));
    QVERIFY(hinweis && hinweis->isVisible());
    QTest::mouseClick(hinweis, Qt::LeftButton);
    QVERIFY(Feldhinweis(fenster).isEmpty());
}

TSchritt Lehrkraft(const QString& name, const QString& kuerzel, QStringList& hinweise) {
    return [name, kuerzel, &hinweise](QDialog& d) {
        auto& l = static_cast<TFEditL&>(d);
        Tippen(l.E_Name, name);
        l.E_Krz->setFocus();
        Tippen(l.E_Krz, kuerzel);
        hinweise << Hinweis(&d);
        QTest::keyClick(l.E_Krz, Qt::Key_Return);
    };
}

} // namespace

class TstSpeicherbar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Two Kürzel that differ only in a Polish letter stay two teachers, also after saving and opening.
    void kuerzelMitFremdenBuchstaben() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(LeeresProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        QStringList hinweise;
        TDialogFolge folge(
            {Lehrkraft("Lukas", "Łu", hinweise), Lehrkraft("Sokol", "Śu", hinweise), Abbrechen()});
        QTest::mouseClick(f.Lehrerpanel->BtnLehrerHinzu, Qt::LeftButton);
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(hinweise, QStringList({"„Ł“ wird als „L“ gespeichert.", "„Ś“ wird als „S“ gespeichert."}));
        QVERIFY(t.Meldung.Protokoll.isEmpty());
        TLehrer* lukas = f.Projekt()->Lehrerliste.FindeKuerzel(QStringLiteral("Lu"));
        TLehrer* sokol = f.Projekt()->Lehrerliste.FindeKuerzel(QStringLiteral("Su"));
        QVERIFY(lukas && sokol && lukas->Name == u"Lukas" && sokol->Name == u"Sokol");

        TProjekt& p = *f.Projekt();
        TEltern* e = p.NeueFamilie("Familie", QStringLiteral("Nowak"), {});
        TKind* k = p.NeuesKind(e, QStringLiteral("Ola"), QStringLiteral("5a"));
        p.NeuesGespraech(lukas, k);
        p.NeuesGespraech(sokol, k);
        const QString datei = t.Ordner.filePath(QStringLiteral("Polnisch.pdt"));
        QString fehler;
        QVERIFY(ProjektSpeichern(p, datei, fehler));
        TProjekt gelesen;
        QCOMPARE(ProjektLaden(datei, gelesen, t.Meldung, {}), TLeseErgebnis::Gelesen);
        QStringList partner;
        for (const auto& g : gelesen.Gespraechsliste)
            partner << g->Lehrer->Kuerzel + u' ' + g->Lehrer->Name;
        QCOMPARE(partner, QStringList({"Lu Lukas", "Su Sokol"}));
        QCOMPARE(PlanPruefen(gelesen), QStringList());
    }

    // Every name field of the family and child dialogs shows the stored form at once and explains it
    // at the field, once per dialog, without a message box.
    void namenfelder_data() {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<int>("feld");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("hinweis"); // the field's text at the first replacement, as stored
        QTest::newRow("Familienname") << 0 << 3 << "Weiß-Müller 😀ł"
                                      << "Weiß-Müller ?l"
                                      << "„Weiß-Müller 😀“ wird als „Weiß-Müller ?“";
        QTest::newRow("Namenszusatz") << 0 << 2 << "Ağa"
                                      << "Aga"
                                      << "„Ağ“ wird als „Ag“";
        QTest::newRow("Telefon") << 0 << 0 << "0221 ①"
                                 << "0221 1"
                                 << "„0221 ①“ wird als „0221 1“";
        QTest::newRow("Vorname") << 1 << 0 << "łukasz"
                                 << "Lukasz"
                                 << "„Ł“ wird als „L“";
        QTest::newRow("Klasse") << 1 << 1 << "5ç"
                                << "5ç"
                                << "„5çş“ wird als „5çs“";
        QTest::newRow("Nachname des Kindes") << 1 << 2 << "Yılmaz-Şahin"
                                             << "Yilmaz-Sahin"
                                             << "„Yı“ wird als „Yi“";
    }
    void namenfelder() {
        QFETCH(int, dialog);
        QFETCH(int, feld);
        QFETCH(QString, eingabe);
        QFETCH(QString, form);
        QFETCH(QString, hinweis);
        TSkriptMeldung m;
        TFEditE familie(m);
        TFEditK kind(m);
        QDialog* d = dialog == 0 ? static_cast<QDialog*>(&familie) : &kind;
        const QList<QLineEdit*> felder =
            dialog == 0 ? QList<QLineEdit*>{familie.TelE, familie.AnrE, familie.ZusE, familie.NacE}
                        : QList<QLineEdit*>{kind.Edit1, kind.Edit2, kind.Edit3};
        d->show();
        QLineEdit* ziel = felder[feld];
        ziel->setFocus();
        Tippen(ziel, eingabe);
        QCOMPARE(ziel->text(), form);
        Tippen(ziel, QStringLiteral("ş"));
        QCOMPARE(ziel->text(), form + u's');
        QCOMPARE(Hinweis(d), hinweis + QStringLiteral(" gespeichert."));
        Wegklicken(d);
        Tippen(ziel, QStringLiteral("ğ"));
        QCOMPARE(ziel->text(), form + QStringLiteral("sg"));
        QVERIFY(Feldhinweis(d).isEmpty());
        QVERIFY(m.Protokoll.isEmpty());
    }

    // A name typed fast goes into its field whole while the hint shows, and the Enter after it
    // takes the dialog: the hint takes no key.
    void tippenOhneUnterbrechung() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(LeeresProjekt());
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        QString getippt, hinweis, kindname;
        QWidget* modal = nullptr;
        QDialog* familie = nullptr;
        TDialogFolge folge({Fuer<TFEditE>([&](QDialog& d) {
                                familie = &d;
                                QWidget* feld = Fokus(d);
                                Tippen(feld, QStringLiteral("Ağaoğlu"));
                                getippt = static_cast<QLineEdit*>(feld)->text();
                                modal = QApplication::activeModalWidget();
                                hinweis = Hinweis(&d);
                                QTest::keyClick(feld, Qt::Key_Return);
                            }),
                            Fuer<TFEditK>([&](QDialog& d) {
                                kindname = Als<TFEditK>(d).Edit1->text();
                                d.reject();
                            })});
        QTest::mouseClick(f.Familienpanel->BtnElternHinzu, Qt::LeftButton);
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(getippt, "Agaoglu");
        QCOMPARE(modal, familie);
        QCOMPARE(hinweis, "„Ağ“ wird als „Ag“ gespeichert.");
        QCOMPARE(kindname, "");
        QVERIFY(t.Meldung.Protokoll.isEmpty());
        QCOMPARE(f.Projekt()->Elternliste.Count(), 1);
        QCOMPARE(f.Projekt()->Elternliste.Erstes()->Name, "Agaoglu");
    }

    // Pasted text longer than a project file holds is cut at that length, which is told every time,
    // with only the beginning of the text quoted.
    void zuLangerText() {
        TSkriptMeldung m;
        TFEditK kind(m);
        kind.show();
        kind.Edit1->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("Wąsowski") + QString(40000, u'W'));
        QCOMPARE(QApplication::clipboard()->text().size(), 40008);
        kind.Edit1->paste();
        QCOMPARE(kind.Edit1->text().size(), 32767);
        QVERIFY(kind.Edit1->text().startsWith(QStringLiteral("WasowskiWW")));
        const QString zuLang =
            QStringLiteral("Der Text „Wasowski") + QString(42, u'W') +
            QStringLiteral("…“ ist zu lang: Hier kann ein Eintrag höchstens 32767 Zeichen haben.");
        QCOMPARE(Hinweis(&kind), zuLang);
        QVERIFY(Feldhinweis(&kind).contains(QStringLiteral("\n„Wąsowski") + QString(42, u'W') +
                                            QStringLiteral("…“ wird als „Wasowski") + QString(42, u'W') +
                                            QStringLiteral("…“ gespeichert.\n")));
        // Typing at the limit is cut as well, and told again.
        Wegklicken(&kind);
        QTest::keyClick(kind.Edit1, Qt::Key_End);
        Tippen(kind.Edit1, QStringLiteral("x"));
        QCOMPARE(kind.Edit1->text().size(), 32767);
        QCOMPARE(Hinweis(&kind), zuLang);
        QVERIFY(!Feldhinweis(&kind).contains(QStringLiteral("gespeichert")));
        QVERIFY(m.Protokoll.isEmpty());
    }
};

VEL_TEST(TstSpeicherbar)
#include "tst_Speicherbar.moc"
