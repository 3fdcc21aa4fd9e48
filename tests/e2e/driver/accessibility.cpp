// What a screen reader learns about a window through Microsoft Active
// Accessibility: the name and role of its client object.
// windows.h must precede the system headers built on it.
// clang-format off
#include <windows.h>
#include <oleacc.h>
// clang-format on

#include "driver/commands.h"
#include "driver/json.h"

namespace pwdriver {

namespace {

// Defined here: with static MinGW the import library's IID_IAccessible is a
// thunk, and the query then fails with E_NOINTERFACE.
constexpr IID kAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

struct Com {
  Com() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ~Com() { CoUninitialize(); }
};

}  // namespace

// accessible HWND: {name, role} of the window's client object, as
// AccessibleObjectFromWindow and get_accName / get_accRole report them;
// name null when the object has none.
std::string CmdAccessible(const Args& args) {
  const Com com;
  IAccessible* object = nullptr;
  const HRESULT found = AccessibleObjectFromWindow(WindowArg(args, 1), OBJID_CLIENT, kAccessible,
                                                   reinterpret_cast<void**>(&object));
  if (FAILED(found) || !object)
    throw CommandError("accessible: AccessibleObjectFromWindow failed, " + std::to_string(found));
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  const bool named = object->get_accName(self, &name) == S_OK && name;
  VARIANT role{};
  object->get_accRole(self, &role);
  object->Release();
  JsonObject reply;
  if (named) {
    reply.Str("name", Narrow(name));
    SysFreeString(name);
  } else {
    reply.Raw("name", "null");
  }
  return reply.Int("role", role.vt == VT_I4 ? role.lVal : -1).Text();
}

}  // namespace pwdriver
