#include "XdotoolInput.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

namespace real_input {

QString whyRealInputCannotRun()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return QStringLiteral("needs an X server (run under xvfb-run with QT_QPA_PLATFORM=xcb)");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        return QStringLiteral("needs xdotool");
    return {};
}

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
