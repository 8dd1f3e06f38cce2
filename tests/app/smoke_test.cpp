#include <gtest/gtest.h>
#include <windows.h>
TEST(Process, RunsWithTheUtf8CodePage) { EXPECT_EQ(GetACP(), 65001u); }
