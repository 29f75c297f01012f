#include "Eingabetest.h"
#include "FensterTest.h"
#include "app/ui/DesktopMeldung.h"
#include "app/ui/Hilfe.h"
#include "app/ui/HilfeBefehle.h"
#include "app/ui/HilfeFenster.h"
#include "common/TestHaupt.h"
#include "settings/Einstellungen.h"
#include "settings/ui/NotizBefehle.h"
#include "settings/ui/NotizForm.h"
#include "settings/ui/Options.h"
#include "ui/Hilfekontext.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpLink>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace {

// The folder of the built program, where the build puts the handbook.
const QString Programmordner = QStringLiteral(VEL_PROGRAMMORDNER);

QString Datei(const QUrl& url) {
    return url.adjusted(QUrl::RemoveFragment).fileName();
}

bool HatAnker(const QByteArray& seite, const QString& anker) {
    return seite.contains(QStringLiteral("name=\"%1\"").arg(anker).toUtf8());
}

void Sammeln(const QHelpContentModel& inhalt, const QModelIndex& eltern, QSet<QString>& seiten) {
    for (int zeile = 0; zeile < inhalt.rowCount(eltern); ++zeile) {
        const QModelIndex stelle = inhalt.index(zeile, 0, eltern);
        seiten << Datei(inhalt.contentItemAt(stelle)->url());
        Sammeln(inhalt, stelle, seiten);
    }
}

// The entry of the contents with this title, anywhere in the tree.
QModelIndex Eintrag(const QHelpContentModel& inhalt, const QString& titel, const QModelIndex& eltern = {}) {
    for (int zeile = 0; zeile < inhalt.rowCount(eltern); ++zeile) {
        const QModelIndex stelle = inhalt.index(zeile, 0, eltern);
        if (inhalt.contentItemAt(stelle)->title() == titel) return stelle;
        if (const QModelIndex tiefer = Eintrag(inhalt, titel, stelle); tiefer.isValid()) return tiefer;
    }
    return {};
}

// The page of the entry the contents mark.
QString Markiert(const THilfeFenster& fenster) {
    const QModelIndex stelle = fenster.Inhalt->currentIndex();
    const QHelpContentItem* eintrag =
        qobject_cast<const QHelpContentModel*>(fenster.Inhalt->model())->contentItemAt(stelle);
    return eintrag ? Datei(eintrag->url()) : QString();
}

// A dialog of the main window and the page F1 opens in it.
struct TDialogfall {
    const char* Name;
    QAction* TVELWnd::*Befehl;
    const char* Seite;
};
const TDialogfall Dialogfaelle[] = {
    {"Sortierung der Elternliste", &TVELWnd::EListeSort1, "sortierung.html"},
    {"Einstellungen zur Terminberechnung", &TVELWnd::OptTermin1, "terminberechnung.html"},
    {"Anrede-Editor", &TVELWnd::AnrEdit1, "anredeeditor.html"},
    {"Gespräche von Hand verschieben", &TVELWnd::HandBearb1, "handbearbeitung.html"},
    {"Gesprächslisten als RTF", &TVELWnd::Eltern1, "rtf.html"},
    {"Layout der Gesprächslisten", &TVELWnd::LayoutOpt1, "layout.html"},
    {"Sonstige Listen einrichten", &TVELWnd::SeiteOpt1, "listenformat.html"},
};

// A main window that finds the built handbook, with a small project open.
struct THandbuchFenster : TFensterTest {
    THandbuchFenster() {
        Fenster->Programmordner = Programmordner;
        Fenster->ProjektErsetzen(KleinesProjekt());
    }
    THilfe* Hilfe() { return Fenster->Gruppen.Hilfe->Handbuch(); }
};

} // namespace

class TstHilfe : public QObject {
    Q_OBJECT

    QTemporaryDir Arbeit;
    std::unique_ptr<THilfe> Hilfe;

