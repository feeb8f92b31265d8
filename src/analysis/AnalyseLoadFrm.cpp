#include "AnalyseLoadFrm.h"
#include "gui/dialogs.h"
#include "gui/handler.h"
#include "gui/widgets.h"
#include "store/analyses.h"
#include "store/tables.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace torval::analysis {

namespace {
const QStringList kColumns = {QStringLiteral("Bezeichnung"), QStringLiteral("Datum"), QStringLiteral("Autor"),
                              QStringLiteral("Info")};
}

TAnalyseLoadForm::TAnalyseLoadForm(store::Tables &tables, QWidget *parent) : QDialog(parent), m_tables(tables)
{
    setObjectName(QStringLiteral("AnalyseLoadForm"));
    setWindowTitle(QStringLiteral("Analyse laden"));

    DBGrid1 = new QTableWidget(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(QStringLiteral("Gespeicherte Analysen"));
    DBGrid1->setColumnCount(int(kColumns.size()));
    DBGrid1->setHorizontalHeaderLabels(kColumns);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->setVisible(false);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setColumnWidth(0, 200);
    DBGrid1->setColumnWidth(1, 80);
    DBGrid1->setColumnWidth(2, 110);

    RadioGroup1 = new QGroupBox(QStringLiteral("Sortierung:"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    ByNameRadio = new QRadioButton(QStringLiteral("nach Bezeichnung"), RadioGroup1);
    ByNameRadio->setObjectName(QStringLiteral("ByNameRadio"));
    ByNameRadio->setChecked(true);
    ByDateRadio = new QRadioButton(QStringLiteral("nach Datum"), RadioGroup1);
    ByDateRadio->setObjectName(QStringLiteral("ByDateRadio"));
    auto *rl = new QHBoxLayout(RadioGroup1);
    rl->addWidget(ByNameRadio);
    rl->addWidget(ByDateRadio);
    rl->addStretch(1);

    Button1 = gui::namedButton(QStringLiteral("Button1"), QStringLiteral("Laden"), QString(), this);
    Button1->setDefault(true);
    Button2 = gui::namedButton(QStringLiteral("Button2"), QStringLiteral("Löschen"), QString(), this);
    Button3 = gui::namedButton(QStringLiteral("Button3"), QStringLiteral("Abbrechen"), QString(), this);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, [this] { gui::guarded([this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
    // The order acts only when the user clicks an entry.
    connect(ByNameRadio, &QRadioButton::clicked, this, [this] { gui::guarded([this] { RadioGroup1Click(0); }); });
    connect(ByDateRadio, &QRadioButton::clicked, this, [this] { gui::guarded([this] { RadioGroup1Click(1); }); });
    connect(DBGrid1, &QTableWidget::itemSelectionChanged, this, [this] { gui::guarded([this] { gridRowChanged(); }); });
    connect(DBGrid1, &QTableWidget::cellDoubleClicked, Button1, &QPushButton::click);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(RadioGroup1, 1);
    buttons->addWidget(Button1, 0, Qt::AlignBottom);
    buttons->addWidget(Button2, 0, Qt::AlignBottom);
    buttons->addWidget(Button3, 0, Qt::AlignBottom);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(buttons);
    setFixedSize(720, 360);

    fillGrid();
}

void TAnalyseLoadForm::fillGrid()
{
    store::Table &head = m_tables.AnalyseTable;
    const qint64 current = head.recordId();
    m_filling = true;
    DBGrid1->setRowCount(0);
    m_records.clear();
    int currentRow = -1;
    for (bool ok = head.first(); ok; ok = head.next()) {
        const int row = DBGrid1->rowCount();
        DBGrid1->insertRow(row);
        for (int c = 0; c < kColumns.size(); ++c)
            DBGrid1->setItem(row, c, new QTableWidgetItem(head.asString(kColumns.at(c))));
        m_records << head.recordId();
        if (head.recordId() == current)
            currentRow = row;
    }
    if (currentRow < 0 && !m_records.isEmpty())
        currentRow = 0;
    m_filling = false;
    if (currentRow >= 0) {
        head.gotoRecordId(m_records.at(currentRow));
        DBGrid1->selectRow(currentRow);
        DBGrid1->scrollToItem(DBGrid1->item(currentRow, 0));
    }
}

void TAnalyseLoadForm::gridRowChanged()
{
    if (m_filling)
        return;
    const QList<QTableWidgetSelectionRange> ranges = DBGrid1->selectedRanges();
    if (ranges.isEmpty())
        return;
    const int row = ranges.first().topRow();
    if (row >= 0 && row < m_records.size())
        m_tables.AnalyseTable.gotoRecordId(m_records.at(row));
}

void TAnalyseLoadForm::RadioGroup1Click(int index)
{
    m_tables.AnalyseTable.setIndexName(index == 1 ? QStringLiteral("Datum_IDX") : QStringLiteral("Bezeichng_IDX"));
    fillGrid();
}

void TAnalyseLoadForm::Button2Click()
{
    // With nothing stored there is nothing to ask about.
    if (!m_tables.AnalyseTable.hasRecord())
        return;
    if (gui::dialogs().messageDlg(QStringLiteral("Wollen Sie den ausgewählten Analysedatensatz wirklich löschen?"),
                                  gui::Dialogs::Type::Confirmation, gui::Dialogs::Yes | gui::Dialogs::No)
        != gui::Dialogs::Yes)
        return;
    store::deleteCurrentAnalysis(m_tables);
    fillGrid();
}

} // namespace torval::analysis
