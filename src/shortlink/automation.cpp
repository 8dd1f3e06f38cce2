#include "shortlink/automation.h"

#include <cstring>
#include <cwchar>

namespace shortlink {

std::wstring wideFromAnsi(std::string_view ansiText) {
  if (ansiText.empty()) return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, ansiText.data(),
                                         static_cast<int>(ansiText.size()), nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansiText.data(), static_cast<int>(ansiText.size()), wide.data(),
                      length);
  return wide;
}

std::string ansiFromWide(std::wstring_view wideText) {
  if (wideText.empty()) return {};
  const int length = WideCharToMultiByte(CP_ACP, 0, wideText.data(),
                                         static_cast<int>(wideText.size()), nullptr, 0, nullptr,
                                         nullptr);
  if (length <= 0) return {};
  std::string ansi(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wideText.data(), static_cast<int>(wideText.size()), ansi.data(),
                      length, nullptr, nullptr);
  return ansi;
}

Bstr::Bstr(std::string_view ansiText) {
  const std::wstring wide = wideFromAnsi(ansiText);
  value_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

Bstr::~Bstr() { SysFreeString(value_); }

Bstr& Bstr::operator=(Bstr&& other) noexcept {
  if (this != &other) {
    SysFreeString(value_);
    value_ = std::exchange(other.value_, nullptr);
  }
  return *this;
}

namespace {

// Texts end at their first zero character; some components count a terminator into the
// BSTR's length.
std::string ansiFromBstr(BSTR value) {
  if (!value) return {};
  return ansiFromWide(std::wstring_view(value, wcsnlen(value, SysStringLen(value))));
}

}  // namespace

std::string Bstr::toAnsi() const { return ansiFromBstr(value_); }

Variant::Variant(Variant&& other) noexcept {
  std::memcpy(&value_, &other.value_, sizeof value_);
  VariantInit(&other.value_);
}

Variant& Variant::operator=(Variant&& other) noexcept {
  if (this != &other) {
    VariantClear(&value_);
    std::memcpy(&value_, &other.value_, sizeof value_);
    VariantInit(&other.value_);
  }
  return *this;
}

SafeArrayAccess::SafeArrayAccess(SAFEARRAY* array) : array_(array) {
  if (array_ && FAILED(SafeArrayAccessData(array_, &data_))) data_ = nullptr;
}

SafeArrayAccess::~SafeArrayAccess() {
  if (data_) SafeArrayUnaccessData(array_);
}

std::vector<std::uint8_t> bytesOf(const VARIANT& value) {
  SAFEARRAY* array = nullptr;
  if (V_VT(&value) == (VT_ARRAY | VT_UI1)) {
    array = V_ARRAY(&value);
  } else if (V_VT(&value) == (VT_BYREF | VT_ARRAY | VT_UI1) && V_ARRAYREF(&value)) {
    array = *V_ARRAYREF(&value);
  }
  if (!array || SafeArrayGetDim(array) != 1 || SafeArrayGetElemsize(array) != 1) return {};
  LONG lower = 0;
  LONG upper = -1;
  if (FAILED(SafeArrayGetLBound(array, 1, &lower)) ||
      FAILED(SafeArrayGetUBound(array, 1, &upper)) || upper < lower) {
    return {};
  }
  const SafeArrayAccess access(array);
  if (!access.accessible()) return {};
  const auto* first = static_cast<const std::uint8_t*>(access.data());
  return std::vector<std::uint8_t>(first, first + (static_cast<size_t>(upper) - lower + 1));
}

std::string textOf(const VARIANT& value) {
  Variant text;
  if (FAILED(VariantChangeType(text.put(), const_cast<VARIANT*>(&value), 0, VT_BSTR))) return {};
  return ansiFromBstr(V_BSTR(&text.get()));
}

std::string wholeTextOf(const VARIANT& value) {
  Variant text;
  if (FAILED(VariantChangeType(text.put(), const_cast<VARIANT*>(&value), 0, VT_BSTR))) return {};
  const BSTR string = V_BSTR(&text.get());
  if (!string) return {};
  std::wstring_view characters(string, SysStringLen(string));
  while (!characters.empty() && characters.back() == L'\0') characters.remove_suffix(1);
  return ansiFromWide(characters);
}

std::optional<long> integerOf(const VARIANT& value) {
  Variant integer;
  if (FAILED(VariantChangeType(integer.put(), const_cast<VARIANT*>(&value), 0, VT_I4))) return std::nullopt;
  return V_I4(&integer.get());
}

Argument Argument::textByReference(std::string_view text) {
  Argument argument(text);
  argument.kind_ = Kind::textByReference;
  return argument;
}

void Argument::describe(VARIANT& slot) {
  VariantInit(&slot);
  switch (kind_) {
    case Kind::text:
      V_VT(&slot) = VT_BSTR;
      V_BSTR(&slot) = text_.get();
      break;
    case Kind::textByReference:
      V_VT(&slot) = VT_BYREF | VT_BSTR;
      V_BSTRREF(&slot) = text_.address();
      break;
    case Kind::boolean:
      V_VT(&slot) = VT_BOOL;
      V_BOOL(&slot) = integer_ ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case Kind::integer:
      V_VT(&slot) = VT_I4;
      V_I4(&slot) = static_cast<LONG>(integer_);
      break;
  }
}

ComPtr<IDispatch> createObject(std::string_view progId) {
  const std::wstring wideProgId = wideFromAnsi(progId);
  CLSID classId{};
  if (wideProgId.empty() || FAILED(CLSIDFromProgID(wideProgId.c_str(), &classId))) return {};

  constexpr DWORD everyServer = 0x17;  // in-process, handler, local and remote
  constexpr DWORD localServers = 0x7;  // for platforms that reject the remote context
  ComPtr<IDispatch> object;
  HRESULT result = CoCreateInstance(classId, nullptr, everyServer, IID_IDispatch,
                                    reinterpret_cast<void**>(object.put()));
  if (result == E_INVALIDARG) {
    result = CoCreateInstance(classId, nullptr, localServers, IID_IDispatch,
                              reinterpret_cast<void**>(object.put()));
  }
  if (FAILED(result) || !object) return {};
  if (FAILED(OleRun(object.get()))) return {};
  return object;
}

namespace {

// Frees what a failing call may leave in its exception record.
struct ExceptionRecord {
  EXCEPINFO info{};
  ~ExceptionRecord() {
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
  }
};

std::optional<DISPID> dispatchIdOf(IDispatch* object, std::string_view name) {
  std::wstring wideName = wideFromAnsi(name);
  if (wideName.empty()) return std::nullopt;
  LPOLESTR names[] = {wideName.data()};
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) {
    return std::nullopt;
  }
  return id;
}

// Invokes `name` with the arguments in their natural order; a property put names its
// last argument as the value.
std::optional<Variant> invokeByName(IDispatch* object, std::string_view name, WORD flags,
                                    std::span<Argument> arguments) {
  if (!object) return std::nullopt;
  const std::optional<DISPID> id = dispatchIdOf(object, name);
  if (!id) return std::nullopt;

  // Automation expects the arguments last to first.
  std::vector<VARIANT> slots(arguments.size());
  for (size_t i = 0; i < arguments.size(); ++i) {
    arguments[i].describe(slots[arguments.size() - 1 - i]);
  }
  DISPID putValue = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{};
  parameters.rgvarg = slots.empty() ? nullptr : slots.data();
  parameters.cArgs = static_cast<UINT>(slots.size());
  if (flags == DISPATCH_PROPERTYPUT) {
    parameters.rgdispidNamedArgs = &putValue;
    parameters.cNamedArgs = 1;
  }

  Variant result;
  VARIANT* resultSlot = flags == DISPATCH_PROPERTYPUT ? nullptr : result.put();
  ExceptionRecord exception;
  UINT badArgument = 0;
  const HRESULT status = object->Invoke(*id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                        resultSlot, &exception.info, &badArgument);
  if (FAILED(status)) return std::nullopt;
  return result;
}

}  // namespace

std::optional<Variant> callMethodWith(IDispatch* object, std::string_view name,
                                      std::span<Argument> arguments) {
  return invokeByName(object, name, DISPATCH_METHOD, arguments);
}

bool setProperty(IDispatch* object, std::string_view name, Argument index, Argument value) {
  std::array<Argument, 2> arguments{std::move(index), std::move(value)};
  return invokeByName(object, name, DISPATCH_PROPERTYPUT, arguments).has_value();
}

std::optional<Variant> getProperty(IDispatch* object, std::string_view name) {
  return invokeByName(object, name, DISPATCH_PROPERTYGET, {});
}

}  // namespace shortlink
