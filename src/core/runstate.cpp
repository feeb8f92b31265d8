#include "runstate.h"

namespace torval {

namespace {

template<typename T>
bool assign(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

void RunState::setSportEnergy(Fixed4 kcal)
{
    if (assign(m_sportEnergy, kcal))
        Q_EMIT changed();
}

void RunState::setSportList(const QString &list)
{
    if (assign(m_sportList, list))
        Q_EMIT changed();
}

void RunState::setCalculatorTotal(Fixed4 kcal)
{
    if (assign(m_calculatorTotal, kcal))
        Q_EMIT changed();
}

void RunState::setUseCalculatorTotal(bool use)
{
    if (assign(m_useCalculatorTotal, use))
        Q_EMIT changed();
}

} // namespace torval
