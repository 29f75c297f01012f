#include "Eingabetest.h"
#include "FensterTest.h"
#include "app/ui/Hilfe.h"
#include "app/ui/HilfeBefehle.h"
#include "app/ui/HilfeFenster.h"
#include "app/ui/VelInfo.h"
#include "common/TestHaupt.h"
#include "settings/Schuldaten.h"
#include "settings/ui/SchuldatenDlg.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

QAction* Untereintrag(const QList<QAction*>& aktionen, const QString& text) {
    for (QAction* a : aktionen)
        if (a->text() == text) return a;
    return nullptr;
}

// The entry as a user finds it in the menu bar.
QAction* Schuldateneintrag(TVELWnd& f) {
    QAction* menue = Untereintrag(f.menuBar()->actions(), QStringLiteral("&Voreinstellungen"));
    return menue && menue->isEnabled() && menue->menu()
               ? Untereintrag(menue->menu()->actions(), QStringLiteral("&Schuldaten..."))
               : nullptr;
}

QStringList Felder(const TSchuldaten& d) {
    return {d.Name, d.Strasse, d.Ort, d.Telefon, d.Fax};
}

QStringList Feldtexte(const TSchuldatenDlg& d) {
    return {d.E_Name->text(), d.E_Strasse->text(), d.E_Ort->text(), d.E_Telefon->text(), d.E_Fax->text()};
}

const QStringList Eingetippt = {QString::fromUtf8("Städtische Gesamtschule Überruhr"),
                                QString::fromUtf8("Lüderichstraße 3"),
                                QString::fromUtf8("45277 Essen-Überruhr"), "0201 88-1234", ""};

// Types every field anew, the way a user does: click, select all, type.
TSchritt Ausfuellen(const QStringList& werte, QPushButton* TSchuldatenDlg::*knopf) {
    return [werte, knopf](QDialog& d) {
        auto& dlg = static_cast<TSchuldatenDlg&>(d);
        const QList<QLineEdit*> felder = {dlg.E_Name, dlg.E_Strasse, dlg.E_Ort, dlg.E_Telefon, dlg.E_Fax};
        for (qsizetype i = 0; i < felder.size(); ++i) {
            QTest::mouseClick(felder[i], Qt::LeftButton);
            felder[i]->selectAll();
            QTest::keyClick(felder[i], Qt::Key_Backspace);
            Tippen(felder[i], werte[i]);
        }
        QTest::mouseClick(dlg.*knopf, Qt::LeftButton);
    };
}

} // namespace

