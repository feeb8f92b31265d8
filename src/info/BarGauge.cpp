#include "BarGauge.h"

#include <QPainter>

namespace torval::info {

BarGauge::BarGauge(const QColor &fill, QWidget *parent) : QWidget(parent), m_fill(fill)
{
    setFixedSize(15, 50);
    setAccessibleDescription(QStringLiteral("0 %"));
}

void BarGauge::setValue(int percent)
{
    const int v = qBound(0, percent, 100);
    if (v == m_value)
        return;
    m_value = v;
    setAccessibleDescription(QString::number(v) + QStringLiteral(" %"));
    update();
}

void BarGauge::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    p.fillRect(rect(), palette().color(QPalette::Base));
    const int inner = frame.height() - 1;
    const int filled = (inner * m_value + 50) / 100;
    if (filled > 0)
        p.fillRect(QRect(1, frame.bottom() - filled + 1, frame.width() - 1, filled), m_fill);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(frame);
}

} // namespace torval::info
