#include "Eingabetest.h"
#include "FensterTest.h"
#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "model/Logo.h"
#include "output/ui/FLayout.h"
#include "output/ui/FListenFormat.h"
#include "output/ui/FPreview.h"
#include "output/ui/LayoutAnmerkungen.h"
#include "output/ui/LayoutFormat.h"
#include "output/ui/LayoutInhalt.h"
#include "output/ui/LayoutLogo.h"
#include "output/ui/LayoutSchrift.h"
#include "output/ui/LayoutTabulatoren.h"
#include "output/ui/LayoutTexte.h"
#include "output/ui/Schriftliste.h"
#include "output/ui/VorschauBefehle.h"
#include "output/ui/Vorschaublatt.h"
#include "settings/Codeoption.h"
#include "settings/Einstellungen.h"
#include "ui/Rollflaeche.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

// The layout dialog on a layout of its own, shown as the program shows it.
struct TLayoutTest {
    TListenlayout Layout;
    TSkriptMeldung Meldung;
    TSkriptDateiwahl Dateiwahl;
    TLayoutUmfeld Umfeld;
    std::unique_ptr<TFLayout> D;

    explicit TLayoutTest(bool zweiTage = false) {
        Umfeld.ZweiTage = zweiTage;
        Umfeld.Heute = QDate(2027, 3, 1);
    }
    TFLayout& Oeffnen(TFLayout::TSeite seite = TFLayout::Inhalt) {
        D = std::make_unique<TFLayout>(Layout, Umfeld, Meldung, Dateiwahl);
        D->SeiteZeigen(seite);
        D->show();
        return *D;
    }
    // Chooses a tab stop by its purpose and types a new position.
    void TabTippen(const QString& zweck, const QString& wert, bool lehrer = true) {
        QTreeWidget* liste = lehrer ? D->SeiteTabulatoren->LVLeh : D->SeiteTabulatoren->LVElt;
        const QList<QTreeWidgetItem*> zeilen = liste->findItems(zweck, Qt::MatchExactly);
        QVERIFY2(!zeilen.isEmpty(), qPrintable(zweck));
        liste->setCurrentItem(zeilen.front());
        QLineEdit* feld = D->SeiteTabulatoren->EdTAB;
        feld->setFocus();
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Backspace);
        QTest::keyClicks(feld, wert);
    }
    void RandTippen(int seite, const QString& wert) {
        D->SeiteFormat->LVRand->setCurrentItem(D->SeiteFormat->LVRand->topLevelItem(seite));
        QLineEdit* feld = D->SeiteFormat->Erand;
        feld->setFocus();
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Backspace);
        QTest::keyClicks(feld, wert);
    }
    QStringList Zwecke() const {
        QStringList zwecke;
        for (int i = 0; i < D->SeiteTabulatoren->LVLeh->topLevelItemCount(); ++i)
            zwecke << D->SeiteTabulatoren->LVLeh->topLevelItem(i)->text(0);
        return zwecke;
    }
};

// VEL_BILD_ORDNER=dir keeps a picture of every page for a look at them.
void Bild(QWidget& fenster, const QString& name) {
    const QString ordner = qEnvironmentVariable("VEL_BILD_ORDNER");
    if (ordner.isEmpty()) return;
    fenster.grab().save(QDir(ordner).filePath(name + QStringLiteral(".png")));
}

// The windows as they stand on the screen, the later ones above.
void Bildschirm(const QList<QWidget*>& fenster, const QString& name) {
    const QString ordner = qEnvironmentVariable("VEL_BILD_ORDNER");
    if (ordner.isEmpty() || fenster.isEmpty()) return;
    QImage bild(fenster.front()->screen()->geometry().size(), QImage::Format_RGB32);
    bild.fill(Qt::darkGray);
    QPainter maler(&bild);
    for (QWidget* f : fenster)
        maler.drawPixmap(f->geometry().topLeft(), f->grab());
    maler.end();
    bild.save(QDir(ordner).filePath(name + QStringLiteral(".png")));
}

QString Png(const QTemporaryDir& ordner, const QString& name) {
    const QString pfad = ordner.filePath(name);
    QImage bild(60, 20, QImage::Format_RGB32);
    bild.fill(Qt::darkBlue);
    bild.save(pfad, "PNG");
    return pfad;
}

// The layout dialog beside the preview: the command runs it to its end, so a test works it from a timer,
// collecting what it finds instead of failing halfway with the dialog still open.
struct TNebenVorschau {
    TFensterTest t;
    QStringList Fehler;

