#pragma once

#include <QMessageBox>

namespace forms {

// The error report's message box: headed with the application title, the critical (stop) icon,
// one OK button, and the text of reportText(message). It never grows beyond the screen: a long
// text wraps (anywhere, when a word is wider than the box) and a text taller than the screen is
// cut at the bottom, the OK button staying visible.
class ErrorBox : public QMessageBox
{
    Q_OBJECT

public:
    ErrorBox(const QString &title, const QString &message, QWidget *parent = nullptr);

    // The text shown for `message`: the message with "." appended when the code of its last
    // UTF-16 unit is greater than that of "." (U+002E). A message that ends in "." or in a
    // character of lower code ("'", " ", ")"...) and the empty message get nothing appended.
    static QString reportText(const QString &message);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void keepWithinScreen();
};

} // namespace forms
