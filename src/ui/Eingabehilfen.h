#pragma once

#include <QObject>
#include <functional>

class QEvent;
class QHBoxLayout;
class QKeyEvent;
class QLineEdit;
class QPushButton;

// Result of an entry dialog when the user ends a series of additions (besides Accepted and Rejected).
constexpr int DialogBeendet = 2;

// Typing "h" or "f" in a salutation field writes "Herr" or "Frau" and selects all but the first letter,
// so that typing on replaces it. With amZeilenanfang the shortcut works when the caret is at the start,
// otherwise when the whole text is selected; "Familie" follows "Frau" when familieNachFrau is set.
void AnredeKurzwahl(QLineEdit* feld, bool amZeilenanfang, bool familieNachFrau);

// A letter typed into an empty or wholly selected name field is written as a capital.
void GrossAnfang(QLineEdit* feld);

// The salutation cycle Familie -> Frau -> Herr -> Familie.
QString NaechsteAnrede(const QString& anrede);

// The right-aligned row of the default button "OK" and "Abbrechen".
QHBoxLayout* OkAbbrechenZeile(QPushButton*& ok, QPushButton*& abbrechen);

// Hands events to a function, which returns true to swallow one. The caller installs it where needed.
class TEreignisFilter : public QObject {
public:
    TEreignisFilter(QObject* eltern, std::function<bool(QEvent*)> filter);
    bool eventFilter(QObject*, QEvent* ereignis) override;

private:
    std::function<bool(QEvent*)> Filter;
};

// A filter installed on ziel and owned by it.
void FilterAnbringen(QObject* ziel, std::function<bool(QEvent*)> filter);
// Takes ziel's filters off again: a window whose filters call into it does so before its children are
// destroyed, as they still receive events while they go.
void FilterEntfernen(QObject* ziel);

bool IstEnter(const QKeyEvent* taste);
