#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

namespace torval {

// The one error type that crosses layer boundaries. Handlers catch it and show
// its text in the standard error box.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
};

// A text that should be a number and is not.
class ConversionError : public Error
{
public:
    using Error::Error;
};

} // namespace torval
