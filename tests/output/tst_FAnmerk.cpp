#include "common/ProjektBauer.h"
#include "common/TestHaupt.h"
#include "model/Textgrenze.h"
#include "output/ui/FAnmerk.h"
#include "ui/Feldhinweis.h"
#include "ui/Hilfekontext.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

namespace {

// VEL_BILD_ORDNER=dir keeps a picture of the dialog for a look at it.
void Ablegen(QWidget& fenster) {
    const QString ordner = qEnvironmentVariable("VEL_BILD_ORDNER");
    if (ordner.isEmpty()) return;
    fenster.grab().save(ordner + u'/' + QString::fromLatin1(QTest::currentTestFunction()) + u'-' +
                        QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".png"));
}

void Zeichen(QWidget* ziel, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class TstFAnmerk : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // General mode for families and for teachers, and a person's own text with the general one shown
    // read-only below it; both fields in the list font.
    void modi_data() {
        QTest::addColumn<bool>("eltern");
        QTest::addColumn<bool>("person");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("kopf");
        QTest::addColumn<QString>("alleText");
        QTest::newRow("alle Eltern") << true << false << "Ergänzender Text für alle..."
                                     << "Folgender Text wird bei allen Eltern zu der Gesprächsliste ergänzt:"
                                     << QString();
        QTest::newRow("alle Lehrer") << false << false << "Ergänzender Text für alle..."
                                     << "Folgender Text wird bei allen Lehrern zu der Gesprächsliste ergänzt:"
                                     << QString();
        QTest::newRow("Familie") << true << true << "Ergänzender Text für Familie Maier"
                                 << "Der folgende Text erscheint als Ergänzung zu den Terminen in der "
                                    "Gesprächsliste für"
                                 << "Außerdem geht folgender Text an alle Eltern:";
        QTest::newRow("Lehrer") << false << true << "Ergänzender Text für Herrn Müller"
                                << "Der folgende Text erscheint als Ergänzung zu den Terminen in der "
                                   "Gesprächsliste für"
                                << "Außerdem geht folgender Text an alle Lehrer:";
    }
    void modi() {
        QFETCH(bool, eltern);
        QFETCH(bool, person);
        QFETCH(QString, titel);
        QFETCH(QString, kopf);
        QFETCH(QString, alleText);
        TProjektBauer b;
        TKind* anna = b.Kind("Maier", "Anna", "5a");
        TLehrer* mue = b.Lehrer("MUE", QString::fromUtf8("Müller"));
        TPerson* wer = eltern ? static_cast<TPerson*>(anna->Eltern) : mue;
        wer->Anmerkung = QStringLiteral("Erste Zeile\r\nZweite Zeile");
        b.p.Listenlayout.Schriftart = QStringLiteral("DejaVu Serif");
        b.p.Listenlayout.Schriftgroesse = 15;
        TFAnmerk dlg(b.p.Listenlayout, eltern, QStringLiteral("Bitte pünktlich."), person ? wer : nullptr);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        Ablegen(dlg);
        QCOMPARE(dlg.windowTitle(), titel);
        QCOMPARE(HilfekontextVon(&dlg), Hilfekontext::Anmerkungen);
        QCOMPARE(dlg.LblKopf->text(), kopf);
        QCOMPARE(dlg.LblName->isVisible(), person);
        QCOMPARE(dlg.MemoEigen->isVisible(), person);
        QCOMPARE(dlg.LblAlle->isVisible(), person);
        QCOMPARE(dlg.MemoAlle->isReadOnly(), person);
        QCOMPARE(dlg.MemoAlle->toPlainText(), QStringLiteral("Bitte pünktlich."));
        QCOMPARE(dlg.focusWidget(), person ? dlg.MemoEigen : dlg.MemoAlle);
        for (const QPlainTextEdit* memo : {dlg.MemoEigen, dlg.MemoAlle}) {
            QCOMPARE(memo->font().family(), QStringLiteral("DejaVu Serif"));
            QCOMPARE(memo->font().pointSize(), 15);
        }
        if (person) {
            QCOMPARE(dlg.LblName->text(), wer->Anschrift(true));
            QCOMPARE(dlg.LblAlle->text(), alleText);
            QCOMPARE(dlg.MemoEigen->toPlainText(), QStringLiteral("Erste Zeile\nZweite Zeile"));
            QVERIFY(dlg.MemoAlle->palette().color(QPalette::Base) !=
                    dlg.MemoEigen->palette().color(QPalette::Base));
        }
    }

    // The results come in the files' form; a text left alone comes back exactly as it was, also with
    // line breaks another program wrote.
    void ergebnis() {
        TProjektBauer b;
        TKind* anna = b.Kind("Maier", "Anna", "5a");
        anna->Eltern->Anmerkung = QStringLiteral("a\nb");
        TFAnmerk dlg(b.p.Listenlayout, true, QStringLiteral("x\ry"), anna->Eltern);
        QCOMPARE(dlg.Alle(), QStringLiteral("x\ry"));
        QCOMPARE(dlg.Eigene(), QStringLiteral("a\nb"));
        dlg.MemoEigen->moveCursor(QTextCursor::End);
        QTest::keyClick(dlg.MemoEigen, Qt::Key_Return);
        Zeichen(dlg.MemoEigen, QStringLiteral("c"));
        QCOMPARE(dlg.Eigene(), QStringLiteral("a\r\nb\r\nc"));
        QVERIFY(Feldhinweis(&dlg).isEmpty());
    }

    // Letters the files cannot hold become their base letters as they are typed or pasted, at the
    // cursor; the first time it is explained.
    void speicherbar() {
        TProjektBauer b;
        TKind* anna = b.Kind("Maier", "Anna", "5a");
        TFAnmerk dlg(b.p.Listenlayout, true, QString(), anna->Eltern);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        Zeichen(dlg.MemoEigen, QString::fromUtf8("Łódź "));
        dlg.MemoEigen->insertPlainText(QString::fromUtf8("Straße 5 ☎\nGdańsk"));
        Zeichen(dlg.MemoEigen, QStringLiteral("!"));
        QCOMPARE(dlg.MemoEigen->toPlainText(), QString::fromUtf8("Lódz Straße 5 ?\nGdansk!"));
        QCOMPARE(dlg.MemoEigen->textCursor().position(), dlg.MemoEigen->toPlainText().size());
        // Told at the field, once: the later letters do not replace the first explanation.
        QCOMPARE(Feldhinweis(&dlg).left(22), QString::fromUtf8("„Ł“ wird als „L“ gespe"));
        QCOMPARE(dlg.Eigene(), QString::fromUtf8("Lódz Straße 5 ?\r\nGdansk!"));
    }

    // A pasted text that would not fit into the file is cut where the file's limit is, counting each
    // line break as two bytes, and the user is told.
    void zuLang() {
        TProjektBauer b;
        TFAnmerk dlg(b.p.Listenlayout, false, QString(), nullptr);
        dlg.MemoAlle->setPlainText(QString(MaxTextLaenge - 10, u'a'));
        dlg.MemoAlle->moveCursor(QTextCursor::End);
        dlg.MemoAlle->insertPlainText(QStringLiteral("\n\n") + QString(20, u'b'));
        QCOMPARE(dlg.Alle().size(), MaxTextLaenge);
        QVERIFY(dlg.Alle().endsWith(QStringLiteral("\r\n\r\nbbbbbb")));
        QVERIFY(Feldhinweis(&dlg).contains(QStringLiteral("höchstens 32767 Zeichen")));
    }
};

VEL_TEST(TstFAnmerk)
#include "tst_FAnmerk.moc"
