#include "Hilfekontext.h"

#include <QString>
#include <QTabWidget>
#include <QVariant>
#include <QWidget>

namespace {
constexpr char Eigenschaft[] = "velHilfekontext";

std::optional<Hilfekontext> EigenerKontext(const QWidget* widget) {
    const QVariant wert = widget->property(Eigenschaft);
    if (!wert.isValid()) return std::nullopt;
    return static_cast<Hilfekontext>(wert.toInt());
}
} // namespace

void HilfekontextSetzen(QWidget* fenster, Hilfekontext kontext) {
    fenster->setProperty(Eigenschaft, static_cast<int>(kontext));
}

std::optional<Hilfekontext> HilfekontextVon(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget())
        if (const auto kontext = EigenerKontext(widget)) return kontext;
    return std::nullopt;
}

void HilfekontextFolgtSeite(QTabWidget* seiten) {
    const auto folgen = [seiten] {
        if (QWidget* seite = seiten->currentWidget())
            if (const auto kontext = EigenerKontext(seite)) HilfekontextSetzen(seiten->window(), *kontext);
    };
    QObject::connect(seiten, &QTabWidget::currentChanged, seiten, folgen);
    folgen();
}

QString HilfekontextKennung(Hilfekontext kontext) {
    return QStringLiteral("kontext-%1").arg(static_cast<int>(kontext));
}
