#include "notes/topmost.h"

#include <gtest/gtest.h>

#include "fake/fake_platform.h"
#include "fake/fake_toolkit.h"

namespace {

const ui::WindowLayout kPlainWindow{.name = "Plain", .caption = "Plain"};

class PlainForm : public ui::Form {
 public:
  explicit PlainForm(ui::Toolkit& toolkit) : ui::Form(toolkit, kPlainWindow) {}
};

class TopmostTest : public ::testing::TestWithParam<ui::WindowState> {};

// Whatever the window's state: topmost where it stands, at its size, and
// not activated (SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE).
TEST_P(TopmostTest, BothProceduresNeitherMoveNorActivate) {
  fake::FakeToolkit toolkit;
  fake::FakePlatform platform;
  PlainForm form(toolkit);
  const auto hwnd = static_cast<std::int64_t>(form.EnsureLoaded().Hwnd());
  form.Win().SetState(GetParam());

  notes::KeepFormOnTop(platform, form);
  notes::MakeWindowTopmost(platform, form.Hwnd());

  const std::vector<std::int64_t> expected{hwnd, -1, 0, 0, 0, 0, 0x13};
  ASSERT_EQ(platform.Names(), (std::vector<std::string>{"SetWindowPos", "SetWindowPos"}));
  EXPECT_EQ(platform.calls[0].args, expected);
  EXPECT_EQ(platform.calls[1].args, expected);
}

INSTANTIATE_TEST_SUITE_P(States, TopmostTest,
                         ::testing::Values(ui::WindowState::Normal, ui::WindowState::Minimized,
                                           ui::WindowState::Maximized));

TEST(MakeWindowTopmost, ZeroHandleMakesNoCall) {
  fake::FakePlatform platform;
  notes::MakeWindowTopmost(platform, 0);
  EXPECT_TRUE(platform.calls.empty());
}

}  // namespace
