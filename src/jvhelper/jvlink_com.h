// Windows only: JV-Link as the COM control, late bound through IDispatch (methods looked up by
// name, no vendor header or type library), called on the thread of its single-threaded
// apartment.
#pragma once

#include <oaidl.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "acquire/jvlink.h"

namespace rv {

class JVLinkCom final : public JVLink {
 public:
  // Holds a reference to control for its lifetime.
  explicit JVLinkCom(IDispatch* control);
  ~JVLinkCom() override;
  JVLinkCom(const JVLinkCom&) = delete;
  JVLinkCom& operator=(const JVLinkCom&) = delete;

  int JVInit(std::string_view sid) override;
  int JVSetUIProperties() override;
  int JVOpen(std::string_view dataspec, std::string_view fromtime, int option, int& readcount,
             int& downloadcount, std::string& lastfiletimestamp) override;
  int JVRTOpen(std::string_view dataspec, std::string_view key) override;
  int JVStatus() override;
  // Through JVGets (the record as a byte array, the bytes as served) where the control has
  // it; JVRead's wide string would fold the characters that have two Shift-JIS codes.
  int JVRead(std::string& buff, int& size, std::string& filename) override;
  int JVClose() override;
  int JVCancel() override;

 private:
  // The method's dispatch id, looked up once; -1 when the control has none of that name.
  DISPID id_of(const wchar_t* name);
  // Calls the method with args in the order of its signature (by-reference out arguments as
  // VT_BYREF variants) and gives its result as a long; hr is the call's outcome.
  int invoke(const wchar_t* name, std::vector<VARIANT>& args, HRESULT& hr);
  int invoke(const wchar_t* name, std::vector<VARIANT>& args);
  int read_bytes(std::string& buff, int& size, std::string& filename);

  IDispatch* control_;
  std::map<std::wstring, DISPID> ids_;
  // How JVGets takes its buffer: 0 not known yet, VT_ARRAY | VT_UI1, or VT_VARIANT.
  VARTYPE gets_buffer_ = 0;
};

// Initialises COM on this thread (an STA), creates the control by its ProgID and hands it to
// serve; the exit status: serve's, or 3 when the control cannot be created.
int with_jvlink_com(const std::string& progid, const std::function<int(JVLink&)>& serve);

}  // namespace rv
