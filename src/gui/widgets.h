#pragma once

#include "gui/handler.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <utility>

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

// Runs handler, guarded, whenever the button is clicked.
template<typename F>
void onClick(QAbstractButton *button, F handler)
{
    QObject::connect(button, &QAbstractButton::clicked, button, [h = std::move(handler)] { guarded(h); });
}

// The same for a handler of an object that outlives the connection only as
// long as it lives: the connection ends with the object.
template<typename T>
void onClick(QAbstractButton *button, T *object, void (T::*handler)())
{
    QObject::connect(button, &QAbstractButton::clicked, object,
                     [object, handler] { guarded([&] { (object->*handler)(); }); });
}

} // namespace torval::gui
