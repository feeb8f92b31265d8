#include "ZudorMainFrm.h"
#include "animatFrm.h"
#include "PassRequestFrm.h"
#include "energy/EnergyPage.h"
#include "energy/MaskEdit.h"
#include "energy/RadioGroup.h"
#include "store/users.h"
#include "analysis/AnalysePage.h"
#include "core/groups.h"
#include "editor/REMain.h"
#include "energy/BedarfSelectFrm.h"
#include "store/requirement.h"
#include "core/options.h"
#include "fooddb/FoodPage.h"
#include "info/BestListPage.h"
#include "info/NutrientDetailsPage.h"
#include "info/SingleFoodView.h"
#include "gui/dialogs.h"
#include "gui/handler.h"
#include "gui/sortedcombobox.h"
#include "store/foodlookup.h"
#include "store/tables.h"

#include <QApplication>
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

} // namespace

TZudorMainForm::TZudorMainForm(const StartOptions &options, TAnimatForm *splash, QWidget *parent)
    : QMainWindow(parent), m_programDir(options.programDir), m_splash(splash)
{
    initResources();
    setObjectName(QStringLiteral("ZudorMainForm"));
    setWindowTitle(kTitle);
    buildUi();
    FormCreate(options);
    // The report editor exists for the whole run, hidden until first used.
    m_richMainForm = std::make_unique<editor::TRichMainForm>();
}

TZudorMainForm::~TZudorMainForm()
{
    shutDown();
}

QString TZudorMainForm::dataDir() const
{
    return QDir(m_programDir).filePath(QStringLiteral("Data"));
}

QString TZudorMainForm::optionsPath() const
{
    return QDir(m_programDir).filePath(QStringLiteral("ZudorOpt.cfg"));
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

    UserBtn = new QPushButton(QStringLiteral("Benutzer ..."), bar);
    UserBtn->setObjectName(QStringLiteral("UserBtn"));
    HelpBtn = new QPushButton(QStringLiteral("Hilfe - Übersicht"), bar);
    HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
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

    connect(UserBtn, &QPushButton::clicked, this, [this] { gui::guarded([this] { UserBtnClick(); }); });
    return bar;
}

QWidget *TZudorMainForm::placeholderPage(const QString &name, const QString &helpButton, const QString &text)
{
    auto *page = new QWidget(this);
    page->setObjectName(name);
    auto *label = new QLabel(text, page);
    label->setAlignment(Qt::AlignCenter);
    auto *help = new QPushButton(QStringLiteral("F1 - Hilfe"), page);
    help->setObjectName(helpButton);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(label, 1);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(help);
    layout->addLayout(row);
    return page;
}

void TZudorMainForm::buildUi()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_topBar = buildTopBar();
    layout->addWidget(m_topBar);

    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // All eight captions stay visible at the window's starting width.
    PageControl1->setUsesScrollButtons(false);
    PageControl1->tabBar()->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 3px 3px; border: 1px solid #b4b4b4; border-bottom: none;"
        " border-top-left-radius: 3px; border-top-right-radius: 3px; background: #e6e6e6; }"
        "QTabBar::tab:selected { background: palette(base); }"
        "QTabBar::tab:!selected { margin-top: 2px; }"));
    QFont tabFont = PageControl1->tabBar()->font();
    tabFont.setPointSizeF(tabFont.pointSizeF() * 0.9);
    PageControl1->tabBar()->setFont(tabFont);
    layout->addWidget(PageControl1, 1);
    setCentralWidget(central);

    StatusPanel1 = new QLabel(QStringLiteral("www.torval-ernaehrung.de"), this);
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
    if (const QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());

    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, [this] {
        static const char *const buttons[] = {"BtnHelp", "BtnHelp2", "BtnHelp3", "BtnHelp4",
                                              "BtnHelp5", "BtnHelp6", "BtnHelp7", "BtnHelp8"};
        const int i = PageControl1->currentIndex();
        if (i >= 0 && i < 8)
            if (auto *b = findChild<QPushButton *>(QString::fromLatin1(buttons[i])))
                b->click();
    });
}

