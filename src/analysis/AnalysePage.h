#pragma once

#include "core/numfmt.h"

#include <QStringList>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace torval {
class RunState;
}
namespace torval::gui {
class SortedComboBox;
}
namespace torval::store {
class Tables;
}
namespace torval::fooddb {
class FoodChooser;
}

namespace torval::analysis {

// What the page asks of the main window. Every part may be left empty; the
// page then leaves it out.
struct AnalyseHost
{
    std::function<void()> persDatenBtnClick; // choose the person group
    std::function<void(const QString &path)> openInReportEditor;
    std::function<void(const QString &column)> showNutrientDetails; // Nahrung.adt column of the nutrient
    QString programDir;                                             // where "Auswertg.txt" goes
};

// The page "Tagesanalysen": what was eaten on one day, its totals against the
// requirement, the written evaluation, saved days and printed lists.
class AnalysePage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AnalysePage)

public:
    // The day's energy target follows the calculator total of the run state
    // when it is to be used.
    AnalysePage(store::Tables &tables, RunState &run, QWidget *parent = nullptr);

    void setHost(AnalyseHost host) { m_host = std::move(host); }

    // The intake list, one "name;amount" per line.
    const QStringList &intakeLines() const { return m_lines; }
    // Replaces the whole list (no computation).
    void setIntakeLines(const QStringList &lines);
    // The lines the result list holds.
    const QStringList &resultLines() const { return m_results; }

    // The day's computation and its display. Messages are shown; a failed
    // conversion is reported and leaves the shown results as they were.
    void RecalcAnalyse();

    // Handlers.
    void KategorieCombo2Change();
    void SearchBtn2Click();
    void ProduktCombo2Change();
    void AddBtnClick();
    void MengeBtnClick();
    void DeleteBtnClick();
    void DeleteAllBtnClick();
    void MengenBtnClick();
    void NSListBoxDblClick();
    void AuswertgBtnClick();
    void SaveBtnClick();
    void LoadBtnClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void PersDatenBtnClick();

    gui::SortedComboBox *KategorieCombo2;
    gui::SortedComboBox *ProduktCombo2;
    QLineEdit *SearchEdit2;
    QPushButton *SearchBtn2;
    QLineEdit *MengenEdit;
    QPushButton *MengenBtn;
    QPushButton *AddBtn;
    QPushButton *BtnHelp5;
    QTreeWidget *NMListBox;
    QPushButton *MengeBtn;
    QPushButton *DeleteBtn;
    QPushButton *DeleteAllBtn;
    QTreeWidget *NSListBox;
    QLabel *EWPLabel;
    QLabel *FTPLabel;
    QLabel *KHPLabel;
    QPushButton *PersDatenBtn;
    QPushButton *AuswertgBtn;
    QPushButton *SaveBtn;
    QPushButton *LoadBtn;
    QPushButton *SpeedButton1;
    QPushButton *SpeedButton2;

private:
    void buildUi();
    void showIntakeLine(int index);
    int selectedLine() const;
    void showResults(const QStringList &lines);
    void fitResultList();
    QString programDir() const;

    store::Tables &m_tables;
    RunState &m_run;
    fooddb::FoodChooser *m_chooser = nullptr;
    AnalyseHost m_host;
    QStringList m_lines;
    QStringList m_results;
};

} // namespace torval::analysis
