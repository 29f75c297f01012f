#include "Eingabetest.h"
#include "FensterTest.h"
#include "common/TestHaupt.h"
#include "exchange/ui/AustauschBefehle.h"
#include "exchange/ui/FamilienDialoge.h"
#include "exchange/ui/ImportDlg.h"
#include "model/Dateneingabe.h"
#include "model/Projekt.h"
#include "model/Projektdatei.h"
#include "settings/Einstellungen.h"
#include "ui/Arbeitsflaeche.h"

#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

QString Schreiben(const QTemporaryDir& ordner, const QString& name, const QByteArray& inhalt) {
    const QString pfad = ordner.filePath(name);
    QFile f(pfad);
    if (f.open(QIODevice::WriteOnly)) f.write(inhalt);
    return pfad;
}

QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QByteArray Lehrerdatei =
    "Anrede;Name;Kuerzel;Raum\r\n1;Meier;ME;101\r\n0;Dr. Abel;AB;102\r\nw;Cordes;ME;\r\n";

QStringList Liste(const TImportDlgf& d) {
    QStringList l;
    for (int i = 0; i < d.FelderLB->count(); ++i)
        l << d.FelderLB->item(i)->text();
    return l;
}

QStringList Spaltentitel(const TImportDlgf& d) {
    QStringList l;
    const QAbstractItemModel* m = d.lvDaten->model();
    for (int k = 0; k < m->columnCount(); ++k)
        l << m->headerData(k, Qt::Horizontal).toString();
    return l;
}

void Zuordnen(TImportDlgf& d, std::initializer_list<int> ziele) {
    for (const int z : ziele)
        QVERIFY(d.Zuordnen(z, z));
}

void Ablegen(QWidget* ziel, const QByteArray& inhalt, const QString& art = QLatin1String(ImportfeldMime)) {
    QMimeData daten;
    daten.setData(art, inhalt);
    QDropEvent drop(QPointF(5, 5), Qt::MoveAction, &daten, Qt::LeftButton, Qt::NoModifier);
    // Without a drag in progress the application passes no drop on; the widget's handler takes it.
    static_cast<QObject*>(ziel)->event(&drop);
}

// The field list takes drops through its viewport, whose events the list handles.
struct TListenzugang : TFelderListe {
    using TFelderListe::viewportEvent;
};

void InListeAblegen(TFelderListe* liste, const QByteArray& inhalt) {
    QMimeData daten;
    daten.setData(QLatin1String(ImportfeldMime), inhalt);
    QDropEvent drop(QPointF(5, 5), Qt::MoveAction, &daten, Qt::LeftButton, Qt::NoModifier);
    bool (QAbstractItemView::*ereignis)(QEvent*) = &TListenzugang::viewportEvent;
    (liste->*ereignis)(&drop);
}

// The import dialog of a file, on a project, messages and settings store of the test's own.
struct TDialogTest {
    QTemporaryDir Ordner;
    TEinstellungsSpeicher Speicher{Ordner.filePath(QStringLiteral("vel.ini"))};
    TSkriptMeldung Meldung;
    std::unique_ptr<TProjekt> Projekt = ProjektMitRahmen();
    TRueckCollection Rueck;
    TFamilienImportStand Stand;
    TFamilienFragen* Fragen = nullptr; // the dialogs when none
    std::unique_ptr<TImportDlgf> Dlg;

    TImportDlgf& Oeffnen(const QByteArray& inhalt, bool lehrer) {
        Dlg.reset();
        Dlg = std::make_unique<TImportDlgf>(Schreiben(Ordner, QStringLiteral("import.txt"), inhalt), lehrer,
                                            1, *Projekt, Meldung, Speicher, nullptr);
        if (!lehrer) Dlg->FamilienSetzen(Rueck, false, Stand, Fragen);
        return *Dlg;
    }
};

QStringList Kinder(const TProjekt& p) {
    QStringList l;
    for (const auto& e : p.Elternliste)
        for (const auto& k : e->Kinder)
            l << e->Name + u':' + k->Vorname + u':' + k->Klasse;
    return l;
}

} // namespace

