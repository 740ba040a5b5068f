#include "Startup.h"

#include "NumericError.h"
#include "TForm1.h"
#include "TForm3.h"
#include "forms/Application.h"
#include "forms/BackgroundDecodedIconEngine.h"

#include <QIcon>

void startUp(forms::Application &application)
{
    // A refused text may contain NUL characters, where what() would end the message: the error
    // report reads the numeric core's errors by their whole message.
    application.setErrorMessageReader<numeric::NumericError>(
        [](const numeric::NumericError &error) { return QString::fromStdString(error.message()); });

    // Decoded on a worker thread while the windows are built: the first window's creation is the
    // first to need the icon's pixels.
    QStringList iconFiles;
    for (const int pixels : {32, 48, 64, 96, 128})
        iconFiles.append(QStringLiteral(":/icon/icon-%1.png").arg(pixels));
    const QIcon programIcon = forms::BackgroundDecodedIconEngine::icon(iconFiles);
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
