// The colours of text and combo boxes, with high contrast off and on, and
// on the colour-keyed notes in every theme.
#include "ui/box_colors.h"

#include <gtest/gtest.h>

#include <map>

#include "notes/form2.h"
#include "notes/form2_layout.h"
#include "ui/color_key.h"
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
  EXPECT_EQ(ui::ChooseBoxColors(c.back, c.fore, c.enabled, c.highContrast, false), c.expected);
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

// A theme's colours that a box can draw with, 0x00BBGGRR.
struct Theme {
  const char* name;
  bool highContrast;
  std::uint32_t window, windowText, grayText;
};

void PrintTo(const Theme& t, std::ostream* os) { *os << t.name; }

constexpr std::uint32_t Rgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r | g << 8 | b << 16);
}

constexpr std::uint32_t kKey = 0x00000000;  // the notes' colour key
constexpr int kColorWindow = 5, kColorWindowText = 8, kColorGrayText = 17;

class KeyedBoxColors : public ::testing::TestWithParam<Theme> {};

// Each of a note's boxes in each style (or none), with its text colour (or
// none), enabled or not: nothing it draws is the key, and in high contrast
// it draws the theme's own colours (one step off where they are the key),
// so the text stays readable.
TEST_P(KeyedBoxColors, NothingIsTheKey) {
  const Theme& theme = GetParam();
  const std::map<int, std::uint32_t> system{{kColorWindow, theme.window},
                                            {kColorWindowText, theme.windowText},
                                            {kColorGrayText, theme.grayText}};
  const auto drawn = [&](std::uint32_t color) {
    return ui::OffKey(ui::ToRgb(color, [&](int index) { return system.at(index); }), kKey);
  };
  const auto near = [](std::uint32_t a, std::uint32_t b) { return a == b || a == (b ^ 0x010101); };
  const ui::WindowLayout& note = notes::Form2Layout();
  for (std::uint32_t style : {0x0080C0FFu, 0x00C0FFE0u, 0x00F5A02Eu, 0x0080FFFFu, 0x008080FFu,
                              0x00C000C0u, ui::kDefaultColor})
    for (const ui::ControlLayout& box : note.controls) {
      if (box.kind != ui::ControlKind::TextBox) continue;
      for (std::uint32_t text : {box.foreColor, ui::kDefaultColor})
        for (bool enabled : {true, false}) {
          const ui::BoxColors chosen =
              ui::ChooseBoxColors(style, text, enabled, theme.highContrast, true);
          SCOPED_TRACE(std::string(box.name) + (enabled ? "" : " disabled") + " on style " +
                       std::to_string(style) + " text " + std::to_string(text));
          ASSERT_FALSE(chosen.system);  // the system's own drawing knows no key
          const std::uint32_t back = drawn(chosen.back), fore = drawn(chosen.fore);
          EXPECT_NE(back, kKey);
          EXPECT_NE(fore, kKey);
          if (theme.highContrast) {
            EXPECT_TRUE(near(back, theme.window));
            EXPECT_TRUE(near(fore, enabled ? theme.windowText : theme.grayText));
          }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Themes, KeyedBoxColors,
    ::testing::Values(
        // The usual theme, whose window text is black.
        Theme{"Normal", false, Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(109, 109, 109)},
        // The contrast themes of Windows 10...
        Theme{"HighContrastBlack", true, Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(63, 242, 63)},
        Theme{"HighContrastWhite", true, Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(96, 0, 0)},
        Theme{"HighContrast1", true, Rgb(0, 0, 0), Rgb(255, 255, 0), Rgb(0, 255, 0)},
        Theme{"HighContrast2", true, Rgb(0, 0, 0), Rgb(0, 255, 0), Rgb(255, 255, 255)},
        // ...and of Windows 11.
        Theme{"Aquatic", true, Rgb(32, 32, 32), Rgb(255, 255, 255), Rgb(166, 166, 166)},
        Theme{"Desert", true, Rgb(255, 250, 239), Rgb(61, 61, 61), Rgb(103, 103, 103)},
        Theme{"Dusk", true, Rgb(45, 50, 54), Rgb(255, 255, 255), Rgb(166, 166, 166)},
        Theme{"NightSky", true, Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(166, 166, 166)}),
    [](const ::testing::TestParamInfo<Theme>& info) { return std::string(info.param.name); });

// The key is kept off by the least step there is, whatever the key.
TEST(OffKey, MovesOnlyTheKey) {
  EXPECT_EQ(ui::OffKey(0x00000000, 0x00000000u), 0x00010101u);
  EXPECT_EQ(ui::OffKey(0x00FFFFFF, 0x00FFFFFFu), 0x00FEFEFEu);
  EXPECT_EQ(ui::OffKey(0x00000000, 0x00FFFFFFu), 0x00000000u);
  EXPECT_EQ(ui::OffKey(0x00000000, std::nullopt), 0x00000000u);
}

}  // namespace