// The import dialog: assigning columns by drag and drop, encodings, the header, the remembered
// assignment and the questions before and during the import.
class TstImportdialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The dialog as the user sees it: every target panel framed on all sides and a long field name cut
    // with "…" in it, the preview's columns sharing the table's width, the dots of capital umlauts
    // within the field list's rows.
    void gestalt() {
        TDialogTest t;
        const QByteArray lang = "Nachname der Lehrkraft laut Schulverwaltungsprogramm (ohne Titel)";
        TImportDlgf& d = t.Oeffnen("\xC4\xD6\xDC;" + lang + ";Raum\r\nM\xDC;\xD6zt\xFCrk;101\r\n", true);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        int summe = 0;
        for (int k = 0; k < 3; ++k) {
            QVERIFY(qAbs(d.lvDaten->columnWidth(k) - d.lvDaten->viewport()->width() / 3) <= 2);
            summe += d.lvDaten->columnWidth(k);
        }
        QCOMPARE(summe, d.lvDaten->viewport()->width());

        const int breite = d.width();
        QVERIFY(d.Zuordnen(LName, 1));
        QCOMPARE(d.width(), breite);
        const auto ort = [&d](const QWidget* w) { return QRect(w->mapTo(&d, QPoint()), w->size()); };
        for (TFeldPanel* p : d.P) {
            QVERIFY(!ort(p).intersects(ort(d.Rahmen2)));
            const QImage bild = p->grab().toImage();
            const int mitte = qGray(bild.pixel(bild.width() / 2, 1 + bild.height() / 2));
            for (const QPoint rand :
                 {QPoint(0, bild.height() / 2), QPoint(bild.width() - 1, bild.height() / 2),
                  QPoint(bild.width() / 4, 0), QPoint(bild.width() / 4, bild.height() - 1)})
                QVERIFY2(qGray(bild.pixel(rand)) < mitte - 40, qPrintable(p->objectName()));
        }
        QVERIFY(d.P[LName]->Gezeigt().endsWith(u'…'));

        // The dots drawn in the row as many as in the text drawn without any bounds.
        const QListWidgetItem* umlaute = d.FelderLB->item(0);
        QCOMPARE(umlaute->text(), "ÄÖÜ");
        d.FelderLB->setCurrentRow(-1);
        d.FelderLB->clearSelection();
        const auto dunkel = [](const QImage& bild, const QRect& bereich) {
            int n = 0;
            for (int y = bereich.top(); y <= bereich.bottom(); ++y)
                for (int x = bereich.left(); x <= bereich.right(); ++x)
                    n += qGray(bild.pixel(x, y)) < 128;
            return n;
        };
        const QRect zeile = d.FelderLB->visualItemRect(umlaute);
        const int gezeichnet = dunkel(d.FelderLB->viewport()->grab().toImage(), zeile);
        QImage frei(200, 100, QImage::Format_RGB32);
        frei.fill(Qt::white);
        {
            QPainter maler(&frei);
            maler.setFont(d.FelderLB->font());
            maler.drawText(20, 60, QStringLiteral("ÄÖÜ"));
        }
        const int vollstaendig = dunkel(frei, frei.rect());
        QVERIFY2(gezeichnet >= vollstaendig * 97 / 100,
                 qPrintable(QStringLiteral("%1 < %2").arg(gezeichnet).arg(vollstaendig)));
    }

    // After every move the entry before the dragged field is selected, or OK takes the focus when the
    // list is empty.
    void auswahlNachZiehen() {
        TDialogTest t;
        TImportDlgf& d = t.Oeffnen("A;B;C;D\r\n1;2;3;4\r\n", true);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const auto gewaehlt = [&d] {
            return d.FelderLB->currentItem() ? d.FelderLB->currentItem()->text() : QString();
        };
        QVERIFY(d.Zuordnen(LName, 2));
        QCOMPARE(gewaehlt(), "B");
        QVERIFY(d.Zuordnen(LAnrede, 0));
        QCOMPARE(gewaehlt(), "B");
        QVERIFY(d.Verschieben(LName, LRaum));
        QCOMPARE(gewaehlt(), "B");
        QVERIFY(d.Freigeben(LRaum));
        QCOMPARE(gewaehlt(), "B");
        QVERIFY(d.Freigeben(LAnrede));
        QCOMPARE(gewaehlt(), "A");
        for (int k = 0; k < 4; ++k)
            QVERIFY(d.Zuordnen(k, k));
        QCOMPARE(d.FelderLB->count(), 0);
        QCOMPARE(QApplication::focusWidget(), d.BtnOk);
    }

    // An empty file, and one that only looks empty, shows no field and no record; without records the
    // list begins with the first record.
    void leereDatei_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::newRow("leer") << QByteArray();
        QTest::newRow("Leerzeilen") << QByteArray("\r\n   \r\n");
        QTest::newRow("nur Byte-Order-Mark") << QByteArray("\xEF\xBB\xBF");
    }
    void leereDatei() {
        QFETCH(QByteArray, inhalt);
        TDialogTest t;
        TImportDlgf& d = t.Oeffnen(inhalt, true);
        QCOMPARE(d.FelderLB->count(), 0);
        QCOMPARE(d.lvDaten->model()->rowCount(), 0);
        QCOMPARE(d.lvDaten->model()->columnCount(), 0);
        QCOMPARE(d.Label5->text(), "Anzahl der Datensätze in dieser Datenbank: 0");
        QVERIFY(d.RBDatensatz->isChecked());
        d.OkClick();
        QCOMPARE(t.Meldung.Titel(), QStringList{"Name fehlt"});
    }

    void felderZiehen() {
        TDialogTest t;
        TImportDlgf& d = t.Oeffnen("Name;;Raum\r\nMeier;x;101\r\nAbel;y;102\r\n", true);
        QCOMPARE(Liste(d), QStringList({"Name", "?", "Raum"}));
        // An empty field name: the first line is data.
        QVERIFY(d.RBDatensatz->isChecked());
        QCOMPARE(d.Label5->text(), "Anzahl der Datensätze in dieser Datenbank: 3");
        QVERIFY(d.Zuordnen(LName, 0));
        QVERIFY(!d.Zuordnen(LName, 2));
        QVERIFY(!d.Zuordnen(LRaum, 0));
        QCOMPARE(d.P[LName]->text(), "Name");
        QCOMPARE(Liste(d), QStringList({"?", "Raum"}));
        QVERIFY(d.Zuordnen(LKuerzel, 1));
        QCOMPARE(d.P[LKuerzel]->text(), "(- -)");
        QVERIFY(d.Verschieben(LKuerzel, LRaum));
        QCOMPARE(d.Zuordnung(), (TFeldzuordnung{-1, -1, -1, 0, -1, 1}));
        QVERIFY(!d.Verschieben(LName, LRaum));
        QVERIFY(d.Freigeben(LRaum));
        QCOMPARE(Liste(d), QStringList({"?", "Raum"}));
        QCOMPARE(d.P[LRaum]->text(), QString());

        // The same moves as drops: list to panel, panel to panel, panel to list; others' data is ignored.
        Ablegen(d.P[LRaum], "-1;2");
        QCOMPARE(d.Zuordnung()[LRaum], 2);
        Ablegen(d.P[LName], "-1;1");
        QCOMPARE(d.Zuordnung()[LName], 0);
        Ablegen(d.P[LAnrede], QByteArray::number(LRaum) + ";-1");
        QCOMPARE(d.Zuordnung(), (TFeldzuordnung{2, -1, -1, 0, -1, -1}));
        InListeAblegen(d.FelderLB, QByteArray::number(LAnrede) + ";-1");
        QCOMPARE(d.Zuordnung(), (TFeldzuordnung{-1, -1, -1, 0, -1, -1}));
        Ablegen(d.P[LRaum], "-1;1", QStringLiteral("text/plain"));
        QCOMPARE(d.Zuordnung()[LRaum], -1);
        QCOMPARE(Liste(d), QStringList({"?", "Raum"}));
    }

    // The family mode has five targets; a sixth cannot be assigned.
    void familienziele() {
        TDialogTest t;
        TImportDlgf& d = t.Oeffnen("Vorname;Name;Klasse;Telefon;Ort;X\r\nA;B;5a;1;O;X\r\n", false);
        QVERIFY(d.windowTitle().startsWith("Eltern/Schüler-Daten importieren aus import.txt"));
        QVERIFY(d.Label3->text().endsWith("Schülerdaten."));
        QVERIFY(d.L[4]->isVisibleTo(&d));
        QVERIFY(!d.L[5]->isVisibleTo(&d));
        QCOMPARE(d.L[SNachname]->text(), "Nachname");
        QVERIFY(!d.Zuordnen(5, 5));
        QCOMPARE(d.Label2->text(), QString());
    }

    void kopfUmschalten() {
        TDialogTest t;
        TImportDlgf& d = t.Oeffnen("Name;Raum\r\nMeier;101\r\n", true);
        QVERIFY(d.RBFeldbezeichnungen->isChecked());
        QCOMPARE(d.lvDaten->model()->rowCount(), 1);
        QVERIFY(d.Zuordnen(LName, 0));
        d.RBDatensatz->click();
        QCOMPARE(d.lvDaten->model()->rowCount(), 2);
        QCOMPARE(Spaltentitel(d), QStringList({"Name", ""}));
        QCOMPARE(d.lvDaten->model()->index(0, 1).data().toString(), "Raum");
        QCOMPARE(d.Label5->text(), "Anzahl der Datensätze in dieser Datenbank: 2");
        d.RBFeldbezeichnungen->click();
        QCOMPARE(Spaltentitel(d), QStringList({"Name", "Raum"}));
        QCOMPARE(d.lvDaten->model()->rowCount(), 1);
    }

    void kodierung_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<int>("gewaehlt");
        QTest::addColumn<QList<bool>>("frei");
        QTest::addColumn<QString>("zelle");
        QTest::newRow("UTF-8 mit BOM") << QByteArray("\xEF\xBB\xBFName\r\nM\xC3\xBCller\r\n") << 2
                                       << QList<bool>{false, false, false} << "Müller";
        QTest::newRow("UTF-8-Umlaut")
            << QByteArray("Name\r\nM\xC3\xBCller\r\n") << 2 << QList<bool>{false, false, false} << "Müller";
        QTest::newRow("DOS-ü") << QByteArray("Name\r\nM\x81ller\r\n") << 0 << QList<bool>{false, false, false}
                               << "Müller";
        QTest::newRow("weder UTF-8 noch DOS") << QByteArray("Name\r\nM\xFCller Stra\xDF"
                                                            "e\r\n")
                                              << 1 << QList<bool>{false, false, false} << "Müller Straße";
        QTest::newRow("kein UTF-8") << QByteArray("Name\r\nM\xFCller\r\n") << 1
                                    << QList<bool>{true, true, false} << "Müller";
        QTest::newRow("frei") << QByteArray("Name\r\nMeier\r\n") << 1 << QList<bool>{true, true, true}
                              << "Meier";
        QTest::newRow("DOS-ü nach vier Zeilen")
            << QByteArray("Name\r\nAbel\r\nBerg\r\nCordes\r\nM\x81ller\r\n") << 0
            << QList<bool>{true, true, true} << "Abel";
        QTest::newRow("UTF-8 mit einer Zeile Windows-Text")
            << QByteArray("Name\r\nJ\xE4ger\r\nM\xC3\xBCller\r\n") << 2 << QList<bool>{true, true, true}
            << QString::fromUtf8("J\uFFFDger");
    }
    void kodierung() {
        QFETCH(QByteArray, inhalt);
        QFETCH(int, gewaehlt);
        QFETCH(QList<bool>, frei);
        QFETCH(QString, zelle);
        TDialogTest t;
        TImportDlgf& d = t.Oeffnen(inhalt, true);
        QVERIFY(d.RBKodierung[gewaehlt]->isChecked());
        for (int i = 0; i < 3; ++i)
            QCOMPARE(d.RBKodierung[i]->isEnabled(), frei[i]);
        QCOMPARE(d.lvDaten->model()->index(0, 0).data().toString(), zelle);
    }

    // A file of UTF-8 with lines of another encoding is told once when the dialog opens, and the names
    // UTF-8 cannot read are marked until another encoding reads them.
    void gemischteKodierung_data() {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("gemischt") << QByteArray("Name;Vorname;Klasse\r\nJ\xE4ger;J\xF6rg;5a\r\nM\xC3\xBC"
                                                "ller;J\xC3\xBCrgen;5b\r\n")
                                  << "Die Datei ist nicht durchgehend UTF-8: Zeile 2 enthält Zeichen einer "
                                     "anderen Kodierung, die als UTF-8 nicht lesbar sind und als \"?\" "
                                     "gespeichert werden.\r\rBitte prüfen Sie die markierten Namen oder "
                                     "wählen Sie eine andere Kodierung.";
        QTest::newRow("reines UTF-8")
            << QByteArray("Name;Vorname;Klasse\r\nJ\xC3\xA4ger;J\xC3\xB6rg;5a\r\n") << "";
        QTest::newRow("reines Windows") << QByteArray("Name;Vorname;Klasse\r\nJ\xE4ger;J\xF6rg;5a\r\n") << "";
    }
    void gemischteKodierung() {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, meldung);
        TDialogTest t;
        TImportDlgf& d = t.Oeffnen(inhalt, false);
        d.show();
        QTest::qWait(50);
        for (int i = 0; i < 2; ++i) {
            if (meldung.isEmpty()) {
                QVERIFY(t.Meldung.Protokoll.isEmpty());
                continue;
            }
            QCOMPARE(t.Meldung.Protokoll.size(), 1);
            QCOMPARE(t.Meldung.Protokoll[0].Text, meldung);
            QCOMPARE(t.Meldung.Protokoll[0].Titel, "Kodierung prüfen");
            QCOMPARE(t.Meldung.Protokoll[0].Art, MeldungsArt::Warnung);
            d.hide();
            d.show();
            QTest::qWait(50);
        }
        const QAbstractItemModel* m = d.lvDaten->model();
        QCOMPARE(m->index(0, 0).data(Qt::BackgroundRole).isValid(), !meldung.isEmpty());
        QCOMPARE(m->index(0, 1).data(Qt::BackgroundRole).isValid(), !meldung.isEmpty());
        QVERIFY(!m->index(0, 2).data(Qt::BackgroundRole).isValid());
        if (meldung.isEmpty()) return;
        QVERIFY(!m->index(1, 0).data(Qt::BackgroundRole).isValid());
        d.RBKodierung[1]->click();
        QCOMPARE(m->index(0, 0).data().toString(), "Jäger");
        QVERIFY(!m->index(0, 0).data(Qt::BackgroundRole).isValid());
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
    }

    // Another encoding decodes table, captions and field list again from the bytes. „ inside words is
    // no Windows text: the dialog proposes DOS text, and leaves the choice open.
    void umkodieren() {
        TDialogTest t;
        TImportDlgf& d = t.Oeffnen("N\x84me\r\nM\x84ller\r\n", true);
        QVERIFY(d.RBKodierung[0]->isChecked());
        QCOMPARE(d.lvDaten->model()->index(0, 0).data().toString(), "Mäller");
        QVERIFY(d.RBKodierung[1]->isEnabled());
        d.RBKodierung[1]->click();
        QCOMPARE(d.lvDaten->model()->index(0, 0).data().toString(), "M„ller");
        QCOMPARE(Spaltentitel(d), QStringList({"N„me"}));
        QCOMPARE(Liste(d), QStringList({"N„me"}));
        d.RBKodierung[0]->click();
        QCOMPARE(d.lvDaten->model()->index(0, 0).data().toString(), "Mäller");
        QCOMPARE(Spaltentitel(d), QStringList({"Näme"}));
        QCOMPARE(Liste(d), QStringList({"Näme"}));
    }

    // The assignment of an import comes back for a file with the same columns, until it is changed.
    void vorgabe() {
        TDialogTest t;
        {
            TImportDlgf& d = t.Oeffnen(Lehrerdatei, true);
            QVERIFY(!d.Wiederhergestellt());
            QVERIFY(d.Label2->text().startsWith("Tipp:\nWenn die Datenbank kein Feld für die Anrede"));
            Zuordnen(d, {LAnrede, LTitel, LZusatz, LName});
            QVERIFY(d.Freigeben(LTitel));
            QVERIFY(d.Freigeben(LZusatz));
            t.Meldung.Antworten = {Antwort::Ja};
            d.OkClick();
            QCOMPARE(d.result(), 1);
        }
        const TImportVorgabe v = ImportVorgabeLesen(t.Speicher, QStringLiteral("ImportL"));
        QCOMPARE(v.DateiTyp, 1u);
        QCOMPARE(v.ASCII, 1u);
        QCOMPARE(v.Spalte[LName], 3);
        QCOMPARE(v.Titel[LName], "Raum");
        {
            TImportDlgf& d = t.Oeffnen(Lehrerdatei, true);
            QVERIFY(d.Wiederhergestellt());
            QCOMPARE(d.Zuordnung(), (TFeldzuordnung{0, -1, -1, 3, -1, -1}));
            QCOMPARE(d.P[LName]->text(), "Raum");
            QVERIFY(d.Label2->text().startsWith("Die Felder dieser Datei konnten wie beim vorigen Import der "
                                                "Lehrerliste zugeordnet werden."));
            QVERIFY(d.Blinkt());
            QVERIFY(d.Freigeben(LName));
            QVERIFY(!d.Blinkt());
            QVERIFY(d.Label2->text().startsWith("Tipp:"));
            QVERIFY(d.Zuordnen(LName, 1));
            QVERIFY(d.Zuordnen(LKuerzel, 2));
            // A list read from its first line on remembers nothing.
            d.RBDatensatz->click();
            d.OkClick();
            QCOMPARE(d.result(), 1);
        }
        QCOMPARE(ImportVorgabeLesen(t.Speicher, QStringLiteral("ImportL")).Spalte[LName], 3);
        // Another caption in an assigned column: no restoring.
        QVERIFY(
            !t.Oeffnen("Anrede;Name;Kuerzel;Zimmer;Raum\r\n1;Meier;ME;1;2\r\n", true).Wiederhergestellt());
        QVERIFY(!t.Oeffnen(Lehrerdatei, false).Wiederhergestellt());
    }

    void fehlendeFelder_data() {
        QTest::addColumn<bool>("lehrer");
        QTest::addColumn<QList<int>>("ziele");
        QTest::addColumn<QList<Antwort>>("antworten");
        QTest::addColumn<QStringList>("fragen");
        QTest::addColumn<int>("ergebnis");
        const QList<Antwort> ja{Antwort::Ja}, nein{Antwort::Nein};
        QTest::newRow("Name fehlt, abbrechen")
            << true << QList<int>{} << ja << QStringList{"Name fehlt"} << 2;
        QTest::newRow("Name fehlt, zurück") << true << QList<int>{} << nein << QStringList{"Name fehlt"} << 0;
        QTest::newRow("Kürzel fehlt, zurück")
            << true << QList<int>{LName} << nein << QStringList{"Kürzel fehlt"} << 0;
        QTest::newRow("Kürzel fehlt, weiter")
            << true << QList<int>{LName} << ja << QStringList{"Kürzel fehlt"} << 1;
        QTest::newRow("Nachname fehlt, abbrechen")
            << false << QList<int>{} << ja << QStringList{"Nachname fehlt"} << 2;
        QTest::newRow("Nachname fehlt, zurück")
            << false << QList<int>{} << nein << QStringList{"Nachname fehlt"} << 0;
        QTest::newRow("Vorname fehlt, abbrechen")
            << false << QList<int>{SNachname} << ja << QStringList{"Vorname fehlt"} << 2;
        QTest::newRow("Vorname fehlt, zurück")
            << false << QList<int>{SNachname} << nein << QStringList{"Vorname fehlt"} << 0;
        QTest::newRow("Klasse fehlt, zurück")
            << false << QList<int>{SNachname, SVorname} << nein << QStringList{"Klasse fehlt"} << 0;
        QTest::newRow("Telefon fehlt, zurück")
            << false << QList<int>{SNachname, SVorname, SKlasse} << nein << QStringList{"Telefon fehlt"} << 0;
        QTest::newRow("Klasse und Telefon fehlen, weiter")
            << false << QList<int>{SNachname, SVorname} << QList<Antwort>{Antwort::Ja, Antwort::Ja}
            << QStringList{"Klasse fehlt", "Telefon fehlt"} << 1;
    }
    void fehlendeFelder() {
        QFETCH(bool, lehrer);
        QFETCH(QList<int>, ziele);
        QFETCH(QList<Antwort>, antworten);
        QFETCH(QStringList, fragen);
        QFETCH(int, ergebnis);
        TDialogTest t;
        TFamilienFragen still;
        t.Fragen = &still;
        LehrerHinzufuegen(*t.Projekt, QStringLiteral("Herr"), QStringLiteral("XY"), QStringLiteral("Alt"), {},
                          {});
        t.Projekt->NeuesKind(t.Projekt->NeueFamilie({}, QStringLiteral("Alt")), QStringLiteral("Kim"),
                             QStringLiteral("1a"));
        TImportDlgf& d = t.Oeffnen("A;B;C;D;E;F\r\nA1;B1;C1;D1;E1;F1\r\n", lehrer);
        for (const int z : ziele)
            QVERIFY(d.Zuordnen(z, z));
        t.Meldung.Antworten = antworten;
        d.OkClick();
        QCOMPARE(t.Meldung.Titel(), fragen);
        for (const auto& e : t.Meldung.Protokoll)
            QCOMPARE(e.Vorgabe, Antwort::Nein);
        QCOMPARE(d.result(), ergebnis);
        const bool geaendert = ergebnis == 1;
        if (lehrer)
            QCOMPARE(t.Projekt->Lehrerliste[0]->Name, geaendert ? "D1" : "Alt");
        else
            QCOMPARE(t.Projekt->Elternliste[0]->Name, geaendert ? "C1" : "Alt");
    }

    void lehrerImport() {
        TDialogTest t;
        TImportDlgf& d = t.Oeffnen(Lehrerdatei, true);
        Zuordnen(d, {LAnrede});
        QVERIFY(d.Zuordnen(LName, 1));
        QVERIFY(d.Zuordnen(LKuerzel, 2));
        QVERIFY(d.Zuordnen(LRaum, 3));
        d.OkClick();
        QCOMPARE(d.result(), 1);
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Text, QString::fromUtf8(ErsatzkuerzelText));
        QVERIFY(d.LehrerErgebnis.AnredeUebersetzt);
        const TLehrerliste& l = t.Projekt->Lehrerliste;
        QCOMPARE(l.Count(), 3);
        QCOMPARE(l[1]->Name, "Abel");
        QCOMPARE(l[1]->AkadTitel, "Dr.");
        QCOMPARE(l[1]->Anrede, "Herr");
        QCOMPARE(l[2]->Kuerzel, "001");
        QCOMPARE(l[2]->Anrede, "Frau");
    }

    // A pupil without class: the choice for all ends the questions of this import.
    void klassenfrage() {
        TDialogTest t;
        TImportDlgf& d = t.Oeffnen("Vorname;Nachname;Klasse;Telefon\r\nAnna;Berg;;1\r\nBen;Cole;;2\r\n"
                                   "Carl;Dorn;5b;3\r\nDora;Ernst;;4\r\nEmil;Fink;;5\r\n",
                                   false);
        Zuordnen(d, {SVorname});
        QVERIFY(d.Zuordnen(SNachname, 1));
        QVERIFY(d.Zuordnen(SKlasse, 2));
        QVERIFY(d.Zuordnen(STelefon, 3));
        TDialogFolge folge({
            [](QDialog& dlg) {
                auto& k = Als<TKlRueckfrgDlg>(dlg);
                QCOMPARE(k.windowTitle(), "Rückfrage wegen fehlender Klassenbezeichnung");
                QCOMPARE(k.LblSchueler->text(), "Bei Anna Berg fehlt die Klassenbezeichnung");
                QCOMPARE(k.RBWahl[0]->text(),
                         "zuletzt verwendete Klassenbezeichnung eintragen (hier: keine!)");
                QVERIFY(k.RBWahl[2]->isChecked());
                QVERIFY(!k.BtnAlle->isEnabled());
                k.EdKlasse->setText(QStringLiteral("7a"));
                k.BtnOk->click();
            },
            [](QDialog& dlg) {
                auto& k = Als<TKlRueckfrgDlg>(dlg);
                QVERIFY(k.RBWahl[2]->isChecked());
                QCOMPARE(k.EdKlasse->text(), "7a");
                k.RBWahl[1]->click();
                k.BtnOk->click();
            },
            [](QDialog& dlg) {
                auto& k = Als<TKlRueckfrgDlg>(dlg);
                QCOMPARE(k.RBWahl[0]->text(), "zuletzt verwendete Klassenbezeichnung eintragen (hier: 5b)");
                QVERIFY(k.RBWahl[1]->isChecked());
                QVERIFY(k.BtnAlle->isEnabled());
                k.RBWahl[0]->click();
                k.BtnAlle->click();
            },
        });
        d.OkClick();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(d.result(), 1);
        QCOMPARE(Kinder(*t.Projekt),
                 QStringList({"Berg:Anna:7a", "Cole:Ben:", "Dorn:Carl:5b", "Ernst:Dora:5b", "Fink:Emil:5b"}));
        QVERIFY(t.Stand.KlassenFolgeImport);
    }

    void geschwisterfrage_data() {
        QTest::addColumn<int>("frage");
        QTest::addColumn<int>("knopf");
        QTest::addColumn<int>("dialoge");
        QTest::addColumn<int>("familien");
        QTest::addColumn<bool>("abgebrochen");
        for (const int frage : {1, 2}) {
            const QByteArray f = "Q" + QByteArray::number(frage);
            QTest::newRow(f + " Ja") << frage << 0 << 2 << 1 << false;
            QTest::newRow(f + " Nein") << frage << 1 << 3 << 3 << false;
            QTest::newRow(f + " Automatisch") << frage << 2 << 1 << 1 << false;
            QTest::newRow(f + " Import abbrechen") << frage << 3 << 1 << 0 << true;
        }
    }
    void geschwisterfrage() {
        QFETCH(int, frage);
        QFETCH(int, knopf);
        QFETCH(int, dialoge);
        QFETCH(int, familien);
        QFETCH(bool, abgebrochen);
        TDialogTest t;
        TImportDlgf& d =
            t.Oeffnen(frage == 1 ? "Vorname;Nachname;Klasse;Telefon\r\nAnna;Berg;5a;\r\nBen;Berg;6b;\r\n"
                                   "Cleo;Berg;7c;\r\n"
                                 : "Vorname;Nachname;Klasse;Telefon\r\nAnna;Berg;5a;040 123456\r\n"
                                   "Ben;Berg;6b;123456\r\nCleo;Berg;7c;56\r\n",
                      false);
        Zuordnen(d, {SVorname});
        QVERIFY(d.Zuordnen(SNachname, 1));
        QVERIFY(d.Zuordnen(SKlasse, 2));
        QVERIFY(d.Zuordnen(STelefon, 3));
        QList<TSchritt> schritte;
        for (int i = 0; i < dialoge; ++i)
            schritte << [frage, knopf, i](QDialog& dlg) {
                auto& r = Als<TRueckFrageForm>(dlg);
                QCOMPARE(r.windowTitle(), frage == 1 ? "Rückfrage wegen fehlender Telefonnummer"
                                                     : "Rückfrage wegen Ähnlichkeit bei der Telefonnummer");
                if (i == 0)
                    QCOMPARE(r.LblFrage->text(),
                             frage == 1
                                 ? "Berg, Ben (6b)\n\nund\n\nBerg, Anna (5a)\n\nhaben kein Telefon. Sind es "
                                   "Geschwister?"
                                 : "Berg, Ben (6b)\n123456\n\nund\n\nBerg, Anna (5a)\n040 123456\n\nhaben "
                                   "eine auffallende Übereinstimmung bei der Telefonnummer.\nSind es "
                                   "Geschwister?");
                QPushButton* knoepfe[] = {r.BtnJa, r.BtnNein, r.BtnAuto, r.BtnAbbrechen};
                knoepfe[knopf]->click();
            };
        TDialogFolge folge(schritte);
        d.OkClick();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(d.result(), 1);
        QCOMPARE(d.FamilienErgebnis.Abgebrochen, abgebrochen);
        QCOMPARE(t.Projekt->Elternliste.Count(), familien);
    }

    // A text longer than a project file holds is refused with OK, quoted by its beginning, before the
    // import changes anything; the user can assign the columns again.
    void zuLangerEintrag_data() {
        QTest::addColumn<bool>("lehrer");
        QTest::newRow("Lehrer") << true;
        QTest::newRow("Schüler") << false;
    }
    void zuLangerEintrag() {
        QFETCH(bool, lehrer);
        TDialogTest t;
        TFamilienFragen still;
        t.Fragen = &still;
        const QByteArray riesig = "M\xFCller" + QByteArray(2'000'000, 'W');
        TImportDlgf& d =
            t.Oeffnen(lehrer ? "Kuerzel;Name;Rufname\r\nAB;Abel;Abel\r\nMU;" + riesig + ";M\xFCller\r\n"
                             : "Vorname;Nachname;Klasse;Telefon;Rufname\r\nAnna;" + riesig + ";5a;1;Berg\r\n",
                      lehrer);
        const QList<int> ziele =
            lehrer ? QList<int>{LKuerzel, LName} : QList<int>{SVorname, SNachname, SKlasse, STelefon};
        for (int k = 0; k < ziele.size(); ++k)
            QVERIFY(d.Zuordnen(ziele[k], k));
        d.OkClick();
        QCOMPARE(t.Meldung.Titel(), QStringList{"Eintrag zu lang"});
        const QString text = t.Meldung.Protokoll[0].Text;
        QVERIFY2(text.size() < 400, qPrintable(text.left(400)));
        QVERIFY(text.contains(QStringLiteral("„Müller") + QString(44, u'W') + u'…'));
        QCOMPARE(d.result(), 0);
        QCOMPARE(t.Projekt->Lehrerliste.Count(), 0);
        QCOMPARE(t.Projekt->Elternliste.Count(), 0);

        // With another column for the name the file is imported.
        const int name = lehrer ? int(LName) : int(SNachname);
        QVERIFY(d.Freigeben(name));
        QVERIFY(d.Zuordnen(name, lehrer ? 2 : 4));
        d.OkClick();
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(d.result(), 1);
        QCOMPARE(lehrer ? t.Projekt->Lehrerliste[1]->Name : t.Projekt->Elternliste[0]->Name,
                 lehrer ? "Müller" : "Berg");
    }

    // Names as long as a file may hold keep the questions of the family import within the screen: they
    // are quoted by their beginning, and every button stays in reach.
    void riesigeNamen_data() {
        QTest::addColumn<int>("frage");
        QTest::newRow("Klasse fehlt") << 0;
        QTest::newRow("ohne Telefon") << 1;
        QTest::newRow("ähnliches Telefon") << 2;
        QTest::newRow("Familienname") << 3;
    }
    void riesigeNamen() {
        QFETCH(int, frage);
        TSkriptMeldung meldung;
        TFensterFragen fragen(meldung, nullptr);
        const QString riesig = QStringLiteral("Wąsowski") + QString(200'000, u'W');
        const QString anfang = QStringLiteral("Wąsowski") + QString(42, u'W') + u'…';
        TProjekt p;
        TEltern* f = p.NeueFamilie(QStringLiteral("Familie"), riesig);
        p.NeuesKind(f, riesig, riesig);
        f->Telefon = QStringLiteral("040 ") + QString(30000, u'1');
        const TImportSatz satz{riesig, riesig, riesig, riesig, riesig};
        QRect flaeche, rahmen, innen;
        QList<QRect> knoepfe;
        QString texte;
        TDialogFolge folge({[&](QDialog& d) {
            flaeche = Arbeitsflaeche(&d);
            rahmen = d.frameGeometry();
            innen = d.rect();
            for (const QPushButton* b : d.findChildren<QPushButton*>()) {
                knoepfe << QRect(b->mapTo(&d, QPoint()), b->size());
                texte += b->text();
            }
            for (const QLabel* l : d.findChildren<QLabel*>())
                texte += l->text();
            for (const QRadioButton* r : d.findChildren<QRadioButton*>())
                texte += r->text();
            d.reject();
        }});
        switch (frage) {
        case 0:
            fragen.KlasseFehlt(satz, riesig);
            break;
        case 3:
            fragen.Familienname(*f, satz);
            break;
        default:
            fragen.Geschwister(frage, satz, *f, false);
        }
        QCOMPARE(folge.Offen(), 0);
        QVERIFY2(flaeche.contains(rahmen),
                 qPrintable(QStringLiteral("%1x%2").arg(rahmen.width()).arg(rahmen.height())));
        QVERIFY(!knoepfe.isEmpty());
        for (const QRect& k : knoepfe)
            QVERIFY(innen.contains(k));
        QVERIFY(texte.contains(anfang));
        QVERIFY2(texte.size() < 3000, qPrintable(QString::number(texte.size())));
    }

    // The same phone under another surname: a plain question, then which name the family keeps.
    void gleichesTelefon_data() {
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<QStringList>("kinder");
        QTest::newRow("Nein") << Antwort::Nein << QStringList{"Schmidt:Anna:5a", "Schmitt:Ben:6b"};
        QTest::newRow("Ja") << Antwort::Ja << QStringList{"Schmitt:Anna Schmidt:5a", "Schmitt:Ben:6b"};
    }
    void gleichesTelefon() {
        QFETCH(Antwort, antwort);
        QFETCH(QStringList, kinder);
        TDialogTest t;
        TImportDlgf& d = t.Oeffnen(
            "Vorname;Nachname;Klasse;Telefon\r\nAnna;Schmidt;5a;111\r\nBen;Schmitt;6b;111\r\n", false);
        Zuordnen(d, {SVorname});
        QVERIFY(d.Zuordnen(SNachname, 1));
        QVERIFY(d.Zuordnen(SKlasse, 2));
        QVERIFY(d.Zuordnen(STelefon, 3));
        t.Meldung.Antworten = {antwort};
        QList<TSchritt> schritte;
        if (antwort == Antwort::Ja)
            schritte << [](QDialog& dlg) {
                auto& n = Als<TFamilDlgF>(dlg);
                QCOMPARE(n.windowTitle(), "Elternimport");
                QCOMPARE(n.PFamilie->text(), "Anna Schmidt");
                QCOMPARE(n.PSchueler->toolTip(), "Hier klicken, um Schmitt einzutragen");
                QCOMPARE(n.EdName->text(), "Schmidt");
                n.EdName->clear();
                QVERIFY(!n.BtnOk->isEnabled());
                n.PSchueler->click();
                QCOMPARE(n.EdName->text(), "Schmitt");
                n.BtnOk->click();
            };
        TDialogFolge folge(schritte);
        d.OkClick();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(t.Meldung.Titel(), QStringList{"Geschwistererkennung"});
        QCOMPARE(t.Meldung.Protokoll[0].Text,
                 "Schmitt, Ben (6b)\r111\r\rund\r\rSchmidt, Anna (5a)\r111\r\rhaben "
                 "die gleiche Telefonnummer.\rSind es Geschwister?");
        QCOMPARE(Kinder(*t.Projekt), kinder);
    }
};

