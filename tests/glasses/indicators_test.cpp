// SPDX-License-Identifier: GPL-3.0-or-later
#include "glasses/led_display.h"
#include "glasses/led_panel.h"

#include "base/preferences.h"
#include "lumidot.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include "recording_indicators.h"

using namespace vs::glasses;

namespace {

std::vector<int> litLeds(const LedPanel& panel) {
    std::vector<int> out;
    for (int i = 1; i <= 8; ++i)
        if (panel.led(i)->Lit()) out.push_back(i);
    return out;
}

TEST(MostrarLeds, BitKLightsLedKPlusOne) {
    RecordingIndicators view;
    MostrarLeds(view, 255);
    EXPECT_EQ(view.byte(), 255);
    MostrarLeds(view, 0);
    EXPECT_EQ(view.byte(), 0);
    MostrarLeds(view, 165);
    EXPECT_EQ(view.byte(), 165);
    EXPECT_TRUE(view.lit[1] && view.lit[3] && view.lit[6] && view.lit[8]);
    EXPECT_FALSE(view.lit[2] || view.lit[4] || view.lit[5] || view.lit[7]);
}

TEST(LedPanel, EightIndicatorsInTwoDiamonds) {
    LedPanel panel;
    const QRect expected[8] = {{20, 20, 13, 13},  {32, 37, 13, 13}, {44, 20, 13, 13},
                               {32, 3, 13, 13},   {84, 20, 13, 13}, {96, 37, 13, 13},
                               {108, 20, 13, 13}, {96, 3, 13, 13}};
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(panel.led(i)->geometry(), expected[i - 1]) << i;
    EXPECT_EQ(panel.findChildren<QWidget*>().size(), 8);

    MostrarLeds(panel, 165);
    EXPECT_EQ(litLeds(panel), (std::vector<int>{1, 3, 6, 8}));
    MostrarLeds(panel, 0);
    EXPECT_TRUE(litLeds(panel).empty());
    MostrarLeds(panel, 255);
    EXPECT_EQ(litLeds(panel).size(), 8u);
}

class LedColours : public ::testing::Test {
protected:
    void SetUp() override { dir.becomeProgramFolders(); }
    vs::test::TempDir dir;
    RecordingIndicators view;
};

TEST_F(LedColours, StartUpDefaultsAlternateYellowGreenAndDarkenEveryLed) {
    MostrarLeds(view, 255);
    CargarColoresLeds(view, ColourReader::Startup);
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(view.litColour[i], i % 2 ? 65535u : 65280u) << i;
        EXPECT_EQ(view.unLitColour[i], i % 2 ? 32896u : 32768u) << i;
    }
    EXPECT_EQ(view.byte(), 0);
}

TEST_F(LedColours, AfterTheOptionsDialogDefaultsAreRedAndLightsStay) {
    MostrarLeds(view, 90);
    CargarColoresLeds(view, ColourReader::AfterOptions);
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(view.litColour[i], 255u);
        EXPECT_EQ(view.unLitColour[i], 128u);
    }
    EXPECT_EQ(view.byte(), 90);
}

TEST_F(LedColours, StoredColoursWinWhateverTheKeySpelling) {
    auto& prefs = vs::Preferences::instance();
    prefs.save("Opciones", "ColorLedLit3", "16711680");
    prefs.save("Opciones", "ColorLedUnlit3", "4210752"); // as the options dialog writes it
    CargarColoresLeds(view, ColourReader::Startup);
    EXPECT_EQ(view.litColour[3], 16711680u);
    EXPECT_EQ(view.unLitColour[3], 4210752u);
    EXPECT_EQ(view.litColour[4], 65280u);

    LedPanel panel;
    CargarColoresLeds(panel, ColourReader::AfterOptions);
    EXPECT_EQ(panel.led(3)->LitColour(), 16711680u);
    EXPECT_EQ(panel.led(3)->UnLitColour(), 4210752u);
    EXPECT_EQ(panel.led(1)->LitColour(), 255u);
}

} // namespace
