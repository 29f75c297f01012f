#include "app/ui/MainForm.h"
#include "common/TestHaupt.h"

#include <QTest>

class TstMainForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void titel() {
        TVELWnd fenster;
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        QCOMPARE(fenster.windowTitle(), "VEL");
    }
};

VEL_TEST(TstMainForm)
#include "tst_MainForm.moc"
