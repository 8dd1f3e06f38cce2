// Font families, fonts and string formats.
#include "draw/drawing_internal.h"
#include "draw/step_timing.h"

namespace draw {

using namespace detail;

// DrawingFontFamily

bool DrawingFontFamily::create(std::string_view name, Gdiplus::GpFontCollection* collection) {
  const FirstRunTimer timer("font family by name");
  const std::wstring wide = toWideText(name);
  Gdiplus::GpFontFamily* family = nullptr;
  const GpStatus status = flat::GdipCreateFontFamilyFromName(wide.c_str(), collection, &family);
  return adoptCreated(status, family);
}

bool DrawingFontFamily::createGenericSansSerif() {
  Gdiplus::GpFontFamily* family = nullptr;
  const GpStatus status = flat::GdipGetGenericFontFamilySansSerif(&family);
  return adoptCreated(status, family);
}

bool DrawingFontFamily::createGenericSerif() {
  Gdiplus::GpFontFamily* family = nullptr;
  const GpStatus status = flat::GdipGetGenericFontFamilySerif(&family);
  return adoptCreated(status, family);
}

bool DrawingFontFamily::createGenericMonospace() {
  Gdiplus::GpFontFamily* family = nullptr;
  const GpStatus status = flat::GdipGetGenericFontFamilyMonospace(&family);
  return adoptCreated(status, family);
}

DrawingFontFamily DrawingFontFamily::clone() const {
  DrawingFontFamily copy;
  Gdiplus::GpFontFamily* cloned = nullptr;
  if (keepStatus(flat::GdipCloneFontFamily(native(), &cloned))) copy.adopt(cloned);
  return copy;
}

std::string DrawingFontFamily::name(LANGID language) const {
  WCHAR name[LF_FACESIZE] = {};
  if (!keepStatus(flat::GdipGetFamilyName(native(), name, language))) return {};
  return toAnsiText(name);
}

bool DrawingFontFamily::isStyleAvailable(int style) const {
  BOOL available = FALSE;
  const GpStatus status = flat::GdipIsStyleAvailable(native(), style, &available);
  return keptValue(status, available != FALSE);
}

int DrawingFontFamily::emHeight(int style) const {
  UINT16 value = 0;
  const GpStatus status = flat::GdipGetEmHeight(native(), style, &value);
  return keptValue<int>(status, value);
}

int DrawingFontFamily::cellAscent(int style) const {
  UINT16 value = 0;
  const GpStatus status = flat::GdipGetCellAscent(native(), style, &value);
  return keptValue<int>(status, value);
}

int DrawingFontFamily::cellDescent(int style) const {
  UINT16 value = 0;
  const GpStatus status = flat::GdipGetCellDescent(native(), style, &value);
  return keptValue<int>(status, value);
}

int DrawingFontFamily::lineSpacing(int style) const {
  UINT16 value = 0;
  const GpStatus status = flat::GdipGetLineSpacing(native(), style, &value);
  return keptValue<int>(status, value);
}

// DrawingFont

bool DrawingFont::create(const DrawingFontFamily& family, float size, int style, Gdiplus::Unit unit) {
  const FirstRunTimer timer("font from family");
  Gdiplus::GpFont* font = nullptr;
  const GpStatus status = flat::GdipCreateFont(family.native(), size, style, unit, &font);
  return adoptCreated(status, font);
}

bool DrawingFont::createFromHdc(HDC dc) {
  const FirstRunTimer timer("font from device context");
  Gdiplus::GpFont* font = nullptr;
  const GpStatus status = flat::GdipCreateFontFromDC(dc, &font);
  return adoptCreated(status, font);
}

bool DrawingFont::createFromLogFont(HDC dc, const LOGFONTA& logFont) {
  Gdiplus::GpFont* font = nullptr;
  const GpStatus status = flat::GdipCreateFontFromLogfontA(dc, &logFont, &font);
  return adoptCreated(status, font);
}

bool DrawingFont::createDefaultGui() {
  LOGFONTA logFont{};
  if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont) == 0) {
    return adoptCreated(Gdiplus::GenericError, nullptr);
  }
  WindowDC screen = WindowDC::client(nullptr);
  return createFromLogFont(screen.get(), logFont);
}

DrawingFont DrawingFont::clone() const {
  DrawingFont copy;
  Gdiplus::GpFont* cloned = nullptr;
  if (keepStatus(flat::GdipCloneFont(native(), &cloned))) copy.adopt(cloned);
  return copy;
}

LOGFONTA DrawingFont::logFont(const DrawingSurface& surface) const {
  LOGFONTA logFont{};
  if (!keepStatus(flat::GdipGetLogFontA(native(), surface.native(), &logFont))) return LOGFONTA{};
  return logFont;
}

DrawingFontFamily DrawingFont::family() const {
  DrawingFontFamily family;
  Gdiplus::GpFontFamily* native = nullptr;
  if (keepStatus(flat::GdipGetFamily(this->native(), &native))) family.adopt(native);
  return family;
}

std::string DrawingFont::familyName() const {
  const DrawingFontFamily fontFamily = family();
  if (!fontFamily) return {};
  return fontFamily.name();
}

int DrawingFont::style() const {
  INT style = 0;
  const GpStatus status = flat::GdipGetFontStyle(native(), &style);
  return keptValue<int>(status, style);
}

float DrawingFont::size() const {
  Gdiplus::REAL size = 0;
  const GpStatus status = flat::GdipGetFontSize(native(), &size);
  return keptValue<float>(status, size);
}

