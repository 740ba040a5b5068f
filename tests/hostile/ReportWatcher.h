#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>

// Watches the error reports (message boxes) shown while it lives, as a user sees them: when each
// one first paints, what it shows and where; then answers it with its OK button. A box that has
// not painted after five seconds is answered all the same (appearedAfterMs stays -1), so a test
// fails instead of hanging.
class ReportWatcher : public QObject
{
    Q_OBJECT

public:
    struct Report
    {
        QString title;
        QString text; // QMessageBox::text(): the whole text of the report
        // The text as held by the widget that shows it: the message label, or the scrolling view
        // that ErrorBox puts in its place for a text too large for the label.
        QString shownText;
        bool labelIsPlainText = true; // the label, when it shows the text, never reads markup
        bool inScrollingView = false;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        qint64 appearedAfterMs = -1; // from start() to the box's first paint
        QRect outerGeometry;         // window frame included
        QRect availableGeometry;     // of the box's screen
        // Lines of text ink at the left edge of the text area (a line that does not wrap and runs
        // off the box's right edge counts once).
        int inkLines = 0;
        bool okButtonVisibleAndFocused = false; // inside the box, with the focus
    };

    explicit ReportWatcher(QObject *parent = nullptr);
    ~ReportWatcher() override;

    // Starts (or restarts) the clock of appearedAfterMs; call it just before the user action.
    void start();
    const QList<Report> &reports() const { return m_reports; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void answerUnpaintedBox();
    void inspectAndAnswer(QMessageBox *box, qint64 appearedAfterMs);

    QElapsedTimer m_clock;
    QTimer m_safety;
    QPointer<QMessageBox> m_seenBox; // the box whose first paint (or first sighting) is recorded
    QElapsedTimer m_seenFor;
    QList<Report> m_reports;
};
