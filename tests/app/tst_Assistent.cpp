#include "FensterTest.h"
#include "app/ui/NeuF.h"
#include "common/TestHaupt.h"
#include "exchange/ui/AustauschBefehle.h"
#include "exchange/ui/ImportDlg.h"
#include "settings/ui/NotizBefehle.h"
#include "settings/ui/NotizForm.h"
#include "timeframe/ui/ZeitRahmenDlg.h"
#include "timeframe/ui/ZeitenDlg.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// Works the guide and the dialogs it opens, one entry each once the entry finds its window in front.
// The guide's own entries wait until the action of the last one has returned, nested dialogs and all.
// An entry that finds nothing for a few seconds closes what is open, so a wrong script fails instead of
// hanging.
class TFuehrung : public QObject {
public:
    struct TEintrag {
        std::function<bool(QWidget*)> Bereit;
        std::function<void(QWidget*)> Aktion;
        bool Assistent = false;
    };

    explicit TFuehrung(QList<TEintrag> eintraege)
        : Eintraege(std::move(eintraege)) {
        connect(&Takt, &QTimer::timeout, this, &TFuehrung::Pruefen);
        Takt.start(5);
        Seit.start();
    }
    qsizetype Offen() const { return Eintraege.size(); }
    int Haengend = 0;

private:
    void Pruefen() {
        QWidget* w = QApplication::activeModalWidget();
        if (Eintraege.isEmpty() || !w || !w->isVisible()) return;
        TEintrag& e = Eintraege.first();
        if ((e.Assistent && AssistentArbeitet) || !e.Bereit(w)) {
            if (Seit.elapsed() > 8000) {
                qWarning("closing %s", qPrintable(w->windowTitle()));
                ++Haengend;
                Seit.restart();
                w->close();
            }
            return;
        }
        const TEintrag jetzt = Eintraege.takeFirst();
        if (jetzt.Assistent) AssistentArbeitet = true;
        Seit.restart();
        QTimer::singleShot(0, w, [this, jetzt, w] {
            jetzt.Aktion(w);
            if (jetzt.Assistent) AssistentArbeitet = false;
        });
    }

    QList<TEintrag> Eintraege;
    QTimer Takt;
    QElapsedTimer Seit;
    bool AssistentArbeitet = false;
};

TNeuF* AlsAssistent(QWidget* w) {
    return qobject_cast<TNeuF*>(w);
}

// The guide on step schritt; aktion gets it.
TFuehrung::TEintrag Im(int schritt, std::function<void(TNeuF&)> aktion) {
    return {[schritt](QWidget* w) { return AlsAssistent(w) && AlsAssistent(w)->Schritt() == schritt; },
            [aktion](QWidget* w) { aktion(*AlsAssistent(w)); }, true};
}

template <class D> TFuehrung::TEintrag Dialog(std::function<void(D&)> aktion) {
    return {[](QWidget* w) { return qobject_cast<D*>(w) != nullptr; },
            [aktion](QWidget* w) { aktion(*qobject_cast<D*>(w)); }, false};
}

// A key to whatever has the guide's focus, as the keyboard sends it.
void Taste(TNeuF& a, Qt::Key taste) {
    QWidget* ziel = a.focusWidget() ? a.focusWidget() : &a;
    QTest::keyClick(ziel, taste);
}

QString Kaestchen(bool an) {
    return an ? QStringLiteral("\u2611") : QStringLiteral("\u2610");
}

QString Datei(const QTemporaryDir& ordner, const QString& name, const QByteArray& inhalt) {
    QFile f(ordner.filePath(name));
    if (f.open(QIODevice::WriteOnly)) f.write(inhalt);
    return f.fileName();
}

void Zuordnen(TImportDlgf& d, std::initializer_list<std::pair<int, int>> felder) {
    for (const auto& [ziel, spalte] : felder)
        QVERIFY(d.Zuordnen(ziel, spalte));
    d.BtnOk->click();
}

} // namespace

