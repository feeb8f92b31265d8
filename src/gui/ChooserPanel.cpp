#include "ChooserPanel.h"
#include "sortedcombobox.h"
#include "widgets.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace torval::gui {

namespace {

// Entering the search box selects all its text, so typing replaces it.
class SelectAllOnFocus final : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            if (auto *edit = qobject_cast<QLineEdit *>(watched))
                QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        return false;
    }
};

class PageDefaultButton final : public QObject
{
public:
    PageDefaultButton(QWidget *page, QPushButton *button) : QObject(page), m_button(button) {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        // A focused button other than the default one is pressed itself.
        if (auto *focused = qobject_cast<QPushButton *>(m_button->window()->focusWidget());
            focused && focused != m_button && focused->isEnabled()) {
            focused->click();
            return true;
        }
        if (!m_button->isEnabled())
            return false;
        m_button->click();
        return true;
    }

private:
    QPushButton *m_button;
};

} // namespace

ChooserPanel::ChooserPanel(const QString &title, const ChooserSpec &spec, QWidget *parent)
    : QGroupBox(title, parent), categories(new SortedComboBox(this)), items(new SortedComboBox(this)),
      search(new QLineEdit(this)),
      searchButton(namedButton(spec.buttonName, QStringLiteral("&Finden"), spec.buttonHint, this)),
      m_layout(new QVBoxLayout(this))
{
    categories->setObjectName(spec.categoryName);
    categories->setToolTip(spec.categoryHint);
    items->setObjectName(spec.itemName);
    items->setToolTip(spec.itemHint);
    search->setObjectName(spec.searchName);
    search->setToolTip(spec.searchHint);
    search->installEventFilter(new SelectAllOnFocus(search));
    searchButton->setDefault(true);

    m_layout->setSpacing(3);
    m_layout->addWidget(buddyLabel(spec.categoryCaption, categories, this));
    m_layout->addWidget(categories);
    m_layout->addWidget(buddyLabel(spec.itemCaption, items, this));
    m_layout->addWidget(items);
    m_layout->addWidget(buddyLabel(QStringLiteral("&Suchbegriff:"), search, this));
    m_layout->addWidget(search);
    m_layout->addWidget(searchButton);
}

void setPageDefaultButton(QWidget *page, QPushButton *button)
{
    page->installEventFilter(new PageDefaultButton(page, button));
}

} // namespace torval::gui
