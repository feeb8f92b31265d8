#include "help.h"
#include "dialogs.h"
#include "handler.h"
#include "widgets.h"

#include <QPushButton>
#include <QShortcut>

namespace torval::gui {

namespace {

// Until the help topics come with the program, a topic says so.
class NoHelp final : public Help
{
public:
    void showTopic(int) override
    {
        dialogs().showMessage(QStringLiteral("Die Hilfe ist in dieser Version noch nicht enthalten."));
    }
};

Help *&current()
{
    static Help *h = nullptr;
    return h;
}

} // namespace

Help &help()
{
    if (!current()) {
        static NoHelp fallback;
        current() = &fallback;
    }
    return *current();
}

void setHelp(Help *h)
{
    current() = h;
}

QPushButton *helpButton(const QString &name, int topic, QWidget *parent)
{
    QPushButton *b = namedButton(name, QStringLiteral("F1 - Hilfe"), QString(), parent);
    b->setProperty("helpTopic", topic);
    onClick(b, [topic] { help().showTopic(topic); });
    return b;
}

void pressOnF1(QWidget *window, QPushButton *button)
{
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, button, &QPushButton::click);
}

} // namespace torval::gui
