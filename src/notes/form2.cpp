#include "notes/form2.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "notes/form2_layout.h"
#include "notes/note_pool.h"
#include "notes/topmost.h"

namespace notes {

namespace {

// The slot number as the label holds it: decimal, blanks around it allowed,
// rounded to a 16-bit integer. Anything else is no number.
std::optional<int> ParseSlotNumber(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  const double rounded = std::nearbyint(value);
  if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
        rounded <= std::numeric_limits<std::int16_t>::max()))
    return std::nullopt;
  return static_cast<int>(rounded);
}

}  // namespace

Form2::Form2(ui::Toolkit& toolkit, ui::Platform& platform, NotePool& pool)
    : ui::Form(toolkit, Form2Layout()), platform_(platform), pool_(pool) {}

void Form2::Load() {
  const auto self = shared_from_this();
  Form_Load();
}

void Form2::QueryUnload(int& /*cancel*/, int /*unloadMode*/) {
  const auto self = shared_from_this();
  Form_QueryUnload();
}

void Form2::Paint() {
  const auto self = shared_from_this();
  Form_Paint();
}

void Form2::Click(int id) {
  const auto self = shared_from_this();
  if (id == kImage1) Image1_Click();
}

// Double clicks inside the text boxes select text; only the sheet itself
// rolls the note.
void Form2::DblClick(int id) {
  const auto self = shared_from_this();
  if (id == ui::kForm) Form_DblClick();
}

void Form2::MouseDown(int id, int, int, double, double) {
  const auto self = shared_from_this();
  switch (id) {
    case ui::kForm:
      Form_MouseDown();
      break;
    case kLabel1:
      Label1_MouseDown();
      break;
    default:
      break;
  }
}

void Form2::Form_Load() {
  const std::int32_t exStyle = platform_.GetWindowLongA(Hwnd(), ui::kGwlExStyle);
  platform_.SetWindowLongA(Hwnd(), ui::kGwlExStyle,
                           exStyle | static_cast<std::int32_t>(ui::kWsExLayered));
  // Colour key only: without LWA_ALPHA the alpha byte is ignored and the rest
  // of the note stays opaque.
  platform_.SetLayeredWindowAttributes(Hwnd(), 0x00000000, 0, ui::kLwaColorKey);
  savedHeight_ = static_cast<std::int32_t>(std::nearbyint(Win().Height()));
  rolledUp_ = false;
  KeepFormOnTop(platform_, *this);
}

// The note never refuses to close. Its window goes before the pool lets go of
// the object, which `self` in QueryUnload keeps alive to the end.
void Form2::Form_QueryUnload() {
  const std::optional<int> slot = OwnSlot();
  if (slot) pool_.MarkSlotFree(*slot);
  Win().Unload();
  if (slot) pool_.ReleaseSlot(*slot);
}

// An uncovered note comes to the front of the other topmost windows; the
// keyboard stays with the window the user is typing in.
void Form2::Form_Paint() { KeepFormOnTop(platform_, *this); }

void Form2::Form_DblClick() {
  if (rolledUp_) {
    Win().SetHeight(savedHeight_);
    rolledUp_ = false;
  } else {
    Win().SetHeight(kRolledUpHeight);
    rolledUp_ = true;
  }
}

void Form2::Form_MouseDown() { DragWindow(); }

void Form2::Label1_MouseDown() { DragWindow(); }

// The note stays loaded and keeps its slot; nothing shows it again.
void Form2::Image1_Click() { Win().Hide(); }

// Whatever the button: the window system moves the note as if its (absent)
// caption bar had been pressed where the mouse went down, in a move loop
// that ends with the release.
void Form2::DragWindow() {
  platform_.ReleaseCapture();
  platform_.SendMessageA(Hwnd(), ui::kWmNcLButtonDown, ui::kHtCaption,
                         static_cast<std::intptr_t>(platform_.GetMessagePos()));
}

// The slot number exists only as the label's text. Should it ever not name
// this note's slot, the pool's own record decides, so that closing a note can
// neither free another note's slot nor leave its own taken.
std::optional<int> Form2::OwnSlot() {
  const std::optional<int> labelled = ParseSlotNumber(Win().Text(kLabel1));
  if (labelled && pool_.Holds(*labelled, *this)) return labelled;
  return pool_.SlotOf(*this);
}

}  // namespace notes
