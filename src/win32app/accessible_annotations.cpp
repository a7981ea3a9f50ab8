#include "win32app/accessible_annotations.h"

#include <string>

// The property and class identifiers are defined here, as oleacc.h asks of one of its users.
// clang-format off
#include <initguid.h>
#include <oleacc.h>
// clang-format on

namespace tallies {
namespace {

// Every property this program annotates, for taking them back.
const MSAAPROPID kProperties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION, PROPID_ACC_VALUE,
                                  PROPID_ACC_ROLE};

}  // namespace

AccessibleAnnotations::AccessibleAnnotations() {
  void* services = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IAccPropServices, &services))) {
    m_services = static_cast<IAccPropServices*>(services);
  }
}

AccessibleAnnotations::~AccessibleAnnotations() {
  ClearAll();
  if (m_services) m_services->Release();
}

bool AccessibleAnnotations::SetName(HWND control, std::wstring_view name) {
  return SetText(control, PROPID_ACC_NAME, name);
}

bool AccessibleAnnotations::SetDescription(HWND control, std::wstring_view description) {
  return SetText(control, PROPID_ACC_DESCRIPTION, description);
}

bool AccessibleAnnotations::SetValue(HWND control, std::wstring_view value) {
  return SetText(control, PROPID_ACC_VALUE, value);
}

bool AccessibleAnnotations::SetLinkRole(HWND control) {
  if (!m_services || !control) return false;
  VARIANT value{};
  value.vt = VT_I4;
  value.lVal = ROLE_SYSTEM_LINK;
  if (FAILED(m_services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                     PROPID_ACC_ROLE, value))) {
    return false;
  }
  m_annotated.insert(control);
  return true;
}

bool AccessibleAnnotations::SetText(HWND control, const GUID& property, std::wstring_view text) {
  if (!m_services || !control) return false;
  const std::wstring copy(text);
  if (FAILED(m_services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                        property, copy.c_str()))) {
    return false;
  }
  m_annotated.insert(control);
  return true;
}

void AccessibleAnnotations::ClearAll() {
  if (m_services) {
    for (HWND control : m_annotated) {
      m_services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 kProperties, static_cast<int>(std::size(kProperties)));
    }
  }
  m_annotated.clear();
}

}  // namespace tallies
