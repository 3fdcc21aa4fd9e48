#include "win32/accessible_properties.h"

#include "win32/system_library.h"

namespace win32 {

namespace {

// Defined here rather than taken from the SDK's import libraries, whose
// static MinGW versions resolve these to thunks that fail.
constexpr CLSID kAccPropServicesClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr IID kAccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr IID kClassFactoryInterface = {
    0x00000001, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kNameProperty = {
    0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr GUID kRoleProperty = {
    0xcb905ff2, 0x7bd1, 0x4c05, {0xb3, 0xc8, 0xe6, 0xc2, 0x41, 0x36, 0x4d, 0x70}};

}  // namespace

// The class object comes straight from oleacc, loaded from the system
// folder, rather than through the registry.
IAccPropServices* AccessibleProperties::Service() {
  if (tried_) return service_.get();
  tried_ = true;
  com_.Enter();
  HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
  const auto getClassObject =
      oleacc ? FindFunction<decltype(::DllGetClassObject)>(oleacc, "DllGetClassObject") : nullptr;
  IClassFactory* factory = nullptr;
  if (!getClassObject || FAILED(getClassObject(kAccPropServicesClass, kClassFactoryInterface,
                                               reinterpret_cast<void**>(&factory))))
    return nullptr;
  void* service = nullptr;
  const HRESULT created = factory->CreateInstance(nullptr, kAccPropServicesInterface, &service);
  factory->Release();
  if (SUCCEEDED(created)) service_.reset(static_cast<IAccPropServices*>(service));
  return service_.get();
}

void AccessibleProperties::SetName(HWND control, const std::wstring& name) {
  if (IAccPropServices* service = Service())
    service->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, kNameProperty, name.c_str());
}

void AccessibleProperties::SetRole(HWND control, LONG role) {
  IAccPropServices* service = Service();
  if (!service) return;
  VARIANT value{};
  value.vt = VT_I4;
  value.lVal = role;
  service->SetHwndProp(control, OBJID_CLIENT, CHILDID_SELF, kRoleProperty, value);
}

void AccessibleProperties::Clear(HWND control) {
  if (!service_) return;
  const MSAAPROPID properties[] = {kNameProperty, kRoleProperty};
  service_->ClearHwndProps(control, OBJID_CLIENT, CHILDID_SELF, properties, 2);
}

}  // namespace win32
