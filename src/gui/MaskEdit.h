#pragma once

#include <QLineEdit>

namespace torval::gui {

// A field of a few digit places, each optional. Its text is read as shown:
// unfilled places are blanks ("75 " in a field of three places), and a blank
// between two digits stays where it is.
class MaskEdit final : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MaskEdit)

public:
    explicit MaskEdit(int places, QWidget *parent = nullptr);

    // The text with its blanks.
    QString maskText() const { return displayText(); }
    void setMaskText(const QString &text) { setText(text); }

Q_SIGNALS:
    // Any change of the shown text, typed or set.
    void changed();
};

} // namespace torval::gui
