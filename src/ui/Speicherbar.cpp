#include "Speicherbar.h"

#include "Feldhinweis.h"
#include "model/Cp1252.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>
#include <algorithm>
#include <functional>
#include <memory>

namespace {

// What the fields of one window changed last, and whether the user has been told.
struct THinweisstand {
    QString Eingabe;
    QString Form;
    bool Gemeldet = false;
    bool Abgeschnitten = false; // not told yet
};

class TSpeicherPruefer : public QValidator {
public:
    TSpeicherPruefer(QObject* eltern, qsizetype laenge, std::shared_ptr<THinweisstand> stand)
        : QValidator(eltern)
        , Laenge(laenge)
        , Stand(std::move(stand)) {}

    State validate(QString& text, int& stelle) const override {
        const QString voll = Speicherform(text);
        QString form = voll;
        // The stored form holds one byte per character.
        if (form.size() > Laenge) {
            form.truncate(Laenge);
            Stand->Abgeschnitten = true;
        }
        if (form == text) return Acceptable;
        if (voll != text) {
            Stand->Eingabe = text;
            Stand->Form = voll;
        }
        stelle = std::clamp<int>(stelle + static_cast<int>(form.size() - text.size()), 0,
                                 static_cast<int>(form.size()));
        text = form;
        return Acceptable;
    }

private:
    qsizetype Laenge;
    std::shared_ptr<THinweisstand> Stand;
};

QString HinweisText(const QString& eingabe, const QString& form) {
    return QStringLiteral(
               "„%1“ wird als „%2“ gespeichert.\r\rDie Projektdatei kann nicht alle Schriftzeichen "
               "speichern: Ein Buchstabe, den sie nicht kennt, wird durch seinen Grundbuchstaben ersetzt "
               "(z. B. ł durch l, ş durch s), jedes andere solche Zeichen durch „?“.\rBitte prüfen Sie "
               "die Schreibweise.")
        .arg(Textanfang(eingabe), Textanfang(form));
}

QString ZuLangText(const QString& text, qsizetype laenge) {
    return QStringLiteral("Der Text „%1“ ist zu lang: Hier kann ein Eintrag höchstens %2 Zeichen haben.\r\r"
                          "Was darüber hinausging, wurde abgeschnitten.")
        .arg(Textanfang(text))
        .arg(laenge);
}

// Tells what the last input changed: a cut every time, the replaced letters once per window.
void Hinweisen(THinweisstand& stand, QWidget* feld, const QString& text, qsizetype laenge) {
    QStringList teile;
    if (stand.Abgeschnitten) {
        stand.Abgeschnitten = false;
        teile << ZuLangText(text, laenge);
    }
    if (!stand.Gemeldet && !stand.Form.isEmpty()) {
        stand.Gemeldet = true;
        teile << HinweisText(stand.Eingabe, stand.Form);
    }
    if (!teile.isEmpty()) FeldhinweisZeigen(feld, teile.join(QStringLiteral("\r\r")));
}

// Line breaks are stored as CR LF.
qsizetype Dateilaenge(const QString& text) {
    return Speicherlaenge(text) + text.count(u'\n');
}

} // namespace

void NurSpeicherbar(QWidget* fenster, const QList<QLineEdit*>& felder, TSpeicherhinweis hinweis,
                    qsizetype laenge) {
    auto stand = std::make_shared<THinweisstand>();
    for (QLineEdit* feld : felder) {
        // One more than can be stored, so that the check sees a text that was too long and can say so.
        feld->setMaxLength(static_cast<int>(laenge + 1));
        feld->setValidator(new TSpeicherPruefer(feld, laenge, stand));
        if (hinweis == TSpeicherhinweis::Still) continue;
        QObject::connect(feld, &QLineEdit::textEdited, fenster,
                         [stand, feld, laenge] { Hinweisen(*stand, feld, feld->text(), laenge); });
    }
}

void NurSpeicherbar(QPlainTextEdit* feld, qsizetype laenge) {
    auto stand = std::make_shared<THinweisstand>();
    auto anpassend = std::make_shared<bool>(false);
    QTextDocument* dokument = feld->document();
    // Only what was just typed or pasted is adapted, so that the cursor and the undo steps stay as the
    // user made them.
    QObject::connect(dokument, &QTextDocument::contentsChange, feld, [=](int stelle, int, int hinzu) {
        if (*anpassend || hinzu <= 0) return;
        QTextCursor bereich(dokument);
        bereich.setPosition(stelle);
        bereich.setPosition(std::min(stelle + hinzu, dokument->characterCount() - 1),
                            QTextCursor::KeepAnchor);
        QString eingabe = bereich.selectedText();
        eingabe.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
        const QString voll = Speicherform(eingabe);
        QString form = voll;
        const qsizetype ueber =
            Dateilaenge(feld->toPlainText()) - Dateilaenge(eingabe) + Dateilaenge(voll) - laenge;
        if (ueber > 0) {
            // Cut at the end of what came in, a line break counting twice.
            qsizetype weg = 0;
            while (!form.isEmpty() && weg < ueber) {
                weg += form.endsWith(u'\n') ? 2 : 1;
                form.chop(1);
            }
            stand->Abgeschnitten = true;
        }
        if (form == eingabe) return;
        // The explanation quotes the first adaptation, which may lie several keys back.
        if (voll != eingabe && stand->Form.isEmpty()) {
            stand->Eingabe = eingabe;
            stand->Form = voll;
        }
        *anpassend = true;
        bereich.insertText(form);
        *anpassend = false;
        Hinweisen(*stand, feld, feld->toPlainText(), laenge);
    });
}
