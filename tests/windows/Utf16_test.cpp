#include "WinTest.h"
#include "platform/win32/Utf16.h"

namespace veskor::wintest {
namespace {

class Utf16Test : public WinTest {};

TEST_F(Utf16Test, WidenConvertsFromCodePage932)
{
    EXPECT_EQ(win32::WidenAnsi("表計算ソフト\\a"), L"\u8868\u8a08\u7b97\u30bd\u30d5\u30c8\\a");
    EXPECT_EQ(win32::WidenAnsi(""), L"");
}

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

// A path for a fixed buffer converts up to its first NUL and fails when it does not fit.
TEST_F(Utf16Test, PathForAFixedBufferFailsWhenItDoesNotFit)
{
    std::wstring wide;
    ASSERT_TRUE(win32::WidenAnsiPath(std::string("C:\\表\\a.lnk\0tail", 16), 0, 260, wide));
    EXPECT_EQ(wide, L"C:\\\u8868\\a.lnk");
    ASSERT_TRUE(win32::WidenAnsiPath(std::string(259, 'a'), MB_PRECOMPOSED, 260, wide));
    EXPECT_EQ(wide.size(), 259u);
    EXPECT_FALSE(win32::WidenAnsiPath(std::string(260, 'a'), 0, 260, wide));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

}  // namespace
}  // namespace veskor::wintest
