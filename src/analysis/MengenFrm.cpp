#include "MengenFrm.h"
#include "core/measures.h"
#include "core/numfmt.h"
#include "gui/help.h"
#include "gui/widgets.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTabBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <climits>

namespace torval::analysis {

namespace {
constexpr int kHelpTopic = 10;
}

TMengenForm::TMengenForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MengenForm"));
    setWindowTitle(QStringLiteral("Alternative Mengenangaben"));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // Ten captions do not fit one row of tabs: a list of the pages beside
    // them chooses the page instead.
    PageControl1->tabBar()->hide();
    PageList = new QListWidget(this);
    PageList->setObjectName(QStringLiteral("PageList"));
    PageList->setAccessibleName(QStringLiteral("Seiten"));
    const auto &pages = measurePages();
    for (int p = 0; p < kMeasurePageCount; ++p) {
        const MeasurePage &page = pages[std::size_t(p)];
        auto *list = new QTreeWidget(PageControl1);
        list->setObjectName(QStringLiteral("ListView%1").arg(p + 1));
        list->setColumnCount(3);
        list->setHeaderLabels({QStringLiteral("Bezeichnung"), page.unitHeading, QStringLiteral("Menge (in Gramm)")});
        list->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        list->setRootIsDecorated(false);
        list->setUniformRowHeights(true);
        list->setAllColumnsShowFocus(true);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setAccessibleName(page.caption);
        for (const Measure &m : page.rows) {
            auto *item = new QTreeWidgetItem(list, {m.name, m.unit, m.grams});
            item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        }
        list->header()->setStretchLastSection(false);
        list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
        list->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
        list->installEventFilter(this);
        list->viewport()->installEventFilter(this);
        connect(list, &QTreeWidget::itemSelectionChanged, this, [this, p] { ListViewClick(p); });
        ListViews << list;
        PageControl1->addTab(list, page.caption);
        PageList->addItem(page.caption);
    }
    PageList->setCurrentRow(0);
    PageList->setFixedWidth(PageList->sizeHintForColumn(0) + 2 * PageList->frameWidth() + 12);
    connect(PageList, &QListWidget::currentRowChanged, PageControl1, &QTabWidget::setCurrentIndex);
    connect(PageControl1, &QTabWidget::currentChanged, PageList, [this](int page) { PageList->setCurrentRow(page); });

    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(INT_MIN, INT_MAX);
    SpinEdit1->setValue(0);
    SpinEdit1->setSingleStep(1);
    SpinEdit1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SpinEdit1->setAccessibleName(QStringLiteral("Anzahl"));
    SpinEdit1->setMinimumWidth(SpinEdit1->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 30);
    SpinEdit1->setMaximumWidth(SpinEdit1->minimumWidth());
    Label1 = new QLabel(initialMeasureLabel(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setBuddy(SpinEdit1);

    TakeItBtn = gui::namedButton(QStringLiteral("TakeItBtn"), QStringLiteral("&Übernehmen"), QString(), this);
    TakeItBtn->setDefault(true);
    TakeItBtn->setEnabled(false);
    CloseBtn = gui::namedButton(QStringLiteral("CloseBtn"), QStringLiteral("Schließen"), QString(), this);
    BtnHelp5 = gui::helpButton(QStringLiteral("BtnHelp5"), kHelpTopic, this);
    connect(TakeItBtn, &QPushButton::clicked, this, [this] {
        // Read before the dialog closes: leaving the field would put its
        // last whole number back.
        int n = 0;
        m_multiplier = tryParseInt(SpinEdit1->cleanText(), &n) ? n : 0;
        accept();
    });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, BtnHelp5, &QPushButton::click);

    auto *amount = new QHBoxLayout;
    amount->addWidget(SpinEdit1);
    amount->addWidget(Label1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BtnHelp5);
    buttons->addStretch(1);
    buttons->addWidget(TakeItBtn);
    buttons->addWidget(CloseBtn);
    auto *paged = new QHBoxLayout;
    paged->addWidget(PageList);
    paged->addWidget(PageControl1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(paged, 1);
    layout->addLayout(amount);
    layout->addLayout(buttons);
    setFixedSize(std::max(660, sizeHint().width()), 440);
}

int TMengenForm::multiplier() const
{
    return m_multiplier;
}

void TMengenForm::ListViewClick(int page)
{
    QTreeWidget *list = ListViews.value(page);
    if (!list)
        return;
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    // On the first page nothing can be taken over without a row; on the
    // others the last measure chosen on any page is taken.
    TakeItBtn->setEnabled(page != 0 || !selected.isEmpty());
    if (!selected.isEmpty()) {
        const QTreeWidgetItem *item = selected.first();
        Label1->setText(measureLabel({item->text(0), item->text(1), item->text(2)}));
    }
}

bool TMengenForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonRelease)
        for (int p = 0; p < ListViews.size(); ++p) {
            QTreeWidget *list = ListViews.at(p);
            if (watched == list || watched == list->viewport()) {
                ListViewClick(p);
                break;
            }
        }
    return QDialog::eventFilter(watched, event);
}

} // namespace torval::analysis
