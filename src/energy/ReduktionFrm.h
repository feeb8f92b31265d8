#pragma once

#include <QDialog>

class QDateEdit;
class QLabel;
class QPushButton;

namespace torval::gui {
class MaskEdit;
}

namespace torval::energy {

// "Reduktionsdiät": the day on which the target weight is reached when a
// fixed amount of energy is saved every day. Nothing is stored.
class TReduktionForm final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TReduktionForm)

public:
    // weightText: the calculator's weight as shown; target: the start value
    // of the target weight.
    TReduktionForm(const QString &weightText, int target, QWidget *parent = nullptr);

    // Recomputes the end date; a failing computation keeps the date shown.
    void recompute();

    QDateEdit *DateTimePicker1;
    gui::MaskEdit *EnergieLabel;
    gui::MaskEdit *StartgewichtEdit;
    gui::MaskEdit *ZielgewichtEdit;
    QLabel *DateLabel;
    QPushButton *Button1;
};

} // namespace torval::energy
