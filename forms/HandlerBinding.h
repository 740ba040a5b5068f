#pragma once

#include "forms/Application.h"

#include <QObject>

namespace forms {

// Binds the handler `handler` of window `form` to `signal` of the control `sender`:
//
//     bindHandler(ui->BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
//
// The handler has the form `void Name(QObject *Sender)` and receives `sender`; the signal's own
// arguments are dropped. An exception escaping the handler is caught here, before it could reach
// Qt's frames, and shown as the error report (Application::dispatch); the program then goes on
// with whatever state the handler reached. The connection ends with `form` or `sender`.
template <typename Sender, typename Signal, typename FormClass>
QMetaObject::Connection bindHandler(Sender *sender, Signal signal, FormClass *form,
                                    void (FormClass::*handler)(QObject *))
{
    return QObject::connect(sender, signal, form, [form, handler, sender] {
        Application::dispatch([form, handler, sender] { (form->*handler)(sender); });
    });
}

} // namespace forms
