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

struct TopmostCase {
  ui::WindowState state;
  std::uint32_t flags;
};

class KeepFormOnTopTest : public ::testing::TestWithParam<TopmostCase> {};

TEST_P(KeepFormOnTopTest, PlacesAtNormalRectangleWithStateFlags) {
  fake::FakeToolkit toolkit;
  fake::FakePlatform platform;
  PlainForm form(toolkit);
  const ui::Handle hwnd = form.EnsureLoaded().Hwnd();
  platform.normalRects[hwnd] = {120, 45, 400, 300};
  form.Win().SetState(GetParam().state);

  notes::KeepFormOnTop(platform, form);

  ASSERT_EQ(platform.Names(), (std::vector<std::string>{"GetWindowPlacement", "SetWindowPos"}));
  EXPECT_EQ(platform.calls[0].args[1], 44);
  EXPECT_EQ(platform.calls[1].args,
            (std::vector<std::int64_t>{static_cast<std::int64_t>(hwnd), -1, 120, 45, 0, 0,
                                       GetParam().flags}));
}

INSTANTIATE_TEST_SUITE_P(States, KeepFormOnTopTest,
                         ::testing::Values(TopmostCase{ui::WindowState::Normal, 1},
                                           TopmostCase{ui::WindowState::Minimized, 1},
                                           TopmostCase{ui::WindowState::Maximized, 3}));

TEST(MakeWindowTopmost, ZeroHandleMakesNoCall) {
  fake::FakePlatform platform;
  notes::MakeWindowTopmost(platform, 0);
  EXPECT_TRUE(platform.calls.empty());
}

TEST(MakeWindowTopmost, PlacesAtNormalRectangleWithoutStateTest) {
  fake::FakePlatform platform;
  platform.normalRects[0x500] = {7, 9, 50, 60};
  notes::MakeWindowTopmost(platform, 0x500);
  ASSERT_EQ(platform.Names(), (std::vector<std::string>{"GetWindowPlacement", "SetWindowPos"}));
  EXPECT_EQ(platform.calls[1].args, (std::vector<std::int64_t>{0x500, -1, 7, 9, 0, 0, 1}));
}

}  // namespace
