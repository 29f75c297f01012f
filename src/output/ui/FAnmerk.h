#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class TPerson;
struct TListenlayout;

// The annotations of the conversation lists: the general text of all families or of all teachers, or
// one person's own text with the general one shown beside it read-only. Both in the list font.
class TFAnmerk : public QDialog {
    Q_OBJECT
public:
    // person null: the general text; else the person's own text.
    TFAnmerk(const TListenlayout& layout, bool eltern, const QString& alle, const TPerson* person,
             QWidget* eltern_ = nullptr);

    // The texts as the files keep them; a text left as it was comes back unchanged.
    QString Alle() const;
    QString Eigene() const;

    QLabel* LblKopf;
    QLabel* LblName;
    QPlainTextEdit* MemoEigen;
    QLabel* LblAlle;
    QPlainTextEdit* MemoAlle;

private:
    QString AlleAlt;
    QString EigeneAlt;
};
