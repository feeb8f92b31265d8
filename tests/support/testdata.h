#pragma once

#include <QString>
#include <QTemporaryDir>

namespace torval::test {

// A fresh program directory with Data/ built from the small test fixture
// (or another source directory), with the shipped report definitions.
class TempProgramDir
{
public:
    explicit TempProgramDir(const QString &sourceDir = QString());
    QString path() const { return m_dir.path(); }
    QString dataDir() const;
    QString file(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

QString fixtureDir();

} // namespace torval::test
