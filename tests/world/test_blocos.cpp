// The block table the match archive lives in: records never move as it grows,
// and every way of filling and reading it agrees with a plain vector.
#include "world/blocos.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using world::Blocos;

namespace {
using Pequenos = Blocos<int, 3>; // blocks of 8, so a few dozen records cross several
}

TEST(Blocos, GrowsWithoutMovingWhatItHoldsAndReadsLikeAVector) {
    Pequenos b;
    std::vector<int> v;
    std::vector<const int*> enderecos;
    for (int i = 0; i < 45; ++i) {
        b.push_back(i * 3);
        v.push_back(i * 3);
        enderecos.push_back(&b[static_cast<std::size_t>(i)]);
    }
    // Past the first block every record stays where it was put.
    for (int i = 8; i < 45; ++i) EXPECT_EQ(enderecos[i], &b[static_cast<std::size_t>(i)]) << i;
    ASSERT_EQ(b.size(), 45u);
    EXPECT_TRUE(std::equal(b.begin(), b.end(), v.begin(), v.end()));
    EXPECT_TRUE(std::equal(b.rbegin(), b.rend(), v.rbegin(), v.rend()));
    EXPECT_EQ(b.end() - b.begin(), 45);
    EXPECT_EQ(*std::find(b.begin(), b.end(), 99), 99);
    EXPECT_EQ(b.back(), 132);

    // The contiguous runs cover the records once, in order.
    std::vector<int> trechos;
    b.PorTrechos([&](const int* p, std::size_t n) { trechos.insert(trechos.end(), p, p + n); });
    EXPECT_EQ(trechos, v);

    // Resized for a load, filled run by run, then appended to.
    for (std::size_t n : {0u, 8u, 16u, 21u}) {
        Pequenos c;
        c.resize(n);
        int k = 0;
        ASSERT_TRUE(c.PorTrechosMut([&](int* p, std::size_t m) {
            for (std::size_t i = 0; i < m; ++i) p[i] = k++;
            return true;
        }));
        ASSERT_EQ(k, static_cast<int>(n));
        c.push_back(-1);
        c.push_back(-2);
        ASSERT_EQ(c.size(), n + 2);
        for (std::size_t i = 0; i < n; ++i) EXPECT_EQ(c[i], static_cast<int>(i));
        EXPECT_EQ(c[n], -1);
        EXPECT_EQ(c[n + 1], -2);
    }

    // Copies are apart from the original; a vector or a list assigns whole.
    Pequenos copia = b;
    copia[3] = 7;
    EXPECT_EQ(b[3], 9);
    copia = v;
    EXPECT_TRUE(std::equal(copia.begin(), copia.end(), v.begin(), v.end()));
    copia = {1, 2};
    EXPECT_EQ(copia.size(), 2u);
    copia.clear();
    EXPECT_TRUE(copia.empty());
    copia.push_back(5);
    EXPECT_EQ(copia[0], 5);
}
