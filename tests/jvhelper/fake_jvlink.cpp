#include "jvhelper/fake_jvlink.h"

#include <array>
#include <string>
#include <string_view>

#include "support/win_text.h"

namespace rv::testing {
namespace {

constexpr std::array<const wchar_t*, 9> kMethods = {
    L"JVInit", L"JVSetUIProperties", L"JVOpen",   L"JVRTOpen", L"JVStatus", L"JVRead",
    L"JVGets", L"JVClose",           L"JVCancel",
};

std::string text_in(const VARIANT& v) {
  const VARIANT& d = v.vt == (VT_BYREF | VT_VARIANT) ? *v.pvarVal : v;
  if (d.vt == VT_BSTR) return to_cp932(std::wstring_view(d.bstrVal, SysStringLen(d.bstrVal)));
  if (d.vt == (VT_BYREF | VT_BSTR)) {
    return to_cp932(std::wstring_view(*d.pbstrVal, SysStringLen(*d.pbstrVal)));
  }
  return {};
}

LONG long_in(const VARIANT& v) {
  VARIANT copy;
  VariantInit(&copy);
  LONG n = 0;
  if (SUCCEEDED(VariantChangeType(&copy, const_cast<VARIANT*>(&v), 0, VT_I4))) n = copy.lVal;
  VariantClear(&copy);
  return n;
}

bool long_out(VARIANT& v, LONG n) {
  if (v.vt != (VT_BYREF | VT_I4)) return false;
  *v.plVal = n;
  return true;
}

bool text_out(VARIANT& v, std::string_view sjis) {
  if (v.vt != (VT_BYREF | VT_BSTR)) return false;
  const std::wstring w = from_cp932(sjis);
  SysFreeString(*v.pbstrVal);
  *v.pbstrVal = SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
  return true;
}

bool bytes_out(VARIANT& v, std::string_view bytes) {
  SAFEARRAY* a = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
  void* data = nullptr;
  SafeArrayAccessData(a, &data);
  std::copy(bytes.begin(), bytes.end(), static_cast<char*>(data));
  SafeArrayUnaccessData(a);
  if (v.vt == (VT_BYREF | VT_ARRAY | VT_UI1)) {
    if (*v.pparray != nullptr) SafeArrayDestroy(*v.pparray);
    *v.pparray = a;
    return true;
  }
  if (v.vt == (VT_BYREF | VT_VARIANT)) {
    VariantClear(v.pvarVal);
    v.pvarVal->vt = VT_ARRAY | VT_UI1;
    v.pvarVal->parray = a;
    return true;
  }
  SafeArrayDestroy(a);
  return false;
}

}  // namespace

FakeJVLink::FakeJVLink(const std::filesystem::path& feed, bool offers_gets)
    : sim_(feed), offers_gets_(offers_gets) {}

HRESULT FakeJVLink::QueryInterface(REFIID riid, void** out) {
  if (riid == IID_IUnknown || riid == IID_IDispatch) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG FakeJVLink::Release() {
  const ULONG n = --refs_;
  if (n == 0) delete this;
  return n;
}

HRESULT FakeJVLink::GetTypeInfoCount(UINT* n) {
  *n = 0;
  return S_OK;
}

HRESULT FakeJVLink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  *info = nullptr;
  return E_NOTIMPL;
}

HRESULT FakeJVLink::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  for (std::size_t m = 0; m < kMethods.size(); ++m) {
    if (count >= 1 && _wcsicmp(names[0], kMethods[m]) == 0 &&
        (offers_gets_ || std::wstring_view(kMethods[m]) != L"JVGets")) {
      const auto id = m + 1;  // 0 is no method
      ids[0] = static_cast<DISPID>(id);
      return S_OK;
    }
  }
  return DISP_E_UNKNOWNNAME;
}

HRESULT FakeJVLink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                           EXCEPINFO*, UINT*) {
  const std::array<UINT, 9> arity = {1, 0, 6, 2, 0, 3, 3, 0, 0};
  if (id < 1 || id > static_cast<DISPID>(kMethods.size())) return DISP_E_MEMBERNOTFOUND;
  if (params->cArgs != arity[id - 1]) return DISP_E_BADPARAMCOUNT;
  const auto arg = [&](UINT i) -> VARIANT& { return params->rgvarg[params->cArgs - 1 - i]; };
  LONG r = 0;
  bool typed = true;
  switch (id) {
    case 1:
      r = sim_.JVInit(text_in(arg(0)));
      break;
    case 2:
      r = sim_.JVSetUIProperties();
      break;
    case 3: {
      int reads = 0;
      int downloads = 0;
      std::string last;
      r = sim_.JVOpen(text_in(arg(0)), text_in(arg(1)), long_in(arg(2)), reads, downloads, last);
      typed = long_out(arg(3), reads) && long_out(arg(4), downloads) && text_out(arg(5), last);
      break;
    }
    case 4:
      r = sim_.JVRTOpen(text_in(arg(0)), text_in(arg(1)));
      break;
    case 5:
      r = sim_.JVStatus();
      break;
    case 6:
    case 7: {
      std::string buff;
      std::string name;
      int size = long_in(arg(1));
      r = sim_.JVRead(buff, size, name);
      typed =
          (id == 6 ? text_out(arg(0), buff) && long_out(arg(1), size) : bytes_out(arg(0), buff)) &&
          text_out(arg(2), name);
      break;
    }
    case 8:
      r = sim_.JVClose();
      break;
    default:
      r = sim_.JVCancel();
      break;
  }
  if (!typed) return DISP_E_TYPEMISMATCH;
  if (result != nullptr) {
    VariantInit(result);
    result->vt = VT_I4;
    result->lVal = r;
  }
  return S_OK;
}

}  // namespace rv::testing
