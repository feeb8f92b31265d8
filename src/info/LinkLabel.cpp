#include "LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace torval::info {

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
    setPalette(pal);
}

void LinkLabel::setHeadingStyle()
{
    // Still underlined: a heading that is a link looks like one.
    QFont f = font();
    f.setBold(true);
    setFont(f);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        Q_EMIT clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter p(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = contentsRect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

} // namespace torval::info
