#pragma once

#include <QDialog>
#include <QList>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace torval::energy {

// "Personenkreis spezifizieren": one of the 20 person groups.
class TBedarfSelectForm final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TBedarfSelectForm)

public:
    explicit TBedarfSelectForm(QWidget *parent = nullptr);

    // Marks the item whose text equals the group, letter case ignored; with
    // no such item none is marked.
    void markGroup(const QString &group);
    // Text of the marked item, empty when none is marked.
    QString markedGroup() const;

    QGroupBox *RadioGroup1;
    QList<QRadioButton *> items;
    QPushButton *SelectBtn;
    QPushButton *CancelBtn;

private:
    QButtonGroup *m_buttons;
};

} // namespace torval::energy
