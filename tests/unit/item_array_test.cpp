#include "geometry/ItemArray.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ItemArray, GrowsToEightThenDoublesThenStepsByTenThousand) {
    ItemArray<int32_t> a;
    EXPECT_EQ(a.Capacity(), 0);
    std::vector<int32_t> capacities;
    for (int32_t i = 0; i < 50000; ++i) {
        int32_t before = a.Capacity();
        EXPECT_EQ(a.Append(i), i + 1);
        if (a.Capacity() != before) capacities.push_back(a.Capacity());
    }
    std::vector<int32_t> expected = {8,    16,   32,   64,    128,   256,   512,   1024,
                                     2048, 4096, 8192, 16384, 26384, 36384, 46384, 56384};
    EXPECT_EQ(capacities, expected);
    for (int32_t i = 0; i < 50000; i += 977) EXPECT_EQ(a[i], i);
}

TEST(ItemArray, ReservedRoomIsUsedFirstThenTheUsualStepsFollow) {
    ItemArray<int32_t> a;
    a.Append(7);
    a.Reserve(20);
    EXPECT_EQ(a.Capacity(), 20);
    a.Reserve(5);  // never shrinks
    EXPECT_EQ(a.Capacity(), 20);
    for (int32_t i = 1; i < 20; ++i) a.Append(i);
    EXPECT_EQ(a.Capacity(), 20);
    a.Append(20);
    EXPECT_EQ(a.Capacity(), 40);
    EXPECT_EQ(a[0], 7);
    for (int32_t i = 1; i <= 20; ++i) EXPECT_EQ(a[i], i);
}

TEST(ItemArray, RemovalHalvesSparseStorageAndKeepsOrder) {
    ItemArray<int32_t> a;
    for (int32_t i = 0; i < 64; ++i) a.Append(i);
    ASSERT_EQ(a.Capacity(), 64);
    // 64 elements in 64 slots: no shrink while the array is dense.
    a.RemoveAt(0);
    EXPECT_EQ(a.Capacity(), 64);
    EXPECT_EQ(a[0], 1);
    while (a.Count() > 21) a.RemoveAt(a.Count() - 1);
    EXPECT_EQ(a.Capacity(), 64);
    // A count of 21 is not below 64 / 3: no shrink yet.
    a.RemoveAt(5);
    EXPECT_EQ(a.Capacity(), 64);
    a.RemoveAt(5);  // count 20 < 21: halves, then removes
    EXPECT_EQ(a.Capacity(), 32);
    EXPECT_EQ(a.Count(), 19);
    std::vector<int32_t> rest;
    for (int32_t i = 0; i < a.Count(); ++i) rest.push_back(a[i]);
    std::vector<int32_t> expected = {1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21};
    EXPECT_EQ(rest, expected);
    // Small arrays (capacity 10 or less) never shrink.
    ItemArray<int32_t> small;
    small.Append(1);
    small.Append(2);
    small.RemoveAt(0);
    EXPECT_EQ(small.Capacity(), 8);
    EXPECT_EQ(small[0], 2);
}

TEST(ItemArray, IndexOutsideTheCountRaisesCheckFailure) {
    ItemArray<int32_t> a;
    EXPECT_THROW(a.At(0), CheckFailure);
    a.Append(7);
    EXPECT_EQ(a.At(0), 7);
    EXPECT_THROW(a.At(1), CheckFailure);
    EXPECT_THROW(a.At(-1), CheckFailure);
    EXPECT_THROW(a.RemoveAt(1), CheckFailure);
    try {
        a.At(5);
        FAIL() << "no exception";
    } catch (const CheckFailure& e) {
        EXPECT_EQ(e.Code(), 1010);
    }
}

TEST(ItemArray, AppendUniqueAndCopiesAreIndependent) {
    ArtList list;
    int x = 0, y = 0;
    ArtHandle a = reinterpret_cast<ArtHandle>(&x), b = reinterpret_cast<ArtHandle>(&y);
    EXPECT_EQ(list.AppendUnique(a), 0);
    EXPECT_EQ(list.AppendUnique(b), 1);
    EXPECT_EQ(list.AppendUnique(a), 0);
    EXPECT_EQ(list.Count(), 2);
    list.Append(a);  // plain append does not look
    EXPECT_EQ(list.Count(), 3);

    ArtList copy = list;
    copy.RemoveAt(0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list[0], a);
    EXPECT_EQ(copy[0], b);
    copy = list;
    EXPECT_EQ(copy.Count(), 3);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(copy.Count(), 3);
}

TEST(ItemArray, AppendingAnOwnElementWhileGrowingCopiesItFirst) {
    ItemArray<BezierSegment> a;
    for (int i = 0; i < 8; ++i) a.Append(BezierSegment{{double(i), 0}, {0, 0}, {0, 0}, {0, 0}});
    ASSERT_EQ(a.Count(), a.Capacity());
    a.Append(a[3]);  // the reference points into storage that moves
    EXPECT_EQ(a[8].p0.h, 3.0);
}
