#pragma once

#include <QColor>
#include <QWidget>

namespace torval::info {

// A vertical bar without text that fills from the bottom, 0 to 100 per cent.
class BarGauge final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BarGauge)

public:
    explicit BarGauge(const QColor &fill, QWidget *parent = nullptr);

    int value() const { return m_value; }
    // Held within 0 and 100.
    void setValue(int percent);

    QSize sizeHint() const override { return {15, 50}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    int m_value = 0;
};

} // namespace torval::info
