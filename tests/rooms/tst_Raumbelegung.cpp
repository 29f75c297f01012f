#include "Raumfall.h"
#include "common/Dialogfolge.h"
#include "common/SkriptMeldung.h"
#include "common/TestHaupt.h"
#include "common/Testdrucker.h"
#include "document/ProjektDokument.h"
#include "output/ui/DruckBefehle.h"
#include "rooms/RaumZeitplan.h"
#include "rooms/Raumplandruck.h"
#include "rooms/ui/PrintRaumplan.h"
#include "rooms/ui/RaumBefehle.h"
#include "rooms/ui/Raumbelegung.h"
#include "rooms/ui/Raumgitter.h"
#include "settings/Einstellungen.h"
#include "settings/UReg.h"
#include "ui/Dateiwahl.h"
#include "ui/Zeilenhoehe.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QFile>
#include <QMouseEvent>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

class TDateiSkript : public TDateiwahl {
public:
    QList<TDateiAuswahl> Anfragen;
    QStringList Antworten;

    QString OeffnenWaehlen(const TDateiAuswahl& auswahl) override { return Antwort(auswahl); }
    QString SpeichernWaehlen(const TDateiAuswahl& auswahl) override { return Antwort(auswahl); }
    QString OrdnerWaehlen(const QString&, const QString&) override { return {}; }
    QString Laufwerksart(const QString&) override { return {}; }

private:
    QString Antwort(const TDateiAuswahl& auswahl) {
        Anfragen.append(auswahl);
        return Antworten.isEmpty() ? QString() : Antworten.takeFirst();
    }
};

// A project in the document and the rooms' commands around it, with messages and file choices
// scripted. Days of eight slots every quarter of an hour from 14:00; the teachers as Belegen describes
// them.
struct TPlanfall {
    QTemporaryDir Ordner;
    TEinstellungsSpeicher Speicher{Ordner.filePath(QStringLiteral("vel.ini"))};
    TProjektDokument Dokument;
    TSkriptMeldung Meldung;
    TDateiSkript Dateiwahl;
    TProgrammwerte Werte;
    QWidget Hauptfenster;
    int Hilfen = 0;
    TBefehlsumgebung Umgebung{Dokument, Meldung,       Dateiwahl,           Speicher,
                              Werte,    &Hauptfenster, [this] { ++Hilfen; }};
    TDruckBefehle Druck{Umgebung, nullptr};
    TRaumBefehle Raeume{Umgebung, nullptr};

    TPlanfall(int tage, const QStringList& lehrer, int slots = 8) {
        TProjektBauer b;
        b.Rahmen(tage, slots, 14 * 60, 15);
        Belegen(b, lehrer);
        Dokument.Ersetzen(b.Abgeben(), {});
        Raeume.Druck = &Druck;
    }
    TProjekt& P() { return *Dokument.Projekt(); }
    QString Raum(const char* kuerzel) {
        return P().Lehrerliste.FindeKuerzel(QString::fromUtf8(kuerzel))->Raum;
    }

    // Opens the plan from the menu and runs the steps on it and on the windows it opens.
    bool Oeffnen(QList<TSchritt> schritte) {
        TDialogFolge folge(std::move(schritte));
        Raeume.AnsRaumDlgClick();
        return folge.Offen() == 0 && folge.Unerwartet == 0;
    }
};

void Maus(QWidget* ziel, QEvent::Type art, QPoint ort, Qt::MouseButtons gedrueckt) {
    QMouseEvent e(art, ort, ziel->mapToGlobal(ort), art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  gedrueckt, Qt::NoModifier);
    QApplication::sendEvent(ziel, &e);
}

QPoint Mitte(const TRaumgitter* g, int zeile) {
    return g->ZellRechteck(zeile, 1).center();
}

