#include "forms/ComboBox.h"

#include <QCompleter>
#include <QEvent>
#include <QLineEdit>

namespace forms {

// Marks user input delivered to a ComboBox; emits changed() at its end if the input changed the
// selection or the text (after inline completion, which runs after the text edit).
class ComboBoxUserInput
{
public:
    explicit ComboBoxUserInput(ComboBox &combo) : m_combo(combo) { ++m_combo.m_userInputDepth; }
    ~ComboBoxUserInput()
    {
        if (--m_combo.m_userInputDepth == 0 && m_combo.m_changeDuringInput) {
            m_combo.m_changeDuringInput = false;
            emit m_combo.changed();
        }
    }
    ComboBoxUserInput(const ComboBoxUserInput &) = delete;
    ComboBoxUserInput &operator=(const ComboBoxUserInput &) = delete;

private:
    ComboBox &m_combo;
};

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    if (QCompleter *completion = completer())
        completion->setCaseSensitivity(Qt::CaseSensitive);
    connect(this, &QComboBox::activated, this, &ComboBox::userChanged);
    connect(lineEdit(), &QLineEdit::textEdited, this, &ComboBox::userChanged);
}

bool ComboBox::event(QEvent *event)
{
    if (event->type() == QEvent::Polish || event->type() == QEvent::Show) {
        lineEdit()->setAccessibleName(accessibleName());
        lineEdit()->setAccessibleDescription(accessibleDescription());
    }
    return QComboBox::event(event);
}

int ComboBox::itemIndex() const
{
    return findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void ComboBox::setItemIndex(int index)
{
    setCurrentIndex(index);
    if (index < 0)
        setEditText(QString());
}

void ComboBox::setItems(const QStringList &items)
{
    clear();
    addItems(items);
    setItemIndex(-1);
}

void ComboBox::keyPressEvent(QKeyEvent *event)
{
    const ComboBoxUserInput input(*this);
    QComboBox::keyPressEvent(event);
}

void ComboBox::inputMethodEvent(QInputMethodEvent *event)
{
    const ComboBoxUserInput input(*this);
    QComboBox::inputMethodEvent(event);
}

void ComboBox::userChanged()
{
    if (m_userInputDepth > 0)
        m_changeDuringInput = true;
    else
        emit changed();
}

} // namespace forms