VEL_TEST(TstImportdialog)

// The exchange commands of the main window's file menu.
class TstAustausch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void importsperre() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        const int vorher = t.Fenster->Projekt()->Lehrerliste.Count();
        QVERIFY(t.Fenster->impL1->isEnabled());
        t.Fenster->impL1->trigger();
        QCOMPARE(t.Meldung.Titel(), QStringList{"Importsperre"});
        QCOMPARE(t.Meldung.Protokoll[0].Text, "Eltern haben Wünsche an die derzeitige "
                                              "Lehrerliste.\r\rDeshalb können Sie diese nicht ersetzen!");
        QVERIFY(t.Dateiwahl.Anfragen.isEmpty());
        QCOMPARE(t.Fenster->Projekt()->Lehrerliste.Count(), vorher);
        QVERIFY(!t.Fenster->Dokument.IstGeaendert());
    }

    void lehrerImport_data() {
        QTest::addColumn<QString>("art");
        QTest::newRow("Textdatei") << "txt";
        QTest::newRow("Lehrerdatei") << "ldt";
        QTest::newRow("Lehrerdatei mit großer Endung") << "LDT";
        QTest::newRow("Projekt") << "pdt";
    }
    void lehrerImport() {
        QFETCH(QString, art);
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(LeeresProjekt());
        f.Dokument.RueckListe().Add(std::make_unique<TRueckgEintrag>());
        auto quelle = ProjektMitRahmen();
        LehrerHinzufuegen(*quelle, QStringLiteral("Frau"), QStringLiteral("ZE"), QStringLiteral("Zeh"), {},
                          {});
        LehrerHinzufuegen(*quelle, QStringLiteral("Herr"), QStringLiteral("ME"), QStringLiteral("Meier"), {},
                          {});
        const QString datei = t.Ordner.filePath(QStringLiteral("quelle.") + art);
        QString fehler;
        QList<TSchritt> schritte;
        if (art == QLatin1String("txt")) {
            Schreiben(t.Ordner, QStringLiteral("quelle.txt"), "Name;Kuerzel\r\nZeh;ZE\r\nMeier;ME\r\n");
            // "Neu öffnen..." shows the file dialog again; the second time the columns are assigned.
            schritte << [](QDialog& d) { Als<TImportDlgf>(d).BtnNeu->click(); } << [](QDialog& d) {
                auto& dlg = Als<TImportDlgf>(d);
                QCOMPARE(dlg.windowTitle(), "Lehrerliste importieren aus quelle.txt");
                QVERIFY(dlg.Zuordnen(LName, 0));
                QVERIFY(dlg.Zuordnen(LKuerzel, 1));
                dlg.BtnOk->click();
            };
            t.Dateiwahl.Antworten = {datei, datei};
        } else {
            if (art == QLatin1String("pdt"))
                QVERIFY(ProjektSpeichern(*quelle, datei, fehler));
            else
                QVERIFY(LehrerdateiSpeichern(quelle->Lehrerliste, datei, fehler));
            t.Dateiwahl.Antworten = {datei};
        }
        TDialogFolge folge(schritte);
        f.impL1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(t.Dateiwahl.Anfragen[0].Titel, "Lehrerliste importieren");
        QVERIFY(t.Dateiwahl.Anfragen[0].Filter.startsWith("Textdatei (*.txt *.csv)"));
        QStringList namen;
        for (const auto& l : f.Projekt()->Lehrerliste)
            namen << l->Name;
        QCOMPARE(namen, QStringList({"Meier", "Zeh"}));
        QVERIFY(f.Projekt()->NotizHaken[Notizhaken::LehrerlisteErfasst]);
        QVERIFY(f.Dokument.IstGeaendert());
        QVERIFY(f.Dokument.RueckListe().Leer());
    }

    // A damaged teacher file or project is refused with a message and leaves the project unchanged: not
    // marked changed, its teachers kept.
    void lehrerImportAbgelehnt_data() {
        QTest::addColumn<QString>("art");
        QTest::newRow("Lehrerdatei") << "ldt";
        QTest::newRow("Projekt") << "pdt";
    }
    void lehrerImportAbgelehnt() {
        QFETCH(QString, art);
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        auto projekt = ProjektMitRahmen();
        LehrerHinzufuegen(*projekt, QStringLiteral("Frau"), QStringLiteral("ZE"), QStringLiteral("Zeh"), {},
                          {});
        f.ProjektErsetzen(std::move(projekt));
        f.Dokument.RueckListe().Add(std::make_unique<TRueckgEintrag>());
        t.Dateiwahl.Antworten = {
            Schreiben(t.Ordner, QStringLiteral("kaputt.") + art, "kein gültiger Inhalt")};
        f.impL1->trigger();
        QVERIFY(!t.Meldung.Protokoll.isEmpty());
        QCOMPARE(f.Projekt()->Lehrerliste.Count(), 1);
        QVERIFY(!f.Dokument.IstGeaendert());
    }

    // Salutations given as codes are offered for checking in the salutation editor; letters that name
    // the sex are not ambiguous and are translated without asking.
    void anredeUebersetzt_data() {
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<bool>("editor");
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<bool>("gefragt");
        QTest::addColumn<int>("geoeffnet");
        const QByteArray codes = "G;Name;K\r\n0;Zeh;ZE\r\n1;Uhl;UH\r\n";
        QTest::newRow("ohne Editor") << codes << false << Antwort::Ja << false << 0;
        QTest::newRow("Nein") << codes << true << Antwort::Nein << true << 0;
        QTest::newRow("Ja") << codes << true << Antwort::Ja << true << 1;
        QTest::newRow("Buchstaben") << QByteArray("G;Name;K\r\nm;Zeh;ZE\r\nw;Uhl;UH\r\n") << true
                                    << Antwort::Ja << false << 0;
    }
    void anredeUebersetzt() {
        QFETCH(QByteArray, datei);
        QFETCH(bool, editor);
        QFETCH(Antwort, antwort);
        QFETCH(bool, gefragt);
        QFETCH(int, geoeffnet);
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(ProjektMitRahmen());
        int aufrufe = 0;
        f.Gruppen.Austausch->AnredeEditor = nullptr;
        if (editor) f.Gruppen.Austausch->AnredeEditor = [&aufrufe] { ++aufrufe; };
        t.Dateiwahl.Antworten = {Schreiben(t.Ordner, QStringLiteral("l.txt"), datei)};
        t.Meldung.Antworten = {antwort};
        TDialogFolge folge({[](QDialog& d) {
            auto& dlg = Als<TImportDlgf>(d);
            for (int z = 0; z < 3; ++z)
                QVERIFY(dlg.Zuordnen(QList<int>{LAnrede, LName, LKuerzel}[z], z));
            dlg.BtnOk->click();
        }});
        f.impL1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(t.Meldung.Titel(), gefragt ? QStringList{"Automatischer Anredegenerator"} : QStringList{});
        QCOMPARE(aufrufe, geoeffnet);
        QCOMPARE(f.Projekt()->Lehrerliste.Count(), 2);
    }

    // The window's own salutation editor opens from the question: swapping corrects codes that meant
    // the other way round.
    void anredeEditorNachImport() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(ProjektMitRahmen());
        t.Dateiwahl.Antworten = {Schreiben(t.Ordner, QStringLiteral("l.txt"),
                                           "G;Name;K\r\n0;\xD6zt\xFCrk;\xD6Z\r\n1;M\xFCller;M\xDC\r\n")};
        t.Meldung.Antworten = {Antwort::Ja};
        TDialogFolge folge({[](QDialog& d) {
                                auto& dlg = Als<TImportDlgf>(d);
                                for (int z = 0; z < 3; ++z)
                                    QVERIFY(dlg.Zuordnen(QList<int>{LAnrede, LName, LKuerzel}[z], z));
                                dlg.BtnOk->click();
                            },
                            [](QDialog& d) {
                                QCOMPARE(d.windowTitle(), "Anrede-Editor (Anreden global bearbeiten)");
                                auto* tauschen = d.findChild<QRadioButton*>();
                                QVERIFY(tauschen && tauschen->text() == "Herr / Frau aus&tauschen");
                                tauschen->click();
                                QTest::keyClick(Fokus(d), Qt::Key_Return);
                            }});
        f.impL1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
        QCOMPARE(t.Meldung.Titel(), QStringList{"Automatischer Anredegenerator"});
        QCOMPARE(f.Projekt()->Lehrerliste.FindeKuerzel(QStringLiteral("ÖZ"))->Anrede, "Frau");
        QCOMPARE(f.Projekt()->Lehrerliste.FindeKuerzel(QStringLiteral("MÜ"))->Anrede, "Herr");
        QVERIFY(f.Dokument.IstGeaendert());
    }

    // vel-cli refuses such a file as the dialog does, with a short message, and writes no project.
    void cliZuLang() {
        QTemporaryDir ordner;
        QString fehler;
        const QString projekt = ordner.filePath(QStringLiteral("p.pdt"));
        QVERIFY(ProjektSpeichern(*ProjektMitRahmen(), projekt, fehler));
        const QString datei = Schreiben(ordner, QStringLiteral("l.txt"),
                                        "Name;Kuerzel\r\nM\xFCller" + QByteArray(2'000'000, 'W') + ";WA\r\n");
        QProcess cli;
        cli.start(QStringLiteral(VEL_CLI),
                  {QStringLiteral("import-lehrer"), projekt, datei, QStringLiteral("--feld"),
                   QStringLiteral("Name=Name"), QStringLiteral("--feld"), QStringLiteral("Kürzel=Kuerzel"),
                   QStringLiteral("-o"), ordner.filePath(QStringLiteral("aus.pdt"))});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 2);
        const QString meldung = QString::fromUtf8(cli.readAllStandardError());
        QVERIFY2(meldung.size() < 400, qPrintable(meldung.left(400)));
        QVERIFY(meldung.startsWith(
            QStringLiteral("Im 1. Datensatz ist das Feld „Name“ mit 2000006 Zeichen zu lang")));
        QVERIFY(!QFile::exists(ordner.filePath(QStringLiteral("aus.pdt"))));
    }

    // "Import Abbrechen" ends the command with the teachers as they were.
    void lehrerImportAbbrechen() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(LeeresProjekt());
        t.Dateiwahl.Antworten = {Schreiben(t.Ordner, QStringLiteral("l.csv"), "Name\r\nZeh\r\n")};
        TDialogFolge folge({[](QDialog& d) { Als<TImportDlgf>(d).BtnAbbrechen->click(); }});
        f.impL1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(f.Projekt()->Lehrerliste.Count(), 3);
        QVERIFY(!f.Dokument.IstGeaendert());
    }

    void exportieren_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<bool>("text");
        QTest::newRow("ohne Endung, Lehrerdatei") << "lehrer" << 0 << "lehrer.ldt" << false;
        QTest::newRow("ohne Endung, Textfilter") << "lehrer" << 1 << "lehrer.txt" << true;
        QTest::newRow("ohne Endung, alle Dateien") << "lehrer" << 2 << "lehrer.txt" << true;
        QTest::newRow(".ldt mit Textfilter") << "lehrer.ldt" << 1 << "lehrer.ldt" << false;
        QTest::newRow(".txt mit Lehrerdateifilter") << "lehrer.txt" << 0 << "lehrer.txt" << false;
        QTest::newRow(".csv, Filter unbekannt") << "lehrer.csv" << -1 << "lehrer.csv" << true;
        QTest::newRow("ohne Endung, Filter unbekannt") << "lehrer" << -1 << "lehrer.ldt" << false;
    }
    void exportieren() {
        QFETCH(QString, name);
        QFETCH(int, filter);
        QFETCH(QString, datei);
        QFETCH(bool, text);
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(LeeresProjekt());
        f.Projekt()->Lehrerliste[0]->Raum = QStringLiteral("101");
        t.Dateiwahl.Antworten = {t.Ordner.filePath(name)};
        t.Dateiwahl.Filter = filter;
        QVERIFY(f.expL1->isEnabled());
        f.expL1->trigger();
        QCOMPARE(t.Dateiwahl.Anfragen[0].Titel, "Lehrerliste exportieren");
        const QByteArray inhalt = Lesen(t.Ordner.filePath(datei));
        QVERIFY(!inhalt.isEmpty());
        if (text) {
            QVERIFY(
                inhalt.startsWith("\"Anrede\";\"Akad.Titel\";\"von\";\"Name\";\"K\xFCrzel\";\"Raum\"\r\n"));
            QVERIFY(inhalt.contains("\"Herr\";\"\";\"\";\"Abel\";\"AB\";\"101\"\r\n"));
        } else {
            auto p = ProjektMitRahmen();
            QVERIFY(LehrerdateiLaden(t.Ordner.filePath(datei), *p, t.Meldung));
            QCOMPARE(p->Lehrerliste.Count(), 3);
        }
        QVERIFY(t.Meldung.Protokoll.isEmpty());
        QVERIFY(!f.Dokument.IstGeaendert());
    }

    void exportFehler() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(LeeresProjekt());
        for (const QString& name : {QStringLiteral("fehlt/lehrer.txt"), QStringLiteral("fehlt/lehrer.ldt")}) {
            t.Meldung.Protokoll.clear();
            t.Dateiwahl.Antworten = {t.Ordner.filePath(name)};
            f.expL1->trigger();
            QCOMPARE(t.Meldung.Titel(), QStringList{"Fehler"});
            QVERIFY(t.Meldung.Protokoll[0].Text.startsWith("Die Lehrerliste konnte nicht in die Datei"));
        }
    }

    // During a class-by-class import the next import appends without asking; a project file ends it.
    void familienAusProjekt() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(KleinesProjekt());
        const int vorher = f.Projekt()->Elternliste.Count();
        const QString datei = t.Ordner.filePath(QStringLiteral("quelle.PDT"));
        QString fehler;
        QVERIFY(ProjektSpeichern(*KleinesProjekt(), datei, fehler));
        f.Gruppen.Austausch->Stand.KlassenFolgeImport = true;
        t.Dateiwahl.Antworten = {datei};
        f.impE1->trigger();
        QVERIFY(!t.Meldung.Titel().contains("Elternliste importieren"));
        QCOMPARE(t.Dateiwahl.Anfragen[0].Titel, "Zur Elternliste hinzufügen");
        QCOMPARE(f.Projekt()->Elternliste.Count(), 2 * vorher);
        QVERIFY(!f.Gruppen.Austausch->Stand.KlassenFolgeImport);
        QVERIFY(f.Projekt()->NotizHaken[Notizhaken::ElternlisteErfasst]);

        // Cancelling the file dialog ends a class-by-class import too.
        f.Gruppen.Austausch->Stand.KlassenFolgeImport = true;
        f.impE1->trigger();
        QVERIFY(!f.Gruppen.Austausch->Stand.KlassenFolgeImport);
    }

    // Replacing asks first and renames the project; appending keeps the families.
    void familienImport() {
        TFensterTest t;
        TVELWnd& f = *t.Fenster;
        f.ProjektErsetzen(KleinesProjekt());
        const QString name = f.Dokument.Name();
        TFamilienFragen still;
        f.Gruppen.Austausch->Fragen = &still;
        const QString datei =
            Schreiben(t.Ordner, QStringLiteral("kl.csv"),
                      "Vorname;Nachname;Klasse;Telefon\r\nAnna;Berg;5a;1\r\nBen;Cole;6b;2\r\n");
        const auto zuordnen = [](QDialog& d) {
            auto& dlg = Als<TImportDlgf>(d);
            for (int z : {SVorname, SNachname, SKlasse, STelefon})
                QVERIFY(dlg.Zuordnen(z, z == SVorname ? 0 : z - 1));
            dlg.BtnOk->click();
        };

        t.Meldung.Antworten = {Antwort::Abbrechen};
        f.impE1->trigger();
        QCOMPARE(t.Meldung.Titel(), QStringList{"Elternliste importieren"});
        QVERIFY(t.Dateiwahl.Anfragen.isEmpty());

        t.Meldung.Antworten = {Antwort::Nein};
        t.Dateiwahl.Antworten = {datei};
        {
            TDialogFolge folge({zuordnen});
            f.impE1->trigger();
            QCOMPARE(folge.Offen(), 0);
        }
        QCOMPARE(t.Dateiwahl.Anfragen.last().Titel, "Elternliste importieren");
        QCOMPARE(Kinder(*f.Projekt()), QStringList({"Berg:Anna:5a", "Cole:Ben:6b"}));
        QVERIFY(f.Projekt()->Gespraechsliste.Leer());
        QVERIFY(f.Projekt()->NotizHaken[Notizhaken::ElternlisteErfasst]);
        QVERIFY(f.Dokument.Name() != name);

        t.Meldung.Antworten = {Antwort::Ja};
        t.Dateiwahl.Antworten = {datei};
        {
            // The same columns as before: the assignment is restored and OK is enough.
            TDialogFolge folge({[](QDialog& d) {
                auto& dlg = Als<TImportDlgf>(d);
                QVERIFY(dlg.Wiederhergestellt());
                dlg.BtnOk->click();
            }});
            f.impE1->trigger();
            QCOMPARE(folge.Offen(), 0);
        }
        QCOMPARE(t.Dateiwahl.Anfragen.last().Titel, "Zur Elternliste hinzufügen");
        QCOMPARE(f.Projekt()->Elternliste.Count(), 2);
        QCOMPARE(Kinder(*f.Projekt()).size(), 4);
    }
};

VEL_TEST(TstAustausch)
#include "tst_Import.moc"
