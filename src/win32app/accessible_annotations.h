#pragma once

#include <set>
#include <string_view>

#include "win32app/windows_headers.h"

struct IAccPropServices;

namespace tallies {

// What the standard controls cannot tell a screen reader by themselves, added to their
// accessible objects through the system's annotation service (IAccPropServices, no COM class
// of our own): a button's or list's description, a result's name and value, the link's role.
// A system without the service (or one that refuses an annotation) leaves the controls as they
// are: every call reports whether the annotation was taken, and nothing else depends on it.
class AccessibleAnnotations {
 public:
  // Needs COM on the calling thread.
  AccessibleAnnotations();
  ~AccessibleAnnotations();
  AccessibleAnnotations(const AccessibleAnnotations&) = delete;
  AccessibleAnnotations& operator=(const AccessibleAnnotations&) = delete;

  bool SetName(HWND control, std::wstring_view name);
  bool SetDescription(HWND control, std::wstring_view description);
  bool SetValue(HWND control, std::wstring_view value);
  // The control is a link (ROLE_SYSTEM_LINK), whatever its window class says.
  bool SetLinkRole(HWND control);

  // Takes every annotation back, while the controls still exist (their parent's WM_DESTROY).
  void ClearAll();

 private:
  bool SetText(HWND control, const GUID& property, std::wstring_view text);

  IAccPropServices* m_services = nullptr;
  std::set<HWND> m_annotated;
};

}  // namespace tallies
