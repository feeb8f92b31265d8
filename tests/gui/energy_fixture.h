#pragma once

// A program directory with users and sports, the main window started on it,
// and a way to act in the modal dialogs the window opens.

#include "app/ZudorMainFrm.h"
#include "core/clock.h"
#include "core/textfile.h"
#include "store/tables.h"
#include "support/programtest.h"

#include <QApplication>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace torval::test {

struct TestUser
{
    QString name{};
    QString firstName{};
    QString weight = QStringLiteral("75");
    int sex = 0;
    int activity = 1;
    QString hours = QStringLiteral("7");
    QString group{};
    QString sportList{};
    double sportKcal = 0;
    bool sumKcal = false;
    QString password{};
};

class EnergyFixture : public ProgramTest
{
protected:
    // Writes into the data directory before the program starts.
    template<typename F>
    void withTables(F &&f)
    {
        store::Tables t(dir.dataDir());
        t.openAll();
        f(t);
        t.closeAll();
    }
    void addUsers(const QList<TestUser> &users)
    {
        withTables([&](store::Tables &t) {
            for (const TestUser &u : users) {
                store::Table &tab = t.UserTable;
                tab.append();
                tab.setString(QStringLiteral("Name"), u.name);
                tab.setString(QStringLiteral("Vorname"), u.firstName);
                tab.setString(QStringLiteral("Gewicht"), u.weight);
                tab.setInteger(QStringLiteral("Geschlecht"), u.sex);
                tab.setInteger(QStringLiteral("Taetigkeit"), u.activity);
                tab.setString(QStringLiteral("Stunden"), u.hours);
                tab.setString(QStringLiteral("BedarfGruppe"), u.group);
                tab.setString(QStringLiteral("SportStr"), u.sportList);
                tab.setFloat(QStringLiteral("SportkCal"), u.sportKcal);
                tab.setBoolean(QStringLiteral("SumkcalCheckBox"), u.sumKcal);
                tab.setString(QStringLiteral("Passwort"), u.password);
                tab.post();
            }
        });
    }
    // The fixture's activity table has Badminton and Gehen; more are added
    // behind them.
    void addSports(const QList<std::pair<QString, double>> &sports)
    {
        withTables([&](store::Tables &t) {
            store::Table sport(t.db(), QStringLiteral("SPORTFAKTOR.ADT"));
            sport.open();
            for (const auto &[name, factor] : sports) {
                sport.append();
                sport.setString(QStringLiteral("Bezeichnung"), name);
                sport.setFloat(QStringLiteral("Faktor"), factor);
                sport.post();
            }
        });
    }
    // Names the user that start-up makes current.
    void writeOptions(const QString &name, const QString &firstName)
    {
        writeLines(dir.file(QStringLiteral("ZudorOpt.cfg")),
                   {QString(), QString(), QString(), QString(), QString(), QString(), QString(), name, firstName});
    }
    std::unique_ptr<app::TZudorMainForm> start() { return newMainWindow(); }
};

} // namespace torval::test
