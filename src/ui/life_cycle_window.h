// The life of a window, the same on every platform: loaded at creation,
// asked before it unloads, unloaded once, and never touched again by the
// toolkit once an event handler has destroyed it.
#pragma once

#include <memory>

#include "ui/window.h"

namespace ui {

class LifeCycleWindow : public Window {
 public:
  ~LifeCycleWindow() override { *alive_ = false; }
  LifeCycleWindow(const LifeCycleWindow&) = delete;
  LifeCycleWindow& operator=(const LifeCycleWindow&) = delete;

  bool Loaded() const final { return loaded_; }
  void Unload() final;
  void Close(int unloadMode) final;

 protected:
  explicit LifeCycleWindow(FormEvents& events) : events_(events) {}

  // Events reach the form only once the window is built and while loaded.
  void MarkBuilt() { built_ = true; }
  bool Live() const { return built_ && loaded_; }
  FormEvents& Events() const { return events_; }

  // The native window went away by other means than an unload: the window
  // is no longer loaded, and no handler runs for it.
  void MarkGone() {
    loaded_ = false;
    unloading_ = false;
  }

  // Called once the form's Unload handler has run and has left this object
  // alive: takes the native window down.
  virtual void DestroyNative() = 0;

 private:
  void FinishUnload();

  FormEvents& events_;
  // False once this object is destroyed: an unload checks it after each
  // handler, which may have destroyed the window and the form that owns it.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  bool built_ = false;
  bool loaded_ = true;
  bool unloading_ = false;
};

}  // namespace ui
