#include "firmwareversion.h"

#include <gtest/gtest.h>

namespace {

struct VersionCase
{
    const char *image;
    const char *device;
    bool newer;
};

class VersionOrder : public testing::TestWithParam<VersionCase>
{
};

TEST_P(VersionOrder, ImageIsNewerOnlyWhenItsNumbersAre)
{
    const VersionCase &c = GetParam();
    EXPECT_EQ(firmwareversion::isNewer(c.image, c.device), c.newer) << c.image << " vs " << c.device;
}

INSTANTIATE_TEST_SUITE_P(
    Table, VersionOrder,
    testing::Values(
        // Numbers compare as numbers, not as texts.
        VersionCase{"V1.00.10", "V1.00.9", true}, VersionCase{"V1.00.9", "V1.00.10", false},
        VersionCase{"V2.00.01", "V2.00.00", true}, VersionCase{"V1.00.10", "V1.00.10", false},
        VersionCase{"V1.10.00", "V1.9.99", true}, VersionCase{"V10.0.0", "V9.99.99", true},
        // Letter case and leading zeros do not make a version newer.
        VersionCase{"v1.00.10", "V1.00.10", false}, VersionCase{"V1.00.10", "v1.00.10", false},
        VersionCase{"V1.0.1", "V1.00.01", false},
        // A missing trailing number counts as 0.
        VersionCase{"V1.00.00.1", "V1.00.00", true}, VersionCase{"V1.00", "V1.00.00", false},
        // A device that reports no version gets any image that has one.
        VersionCase{"V1.00.00", "", true}, VersionCase{"", "", false}, VersionCase{"", "V1.00.00", false},
        // Texts of another form compare as texts, ignoring case.
        VersionCase{"V1.00.0b", "V1.00.0a", true}, VersionCase{"V1.00.0A", "v1.00.0a", false},
        VersionCase{"1.03", "1.02", true}, VersionCase{"V1..2", "V1..1", true},
        VersionCase{"V99999999999.0", "V2.0", true}));

struct CaseCompare
{
    const char *a;
    const char *b;
    int sign;
};

TEST(CompareIgnoringCase, FoldsOnlyAsciiLettersAndSortsPrefixesFirst)
{
    const CaseCompare cases[] = {
        {"TLC68", "tlc68", 0}, {"abc", "abd", -1}, {"abd", "ABC", 1},           {"ab", "abc", -1},
        {"", "", 0},           {"", "a", -1},      {"\xC3\xA9", "\xC3\x89", 1}, // é and É differ
        {"\x80", "a", 1},                                                       // bytes compare unsigned
        {"[", "a", -1}, // '[' (0x5B) sits between the upper- and lower-case letters
    };
    for (const CaseCompare &c : cases) {
        const int r = firmwareversion::compareIgnoringCase(c.a, c.b);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
    }
}

} // namespace
