#pragma once

#include "numfmt.h"

#include <QObject>
#include <QString>

namespace torval {

// The values of a run that several pages share and no table holds: the
// current user's sport energy and sport list, the energy calculator's total
// and whether the day's analysis uses it. The main window owns one; pages
// get it, read it and set what is theirs.
class RunState final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RunState)

public:
    explicit RunState(QObject *parent = nullptr) : QObject(parent) {}

    // The extra daily energy from sport, kcal (four decimals).
    Fixed4 sportEnergy() const { return m_sportEnergy; }
    void setSportEnergy(Fixed4 kcal);
    // The sport activities in their stored form.
    const QString &sportList() const { return m_sportList; }
    void setSportList(const QString &list);
    // The energy calculator's rounded total, kcal; 0 when none.
    Fixed4 calculatorTotal() const { return m_calculatorTotal; }
    void setCalculatorTotal(Fixed4 kcal);
    // "Diese Summe für die Tagesanalyse nutzen".
    bool useCalculatorTotal() const { return m_useCalculatorTotal; }
    void setUseCalculatorTotal(bool use);

Q_SIGNALS:
    // One of the values changed.
    void changed();

private:
    Fixed4 m_sportEnergy;
    QString m_sportList;
    Fixed4 m_calculatorTotal;
    bool m_useCalculatorTotal = false;
};

} // namespace torval
