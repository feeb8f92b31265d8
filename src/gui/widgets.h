#pragma once

#include <QLabel>
#include <QPushButton>

namespace torval::gui {

// A caption for a field, its buddy: a screen reader reads them together and
// the caption's mnemonic moves to the field.
inline QLabel *buddyLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

// A button with its control name and hint that Enter does not press.
inline QPushButton *namedButton(const QString &name, const QString &caption, const QString &hint, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

} // namespace torval::gui
