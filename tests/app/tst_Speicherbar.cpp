// Names with letters the project file cannot hold are stored in a form it can, as they are typed.
#include "Eingabetest.h"
#include "app/ui/UEditE.h"
#include "app/ui/UEditK.h"
#include "app/ui/UEditL.h"
#include "common/TestHaupt.h"
#include "model/Projektdatei.h"
#include "scheduler/Planpruefung.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>

namespace {

TSchritt Lehrkraft(const QString& name, const QString& kuerzel) {
    return [name, kuerzel](QDialog& d) {
        auto& l = static_cast<TFEditL&>(d);
        Tippen(l.E_Name, name);
        l.E_Krz->setFocus();
        Tippen(l.E_Krz, kuerzel);
        QTest::keyClick(l.E_Krz, Qt::Key_Return);
    };
}

QStringList Hinweise(const TSkriptMeldung& m) {
    QStringList texte;
    for (const auto& eintrag : m.Protokoll)
        if (eintrag.Titel == u"Hinweis") texte << eintrag.Text.section(u'\r', 0, 0);
    return texte;
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
        TDialogFolge folge({Lehrkraft("Lukas", "Łu"), Lehrkraft("Sokol", "Śu"), Abbrechen()});
        QTest::mouseClick(f.Lehrerpanel->BtnLehrerHinzu, Qt::LeftButton);
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QTRY_COMPARE(Hinweise(t.Meldung),
                     QStringList({"„Ł“ wird als „L“ gespeichert.", "„Ś“ wird als „S“ gespeichert."}));
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
    // once per dialog.
    void namenfelder_data() {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<int>("feld");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("form");
        QTest::newRow("Familienname") << 0 << 3 << "Weiß-Müller 😀ł"
                                      << "Weiß-Müller ?l";
        QTest::newRow("Namenszusatz") << 0 << 2 << "Ağa"
                                      << "Aga";
        QTest::newRow("Telefon") << 0 << 0 << "0221 ①"
                                 << "0221 1";
        QTest::newRow("Vorname") << 1 << 0 << "łukasz"
                                 << "Lukasz";
        QTest::newRow("Klasse") << 1 << 1 << "5ç"
                                << "5ç";
        QTest::newRow("Nachname des Kindes") << 1 << 2 << "Yılmaz-Şahin"
                                             << "Yilmaz-Sahin";
    }
    void namenfelder() {
        QFETCH(int, dialog);
        QFETCH(int, feld);
        QFETCH(QString, eingabe);
        QFETCH(QString, form);
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
        QTRY_COMPARE(Hinweise(m).size(), 1);
        QTest::qWait(20);
        QCOMPARE(Hinweise(m).size(), 1);
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
        QTRY_COMPARE(Hinweise(m).size(), 2);
        QCOMPARE(Hinweise(m)[0],
                 QStringLiteral("Der Text „Wasowski") + QString(42, u'W') +
                     QStringLiteral("…“ ist zu lang: Hier kann ein Eintrag höchstens 32767 Zeichen haben."));
        QCOMPARE(Hinweise(m)[1], QStringLiteral("„Wąsowski") + QString(42, u'W') +
                                     QStringLiteral("…“ wird als „Wasowski") + QString(42, u'W') +
                                     QStringLiteral("…“ gespeichert."));
        // Typing at the limit is cut as well, and told again.
        QTest::keyClick(kind.Edit1, Qt::Key_End);
        Tippen(kind.Edit1, QStringLiteral("x"));
        QCOMPARE(kind.Edit1->text().size(), 32767);
        QTRY_COMPARE(Hinweise(m).size(), 3);
    }
};

VEL_TEST(TstSpeicherbar)
#include "tst_Speicherbar.moc"
