#pragma once

class QPushButton;
class QString;
class QWidget;

namespace torval::gui {

// Opens the help topics of the program by their numbers; every "F1 - Hilfe"
// button and the F1 key go through it, so tests can record the topics.
class Help
{
public:
    virtual ~Help() = default;
    virtual void showTopic(int topic) = 0;
};

// The help in use by the running program.
Help &help();
void setHelp(Help *h);

// A button "F1 - Hilfe" for the topic, with its control name; a click shows
// the topic.
QPushButton *helpButton(const QString &name, int topic, QWidget *parent);

// Makes F1 anywhere in the window press the button.
void pressOnF1(QWidget *window, QPushButton *button);

} // namespace torval::gui
