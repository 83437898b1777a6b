// The column conversions on texts a hostile save file may hold: leading numbers as atoi, atof and
// hexadecimal read them, and numbers past the range held at its ends instead of overflowing.
#include "db/column_reader.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

namespace {

struct ColumnCase {
    const char* text;
    int32_t integer;
    float real;
    uint32_t colour;
};

class ColumnConversions : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(ColumnConversions, ReadTheLeadingNumberWithinTheirRange)
{
    const ColumnCase& c = GetParam();
    char* values[] = {const_cast<char*>(c.text), const_cast<char*>(c.text), const_cast<char*>(c.text)};
    CColumnReader reader(values);
    EXPECT_EQ(reader.Int(), c.integer);
    EXPECT_EQ(reader.Real(), c.real);
    EXPECT_EQ(reader.Color(), c.colour);
}

INSTANTIATE_TEST_SUITE_P(Texts, ColumnConversions,
                         ::testing::Values(ColumnCase{"", 0, 0.0f, 0u}, ColumnCase{" 42 ships", 42, 42.0f, 0x42u},
                                           ColumnCase{"-7.75", -7, -7.75f, 0xFFFFFFFFu},
                                           ColumnCase{"ff80ff00", 0, 0.0f, 0xff80ff00u},
                                           ColumnCase{"2147483647", INT32_MAX, 2147483647.0f, 0xFFFFFFFFu},
                                           ColumnCase{"99999999999999999999", INT32_MAX, 1e20f, 0xFFFFFFFFu},
                                           ColumnCase{"-99999999999", INT32_MIN, -99999999999.0f, 0xFFFFFFFFu},
                                           ColumnCase{"1e300", 1, FLT_MAX, 0x1e300u},
                                           ColumnCase{"-1e300", -1, -FLT_MAX, 0xFFFFFFFFu}));

TEST(ColumnConversions, NullAndNonFiniteTexts)
{
    char inf[] = "inf";
    char* values[] = {nullptr, nullptr, nullptr, inf};
    CColumnReader reader(values);
    EXPECT_EQ(reader.Int(), 0);
    EXPECT_EQ(reader.Real(), 0.0f);
    EXPECT_EQ(reader.Color(), 0u);
    EXPECT_TRUE(std::isinf(reader.Real()));
}

}  // namespace
