#include "core/options.h"
#include "core/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace torval;

TEST(OptionsFile, WritesNineLinesInOrder)
{
    OptionsFile o;
    o.group = QStringLiteral("Frauen 19-24");
    o.weightText = QStringLiteral("75 ");
    o.sexIndex = 1;
    o.activityIndex = 2;
    o.hoursText = QStringLiteral("8 ");
    o.sumKcal = true;
    o.carried = QStringLiteral("irgendwas");
    o.name = QStringLiteral("Meier");
    o.firstName = QStringLiteral("Anna");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZudorOpt.cfg"));
    o.write(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(),
              QByteArray("Frauen 19-24\r\n75 \r\n1\r\n2\r\n8 \r\nSumkcalCheckBox\r\nirgendwas\r\nMeier\r\nAnna\r\n"));
    o.sumKcal = false;
    EXPECT_EQ(o.toLines().at(5), QStringLiteral("not checked"));
}

TEST(OptionsFile, ShortFilesReadMissingLinesAsEmpty)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ZudorOpt.cfg"));
    EXPECT_FALSE(readStartOptions(path).exists);

    struct Case
    {
        int lines;
        const char *carried;
        const char *name;
        const char *first;
    };
    const QStringList all = {QStringLiteral("1"),      QStringLiteral("2"),     QStringLiteral("3"),
                             QStringLiteral("4"),      QStringLiteral("5"),     QStringLiteral("6"),
                             QStringLiteral("sieben"), QStringLiteral("Meier"), QStringLiteral("Anna")};
    for (const Case c : {Case{9, "sieben", "Meier", "Anna"}, Case{8, "sieben", "Meier", ""}, Case{7, "sieben", "", ""},
                         Case{6, "", "", ""}, Case{0, "", "", ""}}) {
        writeLines(path, all.mid(0, c.lines));
        const StartOptions s = readStartOptions(path);
        EXPECT_TRUE(s.exists);
        EXPECT_EQ(s.carried, QString::fromUtf8(c.carried)) << c.lines;
        EXPECT_EQ(s.name, QString::fromUtf8(c.name)) << c.lines;
        EXPECT_EQ(s.firstName, QString::fromUtf8(c.first)) << c.lines;
    }
}
