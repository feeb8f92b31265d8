#pragma once

#include <QGroupBox>

class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace torval::gui {

class SortedComboBox;

// Names, captions and hints of the four controls of a chooser panel.
struct ChooserSpec
{
    QString categoryName;    // e.g. "KategorieCombo"
    QString categoryCaption; // label, with its mnemonic ("&Kategorie:")
    QString categoryHint;
    QString itemName; // e.g. "ProduktCombo"
    QString itemCaption;
    QString itemHint;
    QString searchName; // e.g. "SearchEdit"
    QString searchHint;
    QString buttonName; // e.g. "SearchBtn"
    QString buttonHint;
};

// The panel of the chooser-and-search pattern: a category chooser, the
// chooser of the items of that category, a search box and its button
// "&Finden", one below the other, each field with its caption. The page adds
// its own controls below them.
class ChooserPanel final : public QGroupBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChooserPanel)

public:
    ChooserPanel(const QString &title, const ChooserSpec &spec, QWidget *parent = nullptr);

    QVBoxLayout *panelLayout() const { return m_layout; }

    SortedComboBox *const categories;
    SortedComboBox *const items;
    QLineEdit *const search;
    QPushButton *const searchButton;

private:
    QVBoxLayout *m_layout;
};

// Enter on the page presses its default button, as a dialog's default button
// is pressed: Enter that a control of the page does not take for itself (a
// text field, a closed drop-down list, a list) reaches the page and presses
// it. A drop-down list that is open takes Enter to choose its entry, and a
// button that has the focus is pressed itself.
void setPageDefaultButton(QWidget *page, QPushButton *button);

} // namespace torval::gui
