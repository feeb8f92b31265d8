#pragma once

#include "core/runstate.h"

#include <QList>
#include <QMainWindow>
#include <QString>
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
} // namespace torval::info
namespace torval::energy {
class EnergyPage;
}
namespace torval::editor {
class TRichMainForm;
}

namespace torval::app {

class TAnimatForm;
class UserSession;

// What the main window is started with; tests set the program directory and
// the screen width.
struct LaunchOptions
{
    QString programDir;
    std::optional<int> screenWidth;
};

// The main window: owns the tables, the run state, the user session and
// the pages, and wires the pages together. The pages know nothing of it.
class TZudorMainForm final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TZudorMainForm)

public:
    explicit TZudorMainForm(const LaunchOptions &options, TAnimatForm *splash = nullptr, QWidget *parent = nullptr);
    ~TZudorMainForm() override;

    QString programDir() const { return m_programDir; }
    QString dataDir() const;
    QString optionsPath() const;
    // Null when the tables could not be opened.
    store::Tables *tables() const { return m_tables.get(); }
    RunState &runState() const { return *m_run; }
    // Null when the tables could not be opened.
    const UserSession *session() const { return m_session.get(); }

    // Operations shared with the dialogs of the window.
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
    // Returns false when the user chose to keep the window open because the
    // settings could not be stored.
    bool shutDown(bool mayCancel = false);

    // Whether the user selection still opens when the window is shown; tests
    // that do not need it switch it off.
    bool firstShowPending() const { return m_firstShow; }
    void setFirstShowPending(bool pending) { m_firstShow = pending; }

    // Makes the page (the widget of the page, not its position) the active
    // page; the page shown.
    void showPage(QWidget *page);
    QWidget *currentPage() const;
    QWidget *page(int index) const { return m_pages.value(index); }

    // The parts of the window, for the tests.
    QTabWidget *pageControl() const { return PageControl1; }
    QLabel *userLabel() const { return UserLabel; }
    QPushButton *userButton() const { return UserBtn; }
    QLabel *logo() const { return LogoImage; }
    QString statusText() const;
    fooddb::FoodPage *foodPage() const { return FoodPage; }
    analysis::AnalysePage *analysePage() const { return AnalysePage; }
    info::BestListPage *bestListPage() const { return BestListPage; }
    info::NutrientDetailsPage *detailsPage() const { return DetailsPage; }
    energy::EnergyPage *energyPage() const { return EnergyPage; }

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The window's frame, and the creation sequence step by step.
    void buildUi();
    QWidget *buildTopBar();
    QWidget *placeholderPage(const QString &name, const QString &helpButton, int helpTopic, const QString &text);
    void FormCreate(const LaunchOptions &options);
    void setConventions();
    void checkScreenWidth(const LaunchOptions &options);
    void openTables();
    void buildPages();
    void readOptionsFile();
    void showFirstCategory();
    void showFirstNutrients();
    void connectPages();
    void FormShow();
    void placeLogo();
    void saveSettingsAtClose(bool mayCancel, bool &keepOpen);

    QString m_programDir;
    std::unique_ptr<RunState> m_run;
    std::unique_ptr<store::Tables> m_tables;
    std::unique_ptr<UserSession> m_session;
    TAnimatForm *m_splash;
    bool m_firstShow = true;
    bool m_activated = false;
    bool m_shutDown = false;
    std::unique_ptr<editor::TRichMainForm> m_richMainForm;
    QList<QWidget *> m_pages; // in page order, each inside its scroll area

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
};

} // namespace torval::app
