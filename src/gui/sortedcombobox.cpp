#include "sortedcombobox.h"

#include <QCollator>
#include <QSignalBlocker>

#include <algorithm>

namespace torval::gui {

namespace {
const QCollator &collator()
{
    static const QCollator c = [] {
        QCollator c{QLocale(QLocale::German, QLocale::Germany)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return c;
}
} // namespace

int compareText(const QString &a, const QString &b)
{
    return collator().compare(a, b);
}

void sortTexts(QStringList &texts)
{
    QList<std::pair<QCollatorSortKey, qsizetype>> keys;
    keys.reserve(texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i)
        keys.append({collator().sortKey(texts.at(i)), i});
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto &a, const auto &b) { return a.first.compare(b.first) < 0; });
    QStringList sorted;
    sorted.reserve(texts.size());
    for (const auto &k : keys)
        sorted.append(texts.at(k.second));
    texts = sorted;
}

void SortedComboBox::setSortedItems(const QStringList &texts)
{
    QStringList sorted = texts;
    sortTexts(sorted);
    const QSignalBlocker block(this);
    clear();
    addItems(sorted);
}

SortedComboBox::SortedComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    setMaxVisibleItems(20);
    connect(this, &QComboBox::activated, this, [this](int) { Q_EMIT picked(); });
}

int SortedComboBox::addSorted(const QString &text)
{
    int lo = 0;
    int hi = count();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (compareText(itemText(mid), text) <= 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    const QSignalBlocker block(this);
    insertItem(lo, text);
    return lo;
}

int SortedComboBox::indexOfText(const QString &text, Qt::CaseSensitivity cs) const
{
    for (int i = 0; i < count(); ++i)
        if (itemText(i).compare(text, cs) == 0)
            return i;
    return -1;
}

void SortedComboBox::selectSilently(int index)
{
    const QSignalBlocker block(this);
    setCurrentIndex(index);
}

} // namespace torval::gui