class TstSchulbefehle : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // OK stores what was typed, Abbrechen leaves the store alone, and the dialog shows what is stored.
    void ueberDasMenue() {
        TFensterTest t;
        QVERIFY(t.Zeigen());
        QAction* eintrag = Schuldateneintrag(*t.Fenster);
        QVERIFY(eintrag);
        QVERIFY(eintrag->isEnabled());

        QStringList gezeigt;
        TDialogFolge folge({[&](QDialog& d) {
                                QVERIFY(qobject_cast<TSchuldatenDlg*>(&d));
                                QCOMPARE(d.windowTitle(), "Schuldaten");
                                gezeigt = Feldtexte(static_cast<TSchuldatenDlg&>(d));
                                Ausfuellen(Eingetippt, &TSchuldatenDlg::OkBtn)(d);
                            },
                            Ausfuellen({"Andere Schule", "", "", "", "1"}, &TSchuldatenDlg::CancBtn),
                            [&](QDialog& d) {
                                gezeigt = Feldtexte(static_cast<TSchuldatenDlg&>(d));
                                QTest::keyClick(&d, Qt::Key_Escape);
                            }});
        eintrag->trigger();
        QCOMPARE(gezeigt, (QStringList{"", "", "", "", ""}));
        QCOMPARE(Felder(SchuldatenLesen(t.Speicher)), Eingetippt);
        eintrag->trigger();
        QCOMPARE(Felder(SchuldatenLesen(t.Speicher)), Eingetippt);
        eintrag->trigger();
        QCOMPARE(gezeigt, Eingetippt);
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);

        t.Speicher.Speichern();
        const TEinstellungsSpeicher wieder(t.Ordner.filePath("vel.ini"));
        QCOMPARE(Felder(SchuldatenLesen(wieder)), Eingetippt);
    }

    // The school belongs to the installation: an open project neither changes nor becomes changed.
    void mitProjekt() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        QAction* eintrag = Schuldateneintrag(*t.Fenster);
        QVERIFY(eintrag && eintrag->isEnabled());
        TDialogFolge folge({Ausfuellen(Eingetippt, &TSchuldatenDlg::OkBtn)});
        eintrag->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(Felder(SchuldatenLesen(t.Speicher)), Eingetippt);
        QVERIFY(!t.Fenster->Dokument.IstGeaendert());
    }

    // The help button opens the handbook at the page of the school data and leaves the dialog open.
    void hilfe() {
        TFensterTest t;
        t.Fenster->Programmordner = QStringLiteral(VEL_PROGRAMMORDNER);
        QUrl seite;
        TDialogFolge folge({[&](QDialog& d) {
            auto& dlg = static_cast<TSchuldatenDlg&>(d);
            QTest::mouseClick(dlg.HilfeBtn, Qt::LeftButton);
            QVERIFY(dlg.isVisible());
            seite = t.Fenster->Gruppen.Hilfe->Handbuch()->Fenster()->Seite();
            QTest::mouseClick(dlg.CancBtn, Qt::LeftButton);
        }});
        Schuldateneintrag(*t.Fenster)->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(t.Meldung.Protokoll.size(), 0);
        QCOMPARE(seite.fileName(), "schuldaten.html");
    }

    // The info window names the school and its place once they are set; a name is shown as it is
    // typed, never as markup, and a long one is shortened to the window's width.
    // Every field of the school data on a line of its own; an empty field leaves no line.
    void info_data() {
        QTest::addColumn<QStringList>("felder");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("nicht gesetzt") << QStringList{"", "", "", "", ""} << QStringList{"", "", "", "", ""};
        QTest::newRow("gesetzt") << QStringList{Eingetippt[0], Eingetippt[1], Eingetippt[2], Eingetippt[3],
                                                "0201 88-1299"}
                                 << QStringList{Eingetippt[0], Eingetippt[1], Eingetippt[2],
                                                "Tel.: " + Eingetippt[3], "Fax: 0201 88-1299"};
        QTest::newRow("nur Ort") << QStringList{"", "", "Essen", "", ""}
                                 << QStringList{"", "", "Essen", "", ""};
        QTest::newRow("nur Telefon") << QStringList{"", "", "", "0201 1", " "}
                                     << QStringList{"", "", "", "Tel.: 0201 1", ""};
        QTest::newRow("Zeichen wie Markup") << QStringList{"<b>Schule & Co</b>", "", "", "", ""}
                                            << QStringList{"<b>Schule & Co</b>", "", "", "", ""};
    }
    void info() {
        QFETCH(QStringList, felder);
        QFETCH(QStringList, zeilen);
        TFensterTest t;
        SchuldatenSchreiben(t.Speicher, {felder[0], felder[1], felder[2], felder[3], felder[4]});
        QStringList gezeigt;
        QList<bool> sichtbar;
        TDialogFolge folge({[&](QDialog& d) {
            auto* info = qobject_cast<TVelInfo*>(&d);
            QVERIFY(info);
            for (const QLabel* zeile :
                 {info->SchulName, info->SchulStrasse, info->SchulOrt, info->SchulTelefon, info->SchulFax}) {
                gezeigt << zeile->text();
                sichtbar << zeile->isVisible();
                QCOMPARE(zeile->textFormat(), Qt::PlainText);
            }
            // With VEL_BILDER set, the window is saved there as PNG to look at.
            if (const QString ordner = qEnvironmentVariable("VEL_BILDER"); !ordner.isEmpty())
                QVERIFY(info->grab().save(QDir(ordner).filePath(
                    QStringLiteral("info-%1.png").arg(QString::fromUtf8(QTest::currentDataTag())))));
            QTest::mouseClick(info->OkBtn, Qt::LeftButton);
        }});
        t.Fenster->Info1->trigger();
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(gezeigt, zeilen);
        for (int i = 0; i < zeilen.size(); ++i)
            QCOMPARE(sichtbar[i], !zeilen[i].isEmpty());
    }

    void infoLangerName() {
        TFensterTest t;
        const QString lang = QString::fromUtf8("Städtisches Gymnasium ").repeated(20).trimmed();
        SchuldatenSchreiben(t.Speicher, {lang, {}, {}, {}, {}});
        TVelInfo info(SchuldatenLesen(t.Speicher));
        info.show();
        QVERIFY(info.SchulName->text().endsWith(QChar(0x2026)));
        QCOMPARE(info.SchulName->toolTip(), lang);
        QVERIFY(info.width() < 500);
        QVERIFY(info.SchulName->width() >= info.SchulName->sizeHint().width());
    }
};

VEL_TEST(TstSchulbefehle)
#include "tst_Schulbefehle.moc"
