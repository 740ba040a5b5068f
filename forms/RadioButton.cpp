#include "forms/RadioButton.h"

#include <algorithm>

namespace forms {

RadioButton::RadioButton(QWidget *parent) : QRadioButton(parent)
{
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (!checked)
            return;
        keepTabStopOnCheckedButton();
        emit becameChecked();
    });
}

void RadioButton::focusInEvent(QFocusEvent *event)
{
    QRadioButton::focusInEvent(event); // Qt makes the focused button the tab stop
    keepTabStopOnCheckedButton();
}

void RadioButton::keepTabStopOnCheckedButton()
{
    if (!autoExclusive() || parentWidget() == nullptr)
        return;
    const QList<QAbstractButton *> group =
        parentWidget()->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly);
    const auto inGroup = [](const QAbstractButton *button) {
        return button->autoExclusive() && button->isCheckable();
    };
    const bool anyChecked = std::any_of(group.begin(), group.end(), [&](QAbstractButton *b) {
        return inGroup(b) && b->isChecked();
    });
    if (!anyChecked)
        return;
    for (QAbstractButton *button : group) {
        if (!inGroup(button))
            continue;
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(button->isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                   : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

} // namespace forms
