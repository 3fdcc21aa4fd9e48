// The product web site, whose pages open in the user's default browser.
#pragma once

#include <string>

#include "ui/platform.h"

namespace ui {

inline constexpr char kHomePath[] = "";
inline constexpr char kTutorialsPath[] = "/tutorials";
inline constexpr char kFeedbackPath[] = "/feedback";

class WebSite {
 public:
  // `address` is the scheme and host; a trailing slash is dropped so that
  // the paths above join it cleanly.
  WebSite(Platform& platform, std::string address);

  // Hands the page's address to the shell's default action in a normal
  // window; the result is not examined (a missing browser simply shows
  // nothing).
  void Open(const char* path) const;

 private:
  Platform& platform_;
  std::string address_;
};

}  // namespace ui
