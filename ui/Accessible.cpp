#include "ui/Accessible.h"

#include <oleacc.h>

#include "app/SystemLibraries.h"

namespace {

using CreateStdAccessibleObjectFunction = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFunction = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);

// oleacc.dll is not among the DLLs Windows always takes from the system folder; it is loaded
// from there at a screen reader's first question and kept.
struct AccessibilityLibrary {
  LibraryHandle module = LoadSystemLibrary(L"oleacc.dll");
  CreateStdAccessibleObjectFunction createStandard =
      LibraryFunction<CreateStdAccessibleObjectFunction>(module.Get(), "CreateStdAccessibleObject");
  LresultFromObjectFunction lresultFromObject =
      LibraryFunction<LresultFromObjectFunction>(module.Get(), "LresultFromObject");
};

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The system's object for the window, with another name and role. (Its interface id is the
// header's: IID_IAccessible is data of oleacc.dll, which the program does not import.)
class NamedAccessible final : public IAccessible {
 public:
  NamedAccessible(IAccessible* standard, const std::wstring& name, LONG role)
      : standard_(standard), name_(name), role_(role) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    return standard_->QueryInterface(iid, object);  // the window's IOleWindow, the children's enumeration
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
      standard_->Release();
      delete this;
    }
    return ULONG(left);
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child)) return standard_->get_accName(child, name);
    if (!name) return E_POINTER;
    *name = SysAllocString(name_.c_str());
    return *name ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!IsSelf(child)) return standard_->get_accRole(child, role);
    if (!role) return E_POINTER;
    role->vt = VT_I4;
    role->lVal = role_;
    return S_OK;
  }

  // The rest is the system's.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override {
    return standard_->GetIDsOfNames(iid, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception, UINT* wrong) override {
    return standard_->Invoke(id, iid, locale, flags, parameters, result, exception, wrong);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    return standard_->get_accChild(child, object);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override { return standard_->get_accValue(child, value); }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return standard_->get_accDescription(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override { return standard_->get_accState(child, state); }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override { return standard_->get_accHelp(child, help); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return standard_->get_accKeyboardShortcut(child, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override { return standard_->get_accSelection(children); }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override { return standard_->accSelect(flags, child); }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override { return standard_->accHitTest(x, y, child); }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return standard_->accDoDefaultAction(child); }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override { return standard_->put_accName(child, name); }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override { return standard_->put_accValue(child, value); }

 private:
  ~NamedAccessible() = default;
  IAccessible* standard_;
  std::wstring name_;
  LONG role_;
  LONG references_ = 1;
};

}  // namespace

LRESULT AnswerAccessible(HWND control, WPARAM wParam, LPARAM lParam, const std::wstring& name, LONG role) {
  if (LONG(lParam) != OBJID_CLIENT) return 0;
  static const AccessibilityLibrary library;
  IAccessible* standard = nullptr;
  if (!library.createStandard || !library.lresultFromObject ||
      FAILED(library.createStandard(control, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard)))) {
    return 0;
  }
  auto* named = new NamedAccessible(standard, name, role);
  const LRESULT answer = library.lresultFromObject(__uuidof(IAccessible), wParam, named);
  named->Release();
  return answer > 0 ? answer : 0;
}

std::wstring LabelOf(HWND control) {
  const HWND label = GetWindow(control, GW_HWNDPREV);
  wchar_t className[16] = {};
  if (!label || !GetClassNameW(label, className, 16) || lstrcmpiW(className, L"Static") != 0) return L"";
  wchar_t text[256] = {};
  GetWindowTextW(label, text, 256);
  std::wstring name = text;
  const size_t mark = name.find(L"(&");  // "Sprache(&G):" in East Asian languages
  if (mark != std::wstring::npos && mark + 3 < name.size() && name[mark + 3] == L')') name.erase(mark, 4);
  const size_t ampersand = name.find(L'&');
  if (ampersand != std::wstring::npos) name.erase(ampersand, 1);
  while (!name.empty() && (name.back() == L':' || name.back() == L' ' || name.back() == L'\uff1a')) name.pop_back();
  return name;
}
