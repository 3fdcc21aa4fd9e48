// Window layouts as data: every window is built from one of these tables by
// the toolkit's generic builder. Lengths are twips, colours 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <vector>

namespace ui {

// Colour sentinel: "whatever the toolkit's default for this control is".
constexpr std::uint32_t kDefaultColor = 0xFFFFFFFFu;
constexpr std::uint32_t kSysWindowBackground = 0x80000005u;
constexpr std::uint32_t kSysWindowText = 0x80000008u;

enum class ControlKind {
  CommandButton,
  CheckBox,
  OptionButton,
  Label,  // windowless: painted and hit-tested by its form
  TextBox,
  ComboBox,  // editable drop-down
  Frame,     // group box; controls naming it as parent are placed inside it
  Picture,   // windowless image
  Timer,     // invisible
  // A label that opens something, as a control of its own: a keyboard stop
  // whose Enter, Space and click raise Click, drawn as a label would be.
  // Assistive technology sees a link named by its caption.
  Link,
  // A picture that acts as a button, drawn as the picture would be. Its
  // caption is not shown: it is the button's name for assistive technology.
  PictureButton,
};

enum class BorderStyle { None = 0, FixedSingle = 1, Sizable = 2 };
enum class StartPosition { Manual = 0, CenterScreen = 2, WindowsDefault = 3 };
enum class ScaleMode { Twips = 1, Pixels = 3 };

struct FontSpec {
  const char* face = nullptr;  // nullptr: the toolkit's default dialog font
  double points = 8.25;
  bool bold = false;
  bool underline = false;
};

// Control flags.
enum : unsigned {
  kMultiLine = 1u << 0,
  kNoBorder = 1u << 1,
  kTransparentBack = 1u << 2,
  kChecked = 1u << 3,  // check box value 1 / option selected at creation
  kDisabled = 1u << 4,
  kCancel = 1u << 5,  // Escape clicks it
};

struct ControlLayout {
  int id = 0;  // unique within the window, never 0 (0 is the form itself)
  ControlKind kind = ControlKind::Label;
  const char* name = "";
  const char* caption = "";  // caption, or initial text of a text/combo box
  int left = 0, top = 0, width = 0, height = 0;
  int tabIndex = -1;  // -1: not in the tab order
  int parent = 0;     // id of the containing frame, 0 for the form
  unsigned flags = 0;
  FontSpec font{};
  std::uint32_t foreColor = kDefaultColor;
  std::uint32_t backColor = kDefaultColor;
  int picture = 0;  // resource id of the embedded picture, 0 none
  const char* toolTip = nullptr;
  int interval = 0;  // timers: milliseconds
  // What assistive technology calls a control that has no caption to say
  // it (a text or combo box).
  const char* accessibleName = nullptr;
};

struct MenuLayout {
  int id = 0;  // unique within the window, shares the id space of controls
  const char* name = "";
  const char* caption = "";  // "-" is a separator
  int parent = 0;            // 0: top-level item of the menu bar
  bool checked = false;
};

struct WindowLayout {
  const char* name = "";
  const char* caption = "";
  BorderStyle border = BorderStyle::Sizable;
  bool controlBox = true;  // close box / window menu (only with a border)
  bool minButton = true;
  bool maxButton = true;
  bool showInTaskbar = true;
  int clientWidth = 0, clientHeight = 0;
  StartPosition startPosition = StartPosition::WindowsDefault;
  int left = 0, top = 0;  // for StartPosition::Manual
  std::uint32_t backColor = kSysWindowBackground;
  int picture = 0;  // resource id of the window's background picture
  int icon = 0;     // icon group resource id
  ScaleMode scaleMode = ScaleMode::Twips;
  // The control that closes a window without a caption (its close picture):
  // while it shows, the user can close the window, and can drag it back. A
  // window with a caption closes with the caption's close button.
  int closeControl = 0;
  // The native controls serve only the window shown: they are made after
  // the load handler, with the window's deferred set-up (or when something
  // needs them sooner), so that the load handler's own work comes first.
  bool nativeControlsAfterLoad = false;
  std::vector<ControlLayout> controls;  // creation order
  std::vector<MenuLayout> menus;        // a parent precedes its children
};

}  // namespace ui