    QHelpEngine& Engine() { return Hilfe->HelpEngine(); }
    // The handbook window on screen with its contents read.
    THilfeFenster* Gezeigt() {
        THilfeFenster* fenster = Hilfe->Fenster();
        fenster->show();
        if (!QTest::qWaitForWindowExposed(fenster)) return nullptr;
        QHelpContentModel* inhalt = Engine().contentModel();
        if (!QTest::qWaitFor([inhalt] { return !inhalt->isCreatingContents() && inhalt->rowCount() > 0; }))
            return nullptr;
        fenster->Reiter->setCurrentWidget(fenster->Inhalt);
        return fenster;
    }
    QList<QUrl> Seiten() {
        return Engine().files(Engine().registeredDocumentations().constFirst(), QString(),
                              QStringLiteral("html"));
    }

private Q_SLOTS:
    void initTestCase() {
        const QString sammlung = HandbuchSuchen(Programmordner);
        QVERIFY2(!sammlung.isEmpty(), qPrintable(Programmordner));
        Hilfe = std::make_unique<THilfe>(sammlung, Arbeit.path());
        QVERIFY(Hilfe->Geoeffnet());
        QVERIFY(Seiten().size() > 40);
    }

    // Every context a window names leads to a page of the handbook that is there, anchor included.
    void kontextHatSeite_data() {
        QTest::addColumn<int>("kontext");
        for (const Hilfekontext kontext : AlleHilfekontexte)
            QTest::newRow(qPrintable(HilfekontextKennung(kontext))) << static_cast<int>(kontext);
    }
    void kontextHatSeite() {
        QFETCH(int, kontext);
        const QUrl seite = Hilfe->Seite(static_cast<Hilfekontext>(kontext));
        QVERIFY2(!seite.isEmpty(), "keine Seite im Handbuch");
        const QByteArray inhalt = Engine().fileData(seite.adjusted(QUrl::RemoveFragment));
        QVERIFY2(inhalt.contains("<h1>"), qPrintable(seite.toString()));
        if (seite.hasFragment()) QVERIFY2(HatAnker(inhalt, seite.fragment()), qPrintable(seite.toString()));
    }

    // No page of the handbook is out of the contents' reach, and every entry of the contents exists.
    void jedeSeiteImInhalt() {
        QHelpContentModel* inhalt = Engine().contentModel();
        QTRY_VERIFY(!inhalt->isCreatingContents() && inhalt->rowCount() > 0);
        QSet<QString> erreichbar;
        Sammeln(*inhalt, {}, erreichbar);
        QSet<QString> vorhanden;
        for (const QUrl& seite : Seiten())
            vorhanden << Datei(seite);
        QCOMPARE(vorhanden - erreichbar, QSet<QString>());
        QCOMPARE(erreichbar - vorhanden, QSet<QString>());
    }

    // Every link of every page leads to a page of the handbook and to an anchor that page has.
    void verweiseFuehrenZuSeiten() {
        static const QRegularExpression verweis(QStringLiteral("href=\"([^\"]+)\""));
        QStringList tot;
        for (const QUrl& seite : Seiten()) {
            const QString text = QString::fromUtf8(Engine().fileData(seite));
            for (auto treffer = verweis.globalMatch(text); treffer.hasNext();) {
                const QUrl ziel = seite.resolved(QUrl(treffer.next().captured(1)));
                const QByteArray zielseite = Engine().fileData(ziel.adjusted(QUrl::RemoveFragment));
                if (zielseite.isEmpty() || (ziel.hasFragment() && !HatAnker(zielseite, ziel.fragment())))
                    tot << Datei(seite) + " -> " + ziel.fileName() + u'#' + ziel.fragment();
            }
        }
        QCOMPARE(tot, QStringList());
    }

