#include <gtest/gtest.h>
#include "text/TextUtil.h"
TEST(Smoke, Builds) { EXPECT_EQ(nivora::text::FindText("abc", "c", 0), 2); }
