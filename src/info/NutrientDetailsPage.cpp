#include "NutrientDetailsPage.h"
#include "LinkLabel.h"
#include "core/catalogue.h"
#include "gui/handler.h"
#include "gui/help.h"
#include "gui/sortedcombobox.h"
#include "store/tables.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace torval::info {

namespace {

// A scroll area whose size wish does not depend on the texts inside: the
// long word-wrapped texts are laid out only when the page is on screen, not
// whenever the main window asks its pages for their sizes (start-up).
class TextScrollArea final : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        const int h = fontMetrics().height();
        return {36 * h, 20 * h};
    }
};

} // namespace

namespace {

struct Section
{
    const char16_t *caption;
    const char16_t *control;
    const char16_t *column;
};

const std::array<Section, 8> &sections()
{
    static const std::array<Section, 8> list = {{
        {u"Wirkung", u"WirkgLabel", u"Wirkung"},
        {u"Aufnahme", u"AufnahmeLabel", u"Aufnahme"},
        {u"Mangelerscheinung", u"MangelLabel", u"Mangel"},
        {u"Überdosierung", u"UeberdosisLabel", u"Ueberdosis"},
        {u"Zubereitung", u"ZubereitgLabel", u"Zubereitung"},
        {u"Mehrbedarf", u"MehrbedarfLabel", u"Mehrbedarf"},
        {u"Tipp", u"TippLabel", u"Tipp"},
        {u"Check", u"CheckLabel", u"Check"},
    }};
    return list;
}

} // namespace

NutrientDetailsPage::NutrientDetailsPage(store::Tables &tables, QWidget *parent) : QWidget(parent), m_tables(tables)
{
    NSComboBox = new gui::SortedComboBox(this);
    NSComboBox->setObjectName(QStringLiteral("NSComboBox"));
    NSComboBox->setToolTip(QStringLiteral("Nährstoff auswählen"));
    QStringList entries;
    for (const Nutrient &n : nutrients())
        entries << n.shortName();
    NSComboBox->setSortedItems(entries);
    NSComboBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *comboLabel = new QLabel(QStringLiteral("&Nährstoff:"), this);
    comboLabel->setBuddy(NSComboBox);

    NSLabel2 = new QLabel(this);
    NSLabel2->setObjectName(QStringLiteral("NSLabel2"));
    NSLabel2->setTextFormat(Qt::PlainText);
    QFont title = NSLabel2->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.35);
    NSLabel2->setFont(title);
    NSLabel2->setWordWrap(true);

    auto *top = new QHBoxLayout;
    top->addWidget(comboLabel);
    top->addWidget(NSComboBox);
    top->addStretch();

    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("DetailsContent"));
    auto *cl = new QVBoxLayout(content);
    cl->setContentsMargins(10, 8, 10, 8);
    cl->setSpacing(2);
    for (int i = 0; i < 8; ++i) {
        const Section &s = sections()[i];
        auto *caption = new LinkLabel(QString::fromUtf16(s.caption), content);
        caption->setObjectName(
            QString::fromUtf16(s.control).replace(QStringLiteral("Label"), QStringLiteral("Caption")));
        caption->setHeadingStyle();
        caption->setToolTip(QStringLiteral("Nahrungsmittel nach „") + caption->text()
                            + QStringLiteral("“ durchsuchen"));
        auto *text = new QLabel(content);
        text->setObjectName(QString::fromUtf16(s.control));
        text->setTextFormat(Qt::PlainText);
        text->setWordWrap(true);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (i > 0)
            cl->addSpacing(8);
        cl->addWidget(caption, 0, Qt::AlignLeft);
        cl->addWidget(text);
        SectionCaptions[i] = caption;
        SectionTexts[i] = text;
        connect(caption, &LinkLabel::clicked, this, [this, caption] { Q_EMIT searchRequested(caption->text()); });
    }
    cl->addStretch();

    TextScroll = new TextScrollArea(this);
    TextScroll->setObjectName(QStringLiteral("DetailsScroll"));
    TextScroll->setWidgetResizable(true);
    TextScroll->setWidget(content);
    TextScroll->setBackgroundRole(QPalette::Base);
    content->setBackgroundRole(QPalette::Base);
    content->setAutoFillBackground(true);

    Label9 = new LinkLabel(QStringLiteral("Zu den besten 14 Nahrungsmittel, die diesen Nähr-/Wirkstoff liefern"), this);
    Label9->setObjectName(QStringLiteral("Label9"));
    BtnHelp3 = gui::helpButton(QStringLiteral("BtnHelp3"), 7, this);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(Label9);
    bottom->addStretch();
    bottom->addWidget(BtnHelp3);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(6);
    layout->addLayout(top);
    layout->addWidget(NSLabel2);
    layout->addWidget(TextScroll, 1);
    layout->addLayout(bottom);

    connect(NSComboBox, &gui::SortedComboBox::picked, this, [this] { gui::guarded([this] { NSComboBoxChange(); }); });
    connect(Label9, &LinkLabel::clicked, this, [this] {
        if (NSComboBox->currentIndex() >= 0)
            Q_EMIT bestListRequested(NSComboBox->currentIndex());
    });
}

QString NutrientDetailsPage::chosenColumn() const
{
    const int n = nutrientByShortCaption(NSComboBox->currentText());
    return n < 0 || NSComboBox->currentIndex() < 0 ? QString() : nutrients()[n].columnName();
}

bool NutrientDetailsPage::selectCaption(const QString &caption)
{
    const int i = NSComboBox->indexOfText(caption, Qt::CaseInsensitive);
    if (i < 0)
        return false;
    NSComboBox->selectSilently(i);
    return true;
}

bool NutrientDetailsPage::selectColumn(const QString &column)
{
    const int n = nutrientByColumn(column);
    return n >= 0 && selectCaption(nutrients()[n].shortName());
}

void NutrientDetailsPage::NSComboBoxChange()
{
    const QString column = chosenColumn();
    if (column.isEmpty())
        return;
    store::Table &ns = m_tables.NSTable;
    // The catalogue row of exactly this column; without it the page stays.
    if (!ns.locate(QStringLiteral("Kurzbezeichng"), column))
        return;
    NSLabel2->setText(QStringLiteral("Nährstoffinformationen - ") + ns.asString(QStringLiteral("Naehrstoff")));
    for (int i = 0; i < 8; ++i) {
        QString text = ns.asString(QString::fromUtf16(sections()[i].column));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        SectionTexts[i]->setText(text);
    }
    TextScroll->verticalScrollBar()->setValue(0);
}

} // namespace torval::info
