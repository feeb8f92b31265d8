#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace torval::app {

class TZudorMainForm;

// "Benutzerauswahl": choose the current user by name. OK (also Enter and
// Esc) loads the chosen user's settings and closes; the close box closes
// without a choice.
class TPassRequestForm final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPassRequestForm)

public:
    explicit TPassRequestForm(TZudorMainForm &main, QWidget *parent = nullptr);

    void OKBtnClick();
    void SpeedButton1Click();

    // Whether a user was chosen and loaded.
    bool chosen() const { return m_chosen; }
    // Whether the user management was opened meanwhile.
    bool managementOpened() const { return m_managementOpened; }

    QLabel *NameLabel;
    QComboBox *NameCombo;
    QLabel *PassLabel;
    QLineEdit *PassEdit;
    QPushButton *SpeedButton1;
    QPushButton *OKBtn;
    QPushButton *BtnHelp;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fillNames();

    TZudorMainForm &m_main;
    bool m_chosen = false;
    bool m_managementOpened = false;
};

} // namespace torval::app
