#include "win32/menu_bar.h"

#include <set>
#include <stdexcept>
#include <string>
#include <utility>

#include "ui/toolkit.h"
#include "win32/command_ids.h"
#include "win32/text.h"

namespace win32 {

namespace {

constexpr const char* kSeparator = "-";

std::set<int> ParentsOf(const std::vector<ui::MenuLayout>& items) {
  std::set<int> parents;
  for (const auto& item : items)
    if (item.parent != 0) parents.insert(item.parent);
  return parents;
}

UINT CheckFlag(bool checked) { return checked ? MF_CHECKED : MF_UNCHECKED; }

}  // namespace

MenuBar::MenuBar(const std::vector<ui::MenuLayout>& items) {
  if (items.empty()) return;
  bar_.reset(::CreateMenu());
  if (!bar_) throw ui::WindowCreationError("A menu bar could not be created.");
  const std::set<int> parents = ParentsOf(items);

  for (const auto& layout : items) {
    Item item;
    item.caption = layout.caption;
    item.checked = layout.checked;
    item.topLevel = layout.parent == 0;
    item.owner = item.topLevel ? bar_.get() : At(layout.parent).popup;
    if (!item.owner) throw std::runtime_error("A menu item names an unknown parent.");
    item.position = static_cast<UINT>(::GetMenuItemCount(item.owner));

    const std::wstring caption = Widen(layout.caption);
    BOOL appended = FALSE;
    if (parents.count(layout.id)) {
      UniqueMenu popup(::CreatePopupMenu());
      if (popup) {
        appended = ::AppendMenuW(item.owner, MF_POPUP | MF_STRING | CheckFlag(item.checked),
                                 reinterpret_cast<UINT_PTR>(popup.get()), caption.c_str());
        if (appended) item.popup = popup.release();  // the owner menu destroys it now
      }
    } else if (item.caption == kSeparator) {
      appended = ::AppendMenuW(item.owner, MF_SEPARATOR, CommandIdOf(layout.id), nullptr);
    } else {
      appended = ::AppendMenuW(item.owner, MF_STRING | CheckFlag(item.checked),
                               CommandIdOf(layout.id), caption.c_str());
    }
    if (!appended) throw ui::WindowCreationError("A menu item could not be created.");
    items_.emplace(layout.id, std::move(item));
  }
}

void MenuBar::AttachTo(HWND window) {
  window_ = window;
  static_cast<void>(bar_.release());
}

void MenuBar::Detach() {
  window_ = nullptr;
  for (auto& [id, item] : items_) item.owner = item.popup = nullptr;
}

const MenuBar::Item& MenuBar::At(int id) const {
  auto it = items_.find(id);
  if (it == items_.end()) throw std::out_of_range("no menu item " + std::to_string(id));
  return it->second;
}

MenuBar::Item& MenuBar::At(int id) { return const_cast<Item&>(std::as_const(*this).At(id)); }

bool MenuBar::Checked(int id) const { return At(id).checked; }

void MenuBar::SetChecked(int id, bool checked) {
  Item& item = At(id);
  item.checked = checked;
  if (item.owner) ::CheckMenuItem(item.owner, item.position, MF_BYPOSITION | CheckFlag(checked));
}

const std::string& MenuBar::Caption(int id) const { return At(id).caption; }

void MenuBar::SetCaption(int id, const std::string& caption) {
  Item& item = At(id);
  item.caption = caption;
  if (!item.owner) return;
  std::wstring text = Widen(caption);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STRING;
  info.fType = caption == kSeparator ? MFT_SEPARATOR : MFT_STRING;
  info.dwTypeData = text.data();
  ::SetMenuItemInfoW(item.owner, item.position, TRUE, &info);
  if (item.topLevel && window_) ::DrawMenuBar(window_);
}

HMENU MenuBar::PopupOf(int id) const { return At(id).popup; }

}  // namespace win32
