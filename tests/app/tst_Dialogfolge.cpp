#include "Eingabetest.h"
#include "common/TestHaupt.h"

#include <QTest>
#include <QTimer>

namespace {

class TInnen : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;
};

} // namespace

// The helper that works the dialogs of the window tests: each dialog gets its step when it opens, and
// a dialog that comes back on top when one over it closes gets a step only if the step is for it.
class TstDialogfolge : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The outer dialog opens two inner ones one after the other and is on top in between, for a moment
    // or long enough that the helper looks at it several times (as on a loaded machine).
    void verschachtelt_data() {
        QTest::addColumn<int>("pause");
        QTest::newRow("sofort") << 0;
        QTest::newRow("Pause") << 50;
    }
    void verschachtelt() {
        QFETCH(int, pause);
        QDialog aussen;
        TInnen innen1(&aussen);
        TInnen innen2(&aussen);
        aussen.setObjectName(QStringLiteral("aussen"));
        innen1.setObjectName(QStringLiteral("innen1"));
        innen2.setObjectName(QStringLiteral("innen2"));
        QStringList gesehen;
        const TSchritt annehmen = Fuer<TInnen>([&](QDialog& d) {
            gesehen << d.objectName();
            d.accept();
        });
        TDialogFolge folge({[&](QDialog& d) {
                                gesehen << d.objectName();
                                QTimer::singleShot(0, &aussen, [&] {
                                    innen1.exec();
                                    QTest::qWait(pause);
                                    innen2.exec();
                                    aussen.accept();
                                });
                            },
                            annehmen, annehmen});
        QCOMPARE(aussen.exec(), int(QDialog::Accepted));
        QCOMPARE(gesehen, (QStringList{"aussen", "innen1", "innen2"}));
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
    }

    // A step for any dialog goes to the outer one when it comes back on top.
    void zurueck() {
        QDialog aussen;
        TInnen innen(&aussen);
        TDialogFolge folge({[&](QDialog&) { QTimer::singleShot(0, &innen, &QDialog::exec); },
                            Fuer<TInnen>([](QDialog& d) { d.accept(); }), [](QDialog& d) { d.reject(); }});
        QCOMPARE(aussen.exec(), int(QDialog::Rejected));
        QCOMPARE(innen.result(), int(QDialog::Accepted));
        QCOMPARE(folge.Offen(), 0);
        QCOMPARE(folge.Unerwartet, 0);
    }

    // One dialog shown twice gets a step each time; shown again when the next step is for another
    // class of dialog, it is cancelled and counted.
    void wiedergeoeffnet() {
        QDialog d;
        int schritte = 0;
        const TSchritt annehmen = [&](QDialog& x) {
            ++schritte;
            x.accept();
        };
        TDialogFolge folge({annehmen, annehmen, Fuer<TInnen>(annehmen)});
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QCOMPARE(d.exec(), int(QDialog::Rejected));
        QCOMPARE(schritte, 2);
        QCOMPARE(folge.Offen(), 1);
        QCOMPARE(folge.Unerwartet, 1);
    }
};

VEL_TEST(TstDialogfolge)
#include "tst_Dialogfolge.moc"
