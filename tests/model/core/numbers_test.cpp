#include "core/numbers.h"

#include <string>

#include <gtest/gtest.h>

#include "core/pointer_helpers.h"

namespace pixador {
namespace {

TEST(Numbers, BinaryDigitTexts)
{
    EXPECT_EQ(BitsToNumber("1x0"), 6) << "any character but 0 counts as a one";
    EXPECT_EQ(BitsToNumber(""), 0);
    EXPECT_EQ(BitsToNumber("10000000000000000000000000000000"), 2147483648.0);
    EXPECT_EQ(NumberToBits(5, 8), "00000101");
    EXPECT_EQ(NumberToBits(0, 3), "000");
    EXPECT_EQ(NumberToBits(0, 0), "");
    EXPECT_EQ(NumberToBits(255, 4), "11111111") << "never cut";
    for (int v = 0; v < 300; v += 7) EXPECT_EQ(BitsToNumber(NumberToBits(v, 16)), v);
}

TEST(Numbers, TypedNumbersReadTheirLeadingPartAndRoundHalvesToEven)
{
    EXPECT_EQ(ReadInt16("  42abc"), 42);
    EXPECT_EQ(ReadInt16("abc"), 0);
    EXPECT_EQ(ReadInt16(""), 0);
    EXPECT_EQ(ReadInt16("-7"), -7);
    EXPECT_EQ(ReadInt16("2.5"), 2);
    EXPECT_EQ(ReadInt16("3.5"), 4);
    EXPECT_EQ(ReadInt16("-2.5"), -2);
    EXPECT_EQ(ReadInt16("1e2"), 100);
    EXPECT_EQ(ReadInt16("1e"), 1);
    EXPECT_EQ(ReadInt16("2x5"), 2);
    EXPECT_EQ(ReadInt16("32767"), 32767);
    EXPECT_EQ(ReadInt16("-32768"), -32768);
    EXPECT_FALSE(ReadInt16("32768"));
    EXPECT_FALSE(ReadInt16("-32769"));
    EXPECT_FALSE(ReadInt16("40000"));
    EXPECT_FALSE(ReadInt16("1e999"));
    // Every exponent digit counts, however many leading zeros it carries.
    EXPECT_EQ(ReadInt16("1e00000001"), 10);
    EXPECT_EQ(ReadInt16("5e-00000001"), 0);
    EXPECT_EQ(ReadInt16("1e" + std::string(5000, '0') + "3x"), 1000);
    EXPECT_FALSE(ReadInt16("1e00000000000000000009"));
    EXPECT_EQ(ReadTypedInt("99999"), 32767);
    EXPECT_EQ(ReadTypedInt("-32769"), -32768);
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
}

TEST(Numbers, ButtonSlotsAndNearPoints)
{
    EXPECT_EQ(ButtonSlot(0), 1);
    EXPECT_EQ(ButtonSlot(1), 1);
    EXPECT_EQ(ButtonSlot(2), 2);
    EXPECT_EQ(ButtonSlot(4), 2);
    EXPECT_TRUE(NearPoint(5, 5, 5, 5, 1));
    EXPECT_FALSE(NearPoint(6, 5, 5, 5, 1)) << "bounds are strict";
    EXPECT_TRUE(NearPoint(6, 4, 5, 5, 2));
}

}  // namespace
}  // namespace pixador
