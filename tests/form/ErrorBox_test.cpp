#include "form/ErrorBox.h"

#include <gtest/gtest.h>

namespace veskor {
namespace {

class AsciiRules : public TextRules {
public:
    int CompareText(const std::string& a, const std::string& b) const override { return a.compare(b); }
    void LowerCase(std::string& text) const override
    {
        for (char& ch : text) {
            if (ch >= 'A' && ch <= 'Z')
                ch = static_cast<char>(ch - 'A' + 'a');
        }
    }
};

TEST(ErrorBoxTest, CaptionIsTheProgramNameUpToItsFirstDotWithTheRestLowerCased)
{
    AsciiRules rules;
    EXPECT_EQ(ErrorCaption("C:\\Tools\\VESKOR3.exe", rules), "Veskor3");
    EXPECT_EQ(ErrorCaption("C:\\Tools\\veskor3.exe", rules), "veskor3");
    EXPECT_EQ(ErrorCaption("C:\\v1.2\\MY.APP.EXE", rules), "My");
    // A double-byte first character is kept whole; ソ's second byte is 0x5C and is no "\".
    EXPECT_EQ(ErrorCaption("C:\\ソフト\\ソAB.exe", rules), "ソab");
}

TEST(ErrorBoxTest, TextGetsAFullStopOnlyWhenItsLastCharacterSortsAfterItAndEndsNoSentence)
{
    EXPECT_EQ(ErrorText("ファイルが見つかりません。"), "ファイルが見つかりません。");
    EXPECT_EQ(ErrorText("。と"), "。と.");
    EXPECT_EQ(ErrorText("というフォルダは作れません"), "というフォルダは作れません.");
    EXPECT_EQ(ErrorText("OLE エラー 80040154"), "OLE エラー 80040154.");
    EXPECT_EQ(ErrorText("done."), "done.");
    EXPECT_EQ(ErrorText("(1)"), "(1)");  // ")" sorts before "."
    EXPECT_EQ(ErrorText("a-"), "a-");
    EXPECT_EQ(ErrorText(""), "");
}

}  // namespace
}  // namespace veskor