    // The window shows the page a context names and reaches its anchor.
    void fensterZeigtKontext() {
        THilfeFenster* fenster = Hilfe->Fenster();
        const QUrl seite = Hilfe->Seite(Hilfekontext::LayoutTabulatoren);
        fenster->SeiteZeigen(seite);
        QCOMPARE(fenster->Seite(), seite);
        QVERIFY(fenster->windowTitle().endsWith(QStringLiteral("Layout der Gesprächslisten")));
        QVERIFY(fenster->Browser->toPlainText().contains(QStringLiteral("Tabulator ändern")));
    }

    // A click, a double-click or an arrow key on an entry of the contents opens its page once, the entry
    // stays marked, and "Zurück" leads to the entry and page before.
    void eintragOeffnetSeite_data() {
        QTest::addColumn<int>("taste");
        QTest::addColumn<bool>("doppelt");
        QTest::newRow("Klick") << 0 << false;
        QTest::newRow("Doppelklick") << 0 << true;
        QTest::newRow("Pfeil nach unten") << int(Qt::Key_Down) << false;
        QTest::newRow("Pfeil nach oben") << int(Qt::Key_Up) << false;
    }
    void eintragOeffnetSeite() {
        QFETCH(int, taste);
        QFETCH(bool, doppelt);
        THilfeFenster* fenster = Gezeigt();
        QVERIFY(fenster);
        QHelpContentWidget* baum = fenster->Inhalt;
        QHelpContentModel* inhalt = Engine().contentModel();
        const QModelIndex ziel = Eintrag(*inhalt, QStringLiteral("Familie eingeben"));
        QVERIFY(ziel.isValid());
        baum->scrollTo(ziel);
        const QModelIndex start = taste == Qt::Key_Down ? baum->indexAbove(ziel)
                                  : taste == Qt::Key_Up
                                      ? baum->indexBelow(ziel)
                                      : Eintrag(*inhalt, QString::fromUtf8("Häufige Fragen"));
        const QString startseite = Datei(inhalt->contentItemAt(start)->url());
        fenster->SeiteZeigen(inhalt->contentItemAt(start)->url());
        QCOMPARE(Markiert(*fenster), startseite);

        QSignalSpy geladen(fenster->Browser, &QTextBrowser::sourceChanged);
        const QPoint punkt = baum->visualRect(ziel).center();
        if (taste)
            QTest::keyClick(baum, Qt::Key(taste));
        else if (doppelt)
            QTest::mouseDClick(baum->viewport(), Qt::LeftButton, {}, punkt);
        else
            QTest::mouseClick(baum->viewport(), Qt::LeftButton, {}, punkt);
        QCOMPARE(Datei(fenster->Seite()), "familie.html");
        QVERIFY(fenster->windowTitle().endsWith(QStringLiteral("Familie eingeben")));
        QCOMPARE(baum->currentIndex(), ziel);
        QCOMPARE(geladen.size(), 1);
        QVERIFY(baum->viewport()->rect().contains(baum->visualRect(ziel)));

        QTest::mouseClick(fenster->ZurueckBtn, Qt::LeftButton);
        QCOMPARE(Datei(fenster->Seite()), startseite);
        QCOMPARE(baum->currentIndex(), start);
        QCOMPARE(geladen.size(), 2);
    }

