#pragma once

#include "core/numfmt.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QTabWidget;

namespace torval::store {
class Tables;
}
namespace torval::fooddb {
class FoodPage;
}
namespace torval::analysis {
class AnalysePage;
}
namespace torval::info {
class BestListPage;
class NutrientDetailsPage;
}
namespace torval::energy {
class EnergyPage;
}
namespace torval::editor {
class TRichMainForm;
}

namespace torval::app {

class TAnimatForm;

// What the main window is started with; tests set the program directory and
// the screen width.
struct StartOptions
{
    QString programDir;
    std::optional<int> screenWidth;
};

// The main window: owns the tables, the pages and the run's values.
class TZudorMainForm final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TZudorMainForm)

public:
    explicit TZudorMainForm(const StartOptions &options, TAnimatForm *splash = nullptr, QWidget *parent = nullptr);
    ~TZudorMainForm() override;

    QString programDir() const { return m_programDir; }
    QString dataDir() const;
    QString optionsPath() const;
    // Null when the tables could not be opened.
    store::Tables *tables() const { return m_tables.get(); }

    // Operations shared with the pages.
    void FillCategoryChoosers();
    void LoadUserSettings();
    void SaveUserSettings();
    void RecalcAnalyse();
    void UserBtnClick();
    // The first activation of the run: on a first start (no options file)
    // the default group comes into force.
    void FormActivate();
    // "Persönliche Daten (Bedarf)": lets the user choose the person group.
    void PersDatenBtnClick();
    // Whether "Diese Summe für die Tagesanalyse nutzen" is ticked.
    bool useCalculatorTotal() const;
    // Brings the page "Nährstoffdetails" to the front with the nutrient of
    // that Nahrung.adt column.
    void showNutrientDetails(const QString &column);
    // Switches to "Einzelanalysen" and searches the foods for the text, as
    // "&Finden" does (a click on a food of the best list).
    void showFoodOnSingleFoodPage(const QString &name);
    // A nutrient caption of the single-food page was clicked.
    void Label41Click(const QString &caption);
    // Shows a file in the report editor window (Auswertg.txt, Rezept.rtf).
    void OpenInReportEditor(const QString &path);
    // The report editor window, hidden until first used.
    editor::TRichMainForm *RichMainForm() const { return m_richMainForm.get(); }
    // Runs the whole shut-down (settings, options file, tables) once.
    void shutDown();

    // Values held for the run.
    bool firstShow = true;
    Fixed4 sportEnergy;
    Fixed4 calcEnergy;
    QString sportList;
    QString carriedLine;
    QStringList browserHistory;

    QTabWidget *PageControl1 = nullptr;
    QLabel *UserLabel = nullptr;
    QPushButton *UserBtn = nullptr;
    QPushButton *HelpBtn = nullptr;
    QLabel *LogoImage = nullptr;
    QLabel *StatusPanel1 = nullptr;
    QLabel *StatusPanel2 = nullptr;
    fooddb::FoodPage *FoodPage = nullptr;
    analysis::AnalysePage *AnalysePage = nullptr;
    info::BestListPage *BestListPage = nullptr;
    info::NutrientDetailsPage *DetailsPage = nullptr;
    energy::EnergyPage *EnergyPage = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildUi();
    QWidget *buildTopBar();
    QWidget *placeholderPage(const QString &name, const QString &helpButton, const QString &text);
    void FormCreate(const StartOptions &options);
    void FormShow();
    void placeLogo();
    void writeOptionsFile() const;
    void connectAnalysePage();
    void connectInfoPages();

    QString m_programDir;
    std::unique_ptr<store::Tables> m_tables;
    TAnimatForm *m_splash;
    bool m_activated = false;
    bool m_optionsExisted = false;
    bool m_optionsRead = false;
    bool m_shutDown = false;
    QWidget *m_topBar = nullptr;
    std::unique_ptr<editor::TRichMainForm> m_richMainForm;
};

} // namespace torval::app
