#pragma once

#include <QRadioButton>

namespace forms {

// A radio button. Radio buttons that are children of the same widget form one group (Qt's
// auto-exclusive buttons): checking one unchecks the others. The rule the windows rely on:
//   - checking an unchecked button, whether the user or the program does it, unchecks its
//     checked sibling, makes this button the group's only tab stop, and then emits
//     becameChecked() once;
//   - checking the checked button does nothing and emits nothing;
//   - Tab stops only on the checked button of the group; while none is checked, Qt's own rule
//     applies (the button that last had the focus, at first the first one).
// Qt gives the order of events and the exclusivity; it moves the tab stop only when a button
// receives the focus, so this class moves it when a button becomes checked.
class RadioButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit RadioButton(QWidget *parent = nullptr);

signals:
    // The button has just changed from unchecked to checked.
    void becameChecked();

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    // Makes the checked button of this button's group its only tab stop, if one is checked.
    void keepTabStopOnCheckedButton();
};

} // namespace forms
