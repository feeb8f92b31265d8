// Builds the data directory beside the program from the shipped sources.
#include "core/error.h"
#include "databuilder.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "Aufruf: torval-datagen QUELLVERZEICHNIS DATENVERZEICHNIS\n";
        return 2;
    }
    try {
        torval::store::buildDataDirectory(args.at(1), args.at(2));
    } catch (const torval::Error &e) {
        QTextStream(stderr) << e.message() << '\n';
        return 1;
    }
    return 0;
}
