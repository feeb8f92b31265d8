#include "dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace torval::gui {

QString Dialogs::errorText(const QString &text)
{
    QString t = text;
    if (!t.endsWith(u'.'))
        t += u'.';
    return t;
}

namespace {

QWidget *parentOr(QWidget *p)
{
    if (p)
        return p;
    if (QWidget *w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

} // namespace

void WidgetDialogs::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, parentOr(m_parent));
    box.exec();
}

void WidgetDialogs::showError(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, applicationTitle(), errorText(text), QMessageBox::Ok, parentOr(m_parent));
    box.exec();
}

Dialogs::Button WidgetDialogs::messageDlg(const QString &text, Type type, int buttons)
{
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (type) {
    case Type::Warning:
        caption = QStringLiteral("Warnung");
        icon = QMessageBox::Warning;
        break;
    case Type::Error:
        caption = QStringLiteral("Fehler");
        icon = QMessageBox::Critical;
        break;
    case Type::Information:
        caption = QStringLiteral("Information");
        icon = QMessageBox::Information;
        break;
    case Type::Confirmation:
        caption = QStringLiteral("Bestätigung");
        icon = QMessageBox::Question;
        break;
    }
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, parentOr(m_parent));
    QList<std::pair<QPushButton *, Button>> map;
    auto add = [&](Button b, const QString &label, QMessageBox::ButtonRole role) {
        if (buttons & b)
            map.append({box.addButton(label, role), b});
    };
    add(Yes, QStringLiteral("&Ja"), QMessageBox::YesRole);
    add(No, QStringLiteral("&Nein"), QMessageBox::NoRole);
    add(Ok, QStringLiteral("OK"), QMessageBox::AcceptRole);
    add(Cancel, QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    if (!map.isEmpty())
        box.setDefaultButton(map.first().first);
    box.exec();
    for (const auto &[button, b] : map)
        if (box.clickedButton() == button)
            return b;
    // Closed by the window's close box or Esc.
    return (buttons & Cancel) ? Cancel : (buttons & No) ? No : Ok;
}

std::optional<QString> WidgetDialogs::inputQuery(const QString &caption, const QString &prompt, const QString &value)
{
    QInputDialog dlg(parentOr(m_parent));
    dlg.setWindowTitle(caption);
    dlg.setLabelText(prompt);
    dlg.setTextValue(value);
    dlg.setOkButtonText(QStringLiteral("OK"));
    dlg.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return dlg.textValue();
}

QString WidgetDialogs::openFileName(const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getOpenFileName(parentOr(m_parent), caption, dir, filter);
}

QString WidgetDialogs::saveFileName(const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getSaveFileName(parentOr(m_parent), caption, dir, filter);
}

namespace {
Dialogs *&current()
{
    static Dialogs *d = nullptr;
    return d;
}
} // namespace

Dialogs &dialogs()
{
    if (!current()) {
        static WidgetDialogs fallback;
        current() = &fallback;
    }
    return *current();
}

void setDialogs(Dialogs *d)
{
    current() = d;
}

} // namespace torval::gui
