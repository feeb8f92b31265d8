#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace torval::gui {

// Every message box, question, input box and file dialog of the program goes
// through this interface, so tests can answer them by script.
class Dialogs
{
public:
    enum class Type { Warning, Error, Information, Confirmation };
    enum Button { Yes = 0x1, No = 0x2, Ok = 0x4, Cancel = 0x8 };

    virtual ~Dialogs() = default;

    // Plain message: application title, one "OK".
    virtual void showMessage(const QString &text) = 0;
    // The standard error box: text (full stop added), application title,
    // error icon, "OK".
    virtual void showError(const QString &text) = 0;
    // Typed box with the caption of its type and the given buttons
    // (a combination of Button); returns the button pressed.
    virtual Button messageDlg(const QString &text, Type type, int buttons) = 0;
    // Input box; nullopt when cancelled.
    virtual std::optional<QString> inputQuery(const QString &caption, const QString &prompt, const QString &value) = 0;
    // File dialogs; empty when cancelled.
    virtual QString openFileName(const QString &caption, const QString &dir, const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &dir, const QString &filter) = 0;

    // The text shown in the standard error box for an error text.
    static QString errorText(const QString &text);
    static QString applicationTitle() { return QStringLiteral("TORVAL Ernährungsberater"); }
};

// The real boxes.
class WidgetDialogs final : public Dialogs
{
public:
    explicit WidgetDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    void showMessage(const QString &text) override;
    void showError(const QString &text) override;
    Button messageDlg(const QString &text, Type type, int buttons) override;
    std::optional<QString> inputQuery(const QString &caption, const QString &prompt, const QString &value) override;
    QString openFileName(const QString &caption, const QString &dir, const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &dir, const QString &filter) override;

private:
    QWidget *m_parent;
};

// The dialogs in use by the running program.
Dialogs &dialogs();
void setDialogs(Dialogs *d);

} // namespace torval::gui
