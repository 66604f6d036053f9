// Numbers at the ends of the double range, where writing and reading must still agree: a value
// the program writes into a box can come back as an input (MFq is written back into Text61 and
// read again at the next step).

#include "core/number_text.h"
#include "engine_fixture.h"
#include "program_texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kvor {
namespace {

TEST(NumberLimits, LargestDoublesAreWrittenAsTextsThatReadBack) {
    constexpr double max = std::numeric_limits<double>::max();
    for (const double value :
         {max, -max, std::nextafter(max, 0.0), 1.797693134862315e308, 1.79769313486231e308}) {
        for (const char separator : {'.', ','}) {
            const std::string text = NumberText(value, separator);
            const auto back = ParseNumber(text);
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_EQ(NumberText(*back, separator), text);
            EXPECT_NEAR(*back / value, 1.0, 1e-14) << text;
        }
    }
    // Fifteen digits of the largest double, rounded toward zero so that the text stays in range.
    EXPECT_EQ(NumberText(max, ','), "1,79769313486231E+308");
    EXPECT_EQ(NumberText(-max, '.'), "-1.79769313486231E+308");
}

// A long text moves the decimal point by its digits: the exponent alone does not tell an overflow
// from an underflow, however many digits either has.
TEST(NumberLimits, LongDigitStringsAndLongExponentsTellOverflowFromUnderflow) {
    const std::string zeros(400000, '0');
    EXPECT_FALSE(ParseNumber("0." + zeros + "1e3000000")) << "1E+2599999 is beyond the double range";
    EXPECT_EQ(ParseNumber("1" + zeros + "e-3000000"), 0.0) << "1E-2600000 is below the smallest double";
    EXPECT_EQ(ParseNumber("0." + zeros + "1e400005"), 1e4);
    EXPECT_FALSE(ParseNumber("1e99999999999999999999"));
    EXPECT_EQ(ParseNumber("-1e-99999999999999999999"), 0.0);
}

TEST(NumberLimits, TheLargestCoulombScaleWrittenBackByThePanelIsReadAgain) {
    test::Engine engine;
    engine.load(test::HeadOnElastic().with(Text61, "1.7976931348623157E+308"));
    engine.start(3); // Stop at the third screen update ends the run at the fourth
    EXPECT_TRUE(engine.messages.shown.empty()) << engine.messages.shown.front();
    EXPECT_EQ(engine.record.NT, 4);
    EXPECT_TRUE(test::IsNumberText(engine.form.text(Text61), '.')) << engine.form.text(Text61);
}

} // namespace
} // namespace kvor
