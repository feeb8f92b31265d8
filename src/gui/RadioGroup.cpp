#include "RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace torval::gui {

RadioGroup::RadioGroup(const QString &caption, QWidget *parent) : QGroupBox(caption, parent)
{
    m_buttons = new QButtonGroup(this);
    m_buttons->setExclusive(true);
    m_grid = new QGridLayout(this);
    connect(m_buttons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            Q_EMIT changed(id);
    });
}

void RadioGroup::setItems(const QStringList &items, int columns)
{
    for (QRadioButton *b : std::as_const(m_items)) {
        m_buttons->removeButton(b);
        delete b;
    }
    m_items.clear();
    columns = std::max(1, columns);
    const int rows = int((items.size() + columns - 1) / columns);
    for (int i = 0; i < items.size(); ++i) {
        auto *b = new QRadioButton(items.at(i), this);
        b->setObjectName(objectName() + QStringLiteral("Item%1").arg(i));
        m_buttons->addButton(b, i);
        m_items << b;
        m_grid->addWidget(b, i % rows, i / rows);
    }
}

QString RadioGroup::itemText(int index) const
{
    const QRadioButton *b = m_items.value(index);
    return b ? b->text() : QString();
}

int RadioGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (m_items.isEmpty())
        return;
    if (index >= count())
        index = count() - 1;
    if (index < 0) {
        // An exclusive group cannot uncheck its last checked button.
        m_buttons->setExclusive(false);
        for (QRadioButton *b : std::as_const(m_items))
            b->setChecked(false);
        m_buttons->setExclusive(true);
        return;
    }
    m_items.at(index)->setChecked(true);
}

} // namespace torval::gui
