#include "AnalysePage.h"
#include "AnalyseLoadFrm.h"
#include "AnalyseSaveFrm.h"
#include "MengenFrm.h"
#include "core/catalogue.h"
#include "core/daylists.h"
#include "core/evaluation.h"
#include "core/intake.h"
#include "core/measures.h"
#include "core/recalc.h"
#include "core/runstate.h"
#include "core/textfile.h"
#include "fooddb/FoodChooser.h"
#include "gui/ChooserPanel.h"
#include "gui/dialogs.h"
#include "gui/handler.h"
#include "gui/help.h"
#include "gui/sortedcombobox.h"
#include "gui/widgets.h"
#include "report/PrintTable.h"
#include "store/analyses.h"
#include "store/tables.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScopeGuard>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace torval::analysis {

namespace {

constexpr auto kRight = Qt::AlignRight | Qt::AlignVCenter;

QTreeWidget *makeList(const QString &name, const QStringList &headers, QWidget *parent)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setColumnCount(int(headers.size()));
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setSectionsMovable(false);
    return list;
}

} // namespace

AnalysePage::AnalysePage(store::Tables &tables, RunState &run, QWidget *parent)
    : QWidget(parent), m_tables(tables), m_run(run)
{
    buildUi();
    gui::setPageDefaultButton(this, SearchBtn2);
    const std::pair<QPushButton *, void (AnalysePage::*)()> handlers[] = {
        {AddBtn, &AnalysePage::AddBtnClick},
        {MengenBtn, &AnalysePage::MengenBtnClick},
        {MengeBtn, &AnalysePage::MengeBtnClick},
        {DeleteBtn, &AnalysePage::DeleteBtnClick},
        {DeleteAllBtn, &AnalysePage::DeleteAllBtnClick},
        {PersDatenBtn, &AnalysePage::PersDatenBtnClick},
        {AuswertgBtn, &AnalysePage::AuswertgBtnClick},
        {SaveBtn, &AnalysePage::SaveBtnClick},
        {LoadBtn, &AnalysePage::LoadBtnClick},
        {SpeedButton1, &AnalysePage::SpeedButton1Click},
        {SpeedButton2, &AnalysePage::SpeedButton2Click},
    };
    for (const auto &[button, handler] : handlers)
        gui::onClick(button, this, handler);
    connect(NMListBox, &QTreeWidget::itemDoubleClicked, this, [this] { gui::guarded([this] { MengeBtnClick(); }); });
    connect(NSListBox, &QTreeWidget::itemDoubleClicked, this,
            [this] { gui::guarded([this] { NSListBoxDblClick(); }); });
}

