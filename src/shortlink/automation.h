#pragma once
// Late-bound automation over IDispatch: owning types for the COM pointer, BSTR, VARIANT
// and SAFEARRAY data, object creation by program identifier and calls by name.
// Nothing here throws; a failed step yields an empty value.

#include <windows.h>
#include <oaidl.h>
#include <oleauto.h>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace shortlink {

// Owns one reference to a COM interface.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr& other) : pointer_(other.pointer_) {
    if (pointer_) pointer_->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(pointer_, other.pointer_);
    return *this;
  }

  T* get() const { return pointer_; }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  // For out-parameters: drops the current reference first.
  T** put() {
    reset();
    return &pointer_;
  }
  void reset() {
    if (pointer_) std::exchange(pointer_, nullptr)->Release();
  }

 private:
  T* pointer_ = nullptr;
};

// Owns a BSTR. Texts cross the boundary in the ANSI code page.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::string_view ansiText);
  ~Bstr();
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  Bstr(Bstr&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}
  Bstr& operator=(Bstr&& other) noexcept;

  BSTR get() const { return value_; }
  // The slot a by-reference argument points at; the callee may replace the string.
  BSTR* address() { return &value_; }
  std::string toAnsi() const;

 private:
  BSTR value_ = nullptr;
};

std::wstring wideFromAnsi(std::string_view ansiText);
std::string ansiFromWide(std::wstring_view wideText);

// Owns a VARIANT (VariantClear on destruction).
class Variant {
 public:
  Variant() { VariantInit(&value_); }
  ~Variant() { VariantClear(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  Variant(Variant&& other) noexcept;
  Variant& operator=(Variant&& other) noexcept;

  const VARIANT& get() const { return value_; }
  VARIANT* put() {
    VariantClear(&value_);
    return &value_;
  }
  VARTYPE type() const { return V_VT(&value_); }

 private:
  VARIANT value_;
};

// The data of a SAFEARRAY, accessible for the lifetime of this scope.
class SafeArrayAccess {
 public:
  explicit SafeArrayAccess(SAFEARRAY* array);
  ~SafeArrayAccess();
  SafeArrayAccess(const SafeArrayAccess&) = delete;
  SafeArrayAccess& operator=(const SafeArrayAccess&) = delete;

  bool accessible() const { return data_ != nullptr; }
  const void* data() const { return data_; }

 private:
  SAFEARRAY* array_;
  void* data_ = nullptr;
};

// The bytes of a one-dimensional array of unsigned bytes; empty for any other value.
std::vector<std::uint8_t> bytesOf(const VARIANT& value);
// The value as ANSI text (converted by the automation rules); empty when it has none.
std::string textOf(const VARIANT& value);
// The same with every character of the string, zero characters inside it included (a
// terminator some components count into the length is left out).
std::string wholeTextOf(const VARIANT& value);
// The value as an integer; nullopt when it cannot be converted.
std::optional<long> integerOf(const VARIANT& value);

// One argument of a late-bound call: a text (by value or by reference), a boolean or an
// integer. It owns its value; the call only points at it.
class Argument {
 public:
  Argument(std::string_view text) : kind_(Kind::text), text_(text) {}
  Argument(const char* text) : Argument(std::string_view(text)) {}
  Argument(const std::string& text) : Argument(std::string_view(text)) {}
  Argument(bool value) : kind_(Kind::boolean), integer_(value ? 1 : 0) {}
  Argument(int value) : kind_(Kind::integer), integer_(value) {}
  Argument(long value) : kind_(Kind::integer), integer_(value) {}
  static Argument textByReference(std::string_view text);

  // Points `slot` at this argument's value; the slot owns nothing.
  void describe(VARIANT& slot);

 private:
  enum class Kind { text, textByReference, boolean, integer };
  Kind kind_;
  Bstr text_;
  long integer_ = 0;
};

inline Argument byReference(std::string_view text) { return Argument::textByReference(text); }

// CLSIDFromProgID, then CoCreateInstance for IDispatch with every server context (0x17),
// retried with in-process, handler and local (0x7) when that is an invalid argument;
// the object is put into its running state, and one that will not run is released.
ComPtr<IDispatch> createObject(std::string_view progId);

// A method call; nullopt when the name is unknown or the call fails (the object's error
// included). A method with no result gives an empty Variant.
std::optional<Variant> callMethodWith(IDispatch* object, std::string_view name,
                                      std::span<Argument> arguments);
template <typename... Values>
std::optional<Variant> callMethod(IDispatch* object, std::string_view name, Values&&... values) {
  std::array<Argument, sizeof...(Values)> arguments{Argument(std::forward<Values>(values))...};
  return callMethodWith(object, name, arguments);
}

// Property put with one index argument; false when it fails.
bool setProperty(IDispatch* object, std::string_view name, Argument index, Argument value);
// Property get; nullopt when it fails.
std::optional<Variant> getProperty(IDispatch* object, std::string_view name);

}  // namespace shortlink
