// A window's menu tree, built from its layout: the top-level items form the
// menu bar, items with children open submenus, and any submenu can also be
// shown as a popup. Captions and check marks are kept here as well, so they
// read back exactly as written.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "ui/layout.h"
#include "win32/handles.h"

namespace win32 {

class MenuBar {
 public:
  // Throws std::runtime_error when the system refuses a menu.
  explicit MenuBar(const std::vector<ui::MenuLayout>& items);

  bool Empty() const { return items_.empty(); }
  // The bar to hand to CreateWindowEx; nullptr when there are no menus.
  HMENU Handle() const { return bar_.get(); }
  // The window now owns (and will destroy) the bar and its submenus.
  void AttachTo(HWND window);
  // The window, and with it every menu handle, is gone.
  void Detach();

  bool Checked(int id) const;
  void SetChecked(int id, bool checked);
  const std::string& Caption(int id) const;
  void SetCaption(int id, const std::string& caption);
  // The submenu of the item, nullptr for an item without children.
  HMENU PopupOf(int id) const;

 private:
  struct Item {
    std::string caption;
    bool checked = false;
    bool topLevel = false;
    HMENU owner = nullptr;  // the menu that holds the item
    UINT position = 0;
    HMENU popup = nullptr;
  };

  const Item& At(int id) const;
  Item& At(int id);

  std::map<int, Item> items_;
  UniqueMenu bar_;  // owned until attached to the window
  HWND window_ = nullptr;
};

}  // namespace win32
