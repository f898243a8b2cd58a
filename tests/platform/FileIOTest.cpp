// Whole files in and out, and the settings files by their bare names in the working directory.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Unit2/Failure.h"
#include "Unit2/SettingsText.h"
#include "platform/FileIO.h"
#include "platform/SettingsFiles.h"

namespace varno {
namespace {

class InWorkingDirectory : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(directory.isValid());
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(directory.path()));
    }
    void TearDown() override { QDir::setCurrent(previous); }
    QTemporaryDir directory;
    QString previous;
};

using FileIOTest = InWorkingDirectory;

TEST_F(FileIOTest, ReplaceThenRead_GivesTheSameBytes) {
    const std::string bytes("line\r\n\0\xFF end", 12);
    ReplaceFile(QStringLiteral("a.dat"), bytes);
    EXPECT_EQ(ReadFileBytes(QStringLiteral("a.dat")), bytes);
    ReplaceFile(QStringLiteral("a.dat"), "short");
    EXPECT_EQ(ReadFileBytes(QStringLiteral("a.dat")), "short");
}

TEST_F(FileIOTest, MissingFile_ReadsAsNothing) {
    EXPECT_EQ(ReadFileBytes(QStringLiteral("missing.dat")), std::nullopt);
    EXPECT_EQ(ReadFileBytes(QStringLiteral(".")), std::nullopt);  // a directory
}

TEST_F(FileIOTest, MissingDirectory_FailsWithTheFileName) {
    const QString path = directory.filePath(QStringLiteral("no/such/dir/out.dat"));
    try {
        ReplaceFile(path, "x");
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(std::string(failure.what()), "Cannot create file " + path.toStdString());
    }
}

TEST_F(FileIOTest, FailedReplace_LeavesNoTemporaryFileBehind) {
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("taken")));
    EXPECT_THROW(ReplaceFile(QStringLiteral("taken"), "x"), Failure);
    EXPECT_EQ(QDir().entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("taken")});
}

using SettingsFilesTest = InWorkingDirectory;

TEST_F(SettingsFilesTest, NoFiles_DefaultsAndNoDirectories) {
    EXPECT_EQ(ReadSettingsFile(), DefaultSettings());
    EXPECT_EQ(ReadDirectoryFile(), std::nullopt);
}

TEST_F(SettingsFilesTest, WrittenSettings_ReadBackFromTheWorkingDirectory) {
    Settings settings;
    settings.XSize = 321;
    settings.Corners[BottomLeft].Text = "\xC5ngstr\xF6m";
    WriteSettingsFile(settings);
    EXPECT_TRUE(QFile::exists(QStringLiteral("VarnoCreatorSettings_v10.dat")));
    EXPECT_EQ(ReadSettingsFile(), settings);
}

TEST_F(SettingsFilesTest, DirectoryFile_WrittenOnlyWhenBothDirectoriesAreKnown) {
    WriteDirectoryFile({"/in/", ""});
    EXPECT_EQ(ReadDirectoryFile(), std::nullopt);
    WriteDirectoryFile({"/in/", "/out/"});
    EXPECT_EQ(ReadDirectoryFile(), (Directories{"/in/", "/out/"}));
    WriteDirectoryFile({"", "/elsewhere/"});  // keeps the former file
    EXPECT_EQ(ReadDirectoryFile(), (Directories{"/in/", "/out/"}));
}

TEST_F(SettingsFilesTest, UnwritableFiles_SkippedWithoutAFailure) {
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("VarnoCreatorSettings_v10.dat")));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("VarnoCreatorDir_v10.dat")));
    EXPECT_NO_THROW(WriteSettingsFile(DefaultSettings()));
    EXPECT_NO_THROW(WriteDirectoryFile({"/in/", "/out/"}));
    EXPECT_EQ(ReadSettingsFile(), DefaultSettings());
}

}  // namespace
}  // namespace varno
