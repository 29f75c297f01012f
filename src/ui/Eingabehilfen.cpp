#include "Eingabehilfen.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

bool GanzMarkiert(const QLineEdit* feld) {
    return feld->text().isEmpty() || feld->selectedText() == feld->text();
}

class TAnredeFilter : public QObject {
public:
    TAnredeFilter(QLineEdit* feld, bool amZeilenanfang, bool familieNachFrau)
        : QObject(feld)
        , Feld(feld)
        , AmZeilenanfang(amZeilenanfang)
        , FamilieNachFrau(familieNachFrau) {}

    bool eventFilter(QObject*, QEvent* ereignis) override {
        if (ereignis->type() != QEvent::KeyPress) return false;
        const QString taste = static_cast<QKeyEvent*>(ereignis)->text().toLower();
        if (taste != QLatin1String("h") && taste != QLatin1String("f")) return false;
        const bool bereit =
            AmZeilenanfang ? Feld->cursorPosition() == 0 || GanzMarkiert(Feld) : GanzMarkiert(Feld);
        if (!bereit) return false;
        QString anrede = QStringLiteral("Herr");
        if (taste == QLatin1String("f"))
            anrede = FamilieNachFrau && Feld->text() == QLatin1String("Frau") ? QStringLiteral("Familie")
                                                                              : QStringLiteral("Frau");
        Feld->setText(anrede);
        Feld->setSelection(1, anrede.size() - 1);
        return true;
    }

private:
    QLineEdit* Feld;
    bool AmZeilenanfang;
    bool FamilieNachFrau;
};

class TGrossFilter : public QObject {
public:
    explicit TGrossFilter(QLineEdit* feld)
        : QObject(feld)
        , Feld(feld) {}

    bool eventFilter(QObject*, QEvent* ereignis) override {
        if (ereignis->type() != QEvent::KeyPress) return false;
        const QString text = static_cast<QKeyEvent*>(ereignis)->text();
        if (text.size() != 1 || !text[0].isLower() || !GanzMarkiert(Feld)) return false;
        Feld->insert(text.toUpper());
        return true;
    }

private:
    QLineEdit* Feld;
};

} // namespace

void AnredeKurzwahl(QLineEdit* feld, bool amZeilenanfang, bool familieNachFrau) {
    feld->installEventFilter(new TAnredeFilter(feld, amZeilenanfang, familieNachFrau));
}

void GrossAnfang(QLineEdit* feld) {
    feld->installEventFilter(new TGrossFilter(feld));
}

QString NaechsteAnrede(const QString& anrede) {
    if (anrede == QLatin1String("Familie")) return QStringLiteral("Frau");
    if (anrede == QLatin1String("Frau")) return QStringLiteral("Herr");
    return QStringLiteral("Familie");
}

QHBoxLayout* OkAbbrechenZeile(QPushButton*& ok, QPushButton*& abbrechen) {
    ok = new QPushButton(QStringLiteral("OK"));
    abbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    ok->setDefault(true);
    auto* zeile = new QHBoxLayout;
    zeile->addStretch();
    zeile->addWidget(ok);
    zeile->addWidget(abbrechen);
    return zeile;
}

TEreignisFilter::TEreignisFilter(QObject* eltern, std::function<bool(QEvent*)> filter)
    : QObject(eltern)
    , Filter(std::move(filter)) {}

bool TEreignisFilter::eventFilter(QObject*, QEvent* ereignis) {
    return Filter(ereignis);
}

void FilterAnbringen(QObject* ziel, std::function<bool(QEvent*)> filter) {
    ziel->installEventFilter(new TEreignisFilter(ziel, std::move(filter)));
}

void FilterEntfernen(QObject* ziel) {
    const QObjectList kinder = ziel->children();
    for (QObject* kind : kinder)
        if (dynamic_cast<TEreignisFilter*>(kind)) delete kind;
}

bool IstEnter(const QKeyEvent* taste) {
    return taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter;
}
