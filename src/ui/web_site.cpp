#include "ui/web_site.h"

#include <utility>

namespace ui {

WebSite::WebSite(Platform& platform, std::string address)
    : platform_(platform), address_(std::move(address)) {
  while (!address_.empty() && address_.back() == '/') address_.pop_back();
}

void WebSite::Open(const char* path) const {
  const std::string page = address_ + path;
  platform_.ShellExecuteA(0, nullptr, page.c_str(), nullptr, nullptr, kSwShowNormal);
}

}  // namespace ui
