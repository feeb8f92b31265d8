#pragma once

#include <QWidget>

class QProgressBar;

namespace torval::app {

// The small "Bitte warten..." window shown around long operations.
class TAnimatForm final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAnimatForm)

public:
    explicit TAnimatForm(QWidget *parent = nullptr);

    // Shows the window and starts the animation.
    void start();
    // Stops the animation and closes the window if it is visible.
    void stop();

private:
    QProgressBar *m_bar;
};

} // namespace torval::app
