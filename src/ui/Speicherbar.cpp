#include "Speicherbar.h"

#include "model/Cp1252.h"
#include "model/Meldung.h"

#include <QLineEdit>
#include <QValidator>
#include <algorithm>
#include <functional>
#include <memory>

namespace {

class TSpeicherPruefer : public QValidator {
public:
    TSpeicherPruefer(QObject* eltern, std::function<void(const QString&, const QString&)> ersetzt)
        : QValidator(eltern)
        , Ersetzt(std::move(ersetzt)) {}

    State validate(QString& text, int& stelle) const override {
        const QString form = Speicherform(text);
        if (form != text) {
            stelle = std::clamp<int>(stelle + static_cast<int>(form.size() - text.size()), 0,
                                     static_cast<int>(form.size()));
            if (Ersetzt) Ersetzt(text, form);
            text = form;
        }
        return Acceptable;
    }

private:
    std::function<void(const QString&, const QString&)> Ersetzt;
};

QString HinweisText(const QString& eingabe, const QString& form) {
    return QStringLiteral(
               "„%1“ wird als „%2“ gespeichert.\r\rDie Projektdatei kann nicht alle Schriftzeichen "
               "speichern: Ein Buchstabe, den sie nicht kennt, wird durch seinen Grundbuchstaben ersetzt "
               "(z. B. ł durch l, ş durch s), jedes andere solche Zeichen durch „?“.\rBitte prüfen Sie "
               "die Schreibweise.")
        .arg(eingabe, form);
}

// What the fields of one window replaced last, and whether the user has been told.
struct THinweisstand {
    QString Eingabe;
    QString Form;
    bool Gemeldet = false;
};

} // namespace

void NurSpeicherbar(QWidget* fenster, TMeldung* meldung, const QList<QLineEdit*>& felder) {
    auto stand = std::make_shared<THinweisstand>();
    for (QLineEdit* feld : felder) {
        feld->setValidator(new TSpeicherPruefer(feld, [stand](const QString& eingabe, const QString& form) {
            stand->Eingabe = eingabe;
            stand->Form = form;
        }));
        if (!meldung) continue;
        // Told once the typed key has been taken, before the next one, so the box cannot interrupt
        // the field's own input handling.
        QObject::connect(feld, &QLineEdit::textEdited, fenster, [stand, meldung] {
            if (stand->Gemeldet || stand->Form.isEmpty()) return;
            stand->Gemeldet = true;
            meldung->Meldung(HinweisText(stand->Eingabe, stand->Form), QStringLiteral("Hinweis"),
                             MeldungsArt::Information);
        });
    }
}
