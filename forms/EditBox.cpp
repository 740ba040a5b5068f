#include "forms/EditBox.h"

namespace forms {

EditBox::EditBox(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &EditBox::changed);
}

} // namespace forms
