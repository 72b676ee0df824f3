#include "diag/breakpoint.h"

#include <gtest/gtest.h>

#include <climits>

namespace vn::diag {
namespace {

TEST(LeadingNumber, ReadsTheDigitsAtTheStartOnly) {
    EXPECT_EQ(LeadingNumber("25"), 25);
    EXPECT_EQ(LeadingNumber("12abc"), 12);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(" 7"), 0);
    EXPECT_EQ(LeadingNumber("-5"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("99999999999999999999"), INT_MAX);
}

TEST(Breakpoint, NoneAndTbdNeverPause) {
    Breakpoint b;
    EXPECT_FALSE(b.Test(100, 300));
    b.Select(Breakpoint::Tbd, "0", "0");
    EXPECT_FALSE(b.Test(100, 900));
}

TEST(Breakpoint, LumaChangeIsMeasuredFromTheLastShownFrame) {
    Breakpoint b;
    b.Select(Breakpoint::LumaChangeAbove, "0", "10");
    EXPECT_FALSE(b.Test(0, 500));  // no frame before it
    EXPECT_FALSE(b.Test(0, 510));
    EXPECT_TRUE(b.Test(0, 499));
    EXPECT_TRUE(b.Test(0, 520));  // measured from 499, not from 510
}

TEST(Breakpoint, ZeroPreviousLumaMeasuresNoChange) {
    Breakpoint b;
    b.Select(Breakpoint::LumaChangeAbove, "0", "10");
    b.Test(0, 0);
    EXPECT_FALSE(b.Test(0, 900));
}

TEST(Breakpoint, TheLimitBelongsToTheChosenKind) {
    Breakpoint b;
    b.Select(Breakpoint::RetriesAbove, "5", "50");
    EXPECT_EQ(b.limit, 5);
    b.Select(Breakpoint::LumaChangeAbove, "5", "50");
    EXPECT_EQ(b.limit, 50);
    b.Select(Breakpoint::None, "7", "70");
    EXPECT_EQ(b.limit, 50);
    EXPECT_FALSE(b.Test(1000, 1000));
}

}  // namespace
}  // namespace vn::diag
