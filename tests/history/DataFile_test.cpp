#include "history/DataFile.h"

#include <gtest/gtest.h>

#include "text/Error.h"

namespace veskor {
namespace {

std::string Bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out.push_back(static_cast<char>(v));
    return out;
}

TEST(DataFileTest, WritesAndReadsTheDocumentedBytes)
{
    const std::string twoEntries = Bytes({0x04, 0, 0, 0, 'C', ':', '\\', 'L', 0x02, 0, 0, 0, 0x04, 0, 0, 0, 'm', 'a',
                                          'i', 'l', 0x04, 0, 0, 0, 'a', ';', 'b', ';'});
    EXPECT_EQ(SerializeDataFile("C:\\L", {"mail", "a;b;"}), twoEntries);
    const DataFileContent read = ParseDataFile(twoEntries, "veskor.dat");
    EXPECT_EQ(read.folder, "C:\\L");
    EXPECT_EQ(read.entries, (std::vector<std::string>{"mail", "a;b;"}));

    const std::string firstRun = Bytes({0x04, 0, 0, 0, 'C', ':', '\\', 'L', 0, 0, 0, 0});
    EXPECT_EQ(SerializeDataFile("C:\\L", {}), firstRun);
    EXPECT_TRUE(ParseDataFile(firstRun, "veskor.dat").entries.empty());
}

TEST(DataFileTest, RoundTripKeepsDuplicatesEmptyEntriesAndDoubleByteText)
{
    // 表, ソ and 能 end in the byte of "\", which must stay part of their character.
    const std::vector<std::string> entries = {"表計算", "", "ソフト;能力;", "mail", "Mail", "mail", ""};
    ASSERT_EQ(std::string("表ソ能"), "\x95\x5c\x83\x5c\x94\x5c");
    const DataFileContent read = ParseDataFile(SerializeDataFile("D:\\データ", entries), "x");
    EXPECT_EQ(read.folder, "D:\\データ");
    EXPECT_EQ(read.entries, entries);
    EXPECT_EQ(ParseDataFile(SerializeDataFile("", {}), "x").folder, "");
    EXPECT_EQ(SerializeDataFile("表計算", {}), Bytes({6, 0, 0, 0}) + "表計算" + Bytes({0, 0, 0, 0}));
}

TEST(DataFileTest, ANegativeCountWithNothingAfterItIsAnEmptyHistory)
{
    EXPECT_TRUE(ParseDataFile(Bytes({1, 0, 0, 0, 'C', 0xff, 0xff, 0xff, 0xff}), "x").entries.empty());
}

// Damage must never crash, read past the end or reserve memory for a count the file cannot hold.
TEST(DataFileTest, EveryKindOfDamageIsRefusedWithTheFileNamed)
{
    const std::string good = SerializeDataFile("C:\\L", {"mail", "web"});
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"an empty file", ""},
        {"ends inside the folder length", Bytes({4, 0})},
        {"a folder length past the end", Bytes({9, 0, 0, 0, 'C', ':'})},
        {"a negative folder length", Bytes({0xfe, 0xff, 0xff, 0xff, 0, 0, 0, 0})},
        {"ends before the count", Bytes({1, 0, 0, 0, 'C'})},
        {"ends inside the count", Bytes({1, 0, 0, 0, 'C', 1, 0})},
        {"ends inside an entry length", Bytes({0, 0, 0, 0, 1, 0, 0, 0, 3, 0})},
        {"an entry length past the end", Bytes({0, 0, 0, 0, 1, 0, 0, 0, 9, 0, 0, 0, 'a', 'b'})},
        {"ends inside an entry", good.substr(0, good.size() - 1)},
        {"ends before an entry", good.substr(0, good.size() - 7)},
        {"a negative entry length", Bytes({0, 0, 0, 0, 1, 0, 0, 0, 0xff, 0xff, 0xff, 0xff})},
        {"an absurd count", Bytes({0, 0, 0, 0, 0xff, 0xff, 0xff, 0x7f, 0, 0, 0, 0})},
        {"bytes after the last entry", good + "x"},
        {"a negative count followed by entries", Bytes({0, 0, 0, 0, 0xff, 0xff, 0xff, 0xff, 0, 0, 0, 0})},
    };
    for (const auto& c : cases) {
        try {
            ParseDataFile(c.bytes, "C:\\w\\veskor.dat");
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "ファイル \"C:\\w\\veskor.dat\" は壊れているため読み込めません") << c.what;
        }
    }
}

}  // namespace
}  // namespace veskor