    // However a page comes up, by its context, a link in a page or the history, the contents mark its
    // entry where it can be seen, and marking it loads nothing again.
    void inhaltFolgtDerSeite() {
        THilfeFenster* fenster = Gezeigt();
        QVERIFY(fenster);
        QHelpContentWidget* baum = fenster->Inhalt;
        auto sichtbar = [baum] {
            return baum->viewport()->rect().contains(baum->visualRect(baum->currentIndex()));
        };
        fenster->SeiteZeigen(Hilfe->Startseite());
        QSignalSpy geladen(fenster->Browser, &QTextBrowser::sourceChanged);

        fenster->SeiteZeigen(Hilfe->Seite(Hilfekontext::LayoutTabulatoren));
        QCOMPARE(Markiert(*fenster), "layout.html");
        QVERIFY(sichtbar());

        // The first link that leads to another page, found with the keyboard and clicked.
        QTextBrowser* browser = fenster->Browser;
        browser->setFocus();
        QString ziel;
        for (int versuch = 0; versuch < 20 && (ziel.isEmpty() || ziel.startsWith(u'#')); ++versuch) {
            QTest::keyClick(browser, Qt::Key_Tab);
            ziel = browser->textCursor().charFormat().anchorHref();
        }
        QVERIFY2(!ziel.isEmpty() && !ziel.startsWith(u'#'), qPrintable(ziel));
        QTextCursor verweis = browser->textCursor();
        verweis.setPosition(verweis.selectionStart() + 1);
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(verweis).center());
        const QString verwiesen = Datei(QUrl(ziel));
        QCOMPARE(Datei(fenster->Seite()), verwiesen);
        QCOMPARE(Markiert(*fenster), verwiesen);
        QVERIFY(sichtbar());
        if (qEnvironmentVariableIsSet("VEL_BILDER"))
            fenster->grab().save(qEnvironmentVariable("VEL_BILDER") + QStringLiteral("/handbuch.png"));

