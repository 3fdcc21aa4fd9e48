// The About window: the product's emblem and version over a picture, and the
// links to the product web site.
#pragma once

#include "ui/form.h"
#include "ui/platform.h"
#include "ui/web_site.h"

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

  Form5(ui::Toolkit& toolkit, ui::Platform& platform, const ui::WebSite& site);

  void Click(int id) override;
  bool SetPointer(int id) override;

 private:
  void Image1_Click();
  void Label2_Click();
  void Label3_Click();
  void Label5_Click();

  ui::Platform& platform_;
  const ui::WebSite& site_;
};

}  // namespace about
