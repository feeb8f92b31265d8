#pragma once

#include <QComboBox>

namespace torval::gui {

// A drop-down list without free text whose entries stay in alphabetical
// order (German collation, letter case ignored).
class SortedComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit SortedComboBox(QWidget *parent = nullptr);

    // Inserts at the sorted position; returns the index.
    int addSorted(const QString &text);
    // Replaces all entries by texts, sorted.
    void setSortedItems(const QStringList &texts);
    // Index of the entry equal to text, -1 if none.
    int indexOfText(const QString &text, Qt::CaseSensitivity cs = Qt::CaseInsensitive) const;
    bool containsText(const QString &text, Qt::CaseSensitivity cs = Qt::CaseInsensitive) const
    {
        return indexOfText(text, cs) >= 0;
    }
    // Selects without running the change handler.
    void selectSilently(int index);

Q_SIGNALS:
    // The user picked an entry (not emitted for programmatic changes).
    void picked();
};

// German, case-insensitive ordering used by every sorted list.
int compareText(const QString &a, const QString &b);
void sortTexts(QStringList &texts);

} // namespace torval::gui
