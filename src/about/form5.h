// The About window: the product's emblem and version over a picture, and the
// links to the product web site.
#pragma once

#include "app/program.h"
#include "ui/form.h"

namespace about {

class Form5 : public ui::Form {
 public:
  // Control ids of the layout.
  enum : int {
    kLabel5 = 1,
    kLabel4,
    kImage2,
    kImage1,
    kLabel3,
    kLabel2,
    kLabel1,
  };

  explicit Form5(Program& program);

  void Click(int id) override;
  void MouseMove(int id, int button, int shift, double x, double y) override;

 private:
  void Image1_Click();
  void Label2_Click();
  void Label3_Click();
  void Label5_Click();

  Program& program_;
};

}  // namespace about
