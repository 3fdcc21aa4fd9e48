#include "about/form5.h"

#include "about/form5_layout.h"
#include "about/hand_cursor.h"
#include "shell/web_pages.h"

namespace about {

Form5::Form5(Program& program) : ui::Form(program.Toolkit(), Form5Layout()), program_(program) {}

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

void Form5::MouseMove(int id, int, int, double, double) {
  if (id == kLabel2 || id == kLabel3 || id == kLabel5) ShowHandCursor(program_.Platform());
}

// The window goes with its state; the next opening builds it afresh and
// centres it again.
void Form5::Image1_Click() { Win().Unload(); }

void Form5::Label2_Click() { shell::OpenWebPage(program_.Platform(), program_.SiteAddress()); }

void Form5::Label3_Click() {
  shell::OpenWebPage(program_.Platform(), program_.SiteAddress() + shell::kTutorialsPath);
}

void Form5::Label5_Click() {
  shell::OpenWebPage(program_.Platform(), program_.SiteAddress() + shell::kFeedbackPath);
}

}  // namespace about
