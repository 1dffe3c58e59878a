// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/preferences.h"
#include "recording_messages.h"
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
    vs::RecordingMessageService shown;
    vs::ScopedMessageService installed(shown);
    Preferences p(dir.file("blocked/prefs.ini"));
    EXPECT_FALSE(p.save("Opciones", "Setup", "1"));
    EXPECT_EQ(p.get("Opciones", "Setup", "0"), "1");
    EXPECT_FALSE(p.save("Volumen", "Binaural", "40"));
    // Told once, in the user's language, naming the file; not at every setting.
    ASSERT_EQ(shown.count(vs::RecordingMessageService::Entry::Critical), 1);
    EXPECT_NE(shown.entries[0].text.find("No se pueden guardar las preferencias"),
              std::string::npos);
    EXPECT_NE(shown.entries[0].text.find(dir.file("blocked/prefs.ini")), std::string::npos);
}

TEST(Preferences, TheFileIsReadOnlyWhenItChanged) {
    TempDir dir;
    Preferences p(dir.file("prefs.ini"));
    p.save("Opciones", "Ultimos Segundos", "12");
    const int loads = p.loads();
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(p.getInt(vs::PreferenceKey{"Opciones", "Ultimos Segundos", "30"}), 12);
    EXPECT_EQ(p.loads(), loads); // a tick's read costs no parse of the file

    // Another instance writing the file is seen at the next read.
    Preferences other(dir.file("prefs.ini"));
    other.save("Opciones", "Ultimos Segundos", "40");
    EXPECT_EQ(p.get("Opciones", "Ultimos Segundos", "30"), "40");
    EXPECT_EQ(p.loads(), loads + 1);
}

TEST(Preferences, ALargeFileKeepsOrderLastValueWinsAndEveryKeyIsFound) {
    TempDir dir;
    std::string text;
    const int n = 50000;
    for (int s = 0; s < 5; ++s) {
        text += "[Sec" + std::to_string(s) + "]\n";
        for (int k = 0; k < n / 5; ++k)
            text += "Key" + std::to_string(k) + "=" + std::to_string(s * n + k) + "\n";
    }
    text += "[SEC0]\nKEY7=ultimo\n"; // the same key again, in other letter case
    vs::test::writeFile(dir.file("big.ini"), text);
    Preferences p(dir.file("big.ini"));
    EXPECT_EQ(p.get("Sec0", "Key7", ""), "ultimo");
    EXPECT_EQ(p.get("sec4", "key9999", ""), std::to_string(4 * n + 9999));
    EXPECT_EQ(p.get("Sec2", "Key123", ""), std::to_string(2 * n + 123));
    // A write keeps every entry, grouped by section in first-seen order.
    ASSERT_TRUE(p.save("Sec1", "Nueva", "x"));
    const std::string out = vs::test::readFile(dir.file("big.ini"));
    EXPECT_LT(out.find("[Sec0]"), out.find("[Sec1]"));
    EXPECT_LT(out.find("Nueva=x"), out.find("[Sec2]"));
    EXPECT_EQ(out.find("[SEC0]"), std::string::npos);
    Preferences again(dir.file("big.ini"));
    EXPECT_EQ(again.get("Sec3", "Key0", ""), std::to_string(3 * n));
    EXPECT_EQ(again.get("Sec0", "Key7", ""), "ultimo");
}

TEST(Preferences, DeclaredKeysReadTheirOwnDefault) {
    TempDir dir;
    Preferences p(dir.file("prefs.ini"));
    const vs::PreferenceKey volumen{"Volumen", "Binaural", "50"};
    const vs::PreferenceKey activo{"Volumen", "Binaural Activo", "1"};
    EXPECT_EQ(p.getInt(volumen), 50);
    EXPECT_TRUE(p.getBool(activo));
    p.save(volumen, "junk");
    EXPECT_EQ(p.getInt(volumen), 50);
    p.save(activo, "0");
    EXPECT_FALSE(p.getBool(activo));
    EXPECT_EQ(p.get(volumen), "junk");
}

TEST(Preferences, AByteOrderMarkIsSkippedAndANameHoldingNulIsNoEntry) {
    using namespace std::string_literals;
    // Joined by NUL in the index, ("a", "b\0c") and ("a\0b", "c") were one entry.
    const std::string clash = "[a]\nb\0c=1\n[a\0b]\nc=2\n[a]\nd=3\n"s;
    const struct {
        std::string text, section, key, expected;
    } cases[] = {
        // An editor's mark before the first section hid it.
        {"\xEF\xBB\xBF[Volumen]\nBinaural=73\n", "Volumen", "Binaural", "73"},
        {"\xEF\xBB\xBF[Volumen]\r\nBinaural=73\r\n", "Volumen", "Binaural", "73"},
        {clash, "a", "b\0c"s, "-"},
        {clash, "a\0b"s, "c", "-"},
        {clash, "a", "d", "3"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        vs::test::writeFile(dir.file("prefs.ini"), c.text);
        Preferences p(dir.file("prefs.ini"));
        EXPECT_EQ(p.get(c.section, c.key, "-"), c.expected) << c.text;
    }
    TempDir dir;
    Preferences p(dir.file("prefs.ini"));
    EXPECT_FALSE(p.save("a\0b"s, "c", "2"));
    EXPECT_FALSE(p.save("a", "b\0c"s, "1"));
    EXPECT_EQ(p.get("a", "b\0c"s, "-"), "-");
}
