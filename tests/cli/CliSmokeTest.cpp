#include <gtest/gtest.h>
TEST(CliSmoke, Builds) { SUCCEED(); }
