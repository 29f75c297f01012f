#include "common/ProjektBauer.h"
#include "common/SkriptMeldung.h"
#include "common/TestHaupt.h"
#include "output/Druckbereich.h"
#include "output/ui/DrBereich.h"
#include "output/ui/DrVorwahl.h"
#include "output/ui/FpdfVW.h"
#include "ui/Dateiwahl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Teachers Berg, Müller, "Sch*tz" (K/1) and Ohne, who has no conversation. Families in the order of
// entry: Müller (Anna 7b), Adler (Carla 5a, Dora 9c), Müller (Ben 7b), Leer (no child), Zorn (Emil 7b,
// no conversation), "Ko:ch/?" (Fritz 10a), Ohneklasse (Gina without class). One day, 01.03.2027.
struct TFall {
    TProjektBauer b;

    explicit TFall(uint8_t sortierung = 0) {
        b.Rahmen(1, 6);
        b.Lehrer("MUE", "Müller");
        b.Lehrer("BER", "Berg");
        b.Lehrer("OHN", "Ohne");
        b.Lehrer("K/1", "Sch*tz");
        b.Wunsch(b.Kind("Müller", "Anna", "7b"), "MUE");
        b.Wunsch(b.Kind("Adler", "Carla", "5a"), "BER");
        b.Wunsch(b.Kind("Adler", "Dora", "9c"), "MUE");
        TEltern* mueller2 = b.p.NeueFamilie(QStringLiteral("Familie"), QStringLiteral("Müller"));
        b.Wunsch(b.p.NeuesKind(mueller2, QStringLiteral("Ben"), QStringLiteral("7b")), "BER");
        b.Familie("Leer");
        b.Kind("Zorn", "Emil", "7b");
        b.Wunsch(b.Kind("Ko:ch/?", "Fritz", "10a"), "K/1");
        b.Wunsch(b.Kind("Ohneklasse", "Gina"), "MUE");
        b.p.Lehrerliste.LehrerSortieren();
        b.p.ListenSortierung = sortierung;
        b.p.ElternSortieren();
    }
    TDruckbereich Bereich(bool eltern, bool proKind = false) const {
        return BereichAufbauen(b.p, eltern, proKind);
    }
};

QStringList Texte(const TDruckbereich& b) {
    QStringList t;
    for (const auto& e : b.Eintraege)
        t << e.Text;
    return t;
}

QStringList Boxtexte(const QComboBox* box) {
    QStringList t;
    for (int i = 0; i < box->count(); ++i)
        t << box->itemText(i);
    return t;
}

TDruckbereich Leereintraege(int anzahl, bool eltern = true) {
    TDruckbereich b;
    b.FuerEltern = eltern;
    b.Eintraege.resize(static_cast<size_t>(anzahl));
    b.AlleWaehlen();
    return b;
}

// Picks an entry of a combo box with the keyboard, as a user does.
void Waehlen(QComboBox* box, int index) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(box, Qt::Key_Down);
}

// Clicks a check box or radio button on its box: its text may end well before the middle of its row.
void Ankreuzen(QAbstractButton* knopf) {
    QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(8, knopf->height() / 2));
}

// Every visible text control is at least as large as it needs to be. With VEL_BILDER set the window is
// also saved there as a picture, to look at it.
void NichtsAbgeschnitten(QWidget* fenster, const QString& name) {
    fenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(fenster));
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!w->isVisible() || !(qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                                 qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w)))
            continue;
        const QSize noetig = w->minimumSizeHint();
        QVERIFY2(w->width() >= noetig.width() && w->height() >= noetig.height(),
                 qPrintable(name + u' ' + w->objectName() + u' ' + w->property("text").toString()));
    }
    const QString ordner = qEnvironmentVariable("VEL_BILDER");
    if (!ordner.isEmpty()) QVERIFY(fenster->grab().save(ordner + u'/' + name + QStringLiteral(".png")));
}

class TOrdnerSkript : public TDateiwahl {
public:
    QStringList Antworten;
    QStringList Titel;
    QStringList Start;
    QString OeffnenWaehlen(const TDateiAuswahl&) override { return {}; }
    QString SpeichernWaehlen(const TDateiAuswahl&) override { return {}; }
    QString OrdnerWaehlen(const QString& titel, const QString& ordner) override {
        Titel << titel;
        Start << ordner;
        return Antworten.isEmpty() ? QString() : Antworten.takeFirst();
    }
    QString Laufwerksart(const QString&) override { return {}; }
};

} // namespace

