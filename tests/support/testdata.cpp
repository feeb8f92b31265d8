#include "testdata.h"
#include "store/databuilder.h"

#include <QDir>

namespace torval::test {

QString fixtureDir()
{
    return QStringLiteral(TORVAL_FIXTURE_DIR);
}

TempProgramDir::TempProgramDir(const QString &sourceDir)
{
    store::buildDataDirectory(sourceDir.isEmpty() ? fixtureDir() : sourceDir, dataDir());
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
