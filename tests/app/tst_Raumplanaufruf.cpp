#include "Eingabetest.h"
#include "FensterTest.h"
#include "common/TestHaupt.h"
#include "common/Testdrucker.h"
#include "output/ui/FpdfVW.h"
#include "output/ui/SonstigeListen.h"
#include "rooms/ui/PrintRaumplan.h"
#include "rooms/ui/Raumbelegung.h"

#include <QAction>
#include <QButtonGroup>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The occupancy plan reached from the PDF choice of the main window.
class TstRaumplanaufruf : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // "Raumbelegung" among the other lists opens the plan with its PDF dialog at once; the file is
    // proposed in the folder just chosen in the PDF choice.
    void ausPdfWahl() {
        TFensterTest t;
        auto p = GebuchtesProjekt();
        for (const auto& l : p->Lehrerliste)
            l->Raum = QStringLiteral("Raum ") + l->Kuerzel;
        t.Fenster->ProjektErsetzen(std::move(p));
        QVERIFY(t.Zeigen());
        QTemporaryDir ziel;
        const QString datei = ziel.filePath(QStringLiteral("plan.pdf"));
        t.Dateiwahl.Antworten = {ziel.path(), datei};
        bool gespeichert = false;
        // The plan's dialog may come up before the plan was ever the active window.
        const TSchritt schritt = [&](QDialog& d) {
            if (auto* wahl = qobject_cast<TFpdfVW*>(&d)) {
                if (gespeichert) {
                    wahl->reject();
                    return;
                }
                wahl->Bfolder->click();
                QTimer::singleShot(0, wahl->SonstMenue->actions().at(Raumbelegungsliste), &QAction::trigger);
            } else if (auto* druck = qobject_cast<TFPrintRaumplan*>(&d)) {
                QCOMPARE(druck->windowTitle(), QStringLiteral("Raumbelegung: Als PDF speichern"));
                druck->Raeume->button(0)->click();
                druck->BtnAusgabe->click();
                gespeichert = true;
            } else if (gespeichert) {
                dynamic_cast<TFRaumbelegung&>(d).Schliessen1->trigger();
            }
        };
        TDialogFolge folge({schritt, schritt, schritt, schritt, schritt});
        t.Fenster->BuPDF->trigger();
        QVERIFY(folge.Offen() <= 1);
        QCOMPARE(folge.Unerwartet, 0);
        QVERIFY(gespeichert);
        QCOMPARE(t.Dateiwahl.Anfragen.size(), qsizetype{2});
        QCOMPARE(t.Dateiwahl.Anfragen[1].Ordner, ziel.path());
        QCOMPARE(t.Dateiwahl.Anfragen[1].Name, QStringLiteral("VEL2027 - Raumbelegung.pdf"));
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) return;
        const QString text = PdfText(datei);
        QVERIFY2(text.contains(QStringLiteral("Raum BER")) && text.contains(QStringLiteral("Raum MUE")),
                 qPrintable(text));
        QVERIFY(!t.Fenster->Dokument.IstGeaendert());
    }
};

VEL_TEST(TstRaumplanaufruf)
#include "tst_Raumplanaufruf.moc"
