#pragma once

#include "store/users.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace torval {
class RunState;
}
namespace torval::store {
class Database;
}

namespace torval::gui {
class MaskEdit;
class RadioGroup;
} // namespace torval::gui

namespace torval::energy {

// What the page asks of the main window; a part left empty is left out.
struct EnergyHost
{
    std::function<void()> recalcAnalyse;                    // the day's computation
    std::function<void(const QString &weight)> weightShown; // the user label follows the weight
};

// The page "Energiebedarfsrechner": the daily energy need from weight, sex,
// activity and sport; opens the sport and the reduction-diet dialogs. Its
// inputs are the current user's settings; the calculator total, the sport
// and the check box live in the run state.
class EnergyPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EnergyPage)

public:
    EnergyPage(store::Database &db, RunState &run, QWidget *parent = nullptr);

    void setHost(EnergyHost host) { m_host = std::move(host); }

    // Recomputes the three values and the calculator total from the inputs;
    // returns whether the day's analysis was recomputed too.
    bool GewichtEditChange();
    void SumKcalCheckBoxClick();
    void SportBtnClick();
    void ReduktionBtnClick();

    // The user settings the page holds (weight and hours as their field
    // texts, blanks included; sex, activity, check box); showSettings sets
    // them without recomputing anything.
    store::UserSettings settings() const;
    void showSettings(const store::UserSettings &s);
    // Forgets the values of the previous inputs (another user came in); a
    // total of 0 leaves the day with the group's energy.
    void clearTotal();

    gui::MaskEdit *GewichtEdit;
    gui::RadioGroup *GeschlechtGroup;
    gui::RadioGroup *TaetigkeitGroup;
    gui::MaskEdit *StundenEdit;
    QCheckBox *SumKcalCheckBox;
    QLabel *GULabel;
    QLabel *AULabel;
    QLabel *GesamtLabel;
    QPushButton *SportBtn;
    QPushButton *ReduktionBtn;
    QPushButton *BtnHelp4;
    QLabel *SportLabel; // the sport energy in force

private:
    void updateUserLabel();
    QWidget *buildExplanation();
    void showSport();

    store::Database &m_db;
    RunState &m_run;
    EnergyHost m_host;
};

} // namespace torval::energy
