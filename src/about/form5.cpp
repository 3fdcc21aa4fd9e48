#include "about/form5.h"

#include "about/form5_layout.h"
#include "about/hand_cursor.h"

namespace about {

Form5::Form5(ui::Toolkit& toolkit, ui::Platform& platform, const ui::WebSite& site)
    : ui::Form(toolkit, Form5Layout()), platform_(platform), site_(site) {}

void Form5::Click(int id) {
  switch (id) {
    case kImage1:
      Image1_Click();
      break;
    case kLabel2:
      Label2_Click();
      break;
    case kLabel3:
      Label3_Click();
      break;
    case kLabel5:
      Label5_Click();
      break;
    default:
      break;
  }
}

// Set when the window system asks for the pointer, rather than on mouse
// moves: the system asks before each move and would put its arrow back in
// between, and the pointer would flicker.
bool Form5::SetPointer(int id) {
  if (id != kLabel2 && id != kLabel3 && id != kLabel5) return false;
  ShowHandCursor(platform_);
  return true;
}

// The window goes with its state; the next opening builds it afresh and
// centres it again.
void Form5::Image1_Click() { Win().Unload(); }

void Form5::Label2_Click() { site_.Open(ui::kHomePath); }

void Form5::Label3_Click() { site_.Open(ui::kTutorialsPath); }

void Form5::Label5_Click() { site_.Open(ui::kFeedbackPath); }

}  // namespace about
