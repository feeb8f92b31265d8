// Runs a fuzz target once for every file of the folders given, so that
// every input a fuzzing run ever kept stays a regression test of the normal
// build.
#include "fuzz.h"

#include <QByteArray>
#include <QDirIterator>
#include <QFile>
#include <QTextStream>

int main(int argc, char **argv)
{
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        QDirIterator it(QString::fromLocal8Bit(argv[i]), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            if (!f.open(QIODevice::ReadOnly))
                return 2;
            const QByteArray bytes = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
            ++files;
        }
    }
    QTextStream(stdout) << files << " Eingaben nachgespielt\n";
    return files > 0 ? 0 : 1;
}
