#pragma once

#include <QDialog>
#include <QList>
#include <functional>

class QLineEdit;
class QPushButton;
class QToolButton;

namespace torval::store {
class Table;
}

namespace torval::app {

class TZudorMainForm;

// "Benutzer": the users' records, one at a time, with a record navigator.
// Typing into a field starts editing the record shown; a change is stored
// when another record is chosen or the dialog closes.
class TUser2Form final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TUser2Form)

public:
    explicit TUser2Form(TZudorMainForm &main, QWidget *parent = nullptr);

    void PersDatenBtnClick();
    // Stores a record still being edited or inserted; false (error shown,
    // record still in editing) when that fails.
    bool storePending();

    // The data-bound fields: Name, Vorname, Strasse, PLZ, Wohnort, Email,
    // Telefon, Fax, Gewicht.
    QList<QLineEdit *> fields;
    QPushButton *PersDatenBtn;
    QToolButton *NavFirst;
    QToolButton *NavPrior;
    QToolButton *NavNext;
    QToolButton *NavLast;
    QToolButton *NavInsert;
    QToolButton *NavDelete;
    QToolButton *NavCancel;
    QPushButton *FertigBtn;
    QPushButton *BtnHelp;

protected:
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

private:
    void showRecord();
    void updateNavigator();
    void fieldEdited(int index, const QString &text);
    void navigate(const std::function<void(store::Table &)> &step);

    TZudorMainForm &m_main;
    store::Table *m_users;
    bool m_closing = false;
};

} // namespace torval::app
