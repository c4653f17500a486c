#include "WinTest.h"
#include "win32/Utf16.h"

namespace veskor::wintest {
namespace {

class Utf16Test : public WinTest {};

// The program's own text goes through 932 both ways; what CP932 lacks is reported, not kept.
TEST_F(Utf16Test, JapaneseTextRoundTripsAndReportsWhatCp932Lacks)
{
    const std::string text = "ﾌｫﾙﾀﾞ変更 a";
    const std::wstring wide = win32::WidenJapanese(text);
    EXPECT_EQ(wide, L"\uff8c\uff6b\uff99\uff80\uff9e\u5909\u66f4 a");
    bool lossless = false;
    EXPECT_EQ(win32::NarrowJapanese(wide, &lossless), text);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(win32::NarrowJapanese(L"a\uac00", &lossless), "a?");
    EXPECT_FALSE(lossless);
    // "ﾌｫ変" is 4 bytes and 3 units.
    EXPECT_EQ(win32::WideLengthOfJapanese("ﾌｫ変更", 4), 3);
    EXPECT_EQ(win32::JapaneseLengthOfWide(L"\uff8c\uff6b\u5909\u66f4", 3), 4);
}

// What the system holds comes back to it whole: CP932 carries what it can write, each
// character it cannot (no look-alike taken) is one "?" with the character kept beside it,
// and a part from the start keeps what lies in it.
TEST_F(Utf16Test, SystemTextGoesBackExactlyAsItCame)
{
    const struct {
        const wchar_t* wide;
        std::string text;
        size_t kept;
    } cases[] = {
        {L"C:\\\u8868\u8a08\u7b97\u30bd\u30d5\u30c8\\a.exe", "C:\\表計算ソフト\\a.exe", 0},
        {L"C:\\Caf\u00e9 M\u00fcller \ud55c\uae00\\a.exe", "C:\\Caf? M?ller ??\\a.exe", 4},
        {L"\u6f22\u2122\U0001F600x", "漢??x", 2},
        {L"", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ExactText exact = win32::NarrowExact(c.wide);
        EXPECT_EQ(exact.Text(), c.text);
        EXPECT_EQ(exact.Unwritables().size(), c.kept);
        EXPECT_EQ(win32::WidenExact(exact), c.wide);
        std::string narrow;
        EXPECT_EQ(win32::NarrowJapaneseExactly(c.wide, narrow), c.kept == 0);
        const size_t cut = c.text.rfind('\\');
        if (cut != std::string::npos) {
            const std::wstring wide = c.wide;
            EXPECT_EQ(win32::WidenExact(exact.Prefix(cut)), wide.substr(0, wide.rfind(L'\\')));
        }
    }
}

}  // namespace
}  // namespace veskor::wintest
