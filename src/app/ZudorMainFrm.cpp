#include "ZudorMainFrm.h"
#include "PassRequestFrm.h"
#include "UserSession.h"
#include "analysis/AnalysePage.h"
#include "animatFrm.h"
#include "core/groups.h"
#include "core/runstate.h"
#include "editor/REMain.h"
#include "energy/BedarfSelectFrm.h"
#include "energy/EnergyPage.h"
#include "fooddb/FoodPage.h"
#include "gui/RadioGroup.h"
#include "gui/dialogs.h"
#include "gui/handler.h"
#include "gui/help.h"
#include "gui/sortedcombobox.h"
#include "gui/widgets.h"
#include "info/BestListPage.h"
#include "info/NutrientDetailsPage.h"
#include "info/SingleFoodView.h"
#include "store/foodlookup.h"
#include "store/tables.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

// The logo lives in the GUI library's resources, which a static library has
// to register itself.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace torval::app {

namespace {

const QString kTitle = QStringLiteral("TORVAL Ernährungsberater");
const int kLogoOffset = 145;

// The windows whose reads are let go after every handler.
QList<TZudorMainForm *> &openWindows()
{
    static QList<TZudorMainForm *> windows;
    return windows;
}

} // namespace

TZudorMainForm::TZudorMainForm(const LaunchOptions &options, TAnimatForm *splash, QWidget *parent)
    : QMainWindow(parent), m_programDir(options.programDir), m_run(std::make_unique<RunState>()), m_splash(splash)
{
    initResources();
    setObjectName(QStringLiteral("ZudorMainForm"));
    setWindowTitle(kTitle);
    openWindows().append(this);
    // No read of the database outlives a handler.
    gui::setAfterHandlers([] {
        for (TZudorMainForm *w : openWindows())
            if (w->m_tables)
                w->m_tables->releaseReads();
    });
    buildUi();
    FormCreate(options);
    // The report editor exists for the whole run, hidden until first used.
    m_richMainForm = std::make_unique<editor::TRichMainForm>();
}

TZudorMainForm::~TZudorMainForm()
{
    shutDown();
    openWindows().removeOne(this);
    if (openWindows().isEmpty())
        gui::setAfterHandlers({});
}

QString TZudorMainForm::dataDir() const
{
    return QDir(m_programDir).filePath(QStringLiteral("Data"));
}

QString TZudorMainForm::optionsPath() const
{
    return QDir(m_programDir).filePath(QStringLiteral("ZudorOpt.cfg"));
}

QString TZudorMainForm::statusText() const
{
    return StatusPanel1->text();
}

QWidget *TZudorMainForm::buildTopBar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("TopBar"));
    bar->setFixedHeight(55);

    QFont titleFont = font();
    titleFont.setPointSize(18);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    auto *shadow = new QLabel(kTitle, bar);
    shadow->setObjectName(QStringLiteral("TitleShadow"));
    shadow->setFont(titleFont);
    QPalette silver = shadow->palette();
    silver.setColor(QPalette::WindowText, QColor(0xc0, 0xc0, 0xc0));
    shadow->setPalette(silver);
    shadow->setAccessibleName(QString());
    shadow->move(12, 10);
    auto *title = new QLabel(kTitle, bar);
    title->setObjectName(QStringLiteral("TitleLabel"));
    title->setFont(titleFont);
    QPalette navy = title->palette();
    navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    title->setPalette(navy);
    title->move(10, 8);
    shadow->adjustSize();
    title->adjustSize();

    UserBtn = gui::namedButton(QStringLiteral("UserBtn"), QStringLiteral("Benutzer ..."), QString(), bar);
    HelpBtn = gui::namedButton(QStringLiteral("HelpBtn"), QStringLiteral("Hilfe - Übersicht"), QString(), bar);
    UserLabel = new QLabel(QStringLiteral("< Hauptbenutzer >"), bar);
    UserLabel->setObjectName(QStringLiteral("UserLabel"));
    const int x = title->x() + title->width() + 16;
    UserBtn->setGeometry(x, 6, 110, 22);
    HelpBtn->setGeometry(x + 116, 6, 120, 22);
    UserLabel->setGeometry(x, 31, 236, 20);

    LogoImage = new QLabel(bar);
    LogoImage->setObjectName(QStringLiteral("LogoImage"));
    const QPixmap logo(QStringLiteral(":/torval/logo.jpg"));
    LogoImage->setPixmap(logo);
    LogoImage->setAccessibleName(QStringLiteral("Logo"));
    LogoImage->setGeometry(0, (55 - logo.height()) / 2, logo.width(), logo.height());

    gui::onClick(UserBtn, this, &TZudorMainForm::UserBtnClick);
    gui::onClick(HelpBtn, [] { gui::help().showTopic(9999); });
    return bar;
}