class TstDruckbereich : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The entries of every kind of run and the classes of the class chooser: persons without
    // conversations never appear, equal names are told apart, texts are safe as file names.
    void eintraege_data() {
        QTest::addColumn<int>("sortierung");
        QTest::addColumn<bool>("eltern");
        QTest::addColumn<bool>("proKind");
        QTest::addColumn<QStringList>("texte");
        QTest::addColumn<QStringList>("klassen");
        QTest::newRow("Lehrer") << 0 << false << false
                                << QStringList{"001: BER Berg", "002: MUE Müller", "003: K_1 Sch_tz"}
                                << QStringList{};
        QTest::newRow("Familien nach Nummer")
            << 0 << true << false
            << QStringList{"001: Müller () 1", "002: Adler ()", "003: Müller () 2", "004: Ko_ch__ ()",
                           "005: Ohneklasse ()"}
            << QStringList{};
        QTest::newRow("Familien nach Name, pro Kind gefragt")
            << 0x80 << true << true
            << QStringList{"001: Adler ()", "002: Ko_ch__ ()", "003: Müller () 1", "004: Müller () 2",
                           "005: Ohneklasse ()"}
            << QStringList{};
        QTest::newRow("Familien nach Klasse")
            << 0xC0 << true << false
            << QStringList{"001: Ohneklasse ()", "002: Adler (5a)", "003: Müller (7b) 1",
                           "004: Müller (7b) 2", "005: Ko_ch__ (10a)"}
            << QStringList{"", "5a", "7b", "10a"};
        QTest::newRow("Familien nach Klasse absteigend, letztes Kind")
            << 0xD0 << true << false
            << QStringList{"001: Ko_ch__ (10a)", "002: Adler (9c)", "003: Müller (7b) 1",
                           "004: Müller (7b) 2", "005: Ohneklasse ()"}
            << QStringList{"10a", "9c", "7b", ""};
        QTest::newRow("Namen absteigend zählen nicht")
            << 0xE0 << true << false
            << QStringList{"001: Ohneklasse ()", "002: Adler (5a)", "003: Müller (7b) 1",
                           "004: Müller (7b) 2", "005: Ko_ch__ (10a)"}
            << QStringList{"", "5a", "7b", "10a"};
        QTest::newRow("pro Kind") << 0xC0 << true << true
                                  << QStringList{"001:  - Ohneklasse",     "002: 5a - Adler",
                                                 "003: 7b - Müller, Anna", "004: 7b - Müller, Ben",
                                                 "005: 9c - Adler",        "006: 10a - Ko_ch__"}
                                  << QStringList{"", "5a", "7b", "9c", "10a"};
        QTest::newRow("pro Kind absteigend")
            << 0xD0 << true << true
            << QStringList{"001: 10a - Ko_ch__",    "002: 9c - Adler", "003: 7b - Müller, Anna",
                           "004: 7b - Müller, Ben", "005: 5a - Adler", "006:  - Ohneklasse"}
            << QStringList{"10a", "9c", "7b", "5a", ""};
    }
    void eintraege() {
        QFETCH(int, sortierung);
        QFETCH(bool, eltern);
        QFETCH(bool, proKind);
        QFETCH(QStringList, texte);
        QFETCH(QStringList, klassen);
        const TFall f(static_cast<uint8_t>(sortierung));
        const TDruckbereich b = f.Bereich(eltern, proKind);
        QCOMPARE(Texte(b), texte);
        QCOMPARE(QStringList(b.Klassen.begin(), b.Klassen.end()), klassen);
        QCOMPARE(b.Erster, 0);
        QCOMPARE(b.Anzahl(), int(texte.size()));
    }

    // Who gets a list follows the conversations, not the work counters, which a scheduling run leaves
    // with a meaning of its own.
    void zaehlerUnerheblich() {
        TFall f(0);
        f.b.p.Lehrerliste.FindeKuerzel("OHN")->Zaehler = 5;
        f.b.Familie("Leer")->Zaehler = 2;
        f.b.p.Lehrerliste.FindeKuerzel("BER")->Zaehler = 0;
        QCOMPARE(Texte(f.Bereich(false)),
                 (QStringList{"001: BER Berg", "002: MUE Müller", "003: K_1 Sch_tz"}));
        QCOMPARE(f.Bereich(true).Eintraege.size(), size_t(5));
    }

    // Equal names in one class get the child's first name; what is still equal gets numbers, so that no two
    // lists of a run share a file name.
    void gleicheNamenProKind() {
        TFall f(0xC0);
        TEltern* dritte = f.b.p.NeueFamilie(QStringLiteral("Familie"), QStringLiteral("Müller"));
        f.b.Wunsch(f.b.p.NeuesKind(dritte, QStringLiteral("Anna"), QStringLiteral("7b")), "MUE");
        f.b.p.ElternSortieren();
        QCOMPARE(
            Texte(f.Bereich(true, true)).mid(2, 3),
            (QStringList{"003: 7b - Müller, Anna 1", "004: 7b - Müller, Anna 2", "005: 7b - Müller, Ben"}));
    }

    void klasseWaehlen_data() {
        QTest::addColumn<QString>("klasse");
        QTest::addColumn<bool>("gefunden");
        QTest::addColumn<int>("erster");
        QTest::addColumn<int>("letzter");
        QTest::newRow("Block") << "7b" << true << 2 << 3;
        QTest::newRow("ohne Klasse") << "" << true << 0 << 0;
        QTest::newRow("letzte") << "10a" << true << 5 << 5;
        QTest::newRow("ohne Gespräch") << "8a" << false << 1 << 4;
    }
    void klasseWaehlen() {
        QFETCH(QString, klasse);
        QFETCH(bool, gefunden);
        QFETCH(int, erster);
        QFETCH(int, letzter);
        const TFall f(0xC0);
        TDruckbereich b = f.Bereich(true, true);
        b.Erster = 1;
        b.Letzter = 4;
        QCOMPARE(b.KlasseWaehlen(klasse), gefunden);
        QCOMPARE(b.Erster, erster);
        QCOMPARE(b.Letzter, letzter);
    }

    // From, to and count of a list of 50; at least one list stays chosen, never one beyond the end.
    void zaehlregeln_data() {
        QTest::addColumn<int>("erster");
        QTest::addColumn<int>("letzter");
        QTest::addColumn<QString>("was");
        QTest::addColumn<int>("wert");
        QTest::addColumn<int>("neuErster");
        QTest::addColumn<int>("neuLetzter");
        QTest::newRow("von") << 0 << 20 << "von" << 5 << 5 << 20;
        QTest::newRow("von hinter bis") << 0 << 5 << "von" << 10 << 10 << 10;
        QTest::newRow("bis") << 10 << 20 << "bis" << 30 << 10 << 30;
        QTest::newRow("bis vor von") << 10 << 20 << "bis" << 5 << 5 << 5;
        QTest::newRow("Anzahl") << 10 << 10 << "anzahl" << 5 << 10 << 14;
        QTest::newRow("Anzahl 0") << 10 << 20 << "anzahl" << 0 << 10 << 10;
        QTest::newRow("Anzahl über das Ende") << 45 << 46 << "anzahl" << 20 << 45 << 49;
        QTest::newRow("Anzahl riesig") << 45 << 46 << "anzahl" << std::numeric_limits<int>::max() << 45 << 49;
        QTest::newRow("alle") << 12 << 13 << "alle" << 0 << 0 << 49;
    }
    void zaehlregeln() {
        QFETCH(int, erster);
        QFETCH(int, letzter);
        QFETCH(QString, was);
        QFETCH(int, wert);
        TDruckbereich b = Leereintraege(50);
        b.Erster = erster;
        b.Letzter = letzter;
        if (was == "von") b.VonSetzen(wert);
        if (was == "bis") b.BisSetzen(wert);
        if (was == "anzahl") b.AnzahlSetzen(wert);
        if (was == "alle") b.AlleWaehlen();
        QTEST(b.Erster, "neuErster");
        QTEST(b.Letzter, "neuLetzter");
    }

    void leereListe() {
        TDruckbereich b = Leereintraege(0);
        b.VonSetzen(3);
        b.AnzahlSetzen(5);
        QCOMPARE(b.Anzahl(), 0);
        QVERIFY(!b.BisZumEnde());
    }

    // After lists 1 to 20 of 50 the next run proposes 21 to 40; a run that reached the end proposes all
    // lists again; the families' and the teachers' runs keep their own places.
    void vorschlag() {
        TDrucklaufStand stand;
        TDruckbereich b = Leereintraege(50);
        QVERIFY(!stand.Vorschlagen(b));
        b.AnzahlSetzen(20);
        stand.Merken(b);
        QCOMPARE(stand.NaechsterStartE, 20);
        QCOMPARE(stand.LetzteAnzahlE, 20);
        QVERIFY(!b.BisZumEnde());

        TDruckbereich zweiter = Leereintraege(50);
        QVERIFY(stand.Vorschlagen(zweiter));
        QCOMPARE(zweiter.Erster, 20);
        QCOMPARE(zweiter.Letzter, 39);
        TDruckbereich lehrer = Leereintraege(50, false);
        QVERIFY(!stand.Vorschlagen(lehrer));

        zweiter.BisSetzen(49);
        QVERIFY(zweiter.BisZumEnde());
        stand.Merken(zweiter);
        QCOMPARE(stand.NaechsterStartE, 0);
        QCOMPARE(stand.LetzteAnzahlE, 30);
        TDruckbereich dritter = Leereintraege(50);
        QVERIFY(!stand.Vorschlagen(dritter));
        QCOMPARE(dritter.Anzahl(), 50);
    }

    void vorschlagGekappt_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<bool>("teil");
        QTest::addColumn<int>("erster");
        QTest::addColumn<int>("letzter");
        QTest::newRow("bis zum Ende") << 45 << 20 << true << 45 << 49;
        QTest::newRow("ohne Anzahl") << 10 << 0 << true << 10 << 10;
        QTest::newRow("Liste kürzer geworden") << 50 << 5 << false << 0 << 49;
    }
    void vorschlagGekappt() {
        QFETCH(int, start);
        QFETCH(int, anzahl);
        TDrucklaufStand stand;
        stand.NaechsterStartL = static_cast<uint16_t>(start);
        stand.LetzteAnzahlL = static_cast<uint16_t>(anzahl);
        TDruckbereich b = Leereintraege(50, false);
        QTEST(stand.Vorschlagen(b), "teil");
        QTEST(b.Erster, "erster");
        QTEST(b.Letzter, "letzter");
    }

    void zuruecksetzen_data() {
        QTest::addColumn<QString>("anlass");
        QTest::addColumn<int>("startE");
        QTest::addColumn<int>("startL");
        QTest::newRow("Projekt geöffnet") << "Projekt" << 0 << 0;
        QTest::newRow("Eltern umsortiert") << "Eltern" << 0 << 7;
        QTest::newRow("Lehrer geändert") << "Lehrer" << 5 << 0;
    }
    void zuruecksetzen() {
        QFETCH(QString, anlass);
        TDrucklaufStand stand{QStringLiteral("/tmp"), 5, 7, 3, 4, true};
        if (anlass == "Projekt") stand.ProjektGeoeffnet();
        if (anlass == "Eltern") stand.ElternUmsortiert();
        if (anlass == "Lehrer") stand.LehrerGeaendert();
        QTEST(int(stand.NaechsterStartE), "startE");
        QTEST(int(stand.NaechsterStartL), "startL");
        QCOMPARE(stand.LetzteAnzahlE, 3);
        QCOMPARE(stand.LetzteAnzahlL, 4);
        QCOMPARE(stand.PdfOrdner, QStringLiteral("/tmp"));
    }

    void listenName_data() {
        QTest::addColumn<int>("sortierung");
        QTest::addColumn<bool>("eltern");
        QTest::addColumn<bool>("proKind");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("dateiName");
        QTest::addColumn<QString>("name");
        QTest::newRow("pro Kind") << 0xC0 << true << true << 1 << true << "VEL2027E - 5a Adler";
        QTest::newRow("pro Kind, gleiche Namen")
            << 0xC0 << true << true << 3 << true << "VEL2027E - 7b Müller, Ben";
        QTest::newRow("pro Kind, ohne Klasse")
            << 0xC0 << true << true << 0 << true << "VEL2027E - Ohneklasse";
        QTest::newRow("pro Familie") << 0xC0 << true << false << 1 << true << "VEL2027E - 5a Adler";
        QTest::newRow("pro Familie, gleiche Namen")
            << 0xC0 << true << false << 3 << true << "VEL2027E - 7b Müller 2";
        QTest::newRow("pro Familie, ohne Klasse") << 0x80 << true << false << 0 << true << "VEL2027E - Adler";
        QTest::newRow("Zeichen ersetzt") << 0xC0 << true << false << 4 << true << "VEL2027E - 10a Ko_ch__";
        QTest::newRow("Eltern gedruckt") << 0xC0 << true << true << 2 << false << "Liste 3 von 6 - Müller";
        QTest::newRow("Lehrer") << 0 << false << false << 1 << true << "VEL2027L - Müller (MUE)";
        QTest::newRow("Lehrer, Zeichen ersetzt")
            << 0 << false << false << 2 << true << "VEL2027L - Sch_tz (K_1)";
        QTest::newRow("Lehrer gedruckt") << 0 << false << false << 2 << false << "Liste 3 von 3 - (K_1)";
    }
    void listenName() {
        QFETCH(int, sortierung);
        QFETCH(bool, eltern);
        QFETCH(bool, proKind);
        QFETCH(int, index);
        QFETCH(bool, dateiName);
        const TFall f(static_cast<uint8_t>(sortierung));
        const TDruckbereich b = f.Bereich(eltern, proKind);
        QTEST(ListenName(f.b.p, b, index, index + 1, dateiName), "name");
    }

    // The running number counts the lists of this run, the total is the chosen part.
    void listenNameImTeil() {
        const TFall f(0);
        TDruckbereich b = f.Bereich(false);
        b.VonSetzen(1);
        QCOMPARE(ListenName(f.b.p, b, 2, 2, false), QStringLiteral("Liste 2 von 2 - (K_1)"));
    }

    void dateiListenName_data() {
        QTest::addColumn<bool>("alsPdf");
        QTest::addColumn<QString>("drucker");
        QTest::addColumn<bool>("datei");
        QTest::newRow("Drucker") << false << "HP LaserJet 4" << false;
        QTest::newRow("PDF-Lauf") << true << "HP LaserJet 4" << true;
        QTest::newRow("PDF-Drucker") << false << "Microsoft Print to PDF" << true;
        QTest::newRow("klein geschrieben") << false << "cups-pdf" << true;
    }
    void dateiListenName() {
        QFETCH(bool, alsPdf);
        QFETCH(QString, drucker);
        QTEST(DateiListenName(alsPdf, drucker), "datei");
    }
};

