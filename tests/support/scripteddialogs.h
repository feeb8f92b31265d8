#pragma once

#include "gui/dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>

namespace torval::test {

// Answers every box by script and records what was shown.
class ScriptedDialogs final : public gui::Dialogs
{
public:
    struct Shown
    {
        QString kind; // "message", "error", "dlg", "input", "open", "save"
        QString text;
        Type type = Type::Information;
        int buttons = 0;
    };

    QList<Shown> shown;
    QQueue<Button> buttonAnswers;          // for messageDlg; default: first offered of Yes, Ok
    QQueue<std::optional<QString>> inputs; // for inputQuery; default: cancelled
    QQueue<QString> fileNames;             // for file dialogs; default: cancelled

    void showMessage(const QString &text) override { shown.append({QStringLiteral("message"), text}); }
    void showError(const QString &text) override { shown.append({QStringLiteral("error"), errorText(text)}); }
    Button messageDlg(const QString &text, Type type, int buttons) override
    {
        shown.append({QStringLiteral("dlg"), text, type, buttons});
        if (!buttonAnswers.isEmpty())
            return buttonAnswers.dequeue();
        return (buttons & Yes) ? Yes : Ok;
    }
    std::optional<QString> inputQuery(const QString &, const QString &prompt, const QString &) override
    {
        shown.append({QStringLiteral("input"), prompt});
        return inputs.isEmpty() ? std::nullopt : inputs.dequeue();
    }
    QString openFileName(const QString &caption, const QString &, const QString &) override
    {
        shown.append({QStringLiteral("open"), caption});
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    QString saveFileName(const QString &caption, const QString &, const QString &) override
    {
        shown.append({QStringLiteral("save"), caption});
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }

    QStringList texts(const QString &kind) const
    {
        QStringList out;
        for (const Shown &s : shown)
            if (s.kind == kind)
                out << s.text;
        return out;
    }
};

} // namespace torval::test