QWidget *TZudorMainForm::placeholderPage(const QString &name, const QString &helpButton, int helpTopic,
                                         const QString &text)
{
    auto *page = new QWidget(this);
    page->setObjectName(name);
    auto *label = new QLabel(text, page);
    label->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(label, 1);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(gui::helpButton(helpButton, helpTopic, page));
    layout->addLayout(row);
    return page;
}

void TZudorMainForm::buildUi()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTopBar());

    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // All eight captions are visible from the window's starting width on;
    // a narrower window scrolls the tabs.
    PageControl1->setUsesScrollButtons(true);
    PageControl1->tabBar()->setStyleSheet(
        QStringLiteral("QTabBar::tab { padding: 3px 3px; border: 1px solid #b4b4b4; border-bottom: none;"
                       " border-top-left-radius: 3px; border-top-right-radius: 3px; background: #e6e6e6; }"
                       "QTabBar::tab:selected { background: palette(base); }"
                       "QTabBar::tab:!selected { margin-top: 2px; }"));
    QFont tabFont = PageControl1->tabBar()->font();
    tabFont.setPointSizeF(tabFont.pointSizeF() * 0.9);
    PageControl1->tabBar()->setFont(tabFont);
    layout->addWidget(PageControl1, 1);
    setCentralWidget(central);

    // The first panel names the program until the links page reports an
    // address it navigates to.
    StatusPanel1 = new QLabel(kTitle, this);
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel1->setAlignment(Qt::AlignCenter);
    StatusPanel1->setFixedWidth(600);
    StatusPanel2 = new QLabel(QStringLiteral("1.0"), this);
    StatusPanel2->setObjectName(QStringLiteral("StatusPanel2"));
    StatusPanel2->setAlignment(Qt::AlignCenter);
    StatusPanel2->setFixedWidth(50);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(StatusPanel1);
    statusBar()->addWidget(StatusPanel2);

    resize(792, 599);
    // Below this the window shows too little; a page that needs more room
    // than the window has scrolls.
    setMinimumSize(640, 480);
    if (const QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());

    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, [this] {
        static const char *const buttons[] = {"BtnHelp",  "BtnHelp2", "BtnHelp3", "BtnHelp4",
                                              "BtnHelp5", "BtnHelp6", "BtnHelp7", "BtnHelp8"};
        const int i = PageControl1->currentIndex();
        if (i >= 0 && i < 8)
            if (auto *b = PageControl1->widget(i)->findChild<QPushButton *>(QString::fromLatin1(buttons[i])))
                b->click();
    });
}