    explicit TNebenVorschau(std::unique_ptr<TProjekt> projekt = KleinesProjekt()) {
        t.Fenster->ProjektErsetzen(std::move(projekt));
        t.Zeigen();
    }
    TFPreview* Vorschau() { return t.Fenster->Gruppen.Vorschau->Vorschau(); }
    static TFLayout* Dialog() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<TFLayout*>(w); d && d->isVisible()) return d;
        return nullptr;
    }
    void Pruefe(bool gut, const char* was) {
        if (!gut) Fehler << QString::fromUtf8(was);
    }
    // Opens the dialog by the command and runs schritte with it; the dialog is cancelled if they leave
    // it open.
    void Ablauf(QAction* befehl, const std::function<void(TFLayout&, TFPreview&)>& schritte) {
        QTimer::singleShot(20, [this, schritte] {
            TFLayout* d = Dialog();
            TFPreview* v = Vorschau();
            if (!d || !v) {
                Fehler << QStringLiteral("Dialog oder Vorschau fehlt");
                if (d) d->reject();
                return;
            }
            Pruefe(v->isVisible() && v->Layoutmodus(), "Vorschau im Layoutmodus");
            Pruefe(!t.Fenster->isVisible(), "Hauptfenster verborgen");
            schritte(*d, *v);
            if (d->isVisible()) d->reject();
        });
        befehl->trigger();
        Pruefe(!Vorschau() || !Vorschau()->isVisible(), "Vorschau geschlossen");
        Pruefe(t.Fenster->isVisible(), "Hauptfenster wieder da");
    }
};

} // namespace

class TstLayoutdialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every page shows and fits; with VEL_BILD_ORDNER their pictures are kept.
    void seiten() {
        TLayoutTest t(true);
        QTemporaryDir ordner;
        QVERIFY(LogoLaden(t.Layout, Png(ordner, QStringLiteral("logo.png"))) == TLogoFehler::Keiner);
        TFLayout& d = t.Oeffnen();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.windowTitle(), QString::fromUtf8("VEL: Layout für Gesprächslisten"));
        for (int i = 0; i < d.Seiten->count(); ++i) {
            d.Seiten->setCurrentIndex(i);
            QCOMPARE(d.Seiten->currentIndex(), i);
            QVERIFY(d.Seiten->currentWidget()->isVisible());
            Bild(d, QStringLiteral("layout-%1").arg(i));
        }
        QVERIFY(d.SeiteInhalt->CBumbE->isVisibleTo(d.SeiteInhalt));
        QVERIFY(d.SeiteSchrift->LBSchrift->count() > 0);
        QVERIFY(!d.SeiteSchrift->LBSchrift->findItems(QStringLiteral("Times New Roman"), Qt::MatchExactly)
                     .isEmpty());
        QCOMPARE(d.SeiteSchrift->LBSchrift->Gewaehlt(), QStringLiteral("Times New Roman"));
        QCOMPARE(d.SeiteSchrift->LBGroesse->currentItem()->text(), QStringLiteral("12"));

        TFListenFormat format(ListenFormat(t.Layout), true);
        format.show();
        QVERIFY(QTest::qWaitForWindowExposed(&format));
        Bild(format, QStringLiteral("listenformat"));
    }

    // The per-day choices exist only for two days.
    void einTag() {
        TLayoutTest t(false);
        TFLayout& d = t.Oeffnen();
        QVERIFY(!d.SeiteInhalt->CBumbE->isVisibleTo(d.SeiteInhalt));
        QVERIFY(!d.SeiteInhalt->CBumbL->isVisibleTo(d.SeiteInhalt));
    }

    // The families' and the teachers' settings stand side by side in a wide dialog and one above the
    // other in a narrow one, which then scrolls only up and down; widened again, they return.
    void inhaltUntereinander() {
        TLayoutTest t(true);
        TFLayout& d = t.Oeffnen();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const TLayoutInhalt* seite = d.SeiteInhalt;
        const auto ort = [seite](const QWidget* w) { return w->mapTo(seite, QPoint(0, 0)); };
        const auto nebeneinander = [&] {
            return ort(seite->LehLeer[0]).y() == ort(seite->EltLeer[0]).y() &&
                   ort(seite->LehLeer[0]).x() > ort(seite->CBQrCodeE).x() + seite->CBQrCodeE->width();
        };
        const auto untereinander = [&] {
            return ort(seite->LehLeer[0]).x() == ort(seite->EltLeer[0]).x() &&
                   ort(seite->LehLeer[0]).y() > ort(seite->CBQrCodeE).y() + seite->CBQrCodeE->height();
        };
        const QScrollBar* seitwaerts = d.findChild<TRollflaeche*>()->horizontalScrollBar();
        for (const int breite : {900, 620, 900}) {
            d.resize(breite, 500);
            if (breite > 800)
                QTRY_VERIFY(nebeneinander());
            else
                QTRY_VERIFY(untereinander());
            QTRY_VERIFY(!seitwaerts->isVisible());
            for (const QWidget* w : seite->findChildren<QAbstractButton*>())
                QVERIFY2(!w->isVisible() || ort(w).x() + w->width() <= seite->width(),
                         qPrintable(w->objectName()));
        }
    }

    // Every control change goes to the layout at once, enables "Übernehmen" and names the lists it
    // concerns; closing without taking it over puts everything back.
    void aenderungenUndAbbrechen() {
        TLayoutTest t(true);
        TFLayout& d = t.Oeffnen();
        QSignalSpy geaendert(&d, &TFLayout::ArbeitskopieGeaendert);
        QVERIFY(!d.BtnUebernehmen->isEnabled());
        d.SeiteInhalt->EltLeer[2]->click();
        QCOMPARE(t.Layout.Eltern_Leerzeilen, 0);
        QCOMPARE(geaendert.takeLast().at(0).value<TListenArt>(), TListenArt::Eltern);
        QVERIFY(d.BtnUebernehmen->isEnabled());
        d.SeiteInhalt->CBpauseDruck->click();
        QVERIFY(!t.Layout.PauseDrucken);
        QCOMPARE(geaendert.takeLast().at(0).value<TListenArt>(), TListenArt::Lehrer);
        d.SeiteZeigen(TFLayout::Titel);
        Tippen(d.SeiteTitel->EdTitel, QStringLiteral(" Süd"));
        QCOMPARE(t.Layout.Titel, QString::fromUtf8("Elternsprechtag Süd"));
        QCOMPARE(geaendert.takeLast().at(0).value<TListenArt>(), TListenArt::Beide);
        d.SeiteZeigen(TFLayout::Anmerkungen);
        d.SeiteAnmerkungen->KnoepfeE[int(TAnmerkungsschritt::EigeneRunter)]->click();
        QCOMPARE(t.Layout.NachrPosE, 3);
        QCOMPARE(d.SeiteAnmerkungen->BildE->Code(), 3);
        // From code 3 the individual annotation cannot go further down, nor the general one up.
        QVERIFY(!d.SeiteAnmerkungen->KnoepfeE[int(TAnmerkungsschritt::EigeneRunter)]->isEnabled());
        QVERIFY(!d.SeiteAnmerkungen->KnoepfeE[int(TAnmerkungsschritt::AllgemeinHoch)]->isEnabled());
        QVERIFY(d.SeiteAnmerkungen->KnoepfeE[int(TAnmerkungsschritt::AllgemeinRunter)]->isEnabled());
        d.SeiteZeigen(TFLayout::Schrift);
        QListWidget* groesse = d.SeiteSchrift->LBGroesse;
        groesse->setCurrentRow(6);
        QCOMPARE(t.Layout.Schriftgroesse, 14);
        d.SeiteSchrift->BtnStandard->click();
        QCOMPARE(t.Layout.Schriftgroesse, 12);

        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QVERIFY(LayoutGleich(t.Layout, TListenlayout()));
        QCOMPARE(t.Layout.Titel, QStringLiteral("Elternsprechtag"));
    }

    // The teachers' tab list follows the settings of what they print.
    void tabulatorlisteFolgtDemInhalt() {
        TLayoutTest t;
        TFLayout& d = t.Oeffnen(TFLayout::Tabulatoren);
        QCOMPARE(t.Zwecke().size(), 7);
        d.SeiteInhalt->ChBNrDruck->click();
        d.SeiteInhalt->Telefon[2]->click();
        QCOMPARE(t.Zwecke().size(), 10);
        QVERIFY(t.Zwecke().contains(QStringLiteral("Telefon")));
        // A click on the label toggles the box as well.
        QTest::mouseClick(d.SeiteInhalt->LNrDruck, Qt::LeftButton);
        QVERIFY(!d.SeiteInhalt->ChBNrDruck->isChecked());
        QCOMPARE(t.Zwecke().size(), 8);
    }

    void telefonhinweise_data() {
        QTest::addColumn<bool>("zweiTage");
        QTest::addColumn<int>("wahl");
        QTest::addColumn<QString>("hinweis");
        QTest::newRow("nicht terminiert")
            << false << 1
            << QString::fromUtf8("Sie können über den Menüpunkt BEARBEITEN/ELTERNTELEFONNUMMER\r");
        QTest::newRow("immer, ein Tag") << false << 2 << QString();
        QTest::newRow("immer, zwei Tage")
            << true << 2 << QString::fromUtf8("Wenn Sie bei allen Gesprächen die Telefonnummer angeben,\r");
    }
    void telefonhinweise() {
        QFETCH(bool, zweiTage);
        QFETCH(int, wahl);
        QFETCH(QString, hinweis);
        TLayoutTest t(zweiTage);
        TFLayout& d = t.Oeffnen();
        d.SeiteInhalt->Telefon[static_cast<size_t>(wahl)]->click();
        QCOMPARE(t.Meldung.Protokoll.size(), hinweis.isEmpty() ? 0 : 1);
        if (!hinweis.isEmpty()) {
            QVERIFY(t.Meldung.Protokoll.front().Text.startsWith(hinweis));
            QCOMPARE(t.Meldung.Protokoll.front().Titel, QStringLiteral("Wichtiger Hinweis"));
        }
        QCOMPARE(Telefonwahl(t.Layout), TTelefonwahl(wahl));
    }

    // A typed position is applied by the button, refused with the message where it is off the paper;
    // letters cannot be typed, Escape gives the typed value up and leaves the dialog open.
    void tabulatorEingeben() {
        TLayoutTest t;
        TFLayout& d = t.Oeffnen(TFLayout::Tabulatoren);
        QSignalSpy geaendert(&d, &TFLayout::ArbeitskopieGeaendert);
        t.TabTippen(QStringLiteral("Kind"), QStringLiteral("9x,5"));
        QCOMPARE(d.SeiteTabulatoren->EdTAB->text(), QStringLiteral("9,5"));
        QVERIFY(d.SeiteTabulatoren->BtnTab->isEnabled());
        d.SeiteTabulatoren->BtnTab->click();
        QCOMPARE(t.Layout.Tabulatoren[10], 950);
        QCOMPARE(geaendert.takeLast().at(0).value<TListenArt>(), TListenArt::Lehrer);
        QVERIFY(!d.SeiteTabulatoren->BtnTab->isEnabled());

        t.TabTippen(QStringLiteral("Zeit"), QStringLiteral("30"), false);
        d.SeiteTabulatoren->BtnTab->click();
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll.front().Text,
                 QString::fromUtf8("Die Position 30,00 liegt nicht im sichtbaren Bereich."));
        QCOMPARE(t.Meldung.Protokoll.front().Titel, QString::fromUtf8("Ungültige Eingabe"));
        QCOMPARE(t.Layout.Tabulatoren[1], 189);

        QTest::keyClick(d.SeiteTabulatoren->EdTAB, Qt::Key_Escape);
        QVERIFY(d.isVisible());
        QCOMPARE(d.SeiteTabulatoren->EdTAB->text(), QStringLiteral("1,89"));
    }

    // Enter in a field (OK while it has the focus) applies that value and keeps the dialog open.
    void okImFeld() {
        TLayoutTest t;
        TFLayout& d = t.Oeffnen(TFLayout::Format);
        t.RandTippen(0, QStringLiteral("3"));
        QTest::keyClick(d.SeiteFormat->Erand, Qt::Key_Return);
        QVERIFY(d.isVisible());
        QCOMPARE(t.Layout.Seitenraender.Links, 3.0);
        QCOMPARE(d.SeiteFormat->LVRand->topLevelItem(0)->text(1), QStringLiteral("3,000"));
        QCOMPARE(d.SeiteFormat->BtnRand->text(), QString::fromUtf8("Rand links ändern"));
        t.RandTippen(1, QStringLiteral("19"));
        QCOMPARE(d.SeiteFormat->BtnRand->text(), QString::fromUtf8("Rand oben ändern"));
        d.SeiteFormat->BtnRand->click();
        QCOMPARE(t.Layout.Seitenraender.Oben, 19.0);
        t.RandTippen(0, QStringLiteral("19"));
        d.SeiteFormat->BtnRand->click();
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll.front().Text,
                 QString::fromUtf8("Der Rand 19,00 liegt nicht im sichtbaren Bereich."));
        QCOMPARE(t.Layout.Seitenraender.Links, 3.0);
    }

    void offeneTabAenderung_data() {
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<int>("seite");
        QTest::addColumn<int>("tab");
        QTest::newRow("ja") << Antwort::Ja << int(TFLayout::Titel) << 500;
        QTest::newRow("nein") << Antwort::Nein << int(TFLayout::Titel) << 189;
        QTest::newRow("abbrechen") << Antwort::Abbrechen << int(TFLayout::Tabulatoren) << 189;
    }
    // Leaving the tab page with a typed position asks whether to apply it.
    void offeneTabAenderung() {
        QFETCH(Antwort, antwort);
        QFETCH(int, seite);
        QFETCH(int, tab);
        TLayoutTest t;
        TFLayout& d = t.Oeffnen(TFLayout::Tabulatoren);
        t.TabTippen(QStringLiteral("Zeit"), QStringLiteral("5"), false);
        t.Meldung.Antworten = {antwort};
        d.SeiteZeigen(TFLayout::Titel);
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll.front().Text,
                 QString::fromUtf8("Möchten Sie die vorbereitete Tab-Änderung in die Liste übernehmen?"));
        QCOMPARE(t.Meldung.Protokoll.front().Titel, QString::fromUtf8("Tabulator ändern?"));
        QCOMPARE(t.Meldung.Protokoll.front().Knopfsatz, Knoepfe::JaNeinAbbrechen);
        QCOMPARE(d.Seiten->currentIndex(), seite);
        QCOMPARE(t.Layout.Tabulatoren[1], tab);
    }

    void offeneRandAenderung_data() {
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<double>("rand");
        QTest::newRow("ja") << Antwort::Ja << 2.5;
        QTest::newRow("nein") << Antwort::Nein << 2.2;
    }
    // "Übernehmen" asks for the pending margin with "auch" and takes the answer over with the rest.
    void offeneRandAenderung() {
        QFETCH(Antwort, antwort);
        QFETCH(double, rand);
        TLayoutTest t;
        TFLayout& d = t.Oeffnen(TFLayout::Format);
        QSignalSpy uebernommen(&d, &TFLayout::Uebernommen);
        d.SeiteFormat->Orientierung[1]->click();
        t.RandTippen(0, QStringLiteral("2,5"));
        t.Meldung.Antworten = {antwort};
        d.BtnUebernehmen->click();
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll.front().Text,
                 QString::fromUtf8("Möchten Sie auch die vorbereitete Rand-Änderung übernehmen?"));
        QCOMPARE(t.Meldung.Protokoll.front().Titel, QString::fromUtf8("Rand ändern?"));
        QCOMPARE(t.Layout.Seitenraender.Links, rand);
        QCOMPARE(uebernommen.size(), 1);
        QCOMPARE(uebernommen.front().at(0).toBool(), true);
        QVERIFY(!d.BtnUebernehmen->isEnabled());
        // Taken over: cancelling now keeps it.
        d.reject();
        QCOMPARE(t.Layout.Seitenraender.Links, rand);
        QCOMPARE(t.Layout.Ausrichtung, 1);
    }

    void tabulatorenAusserhalb_data() {
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("uebernommen");
        QTest::newRow("anpassen") << Antwort::Ja << 1177 << true;
        QTest::newRow("nicht anpassen") << Antwort::Nein << 1600 << false;
    }
    // A wider margin that pushes tab stops off the paper offers to move them onto it, and shows them.
    void tabulatorenAusserhalb() {
        QFETCH(Antwort, antwort);
        QFETCH(int, tab);
        QFETCH(bool, uebernommen);
        TLayoutTest t;
        TFLayout& d = t.Oeffnen(TFLayout::Format);
        QSignalSpy gemeldet(&d, &TFLayout::Uebernommen);
        t.RandTippen(0, QStringLiteral("9,1"));
        d.SeiteFormat->BtnRand->click();
        t.Meldung.Antworten = {antwort};
        d.BtnUebernehmen->click();
        QCOMPARE(t.Meldung.Titel(), QStringList{QStringLiteral("Hinweis")});
        QCOMPARE(t.Meldung.Protokoll.front().Text,
                 QString::fromUtf8(
                     "Mindestens eine Tabulatorposition liegt außerhalb des Papiers!\rMöchten Sie diese "
                     "Tabulatoren automatisch anpassen?"));
        QCOMPARE(d.Seiten->currentIndex(), int(TFLayout::Tabulatoren));
        QCOMPARE(t.Layout.Tabulatoren[12], tab); // 21.02 - 0.15 - 9.1 = 11.77
        QCOMPARE(gemeldet.size(), uebernommen ? 1 : 0);
        QCOMPARE(d.BtnUebernehmen->isEnabled(), !uebernommen);
    }

    // A picture Qt cannot read leaves the logo; a readable one is shown and printed.
    void logo() {
        TLayoutTest t;
        QTemporaryDir ordner;
        const QString wmf = ordner.filePath(QStringLiteral("logo.wmf"));
        QFile f(wmf);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x01\x00\x09\x00", 4) + QByteArray(40, '\0'));
        f.close();
        const QString png = Png(ordner, QStringLiteral("logo.png"));
        TFLayout& d = t.Oeffnen(TFLayout::Logo);
        QVERIFY(!d.SeiteLogo->ChHasName->isEnabled());
        t.Dateiwahl.Antworten = {wmf, png};
        d.SeiteLogo->BtnOeffnen->click();
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QVERIFY(t.Meldung.Protokoll.front().Text.contains(QStringLiteral("EMF oder WMF")));
        QVERIFY(!t.Layout.MitLogo);
        QVERIFY(!d.BtnUebernehmen->isEnabled());
        d.SeiteLogo->BtnOeffnen->click();
        QVERIFY(t.Layout.MitLogo);
        QCOMPARE(t.Layout.LogoDatei, png);
        QVERIFY(d.SeiteLogo->ChHasName->isEnabled());
        d.SeiteLogo->ChHasName->click();
        QVERIFY(t.Layout.SchulnameAusblenden);
        d.SeiteLogo->BtnVerwerfen->click();
        QVERIFY(!t.Layout.MitLogo && !t.Layout.SchulnameAusblenden && t.Layout.Logo.isNull());
        QVERIFY(!d.SeiteLogo->ChHasName->isEnabled());
    }

    // Through the menu: cancelling after a new title keeps the old one; the last teachers' tab stop
    // changed and OK keeps it and marks the project changed; the defaults go to the store when asked.
    void ueberDasMenue() {
        TFensterTest t;
        auto projekt = KleinesProjekt();
        projekt->Listenlayout.MitNummer = 3;
        t.Fenster->ProjektErsetzen(std::move(projekt));
        QVERIFY(t.Zeigen());
        TListenlayout& l = t.Fenster->Projekt()->Listenlayout;
        QVERIFY(t.Fenster->LayoutOpt1->isEnabled());
        {
            TDialogFolge folge({[](QDialog& d) {
                auto& dlg = Als<TFLayout>(d);
                QCOMPARE(dlg.Seiten->currentIndex(), int(TFLayout::Inhalt));
                dlg.SeiteZeigen(TFLayout::Titel);
                Tippen(dlg.SeiteTitel->EdTitel, QStringLiteral("X"));
                dlg.CancBtn->click();
            }});
            t.Fenster->LayoutOpt1->trigger();
            QCOMPARE(folge.Offen(), 0);
        }
        QCOMPARE(l.Titel, QStringLiteral("Elternsprechtag"));
        QVERIFY(!t.Fenster->Dokument.IstGeaendert());
        {
            TDialogFolge folge({[](QDialog& d) {
                auto& dlg = Als<TFLayout>(d);
                QCOMPARE(dlg.Seiten->currentIndex(), int(TFLayout::Tabulatoren));
                QTreeWidget* liste = dlg.SeiteTabulatoren->LVLeh;
                liste->setCurrentItem(liste->topLevelItem(liste->topLevelItemCount() - 1));
                QCOMPARE(liste->currentItem()->text(0), QStringLiteral("nt* Eingabe-Nr."));
                dlg.SeiteTabulatoren->EdTAB->setText(QStringLiteral("17"));
                dlg.SeiteTabulatoren->BtnTab->click();
                dlg.cbRegistry->setChecked(true);
                dlg.OkBtn->click();
            }});
            t.Fenster->Layout1->trigger();
            QCOMPARE(folge.Offen(), 0);
        }
        QCOMPARE(l.Tabulatoren[16], 1700);
        QVERIFY(t.Fenster->Dokument.IstGeaendert());
        TListenlayout vorgabe;
        LayoutAusRegistry(t.Speicher, vorgabe);
        QCOMPARE(vorgabe.Tabulatoren[16], 1700);
    }

    // Beside the preview every change is drawn at once, a change of the other kind's lists turns the
    // preview to them, "Übernehmen" keeps the preview open, and OK closes both.
    void nebenDerVorschau() {
        TNebenVorschau n;
        TListenlayout& l = n.t.Fenster->Projekt()->Listenlayout;
        n.Ablauf(n.t.Fenster->LayoutOpt1, [&n](TFLayout& d, TFPreview& v) {
            v.ArtSetzen(true);
            // The family's teachers move with their tab stop.
            const QImage familie = v.Blatt->grab().toImage();
            d.SeiteZeigen(TFLayout::Tabulatoren);
            QTreeWidget* liste = d.SeiteTabulatoren->LVElt;
            liste->setCurrentItem(liste->findItems(QStringLiteral("Lehrkraft"), Qt::MatchExactly).value(0));
            d.SeiteTabulatoren->EdTAB->setText(QStringLiteral("6"));
            d.SeiteTabulatoren->BtnTab->click();
            n.Pruefe(v.FuerEltern() && v.Blatt->grab().toImage() != familie, "Familienliste neu gezeichnet");
            d.SeiteZeigen(TFLayout::Inhalt);
            d.SeiteInhalt->LehLeer[2]->click();
            n.Pruefe(!v.FuerEltern(), "zu den Lehrerlisten gewechselt");
            const QImage vorher = v.Blatt->grab().toImage();
            d.SeiteZeigen(TFLayout::Titel);
            d.SeiteTitel->EdTitel->setText(QStringLiteral("Sprechtag"));
            n.Pruefe(v.Blatt->grab().toImage() != vorher, "Titel neu gezeichnet");
            n.Pruefe(!v.FuerEltern(), "Titel betrifft beide Listen");
            Bildschirm({&v, &d}, QStringLiteral("vorschau-neben-layout"));
            d.BtnUebernehmen->click();
            n.Pruefe(n.t.Fenster->Dokument.IstGeaendert(), "Projekt geändert");
            n.Pruefe(v.isVisible() && d.isVisible(), "nach Übernehmen offen");
            d.OkBtn->click();
            n.Pruefe(!d.isVisible(), "OK schließt");
        });
        QVERIFY2(n.Fehler.isEmpty(), qPrintable(n.Fehler.join(QStringLiteral(", "))));
        QCOMPARE(l.Titel, QStringLiteral("Sprechtag"));
        QCOMPARE(l.Tabulatoren[2], 600);
        QCOMPARE(l.Lehrer_Leerzeilen, 0);
    }

    // Closing the preview asks the dialog to close: nothing not taken over stays.
    void vorschauSchliessenVerwirft() {
        TNebenVorschau n;
        TListenlayout& l = n.t.Fenster->Projekt()->Listenlayout;
        n.Ablauf(n.t.Fenster->Layout1, [&n](TFLayout& d, TFPreview& v) {
            n.Pruefe(d.Seiten->currentIndex() == TFLayout::Tabulatoren, "Tabulatorseite");
            d.SeiteZeigen(TFLayout::Titel);
            d.SeiteTitel->EdTitel->setText(QStringLiteral("Anders"));
            // The preview takes the click while the dialog is open.
            QTest::mouseClick(v.BtnBeenden, Qt::LeftButton);
            n.Pruefe(!d.isVisible(), "Dialog mit der Vorschau geschlossen");
        });
        QVERIFY2(n.Fehler.isEmpty(), qPrintable(n.Fehler.join(QStringLiteral(", "))));
        QCOMPARE(l.Titel, QStringLiteral("Elternsprechtag"));
        QVERIFY(!n.t.Fenster->Dokument.IstGeaendert());
    }

    // A typed tab stop not yet applied: OK asks, takes it over with the rest and closes both windows.
    void vorschauOffeneEingabe() {
        TNebenVorschau n;
        TListenlayout& l = n.t.Fenster->Projekt()->Listenlayout;
        n.t.Meldung.Antworten = {Antwort::Ja};
        n.Ablauf(n.t.Fenster->Layout1, [&n](TFLayout& d, TFPreview&) {
            QTreeWidget* liste = d.SeiteTabulatoren->LVLeh;
            liste->setCurrentItem(liste->topLevelItem(1));
            d.SeiteTabulatoren->EdTAB->setText(QStringLiteral("2,5"));
            d.cbRegistry->setFocus();
            d.OkBtn->click();
            n.Pruefe(!d.isVisible(), "OK schließt den Dialog");
        });
        QVERIFY2(n.Fehler.isEmpty(), qPrintable(n.Fehler.join(QStringLiteral(", "))));
        QCOMPARE(n.t.Meldung.Titel(), QStringList{QString::fromUtf8("Tabulator ändern?")});
        QCOMPARE(n.t.Meldung.Protokoll.front().Text,
                 QString::fromUtf8("Möchten Sie die vorbereitete Tab-Änderung in die Liste übernehmen?"));
        QCOMPARE(l.Tabulatoren[8], 250);
        QVERIFY(n.t.Fenster->Dokument.IstGeaendert());
    }

    // The families' code: a click switches it in the dialog and concerns the families' lists; "Übernehmen"
    // and OK put it into the store, where it holds for every project, a cancel returns to what was last
    // taken over. The project file's layout stays untouched.
    void terminecode_data() {
        QTest::addColumn<bool>("vorher");
        QTest::addColumn<bool>("uebernehmen"); // "Übernehmen", then a second click
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("danach");
        QTest::newRow("OK") << false << false << true << true;
        QTest::newRow("Abbrechen") << false << false << false << false;
        QTest::newRow("Übernehmen, Abbrechen") << false << true << false << true;
        QTest::newRow("aus, OK") << true << false << true << false;
    }
    void terminecode() {
        QFETCH(bool, vorher);
        QFETCH(bool, uebernehmen);
        QFETCH(bool, ok);
        QFETCH(bool, danach);
        TFensterTest t;
        if (vorher) TerminecodeSchreiben(t.Speicher, true);
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TDialogFolge folge({[&](QDialog& d) {
            auto& dlg = Als<TFLayout>(d);
            QCheckBox* box = dlg.SeiteInhalt->CBQrCodeE;
            QCOMPARE(box->text(), QString::fromUtf8("QR-Code mit den Terminen drucken (für alle Projekte)"));
            QCOMPARE(box->isChecked(), vorher);
            QSignalSpy geaendert(&dlg, &TFLayout::ArbeitskopieGeaendert);
            QSignalSpy uebernommen(&dlg, &TFLayout::Uebernommen);
            box->click();
            QCOMPARE(dlg.Terminecode(), !vorher);
            QCOMPARE(geaendert.takeLast().at(0).value<TListenArt>(), TListenArt::Eltern);
            QVERIFY(dlg.BtnUebernehmen->isEnabled());
            if (uebernehmen) {
                dlg.BtnUebernehmen->click();
                QCOMPARE(TerminecodeLesen(t.Speicher), !vorher);
                // Only the code changed: the project's layout is not reported as changed.
                QCOMPARE(uebernommen.takeLast().at(0).toBool(), false);
                box->click();
            }
            (ok ? dlg.OkBtn : dlg.CancBtn)->click();
            QCOMPARE(box->isChecked(), danach);
        }});
        t.Fenster->LayoutOpt1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(TerminecodeLesen(t.Speicher), danach);
        QVERIFY(!t.Fenster->Dokument.IstGeaendert());
    }

    // Beside the preview the code appears and goes at each click, on the families' lists, to which the
    // preview turns.
    void terminecodeNebenDerVorschau() {
        TProjektBauer b;
        b.Rahmen(1, 6);
        b.Wunsch(b.Kind("Maier", "Anna", "5a"), "MUE", 2);
        b.p.ZaehleGespraeche();
        b.p.BelegungMarkieren();
        TNebenVorschau n(b.Abgeben());
        n.Ablauf(n.t.Fenster->LayoutOpt1, [&n](TFLayout& d, TFPreview& v) {
            v.ArtSetzen(true);
            const QImage ohne = v.Blatt->grab().toImage();
            v.ArtSetzen(false);
            d.SeiteInhalt->CBQrCodeE->click();
            n.Pruefe(v.FuerEltern(), "zu den Elternlisten gewechselt");
            const QImage mit = v.Blatt->grab().toImage();
            n.Pruefe(mit != ohne, "Code gezeichnet");
            Bild(*v.Blatt, QStringLiteral("vorschau-terminecode"));
            d.SeiteInhalt->CBQrCodeE->click();
            n.Pruefe(v.Blatt->grab().toImage() == ohne, "Code wieder fort");
            d.SeiteInhalt->CBQrCodeE->click();
            d.CancBtn->click();
        });
        QVERIFY2(n.Fehler.isEmpty(), qPrintable(n.Fehler.join(QStringLiteral(", "))));
        QVERIFY(!TerminecodeLesen(n.t.Speicher));
        QCOMPARE(n.t.Meldung.Protokoll.size(), 0);
    }

    // The other lists' format: OK only with valid margins; what it sets goes to the project and, when
    // asked, to the store.
    void listenformat() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QVERIFY(t.Zeigen());
        TListenlayout& l = t.Fenster->Projekt()->Listenlayout;
        TDialogFolge folge({[](QDialog& d) {
            auto& dlg = Als<TFListenFormat>(d);
            QCOMPARE(dlg.windowTitle(), QString::fromUtf8("Seite einrichten für spezielle Listen"));
            QCOMPARE(dlg.Raender[0]->text(), QStringLiteral("2,200"));
            QVERIFY(!dlg.CBmerken->isChecked());
            dlg.Raender[1]->clear();
            QVERIFY(!dlg.OkBtn->isEnabled());
            QTest::keyClicks(dlg.Raender[1], QStringLiteral("a2,5"));
            QCOMPARE(dlg.Raender[1]->text(), QStringLiteral("2,5"));
            QVERIFY(dlg.OkBtn->isEnabled());
            dlg.Ausrichtung[1]->click();
            dlg.LBSchrift->Waehlen(QStringLiteral("Arial"));
            dlg.LBGroesse->setCurrentRow(2);
            dlg.CBmerken->setChecked(true);
            dlg.OkBtn->click();
        }});
        t.Fenster->SeiteOpt1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(l.ListenRaender[1], 2500);
        QCOMPARE(l.ListenAusrichtung, 1);
        QCOMPARE(l.ListenSchriftart, QStringLiteral("Arial"));
        QCOMPARE(l.ListenSchriftgroesse, 10);
        QVERIFY(t.Fenster->Dokument.IstGeaendert());
        TListenlayout vorgabe;
        LayoutAusRegistry(t.Speicher, vorgabe);
        QCOMPARE(vorgabe.ListenSchriftart, QStringLiteral("Arial"));
        QCOMPARE(vorgabe.ListenRaender[1], 2500);
    }
};

VEL_TEST(TstLayoutdialog)
#include "tst_Layoutdialog.moc"
