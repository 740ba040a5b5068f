#pragma once

#include <QComboBox>
#include <QStringList>

namespace forms {

// An editable drop-down: a text field with a list of items.
//
// - itemIndex() is the index of the item whose text equals the edit text exactly, or -1. It
//   follows the text, whatever changed it: typing, inline completion, choosing an item.
// - changed() is emitted when the user selects an item (mouse, wheel or keys) or edits the text,
//   once per user action and only after the action is complete, so a handler sees the text that
//   inline completion has produced. It is never emitted for what the program does: setItems,
//   setItemIndex, setEditText.
// - Enter never adds the typed text as an item. Inline completion is case-sensitive, so a
//   completed text always equals an item's text.
// - Screen readers: the text field, which Qt reports as the focused object, carries the
//   drop-down's accessible name and description (copied when it is polished and shown).
class ComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ComboBox(QWidget *parent = nullptr);

    // The index of the item whose text equals the edit text, or -1.
    int itemIndex() const;
    // Selects item `index` (its text becomes the edit text); -1 empties the text.
    void setItemIndex(int index);
    // Replaces all items; the edit text becomes empty.
    void setItems(const QStringList &items);

signals:
    void changed();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void userChanged();

    // Nesting depth of user input that this class is delivering; changes seen meanwhile are
    // reported once, when it ends.
    int m_userInputDepth = 0;
    bool m_changeDuringInput = false;

    friend class ComboBoxUserInput;
};

} // namespace forms
