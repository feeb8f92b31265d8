#pragma once

#include <QStringList>
#include <QTextStream>

namespace torval::cli {

// Runs one command line (without the program name). Output goes to out,
// German error messages to err; returns the exit code.
int run(const QStringList &args, const QString &defaultDataDir, QTextStream &out, QTextStream &err);

} // namespace torval::cli
