#include <gtest/gtest.h>

#include "shortlink/automation.h"

namespace shortlink {
namespace {

TEST(CreateObject, CreatesByProgramIdentifierAndFailsForUnknownOnes) {
  EXPECT_TRUE(createObject("Microsoft.XMLHTTP"));
  EXPECT_TRUE(createObject("WinHttp.WinHttpRequest.5.1"));
  EXPECT_FALSE(createObject("No.Such.Component"));
  EXPECT_FALSE(createObject(""));
}

// Scripting.Dictionary stands in for any automation object: it takes texts and integers,
// has an indexed property and reports unknown keys.
TEST(LateBoundCalls, PassTextsIntegersAndIndexedProperties) {
  const ComPtr<IDispatch> dictionary = createObject("Scripting.Dictionary");
  ASSERT_TRUE(dictionary);

  ASSERT_TRUE(callMethod(dictionary.get(), "Add", "中文键", 5));
  const std::optional<Variant> exists = callMethod(dictionary.get(), "Exists", "中文键");
  ASSERT_TRUE(exists);
  EXPECT_EQ(V_VT(&exists->get()), VT_BOOL);
  EXPECT_EQ(V_BOOL(&exists->get()), VARIANT_TRUE);
  // The key must have arrived converted from UTF-8, not byte by byte.
  const std::optional<Variant> keys = callMethod(dictionary.get(), "Keys");
  ASSERT_TRUE(keys);
  ASSERT_EQ(V_VT(&keys->get()), VT_ARRAY | VT_VARIANT);
  {
    SafeArrayAccess access(V_ARRAY(&keys->get()));
    ASSERT_TRUE(access.accessible());
    EXPECT_EQ(textOf(static_cast<const VARIANT*>(access.data())[0]), "中文键");
  }

  EXPECT_TRUE(setProperty(dictionary.get(), "Item", "second", 7));
  const std::optional<Variant> count = getProperty(dictionary.get(), "Count");
  ASSERT_TRUE(count);
  EXPECT_EQ(integerOf(count->get()), 2);
}

TEST(LateBoundCalls, FailuresGiveEmptyValues) {
  const ComPtr<IDispatch> dictionary = createObject("Scripting.Dictionary");
  ASSERT_TRUE(dictionary);
  EXPECT_FALSE(callMethod(dictionary.get(), "NoSuchMethod"));
  EXPECT_FALSE(getProperty(dictionary.get(), "NoSuchProperty"));
  ASSERT_TRUE(callMethod(dictionary.get(), "Add", "key", 1));
  EXPECT_FALSE(callMethod(dictionary.get(), "Add", "key", 2)) << "the object's own error";
  EXPECT_FALSE(callMethod(nullptr, "Add", "key", 1));
  EXPECT_FALSE(setProperty(nullptr, "Item", "key", 1));
  EXPECT_FALSE(getProperty(nullptr, "Count"));
}

Variant arrayOf(VARTYPE elementType, ULONG count) {
  Variant value;
  VARIANT* slot = value.put();
  V_VT(slot) = VT_ARRAY | elementType;
  V_ARRAY(slot) = SafeArrayCreateVector(elementType, 0, count);
  return value;
}

TEST(BytesOf, CopiesAByteArrayAndNothingElse) {
  Variant bytes = arrayOf(VT_UI1, 3);
  {
    SafeArrayAccess access(V_ARRAY(&bytes.get()));
    ASSERT_TRUE(access.accessible());
    auto* data = static_cast<std::uint8_t*>(const_cast<void*>(access.data()));
    data[0] = 'a';
    data[1] = 0;
    data[2] = 0xFF;
  }
  EXPECT_EQ(bytesOf(bytes.get()), (std::vector<std::uint8_t>{'a', 0, 0xFF}));
  EXPECT_TRUE(bytesOf(arrayOf(VT_UI1, 0).get()).empty());
  EXPECT_TRUE(bytesOf(arrayOf(VT_I4, 2).get()).empty());
  Variant text;
  VARIANT* slot = text.put();
  V_VT(slot) = VT_BSTR;
  V_BSTR(slot) = SysAllocString(L"abc");
  EXPECT_TRUE(bytesOf(text.get()).empty());
  EXPECT_TRUE(bytesOf(Variant().get()).empty());
}

}  // namespace
}  // namespace shortlink
