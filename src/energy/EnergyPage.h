#pragma once

#include "store/users.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace torval::app {
class TZudorMainForm;
}

namespace torval::energy {

class MaskEdit;
class RadioGroup;

// The page "Energiebedarfsrechner": the daily energy need from weight, sex,
// activity and sport; opens the sport and the reduction-diet dialogs. Its
// inputs are the current user's settings.
class EnergyPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EnergyPage)

public:
    explicit EnergyPage(app::TZudorMainForm &main, QWidget *parent = nullptr);

    // Recomputes the three values and the calculator total from the inputs;
    // returns whether the day's analysis was recomputed too.
    bool GewichtEditChange();
    void SumKcalCheckBoxClick();
    void SportBtnClick();
    void ReduktionBtnClick();

    // The user settings the page holds (weight, sex, activity, hours, check
    // box); showSettings sets them without recomputing anything.
    void readSettings(store::UserSettings &s) const;
    void showSettings(const store::UserSettings &s);
    // Forgets the values of the previous inputs (another user came in); a
    // total of 0 leaves the day with the group's energy.
    void clearTotal();

    MaskEdit *GewichtEdit;
    RadioGroup *GeschlechtGroup;
    RadioGroup *TaetigkeitGroup;
    MaskEdit *StundenEdit;
    QCheckBox *SumKcalCheckBox;
    QLabel *GULabel;
    QLabel *AULabel;
    QLabel *GesamtLabel;
    QPushButton *SportBtn;
    QPushButton *ReduktionBtn;
    QPushButton *BtnHelp4;

private:
    void updateUserLabel();

    app::TZudorMainForm &m_main;
};

} // namespace torval::energy
