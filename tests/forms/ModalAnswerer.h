#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QSize>
#include <QString>
#include <QTimer>

// Answers modal message boxes while it lives, the way a user would: every few milliseconds it
// looks for the application's modal widget; a QMessageBox is recorded and answered with its OK
// button (or rejected), any other modal widget is closed.
class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    struct SeenBox
    {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QSize outerSize;
        QWidget *focusedWhileOpen = nullptr; // QApplication::focusWidget() while it was open
    };

    explicit ModalAnswerer(QObject *parent = nullptr);

    const QList<SeenBox> &seen() const { return m_seen; }
    void clear() { m_seen.clear(); }

private:
    void answer();

    QTimer m_timer;
    QList<SeenBox> m_seen;
};
