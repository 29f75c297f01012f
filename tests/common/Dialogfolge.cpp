#include "Dialogfolge.h"

#include <QApplication>
#include <QTest>

TDialogFolge::TDialogFolge(QList<TSchritt> schritte)
    : Schritte(std::move(schritte)) {
    connect(&Takt, &QTimer::timeout, this, &TDialogFolge::Pruefen);
    Takt.start(5);
}

void TDialogFolge::Pruefen() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    if (dialog == Oben) {
        if (Seit.elapsed() > 3000) {
            ++Unerwartet;
            dialog->reject();
        }
        return;
    }
    Oben = dialog;
    Seit.start();
    const bool neu = !Gesehen.contains(dialog);
    if (neu) {
        Gesehen << dialog;
        connect(dialog, &QDialog::finished, this, [this, dialog] {
            Gesehen.removeAll(dialog);
            if (Oben == dialog) Oben = nullptr;
        });
    }
    if (!Schritte.isEmpty() && Schritte.constFirst().Passt(*dialog)) {
        Schritte.takeFirst()(*dialog);
        return;
    }
    if (neu) {
        ++Unerwartet;
        dialog->reject();
    }
}

QWidget* Fokus(QDialog& d) {
    return d.focusWidget() ? d.focusWidget() : &d;
}

void Tippen(QWidget* ziel, const QString& text) {
    // Letter by letter as the keyboard sends them; a character beyond 16 bits comes as one event.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_unknown, text.mid(i, n), Qt::NoModifier);
        i += n - 1;
    }
}

TSchritt Eingaben(const QStringList& teile) {
    return [teile](QDialog& d) {
        for (const QString& t : teile) {
            Tippen(Fokus(d), t);
            QTest::keyClick(Fokus(d), Qt::Key_Return);
        }
    };
}

TSchritt Abbrechen() {
    return [](QDialog& d) { QTest::keyClick(Fokus(d), Qt::Key_Escape); };
}
