#include "Eingabetest.h"
#include "FensterTest.h"
#include "Generator.h"
#include "app/Uebersetzung.h"
#include "app/ui/DesktopMeldung.h"
#include "app/ui/VelInfo.h"
#include "common/TestHaupt.h"
#include "model/Dateneingabe.h"
#include "model/Datumstexte.h"
#include "settings/Einstellungen.h"
#include "timeframe/ui/Datumsfeld.h"
#include "timeframe/ui/ZeitRahmenDlg.h"
#include "ui/Arbeitsflaeche.h"
#include "ui/Kurzlabel.h"
#include "ui/Symbole.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>

namespace {

QAction* Eintrag(const QList<QAction*>& aktionen, const QString& text) {
    for (QAction* a : aktionen)
        if (a->text() == text) return a;
    return nullptr;
}

// The menu bar entry at a path of captions.
QAction* Menuepunkt(QMainWindow& fenster, const QStringList& pfad) {
    QAction* aktion = Eintrag(fenster.menuBar()->actions(), pfad.first());
    for (qsizetype i = 1; aktion && i < pfad.size(); ++i)
        aktion = aktion->menu() ? Eintrag(aktion->menu()->actions(), pfad[i]) : nullptr;
    return aktion;
}

// A user reaches an entry only when it and every menu above it are enabled.
bool Erreichbar(QMainWindow& fenster, const QStringList& pfad) {
    for (qsizetype n = 1; n <= pfad.size(); ++n)
        if (!Menuepunkt(fenster, pfad.first(n))->isEnabled()) return false;
    return true;
}

QStringList Texte(const QList<QAction*>& aktionen) {
    QStringList texte;
    for (const QAction* a : aktionen)
        if (!a->isSeparator()) texte << a->text();
    return texte;
}

QStringList Zeile(const QAbstractItemModel* modell, int zeile) {
    QStringList texte;
    for (int s = 0; s < modell->columnCount(); ++s)
        texte << modell->index(zeile, s).data().toString();
    return texte;
}

void ZeileKlicken(QTreeView* liste, int zeile) {
    const QRect rechteck = liste->visualRect(liste->model()->index(zeile, 1));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, rechteck.center());
}

// Runs the action once the modal dialog it opens is up.
template <class F> void ImDialog(F aktion) {
    QTimer::singleShot(0, [aktion] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        aktion(dialog);
    });
}

} // namespace

// Receives the files the program hands to the desktop.
class TOeffner : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Geoeffnet;
public Q_SLOTS:
    void oeffnen(const QUrl& url) { Geoeffnet << url; }
};

class TstMainForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void befehle_data() {
        QTest::addColumn<QStringList>("pfad");
        QTest::addColumn<QString>("kuerzel");
        QTest::addColumn<bool>("ohneProjekt");
        QTest::addColumn<bool>("mitProjekt");
        struct TZeile {
            const char* pfad;
            const char* kuerzel;
            bool ohne;
            bool mit;
        };
        // Commands that other parts build stay disabled until their handler is in the table.
        const TZeile zeilen[] = {
            {"&Datei|Projekt: &Neu", "", true, true},
            {"&Datei|Projekt ö&ffnen...", "Ctrl+O", true, true},
            {"&Datei|Projekt &speichern", "Ctrl+S", false, true},
            {"&Datei|Projekt speichern &unter...", "", false, true},
            {"&Datei|Sicherungskopie erstellen...", "", false, true},
            {"&Datei|Sicherungskopie öffnen...", "", true, true},
            {"&Datei|Veraltetes Dateiformat öffnen|Ohne Nachnamen der Kinder...", "", true, true},
            {"&Datei|Veraltetes Dateiformat öffnen|Mit Datum als Text...", "", true, true},
            {"&Datei|Lehrerdaten im&portieren...", "", false, true},
            {"&Datei|Elterndaten imp&ortieren...", "", false, true},
            {"&Datei|&Lehrerdaten exportieren...", "", false, true},
            {"&Datei|Gesprächslisten exportieren... (PDF)", "", false, true},
            {"&Datei|&Gesprächlisten exportieren... (RTF)|für &Lehrer...", "", false, true},
            {"&Datei|&Gesprächlisten exportieren... (RTF)|für &Eltern...", "", false, true},
            {"&Datei|&Drucken...", "", false, true},
            {"&Datei|Seite e&inrichten|&Gesprächslisten... (mit Vorschau)", "", true, true},
            {"&Datei|Seite e&inrichten|Sonstige Listen...", "", true, true},
            {"&Datei|&Beenden", "", true, true},
            {"&Bearbeiten|Elterntelefonnummer ...", "", false, true},
            {"&Bearbeiten|&Sortierung der Elternliste", "", false, true},
            {"&Bearbeiten|&Raum zuweisen", "", false, true},
            {"&Bearbeiten|&Gesprächsliste von Hand bearbeiten", "F5", false, true},
            {"&Bearbeiten|Gespräche: Lehrkraft für alle Kinder einer Klasse ...", "", false, true},
            {"&Bearbeiten|Anmerkungen schreiben ...|zu den Gesprächslisten für Lehrer", "", false, true},
            {"&Bearbeiten|Anmerkungen schreiben ...|zu den Gesprächslisten für Eltern", "", false, true},
            {"&Bearbeiten|Anmerkungen schreiben ...|Individuelle Anmerkungen...", "", false, true},
            {"&Bearbeiten|Anmerkungen schreiben ...|Automatische Anmerkungen...", "", false, true},
            {"Aus&werten|&Termine berechnen", "", false, true},
            {"Aus&werten|&Optionen für Auswertung...", "", false, true},
            {"&Ansicht|Seitenvorschau (Gesprächslisten)", "F9", false, true},
            {"&Ansicht|&Statistik", "", false, true},
            {"&Ansicht|&Raumzuordnung", "", false, true},
            {"&Ansicht|&Anzahl der Gespräche pro Lehrer", "", false, true},
            {"&Ansicht|Nicht &terminierte Gespräche", "", false, true},
            {"&Ansicht|Ge&nagelte Gespräche", "", false, true},
            {"&Ansicht|Raum&belegung", "", false, true},
            {"&Ansicht|Notiz&zettel", "F11", true, true},
            {"&Voreinstellungen|&Zeitrahmen", "", false, true},
            {"&Voreinstellungen|Zeitsperrungen: &Standardvorgabe", "", false, true},
            {"&Voreinstellungen|&Schuldaten...", "", true, true},
            {"&Optionen|&Programm-Einstellungen...", "", true, true},
            {"&Optionen|Einstellungen zur Terminberechnung...", "", true, true},
            {"&Optionen|&Gesprächslisten-Layout...", "", true, true},
            {"&Optionen|Sonstige Listen: Rand, Ausrichtung, Schrift...", "", true, true},
            {"&Sonstiges|&Anrede-Editor", "", false, true},
            {"&Sonstiges|&Zeiten freigeben/sperren", "", false, true},
            {"&Sonstiges|&Nägel ziehen...", "", false, true},
            {"&Sonstiges|Alle gesetzten Gespräche &festnageln...", "", false, true},
            {"&Sonstiges|Alle Gespräche auf \"nicht terminiert\" setzen...", "", false, true},
            {"&Hilfe|&Inhalt", "", true, true},
            {"&Hilfe|Inde&x", "", true, true},
            {"&Hilfe|Neu in dieser Version...", "", true, true},
            {"&Hilfe|Auf Update prüfen...", "", true, true},
            {"&Hilfe|In&fo über VEL", "", true, true},
        };
        for (const TZeile& z : zeilen)
            QTest::newRow(z.pfad) << QString::fromUtf8(z.pfad).split(u'|') << QString::fromUtf8(z.kuerzel)
                                  << z.ohne << z.mit;
    }
    void befehle() {
        QFETCH(QStringList, pfad);
        QFETCH(QString, kuerzel);
        QFETCH(bool, ohneProjekt);
        QFETCH(bool, mitProjekt);
        TFensterTest t;
        QAction* aktion = Menuepunkt(*t.Fenster, pfad);
        QVERIFY2(aktion, qPrintable(pfad.join(u'/')));
        QCOMPARE(aktion->shortcut(), QKeySequence(kuerzel));
        QCOMPARE(Erreichbar(*t.Fenster, pfad), ohneProjekt);
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QCOMPARE(Erreichbar(*t.Fenster, pfad), mitProjekt);
    }

    void projektmenues() {
        TFensterTest t;
        const QStringList menues = {"&Datei",    "&Bearbeiten", "Aus&werten", "&Ansicht", "&Voreinstellungen",
                                    "&Optionen", "&Sonstiges",  "&Hilfe"};
        QCOMPARE(Texte(t.Fenster->menuBar()->actions()), menues);
        const QStringList projektmenues = {"&Bearbeiten", "Aus&werten", "&Sonstiges"};
        for (const QString& m : menues)
            QCOMPARE(Menuepunkt(*t.Fenster, {m})->isEnabled(), !projektmenues.contains(m));
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        for (const QString& m : menues)
            QVERIFY(Menuepunkt(*t.Fenster, {m})->isEnabled());
    }

    // The RTF export shows only when Shift and Ctrl are held while the file menu opens; the page set-up
    // names the preview only while one can be shown.
    void dateimenue() {
        TFensterTest t;
        Q_EMIT t.Fenster->Datei1->aboutToShow();
        QVERIFY(!t.Fenster->RTF1->menuAction()->isVisible());
        QCOMPARE(t.Fenster->Layout1->text(), QString::fromUtf8("&Gesprächslisten..."));
    }

    // The standard dialogs of the system speak German.
    void standarddialogeDeutsch() {
        QObject besitzer;
        QVERIFY(QtDeutschLaden(&besitzer));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), "Suchen in:");
        QCOMPARE(QCoreApplication::translate("QHelpSearchQueryWidget", "Search"), "Suche");
    }

    // A message laid out by its own line breaks is wide enough for its longest line, so that no line is
    // wrapped again.
    void meldungBehaeltZeilen() {
        const QString lang =
            QString::fromUtf8("teilnehmen, können Sie dies mit der rechten Maustaste für das Kind oder für");
        TDesktopMeldung meldung;
        int breite = 0;
        int noetig = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            const auto* zeilen = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            QVERIFY(zeilen);
            breite = zeilen->contentsRect().width();
            noetig = zeilen->fontMetrics().horizontalAdvance(lang);
            box->accept();
        });
        meldung.Meldung(QStringLiteral("Kurz:\r\r") + lang + QStringLiteral("\r(Ende)"),
                        QStringLiteral("Bedienungshinweis"), MeldungsArt::Information, Knoepfe::OK,
                        Antwort::OK);
        QVERIFY(noetig > 0);
        QVERIFY2(breite >= noetig, qPrintable(QStringLiteral("%1 < %2").arg(breite).arg(noetig)));
    }

    // However long its text (a name may be as long as the files allow), a message shows soon, within
    // the screen with its buttons, and quotes the text by its beginning.
    void meldungImBildschirm_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("anfang");
        QTest::newRow("ein langes Wort") << QStringLiteral("Soll Frau Wąsowski") + QString(200'000, u'W') +
                                                QStringLiteral(" (WA)\rwirklich gelöscht werden?")
                                         << QStringLiteral("Soll Frau WąsowskiWWW");
        QTest::newRow("langer Absatz")
            << QStringLiteral("Öztürk ").repeated(300'000) << QStringLiteral("Öztürk Öztürk");
        QTest::newRow("viele Zeilen")
            << QStringLiteral("Müller\r").repeated(10'000) << QStringLiteral("Müller\nMüller");
    }
    void meldungImBildschirm() {
        QFETCH(QString, text);
        QFETCH(QString, anfang);
        TDesktopMeldung meldung;
        QRect flaeche, rahmen, innen;
        QList<QRect> knoepfe;
        QString gezeigt;
        qint64 dauer = -1;
        QElapsedTimer uhr;
        uhr.start();
        const auto pruefen = [&] {
            QMessageBox* box = nullptr;
            // Whatever fails below, the box must close, or the test would hang.
            const auto schliessen = qScopeGuard([&] {
                if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->accept();
            });
            // The box takes its final size and place as it shows.
            QTRY_VERIFY_WITH_TIMEOUT((box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) &&
                                         box->isVisible(),
                                     10000);
            dauer = uhr.elapsed();
            flaeche = Arbeitsflaeche(box);
            rahmen = box->frameGeometry();
            innen = box->rect();
            for (const QAbstractButton* b : box->buttons())
                knoepfe << QRect(b->mapTo(box, QPoint()), b->size());
            gezeigt = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
        };
        QTimer::singleShot(0, pruefen);
        meldung.Meldung(text, QStringLiteral("Lehrer löschen"), MeldungsArt::Frage, Knoepfe::JaNein,
                        Antwort::Nein);
        QVERIFY2(dauer >= 0 && dauer < 2000, qPrintable(QString::number(dauer)));
        QVERIFY2(flaeche.contains(rahmen), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                          .arg(rahmen.x())
                                                          .arg(rahmen.y())
                                                          .arg(rahmen.width())
                                                          .arg(rahmen.height())));
        QCOMPARE(knoepfe.size(), 2);
        for (const QRect& k : knoepfe)
            QVERIFY(innen.contains(k));
        QVERIFY(gezeigt.startsWith(anfang));
        QVERIFY(gezeigt.contains(u'…'));
        QVERIFY2(gezeigt.size() < 5000, qPrintable(QString::number(gezeigt.size())));
    }

    void werkzeugleiste() {
        TFensterTest t;
        auto* leiste = t.Fenster->findChild<QToolBar*>();
        QVERIFY(leiste);
        QStringList hinweise;
        QStringList frei;
        for (QAction* a : leiste->actions()) {
            if (a->isSeparator()) continue;
            hinweise << a->toolTip();
            if (a->isEnabled()) frei << a->toolTip();
            QCOMPARE(leiste->widgetForAction(a)->size(), QSize(38, 39));
        }
        QCOMPARE(
            hinweise,
            (QStringList{QStringLiteral("Neues Projekt"), QString::fromUtf8("Öffnen..."),
                         QStringLiteral("Speichern"), QStringLiteral("Speichern unter..."),
                         QString::fromUtf8("Elternliste bearbeiten, Gespräche eingeben"),
                         QStringLiteral("Lehrerliste bearbeiten\n(Markierung Eltern/Kind aufheben)"),
                         QStringLiteral("Raumzuweisung bearbeiten"), QStringLiteral("Termine berechnen..."),
                         QString::fromUtf8("Gesprächslisten bearbeiten (F5)"), QStringLiteral("Statistik"),
                         QString::fromUtf8("Seitenvorschau (Gesprächslisten): F9"),
                         QStringLiteral("Drucken..."), QStringLiteral("Listen als PDF..."),
                         QStringLiteral("Hilfe anzeigen"), QStringLiteral("Programm beenden")}));
        QCOMPARE(frei, (QStringList{"Neues Projekt", QString::fromUtf8("Öffnen..."), "Hilfe anzeigen",
                                    "Programm beenden"}));
        QVERIFY(t.Fenster->BuElt->isChecked());
        QVERIFY(!t.Fenster->BuLeh->isChecked());

        // With teachers and requests, a button whose command is not there yet stays disabled, and looks
        // so: its icon is grey and faint.
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        frei.clear();
        for (QAction* a : leiste->actions())
            if (!a->isSeparator() && leiste->widgetForAction(a)->isEnabled()) frei << a->toolTip();
        QCOMPARE(frei, (QStringList{"Neues Projekt", QString::fromUtf8("Öffnen..."), "Speichern",
                                    "Speichern unter...",
                                    QString::fromUtf8("Elternliste bearbeiten, Gespräche eingeben"),
                                    "Lehrerliste bearbeiten\n(Markierung Eltern/Kind aufheben)",
                                    "Raumzuweisung bearbeiten", "Termine berechnen...",
                                    QString::fromUtf8("Gesprächslisten bearbeiten (F5)"), "Statistik",
                                    QString::fromUtf8("Seitenvorschau (Gesprächslisten): F9"), "Drucken...",
                                    "Listen als PDF...", "Hilfe anzeigen", "Programm beenden"}));
        const auto deckung = [](const QImage& bild) {
            qint64 summe = 0;
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x)
                    summe += qAlpha(bild.pixel(x, y));
            return summe;
        };
        for (const QAction* a : {t.Fenster->Vorschau0}) {
            const QImage an = a->icon().pixmap(24, QIcon::Normal).toImage();
            const QImage aus = a->icon().pixmap(24, QIcon::Disabled).toImage();
            QVERIFY(deckung(an) > 0);
            QVERIFY(deckung(aus) * 2 < deckung(an));
        }
    }

    void kontextmenues() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QCOMPARE(
            Texte(t.Fenster->PopMenuGespr->actions()),
            (QStringList{QString::fromUtf8("Kind löschen"), QString::fromUtf8("Markiertes Gespräch löschen"),
                         QString::fromUtf8("Gespräche über markiertes Kind löschen"),
                         QString::fromUtf8("Alle Gespräche löschen"),
                         QStringLiteral("kennzeichnen: \"Kind kommt mit\"")}));
        QCOMPARE(Texte(t.Fenster->PopMenuEltern->actions()),
                 (QStringList{QStringLiteral("Anmerkungen individuell"),
                              QString::fromUtf8("Anmerkungen für alle Eltern"),
                              QStringLiteral("Elterndaten bearbeiten..."),
                              QStringLiteral("Anrede wechseln: Fam.-->Frau-->Herr-->Fam."),
                              QStringLiteral("Zeiten-Standardvorgabe..."),
                              QStringLiteral("Zeiten sperren/freigeben (global)")}));
        QCOMPARE(t.Fenster->HeFrFa1->shortcut(), QKeySequence("Ctrl+F8"));
        QCOMPARE(Texte(t.Fenster->PopMenuLehrer->actions()),
                 (QStringList{QStringLiteral("Anmerkungen individuell"),
                              QString::fromUtf8("Anmerkung für alle Lehrer"),
                              QStringLiteral("Lehrerdaten bearbeiten"), QStringLiteral("Raumzuweisung"),
                              QStringLiteral("Anrede-Editor"), QStringLiteral("Zeiten-Standardvorgabe"),
                              QStringLiteral("Zeiten sperren/freigeben (global)"),
                              QStringLiteral("X zu allen aus y hinzu")}));
        // Without a selection only what concerns everybody is offered: blocked times, rooms, the general
        // annotations and the salutations of all teachers.
        const QList<QAction*> fuerAlle = {
            t.Fenster->ZDefaultE1, t.Fenster->ZeitGlobE1, t.Fenster->ZDefaultL1,   t.Fenster->ZeitGlobL1,
            t.Fenster->RaumL1,     t.Fenster->AnrEditL1,  t.Fenster->AnmerkAlleE1, t.Fenster->AnmerkAlleL1};
        for (QMenu* menue : {t.Fenster->PopMenuGespr, t.Fenster->PopMenuEltern, t.Fenster->PopMenuLehrer}) {
            Q_EMIT menue->aboutToShow();
            for (QAction* a : menue->actions())
                QVERIFY2(a->isSeparator() || a->isEnabled() == fuerAlle.contains(a), qPrintable(a->text()));
        }
        QVERIFY(!t.Fenster->AlleGLoe->isVisible());
        QVERIFY(!t.Fenster->KlasseHinzuL1->isVisible());

        // The captions follow the selected family and teacher.
        QVERIFY(t.Zeigen());
        ZeileKlicken(t.Fenster->Familienpanel->LVEltern, 1);
        QVERIFY(t.Fenster->AlleGLoe->isVisible());
        QCOMPARE(t.Fenster->AlleGLoe->text(),
                 QString::fromUtf8("Alle Gespräche bei Familie Maier löschen..."));
        QCOMPARE(t.Fenster->AnmerkE1->text(), QString::fromUtf8("Anmerkungen für Familie Maier"));
        ZeileKlicken(t.Fenster->Lehrerpanel->LVLehrer, 1);
        QCOMPARE(t.Fenster->AnmerkL1->text(), QString::fromUtf8("Anmerkungen für Herrn Dr. Müller"));
    }

    // A family name too long for the column above the children is cut off with "…", not mid-letter.
    void langerFamiliennameGekuerzt() {
        TFensterTest t;
        auto p = KleinesProjekt();
        const QString lang =
            QStringLiteral("Schmidt-Hohenzollern-Wittelsbach von und zu Mecklenburg-Vorpommern");
        p->Elternliste.FindeNummer(1)->Name = lang;
        t.Fenster->ProjektErsetzen(std::move(p));
        QVERIFY(t.Zeigen());
        FamilieWaehlen(*t.Fenster, 1);
        const TKurzLabel* kopf = t.Fenster->Kinderpanel->LbEltern;
        QVERIFY(kopf->text().endsWith(lang));
        QVERIFY(kopf->fontMetrics().horizontalAdvance(kopf->text()) > kopf->contentsRect().width());
        QVERIFY(kopf->Gezeigt().endsWith(QStringLiteral("…")));
        QVERIFY(kopf->width() <= t.Fenster->Kinderpanel->TVKinder->parentWidget()->width());
    }

    // The list models keep the rules of Qt's item models through filling, searching, filtering,
    // deleting and replacing the project.
    void modelleRegelgerecht() {
        TFensterTest t;
        QVERIFY(t.Zeigen());
        TVELWnd& f = *t.Fenster;
        const QAbstractItemModelTester eltern(f.Familienpanel->LVEltern->model(),
                                              QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QAbstractItemModelTester lehrer(f.Lehrerpanel->LVLehrer->model(),
                                              QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QAbstractItemModelTester baum(f.Kinderpanel->TVKinder->model(),
                                            QAbstractItemModelTester::FailureReportingMode::QtTest);
        f.ProjektErsetzen(KleinesProjekt());
        FamilieWaehlen(f, 1);
        f.Familienpanel->SuchE->setText(QStringLiteral("v"));
        f.Familienpanel->SuchE->clear();
        f.Familienpanel->ComboKlassen->setCurrentIndex(1);
        f.Familienpanel->ComboKlassen->setCurrentIndex(0);
        f.Familienpanel->ZeileWaehlen(1);
        f.Kinderpanel->Waehlen(Knoten(f, QString::fromUtf8("1. Herr Dr. Müller")));
        f.Gespraechpanel->SpBLoeG->click();
        QVERIFY(!Knoten(f, QString::fromUtf8("1. Herr Dr. Müller")).isValid());
        QCOMPARE(f.Kinderpanel->Knoten().data().toString(), "1. Frau von Berg (BER)");
        LehrerWaehlen(f, {QStringLiteral("BER")});
        t.Meldung.Antworten = {Antwort::Ja};
        f.Lehrerpanel->BtnLoeschL->click();
        QCOMPARE(f.Lehrerpanel->LVLehrer->model()->rowCount(), 1);
        f.ProjektErsetzen(nullptr);
        QCOMPARE(f.Familienpanel->LVEltern->model()->rowCount(), 0);
    }

    // The family rows follow changes the document reports: a new family takes its sorted place, a
    // renamed one moves and stays selected, a deleted one leaves the list.
    void familienzeilenFolgenDemDokument() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        const auto* filter = qobject_cast<const QSortFilterProxyModel*>(f.Familienpanel->LVEltern->model());
        QVERIFY(filter);
        const QAbstractItemModelTester quelle(filter->sourceModel(),
                                              QAbstractItemModelTester::FailureReportingMode::QtTest);
        f.ProjektErsetzen(KleinesProjekt());
        TProjekt& p = *f.Projekt();
        f.Familienpanel->ZeileWaehlen(1);
        TEltern* maier = f.Eingabe->AktuelleFamilie();
        QCOMPARE(maier->Name, "Maier");

        p.NeueFamilie(QStringLiteral("Herr"), QStringLiteral("Berg"), QString());
        p.ElternSortieren();
        f.Dokument.Melden(TAenderung::Familien);
        QCOMPARE(Zeilen(f), (QStringList{"Acker", "Berg", "Maier"}));
        QCOMPARE(f.Eingabe->AktuelleFamilie(), maier);

        maier->Name = QStringLiteral("Abel");
        p.ElternSortieren();
        f.Dokument.Melden(TAenderung::Familien);
        QCOMPARE(Zeilen(f), (QStringList{"Abel", "Acker", "Berg"}));
        QCOMPARE(f.Eingabe->AktuelleFamilie(), maier);

        f.Kinderpanel->Loslassen();
        FamilieLoeschen(p, f.Dokument.RueckListe(), maier);
        f.Dokument.Melden(TAenderung::Familien | TAenderung::Kinder | TAenderung::Gespraeche);
        QCOMPARE(Zeilen(f), (QStringList{"Acker", "Berg"}));
        // The list moves on to a neighbour, whose children the tree shows.
        const TEltern* danach = f.Eingabe->AktuelleFamilie();
        QVERIFY(danach && p.Elternliste.IndexOf(danach) >= 0);
        QCOMPARE(f.Kinderpanel->LbEltern->text(), danach->Anschrift(false));
        QCOMPARE(f.Kinderpanel->Modell->rowCount(), danach->Kinder.Count());
    }

    void listenZeigenDasProjekt() {
        TFensterTest t;
        QVERIFY(t.Zeigen());
        QVERIFY(!t.Fenster->Familienpanel->LVEltern->isEnabled());
        QVERIFY(!t.Fenster->Lehrerpanel->LVLehrer->isEnabled());
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Fenster->Familienpanel->LVEltern->isEnabled());

        const QAbstractItemModel* eltern = t.Fenster->Familienpanel->LVEltern->model();
        QCOMPARE(eltern->rowCount(), 2);
        QCOMPARE(Zeile(eltern, 0), (QStringList{"Frau", "van Acker"}));
        QCOMPARE(Zeile(eltern, 1), (QStringList{"Familie", "Maier"}));
        QCOMPARE(eltern->headerData(0, Qt::Horizontal).toString(), "Anrede");
        QCOMPARE(eltern->headerData(1, Qt::Horizontal).toString(), "Elternname");
        const QAbstractItemModel* lehrer = t.Fenster->Lehrerpanel->LVLehrer->model();
        QCOMPARE(lehrer->headerData(0, Qt::Horizontal).toString(), QString::fromUtf8("Kürzel"));
        QCOMPARE(Zeile(lehrer, 0), (QStringList{"BER", "Frau", "von Berg"}));
        QCOMPARE(Zeile(lehrer, 1), (QStringList{"MUE", "Herr", QString::fromUtf8("Dr. Müller")}));
        QCOMPARE(t.Fenster->Kinderpanel->Modell->rowCount(), 0);

        ZeileKlicken(t.Fenster->Familienpanel->LVEltern, 1);
        QCOMPARE(t.Fenster->Eingabe->AktuelleFamilie()->Name, "Maier");
        QCOMPARE(t.Fenster->Kinderpanel->LbEltern->text(), "Familie Maier");
        QTreeView* baum = t.Fenster->Kinderpanel->TVKinder;
        const QAbstractItemModel* m = baum->model();
        QVERIFY(baum->isEnabled());
        QCOMPARE(m->rowCount(), 2);
        const QModelIndex anna = m->index(0, 0);
        const QModelIndex ben = m->index(1, 0);
        QCOMPARE(anna.data().toString(), "Anna (5a)");
        QVERIFY(baum->isExpanded(anna));
        QCOMPARE(m->rowCount(anna), 2);
        QCOMPARE(m->index(0, 0, anna).data().toString(), QString::fromUtf8("1. Herr Dr. Müller (MUE)"));
        QCOMPARE(m->index(1, 0, anna).data().toString(), "2. Frau von Berg (BER)");
        QCOMPARE(ben.data().toString(), "Ben (10b)");
        QCOMPARE(m->index(0, 0, ben).data().toString(), "1. Frau von Berg (BER)");
        // The first child is selected with its family.
        QCOMPARE(baum->currentIndex(), anna);
        QCOMPARE(t.Fenster->Eingabe->AktuellesKind()->Vorname, "Anna");
        QCOMPARE(t.Fenster->Gespraechpanel->LbKind->text(), "Anna");

        // A request selects its child.
        const QRect rechteck = baum->visualRect(m->index(0, 0, ben));
        QTest::mouseClick(baum->viewport(), Qt::LeftButton, {}, rechteck.center());
        QCOMPARE(t.Fenster->Eingabe->AktuellesKind()->Vorname, "Ben");
        QCOMPARE(t.Fenster->Gespraechpanel->LbKind->text(), "Ben");

        // A family without requests shows its child collapsed.
        ZeileKlicken(t.Fenster->Familienpanel->LVEltern, 0);
        QCOMPARE(t.Fenster->Kinderpanel->LbEltern->text(), "Frau van Acker");
        QCOMPARE(m->index(0, 0).data().toString(), "Cem");
        QVERIFY(!baum->isExpanded(m->index(0, 0)));
    }

    void listenbilder() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        t.Fenster->Familienpanel->ZeileWaehlen(1);
        const QAbstractItemModel* m = t.Fenster->Kinderpanel->TVKinder->model();
        const QModelIndex anna = m->index(0, 0);
        if (ListenBild(1).isNull()) QSKIP("the icon theme is not installed");
        const auto bild = [](const QModelIndex& k) { return k.data(Qt::DecorationRole).value<QPixmap>(); };
        QCOMPARE(bild(anna).toImage(), ListenBild(1).toImage());
        QCOMPARE(bild(m->index(0, 0, anna)).toImage(), ListenBild(2).toImage());
        QCOMPARE(bild(m->index(1, 0, anna)).toImage(), ListenBild(15).toImage());
        t.Fenster->Kinderpanel->TVKinder->collapse(anna);
        QCOMPARE(bild(anna).toImage(), ListenBild(4).toImage());
    }

    // The rows are drawn in the colours of the selection, brighter while the list has the focus, and the
    // person of the open pop-up time window stands out.
    void zeilenfarben() {
        TFensterTest t;
        QVERIFY(t.Zeigen());
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QTreeView* liste = t.Fenster->Familienpanel->LVEltern;
        ZeileKlicken(liste, 1);
        const auto farbe = [liste](int zeile) {
            const QRect r = liste->visualRect(liste->model()->index(zeile, 1));
            return liste->viewport()->grab().toImage().pixelColor(r.right() - 20, r.center().y());
        };
        QVERIFY(liste->hasFocus());
        QCOMPARE(farbe(1), QColor(0x33, 0x88, 0xFF));
        QCOMPARE(farbe(0), liste->palette().base().color());
        t.Fenster->Familienpanel->SuchE->setFocus();
        QCOMPARE(farbe(1), QColor(0x77, 0xCC, 0xFF));
        t.Fenster->ZeitfensterPerson = t.Fenster->Familienpanel->ElternInZeile(0);
        QCOMPARE(farbe(0), QColor(0xFF, 0xA0, 0xA0));
    }

    void klassenfilterUndSuche() {
        TFensterTest t;
        QVERIFY(t.Zeigen());
        auto projekt = KleinesProjekt();
        projekt->NeueFamilie(QStringLiteral("Familie"), QString::fromUtf8("Müller"));
        projekt->ElternSortieren();
        t.Fenster->ProjektErsetzen(std::move(projekt));
        QComboBox* klassen = t.Fenster->Familienpanel->ComboKlassen;
        QStringList eintraege;
        for (int i = 0; i < klassen->count(); ++i)
            eintraege << klassen->itemText(i);
        QCOMPARE(eintraege, (QStringList{"(alle)", "unbekannt", "5a", "10b"}));
        QVERIFY(klassen->isEnabled());
        QCOMPARE(klassen->maxVisibleItems(), 25);

        klassen->setFocus();
        QTest::keyClick(klassen, Qt::Key_Down);
        QCOMPARE(t.Fenster->Familienpanel->LVEltern->model()->rowCount(), 1);
        QCOMPARE(t.Fenster->Eingabe->AktuelleFamilie()->Name, "Acker");
        QTest::keyClick(klassen, Qt::Key_Down);
        QCOMPARE(t.Fenster->Familienpanel->LVEltern->model()->rowCount(), 1);
        QCOMPARE(t.Fenster->Eingabe->AktuelleFamilie()->Name, "Maier");
        QTest::keyClick(klassen, Qt::Key_Home);
        QCOMPARE(t.Fenster->Familienpanel->LVEltern->model()->rowCount(), 3);

        QTest::mouseClick(t.Fenster->Familienpanel->SuchE, Qt::LeftButton);
        QTest::keyClick(t.Fenster->Familienpanel->SuchE, Qt::Key_M);
        QCOMPARE(t.Fenster->Familienpanel->LVEltern->model()->rowCount(), 2);
        QTest::sendKeyEvent(QTest::Click, t.Fenster->Familienpanel->SuchE, Qt::Key_Udiaeresis,
                            QString::fromUtf8("ü"), {});
        QCOMPARE(t.Fenster->Familienpanel->LVEltern->model()->rowCount(), 1);
        QCOMPARE(t.Fenster->Eingabe->AktuelleFamilie()->Name, QString::fromUtf8("Müller"));
        QTest::keyClick(t.Fenster->Familienpanel->SuchE, Qt::Key_X);
        QCOMPARE(t.Fenster->Familienpanel->LVEltern->model()->rowCount(), 0);
        QVERIFY(!t.Fenster->Eingabe->AktuelleFamilie());
        QCOMPARE(t.Fenster->Kinderpanel->Modell->rowCount(), 0);
        QCOMPARE(t.Fenster->Kinderpanel->LbEltern->text(), "");
    }

    void statusleiste() {
        TFensterTest t;
        const auto& panels = t.Fenster->Panels;
        QCOMPARE(panels[0]->text(), "Elternanzahl: 0");
        QCOMPARE(panels[3]->text(), DatumLang(QDate::currentDate()));
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QCOMPARE(panels[0]->text(), "Elternanzahl: 2");
        QCOMPARE(panels[1]->text(), "Lehreranzahl: 2");
        QCOMPARE(panels[2]->text(), QString::fromUtf8("Gesprächsanzahl: 3"));
        QCOMPARE(panels[3]->text(), QString::fromUtf8("Elternsprechtag am Montag, 1. März 2027"));
        t.Fenster->Projekt()->Datum[1] = WertAusDatum(QDate(2027, 3, 3));
        t.Fenster->Projekt()->ZweiTage = true;
        t.Fenster->DatumAnzeigen();
        QCOMPARE(panels[3]->text(), "01.03.27 und 03.03.27");
        // Wide enough for the largest counts.
        const QFontMetrics masse(panels[2]->font());
        QVERIFY(panels[2]->width() >= masse.horizontalAdvance(QString::fromUtf8("Gesprächsanzahl: 19999")));
    }

    void schliessen_data() {
        QTest::addColumn<bool>("geaendert");
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<bool>("offen");
        QTest::newRow("unveraendert") << false << Antwort::OK << false;
        QTest::newRow("nein") << true << Antwort::Nein << false;
        QTest::newRow("abbrechen") << true << Antwort::Abbrechen << true;
        // Without a save command nothing gets saved, so the window stays.
        QTest::newRow("ja") << true << Antwort::Ja << true;
    }
    void schliessen() {
        QFETCH(bool, geaendert);
        QFETCH(Antwort, antwort);
        QFETCH(bool, offen);
        TFensterTest t;
        QVERIFY(t.Zeigen());
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        if (geaendert) t.Fenster->Dokument.Melden({});
        t.Meldung.Antworten = {antwort};
        t.Fenster->Ende1->trigger();
        QCOMPARE(t.Fenster->isVisible(), offen);
        if (!geaendert) {
            QVERIFY(t.Meldung.Protokoll.isEmpty());
            return;
        }
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Text,
                 QString::fromUtf8(
                     "Änderungen am Projekt sind noch nicht auf dem Standardlaufwerk gespeichert.\r\r"
                     "Möchten jetzt speichern?"));
        QCOMPARE(t.Meldung.Protokoll[0].Titel, QString::fromUtf8("Rückfrage zur Sicherung Ihrer Daten:"));
        QCOMPARE(t.Meldung.Protokoll[0].Knopfsatz, Knoepfe::JaNeinAbbrechen);
        QCOMPARE(t.Meldung.Protokoll[0].Vorgabe, Antwort::Ja);
    }

    // At the end the window keeps the teachers' double-click option and deletes the backups.
    void beendenRaeumtAuf() {
        TFensterTest t;
        QVERIFY(t.Zeigen());
        QFile sicherung(t.Ordner.filePath("Schule.pd~"));
        QVERIFY(sicherung.open(QIODevice::WriteOnly));
        sicherung.close();
        QTest::mouseClick(t.Fenster->Gespraechpanel->ChBxLDBL, Qt::LeftButton);
        QCOMPARE(t.Fenster->Gespraechpanel->ChBxLDBL->text(), "Lehrerdoppelklick ist aktiviert");
        t.Fenster.reset();
        QVERIFY(!QFile::exists(t.Ordner.filePath("Schule.pd~")));
        QVERIFY(ProgrammwerteLesen(t.Speicher, {}).DblClickLehrer);
        TFensterTest wieder;
        QVERIFY(!wieder.Fenster->Gespraechpanel->ChBxLDBL->isChecked());
    }

    void hilfe() {
        TFensterTest t;
        t.Fenster->Inhalt1->trigger();
        t.Fenster->NeuindieserVersion1->trigger();
        QCOMPARE(t.Meldung.Protokoll.size(), 2);
        QCOMPARE(t.Meldung.Protokoll[0].Text, "Das Handbuch von VEL ist nicht installiert.");
        QCOMPARE(t.Meldung.Protokoll[1].Text,
                 "Die Seite " + t.Ordner.filePath("version.htm") + " ist nicht installiert.");

        QFile datei(t.Ordner.filePath("version.htm"));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.close();
        TOeffner oeffner;
        QDesktopServices::setUrlHandler("file", &oeffner, "oeffnen");
        t.Fenster->NeuindieserVersion1->trigger();
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(oeffner.Geoeffnet, QList<QUrl>{QUrl::fromLocalFile(t.Ordner.filePath("version.htm"))});
        QCOMPARE(t.Meldung.Protokoll.size(), 2);
    }

    void info() {
        TFensterTest t;
        QString version;
        ImDialog([&](QWidget* dialog) {
            auto* info = qobject_cast<TVelInfo*>(dialog);
            QVERIFY(info);
            version = info->Version->text();
            QTest::mouseClick(info->OkBtn, Qt::LeftButton);
        });
        t.Fenster->Info1->trigger();
        QVERIFY(version.startsWith("VEL-Version "));
        QVERIFY(version.size() > 12);
    }

    void zeitrahmenBefehl() {
        TFensterTest t;
        QVERIFY(t.Zeigen());
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        // Cancelled: nothing changes.
        ImDialog([](QWidget* dialog) {
            QTest::mouseClick(qobject_cast<TZeitRahmenDlg*>(dialog)->CancBtn, Qt::LeftButton);
        });
        t.Fenster->ZeitRa1->trigger();
        QVERIFY(!t.Fenster->Dokument.IstGeaendert());
        QVERIFY(!RahmenVorgabeLesen(t.Speicher));

        ImDialog([](QWidget* dialog) {
            auto* rahmen = qobject_cast<TZeitRahmenDlg*>(dialog);
            QTest::keyClick(rahmen->DatePick1, Qt::Key_Up);
            QTest::mouseClick(rahmen->OkBtn, Qt::LeftButton);
        });
        t.Fenster->ZeitRa1->trigger();
        QVERIFY(t.Fenster->Dokument.IstGeaendert());
        QVERIFY(t.Fenster->Dokument.IstSicherungFaellig());
        QVERIFY(!t.Fenster->Dokument.Beschaeftigt());
        QCOMPARE(t.Fenster->Panels[3]->text(),
                 QString::fromUtf8("Elternsprechtag am Dienstag, 2. März 2027"));
        const auto vorgabe = RahmenVorgabeLesen(t.Speicher);
        QVERIFY(vorgabe);
        QCOMPARE(vorgabe->Abstand, 15);
        QCOMPARE(vorgabe->Zeiten[5], "17:15");
    }

    // Filling the family list of a large project; the figures go to the test log.
    void fuellenGrosserProjekte() {
        TFensterTest t;
        auto projekt = std::make_unique<TProjekt>();
        ProjektErzeugen(*projekt, GroesseXL());
        QElapsedTimer uhr;
        uhr.start();
        t.Fenster->ProjektErsetzen(std::move(projekt));
        const qint64 ersetzen = uhr.nsecsElapsed();
        uhr.restart();
        t.Fenster->Familienpanel->Waehlen(t.Fenster->Projekt()->Elternliste[1500]);
        const qint64 fuellen = uhr.nsecsElapsed();
        QCOMPARE(t.Fenster->Familienpanel->LVEltern->model()->rowCount(), 3000);
        QCOMPARE(t.Fenster->Eingabe->AktuelleFamilie(), t.Fenster->Projekt()->Elternliste[1500]);
        qInfo("3000 Familien: Projekt einsetzen %.1f ms, Familie waehlen %.2f ms", ersetzen / 1e6,
              fuellen / 1e6);
    }
};

VEL_TEST(TstMainForm)
#include "tst_MainForm.moc"
