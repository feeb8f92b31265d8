#include "MaskEdit.h"

#include <QFontMetrics>

namespace torval::gui {

MaskEdit::MaskEdit(int places, QWidget *parent) : QLineEdit(parent)
{
    setInputMask(QString(places, u'0') + QStringLiteral("; "));
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const QFontMetrics fm(font());
    setFixedWidth(fm.horizontalAdvance(QString(places + 1, u'0')) + 16);
    connect(this, &QLineEdit::textChanged, this, [this] { Q_EMIT changed(); });
}

} // namespace torval::gui