void AnalysePage::buildUi()
{
    // Left: choosing a food and its amount.
    auto *panel = new gui::ChooserPanel(
        QStringLiteral("Nahrungsmittel wählen"),
        {QStringLiteral("KategorieCombo2"), QStringLiteral("&Kategorie:"),
         QStringLiteral("Nahrungsmittelkategorie auswählen"), QStringLiteral("ProduktCombo2"),
         QStringLiteral("&Produkt:"), QStringLiteral("Produkt der aktuellen Kategorie auswählen"),
         QStringLiteral("SearchEdit2"), QStringLiteral("Schnellsuche über ein Suchwort, Enter wenn fertig"),
         QStringLiteral("SearchBtn2"), QStringLiteral("Suche wird mit obigem Wort gestartet (Enter)")},
        this);
    panel->setObjectName(QStringLiteral("ChooserPanel"));
    KategorieCombo2 = panel->categories;
    ProduktCombo2 = panel->items;
    SearchEdit2 = panel->search;
    SearchBtn2 = panel->searchButton;
    m_chooser = new fooddb::FoodChooser(
        m_tables, panel, [this] { ProduktCombo2Change(); }, this);
    MengenEdit = new QLineEdit(QStringLiteral("100"), panel);
    MengenEdit->setObjectName(QStringLiteral("MengenEdit"));
    // Whole grams of up to four digits when typed; what the program writes
    // (a merged total, 7,5 from a household measure) is shown as it is.
    MengenEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\s*\\d{0,4}\\s*")), MengenEdit));
    MengenEdit->setAlignment(kRight);
    MengenEdit->setMaximumWidth(MengenEdit->fontMetrics().horizontalAdvance(QStringLiteral("000000000")) + 12);
    MengenBtn = gui::namedButton(QStringLiteral("MengenBtn"), QStringLiteral("Alternative Mengenangaben"),
                                 QStringLiteral("Mengenangaben für Löffel, Gemüse oder Brotscheiben"), panel);
    AddBtn = gui::namedButton(QStringLiteral("AddBtn"), QStringLiteral("&Gewähltes Produkt hinzufügen"),
                              QStringLiteral("Produkt nach rechts in die Tagesanalyse übernehmen"), panel);
    BtnHelp5 = gui::helpButton(QStringLiteral("BtnHelp5"), 9, this);

    QVBoxLayout *pl = panel->panelLayout();
    pl->addSpacing(4);
    auto *amountRow = new QHBoxLayout;
    amountRow->addWidget(gui::buddyLabel(QStringLiteral("&Menge in Gramm:"), MengenEdit, panel));
    amountRow->addWidget(MengenEdit);
    pl->addLayout(amountRow);
    pl->addWidget(MengenBtn);
    pl->addWidget(AddBtn);

    // Actions on the whole day.
    auto *actions = new QGroupBox(QStringLiteral("Tagesanalyse"), this);
    actions->setObjectName(QStringLiteral("ActionPanel"));
    PersDatenBtn = gui::namedButton(QStringLiteral("PersDatenBtn"), QStringLiteral("Persönliche Daten (Bedarf)"),
                                    QStringLiteral("Personenkreis für die Soll-Werte auswählen"), actions);
    AuswertgBtn = gui::namedButton(QStringLiteral("AuswertgBtn"), QStringLiteral("Gesamtauswertung"),
                                   QStringLiteral("Schriftliche Auswertung des Tages im Editor"), actions);
    SaveBtn = gui::namedButton(QStringLiteral("SaveBtn"), QStringLiteral("Analyse speichern ..."),
                               QStringLiteral("Die Nahrungsmittel dieses Tages speichern"), actions);
    LoadBtn = gui::namedButton(QStringLiteral("LoadBtn"), QStringLiteral("Analyse laden ..."),
                               QStringLiteral("Einen gespeicherten Tag laden oder löschen"), actions);
    SpeedButton1 = gui::namedButton(QStringLiteral("SpeedButton1"), QStringLiteral("Tabelle Nährstoffe"),
                                    QStringLiteral("Die Nährstoffe des Tages drucken"), actions);
    SpeedButton2 = gui::namedButton(QStringLiteral("SpeedButton2"), QStringLiteral("Nahrungsmittel-/Einkaufsliste"),
                                    QStringLiteral("Die Nahrungsmittel des Tages drucken"), actions);
    auto *al = new QGridLayout(actions);
    al->setSpacing(3);
    int row = 0;
    for (QPushButton *b : {PersDatenBtn, AuswertgBtn, SaveBtn, LoadBtn, SpeedButton1, SpeedButton2})
        al->addWidget(b, row++, 0);

    auto *left = new QVBoxLayout;
    left->addWidget(panel);
    left->addWidget(actions);
    left->addStretch(1);

    // Middle: the intake list.
    auto *hint = new QLabel(QStringLiteral("Wählen Sie links Ihre heute gegessenen Nahrungsmittel und fügen Sie "
                                           "diese in der richtigen Menge mit dem unteren Schalter nacheinander "
                                           "hinzu!"),
                            this);
    hint->setObjectName(QStringLiteral("HintLabel"));
    hint->setWordWrap(true);
    NMListBox =
        makeList(QStringLiteral("NMListBox"), {QStringLiteral("Nahrungsmittel"), QStringLiteral("Menge (g)")}, this);
    NMListBox->headerItem()->setTextAlignment(1, kRight);
    NMListBox->header()->setStretchLastSection(false);
    NMListBox->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    NMListBox->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    auto *intakeLabel = gui::buddyLabel(QStringLiteral("&Nahrungsaufnahme eines Tages:"), NMListBox, this);
    MengeBtn = gui::namedButton(QStringLiteral("MengeBtn"), QStringLiteral("Menge ändern"), QString(), this);
    DeleteBtn =
        gui::namedButton(QStringLiteral("DeleteBtn"), QStringLiteral("Gewählten Eintrag löschen"), QString(), this);
    DeleteAllBtn =
        gui::namedButton(QStringLiteral("DeleteAllBtn"), QStringLiteral("Alle Einträge löschen"), QString(), this);

    auto *ratio = new QGroupBox(QStringLiteral("Nährstoffverhältnis:"), this);
    ratio->setObjectName(QStringLiteral("RatioPanel"));
    auto *rl = new QGridLayout(ratio);
    rl->setVerticalSpacing(2);
    auto ratioRow = [&](int row, const QString &caption, const QString &name) {
        auto *value = new QLabel(QStringLiteral("-"), ratio);
        value->setObjectName(name);
        value->setAlignment(kRight);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("100,00")));
        auto *captionLabel = new QLabel(caption, ratio);
        captionLabel->setBuddy(value);
        rl->addWidget(captionLabel, row, 0);
        rl->addWidget(value, row, 1);
        rl->addWidget(new QLabel(QStringLiteral("%"), ratio), row, 2);
        return value;
    };
    EWPLabel = ratioRow(0, QStringLiteral("Eiweiß"), QStringLiteral("EWPLabel"));
    FTPLabel = ratioRow(1, QStringLiteral("Fett"), QStringLiteral("FTPLabel"));
    KHPLabel = ratioRow(2, QStringLiteral("Kohlenhydrate"), QStringLiteral("KHPLabel"));
    rl->setColumnStretch(0, 1);

    auto *middle = new QVBoxLayout;
    middle->setSpacing(3);
    middle->addWidget(hint);
    middle->addWidget(intakeLabel);
    middle->addWidget(NMListBox, 1);
    middle->addWidget(MengeBtn);
    middle->addWidget(DeleteBtn);
    middle->addWidget(DeleteAllBtn);
    middle->addWidget(ratio);

    // Right: the day's result.
    NSListBox = makeList(QStringLiteral("NSListBox"),
                         {QStringLiteral("Inhaltsstoffe"), QStringLiteral("Einheit"), QStringLiteral("Ist"),
                          QStringLiteral("Soll"), QStringLiteral("Prozent")},
                         this);
    NSListBox->setAccessibleName(QStringLiteral("Ergebnis des Tages"));
    for (int c = 2; c < 5; ++c)
        NSListBox->headerItem()->setTextAlignment(c, kRight);
    // Every column at least as wide as its texts: the list is always wide
    // enough for them (fitResultList), and space beyond goes to the captions.
    NSListBox->header()->setStretchLastSection(false);
    NSListBox->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 5; ++c)
        NSListBox->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    NSListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *right = new QVBoxLayout;
    right->setSpacing(3);
    right->addWidget(NSListBox, 1);
    auto *helpRow = new QHBoxLayout;
    helpRow->addStretch(1);
    helpRow->addWidget(BtnHelp5);
    right->addLayout(helpRow);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(5);
    layout->addLayout(left);
    // The intake list takes what the result list leaves; a wider window is
    // shared by both.
    layout->addLayout(middle, 1);
    layout->addLayout(right, 1);
    for (QGroupBox *box : {static_cast<QGroupBox *>(panel), actions}) {
        // At least 200 pixels, wider where a larger font needs it.
        box->setMinimumWidth(200);
        box->setSizePolicy(QSizePolicy::Fixed, box->sizePolicy().verticalPolicy());
        box->layout()->setContentsMargins(4, 4, 4, 6);
    }
}

