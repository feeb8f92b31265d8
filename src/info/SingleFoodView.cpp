#include "SingleFoodView.h"
#include "BarGauge.h"
#include "LinkLabel.h"
#include "core/error.h"
#include "gui/dialogs.h"
#include "store/foodlookup.h"
#include "store/table.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QVBoxLayout>

namespace torval::info {

namespace {

const QColor kGaugeGrey(128, 128, 128);

} // namespace

SingleFoodView::SingleFoodView(QWidget *parent) : QWidget(parent)
{
    HeadingLabel = new QLabel(noFoodHeading(), this);
    HeadingLabel->setObjectName(QStringLiteral("HeadingLabel"));
    HeadingLabel->setTextFormat(Qt::PlainText);
    QFont f = HeadingLabel->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.25);
    HeadingLabel->setFont(f);
    HeadingLabel->setWordWrap(true);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    const auto &list = nutrients();
    for (int i = 0; i < kNutrientCount; ++i) {
        const Nutrient &n = list[i];
        const QString column = n.columnName();
        auto *cell = new QFrame(this);
        cell->setObjectName(QStringLiteral("Cell_") + column);
        cell->setFrameShape(QFrame::StyledPanel);
        cell->setFrameShadow(QFrame::Plain);
        cell->setAutoFillBackground(true);
        cell->setBackgroundRole(QPalette::Base);

        auto *caption = new LinkLabel(n.shortName(), cell);
        caption->setObjectName(QStringLiteral("Caption_") + column);
        caption->setToolTip(QStringLiteral("Nährstoffinformationen zu ") + n.fullName());
        auto *value = new QLabel(cell);
        value->setObjectName(QStringLiteral("Value_") + column);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto *unit = new QLabel(n.unitName(), cell);
        unit->setObjectName(QStringLiteral("Unit_") + column);
        auto *gauge = new BarGauge(kGaugeGrey, cell);
        gauge->setObjectName(QStringLiteral("Gauge_") + column);
        gauge->setAccessibleName(n.fullName());
        gauge->setToolTip(QStringLiteral("Skalenendwert ") + QString::number(n.fullScale) + u' ' + n.unitName());

        auto *cl = new QGridLayout(cell);
        cl->setContentsMargins(5, 3, 5, 3);
        cl->setHorizontalSpacing(4);
        cl->setVerticalSpacing(1);
        cl->addWidget(caption, 0, 0, 1, 2);
        cl->addWidget(value, 1, 0);
        cl->addWidget(unit, 1, 1);
        if (i == 0) {
            KJValueLabel = new QLabel(cell);
            KJValueLabel->setObjectName(QStringLiteral("KJValueLabel"));
            KJValueLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            KJUnitLabel = new QLabel(QStringLiteral("kJ"), cell);
            KJUnitLabel->setObjectName(QStringLiteral("KJUnitLabel"));
            cl->addWidget(KJValueLabel, 2, 0);
            cl->addWidget(KJUnitLabel, 2, 1);
        }
        cl->setRowStretch(3, 1);
        cl->setColumnStretch(0, 1);
        cl->setColumnMinimumWidth(1, unit->fontMetrics().horizontalAdvance(QStringLiteral("kcal")));
        cl->addWidget(gauge, 0, 2, 4, 1, Qt::AlignTop | Qt::AlignRight);

        Captions[i] = caption;
        Values[i] = value;
        Units[i] = unit;
        Gauges[i] = gauge;
        grid->addWidget(cell, i / 4, i % 4);
        connect(caption, &LinkLabel::clicked, this, [this, caption] { Q_EMIT captionClicked(caption->text()); });
    }
    for (int c = 0; c < 4; ++c)
        grid->setColumnStretch(c, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(HeadingLabel);
    layout->addLayout(grid);
    layout->addStretch();

    FoodValues none;
    none.fill(0.0);
    SingleFoodDisplay empty = singleFoodDisplay(QString(), none);
    empty.heading = noFoodHeading();
    for (NutrientCell &c : empty.cells)
        c.valueText.clear();
    empty.kilojouleText.clear();
    showDisplay(empty);
}

void SingleFoodView::showFood(const store::Table &foods)
{
    showDisplay(singleFoodDisplay(foods.asString(QStringLiteral("Nahrungsmittel")), store::foodValues(foods)));
}

void SingleFoodView::showDisplay(const SingleFoodDisplay &d)
{
    HeadingLabel->setText(d.heading);
    const auto &list = nutrients();
    for (int i = 0; i < kNutrientCount; ++i) {
        const NutrientCell &c = d.cells[i];
        Values[i]->setText(c.valueText);
        Values[i]->setToolTip(c.known ? QString() : QStringLiteral("Für dieses Nahrungsmittel ist kein Wert bekannt."));
        Units[i]->setText(c.known ? list[i].unitName() : QString());
        Gauges[i]->setValue(c.bar);
    }
    KJValueLabel->setText(d.kilojouleText);
    KJUnitLabel->setText(d.cells[0].known ? QStringLiteral("kJ") : QString());
}

void printWindowImage(QWidget *window, QPrinter &printer)
{
    const QPixmap image = window->grab();
    QPainter painter(&printer);
    if (!painter.isActive())
        throw Error(QStringLiteral("Die Ansicht kann nicht gedruckt werden: der Drucker ist nicht bereit."));
    // Screen pixels to printer pixels by the two resolutions.
    const double sx = double(printer.logicalDpiX()) / window->logicalDpiX();
    const double sy = double(printer.logicalDpiY()) / window->logicalDpiY();
    painter.drawPixmap(QRectF(0, 0, window->width() * sx, window->height() * sy), image, QRectF(image.rect()));
}

void SpeedButton5Click(QWidget *window)
{
    if (QPrinterInfo::defaultPrinter().isNull()) {
        gui::dialogs().showMessage(
            QStringLiteral("Es ist kein Drucker eingerichtet; die Ansicht kann nicht gedruckt werden."));
        return;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("TORVAL Ernährungsberater"));
    printWindowImage(window, printer);
}

} // namespace torval::info
