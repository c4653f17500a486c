#include <gtest/gtest.h>

#include "folder/FileNames.h"

namespace veskor {
namespace {

// ソ, 表 and 能 end in the byte 0x5C, which is no "\" inside them.
TEST(FileNamesTest, TheTrailByteOfSoHyouNouIsABackslashByte)
{
    for (const std::string text : {"ソ", "表", "能"}) {
        ASSERT_EQ(text.size(), 2u);
        EXPECT_EQ(text[1], '\\');
    }
}

struct PathCase {
    const char* path;
    const char* name;
    const char* extension;
    const char* folder;
    const char* body;
};

TEST(FileNamesTest, SplitsPathsIntoFolderNameExtensionAndBody)
{
    const PathCase cases[] = {
        {"C:\\tools\\a.b.txt", "a.b.txt", ".txt", "C:\\tools\\", "a.b"},
        {"a.lnk", "a.lnk", ".lnk", "", "a"},
        {"a.b.c", "a.b.c", ".c", "", "a.b"},
        {"name.", "name.", ".", "", "name"},
        {"C:\\d.x\\file", "file", "", "C:\\d.x\\", "file"},
        {"C:\\x\\.lnk", ".lnk", ".lnk", "C:\\x\\", ""},
        {"C:\\x\\", "", "", "C:\\x\\", ""},
        {"C:file.txt", "file.txt", ".txt", "C:", "file"},
        {"\\\\server\\share\\x.y", "x.y", ".y", "\\\\server\\share\\", "x"},
        {"", "", "", "", ""},
        {"C:\\ソ", "ソ", "", "C:\\", "ソ"},
        {"C:\\表\\能.exe", "能.exe", ".exe", "C:\\表\\", "能"},
        {"D:\\ソフト\\表計算.v1.xls", "表計算.v1.xls", ".xls", "D:\\ソフト\\", "表計算.v1"},
        {"C:\\能.d\\ソ", "ソ", "", "C:\\能.d\\", "ソ"},
        {"能\\", "", "", "能\\", ""},
        {"表", "表", "", "", "表"},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FileNameOf(c.path), c.name);
        EXPECT_EQ(ExtensionOf(c.path), c.extension);
        EXPECT_EQ(FolderOf(c.path), c.folder);
        EXPECT_EQ(ExtractFileBody(c.path), c.body);
    }
}

TEST(FileNamesTest, DirectoryOfKeepsOnlyADriveRootsBackslash)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\x.exe", "C:\\"},
        {"C:\\dir\\x.exe", "C:\\dir"},
        {"C:\\ソ\\x.exe", "C:\\ソ"},
        {"C:\\表", "C:\\"},
        {"C:x.exe", "C:"},
        {"x.exe", ""},
        {"\\x.exe", "\\"},
        {"\\\\srv\\share\\x.exe", "\\\\srv\\share"},
    };
    for (const auto& [path, directory] : cases)
        EXPECT_EQ(DirectoryOf(path), directory) << path;
}

TEST(FileNamesTest, EndsWithBackslashIgnoresTrailBytes)
{
    const std::pair<const char*, bool> cases[] = {
        {"C:\\work\\", true}, {"C:\\表\\", true}, {"\\", true},     {"C:\\ソ", false},
        {"C:\\能", false},    {"C:", false},      {"", false},       {"C:\\work", false},
    };
    for (const auto& [path, ends] : cases)
        EXPECT_EQ(EndsWithBackslash(path), ends) << path;
}

TEST(FileNamesTest, PlainFileNamesHaveNoFolderPart)
{
    const std::pair<const char*, bool> cases[] = {
        {"post", true},     {"ソ", true},     {"表能", true},      {"a;b", true},      {"..", true},
        {"a\\b", false},    {"a/b", false},   {"C:x", false},      {"..\\x", false},   {"ソ\\", false},
        {"\\ソ", false},    {"表/", false},
    };
    for (const auto& [name, plain] : cases)
        EXPECT_EQ(IsPlainFileName(name), plain) << name;
}

}  // namespace
}  // namespace veskor
