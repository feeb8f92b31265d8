#include "core/error.h"
#include "core/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace torval;

namespace {
QByteArray readBytes(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
} // namespace

TEST(Windows1252, EncodesGermanTextAndTypography)
{
    EXPECT_EQ(encodeWindows1252(QStringLiteral("Äöüß€–„“")), QByteArray("\xC4\xF6\xFC\xDF\x80\x96\x84\x93"));
    EXPECT_EQ(decodeWindows1252(QByteArray("\xC4\xF6\xFC\xDF\x80\x96\x84\x93")), QStringLiteral("Äöüß€–„“"));
    EXPECT_EQ(encodeWindows1252(QStringLiteral("µg")), QByteArray("\xB5g"));
}

TEST(Windows1252, CharacterOutsideTheCodePageBecomesQuestionMark)
{
    // β, a CJK character and an emoji (a surrogate pair) each become one '?'.
    EXPECT_EQ(encodeWindows1252(QStringLiteral("β-Carotin 水 ") + QString::fromUcs4(U"\U0001F34E")),
              QByteArray("?-Carotin ? ?"));
}

TEST(TextFile, WritesWindows1252WithCrLfAndReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    writeLines(path, {QStringLiteral("Frauen 19-24"), QStringLiteral("75 "), QString(), QStringLiteral("Müller")});
    EXPECT_EQ(readBytes(path), QByteArray("Frauen 19-24\r\n75 \r\n\r\nM\xFCller\r\n"));
    EXPECT_EQ(readLines(path), (QStringList{QStringLiteral("Frauen 19-24"), QStringLiteral("75 "), QString(),
                                            QStringLiteral("Müller")}));

    writeTextFile(path, QStringLiteral("a\nb\r\nc"));
    EXPECT_EQ(readBytes(path), QByteArray("a\r\nb\r\nc"));
}

TEST(TextFile, FailedWriteLeavesTheOldFileAndSaysSo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/a.txt"));
    EXPECT_THROW(writeTextFile(path, QStringLiteral("x")), Error);

    const QString good = dir.filePath(QStringLiteral("b.txt"));
    writeTextFile(good, QStringLiteral("old"));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(dir.path()).isWritable()) // running as root: permissions do not bind
        GTEST_SKIP() << "directory permissions are not enforced for this user";
    EXPECT_THROW(writeTextFile(good, QStringLiteral("new")), Error);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(readBytes(good), QByteArray("old"));
}

TEST(TextFile, MissingFileGivesGermanMessage)
{
    try {
        readLines(QStringLiteral("/nonexistent/x.txt"));
        FAIL();
    } catch (const Error &e) {
        EXPECT_TRUE(e.message().endsWith(QStringLiteral("kann nicht geöffnet werden")));
    }
}

TEST(Utf8OrWindows1252, ByteOrderMarkNeverReachesTheText)
{
    struct Case
    {
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {QByteArray("\xEF\xBB\xBF"
                    "Brot;50"),
         QStringLiteral("Brot;50")},
        {QByteArray("Br\xC3\xB6tchen;50"), QStringLiteral("Brötchen;50")},
        // Not valid UTF-8 (a lone \xFC): the whole file is Windows-1252, and
        // the mark of the would-be UTF-8 file is dropped all the same.
        {QByteArray("\xEF\xBB\xBF"
                    "M\xFCsli;40"),
         QStringLiteral("Müsli;40")},
        {QByteArray("M\xFCsli;40"), QStringLiteral("Müsli;40")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(decodeUtf8OrWindows1252(c.bytes), c.text) << c.bytes.toHex().toStdString();
}
