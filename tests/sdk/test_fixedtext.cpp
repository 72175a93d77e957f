#include "fixedtext.h"
#include "keyoperateinfo.h"

#include <QString>
#include <cstring>
#include <gtest/gtest.h>

namespace {

struct CopyCase
{
    const char *name;
    std::string text;
    std::size_t cap;
    std::string expected;
    bool fits;
};

class FixedTextCopy : public testing::TestWithParam<CopyCase>
{
};

TEST_P(FixedTextCopy, BoundedTerminatedAndCutOnCharacterBoundary)
{
    const CopyCase &c = GetParam();
    char buf[32];
    std::memset(buf, 'X', sizeof buf);
    EXPECT_EQ(fixedtext::copy(buf, c.cap, c.text), c.fits);
    EXPECT_EQ(std::string(buf), c.expected);
    EXPECT_EQ(buf[c.expected.size()], '\0');
    // Nothing is written past the capacity.
    for (std::size_t i = c.cap; i < sizeof buf; ++i)
        EXPECT_EQ(buf[i], 'X') << "byte " << i;
}

INSTANTIATE_TEST_SUITE_P(Cases, FixedTextCopy,
                         testing::Values(CopyCase{"fits", "abc", 8, "abc", true},
                                         CopyCase{"exact", "abcdefg", 8, "abcdefg", true},
                                         CopyCase{"cut_ascii", "abcdefgh", 8, "abcdefg", false},
                                         // "é" is two bytes: a cut that would split it drops it whole.
                                         CopyCase{"cut_two_byte", "abcdef\xC3\xA9", 8, "abcdef", false},
                                         // "€" is three bytes starting at offset 5.
                                         CopyCase{"cut_three_byte", "abcde\xE2\x82\xAC", 8, "abcde", false},
                                         // A four-byte emoji that does not fit at all.
                                         CopyCase{"cut_four_byte", "\xF0\x9F\x98\x80", 4, "", false},
                                         CopyCase{"empty", "", 4, "", true}),
                         [](const testing::TestParamInfo<CopyCase> &i) { return std::string(i.param.name); });

TEST(FixedText, CopyWholeRefusesInsteadOfCutting)
{
    char buf[8] = "keep";
    EXPECT_FALSE(fixedtext::copyWhole(buf, sizeof buf, "/a/b/c/d"));
    EXPECT_STREQ(buf, "keep");
    EXPECT_TRUE(fixedtext::copyWhole(buf, sizeof buf, "/a/b/c"));
    EXPECT_STREQ(buf, "/a/b/c");
}

TEST(FixedText, ViewStopsAtFieldWidthWithoutTerminator)
{
    char field[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(fixedtext::view(field), "abcd");
    field[2] = '\0';
    EXPECT_EQ(fixedtext::view(field), "ab");
}

TEST(FixedText, QStringIsCopiedAsUtf8)
{
    char buf[8];
    EXPECT_FALSE(fixedtext::copy(buf, QString::fromUtf8("ab\xE4\xB8\xAD\xE6\x96\x87")));
    EXPECT_STREQ(buf, "ab\xE4\xB8\xAD");
}

TEST(KeyOperateInfoRecord, ResetMarksEveryFieldAbsent)
{
    KeyOperateInfo info;
    std::memset(&info, 'Z', sizeof info);
    resetKeyOperateInfo(info);
    for (const char *f : {info.keyCode, info.keyName, info.type, info.repeat, info.playMode, info.value})
        EXPECT_STREQ(f, "-1");
}

} // namespace