QString AnalysePage::programDir() const
{
    if (!m_host.programDir.isEmpty())
        return m_host.programDir;
    return QFileInfo(m_tables.dataDir()).absolutePath();
}

void AnalysePage::KategorieCombo2Change()
{
    m_chooser->categoryChanged();
}

void AnalysePage::SearchBtn2Click()
{
    m_chooser->searchClicked();
}

void AnalysePage::ProduktCombo2Change()
{
    SearchEdit2->setText(ProduktCombo2->currentText());
}

void AnalysePage::setIntakeLines(const QStringList &lines)
{
    m_lines = lines;
    NMListBox->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(lines.size());
    for (const QString &text : lines) {
        const IntakeLine line = splitIntakeLine(text);
        auto *item = new QTreeWidgetItem({line.name, line.amount});
        item->setTextAlignment(1, kRight);
        item->setToolTip(0, line.name);
        items << item;
    }
    NMListBox->addTopLevelItems(items);
}

void AnalysePage::showIntakeLine(int index)
{
    const IntakeLine line = splitIntakeLine(m_lines.at(index));
    QTreeWidgetItem *item = NMListBox->topLevelItem(index);
    if (!item) {
        item = new QTreeWidgetItem(NMListBox);
        item->setTextAlignment(1, kRight);
    }
    item->setText(0, line.name);
    item->setToolTip(0, line.name);
    item->setText(1, line.amount);
}