void TZudorMainForm::buildPages()
{
    struct PageInfo
    {
        const char16_t *name;
        const char16_t *helpButton;
        int helpTopic;
        const char16_t *caption;
        const char16_t *notYet;
    };
    static const PageInfo pages[] = {
        {u"TabSheet1", u"BtnHelp", 5, u"Einzelanalysen", nullptr},
        {u"TabSheet2", u"BtnHelp2", 6, u"Bestenlisten", nullptr},
        {u"TabSheet3", u"BtnHelp3", 7, u"Nährstoffdetails", nullptr},
        {u"TabSheet4", u"BtnHelp4", 8, u"Energiebedarfsrechner", nullptr},
        {u"AnalyseSheet", u"BtnHelp5", 9, u"Tagesanalysen", nullptr},
        {u"RezepteSheet", u"BtnHelp6", 11, u"Rezeptebibliothek",
         u"Die Rezeptebibliothek ist in dieser Version noch nicht enthalten."},
        {u"TabSheet8", u"BtnHelp7", 12, u"Artikeldatenbank",
         u"Die Artikeldatenbank ist in dieser Version noch nicht enthalten."},
        {u"TabSheet6", u"BtnHelp8", 13, u"Infos und Links",
         u"Die Seite „Infos und Links“ ist in dieser Version noch nicht enthalten."},
    };
    // Without tables only the frame of each page is shown.
    if (m_tables) {
        FoodPage = new fooddb::FoodPage(*m_tables, this);
        BestListPage = new info::BestListPage(*m_tables, this);
        DetailsPage = new info::NutrientDetailsPage(*m_tables, this);
        EnergyPage = new energy::EnergyPage(m_tables->db(), *m_run, this);
        AnalysePage = new analysis::AnalysePage(*m_tables, *m_run, this);
        connectPages();
    }
    QWidget *const built[] = {FoodPage, BestListPage, DetailsPage, EnergyPage, AnalysePage};
    for (int i = 0; i < 8; ++i) {
        const PageInfo &p = pages[i];
        QWidget *page = i < 5 ? built[i] : nullptr;
        if (page)
            page->setObjectName(QString::fromUtf16(p.name));
        else
            page = placeholderPage(QString::fromUtf16(p.name), QString::fromUtf16(p.helpButton), p.helpTopic,
                                   p.notYet ? QString::fromUtf16(p.notYet) : QString());
        // A window smaller than a page needs (a small screen, a large font
        // or scaling) scrolls the page instead of squeezing its controls.
        auto *scroll = new QScrollArea(PageControl1);
        scroll->setObjectName(QString::fromUtf16(p.name) + QStringLiteral("Scroll"));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setWidget(page);
        m_pages.append(page);
        PageControl1->addTab(scroll, QString::fromUtf16(p.caption));
    }
    PageControl1->setCurrentIndex(4);
}

void TZudorMainForm::FormCreate(const LaunchOptions &options)
{
    // An error ends the sequence; the window still shows the frame of every
    // page and what was filled, and the splash closes before the box shows.
    std::optional<QString> failure;
    try {
        setConventions();          // 6
        checkScreenWidth(options); // 7
        m_firstShow = true;        // 8
        m_run->setSportEnergy(Fixed4());
        m_run->setCalculatorTotal(Fixed4());
        if (m_splash) // 9
            m_splash->start();
        openTables();           // 11, with the pages
        readOptionsFile();      // 12
        LoadUserSettings();     // 13
        FillCategoryChoosers(); // 15
        showFirstCategory();    // 16
        showFirstNutrients();   // 17
        RecalcAnalyse();        // 19
    } catch (const Error &e) {
        failure = e.message();
    } catch (const std::exception &e) {
        failure = QString::fromUtf8(e.what());
    }
    if (PageControl1->count() == 0)
        buildPages();
    if (m_tables)
        m_tables->releaseReads();
    if (m_splash) // 20, also when a step failed
        m_splash->stop();
    if (failure)
        gui::dialogs().showError(*failure);
}

void TZudorMainForm::setConventions()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TZudorMainForm::checkScreenWidth(const LaunchOptions &options)
{
    int width = options.screenWidth.value_or(0);
    if (!options.screenWidth)
        if (const QScreen *s = QGuiApplication::primaryScreen())
            width = s->geometry().width();
    if (width < 800)
        gui::dialogs().messageDlg(
            QStringLiteral("Das Programm wurde für eine Bildschirmauflösung entworfen, die mindestens 800 "
                           "Bildpunkte in der Breite aufweist. Ihre Einstellung ist zu klein.\n\n"
                           "Bitte ändern Sie unter Systemsteuerung / Anzeige die Bildschirmauflösung auf "
                           "mindestens 800x600 Bildpunkte!"),
            gui::Dialogs::Type::Warning, gui::Dialogs::Yes);
}

