#include "WindowControls.h"

#include "forms/ComboBox.h"
#include "forms/EditBox.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/PictureButton.h"

#include <QTest>

#include <cstring>

namespace window_test {

forms::EditBox *edit(const QString &name)
{
    return control<forms::EditBox>(name);
}

forms::ComboBox *sizes()
{
    return control<forms::ComboBox>(QStringLiteral("ComboBox1"));
}

forms::PictureButton *calc()
{
    return control<forms::PictureButton>(QStringLiteral("BitBtn1"));
}

forms::Label *result()
{
    return control<forms::Label>(QStringLiteral("Label7"));
}

forms::Form *window(const QString &name)
{
    if (name == QLatin1String("TForm1"))
        return Form1;
    if (name == QLatin1String("TForm3"))
        return Form3;
    qFatal("no window %s", qPrintable(name));
}

void showBothWindows()
{
    QVERIFY(Form1 != nullptr && Form3 != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
    // What the "KORVEL" button does, without the modal event loop.
    Form3->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form3));
}

bool sameValue(long double actual, long double expected)
{
    return std::memcmp(&actual, &expected, 10) == 0;
}

} // namespace window_test
