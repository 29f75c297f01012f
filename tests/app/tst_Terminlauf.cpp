#include "FensterTest.h"
#include "Generator.h"
#include "common/TestHaupt.h"
#include "scheduler/Termin.h"
#include "scheduler/ui/ProzBar.h"
#include "scheduler/ui/Status.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <array>

namespace {

std::unique_ptr<TProjekt> Erzeugt(const TGeneratorOptionen& optionen) {
    auto p = std::make_unique<TProjekt>();
    ProjektErzeugen(*p, optionen);
    return p;
}

int Terminiert(const TProjekt& p) {
    int n = 0;
    for (const auto& g : p.Gespraechsliste)
        n += g->Termin >= 0;
    return n;
}

enum class TPhase { Vorbereitung, ErsteVerteilung, Optimierung };

class TMalZaehler : public QObject {
public:
    int Anzahl = 0;

protected:
    bool eventFilter(QObject*, QEvent* ereignis) override {
        Anzahl += ereignis->type() == QEvent::Paint;
        return false;
    }
};

// Keeps the last bar values and texts a run reports, as a window that showed every one would end.
class TLetzterStand : public TLaufBeobachter {
public:
    std::array<int, 3> Stand{};
    std::array<QString, 5> Texte;

    void Balken(int balken, int prozent) override { Stand[static_cast<size_t>(balken)] = prozent; }
    void Text(TLaufText label, const QString& text) override {
        Texte[static_cast<size_t>(label)] = QString(text).remove(u'\r');
    }
};

} // namespace

Q_DECLARE_METATYPE(TPhase)

