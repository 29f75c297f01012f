#include "common/TestHaupt.h"
#include "settings/ui/SchuldatenDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList Felder(const TSchuldaten& d) {
    return {d.Name, d.Strasse, d.Ort, d.Telefon, d.Fax};
}

const TSchuldaten Beispiel = {QString::fromUtf8("Städtisches Gymnasium Überlingen-Süd"),
                              QString::fromUtf8("Große Straße 128"), QString::fromUtf8("88662 Überlingen"),
                              "07551 12345-0", "07551 12345-99"};

// A widget is cut off when it gets less room than it asks for or reaches beyond the dialog.
QStringList Abgeschnitten(const QDialog& dlg) {
    QStringList fehler;
    const QList<QWidget*> teile = dlg.findChildren<QWidget*>();
    for (const QWidget* w : teile) {
        if (!w->isVisible()) continue;
        const QRect ort(w->mapTo(&dlg, QPoint(0, 0)), w->size());
        const QSize wunsch = w->minimumSizeHint().expandedTo(
            qobject_cast<const QLabel*>(w) || qobject_cast<const QPushButton*>(w) ? w->sizeHint() : QSize());
        if (!dlg.rect().contains(ort) || w->width() < wunsch.width() || w->height() < wunsch.height())
            fehler << w->metaObject()->className() + QStringLiteral(" ") +
                          (qobject_cast<const QLabel*>(w) ? qobject_cast<const QLabel*>(w)->text()
                                                          : QString());
    }
    return fehler;
}

} // namespace

class TstSchuldatenDlg : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aufbau() {
        TSchuldatenDlg dlg(Beispiel);
        dlg.show();
        QCOMPARE(dlg.windowTitle(), "Schuldaten");
        auto* form = dlg.findChild<QFormLayout*>();
        QVERIFY(form);
        QStringList beschriftungen;
        QList<QWidget*> felder;
        for (int zeile = 0; zeile < form->rowCount(); ++zeile) {
            auto* feld = form->itemAt(zeile, QFormLayout::FieldRole)->widget();
            auto* label = qobject_cast<QLabel*>(form->labelForField(feld));
            QVERIFY(label);
            QCOMPARE(label->buddy(), feld);
            beschriftungen << label->text();
            felder << feld;
        }
        QCOMPARE(beschriftungen, (QStringList{"Name der Schule:", QString::fromUtf8("Straße:"),
                                              "PLZ und Ort:", "Telefon:", "Fax:"}));
        QCOMPARE(felder, (QList<QWidget*>{dlg.E_Name, dlg.E_Strasse, dlg.E_Ort, dlg.E_Telefon, dlg.E_Fax}));
        QCOMPARE(Felder(dlg.Schuldaten()), Felder(Beispiel));
        QCOMPARE(dlg.OkBtn->text(), "OK");
        QCOMPARE(dlg.CancBtn->text(), "Abbrechen");
        QCOMPARE(dlg.HilfeBtn->text(), "&Hilfe");
        QVERIFY(dlg.OkBtn->isDefault());
        QCOMPARE(dlg.focusWidget(), dlg.E_Name);
    }

    // Enter anywhere is OK, Escape is Abbrechen; help leaves the dialog open.
    void knoepfe_data() {
        QTest::addColumn<QString>("wie");
        QTest::addColumn<int>("ergebnis");
        QTest::newRow("OK") << "OK" << int(QDialog::Accepted);
        QTest::newRow("Enter im Fax") << "Enter" << int(QDialog::Accepted);
        QTest::newRow("Abbrechen") << "Abbrechen" << int(QDialog::Rejected);
        QTest::newRow("Escape") << "Escape" << int(QDialog::Rejected);
    }
    void knoepfe() {
        QFETCH(QString, wie);
        QFETCH(int, ergebnis);
        TSchuldatenDlg dlg({});
        QSignalSpy hilfe(&dlg, &TSchuldatenDlg::HilfeAngefordert);
        dlg.show();
        QTest::mouseClick(dlg.HilfeBtn, Qt::LeftButton);
        QCOMPARE(hilfe.size(), 1);
        QVERIFY(dlg.isVisible());
        if (wie == "OK") QTest::mouseClick(dlg.OkBtn, Qt::LeftButton);
        if (wie == "Abbrechen") QTest::mouseClick(dlg.CancBtn, Qt::LeftButton);
        if (wie == "Enter") QTest::keyClick(dlg.E_Fax, Qt::Key_Return);
        if (wie == "Escape") QTest::keyClick(dlg.E_Name, Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), ergebnis);
    }

    // A field takes a pasted address of two lines as it is; the store makes it one line.
    void eingefuegterUmbruch() {
        TSchuldatenDlg dlg({});
        dlg.show();
        QApplication::clipboard()->setText("Marktplatz 3\n12345 Musterstadt");
        QTest::keyClick(dlg.E_Strasse, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(dlg.Schuldaten().Strasse, "Marktplatz 3\n12345 Musterstadt");
        QCOMPARE(SchulfeldBereinigen(dlg.Schuldaten().Strasse), "Marktplatz 3 12345 Musterstadt");
    }

    // Long names in German umlauts fit at the normal font size and at one and a half times it (a screen
    // at 150 % without scaling). With VEL_BILDER set, the dialog is saved there as PNG to look at.
    void darstellung_data() {
        QTest::addColumn<double>("schriftfaktor");
        QTest::newRow("100") << 1.0;
        QTest::newRow("150") << 1.5;
    }
    void darstellung() {
        QFETCH(double, schriftfaktor);
        const QFont vorher = QApplication::font();
        // The larger font holds for the dialog's whole life, as it would on such a screen.
        const auto zurueck = qScopeGuard([&vorher] { QApplication::setFont(vorher); });
        QFont schrift = vorher;
        if (vorher.pointSizeF() > 0)
            schrift.setPointSizeF(vorher.pointSizeF() * schriftfaktor);
        else
            schrift.setPixelSize(qRound(vorher.pixelSize() * schriftfaktor));
        QApplication::setFont(schrift);
        TSchuldatenDlg dlg(Beispiel);
        dlg.show();
        QCOMPARE(dlg.E_Name->font(), schrift);
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(Abgeschnitten(dlg), QStringList{});
        // The whole name shows in its field.
        QVERIFY(dlg.E_Name->fontMetrics().horizontalAdvance(Beispiel.Name) <
                dlg.E_Name->contentsRect().width() - 8);
        const QImage bild = dlg.grab().toImage();
        QVERIFY(!bild.isNull());
        const QString ordner = qEnvironmentVariable("VEL_BILDER");
        if (!ordner.isEmpty())
            QVERIFY(bild.save(QDir(ordner).filePath(QStringLiteral("schuldaten-schrift%1-dpr%2.png")
                                                        .arg(qRound(schriftfaktor * 100))
                                                        .arg(qRound(dlg.devicePixelRatioF() * 100)))));
    }
};

VEL_TEST(TstSchuldatenDlg)
#include "tst_SchuldatenDlg.moc"
