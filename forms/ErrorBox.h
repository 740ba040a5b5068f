#pragma once

#include <QMessageBox>

class QTextEdit;

namespace forms {

// The error report's message box: headed with the application title, the critical (stop) icon,
// one OK button, and the text of reportText(message), always as plain text (never markup).
// It never grows beyond the screen's available area.
//   - A text that fits, wrapped at word boundaries, is shown by the message label as in any
//     message box.
//   - A text that does not (a word wider than the widest box, or taller than the screen as the
//     label wraps it) is shown instead in a read-only view in the label's place: wrapped
//     at word boundaries or, for a word wider than the view, anywhere; as wide as a message box
//     may grow; scrolling when it is taller than the screen. The OK button stays visible and
//     keeps the focus. text() is the whole text either way.
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
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // The space for the box's client area: the screen's available area less the window frame.
    QSize spaceOnScreen() const;
    // The widest client area a message box takes: the whole space on a screen up to 1024 px
    // wide, otherwise 480 px less than the space but at most 1000 px (as QMessageBox limits
    // itself when it wraps a long text).
    static int widestClientWidth(QSize space);
    // Width and height that the box's other parts (margins, icon, spacing, buttons) take beside
    // and below the text.
    QSize spaceBesideText() const;
    // True when the message label sits in the box's grid, where the scrolling view can take its
    // place (always so with the Qt versions we build on).
    bool labelInGrid() const;
    // False when the text, wrapped at word boundaries at the widest client width, is wider or
    // taller than the space: a cheap test that only catches texts far too large for the label.
    bool labelCanShowText(QSize space) const;
    void showTextInScrollingView();
    void fitScrollingBox(QSize space);
    void keepWithinScreen();

    QTextEdit *m_scrollingView = nullptr;
    QSize m_scrollingBoxSize; // the client size fitScrollingBox chose
};

} // namespace forms
