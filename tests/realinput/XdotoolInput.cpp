#include "XdotoolInput.h"

#include <QProcess>
#include <QTest>
#include <QWidget>

namespace real_input {

void fallBackToOffscreenWithoutDisplay()
{
    if (qgetenv("QT_QPA_PLATFORM") == "xcb" && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

QStringList clickArguments(const QPoint &global)
{
    // No --sync: it waits for a motion that never comes when the pointer is already there. The X
    // server keeps the order of the move and the click.
    return {"mousemove", QString::number(global.x()), QString::number(global.y()), "click", "1"};
}

void startXdotool(QObject *owner, const QStringList &arguments)
{
    auto *process = new QProcess(owner);
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start(QStringLiteral("xdotool"), arguments);
}

void xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    QTRY_VERIFY_WITH_TIMEOUT(process.state() == QProcess::NotRunning, 20000);
    QCOMPARE(process.exitCode(), 0);
    QTest::qWait(150);
}

void clickOn(QWidget *widget)
{
    xdotool(clickArguments(widget->mapToGlobal(widget->rect().center())));
}

} // namespace real_input