void TZudorMainForm::openTables()
{
    // A data folder the program may not write to is shown all the same.
    const bool writable = store::Database::isWritable(dataDir());
    try {
        m_tables = std::make_unique<store::Tables>(dataDir(), writable ? store::Database::Mode::ReadWrite
                                                                       : store::Database::Mode::ReadOnly);
        m_tables->openAll();
    } catch (...) {
        m_tables.reset();
        buildPages();
        throw;
    }
    m_session = std::make_unique<UserSession>(*m_tables, *m_run, m_programDir);
    buildPages();
    if (!writable)
        gui::dialogs().messageDlg(
            QStringLiteral("Im Datenordner ") + QDir::toNativeSeparators(dataDir())
                + QStringLiteral(" dürfen keine Änderungen gespeichert werden. Sie können alle Daten ansehen und "
                                 "auswerten; Ihre Einstellungen, gespeicherten Analysen und Rezepte werden aber "
                                 "nicht gespeichert.\n\nBitte geben Sie sich Schreibrechte für den Ordner, wenn "
                                 "Sie Änderungen behalten wollen."),
            gui::Dialogs::Type::Warning, gui::Dialogs::Ok);
}

void TZudorMainForm::readOptionsFile()
{
    m_session->readOptionsFile();
}

void TZudorMainForm::showFirstCategory()
{
    if (FoodPage->KategorieCombo->count() == 0)
        return;
    FoodPage->KategorieCombo->selectSilently(0);
    AnalysePage->KategorieCombo2->selectSilently(0);
    AnalysePage->KategorieCombo2Change();
    FoodPage->KategorieComboChange();
}

void TZudorMainForm::showFirstNutrients()
{
    // Both nutrient choosers on their first entry, "Alkohol".
    BestListPage->NSCombo->selectSilently(0);
    BestListPage->NSComboChange();
    DetailsPage->NSComboBox->selectSilently(0);
    DetailsPage->NSComboBoxChange();
}

void TZudorMainForm::FillCategoryChoosers()
{
    if (!m_tables || !FoodPage || !AnalysePage)
        return;
    const QStringList names = store::categoryNames(m_tables->Query1);
    QStringList entries;
    for (const QString &k : names)
        if (!entries.contains(k, Qt::CaseInsensitive))
            entries << k;
    FoodPage->KategorieCombo->setSortedItems(entries);
    AnalysePage->KategorieCombo2->setSortedItems(entries);
}

void TZudorMainForm::LoadUserSettings()
{
    if (!m_session || !m_tables->UserTable.isOpen() || !EnergyPage)
        return;
    const store::UserSettings s = m_session->load();
    EnergyPage->showSettings(s);
    // The calculator's values are those of this user's inputs, or none.
    EnergyPage->clearTotal();
    EnergyPage->GewichtEditChange();
    UserLabel->setText(m_session->userLabel(s.weightText));
}

void TZudorMainForm::SaveUserSettings()
{
    if (m_session && EnergyPage)
        m_session->save(EnergyPage->settings());
}

void TZudorMainForm::RecalcAnalyse()
{
    if (AnalysePage)
        AnalysePage->RecalcAnalyse();
}