int AnalysePage::selectedLine() const
{
    const QList<QTreeWidgetItem *> selected = NMListBox->selectedItems();
    return selected.isEmpty() ? -1 : NMListBox->indexOfTopLevelItem(selected.first());
}

void AnalysePage::RecalcAnalyse()
{
    const RecalcResult r = store::recalcDay(m_tables, m_lines, m_run.useCalculatorTotal(), m_run.calculatorTotal());
    for (const QString &message : r.messages)
        gui::dialogs().showMessage(message);
    if (r.error) {
        // Reported here, so that no caller (the energy calculator among them)
        // can swallow it.
        gui::dialogs().showError(*r.error);
        return;
    }
    showResults(r.lines);
    EWPLabel->setText(r.protein);
    FTPLabel->setText(r.fat);
    KHPLabel->setText(r.carbohydrates);
}

void AnalysePage::showResults(const QStringList &lines)
{
    m_results = lines;
    if (NSListBox->topLevelItemCount() != lines.size()) {
        NSListBox->clear();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            auto *item = new QTreeWidgetItem(NSListBox);
            for (int c = 2; c < 5; ++c)
                item->setTextAlignment(c, kRight);
        }
    }
    const QList<QStringList> rows = nutrientTableRows(lines);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QTreeWidgetItem *item = NSListBox->topLevelItem(int(i));
        for (int c = 0; c < 5; ++c)
            item->setText(c, rows.at(i).value(c));
    }
    fitResultList();
}

void AnalysePage::fitResultList()
{
    // As wide as the widest text of each column, so that no total, however
    // large, pushes "Prozent" out of sight.
    const QFontMetrics metrics(NSListBox->font());
    const int padding = 2 * NSListBox->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, NSListBox) + 8;
    int width = 2 * NSListBox->frameWidth() + NSListBox->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    for (int c = 0; c < NSListBox->columnCount(); ++c) {
        int column = NSListBox->header()->sectionSizeHint(c);
        for (int i = 0; i < NSListBox->topLevelItemCount(); ++i)
            column = std::max(column, metrics.horizontalAdvance(NSListBox->topLevelItem(i)->text(c)) + padding);
        width += column;
    }
    NSListBox->setMinimumWidth(width);
}

void AnalysePage::AddBtnClick()
{
    QString amount = MengenEdit->text();
    // What the merge writes into the amount field stays there, also when a
    // later question is declined or a conversion fails.
    const auto writeBack = qScopeGuard([&] {
        if (MengenEdit->text() != amount)
            MengenEdit->setText(amount);
    });
    const QString name = ProduktCombo2->currentText();
    if (name.isEmpty())
        return; // no food to add (an empty food table)
    QStringList lines = m_lines;
    const AddOutcome outcome = addToIntake(lines, name, amount, [](const QString &question) {
        return gui::dialogs().messageDlg(question, gui::Dialogs::Type::Confirmation,
                                         gui::Dialogs::Yes | gui::Dialogs::No)
               == gui::Dialogs::Yes;
    });
    switch (outcome) {
    case AddOutcome::EmptyAmount:
        gui::dialogs().showMessage(QStringLiteral("Tragen Sie bitte auch die Menge in Gramm ein!"));
        return;
    case AddOutcome::Declined:
        return;
    case AddOutcome::Appended:
        m_lines = lines;
        showIntakeLine(int(m_lines.size() - 1));
        break;
    case AddOutcome::Merged:
        for (int i = 0; i < m_lines.size(); ++i)
            if (m_lines.at(i) != lines.at(i)) {
                m_lines[i] = lines.at(i);
                showIntakeLine(i);
            }
        break;
    }
    RecalcAnalyse();
}

