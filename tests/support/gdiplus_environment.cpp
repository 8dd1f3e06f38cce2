#include <gtest/gtest.h>

#include "draw/drawing.h"

namespace {

// Test executables that paint run with GDI+ started, as the tool's start-up does.
class GdiPlusEnvironment : public testing::Environment {
 public:
  void SetUp() override { ASSERT_NE(draw::startGdiPlus(), 0u); }
  void TearDown() override { draw::stopGdiPlus(); }
};

testing::Environment* const gdiPlusEnvironment = testing::AddGlobalTestEnvironment(new GdiPlusEnvironment);

}  // namespace
