#include "win32/com_apartment.h"

#include "win32/system_library.h"

namespace win32 {

ComApartment::~ComApartment() {
  if (leave_) leave_();
}

void ComApartment::Enter() {
  if (tried_) return;
  tried_ = true;
  HMODULE ole32 = LoadSystemLibrary(L"ole32.dll");
  if (!ole32) return;
  const auto enter = FindFunction<decltype(::CoInitializeEx)>(ole32, "CoInitializeEx");
  const auto leave = FindFunction<decltype(::CoUninitialize)>(ole32, "CoUninitialize");
  if (enter && leave &&
      SUCCEEDED(enter(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)))
    leave_ = leave;
}

}  // namespace win32
