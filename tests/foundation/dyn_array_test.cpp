#include "foundation/dyn_array.h"

#include <gtest/gtest.h>

#include "foundation/shared_string.h"

namespace orvane {
namespace {

TEST(DynArray, CapacityGrowsByFour) {
    DynArray<int> a(0);
    EXPECT_EQ(a.count(), 0);
    EXPECT_EQ(a.capacity(), 4);
    for (int i = 0; i < 4; ++i) a.append(i);
    EXPECT_EQ(a.capacity(), 4);
    a.append(4);
    EXPECT_EQ(a.capacity(), 8);
    EXPECT_EQ(a.count(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(a.at(i), i);
}

TEST(DynArray, ConstructCapacity) {
    struct Case {
        int n, capacity;
    };
    for (Case c : {Case{0, 4}, Case{4, 4}, Case{5, 5}, Case{9, 9}}) {
        DynArray<SharedString> a(c.n);
        EXPECT_EQ(a.count(), c.n);
        EXPECT_EQ(a.capacity(), c.capacity);
    }
}

TEST(DynArray, ResizeToZeroResetsCapacity) {
    DynArray<int> a(0);
    for (int i = 0; i < 12; ++i) a.append(i);
    a.resize(0);
    EXPECT_EQ(a.count(), 0);
    EXPECT_EQ(a.capacity(), 4);
    a.resize(10);
    EXPECT_EQ(a.count(), 10);
    EXPECT_EQ(a.capacity(), 10);
    a.resize(10);
    EXPECT_EQ(a.count(), 10);
}

TEST(DynArray, EraseMovesDownAndClearsTail) {
    DynArray<SharedString> a(0);
    for (const char* s : {"a", "b", "c", "d", "e"}) a.append(s);
    a.erase(1, 2);
    ASSERT_EQ(a.count(), 3);
    EXPECT_EQ(a.at(0).str(), "a");
    EXPECT_EQ(a.at(1).str(), "d");
    EXPECT_EQ(a.at(2).str(), "e");
    a.erase(1, -1);
    EXPECT_EQ(a.count(), 1);
    a.erase(0, 99);
    EXPECT_EQ(a.count(), 0);
    a.erase(0, 1);  // start 0 of an empty array is allowed and removes nothing
    EXPECT_EQ(a.count(), 0);
}

TEST(DynArrayDeath, FatalCases) {
    EXPECT_EXIT(
        {
            DynArray<int> a(3);
            a.at(3);
        },
        testing::ExitedWithCode(1), "Index out of range");
    EXPECT_EXIT(
        {
            DynArray<int> a(3);
            a.at(-1);
        },
        testing::ExitedWithCode(1), "Index out of range");
    EXPECT_EXIT(
        {
            DynArray<int> a(6);
            a.resize(2);
        },
        testing::ExitedWithCode(1),
        "Sizing to < current size \\(other than to 0\\) is not yet implemented");
    EXPECT_EXIT(
        {
            DynArray<int> a(6);
            a.reallocate(5);
        },
        testing::ExitedWithCode(1), "Can't realloc smaller than size");
    EXPECT_EXIT(
        {
            DynArray<int> a(3);
            a.erase(3, 1);
        },
        testing::ExitedWithCode(1), "Index out of range");
    EXPECT_EXIT(
        {
            DynArray<int> a(3);
            a.erase(-1, 1);
        },
        testing::ExitedWithCode(1), "Index out of range");
}

TEST(DynArrayDeath, FullArrayCannotGrowPastSixteenBits) {
    EXPECT_EXIT(
        {
            DynArray<char> a(DynArray<char>::kMaxItems);
            a.append('x');
        },
        testing::ExitedWithCode(1), "Index out of range");
}

TEST(DynArray, CopyIsDeep) {
    DynArray<int> a(0);
    a.append(1);
    DynArray<int> b(a);
    b.at(0) = 2;
    EXPECT_EQ(a.at(0), 1);
    EXPECT_EQ(b.capacity(), a.capacity());
}

}  // namespace
}  // namespace orvane
