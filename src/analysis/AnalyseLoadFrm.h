#pragma once

#include <QDialog>
#include <QList>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace torval::store {
class Tables;
}

namespace torval::analysis {

// "Analyse laden": the stored analyses, to load or delete one. The selected
// row of the grid is the current record of the analysis table.
class TAnalyseLoadForm final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAnalyseLoadForm)

public:
    explicit TAnalyseLoadForm(store::Tables &tables, QWidget *parent = nullptr);

    // "Sortierung:": 0 by name, 1 by date.
    void RadioGroup1Click(int index);
    // "Löschen".
    void Button2Click();

    QTableWidget *DBGrid1;
    QGroupBox *RadioGroup1;
    QRadioButton *ByNameRadio;
    QRadioButton *ByDateRadio;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;

private:
    void fillGrid();
    void gridRowChanged();

    store::Tables &m_tables;
    QList<qint64> m_records;
    bool m_filling = false;
};

} // namespace torval::analysis