// The new-project guide: its steps walked by keyboard alone to a saved project, steps cancelled,
// skipped and repeated, and a guide cancelled before the project exists.
class TstAssistent : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // From an empty program to a saved project with the keyboard: frame, standard blocking, teachers and
    // families from text files, saving; the project file holds what the guide set up.
    void ganzerWeg() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.Gruppen.Projektdateien->Projektpfad = t.Ordner.path();
        TFamilienFragen still;
        f.Gruppen.Austausch->Fragen = &still;
        QVERIFY(t.Zeigen());
        const QString ziel = t.Ordner.filePath(QStringLiteral("Sprechtag.pdt"));
        t.Dateiwahl.Antworten = {
            Datei(t.Ordner, "lehrer.txt", "Name;Kuerzel\r\nZeh;ZE\r\nMeier;ME\r\n"),
            Datei(t.Ordner, "eltern.csv",
                  "Vorname;Nachname;Klasse;Telefon\r\nAnna;Berg;5a;1\r\nBen;Cole;6b;2\r\n"),
            ziel};
        const auto weiter = [](TNeuF& a) {
            QCOMPARE(a.focusWidget(), a.BtnAusfuehren);
            QVERIFY(a.BtnAusfuehren->isDefault());
            Taste(a, Qt::Key_Return);
        };
        TFuehrung fuehrung({
            Im(1,
               [&weiter](TNeuF& a) {
                   QCOMPARE(a.windowTitle(), QString::fromUtf8("Assistent für ein neues Projekt"));
                   QVERIFY(a.Memo->toPlainText().startsWith("1.Aktion: Zeitrahmen\n\nLegen Sie das Datum"));
                   QVERIFY(!a.BtnZurueck->isEnabled());
                   QVERIFY(!a.BtnUeberspringen->isEnabled());
                   QCOMPARE(a.BtnAbbruch->text(), "Abbruch");
                   QCOMPARE(a.Panels[0]->frameShadow(), QFrame::Sunken);
                   QCOMPARE(a.Panels[1]->frameShape(), QFrame::NoFrame);
                   weiter(a);
               }),
            Dialog<TZeitRahmenDlg>([](TZeitRahmenDlg& d) { QTest::keyClick(&d, Qt::Key_Return); }),
            Im(2,
               [&weiter](TNeuF& a) {
                   QCOMPARE(a.BtnAbbruch->text(), QString::fromUtf8("Schließen"));
                   QCOMPARE(a.Haken[0]->text(), Kaestchen(true));
                   QVERIFY(a.BtnZurueck->isEnabled());
                   QVERIFY(a.BtnUeberspringen->isEnabled());
                   weiter(a);
               }),
            Dialog<TZeitenSperrDlg>([](TZeitenSperrDlg& d) { QTest::keyClick(&d, Qt::Key_Return); }),
            Im(3, weiter),
            Dialog<TImportDlgf>([](TImportDlgf& d) {
                Zuordnen(d, {{LName, 0}, {LKuerzel, 1}});
            }),
            Im(4, weiter),
            Dialog<TImportDlgf>([](TImportDlgf& d) {
                Zuordnen(d, {{SVorname, 0}, {SNachname, 1}, {SKlasse, 2}, {STelefon, 3}});
            }),
            Im(5, weiter),
            Im(6,
               [](TNeuF& a) {
                   for (int i = 0; i < TNeuF::Aktionen; ++i)
                       QCOMPARE(a.Haken[static_cast<size_t>(i)]->text(), Kaestchen(true));
                   QVERIFY(!a.BtnUeberspringen->isEnabled());
                   QCOMPARE(a.focusWidget(), a.BtnAbbruch);
                   QVERIFY(a.BtnAbbruch->isDefault());
                   Taste(a, Qt::Key_Return);
               }),
        });
        f.PDTneu1->trigger();
        QCOMPARE(fuehrung.Offen(), 0);
        QCOMPARE(fuehrung.Haengend, 0);

        QVERIFY(t.Dateiwahl.Antworten.isEmpty());
        QCOMPARE(t.Dateiwahl.Anfragen.last().Titel, "Projekt speichern");
        QCOMPARE(t.Dateiwahl.Anfragen.last().Name, "Proj-0");
        QCOMPARE(f.Dokument.Name(), "Sprechtag.pdt");
        QCOMPARE(f.windowTitle(), "VEL - [Sprechtag.pdt]");
        QVERIFY(!f.Dokument.IstGeaendert());
        // The note pad is offered once the guide has made a project.
        QCOMPARE(t.Meldung.Protokoll.last().Titel, "Hinweis");
        QVERIFY(t.Meldung.Protokoll.last().Text.startsWith("VEL hat einen Notizzettel vorbereitet,"));
        QVERIFY(f.Gruppen.Notiz->Form->isVisible());

        QProcess cli;
        cli.start(QStringLiteral(VEL_CLI), {QStringLiteral("dump"), ziel});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        const QJsonObject dump = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        QStringList lehrer;
        for (const auto& l : dump.value("Lehrerliste").toArray())
            lehrer << l.toObject().value("Kuerzel").toString() + u' ' + l.toObject().value("Name").toString();
        QCOMPARE(lehrer, QStringList({"ME Meier", "ZE Zeh"}));
        QStringList familien;
        for (const auto& e : dump.value("Elternliste").toArray())
            familien << e.toObject().value("Name").toString();
        familien.sort();
        QCOMPARE(familien, QStringList({"Berg", "Cole"}));
        QVERIFY(dump.value("Gespraechsliste").toArray().isEmpty());
        QVERIFY(!dump.value("Zeittexte").toArray().first().toString().isEmpty());
        const QJsonArray haken = dump.value("NotizHaken").toArray();
        QCOMPARE(haken.size(), 11);
        for (int i = 0; i < haken.size(); ++i)
            QCOMPARE(haken[i].toBool(), i < 3);
        QCOMPARE(dump.value("NotizText").toString(), QString());
    }

    // A cancelled action leaves its box empty; a failed import or save keeps the guide on its step;
    // skipping, going back and the pictures move between the steps once the project exists.
    void abbrechenUndUeberspringen() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.Gruppen.Projektdateien->Projektpfad = t.Ordner.path();
        QVERIFY(t.Zeigen());
        // The note pad's offer is declined.
        t.Meldung.Antworten = {Antwort::Ja, Antwort::Nein};
        QList<int> kontexte;
        TFuehrung fuehrung({
            Im(1,
               [&kontexte](TNeuF& a) {
                   kontexte << a.Hilfekontext();
                   // Before the project exists a picture only gives the focus back.
                   a.BtnHilfe->setFocus();
                   a.Bilder[3]->click();
                   QCOMPARE(a.Schritt(), 1);
                   QCOMPARE(a.focusWidget(), a.BtnAusfuehren);
                   Taste(a, Qt::Key_Return);
               }),
            Dialog<TZeitRahmenDlg>([](TZeitRahmenDlg& d) { d.OkBtn->click(); }),
            Im(2,
               [&kontexte](TNeuF& a) {
                   kontexte << a.Hilfekontext();
                   Taste(a, Qt::Key_Return);
               }),
            Dialog<TZeitenSperrDlg>([](TZeitenSperrDlg& d) { d.AbbruchBtn->click(); }),
            Im(3,
               [&kontexte](TNeuF& a) {
                   QCOMPARE(a.Haken[1]->text(), Kaestchen(false));
                   QVERIFY(!a.Erledigt(2));
                   // No file chosen: no teachers, the guide stays.
                   Taste(a, Qt::Key_Return);
                   QCOMPARE(a.Schritt(), 3);
                   QCOMPARE(a.Haken[2]->text(), Kaestchen(false));
                   kontexte << a.Hilfekontext();
                   // Skipped by keyboard: from "Ausführen" the tab goes to "Überspringen".
                   QCOMPARE(a.focusWidget(), a.BtnAusfuehren);
                   Taste(a, Qt::Key_Tab);
                   QCOMPARE(a.focusWidget(), a.BtnUeberspringen);
                   Taste(a, Qt::Key_Space);
                   QCOMPARE(a.Schritt(), 4);
                   kontexte << a.Hilfekontext();
                   a.BtnZurueck->click();
                   QCOMPARE(a.Schritt(), 3);
                   a.BtnUeberspringen->click();
                   a.BtnUeberspringen->click();
                   QCOMPARE(a.Schritt(), 5);
                   kontexte << a.Hilfekontext();
                   // The save dialog cancelled: unsaved, and still on step 5.
                   a.BtnAusfuehren->click();
                   QCOMPARE(a.Schritt(), 5);
                   QCOMPARE(a.Haken[4]->text(), Kaestchen(false));
                   a.BtnUeberspringen->click();
                   QCOMPARE(a.Schritt(), 6);
                   kontexte << a.Hilfekontext();
                   QVERIFY(!a.BtnUeberspringen->isEnabled());
                   QVERIFY(a.BtnAbbruch->isDefault());
                   QCOMPARE(a.focusWidget(), a.BtnAbbruch);
                   a.BtnZurueck->click();
                   QVERIFY(a.BtnAusfuehren->isDefault());
                   QVERIFY(a.BtnUeberspringen->isEnabled());
                   a.Bilder[1]->click();
                   QCOMPARE(a.Schritt(), 2);
                   QCOMPARE(a.Panels[1]->frameShadow(), QFrame::Sunken);
                   QCOMPARE(a.Panels[4]->frameShape(), QFrame::NoFrame);
                   a.Bilder[5]->click();
                   QCOMPARE(a.Schritt(), 6);
                   QCOMPARE(a.focusWidget(), a.BtnAbbruch);
                   a.BtnAbbruch->click();
               }),
        });
        f.PDTneu1->trigger();
        QCOMPARE(fuehrung.Offen(), 0);
        QCOMPARE(fuehrung.Haengend, 0);
        QCOMPARE(kontexte, (QList<int>{10, 50, 55, 75, 130, 130}));
        // The project exists although the guide was closed early.
        QVERIFY(f.Projekt());
        QVERIFY(f.Projekt()->Lehrerliste.Leer());
        QVERIFY(!f.Projekt()->NotizHaken[Notizhaken::Standardsperre]);
        QCOMPARE(f.Dokument.Name(), "Proj-0");
        QVERIFY(f.Dokument.IstGeaendert());
        QVERIFY(!f.Gruppen.Notiz->Form->isVisible());
        QCOMPARE(f.focusWidget(), f.Familienpanel->BtnElternHinzu);
        // Unsaved under its default name, Save asks for a file.
        const int anfragen = t.Dateiwahl.Anfragen.size();
        f.PDTsave1->trigger();
        QCOMPARE(t.Dateiwahl.Anfragen.size(), anfragen + 1);
        QCOMPARE(t.Dateiwahl.Anfragen.last().Name, "Proj-0");
    }

    // Pupils imported class by class: while the import goes on class by class the guide asks for the next
    // class; No ends it and the guide goes on.
    void klassenweise() {
        struct TKlassenFragen : TFamilienFragen {
            TKlassenantwort KlasseFehlt(const TImportSatz&, const QString&) override {
                return {TKlassenwahl::Eigene, QStringLiteral("7a"), true};
            }
        } fragen;
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.Gruppen.Austausch->Fragen = &fragen;
        QVERIFY(t.Zeigen());
        t.Dateiwahl.Antworten = {Datei(t.Ordner, "7a.csv", "Vorname;Nachname;Telefon\r\nAnna;Berg;1\r\n"),
                                 Datei(t.Ordner, "7b.csv", "Vorname;Nachname;Telefon\r\nBen;Cole;2\r\n")};
        // Each file without a class column is confirmed ("Klasse fehlt") before the next class is asked for.
        t.Meldung.Antworten = {Antwort::Ja, Antwort::Ja,   Antwort::Ja,
                               Antwort::Ja, Antwort::Nein, Antwort::Nein};
        const auto zuordnen = [](TImportDlgf& d) {
            if (d.Wiederhergestellt())
                d.BtnOk->click();
            else
                Zuordnen(d, {{SVorname, 0}, {SNachname, 1}, {STelefon, 2}});
        };
        TFuehrung fuehrung({
            Im(1, [](TNeuF& a) { a.BtnAusfuehren->click(); }),
            Dialog<TZeitRahmenDlg>([](TZeitRahmenDlg& d) { d.OkBtn->click(); }),
            Im(2,
               [](TNeuF& a) {
                   a.Bilder[3]->click();
                   QCOMPARE(a.Schritt(), 4);
                   a.BtnAusfuehren->click();
               }),
            Dialog<TImportDlgf>(zuordnen),
            Dialog<TImportDlgf>(zuordnen),
            Im(5,
               [](TNeuF& a) {
                   QVERIFY(a.Erledigt(4));
                   a.BtnAbbruch->click();
               }),
        });
        f.PDTneu1->trigger();
        QCOMPARE(fuehrung.Offen(), 0);
        QCOMPARE(fuehrung.Haengend, 0);
        QCOMPARE(t.Meldung.Titel(),
                 QStringList({"Sind die Datumseingaben korrekt?", "Klasse fehlt", "Import einzelner Klassen",
                              "Klasse fehlt", "Import einzelner Klassen", "Hinweis"}));
        QCOMPARE(t.Meldung.Protokoll[2].Text,
                 QString::fromUtf8("Möchten Sie jetzt weitere Schüler / eine weitere Klasse importieren?"));
        QCOMPARE(f.Projekt()->Elternliste.Count(), 2);
        for (const auto& e : f.Projekt()->Elternliste)
            QCOMPARE(e->Kinder[0]->Klasse, "7a");
        QVERIFY(!f.Gruppen.Austausch->Stand.KlassenFolgeImport);
    }

    // "Abbruch" before the time frame keeps the open project with its file and its changes; the
    // frame cancelled inside the guide too.
    void abbruchBehaeltProjekt_data() {
        QTest::addColumn<bool>("rahmenAbgebrochen");
        QTest::newRow("Abbruch") << false;
        QTest::newRow("Zeitrahmen abgebrochen") << true;
    }
    void abbruchBehaeltProjekt() {
        QFETCH(bool, rahmenAbgebrochen);
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.Dokument.Ersetzen(KleinesProjekt(), t.Ordner.filePath("Schule.pdt"));
        f.Dokument.Melden({});
        TProjekt* vorher = f.Projekt();
        t.Meldung.Antworten = {Antwort::Nein};
        QList<TFuehrung::TEintrag> schritte;
        if (rahmenAbgebrochen)
            schritte << Im(1, [](TNeuF& a) { a.BtnAusfuehren->click(); })
                     << Dialog<TZeitRahmenDlg>([](TZeitRahmenDlg& d) { d.CancBtn->click(); });
        schritte << Im(1, [](TNeuF& a) {
            QCOMPARE(a.Schritt(), 1);
            QVERIFY(!a.NeuesProjekt);
            QCOMPARE(a.BtnAbbruch->text(), "Abbruch");
            Taste(a, Qt::Key_Escape);
        });
        TFuehrung fuehrung(schritte);
        f.PDTneu1->trigger();
        QCOMPARE(fuehrung.Offen(), 0);
        QCOMPARE(t.Meldung.Titel(), QStringList{"Rückfrage zur Sicherung Ihrer Daten:"});
        QCOMPARE(f.Projekt(), vorher);
        QCOMPARE(f.Dokument.Name(), "Schule.pdt");
        QVERIFY(f.Dokument.IstGeaendert());
    }
};

VEL_TEST(TstAssistent)
#include "tst_Assistent.moc"
