#include "jvhelper/jvlink_com.h"

#include <windows.h>

#include <cstdio>

#include "support/win_text.h"

namespace rv {
namespace {

constexpr int kInternalError = -401;

// Every BSTR made here is freed by the VariantClear of its argument.
VARIANT text_arg(std::string_view sjis) {
  VARIANT v;
  VariantInit(&v);
  const std::wstring w = from_cp932(sjis);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
  return v;
}

VARIANT long_arg(LONG n) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = n;
  return v;
}

VARIANT long_out(LONG* n) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BYREF | VT_I4;
  v.plVal = n;
  return v;
}

VARIANT text_out(BSTR* s) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BYREF | VT_BSTR;
  v.pbstrVal = s;
  return v;
}

// Takes the BSTR an out argument received and frees it.
std::string take_text(BSTR& s) {
  std::string out = s != nullptr ? to_cp932(std::wstring_view(s, SysStringLen(s))) : "";
  SysFreeString(s);
  s = nullptr;
  return out;
}

// The control may post itself window messages (its download runs behind a hidden window);
// an STA must let them run.
void pump_messages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

std::string bytes_of(SAFEARRAY* array) {
  std::string out;
  if (array == nullptr || SafeArrayGetDim(array) != 1) return out;
  LONG lo = 0;
  LONG hi = -1;
  SafeArrayGetLBound(array, 1, &lo);
  SafeArrayGetUBound(array, 1, &hi);
  void* data = nullptr;
  if (hi >= lo && SUCCEEDED(SafeArrayAccessData(array, &data))) {
    out.assign(static_cast<const char*>(data), static_cast<std::size_t>(hi - lo + 1));
    SafeArrayUnaccessData(array);
  }
  return out;
}

}  // namespace

JVLinkCom::JVLinkCom(IDispatch* control) : control_(control) {
  control_->AddRef();
}

JVLinkCom::~JVLinkCom() {
  control_->Release();
}

DISPID JVLinkCom::id_of(const wchar_t* name) {
  const auto it = ids_.find(name);
  if (it != ids_.end()) return it->second;
  DISPID id = -1;
  auto* n = const_cast<LPOLESTR>(name);
  if (FAILED(control_->GetIDsOfNames(IID_NULL, &n, 1, LOCALE_USER_DEFAULT, &id))) id = -1;
  ids_.emplace(name, id);
  return id;
}

int JVLinkCom::invoke(const wchar_t* name, std::vector<VARIANT>& args, HRESULT& hr) {
  pump_messages();
  const DISPID id = id_of(name);
  hr = DISP_E_MEMBERNOTFOUND;
  int result = kInternalError;
  if (id != -1) {
    // DISPPARAMS holds the arguments last first.
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    VARIANT out;
    VariantInit(&out);
    EXCEPINFO ex{};
    UINT bad_arg = 0;
    hr = control_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &out, &ex,
                          &bad_arg);
    if (SUCCEEDED(hr) && SUCCEEDED(VariantChangeType(&out, &out, 0, VT_I4))) result = out.lVal;
    VariantClear(&out);
    SysFreeString(ex.bstrSource);
    SysFreeString(ex.bstrDescription);
    SysFreeString(ex.bstrHelpFile);
  }
  // By-reference arguments point at the caller's storage, which the caller frees.
  for (VARIANT& a : args) {
    if ((a.vt & VT_BYREF) == 0) VariantClear(&a);
  }
  pump_messages();
  return result;
}

int JVLinkCom::invoke(const wchar_t* name, std::vector<VARIANT>& args) {
  HRESULT hr = S_OK;
  return invoke(name, args, hr);
}

int JVLinkCom::JVInit(std::string_view sid) {
  std::vector<VARIANT> args{text_arg(sid)};
  return invoke(L"JVInit", args);
}

int JVLinkCom::JVSetUIProperties() {
  std::vector<VARIANT> args;
  return invoke(L"JVSetUIProperties", args);
}

