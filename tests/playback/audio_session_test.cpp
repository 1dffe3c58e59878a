// SPDX-License-Identifier: GPL-3.0-or-later
// The sound side of start-up and exit, without a window.
#include "audio/bass.h"
#include "audio/engine.h"
#include "cranked_output.h"
#include "playback/audio_session.h"
#include "recording_messages.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

using vs::RecordingMessageService;
using vs::playback::AudioSession;

namespace {

bool exists(const std::string& p) {
    return std::filesystem::exists(p);
}

// Runs `body` with SDL pointed at a driver that does not exist.
template <typename F> void withoutSoundCard(F body) {
    const char* was = std::getenv("SDL_AUDIODRIVER");
    const std::string before = was ? was : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    body();
    if (was)
        setenv("SDL_AUDIODRIVER", before.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
}

} // namespace

TEST(AudioSession, StartsQuietlyAndReleasesInTheExitOrder) {
    vs::test::TempDir dir;
    RecordingMessageService shown;
    AudioSession audio(shown, vs::audio::processEngine());
    audio.comprobarTarjetaSonido();
    ASSERT_TRUE(audio.prepararOndas(dir.path()));
    for (const char* f : {"OndaL.wav", "OndaR.wav", "OndaM.wav"})
        EXPECT_TRUE(exists(dir.file(f))) << f;
    audio.iniciarAudio();
    EXPECT_TRUE(shown.entries.empty());
    ASSERT_TRUE(audio.started());
    ASSERT_NE(audio.tones().ondaL(), nullptr);

    // The samples load from the files just written and sound.
    audio.tones().CargarOndas(vs::playback::PulseType::Binaural,
                              vs::playback::NoiseColour::Original);
    audio.tones().ondaL()->Play(50, 8820, true);
    EXPECT_TRUE(audio.tones().ondaL()->Playing());

    audio.borrarOndas();
    for (const char* f : {"OndaL.wav", "OndaR.wav", "OndaM.wav"})
        EXPECT_FALSE(exists(dir.file(f))) << f;
    audio.liberar();
    EXPECT_FALSE(audio.started());
    EXPECT_EQ(audio.tones().ondaL(), nullptr);
    EXPECT_EQ(BASS_Start(), 0u); // the library is down
    audio.liberar();             // a second release does nothing
    EXPECT_TRUE(shown.entries.empty());
}

TEST(AudioSession, ADroppedSessionStillFreesTheDeviceAndItsFiles) {
    vs::test::TempDir dir;
    RecordingMessageService shown;
    {
        AudioSession audio(shown, vs::audio::processEngine());
        ASSERT_TRUE(audio.prepararOndas(dir.path()));
        audio.iniciarAudio();
        ASSERT_TRUE(audio.started());
    }
    EXPECT_FALSE(exists(dir.file("OndaL.wav")));
    // The library was freed: a new session can start it again.
    AudioSession again(shown, vs::audio::processEngine());
    again.iniciarAudio();
    EXPECT_TRUE(again.started());
    EXPECT_TRUE(shown.entries.empty());
}

TEST(AudioSession, WithoutASoundCardEveryStepSaysSoAndNothingSounds) {
    vs::test::TempDir dir;
    RecordingMessageService shown;
    AudioSession audio(shown, vs::audio::processEngine());
    withoutSoundCard([&] {
        audio.comprobarTarjetaSonido();
        audio.iniciarAudio();
    });
    ASSERT_EQ(shown.entries.size(), 4u);
    EXPECT_EQ(shown.entries[0].text, "No se encuentra la tarjeta de sonido");
    EXPECT_EQ(shown.entries[1].text, "Can't initialize digital sound system");
    EXPECT_EQ(shown.entries[2].text, "Error: Can't initialize device");
    EXPECT_EQ(shown.entries[3].text, "Can't start digital output");
    EXPECT_FALSE(audio.started());
    EXPECT_EQ(audio.tones().ondaL(), nullptr);
    audio.tones().CargarOndas(
        vs::playback::PulseType::Binaural,
        vs::playback::NoiseColour::Original); // no players: nothing to load, nothing breaks
    audio.liberar();
}

TEST(AudioSession, WaveFilesThatCannotBeWrittenFailTheStep) {
    vs::test::TempDir dir;
    RecordingMessageService shown;
    AudioSession audio(shown, vs::audio::processEngine());
    // A plain file where the folder should be: nothing can be created in it.
    vs::test::writeFile(dir.file("blocked"), "x");
    EXPECT_FALSE(audio.prepararOndas(dir.file("blocked")));
    audio.borrarOndas(); // nothing there: no error
}

TEST(AudioSession, TheStoredDeviceOpensAndAMissingOneGivesTheDefaultSaidOnce) {
    using vs::test::CrankedOutput;
    CrankedOutput::reset();
    CrankedOutput::devices_ = {"Altavoces", "Auriculares USB"};
    vs::audio::setOutputFactory([] { return std::make_unique<CrankedOutput>(); });
    for (const char* stored : {"Auriculares USB", "Auriculares viejos"}) {
        RecordingMessageService shown;
        AudioSession audio(shown, vs::audio::processEngine());
        audio.iniciarAudio(stored);
        EXPECT_TRUE(audio.started());
        const bool there = std::string(stored) == "Auriculares USB";
        EXPECT_EQ(vs::audio::processEngine().deviceName(), there ? stored : "");
        ASSERT_EQ(shown.entries.size(), there ? 0u : 1u);
        if (!there) {
            EXPECT_EQ(shown.entries[0].text,
                      "No se encuentra la salida de audio «Auriculares viejos»: "
                      "el sonido sale por la predeterminada del sistema.");
        }
        audio.liberar();
    }
    vs::audio::setOutputFactory(nullptr);
    CrankedOutput::reset();
}
