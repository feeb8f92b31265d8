#include "animatFrm.h"

#include <QApplication>
#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace torval::app {

TAnimatForm::TAnimatForm(QWidget *parent) : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("animatForm"));
    setWindowTitle(QStringLiteral("Bitte warten..."));
    m_bar = new QProgressBar(this);
    m_bar->setTextVisible(false);
    m_bar->setAccessibleName(QStringLiteral("Bitte warten"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    setFixedSize(125, 50);
}

void TAnimatForm::start()
{
    m_bar->setRange(0, 0); // busy indicator, runs by itself
    if (const QScreen *s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
    show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TAnimatForm::stop()
{
    m_bar->setRange(0, 1);
    if (isVisible())
        close();
}

} // namespace torval::app
