// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/preferences.h"
#include "recording_messages.h"
#include "shell/shell_logic.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace vs::shell;

TEST(StepSequence, AFailingStepIsAbandonedToldOnceAndTheRestStillRuns) {
    vs::RecordingMessageService messages;
    vs::ScopedMessageService scope(messages);
    std::vector<std::string> ran;
    StepSequence s;
    s.add("uno", [&] { ran.push_back("uno"); });
    s.add("dos", [&] {
        ran.push_back("dos");
        throw std::runtime_error("disco lleno");
        ran.push_back("dos-fin");
    });
    s.add("tres", [&] { throw 42; });
    s.add("ya-dicho", [&] { throw StepFailureTold{}; });
    s.add("cuatro", [&] { ran.push_back("cuatro"); });
    s.run();
    EXPECT_EQ(ran, (std::vector<std::string>{"uno", "dos", "cuatro"}));
    EXPECT_EQ(s.failedSteps(), (std::vector<std::string>{"dos", "tres", "ya-dicho"}));
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.entries[0].text, "Ha fallado el paso de arranque dos: disco lleno");
    EXPECT_EQ(messages.entries[1].text, "Ha fallado el paso de arranque tres: error desconocido");
}

TEST(ShellSettings, FirstRunGivesTheDocumentedDefaults) {
    vs::test::TempDir dir;
    vs::Preferences p(dir.file("prefs.ini"));
    ShellSettings s = readShellSettings(p);
    EXPECT_EQ(s.volumenMascara, 20);
    EXPECT_EQ(s.volumenBinaural, 50);
    EXPECT_TRUE(s.binauralActivo);
    EXPECT_FALSE(s.mascaraActivo);
    EXPECT_TRUE(s.musicaActivo);
    EXPECT_EQ(s.minutos, 1);
    EXPECT_EQ(s.segundos, 0);
    EXPECT_EQ(s.frecBinauralMaxPref, 15);
    EXPECT_EQ(s.frecBaseMaxPref, 500);
    EXPECT_TRUE(s.verLineasGrid);
    EXPECT_EQ(s.anchoSesion, 2580);
    EXPECT_EQ(s.anchoDuracionMusica, 800);
}

TEST(ShellSettings, StoredAndDamagedValues) {
    vs::test::TempDir dir;
    vs::Preferences p(dir.file("prefs.ini"));
    p.save("Volumen", "Mascara", "35");
    p.save("Volumen", "Binaural", "250"); // beyond the scroll bar
    p.save("Volumen", "Binaural Activo", "0");
    p.save("Volumen", "Mascara Activo", "1");
    p.save("Opciones", "Frecuencia Binaural Maxima", "0"); // would divide by zero
    p.save("Opciones", "Frecuencia Base Maxima", "mil");
    p.save("Opciones", "Ver Lineas Grid", "0");
    ShellSettings s = readShellSettings(p);
    EXPECT_EQ(s.volumenMascara, 35);
    EXPECT_EQ(s.volumenBinaural, 100);
    EXPECT_FALSE(s.binauralActivo);
    EXPECT_TRUE(s.mascaraActivo);
    EXPECT_EQ(s.frecBinauralMaxPref, 15);
    EXPECT_EQ(s.frecBaseMaxPref, 500);
    EXPECT_FALSE(s.verLineasGrid);
}

TEST(ExitSettings, WrittenInTheDocumentedOrderWithSetupLast) {
    ExitValues v;
    v.left = 1500;
    v.top = 300;
    v.volumenBinaural = 55;
    v.mascaraActivo = true;
    auto list = exitSettings(v);
    std::vector<std::string> keys;
    for (auto& s : list)
        keys.push_back(s.key);
    EXPECT_EQ(keys, (std::vector<std::string>{
                        "Posicion Left", "Posicion Top", "Ancho Sesion", "Ancho Duracion Sesion",
                        "Ancho Musica", "Ancho Duracion Musica", "Binaural", "Binaural Activo",
                        "Mascara", "Mascara Activo", "Musica Activo", "Frecuencia Binaural Maxima",
                        "Frecuencia Base Maxima", "Setup"}));
    EXPECT_EQ(list[0].section, "Ventana");
    EXPECT_EQ(list[0].value, "1500");
    EXPECT_EQ(list[2].section, "Grid");
    EXPECT_EQ(list[6].section, "Volumen");
    EXPECT_EQ(list[6].value, "55");
    EXPECT_EQ(list[9].value, "1");
    EXPECT_EQ(list[11].section, "Opciones");
    EXPECT_EQ(list[11].value, "15");
    EXPECT_EQ(list[13].value, "1");
}

TEST(ShellTexts, VolumeLabels) {
    EXPECT_EQ(volumeLabel(55), "5.5");
    EXPECT_EQ(volumeLabel(0), "0.0");
    EXPECT_EQ(volumeLabel(100), "10.0");
}

TEST(ColumnWidths, StoredTwipsSurviveTheirPixelsAtAnyScale) {
    // At the design's font: 800 twips show as 53 px and come back as 800,
    // where an integer round trip would have stored 795.
    EXPECT_EQ(twipsToPixels(800), 53);
    EXPECT_EQ(widthToStore(800, 53), 800);
    EXPECT_EQ(widthToStore(800, 54), 810); // resized by the user: the new width
    // A larger font: the header needs 70 px where 800 twips give 53.3.
    const double s = columnScale(70, 800);
    EXPECT_NEAR(s, 70 / (800 / 15.0), 1e-9);
    EXPECT_EQ(twipsToPixels(800, s), 70);
    EXPECT_EQ(widthToStore(800, twipsToPixels(800, s), s), 800);
    EXPECT_EQ(widthToStore(2580, twipsToPixels(2580, s), s), 2580);
    EXPECT_EQ(widthToStore(2580, 300, s), 3429); // 300 px back at that scale
    EXPECT_EQ(columnScale(40, 800), 1.0);        // a header that fits needs no scale
    EXPECT_EQ(columnScale(40, 0), 1.0);
}
