#pragma once

#include "output/Layoutbearbeitung.h"

#include <QWidget>
#include <functional>

class QLineEdit;

// A page of the layout dialog: its controls show the layout and write every change to it at once, so
// that a preview beside the dialog follows.
class TLayoutSeite : public QWidget {
    Q_OBJECT
public:
    explicit TLayoutSeite(TListenlayout& layout, QWidget* eltern = nullptr);

    // Shows the layout's values again (after another page or a default changed them), without
    // reporting them as changes.
    void Fuellen();

Q_SIGNALS:
    void Geaendert(TListenArt art);

protected:
    virtual void Anzeigen() = 0;
    // A control's change, written to the layout unless the page is just showing the layout.
    void Aendern(TListenArt art, const std::function<void()>& aenderung);
    bool Fuellt() const { return Fuellend; }

    TListenlayout& L;

private:
    bool Fuellend = false;
};

// A page with a field whose value is typed first and applied by a button, so that it can be pending.
class TEingabeSeite : public TLayoutSeite {
    Q_OBJECT
public:
    using TLayoutSeite::TLayoutSeite;
    // A value typed that differs from the one chosen in the list.
    virtual bool Offen() const = 0;
    // Applies the typed value; false when it was refused with a message.
    virtual bool Anwenden() = 0;
    // Shows the chosen value again in place of the typed one.
    virtual void Aufgeben() = 0;
    virtual QLineEdit* Feld() const = 0;
};

// The keys a number field of the layout dialog takes: digits, the decimal comma, a minus where
// allowed, and the keys that move in and delete from the text. Escape gives the typed value up instead
// of closing the dialog.
void ZahlfeldEinrichten(QLineEdit* feld, bool minus, std::function<void()> escape);
