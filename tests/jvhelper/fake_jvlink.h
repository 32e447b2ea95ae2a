// A control of our own with JV-Link's method names and signatures, for the helper's COM
// calls: an IDispatch (no type library) that serves the stand-in over a feed folder, the
// record by JVRead as a wide string and, when offered, by JVGets as a byte array.
#pragma once

#include <oaidl.h>

#include <atomic>
#include <filesystem>

#include "acquire/jvlink_sim.h"

namespace rv::testing {

// Its ProgID and class id when registered (fake_jvlink_dll.cpp).
inline constexpr const wchar_t* kFakeProgId = L"Ravelin.FakeJVLink";

class FakeJVLink final : public IDispatch {
 public:
  FakeJVLink(const std::filesystem::path& feed, bool offers_gets);
  virtual ~FakeJVLink() = default;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO*, UINT*) override;

 private:
  JVLinkSim sim_;
  bool offers_gets_;
  std::atomic<ULONG> refs_{1};
};

}  // namespace rv::testing
