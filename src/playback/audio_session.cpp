// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio_session.h"

#include "audio/bass.h"
#include "audio/cd.h"
#include "audio/engine.h"
#include "base/interface_language.h"
#include "base/process_files.h"
#include "base/services.h"
#include "tone_waves.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace vs::playback {

AudioSession::AudioSession(MessageService& messages, audio::Engine& engine)
    : messages_(messages), tones_(engine, messages) {}

AudioSession::~AudioSession() {
    liberar();
    if (wavesWritten_) borrarOndas();
}

void AudioSession::comprobarTarjetaSonido() {
    if (audio::Engine::outputDeviceCount() < 1)
        messages_.critical(translate("AudioSession", "No se encuentra la tarjeta de sonido"));
}

bool AudioSession::prepararOndas(const std::string& folder) {
    wavesWritten_ = true; // even a partial write leaves files to delete
    // Another run working in the same folder keeps its own files there.
    folder_ = claimScratchFolder(folder);
    if (PrepararOndas(folder_) && writeNoiseWave(folder_, NoiseColour::Pink) &&
        writeNoiseWave(folder_, NoiseColour::Brown))
        return true;
    const int why = errno;
    messages_.critical(withArgs(
        translate("AudioSession", "No se pueden escribir los ficheros de sonido en %1: %2"),
        {folder_, std::strerror(why)}));
    return false;
}

void AudioSession::iniciarAudio(const std::string& device) {
    bool opened = false;
    if (!device.empty()) {
        const auto names = audio::Engine::outputDeviceNames();
        const auto at = std::find(names.begin(), names.end(), device);
        opened =
            at != names.end() && BASS_Init(int(at - names.begin()) + 1, 44100, 0x20, nullptr) != 0;
        if (!opened)
            messages_.information(withArgs(
                translate("AudioSession", "No se encuentra la salida de audio «%1»: el sonido "
                                          "sale por la predeterminada del sistema."),
                {device}));
    }
    if (opened) {
        started_ = true;
        tones_.create();
    } else if (BASS_Init(-1, 44100, 0x20, nullptr) == 0) {
        messages_.critical("Can't initialize digital sound system");
    } else {
        started_ = true;
        tones_.create();
    }
    // The four failures of the start-up are English in every language.
    if (BASS_CDInit("", 0x20) == 0) messages_.critical("Can't initialize CD system");
    if (BASS_RecordInit(-1) == 0) messages_.critical("Error: Can't initialize device");
    if (BASS_Start() == 0) messages_.critical("Can't start digital output");
}

void AudioSession::borrarOndas() {
    std::error_code ec;
    for (NoiseColour c : {NoiseColour::Pink, NoiseColour::Brown})
        std::filesystem::remove(withNoise(rutasOndas(), c).mask, ec);
    BorrarOndas();
    releaseScratchFolder(folder_);
    wavesWritten_ = false;
}

void AudioSession::liberar() {
    if (!started_) return;
    started_ = false;
    BASS_Stop();
    BASS_Free();
    BASS_RecordFree();
    BASS_CDFree();
    // The samples go last: they died with the library, so Free only drops
    // what the players still hold.
    tones_.release();
}

} // namespace vs::playback
