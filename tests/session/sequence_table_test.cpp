// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed LED sequence table the strip colours and the glasses patterns
// come from. It belongs with the glasses tests; it is built here because this
// is where it was written.
#include "glasses/sequences.h"

#include <gtest/gtest.h>

TEST(SequenceTable, HoldsTheSevenPatterns) {
    using namespace vs::glasses;
    CargarSecuencias();
    const auto& s = Secuencias();
    EXPECT_EQ(s[5].Color, 128u + 256u * 128 + 65536u * 255);
    EXPECT_EQ(s[0].Denominacion.size(), 40u);
    EXPECT_EQ(s[0].Denominacion.substr(0, 15), "Rueda interior ");
    EXPECT_EQ(nombre(7), "Cruz");
    const int steps[8] = {0, 4, 4, 3, 3, 2, 2, 2};
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(s[k - 1].NumPasos, steps[k]);
        EXPECT_EQ(PasosSecuencia(k, 0), 0);
        EXPECT_EQ(PasosSecuencia(k, steps[k] + 1), 0);
        EXPECT_NE(PasosSecuencia(k, 1), 0);
    }
    EXPECT_EQ(PasosSecuencia(3, 4), 0);
    EXPECT_EQ(PasosSecuencia(0, 1), 0);
    EXPECT_EQ(PasosSecuencia(8, 1), 0);
    const int rueda[4] = {20, 34, 65, 136};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(PasosSecuencia(1, i + 1), rueda[i]);
    EXPECT_EQ(PasosSecuencia(2, 2), 136);
    EXPECT_EQ(PasosSecuencia(3, 2), 170);
    EXPECT_EQ(PasosSecuencia(4, 3), 65);
    EXPECT_EQ(PasosSecuencia(5, 1), 255);
    EXPECT_EQ(PasosSecuencia(6, 2), 240);
    EXPECT_EQ(PasosSecuencia(7, 1), 165);
    EXPECT_EQ(PasosSecuencia(7, 2), 90);
    EXPECT_EQ(colorOf(9), colorOf(1));
}
