#include "platform/program_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramFolder, EnvironmentOverridesAndLookupIgnoresCase) {
    QTemporaryDir dir;
    qputenv("QUENDARO_DIR", dir.path().toLocal8Bit());
    EXPECT_EQ(programfolder::path(), QDir::cleanPath(dir.path()));
    QDir(dir.path()).mkpath(QStringLiteral("ImgPRO/Sub"));
    QFile f(dir.filePath(QStringLiteral("ImgPRO/Sub/Foto.JPG")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(programfolder::file(QStringLiteral("imgpro/sub/foto.jpg")),
              dir.filePath(QStringLiteral("ImgPRO/Sub/Foto.JPG")));
    EXPECT_TRUE(programfolder::exists(QStringLiteral("IMGPRO")));
    // What does not exist keeps the found part and the rest as given.
    EXPECT_EQ(programfolder::file(QStringLiteral("imgpro\\nova\\x.txt")),
              dir.filePath(QStringLiteral("ImgPRO/nova/x.txt")));
    EXPECT_FALSE(programfolder::exists(QStringLiteral("temp")));
    qunsetenv("QUENDARO_DIR");
}
