// Note styles: a picture and a text-box colour per style. The choice is
// nothing but the check marks of the six style menu items.
#include <array>
#include <cstdint>

#include "notes/form2.h"
#include "shell/form1.h"

namespace shell {

struct NoteStyle {
  int menuItem;
  int picture;  // the picture control holding the style's note picture
  std::uint32_t color;
};

namespace {

constexpr NoteStyle kOrange{Form1::kMnuOrange, Form1::kImageOrange, 0x0080C0FF};
constexpr NoteStyle kGreen{Form1::kMnuGreen, Form1::kImageGreen, 0x00C0FFE0};
constexpr NoteStyle kBlue{Form1::kMnuBlue, Form1::kImageBlue, 0x00F5A02E};
constexpr NoteStyle kYellow{Form1::kMnuYellow, Form1::kImageYellow, 0x0080FFFF};
constexpr NoteStyle kRed{Form1::kMnuRed, Form1::kImageRed, 0x008080FF};
constexpr NoteStyle kPink{Form1::kMnuPink, Form1::kImagePink, 0x00C000C0};

// Neither order is the menu's; each is kept as it always was.
constexpr std::array kClearingOrder{kOrange, kGreen, kBlue, kRed, kYellow, kPink};
constexpr std::array kTestingOrder{kOrange, kGreen, kBlue, kPink, kYellow, kRed};

}  // namespace

void Form1::UncheckAllStyles() {
  for (const NoteStyle& style : kClearingOrder) Win().SetChecked(style.menuItem, false);
}

// The six items act as one radio group that the toolkit knows nothing of.
void Form1::ChooseStyle(const NoteStyle& style) {
  UncheckAllStyles();
  Win().SetChecked(style.menuItem, true);
}

void Form1::mnuOrange_Click() { ChooseStyle(kOrange); }
void Form1::mnuGreen_Click() { ChooseStyle(kGreen); }
void Form1::mnuBlue_Click() { ChooseStyle(kBlue); }
void Form1::mnuYellow_Click() { ChooseStyle(kYellow); }
void Form1::mnuRed_Click() { ChooseStyle(kRed); }
void Form1::mnuPink_Click() { ChooseStyle(kPink); }
void Form1::Image_Yellow_Click() { ChooseStyle(kYellow); }

// The first checked item decides. With none checked the note keeps the look
// it was designed with. The note shares the very picture this window holds.
void Form1::ApplyCheckedStyle(notes::Form2& note) {
  for (const NoteStyle& style : kTestingOrder) {
    if (!Win().Checked(style.menuItem)) continue;
    ui::Window& window = note.Win();
    window.SetPicture(ui::kForm, Win().GetPicture(style.picture));
    window.SetBackColor(notes::Form2::kText1, style.color);
    window.SetBackColor(notes::Form2::kText2, style.color);
    return;
  }
}

}  // namespace shell
