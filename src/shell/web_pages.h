// Pages of the product web site, opened in the user's default browser.
#pragma once

#include <string>

#include "ui/platform.h"

namespace shell {

inline const char kTutorialsPath[] = "/tutorials";
inline const char kFeedbackPath[] = "/feedback";

// Hands `address` to the shell's default action in a normal window; the
// result is not examined (a missing browser simply shows nothing).
void OpenWebPage(ui::Platform& platform, const std::string& address);

}  // namespace shell
