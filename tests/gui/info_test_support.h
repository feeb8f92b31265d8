#pragma once

// Shared by the tests of the information pages and the report engine: a
// fresh program directory with the shipped report definitions, the main
// window on it, and scripted boxes.

#include "app/ZudorMainFrm.h"
#include "gui/dialogs.h"
#include "report/PrintTable.h"
#include "store/tables.h"
#include "support/programtest.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace torval::test {

// A definition as shipped in data/files of the source tree.
inline QString shippedDefinition(const QString &name)
{
    return QDir(fixtureDir()).filePath(QStringLiteral("../../../data/files/") + name);
}

inline QStringList shippedDefinitionNames()
{
    return {QStringLiteral("Naehrstoff.frf"), QStringLiteral("Naehrmittel.frf"), QStringLiteral("Bestenliste.frf"),
            QStringLiteral("Rezepte.frf")};
}

class InfoPagesTest : public ProgramTest
{
protected:
    std::unique_ptr<app::TZudorMainForm> w;

    void TearDown() override
    {
        closePreviews();
        w.reset();
        ProgramTest::TearDown();
    }
    app::TZudorMainForm &start()
    {
        w = newMainWindow();
        return *w;
    }
    store::Tables &tables() { return *w->tables(); }
    QString currentPage() const { return w->currentPage()->objectName(); }
    // Rows of PRINT.ADT, Text1 ... Text5 each.
    QList<QStringList> printRows()
    {
        QList<QStringList> rows;
        store::Table &t = tables().PrintTable;
        for (bool ok = t.first(); ok && !t.eof(); ok = t.next()) {
            QStringList row;
            for (int i = 1; i <= 5; ++i)
                row << t.asString(QStringLiteral("Text") + QString::number(i));
            rows << row;
        }
        return rows;
    }
};

} // namespace torval::test
