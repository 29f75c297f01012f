#pragma once

#include <QLabel>
#include <QStringList>

// The small yellowish window beside a row of the phone list that names the family's children, one a
// line; it takes no focus and no clicks.
class TKinderHinweis : public QLabel {
    Q_OBJECT
public:
    explicit TKinderHinweis(QWidget* eltern);

    // The lines in Arial of the list's font, at most 500 pixels wide, with the top-left corner at ort
    // (screen coordinates).
    void Zeigen(const QPoint& ort, const QStringList& zeilen, const QFont& listenschrift);
};