void AnalysePage::MengeBtnClick()
{
    const int index = selectedLine();
    if (index < 0) {
        gui::dialogs().showMessage(QStringLiteral("Wählen Sie bitte vorher einen Eintrag aus!"));
        return;
    }
    const IntakeLine line = splitIntakeLine(m_lines.at(index));
    const auto answer =
        gui::dialogs().inputQuery(QStringLiteral("Eingabe"), QStringLiteral("Neue Menge (in Gramm):"), line.amount);
    if (!answer)
        return;
    m_lines[index] = withAmount(m_lines.at(index), *answer);
    showIntakeLine(index);
    RecalcAnalyse();
}

void AnalysePage::DeleteBtnClick()
{
    const int index = selectedLine();
    if (index >= 0) {
        m_lines.removeAt(index);
        delete NMListBox->takeTopLevelItem(index);
        // No other line becomes the target of the next action by itself.
        NMListBox->clearSelection();
        NMListBox->setCurrentItem(nullptr);
    }
    RecalcAnalyse();
}

void AnalysePage::DeleteAllBtnClick()
{
    m_lines.clear();
    NMListBox->clear();
    RecalcAnalyse();
}

void AnalysePage::MengenBtnClick()
{
    TMengenForm dlg(this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    MengenEdit->setText(takeOverAmount(dlg.Label1->text(), dlg.multiplier()));
}

void AnalysePage::NSListBoxDblClick()
{
    const QList<QTreeWidgetItem *> selected = NSListBox->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = NSListBox->indexOfTopLevelItem(selected.first());
    const QString caption = m_results.value(row).section(u';', 0, 0);
    const int nutrient = nutrientByFullCaption(caption);
    if (nutrient < 0 || !m_host.showNutrientDetails)
        return;
    m_host.showNutrientDetails(nutrients()[std::size_t(nutrient)].columnName());
}

void AnalysePage::AuswertgBtnClick()
{
    const QStringList text = evaluationLines(m_results);
    const QString path = QDir(programDir()).filePath(evaluationFileName());
    writeLines(path, text);
    if (m_host.openInReportEditor)
        m_host.openInReportEditor(path);
}

void AnalysePage::SaveBtnClick()
{
    if (m_lines.isEmpty()) {
        gui::dialogs().messageDlg(QStringLiteral("Es wurden keine Nahrungsmittel ausgewählt.\n\n"
                                                 "Somit kann nichts gespeichert werden."),
                                  gui::Dialogs::Type::Information, gui::Dialogs::Yes);
        return;
    }
    // A line whose amount is not a number cannot be stored; say so before
    // the user fills in the dialog.
    if (const auto message = store::unsavableLineMessage(m_tables, m_lines)) {
        gui::dialogs().messageDlg(*message, gui::Dialogs::Type::Warning, gui::Dialogs::Ok);
        return;
    }
    TAnalyseSaveForm dlg(m_tables, m_lines, this);
    dlg.exec();
}

void AnalysePage::LoadBtnClick()
{
    TAnalyseLoadForm dlg(m_tables, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    setIntakeLines(store::loadAnalysisLines(m_tables));
    RecalcAnalyse();
}

void AnalysePage::SpeedButton1Click()
{
    report::printRows(m_tables, nutrientTableReport(), nutrientTableRows(m_results), this);
}

void AnalysePage::SpeedButton2Click()
{
    if (m_lines.isEmpty()) {
        gui::dialogs().showMessage(emptyShoppingListMessage());
        return;
    }
    report::printRows(m_tables, shoppingListReport(), shoppingListRows(m_lines), this);
}

void AnalysePage::PersDatenBtnClick()
{
    if (m_host.persDatenBtnClick)
        m_host.persDatenBtnClick();
}

} // namespace torval::analysis
