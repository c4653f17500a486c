#include "WinTest.h"
#include "win32/SystemText.h"

namespace veskor::wintest {
namespace {

class SystemTextTest : public WinTest {};

TEST_F(SystemTextTest, SystemMessageIsCutBeforeItsLineBreakAndFullStop)
{
    for (const DWORD code : {ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION}) {
        char raw[1024] = {};
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, raw, sizeof raw,
                       nullptr);
        const std::string text = win32::SystemMessage(code);
        ASSERT_NE(text, "") << code;
        ASSERT_EQ(std::string(raw).rfind(text, 0), 0u) << text;
        for (const char c : std::string(raw).substr(text.size()))
            EXPECT_TRUE(c == '\r' || c == '\n' || c == ' ' || c == '.') << raw;
        const unsigned char last = static_cast<unsigned char>(text.back());
        EXPECT_TRUE(last > ' ' && last != '.') << text;
    }
    EXPECT_EQ(win32::SystemMessage(0x2FFFFFFF), "");
}

TEST_F(SystemTextTest, OleErrorWithoutSystemTextShowsTheCode)
{
    EXPECT_STREQ(win32::OleError(static_cast<HRESULT>(0xA0001BCDu)).what(), "OLE エラー A0001BCD");
}

TEST_F(SystemTextTest, OsErrorNamesTheCodeAndItsText)
{
    EXPECT_STREQ(win32::OsError(0).what(), "OS 機能呼び出しの失敗");
    EXPECT_EQ(std::string(win32::OsError(ERROR_ACCESS_DENIED).what()),
              "システムエラー。コード：5.\r\n" + win32::SystemMessage(ERROR_ACCESS_DENIED));
}

}  // namespace
}  // namespace veskor::wintest
