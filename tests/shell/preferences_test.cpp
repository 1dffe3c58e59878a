#include "base/preferences.h"
#include "temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

using vs::Preferences;
using vs::test::TempDir;

TEST(Preferences, MissingFileSectionOrKeyReadsTheDefault) {
    TempDir dir;
    Preferences p(dir.file("none/prefs.ini"));
    EXPECT_EQ(p.get("Opciones", "Puerto Hex", "378"), "378");
    p.save("Opciones", "Setup", "1");
    EXPECT_EQ(p.get("Volumen", "Mascara", "20"), "20");
    EXPECT_EQ(p.get("Opciones", "Ultimos Segundos", "30"), "30");
}

TEST(Preferences, KeysAndSectionsIgnoreLetterCase) {
    TempDir dir;
    Preferences p(dir.file("prefs.ini"));
    p.save("Opciones", "ColorLedUnlit1", "4210752");
    EXPECT_EQ(p.get("Opciones", "ColorLedUnLit1", "128"), "4210752");
    EXPECT_EQ(p.get("OPCIONES", "colorledunlit1", "128"), "4210752");
    // Writing under the other spelling replaces, never duplicates.
    p.save("opciones", "COLORLEDUNLIT1", "7");
    Preferences again(dir.file("prefs.ini"));
    EXPECT_EQ(again.get("Opciones", "ColorLedUnLit1", "128"), "7");
    std::string text = vs::test::readFile(dir.file("prefs.ini"));
    EXPECT_EQ(text.find("COLORLEDUNLIT1"), std::string::npos) << text;
}

TEST(Preferences, ValuesPersistAcrossRunsAndInstancesSeeEachOther) {
    TempDir dir;
    {
        Preferences first(dir.file("prefs.ini"));
        first.save("Volumen", "Binaural", "73");
        first.save("Preferencias", "InitDir", "/música/con espacios = y\nsalto");
    }
    Preferences second(dir.file("prefs.ini"));
    EXPECT_EQ(second.get("Volumen", "Binaural", "50"), "73");
    EXPECT_EQ(second.get("Preferencias", "InitDir", ""), "/música/con espacios = y\nsalto");

    // A value written by another instance is seen without restarting.
    Preferences third(dir.file("prefs.ini"));
    third.save("Volumen", "Binaural", "12");
    EXPECT_EQ(second.get("Volumen", "Binaural", "50"), "12");
    // And a write from the older instance keeps the other instance's keys.
    second.save("Volumen", "Mascara", "33");
    Preferences fourth(dir.file("prefs.ini"));
    EXPECT_EQ(fourth.get("Volumen", "Binaural", "50"), "12");
    EXPECT_EQ(fourth.get("Volumen", "Mascara", "20"), "33");
}

TEST(Preferences, GarbageNumbersFallBackToTheDefault) {
    TempDir dir;
    Preferences p(dir.file("prefs.ini"));
    p.save("Volumen", "Mascara", "veinte");
    p.save("Volumen", "Binaural", "");
    p.save("Opciones", "Frecuencia Binaural Maxima", "99999"); // beyond 16 bits
    p.save("Opciones", "Ultimos Segundos", " 45 ");
    p.save("Opciones", "Frecuencia Base Maxima", "501,5");
    EXPECT_EQ(p.getInt("Volumen", "Mascara", 20), 20);
    EXPECT_EQ(p.getInt("Volumen", "Binaural", 50), 50);
    EXPECT_EQ(p.getInt16("Opciones", "Frecuencia Binaural Maxima", 15), 15);
    EXPECT_EQ(p.getInt("Opciones", "Ultimos Segundos", 30), 45);
    EXPECT_EQ(p.getInt("Opciones", "Frecuencia Base Maxima", 500), 502); // halves to even
    EXPECT_FALSE(p.getBool("Opciones", "Gafas Mentales", false));
    p.save("Opciones", "Gafas Mentales", "-1");
    EXPECT_TRUE(p.getBool("Opciones", "Gafas Mentales", false));
}

TEST(Preferences, WritesReplaceTheFileWholeAndLeaveNoTemporaryBehind) {
    TempDir dir;
    Preferences p(dir.file("prefs.ini"));
    for (int i = 0; i < 20; ++i)
        p.save("Grid", "Ancho Sesion", std::to_string(i));
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.path())) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 1);
    // A hand-damaged file (a line without '=' and a stray section) still reads.
    vs::test::writeFile(dir.file("prefs.ini"), "[Grid]\nbasura\nAncho Sesion=7\n[\n");
    Preferences q(dir.file("prefs.ini"));
    EXPECT_EQ(q.get("Grid", "Ancho Sesion", "2580"), "7");
}

TEST(Preferences, UnwritableStoreReportsFailureAndKeepsTheValueInMemory) {
    TempDir dir;
    // A file where the folder should be: not even root can write there.
    vs::test::writeFile(dir.file("blocked"), "x");
    Preferences p(dir.file("blocked/prefs.ini"));
    EXPECT_FALSE(p.save("Opciones", "Setup", "1"));
    EXPECT_EQ(p.get("Opciones", "Setup", "0"), "1");
}
