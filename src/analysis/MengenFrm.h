#pragma once

#include <QDialog>
#include <QList>

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTreeWidget;

namespace torval::analysis {

// "Alternative Mengenangaben": household measures with their weight in grams.
// Closed through "&Übernehmen", the label and the multiplier give the amount.
class TMengenForm final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMengenForm)

public:
    explicit TMengenForm(QWidget *parent = nullptr);

    // The multiplier as it stood when "&Übernehmen" was pressed; a text
    // that is not a whole number (an emptied field) counts as 0.
    int multiplier() const;

    // A list was clicked or received the focus.
    void ListViewClick(int page);

    QTabWidget *PageControl1;
    QListWidget *PageList; // chooses the page of PageControl1
    QList<QTreeWidget *> ListViews; // ListView1 .. ListView10
    QSpinBox *SpinEdit1;
    QLabel *Label1;
    QPushButton *TakeItBtn;
    QPushButton *CloseBtn;
    QPushButton *BtnHelp5;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_multiplier = 0;
};

} // namespace torval::analysis