Gdiplus::Unit DrawingFont::unit() const {
  Gdiplus::GpUnit unit = Gdiplus::UnitWorld;
  const GpStatus status = flat::GdipGetFontUnit(native(), &unit);
  return keptValue(status, unit);
}

float DrawingFont::height(const DrawingSurface& surface) const {
  Gdiplus::REAL height = 0;
  const GpStatus status = flat::GdipGetFontHeight(native(), surface.native(), &height);
  return keptValue<float>(status, height);
}

// DrawingStringFormat

bool DrawingStringFormat::create(int flags, LANGID language) {
  Gdiplus::GpStringFormat* format = nullptr;
  const GpStatus status = flat::GdipCreateStringFormat(flags, language, &format);
  return adoptCreated(status, format);
}

namespace {

// The generic formats belong to the library; this object owns a copy of one.
Gdiplus::GpStatus cloneGeneric(Gdiplus::GpStatus (WINGDIPAPI* generic)(Gdiplus::GpStringFormat**),
                               Gdiplus::GpStringFormat** copy) {
  Gdiplus::GpStringFormat* shared = nullptr;
  const Gdiplus::GpStatus status = generic(&shared);
  if (status != Gdiplus::Ok) return status;
  return flat::GdipCloneStringFormat(shared, copy);
}

}  // namespace

bool DrawingStringFormat::createGenericDefault() {
  Gdiplus::GpStringFormat* format = nullptr;
  const GpStatus status = cloneGeneric(&flat::GdipStringFormatGetGenericDefault, &format);
  return adoptCreated(status, format);
}

bool DrawingStringFormat::createGenericTypographic() {
  Gdiplus::GpStringFormat* format = nullptr;
  const GpStatus status = cloneGeneric(&flat::GdipStringFormatGetGenericTypographic, &format);
  return adoptCreated(status, format);
}

DrawingStringFormat DrawingStringFormat::clone() const {
  DrawingStringFormat copy;
  Gdiplus::GpStringFormat* cloned = nullptr;
  if (keepStatus(flat::GdipCloneStringFormat(native(), &cloned))) copy.adopt(cloned);
  return copy;
}

bool DrawingStringFormat::setFlags(int flags) { return keepStatus(flat::GdipSetStringFormatFlags(native(), flags)); }

int DrawingStringFormat::flags() const {
  INT flags = 0;
  const GpStatus status = flat::GdipGetStringFormatFlags(native(), &flags);
  return keptValue<int>(status, flags);
}

bool DrawingStringFormat::setAlignment(Gdiplus::StringAlignment alignment) {
  return keepStatus(flat::GdipSetStringFormatAlign(native(), alignment));
}

Gdiplus::StringAlignment DrawingStringFormat::alignment() const {
  Gdiplus::StringAlignment alignment = Gdiplus::StringAlignmentNear;
  const GpStatus status = flat::GdipGetStringFormatAlign(native(), &alignment);
  return keptValue(status, alignment);
}

bool DrawingStringFormat::setLineAlignment(Gdiplus::StringAlignment alignment) {
  return keepStatus(
      flat::GdipSetStringFormatLineAlign(native(), alignment));
}

Gdiplus::StringAlignment DrawingStringFormat::lineAlignment() const {
  Gdiplus::StringAlignment alignment = Gdiplus::StringAlignmentNear;
  const GpStatus status = flat::GdipGetStringFormatLineAlign(native(), &alignment);
  return keptValue(status, alignment);
}

bool DrawingStringFormat::setTrimming(Gdiplus::StringTrimming trimming) {
  return keepStatus(flat::GdipSetStringFormatTrimming(native(), trimming));
}

Gdiplus::StringTrimming DrawingStringFormat::trimming() const {
  Gdiplus::StringTrimming trimming = Gdiplus::StringTrimmingNone;
  const GpStatus status = flat::GdipGetStringFormatTrimming(native(), &trimming);
  return keptValue(status, trimming);
}

bool DrawingStringFormat::setHotkeyPrefix(Gdiplus::HotkeyPrefix prefix) {
  return keepStatus(flat::GdipSetStringFormatHotkeyPrefix(native(), prefix));
}

Gdiplus::HotkeyPrefix DrawingStringFormat::hotkeyPrefix() const {
  INT prefix = Gdiplus::HotkeyPrefixNone;
  const GpStatus status = flat::GdipGetStringFormatHotkeyPrefix(native(), &prefix);
  return keptValue(status, static_cast<Gdiplus::HotkeyPrefix>(prefix));
}

bool DrawingStringFormat::setTabStops(float firstOffset, std::span<const float> stops) {
  if (!fitsInt(stops.size())) return keepStatus(Gdiplus::InvalidParameter);
  return keepStatus(
      flat::GdipSetStringFormatTabStops(native(), firstOffset, static_cast<INT>(stops.size()), stops.data()));
}

bool DrawingStringFormat::setDigitSubstitution(LANGID language, Gdiplus::StringDigitSubstitute substitute) {
  return keepStatus(flat::GdipSetStringFormatDigitSubstitution(native(), language, substitute));
}

bool DrawingStringFormat::setMeasurableCharacterRanges(std::span<const std::pair<int, int>> ranges) {
  if (!fitsInt(ranges.size())) return keepStatus(Gdiplus::InvalidParameter);
  std::vector<Gdiplus::CharacterRange> native;
  native.reserve(ranges.size());
  for (const auto& [first, length] : ranges) native.emplace_back(first, length);
  return keepStatus(flat::GdipSetStringFormatMeasurableCharacterRanges(this->native(), static_cast<INT>(native.size()),
                                                                       native.data()));
}

}  // namespace draw
