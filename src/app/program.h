// The running program: the platform services and the single windows, which
// come to life on their first use.
#pragma once

#include <memory>
#include <string>

#include "ui/platform.h"
#include "ui/toolkit.h"

namespace shell {
class Form1;
}
namespace notes {
class NotePool;
}
namespace alarms {
class Form3;
class Form4;
class Module7;
}  // namespace alarms
namespace about {
class Form5;
}

class Program {
 public:
  Program(ui::Toolkit& toolkit, ui::Platform& platform, std::string siteAddress);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  ui::Toolkit& Toolkit() { return toolkit_; }
  ui::Platform& Platform() { return platform_; }
  // Scheme and host of the product web site, without a trailing slash.
  const std::string& SiteAddress() const { return siteAddress_; }

  // The single windows. The object is created on first use; its window is
  // loaded on the first access to the window (see ui::Form).
  shell::Form1& Form1();
  alarms::Form3& Form3();
  alarms::Form4& Form4();
  about::Form5& Form5();
  notes::NotePool& Notes();
  alarms::Module7& Sound();

  // Loads the start-up window, which registers the tray icon.
  void Start();

 private:
  ui::Toolkit& toolkit_;
  ui::Platform& platform_;
  std::string siteAddress_;
  std::unique_ptr<notes::NotePool> notes_;
  std::unique_ptr<alarms::Module7> sound_;
  std::unique_ptr<shell::Form1> form1_;
  std::unique_ptr<alarms::Form3> form3_;
  std::unique_ptr<alarms::Form4> form4_;
  std::unique_ptr<about::Form5> form5_;
};