class TstTerminlauf : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void prozBar_data() {
        QTest::addColumn<int>("wert");
        QTest::addColumn<int>("gezeigt");
        QTest::newRow("150") << 150 << 100;
        QTest::newRow("-5") << -5 << 0;
        QTest::newRow("45") << 45 << 45;
    }
    // The bar clamps its value and fills that share of the area inside its border.
    void prozBar() {
        QFETCH(int, wert);
        QFETCH(int, gezeigt);
        TProzBar bar;
        bar.resize(102, 20);
        bar.setForeColor(Qt::red);
        bar.setBackColor(Qt::blue);
        bar.setProgress(wert);
        QCOMPARE(bar.Progress(), gezeigt);
        const QImage bild = bar.grab().toImage();
        QCOMPARE(bild.pixelColor(0, 10), QColor(Qt::black));
        if (gezeigt > 0) QCOMPARE(bild.pixelColor(1 + gezeigt - 1, 2), QColor(Qt::red));
        if (gezeigt < 100) QCOMPARE(bild.pixelColor(1 + gezeigt, 2), QColor(Qt::blue));
    }

    // A whole run from the menu: the plan is made, the note-pad mark set, the undo store emptied, and
    // the statistics show the new plan; the same run again only tells that nothing changed.
    void terminlauf() {
        TFensterTest t;
        TStatistikWaechter statistik;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        t.Fenster->Dokument.RueckListe().Add(std::make_unique<TRueckgEintrag>());
        StartDruecken();
        t.Fenster->Berech1->trigger();
        TProjekt& p = *t.Fenster->Projekt();
        QCOMPARE(Terminiert(p), 3);
        QVERIFY(p.TermineBerechnet);
        QVERIFY(p.NotizHaken[6]);
        QVERIFY(t.Fenster->Dokument.RueckListe().Leer());
        QVERIFY(t.Fenster->Dokument.IstGeaendert());
        QVERIFY(!t.Fenster->Dokument.Beschaeftigt());
        QVERIFY(t.Meldung.Protokoll.isEmpty());
        QCOMPARE(statistik.Gezeigt, 1);
        QCOMPARE(statistik.Termine, "3");

        StartDruecken();
        t.Fenster->Berech0->trigger();
        QCOMPARE(statistik.Gezeigt, 1);
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Text,
                 QString::fromUtf8("Die Termine stehen bereits fest,\rdie Kriterien zur Terminvergabe sind "
                                   "unverändert.\r\rEine neue Berechnung erübrigt sich."));
    }

    // Hand edits are only thrown away after Yes; No and a cancelled options dialog end the command.
    void vorDemLauf() {
        TFensterTest t;
        t.Fenster->ProjektErsetzen(KleinesProjekt());
        t.Fenster->Projekt()->Handverschoben = 2;
        t.Meldung.Antworten = {Antwort::Nein};
        t.Fenster->Berech1->trigger();
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Titel, "Achtung");
        QCOMPARE(t.Meldung.Protokoll[0].Vorgabe, Antwort::Nein);
        QCOMPARE(Terminiert(*t.Fenster->Projekt()), 0);

        t.Meldung.Antworten = {Antwort::Ja};
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        t.Fenster->Berech1->trigger();
        QCOMPARE(Terminiert(*t.Fenster->Projekt()), 0);
        QCOMPARE(t.Fenster->Projekt()->Handverschoben, 2);
    }

    // Cancel is honoured in every phase; during the run the main window takes no command; a cancelled
    // run shows no statistics.
    void abbrechen_data() {
        QTest::addColumn<TPhase>("phase");
        QTest::addColumn<QString>("meldung");
        const QString erste = QString::fromUtf8("Sie haben die Terminierung abgebrochen.\rAlle ungenagelten "
                                                "Gespräche wurden auf 'nicht terminiert' zurückgesetzt.");
        QTest::newRow("Vorbereitung") << TPhase::Vorbereitung << erste;
        QTest::newRow("erste Verteilung") << TPhase::ErsteVerteilung << erste;
        QTest::newRow("Optimierung") << TPhase::Optimierung
                                     << QStringLiteral(
                                            "Sie haben die Optimierung abgebrochen und können nun die "
                                            "Termine weiter von Hand bearbeiten oder die "
                                            "Terminierung erneut aufrufen.");
    }
    void abbrechen() {
        QFETCH(TPhase, phase);
        QFETCH(QString, meldung);
        TFensterTest t;
        TStatistikWaechter statistik;
        t.Fenster->ProjektErsetzen(Erzeugt(GroesseM()));
        QVERIFY(t.Zeigen());
        StartDruecken();
        bool blockiert = true;
        QTimer waechter;
        connect(&waechter, &QTimer::timeout, this, [&] {
            auto* status = qobject_cast<TStatusF*>(QApplication::activeModalWidget());
            if (!status || !status->LaeuftGerade()) return;
            blockiert = blockiert && t.Fenster->Dokument.Beschaeftigt();
            // A shortcut of the main window does nothing while the run is active.
            QTest::keyClick(t.Fenster.get(), Qt::Key_S, Qt::ControlModifier);
            blockiert = blockiert && t.Dateiwahl.Anfragen.isEmpty();
            const bool jetzt = phase == TPhase::Vorbereitung      ? true
                               : phase == TPhase::ErsteVerteilung ? status->ProzBar2->Progress() > 0
                                                                  : !status->Label5->text().isEmpty();
            if (jetzt) status->Canc1->click();
        });
        waechter.start(0);
        t.Fenster->Berech1->trigger();
        waechter.stop();
        QVERIFY(blockiert);
        QCOMPARE(t.Meldung.Protokoll.size(), 1);
        QCOMPARE(t.Meldung.Protokoll[0].Text, meldung);
        const TProjekt& p = *t.Fenster->Projekt();
        QVERIFY(!p.TermineBerechnet);
        QVERIFY(p.NotizHaken[6]);
        QCOMPARE(statistik.Gezeigt, 0);
        if (phase == TPhase::Optimierung)
            QVERIFY(Terminiert(p) > 0);
        else
            QCOMPARE(Terminiert(p), 0);
    }

    // The window's texts after a completed run, and the run of an empty project.
    void fertig() {
        TProjekt p;
        TSkriptMeldung meldung;
        QStringList status;
        TStatusF fenster(p, meldung, [&status](const QString& text) { status << text; });
        QCOMPARE(fenster.windowTitle(), "Terminauswertung");
        QCOMPARE(fenster.ProzBar1->geometry(), QRect(16, 16, 305, 25));
        QCOMPARE(fenster.ProzBar3->geometry(), QRect(16, 156, 305, 25));
        // The longest texts fit their labels and keep clear of the next bar.
        const std::pair<QLabel*, const char*> texte[] = {
            {fenster.Label1, "Die Reihenfolge für die Terminsuche steht bereits fest."},
            {fenster.Label1, "Für die Terminsuche wird die Reihenfolge ermittelt ..."}};
        for (const auto& [label, text] : texte) {
            const QRect noetig = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 1000),
                                                                   Qt::TextWordWrap, QString::fromUtf8(text));
            QVERIFY(noetig.height() <= label->height());
            QVERIFY(label->y() + noetig.height() + 4 <= fenster.ProzBar2->y());
            QVERIFY(label->geometry().bottom() < fenster.ProzBar2->y());
        }
        QVERIFY(fenster.Label3->geometry().bottom() < fenster.ProzBar3->y());
        QVERIFY(!fenster.Ok1->isVisible() && fenster.Canc1->isDefault());
        QCOMPARE(fenster.exec(), QDialog::Accepted);
        QCOMPARE(fenster.Label2->text(), "\nFertig!");
        QVERIFY(fenster.Ok1->isEnabled());
        QVERIFY(!fenster.Canc1->isEnabled());
        QCOMPARE(fenster.ProzBar1->Progress(), 100);
        QVERIFY(
            status.contains(QStringLiteral("Es wird die Reihenfolge für die Terminvergabe festgelegt...")));
        QVERIFY(meldung.Protokoll.isEmpty());
    }

    // The run polls after nearly every conversation; the window repaints and handles events only about
    // 30 times a second and where a phase starts or ends, and ends on the last values the run reported.
    void seltenNeuGezeichnet() {
        TLetzterStand erwartet;
        Lauf(*Erzeugt(GroesseM()), erwartet);
        const auto p = Erzeugt(GroesseM());
        TSkriptMeldung meldung;
        TStatusF fenster(*p, meldung, {});
        TProzBar* const bars[] = {fenster.ProzBar1, fenster.ProzBar2, fenster.ProzBar3};
        TMalZaehler gemalt[3];
        for (size_t i = 0; i < 3; ++i)
            bars[i]->installEventFilter(&gemalt[i]);
        // A zero timer fires once each time events are processed.
        int runden = 0;
        QElapsedTimer uhr;
        QTimer waechter;
        connect(&waechter, &QTimer::timeout, this, [&] {
            if (!fenster.LaeuftGerade()) return;
            if (!uhr.isValid()) uhr.start();
            ++runden;
        });
        waechter.start(0);
        QCOMPARE(fenster.exec(), QDialog::Accepted);
        waechter.stop();

        // Counted against the run's own duration, so a slow machine only allows more rounds.
        const qint64 dauer = uhr.isValid() ? uhr.elapsed() : 0;
        const QByteArray zahlen = QStringLiteral("%1 Runden in %2 ms, gemalt %3/%4/%5")
                                      .arg(runden)
                                      .arg(dauer)
                                      .arg(gemalt[0].Anzahl)
                                      .arg(gemalt[1].Anzahl)
                                      .arg(gemalt[2].Anzahl)
                                      .toUtf8();
        QVERIFY2(runden >= 1, zahlen.constData());
        // The start of each of the three bars and the end of the first two, besides one round per 33 ms.
        QVERIFY2(runden <= 6 + dauer / 25, zahlen.constData());
        for (const TMalZaehler& z : gemalt)
            QVERIFY2(z.Anzahl <= runden + 4, zahlen.constData());

        for (size_t i = 0; i < 3; ++i)
            QCOMPARE(bars[i]->Progress(), erwartet.Stand[i]);
        QCOMPARE(fenster.ProzBar3->Progress(), 100);
        const QLabel* const labels[] = {fenster.Label1, fenster.Label2, fenster.Label3, fenster.Label4,
                                        fenster.Label5};
        for (size_t i = 0; i < 5; ++i)
            QCOMPARE(labels[i]->text(), erwartet.Texte[i]);
    }

    // On the large generated project the bars move and cancel is looked at often: the longest time
    // without processing events is printed. Set VEL_MESSUNG to run it.
    void messungXL() {
        if (qEnvironmentVariableIsEmpty("VEL_MESSUNG")) QSKIP("VEL_MESSUNG nicht gesetzt");
        TFensterTest t;
        TStatistikWaechter statistik;
        t.Fenster->ProjektErsetzen(Erzeugt(GroesseXL()));
        QVERIFY(t.Zeigen());
        StartDruecken();
        QElapsedTimer uhr;
        QElapsedTimer gesamt;
        qint64 laengste = 0;
        QSet<int> stufen;
        QTimer waechter;
        connect(&waechter, &QTimer::timeout, this, [&] {
            auto* status = qobject_cast<TStatusF*>(QApplication::activeModalWidget());
            if (!status || !status->LaeuftGerade()) return;
            if (uhr.isValid())
                laengste = std::max(laengste, uhr.elapsed());
            else
                gesamt.start();
            uhr.start();
            stufen.insert(status->ProzBar1->Progress() * 10000 + status->ProzBar2->Progress() * 100 +
                          status->ProzBar3->Progress());
        });
        waechter.start(0);
        t.Fenster->Berech1->trigger();
        qInfo("XL: %d Gespräche, Lauf %lld ms, längste Pause zwischen Ereignisabfragen %lld ms, %lld "
              "verschiedene Balkenstände",
              t.Fenster->Projekt()->Gespraechsliste.Count(), gesamt.elapsed(), laengste,
              static_cast<long long>(stufen.size()));
        QVERIFY(laengste < 300);
    }
};

VEL_TEST(TstTerminlauf)
#include "tst_Terminlauf.moc"
