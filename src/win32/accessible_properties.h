// Names and roles for assistive technology that no window text can carry
// (the name of a text box, the role of a link drawn by the program), set on
// the controls' windows with the system's own annotation service. The service
// lives in oleacc, which loads from the system folder when first needed: when
// assistive technology first asks one of the program's windows.
#pragma once

// windows.h must precede the system headers built on it.
// clang-format off
#include <windows.h>
#include <oleacc.h>
// clang-format on

#include <memory>
#include <string>

#include "win32/com_apartment.h"

namespace win32 {

class AccessibleProperties {
 public:
  explicit AccessibleProperties(ComApartment& com) : com_(com) {}
  AccessibleProperties(const AccessibleProperties&) = delete;
  AccessibleProperties& operator=(const AccessibleProperties&) = delete;

  // Without the service (oleacc missing or refusing), these do nothing: the
  // control keeps what the system says of it by itself.
  void SetName(HWND control, const std::wstring& name);
  void SetRole(HWND control, LONG role);
  // Forgets what was set on `control`, which is about to be destroyed.
  void Clear(HWND control);

 private:
  struct Releaser {
    void operator()(IUnknown* object) const noexcept { object->Release(); }
  };

  IAccPropServices* Service();

  ComApartment& com_;
  bool tried_ = false;
  std::unique_ptr<IAccPropServices, Releaser> service_;
};

}  // namespace win32
