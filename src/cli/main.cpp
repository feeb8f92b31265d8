// torval-cli: the program's searches and computations from the command line.
#include "commands.h"

#include <QCoreApplication>
#include <QDir>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    const int rc =
        torval::cli::run(app.arguments().mid(1),
                         QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Data")), out, err);
    out.flush();
    err.flush();
    return rc;
}
