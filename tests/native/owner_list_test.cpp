// The owning list that grows without throwing: order, clearing, and an item
// left with the caller when the list cannot grow.
#include "base/owner_list.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "tests/support/refusing_new.h"

namespace {

struct Counted {
  explicit Counted(int v) : value(v) { ++alive; }
  ~Counted() { --alive; }
  int value;
  static inline int alive = 0;
};

TEST(OwnerList, KeepsOrderOwnsItsItemsAndRefusesWhenItCannotGrow) {
  {
    OwnerList<Counted> list;
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(list.push_back(std::make_unique<Counted>(i)));
    // The fifth needs a larger list, and there is no memory for one.
    g_refuseNothrowNew = true;
    auto fifth = std::make_unique<Counted>(4);
    EXPECT_FALSE(list.push_back(std::move(fifth)));
    g_refuseNothrowNew = false;
    ASSERT_NE(nullptr, fifth);  // still the caller's
    EXPECT_EQ(4, fifth->value);
    EXPECT_TRUE(list.push_back(std::move(fifth)));
    for (int i = 5; i < 40; ++i) ASSERT_TRUE(list.push_back(std::make_unique<Counted>(i)));
    ASSERT_EQ(40u, list.size());
    int expected = 0;
    for (const auto& item : list) EXPECT_EQ(expected++, item->value);
    EXPECT_EQ(40, Counted::alive);
    list.clear();
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(0, Counted::alive);
    ASSERT_TRUE(list.push_back(std::make_unique<Counted>(9)));
  }
  EXPECT_EQ(0, Counted::alive);
}

}  // namespace
