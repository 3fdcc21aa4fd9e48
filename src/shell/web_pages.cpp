#include "shell/web_pages.h"

namespace shell {

void OpenWebPage(ui::Platform& platform, const std::string& address) {
  platform.ShellExecuteA(0, nullptr, address.c_str(), nullptr, nullptr, ui::kSwShowNormal);
}

}  // namespace shell