void TZudorMainForm::connectPages()
{
    analysis::AnalyseHost analyse;
    analyse.persDatenBtnClick = [this] { PersDatenBtnClick(); };
    analyse.openInReportEditor = [this](const QString &path) { OpenInReportEditor(path); };
    analyse.showNutrientDetails = [this](const QString &column) { showNutrientDetails(column); };
    analyse.programDir = m_programDir;
    AnalysePage->setHost(std::move(analyse));

    energy::EnergyHost energy;
    energy.recalcAnalyse = [this] { RecalcAnalyse(); };
    energy.weightShown = [this](const QString &weight) {
        if (m_session && m_tables->UserTable.isOpen())
            UserLabel->setText(m_session->userLabel(weight));
    };
    EnergyPage->setHost(std::move(energy));

    // The jumps between the three information pages, and "Ansicht drucken".
    connect(BestListPage, &info::BestListPage::foodClicked, this,
            [this](const QString &name) { gui::guarded([&] { showFoodOnSingleFoodPage(name); }); });
    connect(DetailsPage, &info::NutrientDetailsPage::searchRequested, this,
            [this](const QString &text) { gui::guarded([&] { showFoodOnSingleFoodPage(text); }); });
    connect(DetailsPage, &info::NutrientDetailsPage::bestListRequested, this, [this](int index) {
        gui::guarded([&] {
            // Label9Click: the same position in the best list's chooser.
            showPage(BestListPage);
            BestListPage->NSCombo->selectSilently(index);
            BestListPage->NSComboChange();
        });
    });
    connect(FoodPage->FoodView, &info::SingleFoodView::captionClicked, this,
            [this](const QString &caption) { gui::guarded([&] { Label41Click(caption); }); });
    gui::onClick(FoodPage->SpeedButton5, [this] { info::SpeedButton5Click(this); });
}

void TZudorMainForm::showPage(QWidget *page)
{
    const int index = int(m_pages.indexOf(page));
    if (index >= 0)
        PageControl1->setCurrentIndex(index);
}

QWidget *TZudorMainForm::currentPage() const
{
    return m_pages.value(PageControl1->currentIndex());
}

void TZudorMainForm::showNutrientDetails(const QString &column)
{
    if (!DetailsPage || !DetailsPage->selectColumn(column))
        return;
    showPage(DetailsPage);
    DetailsPage->NSComboBoxChange();
}

void TZudorMainForm::Label41Click(const QString &caption)
{
    if (!DetailsPage)
        return;
    showPage(DetailsPage);
    if (DetailsPage->selectCaption(caption))
        DetailsPage->NSComboBoxChange();
}

void TZudorMainForm::showFoodOnSingleFoodPage(const QString &name)
{
    if (!FoodPage)
        return;
    showPage(FoodPage);
    FoodPage->SearchEdit->setText(name);
    FoodPage->SearchBtnClick();
}

void TZudorMainForm::OpenInReportEditor(const QString &path)
{
    if (!m_richMainForm)
        m_richMainForm = std::make_unique<editor::TRichMainForm>();
    m_richMainForm->OpenInReportEditor(path);
}

void TZudorMainForm::UserBtnClick()
{
    if (!m_tables || !m_tables->UserTable.isOpen())
        return;
    store::Table &users = m_tables->UserTable;
    SaveUserSettings();
    const qint64 previous = users.recordId();
    bool chosen = false;
    bool managed = false;
    {
        TPassRequestForm dlg(*this, this);
        dlg.exec();
        chosen = dlg.chosen();
        managed = dlg.managementOpened();
    }
    if (!chosen) {
        if (users.state() != store::Table::State::Browse)
            users.cancel();
        if (users.gotoRecordId(previous)) {
            // Records may have changed in the user management: show what the
            // current user's record holds now.
            if (managed)
                LoadUserSettings();
        } else {
            // The previous user is gone: the first remaining user becomes
            // current; with none left, an unnamed user takes over the page's
            // settings.
            if (!users.first())
                SaveUserSettings();
            LoadUserSettings();
        }
    }
    RecalcAnalyse();
    UserLabel->setText(m_session->userLabel(m_session->storedWeight()));
}

