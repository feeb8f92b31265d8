#include "BestListPage.h"
#include "BarGauge.h"
#include "LinkLabel.h"
#include "core/catalogue.h"
#include "gui/dialogs.h"
#include "gui/handler.h"
#include "gui/help.h"
#include "gui/sortedcombobox.h"
#include "gui/widgets.h"
#include "report/PrintTable.h"
#include "store/bestlistquery.h"
#include "store/tables.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace torval::info {

namespace {

const QColor kGaugeGreen(0, 150, 0);
constexpr int kRows = 7;

} // namespace

BestListPage::BestListPage(store::Tables &tables, QWidget *parent) : QWidget(parent), m_tables(tables)
{
    NSCombo = new gui::SortedComboBox(this);
    NSCombo->setObjectName(QStringLiteral("NSCombo"));
    NSCombo->setToolTip(QStringLiteral("Nährstoff auswählen"));
    QStringList entries;
    for (const Nutrient &n : nutrients())
        entries << n.fullName();
    NSCombo->setSortedItems(entries);
    NSCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *comboLabel = new QLabel(QStringLiteral("&Nährstoff:"), this);
    comboLabel->setBuddy(NSCombo);

    NSLabel = new QLabel(this);
    NSLabel->setObjectName(QStringLiteral("NSLabel"));
    QFont title = NSLabel->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.25);
    NSLabel->setFont(title);
    NSLabel->setWordWrap(true);
    BedarfLabel = new QLabel(this);
    BedarfLabel->setObjectName(QStringLiteral("BedarfLabel"));
    QFont bold = BedarfLabel->font();
    bold.setBold(true);
    BedarfLabel->setFont(bold);
    TagesbedarfLabel = new QLabel(this);
    TagesbedarfLabel->setObjectName(QStringLiteral("TagesbedarfLabel"));

    auto *top = new QHBoxLayout;
    top->addWidget(comboLabel);
    top->addWidget(NSCombo);
    top->addSpacing(24);
    top->addWidget(BedarfLabel);
    top->addWidget(TagesbedarfLabel);
    top->addStretch();

    // Positions 1 to 7 down the first column, 8 to 14 the second, 15 to 21
    // the third.
    // The list scrolls rather than squeezing when large fonts need more
    // room than the window has.
    auto *listArea = new QScrollArea(this);
    listArea->setObjectName(QStringLiteral("ListScroll"));
    listArea->setFrameShape(QFrame::NoFrame);
    listArea->setWidgetResizable(true);
    listArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *listWidget = new QWidget(listArea);
    auto *grid = new QGridLayout(listWidget);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    for (int i = 0; i < kBestListPositions; ++i) {
        const QString pos = QString::number(i + 1);
        auto *cell = new QFrame(listWidget);
        cell->setObjectName(QStringLiteral("Position") + pos);
        cell->setFrameShape(QFrame::StyledPanel);
        cell->setAutoFillBackground(true);
        cell->setBackgroundRole(QPalette::Base);
        auto *rank = new QLabel(pos + u'.', cell);
        rank->setObjectName(QStringLiteral("RangLabel") + pos);
        rank->setAlignment(Qt::AlignRight | Qt::AlignTop);
        rank->setMinimumWidth(rank->fontMetrics().horizontalAdvance(QStringLiteral("21.")));
        auto *name = new LinkLabel(QString(), cell);
        name->setObjectName(QStringLiteral("NMLabel") + pos);
        name->setWordWrap(true);
        name->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        auto *value = new QLabel(cell);
        value->setObjectName(QStringLiteral("WertLabel") + pos);
        value->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
        auto *gauge = new BarGauge(kGaugeGreen, cell);
        gauge->setObjectName(QStringLiteral("Gauge") + pos);
        gauge->setFixedSize(15, 40);

        // One line per food: rank, name (wrapping), value, bar.
        auto *cl = new QHBoxLayout(cell);
        cl->setContentsMargins(4, 2, 4, 2);
        cl->setSpacing(5);
        cl->addWidget(rank, 0, Qt::AlignTop);
        cl->addWidget(name, 1);
        cl->addWidget(value, 0, Qt::AlignBottom);
        cl->addWidget(gauge, 0, Qt::AlignVCenter);
        // Room for the bar and for a name over three lines, no more: word
        // wrapped labels would otherwise ask for ever more height.
        cell->setFixedHeight(std::max(gauge->height(), 3 * name->fontMetrics().lineSpacing()) + 6);

        NMLabels[i] = name;
        WertLabels[i] = value;
        Gauges[i] = gauge;
        grid->addWidget(cell, i % kRows, i / kRows);
        connect(name, &LinkLabel::clicked, this, [this, name] {
            if (!name->text().isEmpty())
                Q_EMIT foodClicked(name->text());
        });
    }
    for (int c = 0; c < 3; ++c)
        grid->setColumnStretch(c, 1);
    listArea->setWidget(listWidget);

    NoteLabel = new QLabel(
        QStringLiteral("genauere Werte finden Sie bei den Tagesanalysen in Verbindung mit dem Energiebedarfsrechner"),
        this);
    NoteLabel->setObjectName(QStringLiteral("NoteLabel"));
    NoteLabel->setWordWrap(true);
    SpeedButton6 = gui::namedButton(QStringLiteral("SpeedButton6"), QStringLiteral("Bestenliste drucken..."),
                                    QStringLiteral("Die Bestenliste dieses Nährstoffs drucken"), this);
    BtnHelp2 = gui::helpButton(QStringLiteral("BtnHelp2"), 6, this);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(NoteLabel, 1);
    bottom->addWidget(SpeedButton6);
    bottom->addWidget(BtnHelp2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(6);
    layout->addLayout(top);
    layout->addWidget(NSLabel);
    layout->addWidget(listArea, 1);
    layout->addLayout(bottom);

    connect(NSCombo, &gui::SortedComboBox::picked, this, [this] { gui::guarded([this] { NSComboChange(); }); });
    connect(SpeedButton6, &QPushButton::clicked, this, [this] { gui::guarded([this] { SpeedButton6Click(); }); });
}

