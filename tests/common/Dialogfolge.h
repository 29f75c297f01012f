#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <concepts>
#include <functional>
#include <type_traits>

// Working the modal dialogs a window test opens, step by step.

// One step of a TDialogFolge, for whichever dialog comes next; Fuer<D> keeps it for a dialog of class D.
class TSchritt {
public:
    template <class F>
    requires(!std::same_as<std::remove_cvref_t<F>, TSchritt> && std::invocable<F&, QDialog&>) TSchritt(F tun)
        : Tun(std::move(tun)) {}
    void operator()(QDialog& d) const { Tun(d); }
    bool Passt(const QDialog& d) const { return !Klasse || Klasse->cast(&d); }

private:
    template <class D> friend TSchritt Fuer(TSchritt schritt);
    std::function<void(QDialog&)> Tun;
    const QMetaObject* Klasse = nullptr;
};

template <class D> TSchritt Fuer(TSchritt schritt) {
    schritt.Klasse = &D::staticMetaObject;
    return schritt;
}

// Works the modal dialogs that open one after another, one step each; a dialog nobody expected, or one
// on top for a few seconds without a change, is cancelled and counted, so a wrong script fails instead
// of hanging. A dialog that comes back on top when a dialog over it closes gets the next step only if
// the step is for it: otherwise it waits for the dialog its last step is about to open.
class TDialogFolge : public QObject {
public:
    explicit TDialogFolge(QList<TSchritt> schritte);
    qsizetype Offen() const { return Schritte.size(); }
    int Unerwartet = 0;

private:
    void Pruefen();
    QTimer Takt;
    QElapsedTimer Seit;
    QList<TSchritt> Schritte;
    // Every dialog that came on top and is still open, the ones under the top one too.
    QList<QPointer<QDialog>> Gesehen;
    QPointer<QDialog> Oben;
};

// The dialog as the one a step expects; another one ends the test.
template <class D> D& Als(QDialog& d) {
    auto* dlg = qobject_cast<D*>(&d);
    if (!dlg) qFatal("unexpected dialog %s", qPrintable(d.windowTitle()));
    return *dlg;
}

// The dialog's focus widget, or the dialog.
QWidget* Fokus(QDialog& d);
// Types any text, umlauts and letters of other alphabets too.
void Tippen(QWidget* ziel, const QString& text);
// Types into the dialog's focus and ends each part with Enter.
TSchritt Eingaben(const QStringList& teile);
TSchritt Abbrechen();
