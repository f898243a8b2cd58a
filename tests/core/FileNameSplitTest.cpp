// The split of a chosen file's full name into directory and file name, for both dialogs.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "Unit2/FileNameSplit.h"

namespace varno {
namespace {

struct SplitCase {
    std::string fullName;
    std::string directory;
    std::string fileName;

    friend void PrintTo(const SplitCase& c, std::ostream* out) { *out << "'" << c.fullName << "'"; }
};

class FileNameSplitTest : public testing::TestWithParam<SplitCase> {};

TEST_P(FileNameSplitTest, DirectoryRunsThroughTheLastSlash) {
    const auto& [fullName, directory, fileName] = GetParam();
    const SplitName expected{directory, fileName};
    EXPECT_EQ(SplitOpenFileName(fullName), expected) << "open dialog gave '" << fullName << "'";
    EXPECT_EQ(SplitSaveFileName(fullName), expected) << "save dialog gave '" << fullName << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Table, FileNameSplitTest,
    testing::Values(SplitCase{"/home/sun/2002/disk.bmp", "/home/sun/2002/", "disk.bmp"},
                    SplitCase{"disk.bmp", "", "disk.bmp"}, SplitCase{"/disk.bmp", "/", "disk.bmp"},
                    SplitCase{"/home/sun/", "/home/sun/", ""}, SplitCase{"", "", ""},
                    SplitCase{"a//b.bmp", "a//", "b.bmp"},
                    SplitCase{"/Sonne \xB1/d\xE9j\xE0.bmp", "/Sonne \xB1/", "d\xE9j\xE0.bmp"},
                    // A backslash is an ordinary character of a name on this platform.
                    SplitCase{"C:\\Sun\\2002\\disk.bmp", "", "C:\\Sun\\2002\\disk.bmp"}));

}  // namespace
}  // namespace varno
