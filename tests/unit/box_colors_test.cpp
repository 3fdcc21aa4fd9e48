// The colours of text and combo boxes, with high contrast off and on.
#include "ui/box_colors.h"

#include <gtest/gtest.h>

#include "ui/layout.h"

namespace {

constexpr std::uint32_t kGreenStyle = 0x00C0FFE0;
constexpr std::uint32_t kDarkGreen = 0x00004000;
constexpr std::uint32_t kGrayText = 0x80000011;
constexpr ui::BoxColors kSystem{};

struct ColorCase {
  const char* name;
  std::uint32_t back, fore;
  bool enabled, highContrast;
  ui::BoxColors expected;
};

void PrintTo(const ColorCase& c, std::ostream* os) { *os << c.name; }

class BoxColors : public ::testing::TestWithParam<ColorCase> {};

TEST_P(BoxColors, Chosen) {
  const ColorCase& c = GetParam();
  EXPECT_EQ(ui::ChooseBoxColors(c.back, c.fore, c.enabled, c.highContrast), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoxColors,
    ::testing::Values(
        // A note's body: the style colour and its own text colour stand...
        ColorCase{
            "NoteStyle", kGreenStyle, kDarkGreen, true, false, {false, kGreenStyle, kDarkGreen}},
        // ...until high contrast asks for the user's own colours.
        ColorCase{"NoteStyleHighContrast", kGreenStyle, kDarkGreen, true, true, kSystem},
        ColorCase{"DisabledGreysText",
                  kGreenStyle,
                  kDarkGreen,
                  false,
                  false,
                  {false, kGreenStyle, kGrayText}},
        ColorCase{"NoColoursOfItsOwn", ui::kDefaultColor, ui::kDefaultColor, true, false, kSystem}),
    [](const ::testing::TestParamInfo<ColorCase>& info) { return std::string(info.param.name); });

}  // namespace