        QTest::mouseClick(fenster->ZurueckBtn, Qt::LeftButton);
        QCOMPARE(Markiert(*fenster), "layout.html");
        QTest::mouseClick(fenster->VorBtn, Qt::LeftButton);
        QCOMPARE(Markiert(*fenster), verwiesen);
        QCOMPARE(geladen.size(), 4);
    }

    // F1 in a dialog opens the handbook at the dialog's page, above the dialog, and the help stays usable
    // while the dialog waits for its answer.
    void f1ImDialog_data() {
        QTest::addColumn<int>("fall");
        for (int i = 0; i < int(std::size(Dialogfaelle)); ++i)
            QTest::newRow(Dialogfaelle[i].Name) << i;
    }
    void f1ImDialog() {
        QFETCH(int, fall);
        const TDialogfall& f = Dialogfaelle[fall];
        THandbuchFenster t;
        QUrl seite;
        bool sichtbar = false, ueberDemDialog = false;
        QString getippt;
        TDialogFolge folge({[&](QDialog& d) {
            QTest::keyClick(Fokus(d), Qt::Key_F1);
            THilfeFenster* hilfe = t.Hilfe()->Fenster();
            seite = hilfe->Seite();
            sichtbar = hilfe->isVisible();
            ueberDemDialog = hilfe->windowHandle()->transientParent() == d.windowHandle();
            // Keys reach the help through the window system as a user's would, past the modal dialog.
            // The window takes its focus when the platform activates it.
            QTest::qWait(50);
            hilfe->Stichwort->setFocus();
            hilfe->Stichwort->clear();
            for (const char zeichen : {'r', 'a', 'u', 'm'})
                QTest::keyClick(hilfe->windowHandle(), zeichen);
            getippt = hilfe->Stichwort->text();
            d.reject();
        }});
        (t.Fenster.get()->*f.Befehl)->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(Datei(seite), QString::fromLatin1(f.Seite));
        QVERIFY(sichtbar);
        QCOMPARE(getippt, "raum");
        QVERIFY(ueberDemDialog);
        QCOMPARE(t.Meldung.Protokoll.size(), 0);
    }

    // The help button of a dialog with pages opens the page in front.
    void hilfeknopfFolgtDerSeite() {
        THandbuchFenster t;
        QStringList seiten;
        TDialogFolge folge({[&](QDialog& d) {
            auto& dlg = Als<TOptDlg>(d);
            for (QWidget* seite : {dlg.ProgOpt, dlg.AuswOpt}) {
                dlg.Seiten->setCurrentWidget(seite);
                QTest::mouseClick(dlg.HilfeBtn, Qt::LeftButton);
                seiten << Datei(t.Hilfe()->Fenster()->Seite());
            }
            dlg.reject();
        }});
        t.Fenster->OptPrg1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(seiten, (QStringList{"programmeinstellungen.html", "terminberechnung.html"}));
    }

    // A question about a page of the handbook: its help button shows the page above the question, which
    // stays open with its default; F1 does the same.
    void frageMitHilfe() {
        THandbuchFenster t;
        TDesktopMeldung meldung(t.Fenster.get());
        meldung.Hilfe = [&](QWidget* von) { t.Fenster->Gruppen.Hilfe->KontextZeigen(von); };
        QStringList knoepfe;
        QString vorgabe;
        QStringList seiten;
        bool offen = false;
        bool ueberDerFrage = false;
        TDialogFolge folge({[&](QDialog& d) {
            auto& box = Als<QMessageBox>(d);
            for (const QAbstractButton* k : box.buttons())
                knoepfe << k->text();
            vorgabe = box.defaultButton() ? box.defaultButton()->text() : QString();
            if (qEnvironmentVariableIsSet("VEL_BILDER"))
                box.grab().save(qEnvironmentVariable("VEL_BILDER") + QStringLiteral("/frage-hilfe.png"));
            auto* hilfe = qobject_cast<QPushButton*>(box.buttons().value(knoepfe.indexOf("Hilfe")));
            QVERIFY(hilfe);
            QTest::mouseClick(hilfe, Qt::LeftButton);
            THilfeFenster* fenster = t.Hilfe()->Fenster();
            seiten << Datei(fenster->Seite());
            ueberDerFrage =
                fenster->isVisible() && fenster->windowHandle()->transientParent() == box.windowHandle();
            fenster->SeiteZeigen(t.Hilfe()->Startseite());
            QTest::keyClick(&box, Qt::Key_F1);
            seiten << Datei(fenster->Seite());
            offen = box.isVisible() && QApplication::activeModalWidget() == &box;
            QTest::keyClick(&box, Qt::Key_Return);
        }});
        const Antwort antwort = meldung.Meldung(
            QString::fromUtf8("Möchten Sie für alle gesetzten Gespräche die Termine festnageln?\r(Hinweise "
                              "zu diesem Menüpunkt finden Sie in der VEL-Hilfe.)"),
            QString::fromUtf8("Gespräche festnageln:"), MeldungsArt::Frage, Knoepfe::JaNein, Antwort::Nein,
            320);
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(knoepfe.size(), 3);
        QVERIFY(knoepfe.contains("&Ja") && knoepfe.contains("&Nein"));
        QCOMPARE(vorgabe, "&Nein");
        QCOMPARE(seiten, (QStringList{"festnageln.html", "festnageln.html"}));
        QVERIFY(ueberDerFrage);
        QVERIFY(offen);
        QCOMPARE(antwort, Antwort::Nein);
        QCOMPARE(t.Meldung.Protokoll.size(), 0);
    }

    // A message without a page has no help button.
    void meldungOhneHilfe() {
        THandbuchFenster t;
        TDesktopMeldung meldung(t.Fenster.get());
        meldung.Hilfe = [&](QWidget* von) { t.Fenster->Gruppen.Hilfe->KontextZeigen(von); };
        QStringList knoepfe;
        TDialogFolge folge({[&](QDialog& d) {
            for (const QAbstractButton* k : Als<QMessageBox>(d).buttons())
                knoepfe << k->text();
            d.reject();
        }});
        static_cast<TMeldung&>(meldung).Meldung(QStringLiteral("Gespeichert."), QStringLiteral("Hinweis"),
                                                MeldungsArt::Information);
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(knoepfe, QStringList{"OK"});
    }

    // F1 in the main window, contents and index from the menu; the help outlives no dialog it belonged to.
    void hauptfenster() {
        THandbuchFenster t;
        QVERIFY(t.Zeigen());
        QTest::keyClick(t.Fenster.get(), Qt::Key_F1);
        THilfeFenster* hilfe = t.Hilfe()->Fenster();
        QCOMPARE(Datei(hilfe->Seite()), "hauptfenster.html");
        t.Fenster->Index1->trigger();
        QCOMPARE(hilfe->Reiter->currentIndex(), 1);
        t.Fenster->Inhalt1->trigger();
        QCOMPARE(hilfe->Reiter->currentWidget(), hilfe->Inhalt);
        QVERIFY(hilfe->isVisible());
        QCOMPARE(t.Meldung.Protokoll.size(), 0);
    }

    // Ending with "Nein" ends the program, whatever else it shows: the handbook and the note pad close with
    // the main window, the backups go as at every end, and the note pad comes back at the next start.
    void beendenSchliesstAlleFenster() {
        THandbuchFenster t;
        QVERIFY(t.Zeigen());
        QTest::keyClick(t.Fenster.get(), Qt::Key_F1);
        t.Fenster->Notizzettel1->trigger();
        QVERIFY(t.Hilfe()->Fenster()->isVisible());
        QVERIFY(t.Fenster->Gruppen.Notiz->Form->isVisible());
        t.Fenster->Dokument.Melden({});
        QFile sicherung(t.Ordner.filePath("Schule.pd~"));
        QVERIFY(sicherung.open(QIODevice::WriteOnly));
        sicherung.close();
        t.Meldung.Antworten = {Antwort::Nein};
        QTimer::singleShot(0, t.Fenster.get(), [&t] { t.Fenster->Ende1->trigger(); });
        // A program that keeps running is stopped here with another exit code.
        QTimer waechter;
        waechter.setSingleShot(true);
        connect(&waechter, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        waechter.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QStringList offen;
        for (const QWidget* fenster : QApplication::topLevelWidgets())
            if (fenster->isVisible()) offen << QString::fromLatin1(fenster->metaObject()->className());
        QCOMPARE(offen, QStringList());
        t.Fenster.reset();
        QVERIFY(!QFile::exists(t.Ordner.filePath("Schule.pd~")));
        QVERIFY(ProgrammwerteLesen(t.Speicher, {}).Notiz);
    }

    // Without a handbook the commands say so, and nobody names a file the user cannot do anything with.
    void ohneHandbuch() {
        TFensterTest t;
        t.Fenster->Inhalt1->trigger();
        QTest::keyClick(t.Fenster.get(), Qt::Key_F1);
        QCOMPARE(t.Meldung.Protokoll.size(), 2);
        for (const auto& meldung : t.Meldung.Protokoll)
            QCOMPARE(meldung.Text, "Das Handbuch von VEL ist nicht installiert.");
    }

    // The program looks beside itself, then in the data folder of its prefix.
    void handbuchSuchen_data() {
        QTest::addColumn<QString>("ablage");
        QTest::addColumn<bool>("gefunden");
        QTest::newRow("neben dem Programm") << "bin" << true;
        QTest::newRow("share/vel") << "share/vel" << true;
        QTest::newRow("anderswo") << "share" << false;
    }
    void handbuchSuchen() {
        QFETCH(QString, ablage);
        QFETCH(bool, gefunden);
        QTemporaryDir wurzel;
        const QDir prefix(wurzel.path());
        QVERIFY(prefix.mkpath(QStringLiteral("bin")) && prefix.mkpath(ablage));
        QFile datei(prefix.filePath(ablage + QStringLiteral("/vel-handbuch.qhc")));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.close();
        const QString ergebnis = HandbuchSuchen(prefix.filePath(QStringLiteral("bin")) + u'/');
        QCOMPARE(ergebnis, gefunden ? QFileInfo(datei).absoluteFilePath() : QString());
    }
};

VEL_TEST(TstHilfe)
#include "tst_Hilfe.moc"