class TstDruckdialoge : public QObject {
    Q_OBJECT

    QTemporaryDir Ordner;

private Q_SLOTS:
    // What the range dialog offers for each kind of run.
    void bereichTexte_data() {
        QTest::addColumn<bool>("eltern");
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<int>("tage");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<bool>("tuer");
        QTest::addColumn<bool>("umb");
        QTest::addColumn<bool>("klassen");
        QTest::newRow("Eltern drucken") << true << false << 1 << "Gesprächslisten für Eltern drucken"
                                        << "Druckvorgang starten"
                                        << "Gewählter Drucker:" << false << false << true;
        QTest::newRow("Eltern PDF") << true << true << 2 << "Gesprächslisten für Eltern speichern"
                                    << "Speichern starten"
                                    << "pdf-Export in den Ordner" << false << true << true;
        QTest::newRow("Lehrer drucken") << false << false << 2 << "Gesprächslisten für Lehrer drucken"
                                        << "Druckvorgang starten"
                                        << "Gewählter Drucker:" << true << true << false;
        QTest::newRow("Lehrer PDF") << false << true << 1 << "Gesprächslisten für Lehrer speichern"
                                    << "Speichern starten"
                                    << "pdf-Export in den Ordner" << false << false << false;
    }
    void bereichTexte() {
        QFETCH(bool, eltern);
        QFETCH(bool, pdf);
        QFETCH(int, tage);
        TFall f(0xC0);
        f.b.Rahmen(tage, 6);
        TDrucklaufStand stand;
        TDrBereich dlg(f.b.p, eltern, pdf, QStringLiteral("Ziel"), stand);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Listen drucken"));
        QTEST(dlg.Label6->text(), "titel");
        QTEST(dlg.StartBtn->text(), "start");
        QTEST(dlg.ZielTitel->text(), "ziel");
        QCOMPARE(dlg.ZielText->text(), QStringLiteral("Ziel"));
        QTEST(dlg.CB_tueraushang->isVisibleTo(&dlg), "tuer");
        QTEST(dlg.cbUmb->isVisibleTo(&dlg), "umb");
        QTEST(dlg.RadioGroup1->isVisibleTo(&dlg), "klassen");
        QTEST(dlg.ComboBox3->isVisibleTo(&dlg), "klassen");
        QCOMPARE(dlg.Reihenfolge->isVisibleTo(&dlg), eltern);
        QCOMPARE(dlg.AnzahlText->text(), QStringLiteral("Gewählte Anzahl von Gesprächslisten"));
        for (const char* name : {"Label6", "CB_tueraushang", "cbUmb", "RadioGroup1", "ComboBox1", "ComboBox2",
                                 "ComboBox3", "Edit1"})
            QVERIFY2(dlg.findChild<QWidget*>(QLatin1String(name)), name);
    }

