#pragma once

#include "cli/commands.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace torval::test {

// What one run of torval-cli gave.
struct CliResult
{
    int rc;
    QString out;
    QString err;
};

// Runs torval-cli's commands in the test's process.
inline CliResult runCli(const QStringList &args, const QString &dataDir)
{
    QString out;
    QString err;
    QTextStream o(&out);
    QTextStream e(&err);
    const int rc = cli::run(args, dataDir, o, e);
    o.flush();
    e.flush();
    return {rc, out, err};
}

} // namespace torval::test
