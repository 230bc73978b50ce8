#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vortan {
namespace {

const NumberFormat English{",", "."};
const NumberFormat German{".", ","};
const NumberFormat French{"\xE2\x80\xAF", ","};  // narrow no-break space groups the digits

struct ReadCase {
    const char* name;
    const char* text;
    NumberFormat numbers;
    double expected;  // Abort_Value: not a number
};

const ReadCase Read_Cases[] = {
    {"grouped", "1,234.5", English, 1234.5},
    {"blanks around", " 12 ", English, 12},
    {"lower-case exponent", "12e2", English, 1200},
    {"negative exponent", "1E-3", English, 0.001},
    {"explicit plus exponent", "1E+5", English, 1e5},
    {"plain negative", "-5", English, -5},
    {"leading plus", "+7", English, 7},
    {"trailing point", "1.", English, 1},
    {"leading point", ".5", English, 0.5},
    {"two points", "1.2.3", English, Abort_Value},
    {"trailing minus", "12-", English, Abort_Value},
    {"two signs", "+-3", English, Abort_Value},
    {"letters", "1 2x", English, Abort_Value},
    {"empty", "", English, Abort_Value},
    {"only blanks", "   ", English, Abort_Value},
    {"two minus signs", "-1E-3", English, Abort_Value},
    {"plus alone", "+", English, Abort_Value},
    {"minus alone", "-", English, Abort_Value},
    {"exponent without mantissa", "E5", English, Abort_Value},
    {"exponent without digits", "1E", English, Abort_Value},
    {"point alone", ".", English, Abort_Value},
    {"overflow is not a number", "1e999", English, Abort_Value},
    {"underflow reads as zero", "1e-999", English, 0},
    {"infinity spelled out", "inf", English, Abort_Value},
    {"typed abort value", "-9999999", English, Abort_Value},
    {"sign after exponent mantissa", "1+E5", English, Abort_Value},
    {"tab inside", "1\t2", English, Abort_Value},
    {"german grouping", "1.234,5", German, 1234.5},
    {"german user types a point for the decimal", "2.5", German, Abort_Value},
    {"german user groups millions", "-1.234.567,5", German, -1234567.5},
    {"user types a decimal comma under a point locale", "7,7", English, Abort_Value},
    {"user groups two digits", "1,23", English, Abort_Value},
    {"user groups four digits", "1,2345", English, Abort_Value},
    {"user starts with a comma", ",123", English, Abort_Value},
    {"user groups the fraction", "1.234,5", English, Abort_Value},
    {"user groups an exponent", "1E1,000", English, Abort_Value},
    {"user groups millions with a sign", "+12,345,678.25", English, 12345678.25},
    {"user groups the mantissa of an exponent", "1,000E2", English, 100000},
    {"french narrow space grouping", "1\xE2\x80\xAF" "234,5", French, 1234.5},
    {"no-break space removed", "1\xC2\xA0" "234,5", French, 1234.5},
};

TEST(TextToNumber, ReadsOnlyStrictNumbers) {
    for (const ReadCase& c : Read_Cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Text_To_Number(c.text, c.numbers), c.expected);
    }
}

struct FormatCase {
    const char* name;
    double value;
    const char* pattern;
    NumberFormat numbers;
    const char* expected;
};

const FormatCase Format_Cases[] = {
    {"grouped sag", 1234.567, pattern::Measure, English, "1,234.57"},
    {"bounds", 10, pattern::Measure, English, "10.00"},
    {"upper bound", 2000, pattern::Measure, English, "2,000.00"},
    {"millions", 1234567.891, pattern::Measure, English, "1,234,567.89"},
    {"small value keeps its zero", 0.5, pattern::Measure, English, "0.50"},
    {"half rounds away from zero", 0.125, pattern::Measure, English, "0.13"},
    {"negative half away from zero", -0.125, pattern::Measure, English, "-0.13"},
    {"binary 2.675 is rounded on 15 digits", 2.675, pattern::Measure, English, "2.68"},
    {"no negative zero", -0.001, pattern::Measure, English, "0.00"},
    {"carry into a new digit", 999.999, pattern::Measure, English, "1,000.00"},
    {"stored eight decimals", 820 / 3.281, pattern::Stored, English, "249.92380372"},
    {"stored never grouped", 4000 / 3.281, pattern::Stored, English, "1219.14050594"},
    {"time one decimal", 12.687, pattern::Time, English, "12.7"},
    {"time of zero", 0, pattern::Time, English, "0.0"},
    {"angle without grouping", 12345.6789, pattern::Angle, English, "12345.6789"},
    {"percent", 43.4, pattern::Percent, English, "43"},
    {"german separators", 1234.5, pattern::Measure, German, "1.234,50"},
    {"huge value has no exponent", 1e20, pattern::Measure, English, "100,000,000,000,000,000,000.00"},
    {"tiny value", 1e-20, pattern::Measure, English, "0.00"},
};

TEST(FormatNumber, FollowsThePattern) {
    for (const FormatCase& c : Format_Cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(format_number(c.value, c.pattern, c.numbers), c.expected);
    }
}

TEST(FormatNumber, ReadsBackWhatItWrites) {
    for (double value : {0.0, 1.5, -273.15, 1234567.25, 98.6}) {
        for (const NumberFormat& numbers : {English, German, French}) {
            std::string text = format_number(value, pattern::Measure, numbers);
            EXPECT_DOUBLE_EQ(Text_To_Number(text, numbers), value) << text;
        }
    }
}

}  // namespace
}  // namespace vortan
