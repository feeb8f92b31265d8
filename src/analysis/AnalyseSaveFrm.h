#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QPushButton;

namespace torval::store {
class Tables;
}

namespace torval::analysis {

// "Analyse speichern": stores the day's intake list under a name.
class TAnalyseSaveForm final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAnalyseSaveForm)

public:
    // Pre-filled with today's date, "Hauptbenutzer" and the number of lines.
    TAnalyseSaveForm(store::Tables &tables, const QStringList &lines, QWidget *parent = nullptr);

    // "&Speichern": checks the fields, asks before replacing an analysis of
    // the same name, stores and closes.
    void SaveBtnClick();

    QLineEdit *BezeichngEdit;
    QLineEdit *DatumEdit;
    QLineEdit *AutorEdit;
    QLineEdit *InfoEdit;
    QPushButton *SaveBtn;
    QPushButton *CancelBtn;

private:
    store::Tables &m_tables;
    QStringList m_lines;
};

} // namespace torval::analysis
