#include <gtest/gtest.h>

#include "draw/drawing.h"

namespace {

// The control painters draw through GDI+, started as the tool's start-up starts it.
class GdiPlusEnvironment : public testing::Environment {
 public:
  void SetUp() override { ASSERT_NE(draw::startGdiPlus(), 0u); }
  void TearDown() override { draw::stopGdiPlus(); }
};

testing::Environment* const gdiPlusEnvironment = testing::AddGlobalTestEnvironment(new GdiPlusEnvironment);

}  // namespace