void TZudorMainForm::FormCreate(const StartOptions &options)
{
    // Pages are built first, so that whatever step fails, the window shows
    // its frame with what was filled.
    auto buildPages = [this] {
        struct PageInfo
        {
            const char16_t *name;
            const char16_t *helpButton;
            const char16_t *caption;
            const char16_t *notYet;
        };
        static const PageInfo pages[] = {
            {u"TabSheet1", u"BtnHelp", u"Einzelanalysen", nullptr},
            {u"TabSheet2", u"BtnHelp2", u"Bestenlisten", nullptr},
            {u"TabSheet3", u"BtnHelp3", u"Nährstoffdetails", nullptr},
            {u"TabSheet4", u"BtnHelp4", u"Energiebedarfsrechner", nullptr},
            {u"AnalyseSheet", u"BtnHelp5", u"Tagesanalysen", nullptr},
            {u"RezepteSheet", u"BtnHelp6", u"Rezeptebibliothek",
             u"Die Rezeptebibliothek ist in dieser Version noch nicht enthalten."},
            {u"TabSheet8", u"BtnHelp7", u"Artikeldatenbank",
             u"Die Artikeldatenbank ist in dieser Version noch nicht enthalten."},
            {u"TabSheet6", u"BtnHelp8", u"Infos und Links",
             u"Die Seite „Infos und Links“ ist in dieser Version noch nicht enthalten."},
        };
        // Without tables only the frame of each page is shown.
        if (m_tables) {
            FoodPage = new fooddb::FoodPage(*m_tables, this);
            BestListPage = new info::BestListPage(*m_tables, this);
            DetailsPage = new info::NutrientDetailsPage(*m_tables, this);
            EnergyPage = new energy::EnergyPage(*this, this);
            AnalysePage = new analysis::AnalysePage(*m_tables, this);
            connectInfoPages();
            connectAnalysePage();
        }
        QWidget *const built[] = {FoodPage, BestListPage, DetailsPage, EnergyPage, AnalysePage};
        for (int i = 0; i < 8; ++i) {
            const PageInfo &p = pages[i];
            QWidget *page = i < 5 ? built[i] : nullptr;
            if (page)
                page->setObjectName(QString::fromUtf16(p.name));
            else
                page = placeholderPage(QString::fromUtf16(p.name), QString::fromUtf16(p.helpButton),
                                       p.notYet ? QString::fromUtf16(p.notYet) : QString());
            PageControl1->addTab(page, QString::fromUtf16(p.caption));
        }
        PageControl1->setCurrentIndex(4);
    };

    bool pagesBuilt = false;
    // An error ends the sequence; the splash closes before its box shows.
    std::optional<QString> failure;
    try {
        // 6: number and date conventions.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        // 7: screen width.
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
        // 8.
        firstShow = true;
        sportEnergy = Fixed4();
        calcEnergy = Fixed4();
        // 9.
        if (m_splash)
            m_splash->start();
        // 10: browser history.
        browserHistory.clear();
        // 11: tables.
        try {
            m_tables = std::make_unique<store::Tables>(dataDir());
            m_tables->openAll();
        } catch (...) {
            buildPages();
            pagesBuilt = true;
            throw;
        }
        buildPages();
        pagesBuilt = true;
        // 12: options file and current user.
        const torval::StartOptions start = readStartOptions(optionsPath());
        m_optionsExisted = start.exists;
        m_optionsRead = true;
        if (start.exists) {
            carriedLine = start.carried;
            m_tables->UserTable.locate({QStringLiteral("Name"), QStringLiteral("Vorname")},
                                       {start.name, start.firstName});
        }
        // 13.
        LoadUserSettings();
        // 15, 16.
        FillCategoryChoosers();
        if (FoodPage->KategorieCombo->count() > 0) {
            FoodPage->KategorieCombo->selectSilently(0);
            AnalysePage->KategorieCombo2->selectSilently(0);
            AnalysePage->KategorieCombo2Change();
            FoodPage->KategorieComboChange();
        }
        // 17: both nutrient choosers on their first entry, "Alkohol".
        BestListPage->NSCombo->selectSilently(0);
        BestListPage->NSComboChange();
        DetailsPage->NSComboBox->selectSilently(0);
        DetailsPage->NSComboBoxChange();
        // 19.
        RecalcAnalyse();
    } catch (const Error &e) {
        failure = e.message();
    } catch (const std::exception &e) {
        failure = QString::fromUtf8(e.what());
    }
    if (!pagesBuilt)
        buildPages();
    // 20 (also when a step failed).
    if (m_splash)
        m_splash->stop();
    if (failure)
        gui::dialogs().showError(*failure);
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
    if (!m_tables || !m_tables->UserTable.isOpen() || !EnergyPage)
        return;
    const store::Table &users = m_tables->UserTable;
    const store::UserSettings s = store::readUserSettings(users);
    store::locateUserGroup(m_tables->BedarfTable, s.group);
    sportEnergy = s.sportKcal;
    sportList = s.sportList;
    EnergyPage->showSettings(s);
    // The calculator's values are those of this user's inputs, or none.
    EnergyPage->clearTotal();
    EnergyPage->GewichtEditChange();
    UserLabel->setText(store::userLabelText(users.asString(QStringLiteral("Name")),
                                            users.asString(QStringLiteral("Vorname")), s.weightText));
}

