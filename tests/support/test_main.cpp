#include <gtest/gtest.h>
#include <windows.h>
#include <ole2.h>

// Every test executable runs on an apartment-threaded UI thread, as the tool does.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  OleInitialize(nullptr);
  const int result = RUN_ALL_TESTS();
  OleUninitialize();
  return result;
}
