#include "PassRequestFrm.h"
#include "User2Frm.h"
#include "ZudorMainFrm.h"
#include "gui/dialogs.h"
#include "gui/handler.h"
#include "gui/help.h"
#include "gui/widgets.h"
#include "store/tables.h"
#include "store/users.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace torval::app {

TPassRequestForm::TPassRequestForm(TZudorMainForm &main, QWidget *parent) : QDialog(parent), m_main(main)
{
    setObjectName(QStringLiteral("PassRequestForm"));
    setWindowTitle(QStringLiteral("Benutzerauswahl"));

    NameCombo = new QComboBox(this);
    NameCombo->setObjectName(QStringLiteral("NameCombo"));
    NameCombo->setEditable(false);
    NameCombo->setMinimumWidth(240);
    NameLabel = new QLabel(QStringLiteral("Benutzername:"), this);
    NameLabel->setObjectName(QStringLiteral("NameLabel"));
    NameLabel->setBuddy(NameCombo);
    PassEdit = new QLineEdit(this);
    PassEdit->setObjectName(QStringLiteral("PassEdit"));
    PassEdit->setEchoMode(QLineEdit::Password);
    PassLabel = new QLabel(QStringLiteral("Paßwort:"), this);
    PassLabel->setObjectName(QStringLiteral("PassLabel"));
    PassLabel->setBuddy(PassEdit);
    // Passwords are not asked for: the password given is always empty.
    PassEdit->hide();
    PassLabel->hide();

    SpeedButton1 =
        gui::namedButton(QStringLiteral("SpeedButton1"), QStringLiteral("Benutzerverwaltung ..."), QString(), this);
    OKBtn = gui::namedButton(QStringLiteral("OKBtn"), QStringLiteral("OK"), QString(), this);
    OKBtn->setDefault(true);
    BtnHelp = gui::helpButton(QStringLiteral("BtnHelp"), 3, this);

    auto *grid = new QGridLayout;
    grid->addWidget(NameLabel, 0, 0);
    grid->addWidget(NameCombo, 0, 1);
    grid->addWidget(PassLabel, 1, 0);
    grid->addWidget(PassEdit, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(SpeedButton1);
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(BtnHelp);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, BtnHelp, &QPushButton::click);
    connect(OKBtn, &QPushButton::clicked, this, [this] { gui::guarded([this] { OKBtnClick(); }); });
    connect(SpeedButton1, &QPushButton::clicked, this, [this] { gui::guarded([this] { SpeedButton1Click(); }); });

    gui::guarded([this] { fillNames(); });
}

void TPassRequestForm::fillNames()
{
    NameCombo->clear();
    store::Tables *t = m_main.tables();
    if (!t || !t->UserTable.isOpen())
        return;
    store::Table &users = t->UserTable;
    const QString current = users.hasRecord() ? store::userEntry(users) : QString();
    const QStringList entries = store::userEntries(users);
    NameCombo->addItems(entries);
    if (!entries.isEmpty())
        NameCombo->setCurrentIndex(std::max(0, int(entries.indexOf(current))));
}

void TPassRequestForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    NameCombo->setFocus();
}

void TPassRequestForm::keyPressEvent(QKeyEvent *event)
{
    // Esc presses OK as Enter does; only the close box leaves without a choice.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        OKBtn->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPassRequestForm::OKBtnClick()
{
    store::Tables *t = m_main.tables();
    if (!t || NameCombo->count() == 0)
        return;
    store::Table &users = t->UserTable;
    if (!store::locateUserEntry(users, NameCombo->currentText()))
        return;
    if (users.asString(QStringLiteral("Passwort")) != PassEdit->text()) {
        gui::dialogs().messageDlg(QStringLiteral("Benutzername und/bzw. Passwort sind ungültig."),
                                  gui::Dialogs::Type::Warning, gui::Dialogs::Ok);
        PassEdit->selectAll();
        return;
    }
    m_main.LoadUserSettings();
    m_chosen = true;
    accept();
}

void TPassRequestForm::SpeedButton1Click()
{
    store::Tables *t = m_main.tables();
    if (!t)
        return;
    if (NameCombo->count() > 0)
        store::locateUserEntry(t->UserTable, NameCombo->currentText());
    m_managementOpened = true;
    {
        TUser2Form dlg(m_main, this);
        dlg.exec();
    }
    fillNames();
}

} // namespace torval::app