void TZudorMainForm::SaveUserSettings()
{
    if (!m_tables || !m_tables->UserTable.isOpen() || !EnergyPage)
        return;
    store::UserSettings s;
    EnergyPage->readSettings(s);
    if (m_tables->BedarfTable.isOpen() && m_tables->BedarfTable.hasRecord())
        s.group = m_tables->BedarfTable.asString(QStringLiteral("Gruppe"));
    s.sportKcal = sportEnergy;
    s.sportList = sportList;
    store::writeUserSettings(m_tables->UserTable, s);
}

void TZudorMainForm::RecalcAnalyse()
{
    if (AnalysePage)
        AnalysePage->RecalcAnalyse(useCalculatorTotal(), calcEnergy);
}

void TZudorMainForm::connectAnalysePage()
{
    analysis::AnalyseHost host;
    host.recalcAnalyse = [this] { RecalcAnalyse(); };
    host.persDatenBtnClick = [this] { PersDatenBtnClick(); };
    host.openInReportEditor = [this](const QString &path) { OpenInReportEditor(path); };
    host.showNutrientDetails = [this](const QString &column) { showNutrientDetails(column); };
    host.programDir = m_programDir;
    AnalysePage->setHost(std::move(host));
}

void TZudorMainForm::showNutrientDetails(const QString &column)
{
    if (!DetailsPage || !DetailsPage->selectColumn(column))
        return;
    PageControl1->setCurrentWidget(DetailsPage);
    DetailsPage->NSComboBoxChange();
}

void TZudorMainForm::Label41Click(const QString &caption)
{
    if (!DetailsPage)
        return;
    PageControl1->setCurrentWidget(DetailsPage);
    if (DetailsPage->selectCaption(caption))
        DetailsPage->NSComboBoxChange();
}

void TZudorMainForm::showFoodOnSingleFoodPage(const QString &name)
{
    if (!FoodPage)
        return;
    PageControl1->setCurrentWidget(FoodPage);
    FoodPage->SearchEdit->setText(name);
    FoodPage->SearchBtnClick();
}

// The jumps between the three information pages, and "Ansicht drucken".
void TZudorMainForm::connectInfoPages()
{
    connect(BestListPage, &info::BestListPage::foodClicked, this,
            [this](const QString &name) { gui::guarded([&] { showFoodOnSingleFoodPage(name); }); });
    connect(DetailsPage, &info::NutrientDetailsPage::searchRequested, this,
            [this](const QString &text) { gui::guarded([&] { showFoodOnSingleFoodPage(text); }); });
    connect(DetailsPage, &info::NutrientDetailsPage::bestListRequested, this, [this](int index) {
        gui::guarded([&] {
            // Label9Click: the same position in the best list's chooser.
            PageControl1->setCurrentWidget(BestListPage);
            BestListPage->NSCombo->selectSilently(index);
            BestListPage->NSComboChange();
        });
    });
    if (FoodPage) {
        connect(FoodPage->FoodView, &info::SingleFoodView::captionClicked, this,
                [this](const QString &caption) { gui::guarded([&] { Label41Click(caption); }); });
        connect(FoodPage->SpeedButton5, &QPushButton::clicked, this,
                [this] { gui::guarded([this] { info::SpeedButton5Click(this); }); });
    }
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
    UserLabel->setText(store::userLabelText(users.asString(QStringLiteral("Name")),
                                            users.asString(QStringLiteral("Vorname")),
                                            users.asString(QStringLiteral("Gewicht"))));
}

