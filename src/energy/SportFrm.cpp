#include "SportFrm.h"
#include "gui/MaskEdit.h"
#include "gui/RadioGroup.h"
#include "gui/dialogs.h"
#include "gui/handler.h"
#include "gui/widgets.h"
#include "store/table.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace torval::energy {

namespace {

enum Column { Name = 0, Minutes, Kcal, Index };

const QString kBezeichnung = QStringLiteral("Bezeichnung");

} // namespace

TSportForm::TSportForm(store::Database &db, const QString &sportList, int weight, QWidget *parent)
    : QDialog(parent), m_weight(weight)
{
    setObjectName(QStringLiteral("SportForm"));
    setWindowTitle(QStringLiteral("Sportliche Aktivitäten"));

    RadioGroup1 = new gui::RadioGroup(QStringLiteral("Sportliche Aktivitäten:"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));

    MinutenEdit = new gui::MaskEdit(3, this);
    MinutenEdit->setObjectName(QStringLiteral("MinutenEdit"));
    MinutenEdit->setMaskText(QStringLiteral("10 "));
    auto *minutenLabel = new QLabel(QStringLiteral("Anzahl in Minuten:"), this);
    minutenLabel->setObjectName(QStringLiteral("MinutenLabel"));
    minutenLabel->setBuddy(MinutenEdit);
    SpeedButton1 = gui::namedButton(QStringLiteral("SpeedButton1"), QStringLiteral("Hinzufügen"), QString(), this);
    SpeedButton2 = gui::namedButton(QStringLiteral("SpeedButton2"), QStringLiteral("Entfernen"), QString(), this);
    for (QPushButton *b : {SpeedButton1, SpeedButton2})
        b->setAutoDefault(false);

    lv = new QTreeWidget(this);
    lv->setObjectName(QStringLiteral("lv"));
    lv->setAccessibleName(QStringLiteral("Eingetragene Aktivitäten"));
    lv->setHeaderLabels(
        {QStringLiteral("Tätigkeit"), QStringLiteral("Minuten"), QStringLiteral("Kalorien"), QStringLiteral("ID")});
    lv->setRootIsDecorated(false);
    lv->setSelectionMode(QAbstractItemView::SingleSelection);
    lv->setSelectionBehavior(QAbstractItemView::SelectRows);
    lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lv->setSortingEnabled(false);
    lv->header()->setSectionsClickable(false);
    lv->header()->setSectionsMovable(false);
    lv->headerItem()->setTextAlignment(Minutes, Qt::AlignRight | Qt::AlignVCenter);
    lv->headerItem()->setTextAlignment(Kcal, Qt::AlignRight | Qt::AlignVCenter);
    lv->setColumnWidth(Name, 220);
    lv->setColumnWidth(Minutes, 80);
    lv->setColumnWidth(Kcal, 80);

    DoItBtn = gui::namedButton(QStringLiteral("DoItBtn"), QStringLiteral("&Übernehmen"), QString(), this);
    DoItBtn->setDefault(true);
    CloseBtn = gui::namedButton(QStringLiteral("CloseBtn"), QStringLiteral("Abbrechen"), QString(), this);

    auto *entry = new QHBoxLayout;
    entry->addWidget(minutenLabel);
    entry->addWidget(MinutenEdit);
    entry->addWidget(SpeedButton1);
    entry->addWidget(SpeedButton2);
    entry->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(DoItBtn);
    buttons->addWidget(CloseBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->addLayout(entry);
    layout->addWidget(lv, 1);
    layout->addLayout(buttons);

    connect(SpeedButton1, &QPushButton::clicked, this, [this] { gui::guarded([this] { SpeedButton1Click(); }); });
    connect(SpeedButton2, &QPushButton::clicked, this, [this] { gui::guarded([this] { SpeedButton2Click(); }); });
    connect(DoItBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);

    TableSport = std::make_unique<store::Table>(db, QStringLiteral("SPORTFAKTOR.ADT"));
    openActivities();
    RadioGroup1->setItems(m_names, 3);

    for (const SportEntry &e : parseSportList(sportList)) {
        int i = -1;
        tryParseInt(e.index, &i);
        appendRow(m_names.value(i), e);
    }

    resize(640, 520);
    setFixedSize(sizeHint().expandedTo(QSize(640, 520)));
}

TSportForm::~TSportForm() = default;

void TSportForm::openActivities()
{
    try {
        TableSport->open();
        for (bool more = TableSport->first(); more && !TableSport->eof(); TableSport->next())
            m_names << TableSport->asString(kBezeichnung);
    } catch (const Error &) {
        gui::dialogs().showMessage(QStringLiteral("Tabelle mit den Sportdaten konnte nicht geöffnet werden."));
    }
}

void TSportForm::appendRow(const QString &name, const SportEntry &e)
{
    auto *item = new QTreeWidgetItem(lv, {name, e.minutes, e.kcal, e.index});
    item->setTextAlignment(Minutes, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(Kcal, Qt::AlignRight | Qt::AlignVCenter);
}

void TSportForm::SpeedButton1Click()
{
    const int index = RadioGroup1->itemIndex();
    if (index < 0)
        return;
    const QString name = RadioGroup1->itemText(index);
    const QString minutesText = MinutenEdit->maskText().trimmed();
    const int minutes = parseInt(minutesText);
    if (!TableSport->isOpen() || !TableSport->locate(kBezeichnung, name))
        return;
    const double factor = TableSport->asFloat(QStringLiteral("Faktor"));
    const qint64 kcal = sportKcal(minutes, factor, m_weight);
    for (int i = 0; i < lv->topLevelItemCount(); ++i)
        if (lv->topLevelItem(i)->text(Name) == name) {
            delete lv->takeTopLevelItem(i);
            break;
        }
    appendRow(name, {minutesText, QString::number(kcal), QString::number(index)});
}

void TSportForm::SpeedButton2Click()
{
    QTreeWidgetItem *item = lv->currentItem();
    if (!item || !item->isSelected())
        return;
    delete lv->takeTopLevelItem(lv->indexOfTopLevelItem(item));
    // No row is chosen afterwards, so a second press removes nothing.
    lv->clearSelection();
    lv->setCurrentItem(nullptr);
}

QList<SportEntry> TSportForm::entries() const
{
    QList<SportEntry> out;
    for (int i = 0; i < lv->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = lv->topLevelItem(i);
        out.append({item->text(Minutes), item->text(Kcal), item->text(Index)});
    }
    return out;
}

void TSportForm::done(int result)
{
    if (TableSport)
        TableSport->close();
    QDialog::done(result);
}

} // namespace torval::energy