void TZudorMainForm::PersDatenBtnClick()
{
    if (!m_session)
        return;
    // Whatever way the dialog ends without a new group, the group in force
    // before it stays in force.
    const qint64 inForce = m_session->groupRecord();
    energy::TBedarfSelectForm dlg(this);
    dlg.markGroup(m_session->restoreUserGroup());
    const QString item = dlg.exec() == QDialog::Accepted ? dlg.markedGroup() : QString();
    if (item.isEmpty()) {
        m_session->restoreGroupRecord(inForce);
        return;
    }
    try {
        if (!m_session->chooseGroup(item)) {
            m_session->restoreGroupRecord(inForce);
            gui::dialogs().showMessage(groupNotFoundText(item)
                                       + QStringLiteral("\n\nBitte wenden Sie sich an die Hersteller!"));
            return;
        }
        // The energy calculator's sex choice follows, as if the user had
        // chosen it.
        const int sex = sexOfGroup(item);
        if (sex >= 0 && EnergyPage && EnergyPage->GeschlechtGroup->itemIndex() != sex)
            EnergyPage->GeschlechtGroup->setItemIndex(sex);
    } catch (...) {
        // The day shows the group in force, whatever failed.
        RecalcAnalyse();
        throw;
    }
    RecalcAnalyse();
}

void TZudorMainForm::FormShow()
{
    if (m_firstShow) {
        m_firstShow = false;
        gui::guarded([this] { UserBtnClick(); });
    }
}

void TZudorMainForm::FormActivate()
{
    if (m_activated)
        return;
    m_activated = true;
    if (QFileInfo::exists(optionsPath()) || !m_session)
        return;
    gui::guarded([this] {
        m_session->selectDefaultGroup();
        // The day's reference values follow the group now in force.
        RecalcAnalyse();
    });
}

void TZudorMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_firstShow)
        QMetaObject::invokeMethod(
            this, [this] { FormShow(); }, Qt::QueuedConnection);
}

void TZudorMainForm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TZudorMainForm::placeLogo()
{
    if (LogoImage)
        LogoImage->move(width() - kLogoOffset, LogoImage->y());
}

void TZudorMainForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    placeLogo();
}

void TZudorMainForm::closeEvent(QCloseEvent *event)
{
    if (!shutDown(true)) {
        event->ignore();
        return;
    }
    event->accept();
}

void TZudorMainForm::saveSettingsAtClose(bool mayCancel, bool &keepOpen)
{
    keepOpen = false;
    for (;;) {
        try {
            SaveUserSettings();
            return;
        } catch (const store::BusyError &e) {
            // Another program window holds the database longer than the
            // store waits: the user decides whether the settings are worth
            // another try.
            int buttons = gui::Dialogs::Yes | gui::Dialogs::No;
            if (mayCancel)
                buttons |= gui::Dialogs::Cancel;
            const gui::Dialogs::Button answer = gui::dialogs().messageDlg(
                QStringLiteral("Ihre Einstellungen konnten nicht gespeichert werden:\n\n") + e.message()
                    + QStringLiteral(".\n\nMöchten Sie es noch einmal versuchen? Mit „Nein“ wird das Programm "
                                     "ohne Speichern der Einstellungen beendet.")
                    + (mayCancel ? QStringLiteral(" Mit „Abbrechen“ bleibt es geöffnet.") : QString()),
                gui::Dialogs::Type::Warning, buttons);
            if (answer == gui::Dialogs::Yes)
                continue;
            keepOpen = answer == gui::Dialogs::Cancel;
            return;
        } catch (const Error &e) {
            gui::dialogs().showError(e.message());
            return;
        }
    }
}

bool TZudorMainForm::shutDown(bool mayCancel)
{
    if (m_shutDown)
        return true;
    // FormClose.
    bool keepOpen = false;
    saveSettingsAtClose(mayCancel, keepOpen);
    if (keepOpen)
        return false;
    m_shutDown = true;
    // The editor window goes with the main window; its unsaved changes are
    // discarded without a question.
    if (m_richMainForm)
        m_richMainForm->close();
    // FormDestroy: the options file, then the tables, whatever happened. A
    // start that failed before the options file was read leaves the file as
    // it is: its carried line and user are not known.
    if (m_session && m_session->optionsFileRead() && EnergyPage)
        gui::guarded([this] { m_session->writeOptionsFile(EnergyPage->settings()); });
    if (m_tables)
        m_tables->closeAll();
    return true;
}

} // namespace torval::app
