#include "SingleFoodView.h"
#include "store/table.h"

#include <QLabel>
#include <QVBoxLayout>

namespace torval::info {

SingleFoodView::SingleFoodView(QWidget *parent) : QWidget(parent)
{
    HeadingLabel = new QLabel(QStringLiteral("Nahrungsmittel"), this);
    HeadingLabel->setObjectName(QStringLiteral("HeadingLabel"));
    QFont f = HeadingLabel->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    HeadingLabel->setFont(f);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(HeadingLabel);
    layout->addStretch();
}

void SingleFoodView::showFood(const store::Table &foods)
{
    HeadingLabel->setText(foods.asString(QStringLiteral("Nahrungsmittel")) + QStringLiteral(" (100 g)"));
}

} // namespace torval::info