int JVLinkCom::JVOpen(std::string_view dataspec, std::string_view fromtime, int option,
                      int& readcount, int& downloadcount, std::string& lastfiletimestamp) {
  LONG reads = 0;
  LONG downloads = 0;
  BSTR last = nullptr;
  std::vector<VARIANT> args{text_arg(dataspec), text_arg(fromtime),   long_arg(option),
                            long_out(&reads),   long_out(&downloads), text_out(&last)};
  const int r = invoke(L"JVOpen", args);
  readcount = reads;
  downloadcount = downloads;
  lastfiletimestamp = take_text(last);
  return r;
}

int JVLinkCom::JVRTOpen(std::string_view dataspec, std::string_view key) {
  std::vector<VARIANT> args{text_arg(dataspec), text_arg(key)};
  return invoke(L"JVRTOpen", args);
}

int JVLinkCom::JVStatus() {
  std::vector<VARIANT> args;
  return invoke(L"JVStatus", args);
}

int JVLinkCom::read_bytes(std::string& buff, int& size, std::string& filename) {
  // The buffer as a byte array by reference, or as a variant by reference that receives one:
  // whichever the control accepts, remembered after the first call that works.
  for (const VARTYPE kind : {VARTYPE(VT_ARRAY | VT_UI1), VARTYPE(VT_VARIANT)}) {
    if (gets_buffer_ != 0 && gets_buffer_ != kind) continue;
    SAFEARRAY* array = nullptr;
    VARIANT holder;
    VariantInit(&holder);
    VARIANT buf;
    VariantInit(&buf);
    buf.vt = VT_BYREF | kind;
    if (kind == VT_VARIANT) {
      buf.pvarVal = &holder;
    } else {
      buf.pparray = &array;
    }
    BSTR name = nullptr;
    std::vector<VARIANT> args{buf, long_arg(size), text_out(&name)};
    HRESULT hr = S_OK;
    const int r = invoke(L"JVGets", args, hr);
    if (holder.vt == (VT_ARRAY | VT_UI1)) array = holder.parray;
    buff = r > 0 ? bytes_of(array).substr(0, static_cast<std::size_t>(r)) : "";
    if (holder.vt != VT_EMPTY) {
      VariantClear(&holder);
    } else if (array != nullptr) {
      SafeArrayDestroy(array);
    }
    filename = take_text(name);
    if (hr == DISP_E_TYPEMISMATCH || hr == DISP_E_BADVARTYPE) continue;
    gets_buffer_ = kind;
    size = r > 0 ? r : 0;
    return r;
  }
  return kInternalError;
}

int JVLinkCom::JVRead(std::string& buff, int& size, std::string& filename) {
  if (id_of(L"JVGets") != -1) return read_bytes(buff, size, filename);
  BSTR text = nullptr;
  BSTR name = nullptr;
  LONG n = size;
  std::vector<VARIANT> args{text_out(&text), long_out(&n), text_out(&name)};
  const int r = invoke(L"JVRead", args);
  buff = take_text(text);
  filename = take_text(name);
  size = r > 0 ? static_cast<int>(buff.size()) : 0;
  return r > 0 ? size : r;
}

int JVLinkCom::JVClose() {
  std::vector<VARIANT> args;
  return invoke(L"JVClose", args);
}

int JVLinkCom::JVCancel() {
  std::vector<VARIANT> args;
  return invoke(L"JVCancel", args);
}

int with_jvlink_com(const std::string& progid, const std::function<int(JVLink&)>& serve) {
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 3;
  int rc = 3;
  CLSID clsid{};
  IDispatch* control = nullptr;
  if (SUCCEEDED(CLSIDFromProgID(widen(progid).c_str(), &clsid)) &&
      SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                 IID_IDispatch, reinterpret_cast<void**>(&control)))) {
    {
      JVLinkCom jv(control);
      rc = serve(jv);
    }
    control->Release();
  } else {
    std::fprintf(stderr, "ravelin-jvlink: cannot create %s\n", progid.c_str());
  }
  CoUninitialize();
  return rc;
}

}  // namespace rv