    // Families sorted by class: the class chooser, the count field, from and to, and the per-child
    // question, which builds other entries.
    void bereichFamilien() {
        TFall f(0xC0);
        TDrucklaufStand stand;
        TDrBereich dlg(f.b.p, true, false, QStringLiteral("Drucker"), stand);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QVERIFY(dlg.RBAlle->isChecked());
        QVERIFY(dlg.RBNein->isChecked());
        QCOMPARE(Boxtexte(dlg.ComboBox1), Texte(f.Bereich(true)));
        QCOMPARE(Boxtexte(dlg.ComboBox2), Boxtexte(dlg.ComboBox1));
        QCOMPARE(Boxtexte(dlg.ComboBox3), (QStringList{"Klasse", "unbekannt", "5a", "7b", "10a"}));
        QCOMPARE(dlg.ComboBox1->currentIndex(), 0);
        QCOMPARE(dlg.ComboBox2->currentIndex(), 4);
        QCOMPARE(dlg.Edit1->text(), QStringLiteral("5"));

        Waehlen(dlg.ComboBox3, 3);
        QVERIFY(dlg.RBBereich->isChecked());
        QCOMPARE(dlg.ComboBox1->currentText(), QStringLiteral("003: Müller (7b) 1"));
        QCOMPARE(dlg.ComboBox2->currentText(), QStringLiteral("004: Müller (7b) 2"));
        QCOMPARE(dlg.Edit1->text(), QStringLiteral("2"));
        Waehlen(dlg.ComboBox3, 0);
        QVERIFY(dlg.RBAlle->isChecked());
        QCOMPARE(dlg.Edit1->text(), QStringLiteral("5"));

        Ankreuzen(dlg.RBJa);
        QCOMPARE(Boxtexte(dlg.ComboBox1), Texte(f.Bereich(true, true)));
        QCOMPARE(dlg.ComboBox1->itemText(3), QStringLiteral("004: 7b - Müller, Ben"));
        QCOMPARE(Boxtexte(dlg.ComboBox3), (QStringList{"Klasse", "unbekannt", "5a", "7b", "9c", "10a"}));
        QCOMPARE(dlg.Edit1->text(), QStringLiteral("6"));
        Waehlen(dlg.ComboBox3, 3);
        QCOMPARE(dlg.ComboBox1->currentIndex(), 2);
        QCOMPARE(dlg.ComboBox2->currentIndex(), 3);
        Ankreuzen(dlg.RBNein);
        QCOMPARE(dlg.ComboBox1->count(), 5);

        QTest::mouseClick(dlg.StartBtn, Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(!dlg.Bereich().ProKind);
        QCOMPARE(dlg.Bereich().Anzahl(), 5);
        QCOMPARE(stand.NaechsterStartE, 0);
    }

    void bereichAnzahl() {
        TFall f(0xC0);
        TDrucklaufStand stand;
        TDrBereich dlg(f.b.p, true, false, QStringLiteral("Drucker"), stand);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        Waehlen(dlg.ComboBox1, 1);
        QVERIFY(dlg.RBBereich->isChecked());
        QCOMPARE(dlg.ComboBox2->currentIndex(), 4);
        QCOMPARE(dlg.Edit1->text(), QStringLiteral("4"));

        dlg.Edit1->setFocus();
        dlg.Edit1->selectAll();
        QTest::keyClicks(dlg.Edit1, "2");
        QCOMPARE(dlg.ComboBox2->currentIndex(), 2);
        QTest::keyClick(dlg.Edit1, Qt::Key_Backspace);
        QTest::keyClicks(dlg.Edit1, " 0");
        QCOMPARE(dlg.ComboBox2->currentIndex(), 1);
        dlg.Edit1->selectAll();
        QTest::keyClicks(dlg.Edit1, "99");
        QCOMPARE(dlg.ComboBox2->currentIndex(), 4);
        QCOMPARE(dlg.Edit1->text(), QStringLiteral("99"));
        QTest::keyClick(dlg.Edit1, Qt::Key_Tab);
        QCOMPARE(dlg.Edit1->text(), QStringLiteral("4"));

        Waehlen(dlg.ComboBox2, 0);
        QCOMPARE(dlg.ComboBox1->currentIndex(), 0);
        QCOMPARE(dlg.Edit1->text(), QStringLiteral("1"));
        Waehlen(dlg.ComboBox1, 3);
        QCOMPARE(dlg.ComboBox2->currentIndex(), 3);

        Ankreuzen(dlg.RBAlle);
        QCOMPARE(dlg.ComboBox1->currentIndex(), 0);
        QCOMPARE(dlg.Edit1->text(), QStringLiteral("5"));
        Waehlen(dlg.ComboBox1, 2);
        QTest::mouseClick(dlg.AbbrBtn, Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(stand.LetzteAnzahlE, 0);
    }

    // The count field takes the number of lists of a large project whole, shown and typed.
    void bereichVieleListen() {
        TProjektBauer b;
        b.Rahmen(1, 6);
        TLehrer* l = b.Lehrer("MUE");
        for (int i = 0; i < 3000; ++i) {
            TEltern* e = b.p.NeueFamilie(QStringLiteral("Familie"), QStringLiteral("F%1").arg(i));
            b.Wunsch(b.p.NeuesKind(e, QStringLiteral("Kind"), {}), l->Kuerzel);
        }
        TDrucklaufStand stand;
        TDrBereich dlg(b.p, true, false, QStringLiteral("Drucker"), stand);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QCOMPARE(dlg.Edit1->text(), QStringLiteral("3000"));
        NichtsAbgeschnitten(&dlg, QStringLiteral("bereich-3000"));
        const int innen = dlg.Edit1->contentsRect().width() - 4;
        QVERIFY(dlg.Edit1->fontMetrics().horizontalAdvance(QStringLiteral("65535")) < innen);
        dlg.Edit1->setFocus();
        dlg.Edit1->selectAll();
        QTest::keyClicks(dlg.Edit1, "2500");
        QCOMPARE(dlg.ComboBox2->currentIndex(), 2499);
        QTest::keyClick(dlg.Edit1, Qt::Key_Tab);
        QCOMPARE(dlg.Edit1->text(), QStringLiteral("2500"));
        dlg.StartBtn->click();
        QCOMPARE(stand.LetzteAnzahlE, 2500);
    }

    // A teachers' print run that continues the last one, with the door notice and single pages per day
    // ticked for this run only.
    void bereichLehrer() {
        TFall f;
        f.b.Rahmen(2, 6);
        TDrucklaufStand stand;
        stand.NaechsterStartL = 1;
        stand.LetzteAnzahlL = 1;
        TDrBereich dlg(f.b.p, false, false, QStringLiteral("Drucker"), stand);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QVERIFY(dlg.RBBereich->isChecked());
        QCOMPARE(dlg.ComboBox1->currentText(), QStringLiteral("002: MUE Müller"));
        QCOMPARE(dlg.Edit1->text(), QStringLiteral("1"));
        QVERIFY(!dlg.CB_tueraushang->isChecked());
        Ankreuzen(dlg.CB_tueraushang);
        QCOMPARE(dlg.Label6->text(), QStringLiteral("Terminlisten für Lehrer drucken"));
        QCOMPARE(dlg.AnzahlText->text(), QStringLiteral("Gewählte Anzahl von Terminlisten"));
        Ankreuzen(dlg.cbUmb);
        QTest::mouseClick(dlg.StartBtn, Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(stand.Tueraushang);
        QVERIFY(dlg.EinzelseitenProTag());
        QVERIFY(!f.b.p.Listenlayout.EinzellistenProTagL);
        QCOMPARE(dlg.Bereich().Erster, 1);
        QCOMPARE(dlg.Bereich().Letzter, 1);
        QCOMPARE(stand.NaechsterStartL, 2);
        QCOMPARE(stand.LetzteAnzahlL, 1);
        QCOMPARE(stand.NaechsterStartE, 0);
    }

    // Door notices belong to printed teachers' lists only.
    void keinTueraushang() {
        TFall f;
        TDrucklaufStand stand;
        stand.Tueraushang = true;
        TDrBereich dlg(f.b.p, false, true, QStringLiteral("/tmp"), stand);
        QCOMPARE(dlg.Label6->text(), QStringLiteral("Gesprächslisten für Lehrer speichern"));
        dlg.StartBtn->click();
        QVERIFY(!stand.Tueraushang);
    }

    void ohneListen() {
        TProjektBauer b;
        b.Lehrer("MUE");
        TDrucklaufStand stand;
        TDrBereich dlg(b.p, false, false, QStringLiteral("Drucker"), stand);
        QCOMPARE(dlg.ComboBox1->count(), 0);
        QVERIFY(!dlg.StartBtn->isEnabled());
    }

    void pdfWahl() {
        TDrucklaufStand stand;
        TOrdnerSkript wahl;
        TFpdfVW dlg(stand, wahl);
        QSignalSpy eltern(&dlg, &TFpdfVW::ElternSpeichern);
        QSignalSpy lehrer(&dlg, &TFpdfVW::LehrerSpeichern);
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Listen als PDF speichern"));
        QCOMPARE(dlg.Ordner->text(), QStringLiteral("(noch nicht gewählt)"));
        QVERIFY(dlg.Ordner->isReadOnly());
        QVERIFY(!dlg.BpdfE->isEnabled());
        QVERIFY(!dlg.BpdfL->isEnabled());

        QTest::mouseClick(dlg.Bfolder, Qt::LeftButton);
        QCOMPARE(wahl.Titel, QStringList{"Ort für Speichern (PDF)"});
        QVERIFY(!dlg.BpdfE->isEnabled());
        QCOMPARE(stand.PdfOrdner, QString());

        const QString ziel = Ordner.filePath(QStringLiteral("Listen"));
        QVERIFY(QDir().mkpath(ziel));
        wahl.Antworten << ziel;
        QTest::mouseClick(dlg.Bfolder, Qt::LeftButton);
        QCOMPARE(stand.PdfOrdner, ziel);
        QCOMPARE(dlg.Ordner->text(), ziel);
        QVERIFY(dlg.BpdfE->isEnabled());
        QVERIFY(dlg.BpdfL->isEnabled());
        QTest::mouseClick(dlg.BpdfL, Qt::LeftButton);
        QCOMPARE(lehrer.count(), 1);
        QCOMPARE(eltern.count(), 0);

        // The next choice starts where the last one ended.
        QTest::mouseClick(dlg.Bfolder, Qt::LeftButton);
        QCOMPARE(wahl.Start.last(), ziel);

        QVERIFY(QDir(ziel).removeRecursively());
        QTest::mouseClick(dlg.BpdfE, Qt::LeftButton);
        QCOMPARE(eltern.count(), 0);
        QVERIFY(!dlg.BpdfE->isEnabled());
        dlg.hide();
        QVERIFY(QDir().mkpath(ziel));
        dlg.show();
        QVERIFY(dlg.BpdfE->isEnabled());
    }

    void sonstigeListen() {
        TDrucklaufStand stand;
        TOrdnerSkript wahl;
        TFpdfVW pdf(stand, wahl);
        QPrinter drucker;
        TSkriptMeldung m;
        TDrVorwahl vorwahl(drucker, m);
        for (QMenu* menue : {pdf.SonstMenue, vorwahl.SonstMenue}) {
            QStringList texte;
            for (const QAction* a : menue->actions()) {
                texte << a->text();
                QVERIFY(!a->isEnabled());
            }
            QCOMPARE(texte,
                     (QStringList{"Statistik", "Raumzuordnung", "Gesprächsanzahlen für Lehrer",
                                  "Nicht terminierte Gespräche", "Genagelte Gespräche", "Raumbelegung"}));
        }
        QCOMPARE(pdf.BpdfS->menu(), pdf.SonstMenue);
        QCOMPARE(vorwahl.SonstList1->menu(), vorwahl.SonstMenue);
    }

    void druckWahl() {
        QPrinter drucker;
        TSkriptMeldung m;
        TDrVorwahl dlg(drucker, m);
        dlg.show();
        QSignalSpy eltern(&dlg, &TDrVorwahl::ElternDrucken);
        QSignalSpy lehrer(&dlg, &TDrVorwahl::LehrerDrucken);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Drucken ..."));
        QCOMPARE(dlg.DruStp->text(), QStringLiteral("&Drucker wählen && einrichten ..."));
        QTest::mouseClick(dlg.HintBtn, Qt::LeftButton);
        QCOMPARE(m.Protokoll.size(), 1);
        QCOMPARE(m.Protokoll[0].Text,
                 QStringLiteral("Die Druckreihenfolge der Gesprächslisten für Eltern können "
                                "Sie mit dem Menüpunkt 'Bearbeiten / Sortierung der "
                                "Elternliste' festlegen."));
        QCOMPARE(m.Protokoll[0].Titel, QStringLiteral("Hinweis:"));
        QTest::mouseClick(dlg.EBtn, Qt::LeftButton);
        QTest::mouseClick(dlg.LBtn, Qt::LeftButton);
        QCOMPARE(eltern.count(), 1);
        QCOMPARE(lehrer.count(), 1);
        QTest::mouseClick(dlg.EndeBtn, Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }

    void darstellung() {
        TFall f(0xC0);
        f.b.Rahmen(2, 6);
        TDrucklaufStand stand;
        stand.PdfOrdner = QStringLiteral("/home/sekretariat/Dokumente/Elternsprechtag/Listen");
        for (const bool eltern : {true, false})
            for (const bool pdf : {false, true}) {
                TDrBereich dlg(f.b.p, eltern, pdf,
                               pdf ? stand.PdfOrdner + QStringLiteral("/VEL2027PDF")
                                   : QStringLiteral("Brother HL-L2350DW series"),
                               stand);
                NichtsAbgeschnitten(&dlg, QStringLiteral("DrBereich-%1-%2")
                                              .arg(eltern ? "Eltern" : "Lehrer", pdf ? "PDF" : "Druck"));
            }
        TOrdnerSkript wahl;
        TFpdfVW pdf(stand, wahl);
        NichtsAbgeschnitten(&pdf, QStringLiteral("FpdfVW"));
        QPrinter drucker;
        TSkriptMeldung m;
        TDrVorwahl vorwahl(drucker, m);
        NichtsAbgeschnitten(&vorwahl, QStringLiteral("DrVorwahl"));
    }

    // A changed orientation is refused and put back; a cancelled set-up changes nothing.
    void druckerEinrichten_data() {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("drehen");
        QTest::addColumn<int>("meldungen");
        QTest::addColumn<int>("signale");
        QTest::newRow("Ausrichtung verstellt") << true << true << 1 << 1;
        QTest::newRow("nur eingerichtet") << true << false << 0 << 1;
        QTest::newRow("abgebrochen") << false << true << 0 << 0;
    }
    void druckerEinrichten() {
        QFETCH(bool, ok);
        QFETCH(bool, drehen);
        QPrinter drucker;
        drucker.setPageOrientation(QPageLayout::Portrait);
        TSkriptMeldung m;
        TDrVorwahl dlg(drucker, m);
        dlg.show();
        QSignalSpy eingerichtet(&dlg, &TDrVorwahl::DruckerEingerichtet);
        dlg.Einrichten = [&](QPrinter& p) {
            if (drehen) p.setPageOrientation(QPageLayout::Landscape);
            return ok;
        };
        QTest::mouseClick(dlg.DruStp, Qt::LeftButton);
        QTEST(int(m.Protokoll.size()), "meldungen");
        QTEST(int(eingerichtet.count()), "signale");
        if (ok) QCOMPARE(drucker.pageLayout().orientation(), QPageLayout::Portrait);
        if (!m.Protokoll.isEmpty()) {
            QCOMPARE(
                m.Protokoll[0].Text,
                QStringLiteral("Sie haben die Ausrichtung verstellt.\rDiese Änderung wird verworfen,\rweil "
                               "stets die mit Layout-Optionen\reingestellte Ausrichtung verwendet wird."));
            QCOMPARE(m.Protokoll[0].Titel, QStringLiteral("Druckereinstellungen"));
        }
    }
};

VEL_TEST(TstDruckbereich)
VEL_TEST(TstDruckdialoge)
#include "tst_Druckbereich.moc"
