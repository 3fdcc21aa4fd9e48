#include <gtest/gtest.h>

#include <utility>

#include "about/form5.h"
#include "fake/fake_platform.h"
#include "fake/fake_toolkit.h"
#include "ui/web_site.h"

namespace {

// The About window on its own: the toolkit, the platform calls and the site.
class AboutTest : public ::testing::Test {
 protected:
  explicit AboutTest(std::string site = "https://notes.example")
      : site_(platform_, std::move(site)) {}

  fake::FakeWindow& Open() {
    about_.EnsureLoaded().Show();
    fake::FakeWindow* window = toolkit_.Find("Form5");
    EXPECT_NE(window, nullptr);
    return *window;
  }

  fake::FakeToolkit toolkit_;
  fake::FakePlatform platform_;
  ui::WebSite site_;
  about::Form5 about_{toolkit_, platform_, site_};
};

struct LinkCase {
  const char* site;
  const char* label;
  const char* address;
};

void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.site << " " << c.label; }

class AboutLinkTest : public AboutTest, public ::testing::WithParamInterface<LinkCase> {
 protected:
  AboutLinkTest() : AboutTest(GetParam().site) {}
};

TEST_P(AboutLinkTest, ClickOpensPageWithShellDefaultAction) {
  fake::FakeWindow& window = Open();
  window.Events().Click(window.IdOf(GetParam().label));

  const auto calls = platform_.Calls("ShellExecuteA");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].text, GetParam().address);
  // owner 0, no verb, no parameters, no directory, SW_SHOWNORMAL
  EXPECT_EQ(calls[0].args, (std::vector<std::int64_t>{0, 0, 0, 0, 1}));
  // A link leaves the window as it was.
  EXPECT_TRUE(window.Loaded());
  EXPECT_TRUE(window.Visible());
}

INSTANTIATE_TEST_SUITE_P(
    Links, AboutLinkTest,
    ::testing::Values(LinkCase{"https://notes.example", "Label2", "https://notes.example"},
                      LinkCase{"https://notes.example", "Label3",
                               "https://notes.example/tutorials"},
                      LinkCase{"https://notes.example", "Label5", "https://notes.example/feedback"},
                      LinkCase{"http://other.example/", "Label2", "http://other.example"},
                      LinkCase{"http://other.example/", "Label3", "http://other.example/tutorials"},
                      LinkCase{"http://other.example/", "Label5", "http://other.example/feedback"}),
    [](const ::testing::TestParamInfo<LinkCase>& info) {
      return std::string(info.param.label) + "_Site" + std::to_string(info.index / 3);
    });

// The hand is set when the window system asks for the pointer (which it
// does before every mouse move), never on the move itself: the arrow the
// system would set in between made it flicker.
TEST_F(AboutTest, PointerOverEachLinkIsTheHand) {
  fake::FakeWindow& window = Open();
  for (const char* label : {"Label2", "Label3", "Label5"}) {
    platform_.calls.clear();
    window.Events().MouseMove(window.IdOf(label), 0, 0, 30, 40);
    EXPECT_TRUE(platform_.calls.empty()) << label;
    EXPECT_TRUE(window.Events().SetPointer(window.IdOf(label))) << label;
    ASSERT_EQ(platform_.Names(), (std::vector<std::string>{"LoadCursorA", "SetCursor"})) << label;
    EXPECT_EQ(platform_.calls[0].args, (std::vector<std::int64_t>{0, 32649})) << label;
    // The very handle LoadCursorA returned becomes the cursor.
    EXPECT_EQ(platform_.calls[1].args, (std::vector<std::int64_t>{0x7700 + 32649})) << label;
  }
}

TEST_F(AboutTest, OtherControlsAndWindowSurfaceAreInert) {
  fake::FakeWindow& window = Open();
  const std::size_t logSize = toolkit_.log.size();
  for (const char* name : {"Label1", "Label4", "Image2"}) {
    const int id = window.IdOf(name);
    window.Events().Click(id);
    window.Events().DblClick(id);
    window.Events().MouseDown(id, ui::kLeftButton, 0, 10, 10);
    window.Events().MouseMove(id, 0, 0, 10, 10);
    EXPECT_FALSE(window.Events().SetPointer(id)) << name;
  }
  EXPECT_FALSE(window.Events().SetPointer(ui::kForm));
  window.Events().Click(ui::kForm);
  window.Events().MouseDown(ui::kForm, ui::kLeftButton, 0, 10, 10);
  window.Events().MouseMove(ui::kForm, 0, 0, 10, 10);

  EXPECT_TRUE(platform_.calls.empty());  // no page, no cursor, no drag
  EXPECT_EQ(toolkit_.log.size(), logSize);
  EXPECT_TRUE(window.Visible());
}

TEST_F(AboutTest, LoadingRunsNothing) {
  Open();
  EXPECT_TRUE(platform_.calls.empty());
  EXPECT_EQ(toolkit_.log, (std::vector<std::string>{"Create Form5", "Show Form5"}));
}

TEST_F(AboutTest, OpeningTwiceKeepsOneWindow) {
  fake::FakeWindow& first = Open();
  fake::FakeWindow& second = Open();
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(toolkit_.All("Form5").size(), 1u);
  EXPECT_EQ(toolkit_.log, (std::vector<std::string>{"Create Form5", "Show Form5", "Show Form5"}));
}

TEST_F(AboutTest, ClosePictureUnloadsAndNextOpeningBuildsAfreshCentred) {
  fake::FakeWindow& first = Open();
  first.MoveTo(0, 0);  // wherever it went, the new window starts centred again
  first.Events().Click(first.IdOf("Image1"));
  EXPECT_FALSE(about_.IsLoaded());
  EXPECT_TRUE(platform_.calls.empty());

  fake::FakeWindow& second = Open();
  EXPECT_TRUE(second.Loaded());
  EXPECT_TRUE(second.Visible());
  // 451 x 309 pixels centred on 1024 x 768, in whole pixels.
  EXPECT_EQ(second.Left(), 286 * 15);
  EXPECT_EQ(second.Top(), 229 * 15);
  EXPECT_EQ(toolkit_.log, (std::vector<std::string>{"Create Form5", "Show Form5", "Unload Form5",
                                                    "Create Form5", "Show Form5"}));
}

}  // namespace