QString BestListPage::chosenColumn() const
{
    const int n = nutrientByFullCaption(NSCombo->currentText());
    return n < 0 ? QString() : nutrients()[n].columnName();
}

void BestListPage::NSComboChange()
{
    const QString column = chosenColumn();
    if (column.isEmpty())
        return;
    const QList<RankedFood> foods = store::rankedFoods(m_tables, column, kBestListPositions);
    const double best = foods.isEmpty() ? 0.0 : foods.first().value.value_or(0.0);

    store::Table &ns = m_tables.NSTable;
    if (!ns.locate(QStringLiteral("Kurzbezeichng"), column, {true, true}))
        gui::dialogs().showMessage(nutrientNotFoundText(column));
    const QString unit = ns.hasRecord() ? ns.asString(QStringLiteral("Einheit")) : QString();
    const QString requirement = ns.hasRecord() ? ns.asString(QStringLiteral("Tagesbedarf")) : QString();
    BedarfLabel->setText(requirementCaption(column));
    TagesbedarfLabel->setText(requirementText(requirement, unit));
    NSLabel->setText(bestListTitle(NSCombo->currentText(), unit));

    // Positions a short food table does not reach are emptied, so that no
    // food of the previous nutrient stays in the list.
    for (int i = 0; i < kBestListPositions; ++i) {
        const bool used = i < foods.size();
        NMLabels[i]->setText(used ? foods.at(i).name : QString());
        WertLabels[i]->setText(used ? rankedValueText(foods.at(i)) : QString());
        Gauges[i]->setValue(used && foods.at(i).value ? bestListBar(*foods.at(i).value, best) : 0);
        NMLabels[i]->setFocusPolicy(used ? Qt::TabFocus : Qt::NoFocus);
        NMLabels[i]->setToolTip(used ? foods.at(i).name + QStringLiteral(" – in den Einzelanalysen zeigen")
                                     : QString());
    }
}

void BestListPage::SpeedButton6Click()
{
    const QString column = chosenColumn();
    if (column.isEmpty())
        return;
    const QString unit = unitOfRequirementText(TagesbedarfLabel->text());
    const std::optional<QString> answer = gui::dialogs().inputQuery(
        QStringLiteral("Eingabe"), QStringLiteral("Zahl der zu druckenden Nahrungsmittel:"), QStringLiteral("50"));
    if (!answer)
        return;
    const std::optional<int> count = parsePrintCount(*answer);
    if (!count) {
        gui::dialogs().showMessage(invalidPrintCountText(*answer));
        return;
    }
    const QList<RankedFood> foods = *count > 0 ? store::rankedFoods(m_tables, column, *count) : QList<RankedFood>();
    report::printRows(m_tables, QStringLiteral("Bestenliste.frf"),
                      bestListPrintRows(foods, unit, NSCombo->currentText()), window(),
                      {{QStringLiteral("Naehrstoff"), NSCombo->currentText()}, {QStringLiteral("Einheit"), unit}});
}

} // namespace torval::info
