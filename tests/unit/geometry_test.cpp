#include <gtest/gtest.h>

#include "core/Geometry.h"

TEST(Geometry, Placeholder) { EXPECT_EQ(toString(1000), "1e+03"); }
