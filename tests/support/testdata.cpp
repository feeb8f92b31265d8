#include "testdata.h"
#include "store/databuilder.h"

#include <QDir>
#include <QFile>

namespace torval::test {

QString fixtureDir()
{
    return QStringLiteral(TORVAL_FIXTURE_DIR);
}

TempProgramDir::TempProgramDir(const QString &sourceDir)
{
    store::buildDataDirectory(sourceDir.isEmpty() ? fixtureDir() : sourceDir, dataDir());
    // The report definitions as shipped.
    const QDir shipped(QStringLiteral(TORVAL_SHIPPED_FILES_DIR));
    for (const QString &f : shipped.entryList(QDir::Files))
        QFile::copy(shipped.filePath(f), QDir(dataDir()).filePath(f));
}

QString TempProgramDir::dataDir() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("Data"));
}

QString TempProgramDir::file(const QString &name) const
{
    return QDir(m_dir.path()).filePath(name);
}

} // namespace torval::test
