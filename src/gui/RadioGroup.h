#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

namespace torval::gui {

// A framed choice of one item among several, laid out in columns; the item
// index is -1 when none is chosen.
class RadioGroup final : public QGroupBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RadioGroup)

public:
    explicit RadioGroup(const QString &caption, QWidget *parent = nullptr);

    // Replaces the items; none is chosen afterwards.
    void setItems(const QStringList &items, int columns = 1);
    int count() const { return int(m_items.size()); }
    QString itemText(int index) const;
    QRadioButton *item(int index) const { return m_items.value(index); }

    int itemIndex() const;
    // A negative index chooses none, one beyond the last chooses the last.
    void setItemIndex(int index);

Q_SIGNALS:
    // The chosen item changed, by the user or by the program.
    void changed(int index);

private:
    QButtonGroup *m_buttons;
    QGridLayout *m_grid;
    QList<QRadioButton *> m_items;
};

} // namespace torval::gui
