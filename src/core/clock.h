#pragma once

#include <QDate>
#include <functional>

namespace torval {

// "Today" for everything that stamps or computes dates; tests replace it.
class Clock
{
public:
    static QDate today() { return source() ? source()() : QDate::currentDate(); }
    static void setSource(std::function<QDate()> f) { source() = std::move(f); }
    static void reset() { source() = nullptr; }

private:
    static std::function<QDate()> &source()
    {
        static std::function<QDate()> f;
        return f;
    }
};

} // namespace torval
