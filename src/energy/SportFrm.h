#pragma once

#include "core/numfmt.h"
#include "core/sport.h"

#include <QDialog>
#include <QStringList>
#include <memory>

class QPushButton;
class QTreeWidget;

namespace torval::store {
class Database;
class Table;
} // namespace torval::store

namespace torval::gui {
class MaskEdit;
class RadioGroup;
} // namespace torval::gui

namespace torval::energy {

// "Sportliche Aktivitäten": the sports of one user with their minutes and
// kcal. The activities come from SPORTFAKTOR.ADT, opened while the dialog
// lives.
class TSportForm final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSportForm)

public:
    // weight: the body weight in whole kg that new entries are computed with.
    TSportForm(store::Database &db, const QString &sportList, int weight, QWidget *parent = nullptr);
    ~TSportForm() override;

    void SpeedButton1Click();
    void SpeedButton2Click();

    // The rows as they stand, in the stored form, and the sum of their kcal.
    QList<SportEntry> entries() const;
    QString sportListText() const { return formatSportList(entries()); }
    Fixed4 sportEnergy() const { return torval::sportEnergy(entries()); }

    gui::RadioGroup *RadioGroup1;
    gui::MaskEdit *MinutenEdit;
    QPushButton *SpeedButton1;
    QPushButton *SpeedButton2;
    QTreeWidget *lv;
    QPushButton *DoItBtn;
    QPushButton *CloseBtn;

protected:
    void done(int result) override;

private:
    void openActivities();
    void appendRow(const QString &name, const SportEntry &e);

    std::unique_ptr<store::Table> TableSport;
    QStringList m_names;
    int m_weight;
};

} // namespace torval::energy
