#pragma once

#include <QLabel>

namespace torval::info {

// A caption that acts as a link: navy and underlined, hand pointer, reachable
// with the Tab key; a click, Enter or the space bar emits clicked().
class LinkLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LinkLabel)

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

    // Underlined navy, a link; as a heading also bold.
    void setHeadingStyle();

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace torval::info