bool TZudorMainForm::useCalculatorTotal() const
{
    return EnergyPage && EnergyPage->SumKcalCheckBox->isChecked();
}

void TZudorMainForm::PersDatenBtnClick()
{
    if (!m_tables)
        return;
    store::Table &bedarf = m_tables->BedarfTable;
    store::Table &user = m_tables->UserTable;
    energy::TBedarfSelectForm dlg(this);
    // The group in force starts from the current user's stored group. Without
    // a user record there is nothing to re-establish.
    if (user.hasRecord())
        store::locateUserGroup(bedarf, user.asString(QStringLiteral("BedarfGruppe")));
    dlg.markGroup(bedarf.hasRecord() ? bedarf.asString(QStringLiteral("Gruppe")) : QString());
    if (dlg.exec() != QDialog::Accepted)
        return;
    const QString item = dlg.markedGroup();
    if (item.isEmpty())
        return;
    if (!store::locateGroupByPrefix(bedarf, item)) {
        gui::dialogs().showMessage(QStringLiteral("Die Personengruppe ") + item
                                   + QStringLiteral(" wurde in der Datenbank nicht gefunden.\n\n"
                                                    "Bitte wenden Sie sich an die Hersteller!"));
        return;
    }
    const int sex = sexOfGroup(item);
    if (user.hasRecord()) {
        user.edit();
        user.setString(QStringLiteral("BedarfGruppe"), bedarf.asString(QStringLiteral("Gruppe")));
        if (sex >= 0)
            user.setInteger(QStringLiteral("Geschlecht"), sex);
        user.post();
    }
    // The energy calculator's sex choice follows, as if the user had chosen it.
    if (sex >= 0 && EnergyPage && EnergyPage->GeschlechtGroup->itemIndex() != sex)
        EnergyPage->GeschlechtGroup->setItemIndex(sex);
    RecalcAnalyse();
}

void TZudorMainForm::FormShow()
{
    if (firstShow) {
        firstShow = false;
        gui::guarded([this] { UserBtnClick(); });
    }
}

void TZudorMainForm::FormActivate()
{
    if (m_activated)
        return;
    m_activated = true;
    if (QFileInfo::exists(optionsPath()) || !m_tables)
        return;
    gui::guarded([this] {
        m_tables->BedarfTable.locate(QStringLiteral("Gruppe"), QStringLiteral("Frauen 19-24"), {true, true});
        // The day's reference values follow the group now in force.
        RecalcAnalyse();
    });
}

void TZudorMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (firstShow)
        QMetaObject::invokeMethod(this, [this] { FormShow(); }, Qt::QueuedConnection);
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
    shutDown();
    event->accept();
}

void TZudorMainForm::writeOptionsFile() const
{
    OptionsFile o;
    if (m_tables && m_tables->BedarfTable.isOpen())
        o.group = m_tables->BedarfTable.asString(QStringLiteral("Gruppe"));
    if (EnergyPage) {
        o.weightText = EnergyPage->GewichtEdit->maskText();
        o.sexIndex = EnergyPage->GeschlechtGroup->itemIndex();
        o.activityIndex = EnergyPage->TaetigkeitGroup->itemIndex();
        o.hoursText = EnergyPage->StundenEdit->maskText();
        o.sumKcal = EnergyPage->SumKcalCheckBox->isChecked();
    }
    o.carried = carriedLine;
    if (m_tables && m_tables->UserTable.isOpen()) {
        o.name = m_tables->UserTable.asString(QStringLiteral("Name"));
        o.firstName = m_tables->UserTable.asString(QStringLiteral("Vorname"));
    }
    o.write(optionsPath());
}

void TZudorMainForm::shutDown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    // FormClose.
    gui::guarded([this] { SaveUserSettings(); });
    // The editor window goes with the main window.
    if (m_richMainForm)
        m_richMainForm->close();
    // FormDestroy: the options file, then the tables, whatever happened. A
    // start that failed before the options file was read leaves the file as
    // it is: its carried line and user are not known.
    if (m_optionsRead)
        gui::guarded([this] { writeOptionsFile(); });
    if (m_tables)
        m_tables->closeAll();
}

} // namespace torval::app
