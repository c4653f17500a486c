#include "text/Error.h"

#include <gtest/gtest.h>

namespace veskor {
namespace {

// Both platforms word their failures through these factories; the code is printed signed.
TEST(ErrorTest, FactoriesWordEachFailureWithTheSystemText)
{
    const struct {
        Error error;
        const char* expected;
    } cases[] = {
        {OpenFileError("C:\\L\\veskor.dat", "アクセスが拒否されました"),
         "ファイル \"C:\\L\\veskor.dat\". アクセスが拒否されました は開けません"},
        {CreateFileError("C:\\L\\veskor.dat", "ディスクがいっぱいです"),
         "ファイル \"C:\\L\\veskor.dat\". ディスクがいっぱいです を作成できません"},
        {SystemCallError(5, "アクセスが拒否されました"), "システムエラー。コード：5.\r\nアクセスが拒否されました"},
        {SystemCallError(0xFFFFFFFFul, ""), "システムエラー。コード：-1.\r\n"},
        {SystemCallError(0, "ignored"), "OS 機能呼び出しの失敗"},
        {OleError(0x80040154ul, ""), "OLE エラー 80040154"},
        {OleError(0x80070002ul, "ファイルが見つかりません"), "ファイルが見つかりません"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.error.what(), c.expected);
}

}  // namespace
}  // namespace veskor
