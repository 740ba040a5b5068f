#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>

ModalAnswerer::ModalAnswerer(QObject *parent) : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::answer);
    m_timer.start(5);
}

void ModalAnswerer::answer()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible())
        return;
    auto *box = qobject_cast<QMessageBox *>(modal);
    if (box == nullptr) {
        modal->close();
        return;
    }
    m_seen.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                   box->frameGeometry().size(), QApplication::focusWidget()});
    if (QAbstractButton *ok = box->button(QMessageBox::Ok))
        ok->click();
    else
        box->reject();
}
