#include "ui/life_cycle_window.h"

namespace ui {

// From code. A QueryUnload handler that unloads its own window finishes the
// unload under way rather than asking again.
void LifeCycleWindow::Unload() {
  if (!loaded_) return;
  if (unloading_)
    FinishUnload();
  else
    Close(kFormCode);
}

void LifeCycleWindow::Close(int unloadMode) {
  if (!loaded_ || unloading_) return;
  const std::shared_ptr<bool> alive = alive_;
  unloading_ = true;
  int cancel = 0;
  if (built_) events_.QueryUnload(cancel, unloadMode);
  if (!*alive) return;
  unloading_ = false;
  if (!cancel) FinishUnload();
}

void LifeCycleWindow::FinishUnload() {
  if (!loaded_) return;
  const std::shared_ptr<bool> alive = alive_;
  loaded_ = false;
  unloading_ = false;
  if (built_) events_.Unload();
  if (!*alive) return;
  DestroyNative();
}

}  // namespace ui
