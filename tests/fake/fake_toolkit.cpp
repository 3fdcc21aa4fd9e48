#include "fake/fake_toolkit.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "fake/fake_frame.h"

namespace fake {

FakeWindow::FakeWindow(FakeToolkit& toolkit, const ui::WindowLayout& layout, ui::FormEvents& events,
                       ui::Handle hwnd)
    : ui::LifeCycleWindow(events),
      toolkit_(toolkit),
      layout_(layout),
      hwnd_(hwnd),
      scaleMode_(static_cast<int>(layout.scaleMode)),
      caption_(layout.caption),
      picture_(layout.picture ? std::make_shared<FakePicture>(layout.picture) : nullptr) {
  // Placed and sized in whole pixels, frame included, as the Win32 toolkit
  // creates its windows.
  if (toolkit.monitorDpi) dpi_ = ui::Dpi(*toolkit.monitorDpi);
  const ui::Dpi dpi = DotsPerInch();
  const ui::OuterRect outer = ui::PlaceWindow(
      layout, FrameOf(layout, dpi),
      {static_cast<int>(toolkit.screenWidthPixels), static_cast<int>(toolkit.screenHeightPixels)},
      dpi);
  left_ = dpi.ToTwips(outer.x);
  top_ = dpi.ToTwips(outer.y);
  client_ = ui::ClientTwipsOf(layout);
  for (const auto& c : layout.controls) {
    ControlState& s = controls_[c.id];
    s.layout = &c;
    s.text = c.caption;
    s.value = (c.flags & ui::kChecked) ? 1 : 0;
    s.enabled = !(c.flags & ui::kDisabled);
    s.backColor = c.backColor;
    if (c.picture) s.picture = std::make_shared<FakePicture>(c.picture);
  }
  for (const auto& m : layout.menus) {
    MenuState& s = menus_[m.id];
    s.layout = &m;
    s.caption = m.caption;
    s.checked = m.checked;
  }
  toolkit_.windows_.push_back(this);
  MarkBuilt();
}

FakeWindow::~FakeWindow() {
  auto& w = toolkit_.windows_;
  w.erase(std::remove(w.begin(), w.end(), this), w.end());
}

int FakeWindow::IdOf(const std::string& name) const {
  for (const auto& c : layout_.controls)
    if (name == c.name) return c.id;
  for (const auto& m : layout_.menus)
    if (name == m.name) return m.id;
  throw std::out_of_range("no control or menu named " + name);
}

void FakeWindow::Log(const std::string& entry) const {
  toolkit_.log.push_back(entry + " " + layout_.name);
}

void FakeWindow::DestroyNative() {
  visible_ = false;
  for (auto& [id, c] : controls_) c.timerEnabled = false;
  Log("Unload");
}

void FakeWindow::Show() {
  visible_ = true;
  Log("Show");
}

void FakeWindow::ShowWithoutActivation() {
  visible_ = true;
  Log("ShowWithoutActivation");
}

void FakeWindow::Hide() {
  visible_ = false;
  Log("Hide");
}

void FakeWindow::SetState(ui::WindowState state) {
  state_ = state;
  Log("State" + std::to_string(static_cast<int>(state)));
  Events().Resize();
}

ui::Dpi FakeWindow::DotsPerInch() const { return dpi_ ? *dpi_ : toolkit_.ScreenDpi(); }

ui::PixelRect FakeWindow::ControlPixels(int id) const {
  return ui::ControlRect(layout_, *Control(id).layout, DotsPerInch());
}

ui::FontAtDpi FakeWindow::ControlFont(int id) const {
  return ui::FontAt(Control(id).layout->font, DotsPerInch());
}

void FakeWindow::ChangeDpi(ui::Dpi dpi, const ui::PixelRect& suggested) {
  dpi_ = dpi;
  MoveTo(suggested.left, suggested.top);
  if (Live()) Events().DpiChanged();
}

double FakeWindow::Width() const {
  const ui::FrameInsets frame = FrameOf(layout_, DotsPerInch());
  return client_.width + DotsPerInch().ToTwips(frame.left + frame.right);
}

double FakeWindow::Height() const {
  const ui::FrameInsets frame = FrameOf(layout_, DotsPerInch());
  return client_.height + DotsPerInch().ToTwips(frame.top + frame.bottom);
}

void FakeWindow::SetHeight(double twips) {
  const ui::Dpi dpi = DotsPerInch();
  const ui::FrameInsets frame = FrameOf(layout_, dpi);
  client_.height = twips - dpi.ToTwips(frame.top + frame.bottom);
}

ui::PixelRect FakeWindow::Bounds() const { return BoundsAt(DotsPerInch()); }

void FakeWindow::MoveTo(int x, int y) {
  const ui::Dpi dpi = DotsPerInch();
  left_ = dpi.ToTwips(x);
  top_ = dpi.ToTwips(y);
}

ui::PixelRect FakeWindow::CloseControl() const {
  const ui::Dpi dpi = DotsPerInch();
  const ui::FrameInsets frame = FrameOf(layout_, dpi);
  const ui::PixelRect bounds = Bounds();
  if (layout_.border != ui::BorderStyle::None && layout_.controlBox) {
    const ui::PixelSize button = CaptionButtonOf(layout_, dpi);
    return ui::CaptionCloseButton(bounds.Width(), frame, button.width, button.height);
  }
  if (layout_.closeControl == 0) return {0, 0, bounds.Width(), bounds.Height()};
  const ui::PixelRect control = ControlPixels(layout_.closeControl);
  return {frame.left + control.left, frame.top + control.top, frame.left + control.right,
          frame.top + control.bottom};
}

// Pixels at `dpi`, as the Win32 toolkit derives them from the twips.
ui::PixelRect FakeWindow::BoundsAt(ui::Dpi dpi) const {
  const ui::Dpi own = DotsPerInch();
  return ui::OuterRectAt(own.ToPixels(left_), own.ToPixels(top_), client_, FrameOf(layout_, dpi),
                         dpi);
}

void FakeWindow::MoveOnto(int x, int y, ui::Dpi dpi) {
  if (dpi == DotsPerInch()) return MoveTo(x, y);
  ChangeDpi(dpi, {x, y, x, y});
}

ControlState& FakeWindow::Control(int id) {
  auto it = controls_.find(id);
  if (it == controls_.end()) throw std::out_of_range("no control " + std::to_string(id));
  return it->second;
}
const ControlState& FakeWindow::Control(int id) const {
  return const_cast<FakeWindow*>(this)->Control(id);
}
MenuState& FakeWindow::Menu(int id) {
  auto it = menus_.find(id);
  if (it == menus_.end()) throw std::out_of_range("no menu " + std::to_string(id));
  return it->second;
}
const MenuState& FakeWindow::Menu(int id) const { return const_cast<FakeWindow*>(this)->Menu(id); }

std::string FakeWindow::Text(int id) const { return id == ui::kForm ? caption_ : Control(id).text; }
void FakeWindow::SetText(int id, const std::string& text) {
  (id == ui::kForm ? caption_ : Control(id).text) = text;
}

int FakeWindow::Value(int id) const { return Control(id).value; }
void FakeWindow::SetValue(int id, int value) {
  ControlState& c = Control(id);
  const bool changed = c.value != value;
  if (c.layout->kind == ui::ControlKind::OptionButton && value) {
    // Selecting an option clears the others of its container.
    for (auto& [otherId, other] : controls_)
      if (other.layout->kind == ui::ControlKind::OptionButton &&
          other.layout->parent == c.layout->parent)
        other.value = 0;
  }
  c.value = value;
  // As with the real controls, a changed check box or a selected option
  // raises its click event.
  if ((changed && c.layout->kind == ui::ControlKind::CheckBox) ||
      (value && c.layout->kind == ui::ControlKind::OptionButton))
    Events().Click(id);
}

bool FakeWindow::Enabled(int id) const { return Control(id).enabled; }
void FakeWindow::SetEnabled(int id, bool enabled) { Control(id).enabled = enabled; }
void FakeWindow::SetFocus(int id) { focus_ = id; }

// The toolkit's own routing, with the control state this fake keeps.
void FakeWindow::PressKey(ui::NavigationKey key) {
  // A menu or a drag takes the keys itself while it lasts.
  if (!ui::WindowsTakeKeys(toolkit_.CurrentLoop())) return;
  const ui::KeyAction action =
      ui::RouteKey(layout_, focus_, key,
                   {.available = [this](int id) { return Control(id).enabled; },
                    .selected = [this](int id) { return Control(id).value != 0; }});
  if (action.kind == ui::KeyAction::Kind::Focus) focus_ = action.control;
  if (action.kind == ui::KeyAction::Kind::Click && Live()) Events().Click(action.control);
}
void FakeWindow::SetBackColor(int id, std::uint32_t color) { Control(id).backColor = color; }
std::uint32_t FakeWindow::BackColor(int id) const { return Control(id).backColor; }

ui::PictureRef FakeWindow::GetPicture(int id) const {
  return id == ui::kForm ? picture_ : Control(id).picture;
}
void FakeWindow::SetPicture(int id, ui::PictureRef picture) {
  (id == ui::kForm ? picture_ : Control(id).picture) = std::move(picture);
}

void FakeWindow::AddItem(int comboId, const std::string& item) {
  Control(comboId).items.push_back(item);
}
int FakeWindow::ItemCount(int comboId) const {
  return static_cast<int>(Control(comboId).items.size());
}
std::string FakeWindow::Item(int comboId, int index) const {
  return Control(comboId).items.at(index);
}

bool FakeWindow::TimerEnabled(int timerId) const { return Control(timerId).timerEnabled; }
void FakeWindow::SetTimerEnabled(int timerId, bool enabled) {
  Control(timerId).timerEnabled = enabled;
  Log(std::string(enabled ? "Enable " : "Disable ") + Control(timerId).layout->name);
}

bool FakeWindow::Checked(int menuId) const { return Menu(menuId).checked; }
void FakeWindow::SetChecked(int menuId, bool checked) {
  Menu(menuId).checked = checked;
  Log(std::string(checked ? "Check " : "Uncheck ") + Menu(menuId).layout->name);
}
std::string FakeWindow::MenuCaption(int menuId) const { return Menu(menuId).caption; }
void FakeWindow::SetMenuCaption(int menuId, const std::string& caption) {
  Menu(menuId).caption = caption;
}

void FakeWindow::PopupMenu(int menuId) {
  Menu(menuId);  // must exist
  toolkit_.popups.push_back(menuId);
  Log("Popup");
  const int choice = toolkit_.nextPopupChoice;
  toolkit_.nextPopupChoice = 0;
  if (toolkit_.onPopup) toolkit_.RunModalLoop(ui::MessageLoop::Menu, toolkit_.onPopup);
  if (choice) Events().Click(choice);
}

std::unique_ptr<ui::Window> FakeToolkit::CreateFormWindow(const ui::WindowLayout& layout,
                                                          ui::FormEvents& events) {
  if (failWindowCreation) throw ui::WindowCreationError(std::string("no window ") + layout.name);
  nextHandle_ += 0x10;
  log.push_back(std::string("Create ") + layout.name);
  return std::make_unique<FakeWindow>(*this, layout, events, nextHandle_);
}

const ui::Monitors& FakeToolkit::Displays() const {
  displays_.monitors = monitors;
  if (displays_.monitors.empty()) {
    const ui::PixelRect screen{0, 0, static_cast<int>(screenWidthPixels),
                               static_cast<int>(screenHeightPixels)};
    displays_.monitors.push_back(
        ui::Monitor{screen, screen, monitorDpi.value_or(ScreenDpi().Value())});
  }
  return displays_;
}

ui::Dpi FakeToolkit::ScreenDpi() const {
  return ui::Dpi(static_cast<int>(std::lround(1440 / twipsPerPixel)));
}

int FakeToolkit::ShowMessageBox(const std::string& text, int flags, const std::string& title) {
  msgBoxes.push_back({text, flags, title});
  log.push_back("MsgBox " + text);
  const MsgBoxCall call = msgBoxes.back();  // a box opened meanwhile grows the list
  if (onMsgBox) RunModalLoop(ui::MessageLoop::ModalBox, [&] { onMsgBox(call); });
  return 1;
}

void FakeToolkit::RunModalLoop(ui::MessageLoop loop, const std::function<void()>& body) {
  loops_.push_back(loop);
  try {
    body();
  } catch (...) {
    loops_.pop_back();
    throw;
  }
  loops_.pop_back();
}

void FakeToolkit::ScheduleDesktopPass() {
  ++passesScheduled;
  passPending_ = true;
}

void FakeToolkit::RunScheduledPass() {
  if (!std::exchange(passPending_, false)) return;
  RunDesktopPass();
}

void FakeToolkit::Terminate() {
  ended = true;
  log.push_back("EndProgram");
}

std::vector<FakeWindow*> FakeToolkit::All(const std::string& name) const {
  std::vector<FakeWindow*> found;
  for (FakeWindow* w : windows_)
    if (name == w->Layout().name) found.push_back(w);
  return found;
}

FakeWindow* FakeToolkit::Find(const std::string& name) const {
  auto all = All(name);
  return all.empty() ? nullptr : all.back();
}

// A window that one of the events destroys hears no more.
void FakeToolkit::Broadcast(void (ui::FormEvents::*event)()) {
  const std::vector<FakeWindow*> told = windows_;
  for (FakeWindow* w : told) {
    const bool live = std::find(windows_.begin(), windows_.end(), w) != windows_.end();
    if (live && w->Loaded()) (w->Events().*event)();
  }
}

}  // namespace fake