// Drags row von onto row nach; the cursor shown over nach is handed back.
Qt::CursorShape Ziehen(TRaumgitter* g, int von, int nach) {
    Maus(g, QEvent::MouseButtonPress, Mitte(g, von), Qt::LeftButton);
    Maus(g, QEvent::MouseMove, Mitte(g, nach), Qt::LeftButton);
    const Qt::CursorShape zeiger = g->cursor().shape();
    Maus(g, QEvent::MouseButtonRelease, Mitte(g, nach), Qt::NoButton);
    return zeiger;
}

QStringList Zeile(const TRaumgitter* g, int zeile) {
    QStringList texte;
    for (int s = 0; s < g->Spalten(); ++s)
        texte << g->Zelle(zeile, s);
    return texte;
}

TSchritt Schliessen() {
    return Fuer<TFRaumbelegung>([](QDialog& w) { Als<TFRaumbelegung>(w).Schliessen1->trigger(); });
}

} // namespace

class TstRaumbelegung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Opening: no rooms, no window; a teacher with appointments but without a room is warned about; a
    // conflict is asked about, and Cancel keeps the window shut.
    void oeffnen_data() {
        QTest::addColumn<QStringList>("lehrer");
        QTest::addColumn<QList<Antwort>>("antworten");
        QTest::addColumn<QStringList>("titel");
        QTest::addColumn<bool>("gezeigt");
        QTest::newRow("keine Räume") << QStringList{"A||1"} << QList<Antwort>{} << QStringList{"Hinweis"}
                                     << false;
        QTest::newRow("Lehrer ohne Raum") << QStringList{"A|Raum 5|1", "B||2"} << QList<Antwort>{}
                                          << QStringList{"Warnung: Raumzuweisung unvollständig"} << true;
        QTest::newRow("Konflikt, weiter")
            << QStringList{"A|Raum 5|1", "B|Raum 5|1"} << QList<Antwort>{Antwort::Nein}
            << QStringList{"Raumkonflikt!  (Raum 5)"} << true;
        QTest::newRow("Konflikt, Abbrechen")
            << QStringList{"A|Raum 5|1", "B|Raum 5|1"} << QList<Antwort>{Antwort::Abbrechen}
            << QStringList{"Raumkonflikt!  (Raum 5)"} << false;
    }
    void oeffnen() {
        QFETCH(QStringList, lehrer);
        QFETCH(QList<Antwort>, antworten);
        QFETCH(QStringList, titel);
        QFETCH(bool, gezeigt);
        TPlanfall f(1, lehrer);
        f.Meldung.Antworten = antworten;
        bool offen = false;
        QList<TSchritt> schritte;
        if (gezeigt)
            schritte << [&](QDialog& w) {
                offen = true;
                QCOMPARE(w.windowTitle(), QStringLiteral("Raumbelegungsplan"));
                QVERIFY(w.isMaximized());
                Schliessen()(w);
            };
        QVERIFY(f.Oeffnen(schritte));
        QCOMPARE(offen, gezeigt);
        QCOMPARE(f.Meldung.Titel(), titel);
        if (lehrer.size() == 1)
            QCOMPARE(f.Meldung.Protokoll[0].Text, QString::fromUtf8(RaumplanOhneRaeumeText));
        if (titel[0].startsWith(QStringLiteral("Warnung")))
            QCOMPARE(f.Meldung.Protokoll[0].Text,
                     RaumzuweisungUnvollstaendigText(*f.P().Lehrerliste.FindeKuerzel(QStringLiteral("B"))));
    }

    // The grids of both days side by side, with the columns of the appointments' time range, sized as
    // the font says; a view change fills them anew and the view stays for the next opening.
    void gitter() {
        TPlanfall f(2, {"A|Raum 5|1", "D|Raum 7~Aula|3,50", "E|Raum 9|"});
        QVERIFY(f.Oeffnen({[&](QDialog& w) {
            TFRaumbelegung& r = Als<TFRaumbelegung>(w);
            TRaumgitter* g1 = r.StringGrid1;
            TRaumgitter* g2 = r.StringGrid2;
            QVERIFY(r.BeideTage1->isChecked());
            QVERIFY(r.Tag21->isEnabled());
            QVERIFY(g1->isVisible() && g2->isVisible());
            QCOMPARE(Zeile(g1, 0), (QStringList{RaumplanEckText(), "14:15", "14:30", "14:45"}));
            QCOMPARE(Zeile(g1, 1), (QStringList{"Aula", "", "", ""}));
            QCOMPARE(Zeile(g1, 2), (QStringList{"Raum 5", "A", "", ""}));
            QCOMPARE(Zeile(g1, 3), (QStringList{"Raum 7", "", "", "D"}));
            QCOMPARE(Zeile(g1, 4), (QStringList{"Raum 9", "", "", ""}));
            QCOMPARE(Zeile(g2, 0), (QStringList{RaumplanEckText(), "14:30"}));
            QCOMPARE(Zeile(g2, 1), (QStringList{"Aula", "D"}));

            const QFontMetrics fm(g1->font());
            QCOMPARE(g1->ZellRechteck(1, 0).width(),
                     fm.horizontalAdvance(QStringLiteral("Koordinatorenraum")) + 7);
            QCOMPARE(g1->ZellRechteck(1, 2).width(), fm.horizontalAdvance(QStringLiteral("12:35")) + 5);
            // Room for the dots of capital umlauts above the text.
            QVERIFY(g1->ZellRechteck(1, 2).height() >= Zeilenhoehe(fm));
            QVERIFY(g1->rect().contains(g1->ZellRechteck(4, 3)));
            QCOMPARE(g2->x(), g1->x() + g1->width());

            r.Tag21->trigger();
            QVERIFY(r.Tag21->isChecked());
            QVERIFY(!g1->isVisible());
            QCOMPARE(Zeile(g2, 1), (QStringList{"Aula", "D"}));
            QTRY_COMPARE(g2->x(), 0);
            r.Hilfe1->trigger();
            Schliessen()(w);
        }}));
        QCOMPARE(f.Hilfen, 1);
        QVERIFY(f.Oeffnen({[&](QDialog& w) {
            TFRaumbelegung& r = Als<TFRaumbelegung>(w);
            QVERIFY(r.Tag21->isChecked());
            QVERIFY(!r.StringGrid1->isVisible());
            Schliessen()(w);
        }}));
    }

    // A one-day frame shows day 1 only, whatever was chosen before.
    void einTag() {
        TPlanfall f(1, {"A|Raum 5|1"});
        QVERIFY(f.Oeffnen({[&](QDialog& w) {
            TFRaumbelegung& r = Als<TFRaumbelegung>(w);
            QVERIFY(r.Tag11->isChecked());
            QVERIFY(!r.Tag21->isEnabled());
            QVERIFY(!r.BeideTage1->isEnabled());
            QVERIFY(r.StringGrid1->isVisible());
            QVERIFY(!r.StringGrid2->isVisible());
            Schliessen()(w);
        }}));
    }

    // Dragging room Raum 5 (A at 14:15) onto another row: refused while moving is not allowed, moved
    // when allowed and confirmed, refused when a slot is taken in both rows or the source is empty.
    void ziehen_data() {
        QTest::addColumn<bool>("erlaubt");
        QTest::addColumn<int>("quelle");
        QTest::addColumn<int>("ziel");
        QTest::addColumn<QList<Antwort>>("antworten");
        QTest::addColumn<Qt::CursorShape>("zeiger");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("raumVonA");
        // Rows: 1 Aula (empty), 2 Raum 5 (A at 14:15), 3 Raum 7 (D at 14:45), 4 Raum 8 (F at 14:15).
        const QString ja = VerschiebenFrage(QStringLiteral("Raum 5"), QStringLiteral("Raum 7"));
        QTest::newRow("nicht zugelassen") << false << 2 << 3 << QList<Antwort>{} << Qt::DragCopyCursor
                                          << QString::fromUtf8(VerschiebenGesperrtText) << "Raum 5";
        QTest::newRow("zugelassen, Ja")
            << true << 2 << 3 << QList<Antwort>{Antwort::Ja} << Qt::DragCopyCursor << ja << "Raum 7~Raum 5";
        QTest::newRow("zugelassen, Nein")
            << true << 2 << 3 << QList<Antwort>{Antwort::Nein} << Qt::DragCopyCursor << ja << "Raum 5";
        QTest::newRow("unvereinbar") << true << 2 << 4 << QList<Antwort>{} << Qt::ForbiddenCursor
                                     << QString::fromUtf8(VerschiebenUnmoeglichText) << "Raum 5";
        QTest::newRow("Quelle leer") << true << 1 << 3 << QList<Antwort>{} << Qt::ForbiddenCursor
                                     << NichtsZuVerschiebenText(QStringLiteral("Aula")) << "Raum 5";
    }
    void ziehen() {
        QFETCH(bool, erlaubt);
        QFETCH(int, quelle);
        QFETCH(int, ziel);
        QFETCH(QList<Antwort>, antworten);
        QFETCH(Qt::CursorShape, zeiger);
        QFETCH(QString, text);
        QFETCH(QString, raumVonA);
        TPlanfall f(2, {"A|Raum 5|1,49", "D|Raum 7|3", "F|Raum 8|1", "G|Aula|"});
        f.Meldung.Antworten = antworten;
        const bool verschoben = antworten.value(0) == Antwort::Ja;
        QVERIFY(f.Oeffnen({[&](QDialog& w) {
            TFRaumbelegung& r = Als<TFRaumbelegung>(w);
            r.Tag11->trigger();
            if (erlaubt) r.Zulassen1->trigger();
            QCOMPARE(r.Zulassen1->text(), erlaubt ? "... nicht zulassen" : "... zulassen");
            TRaumgitter* g = r.StringGrid1;
            QCOMPARE(Ziehen(g, quelle, ziel), zeiger);
            QCOMPARE(g->cursor().shape(), Qt::ArrowCursor);
            QCOMPARE(g->Markiert(), ziel);
            QCOMPARE(f.Meldung.Protokoll.size(), qsizetype{1});
            QCOMPARE(f.Meldung.Protokoll[0].Text, text);
            // The plan shows the move at once.
            QCOMPARE(g->Zelle(3, 1), verschoben ? "A" : "");
            QCOMPARE(g->Zelle(2, 1), verschoben ? "" : "A");
            Schliessen()(w);
        }}));
        QCOMPARE(f.Raum("A"), QString(raumVonA).replace(u'~', QChar(RaumTrenner)));
        QCOMPARE(f.Dokument.IstGeaendert(), verschoben);
    }

    // Pressing the other grid only makes it the one in use; the next press there starts a drag.
    void andererTag() {
        TPlanfall f(2, {"A|Raum 5|1,49", "D|Raum 7|51"});
        QVERIFY(f.Oeffnen({[&](QDialog& w) {
            TFRaumbelegung& r = Als<TFRaumbelegung>(w);
            TRaumgitter* g2 = r.StringGrid2;
            Maus(g2, QEvent::MouseButtonPress, Mitte(g2, 1), Qt::LeftButton);
            Maus(g2, QEvent::MouseButtonRelease, Mitte(g2, 1), Qt::NoButton);
            QCOMPARE(g2->Markiert(), -1);
            r.Zulassen1->trigger();
            f.Meldung.Antworten = {Antwort::Ja};
            Ziehen(g2, 1, 2);
            QCOMPARE(f.Meldung.Titel(), QStringList{"Verschieben bestätigen:"});
            Schliessen()(w);
        }}));
        QCOMPARE(f.Raum("A"), QStringLiteral("Raum 5") + QChar(RaumTrenner) + QStringLiteral("Raum 7"));
    }

    // Near the lower edge while dragging down, the plan scrolls a row at a time every 100 ms and the row
    // under the pointer becomes the target; near the upper edge while dragging up it scrolls back.
    void rollen() {
        QStringList lehrer;
        for (int i = 0; i < 150; ++i)
            lehrer << QStringLiteral("L%1|Raum %2|%3").arg(i).arg(i + 100).arg(i % 8);
        TPlanfall f(1, lehrer);
        QVERIFY(f.Oeffnen({[&](QDialog& w) {
            TFRaumbelegung& r = Als<TFRaumbelegung>(w);
            TRaumgitter* g = r.StringGrid1;
            QScrollBar* leiste = r.ScrollBox1->verticalScrollBar();
            QVERIFY(leiste->maximum() > 0);
            QCOMPARE(r.VertScrollTimer->interval(), 100);
            const QWidget* sicht = r.ScrollBox1->viewport();
            const int schritt = g->Zeilenhoehe() + 1;

            Maus(g, QEvent::MouseButtonPress, Mitte(g, 2), Qt::LeftButton);
            Maus(g, QEvent::MouseMove, Mitte(g, 4), Qt::LeftButton);
            QVERIFY(!r.VertScrollTimer->isActive());
            const QPoint unten = sicht->mapToGlobal(QPoint(20, sicht->height() - 3));
            Maus(g, QEvent::MouseMove, g->mapFromGlobal(unten), Qt::LeftButton);
            QVERIFY(r.VertScrollTimer->isActive());
            QTRY_VERIFY_WITH_TIMEOUT(leiste->value() >= 6 * schritt, 3000);
            QCOMPARE(leiste->value() % schritt, 0);
            QCOMPARE(g->Markiert(), g->ZeileBei(g->mapFromGlobal(unten).y()));

            const int gerollt = leiste->value();
            const QPoint oben = g->mapFrom(sicht, QPoint(20, 3));
            Maus(g, QEvent::MouseMove, oben, Qt::LeftButton);
            QVERIFY(r.VertScrollTimer->isActive());
            QTRY_VERIFY_WITH_TIMEOUT(leiste->value() < gerollt, 3000);

            Maus(g, QEvent::MouseButtonRelease, g->mapFrom(sicht, QPoint(20, 3)), Qt::NoButton);
            QVERIFY(!r.VertScrollTimer->isActive());
            QCOMPARE(f.Meldung.Titel(), QStringList{"Hinweis"});
            Schliessen()(w);
        }}));
    }

    // The text table goes into the chosen file as the core builds it; a file that cannot be written is
    // reported, and nothing is left behind.
    void csv_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("geschrieben");
        QTest::newRow("Datei") << "plan.txt" << true;
        QTest::newRow("Ordner fehlt") << "fehlt/plan.txt" << false;
    }
    void csv() {
        QFETCH(QString, name);
        QFETCH(bool, geschrieben);
        TPlanfall f(2, {"A|Raum 5|1,49", "D|Raum 7|3"});
        const QString datei = f.Ordner.filePath(name);
        f.Dateiwahl.Antworten = {datei};
        QByteArray erwartet;
        QVERIFY(f.Oeffnen({[&](QDialog& w) {
            TFRaumbelegung& r = Als<TFRaumbelegung>(w);
            erwartet = RaumplanCsv(r.Plan());
            r.Export1->trigger();
            Schliessen()(w);
        }}));
        QCOMPARE(f.Dateiwahl.Anfragen.size(), qsizetype{1});
        const TDateiAuswahl& a = f.Dateiwahl.Anfragen[0];
        QCOMPARE(a.Titel, QStringLiteral("Raumbelegung exportieren"));
        QCOMPARE(a.Filter, QStringLiteral("csv-Tabelle (*.csv *.txt);;Alle Dateien (*)"));
        QCOMPARE(a.Endung, QStringLiteral("txt"));
        QCOMPARE(a.Ordner, DesktopOrdner());
        QVERIFY(a.Name.isEmpty());
        QFile f2(datei);
        QCOMPARE(f2.exists(), geschrieben);
        if (geschrieben) {
            QVERIFY(f2.open(QIODevice::ReadOnly));
            QCOMPARE(f2.readAll(), erwartet);
            QVERIFY(f.Meldung.Protokoll.isEmpty());
        } else {
            QCOMPARE(f.Meldung.Titel(), QStringList{"Fehler"});
            QVERIFY(f.Meldung.Protokoll[0].Text.contains(QStringLiteral("Der Ordner existiert nicht.")));
        }
    }

    // Opened from the print or PDF choice, the plan comes up with its print dialog of that kind.
    void ausgabeAmStart_data() {
        QTest::addColumn<bool>("alsPdf");
        QTest::newRow("Drucken") << false;
        QTest::newRow("PDF") << true;
    }
    void ausgabeAmStart() {
        QFETCH(bool, alsPdf);
        TPlanfall f(1, {"A|Raum 5|1"});
        QString titel;
        QString knopf;
        QString hinweis;
        bool aktiv = false;
        int raeume = -1;
        int dialoge = 0;
        // The dialog may come up before the plan was ever the active window.
        const TSchritt schritt = [&](QDialog& w) {
            if (auto* d = qobject_cast<TFPrintRaumplan*>(&w)) {
                ++dialoge;
                titel = d->windowTitle();
                knopf = d->BtnAusgabe->text();
                hinweis = d->BtnAusgabe->toolTip();
                aktiv = d->BtnAusgabe->isEnabled();
                raeume = d->Raeume->checkedId();
                QCOMPARE(d->Info->checkedId(), 0);
                d->BtnAbbrechen->click();
            } else if (dialoge > 0) {
                Schliessen()(w);
            }
        };
        TDialogFolge folge({schritt, schritt, schritt});
        f.Raeume.RaumplanAusgeben(alsPdf);
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(dialoge, 1);
        QCOMPARE(titel, alsPdf ? "Raumbelegung: Als PDF speichern" : "Raumbelegung: Drucken");
        QCOMPARE(knopf, alsPdf ? "PDF-Dokument ..." : "Drucken");
        QCOMPARE(hinweis, alsPdf ? QStringLiteral("Speichern") : QPrinterInfo::defaultPrinterName());
        QCOMPARE(aktiv, alsPdf || !QPrinterInfo::defaultPrinterName().isEmpty());
        QCOMPARE(raeume, static_cast<int>(TRaumdruckWahl::Markierte));
        QVERIFY(f.Dateiwahl.Anfragen.isEmpty());
    }

    // The PDF of the chosen rooms, saved where the PDF choice points, read back as a reader sees it; a
    // choice that takes no room says so and asks for no file.
    void pdf_data() {
        QTest::addColumn<int>("wahl");
        QTest::addColumn<int>("markiert");
        QTest::addColumn<bool>("mitEltern");
        QTest::addColumn<QStringList>("gedruckt");
        QTest::addColumn<QStringList>("nicht");
        QTest::newRow("alle belegten")
            << 0 << -1 << false << QStringList{"Raum 5", "Raum 7", "Herr A", "Herr D"}
            << QStringList{"Aula", "F1"};
        QTest::newRow("mehrfach, mit Eltern")
            << 1 << -1 << true << QStringList{"Raum 5", "Herr A", "Herr B", "F1", "F3"}
            << QStringList{"Raum 7"};
        QTest::newRow("markiert") << 2 << 3 << false << QStringList{"Raum 7", "Herr D"}
                                  << QStringList{"Raum 5"};
        QTest::newRow("nichts markiert") << 2 << -1 << false << QStringList{} << QStringList{};
    }
    void pdf() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QFETCH(int, wahl);
        QFETCH(int, markiert);
        QFETCH(bool, mitEltern);
        QFETCH(QStringList, gedruckt);
        QFETCH(QStringList, nicht);
        TPlanfall f(1, {"A|Raum 5|1,2", "B|Raum 5|4", "D|Raum 7|3", "G|Aula|"});
        f.Druck.Stand.PdfOrdner = f.Ordner.path();
        const QString datei = f.Ordner.filePath(QStringLiteral("plan.pdf"));
        f.Dateiwahl.Antworten = {datei};
        QVERIFY(f.Oeffnen({[&](QDialog& w) {
                               TFRaumbelegung& r = Als<TFRaumbelegung>(w);
                               if (markiert > 0) r.StringGrid1->Markieren(markiert);
                               QTimer::singleShot(0, r.ExportPdf1, &QAction::trigger);
                           },
                           Fuer<TFPrintRaumplan>([&](QDialog& w) {
                               auto& d = Als<TFPrintRaumplan>(w);
                               d.Raeume->button(wahl)->click();
                               d.Info->button(mitEltern ? 1 : 0)->click();
                               d.BtnAusgabe->click();
                           }),
                           Schliessen()}));
        if (gedruckt.isEmpty()) {
            QCOMPARE(f.Meldung.Protokoll.size(), qsizetype{1});
            QCOMPARE(f.Meldung.Protokoll[0].Text, QString::fromUtf8(RaumdruckLeerText));
            QVERIFY(f.Dateiwahl.Anfragen.isEmpty());
            return;
        }
        QCOMPARE(f.Dateiwahl.Anfragen.size(), qsizetype{1});
        const TDateiAuswahl& a = f.Dateiwahl.Anfragen[0];
        QCOMPARE(a.Titel, QStringLiteral("Raumbelegung als PDF speichern"));
        QCOMPARE(a.Ordner, f.Ordner.path());
        QCOMPARE(a.Name, QStringLiteral("VEL2027 - Raumbelegung.pdf"));
        QCOMPARE(a.Endung, QStringLiteral("pdf"));
        const QString text = PdfText(datei);
        for (const QString& t : gedruckt)
            QVERIFY2(text.contains(t), qPrintable(t + u'\n' + text));
        for (const QString& t : nicht)
            QVERIFY2(!text.contains(t), qPrintable(t + u'\n' + text));
        QVERIFY(f.Meldung.Protokoll.isEmpty());
    }

    // Printing goes to the print commands' printer as one job, a page per room.
    void drucken() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        TPlanfall f(1, {"A|Raum 5|1", "D|Raum 7|3"});
        const QString datei = f.Ordner.filePath(QStringLiteral("druck.pdf"));
        f.Druck.Drucker().setOutputFormat(QPrinter::PdfFormat);
        f.Druck.Drucker().setOutputFileName(datei);
        QVERIFY(f.Oeffnen(
            {[&](QDialog& w) { QTimer::singleShot(0, Als<TFRaumbelegung>(w).Drucken1, &QAction::trigger); },
             Fuer<TFPrintRaumplan>([&](QDialog& w) {
                 auto& d = Als<TFPrintRaumplan>(w);
                 QVERIFY(d.BtnAusgabe->isEnabled());
                 QCOMPARE(d.BtnAusgabe->toolTip(), datei);
                 d.Raeume->button(0)->click();
                 d.BtnAusgabe->click();
             }),
             Schliessen()}));
        QCOMPARE(f.Druck.Drucker().docName(), QStringLiteral("VEL-Raumbelegung"));
        QCOMPARE(PdfSeitenzahl(datei), 2);
        QVERIFY(PdfText(datei, 1).contains(QStringLiteral("Raum 5")));
        QVERIFY(PdfText(datei, 2).contains(QStringLiteral("Raum 7")));
        QVERIFY(f.Meldung.Protokoll.isEmpty());
    }
};

VEL_TEST(TstRaumbelegung)
#include "tst_Raumbelegung.moc"
