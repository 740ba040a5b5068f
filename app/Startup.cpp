#include "Startup.h"

#include "NumericError.h"
#include "TForm1.h"
#include "TForm3.h"
#include "forms/Application.h"
#include "forms/Pictures.h"

#include <QIcon>
#include <QPixmap>

void startUp(forms::Application &application)
{
    // A refused text may contain NUL characters, where what() would end the message: the error
    // report reads the numeric core's errors by their whole message.
    application.setErrorMessageReader<numeric::NumericError>(
        [](const numeric::NumericError &error) { return QString::fromStdString(error.message()); });

    // Read as pictures, whose format is known from their names: QIcon::addFile would detect each
    // file's format by loading every image plugin.
    QIcon programIcon;
    for (const int pixels : {32, 48, 64, 96, 128}) {
        const QString file = QStringLiteral(":/icon/icon-%1.png").arg(pixels);
        programIcon.addPixmap(QPixmap::fromImage(forms::loadPicture(file).image));
    }
    QApplication::setWindowIcon(programIcon);

    application.createForm(Form1);
    application.createForm(Form3);

    Form1->show();
}

void shutDown(forms::Application &application)
{
    // The portfolio window (created last) goes first, then the calculator window.
    application.destroyForms();
}
