// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/audio_output.h"

#include <SDL2/SDL.h>

#include <mutex>

namespace vs::audio {
namespace {

std::mutex g_factoryMutex;
std::function<std::unique_ptr<AudioOutput>()> g_factory;

// A Qt program owns the process's signals; SDL must not take SIGINT/SIGTERM.
bool startSdlAudio() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

class SdlOutput : public AudioOutput {
public:
    ~SdlOutput() override { close(); }

    bool open(int device, Render render, void* context) override {
        if (id_ != 0 || !startSdlAudio()) return false;
        subsystem_ = true;
        render_ = render;
        context_ = context;
        const char* name = nullptr;
        if (device >= 1) {
            if (device > SDL_GetNumAudioDevices(0)) return fail();
            name = SDL_GetAudioDeviceName(device - 1, 0);
            if (!name) return fail();
        }
        SDL_AudioSpec want{};
        want.freq = 44100;
        want.format = AUDIO_F32SYS;
        want.channels = 2;
        want.samples = 512;
        want.callback = &SdlOutput::callback;
        want.userdata = this;
        SDL_AudioSpec have{};
        // No allowed changes: SDL converts to whatever the hardware wants, and
        // the mixer always sees exactly 44100 Hz float stereo.
        id_ = SDL_OpenAudioDevice(name, 0, &want, &have, 0);
        if (id_ == 0) return fail();
        return true;
    }

    void setPaused(bool paused) override {
        if (id_ != 0) SDL_PauseAudioDevice(id_, paused ? 1 : 0);
    }

    void close() override {
        if (id_ != 0) SDL_CloseAudioDevice(id_); // waits for the callback to finish
        id_ = 0;
        if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystem_ = false;
    }

private:
    bool fail() {
        close();
        return false;
    }

    static void SDLCALL callback(void* self, Uint8* stream, int len) {
        auto* o = static_cast<SdlOutput*>(self);
        o->render_(o->context_, reinterpret_cast<float*>(stream), len / int(2 * sizeof(float)));
    }

    SDL_AudioDeviceID id_ = 0;
    bool subsystem_ = false;
    Render render_ = nullptr;
    void* context_ = nullptr;
};

} // namespace

std::unique_ptr<AudioOutput> makeSdlOutput() {
    return std::make_unique<SdlOutput>();
}

std::unique_ptr<AudioOutput> makeOutput() {
    {
        std::lock_guard<std::mutex> lock(g_factoryMutex);
        if (g_factory) return g_factory();
    }
    return makeSdlOutput();
}

int sdlOutputDeviceCount() {
    if (!startSdlAudio()) return 0;
    int n = SDL_GetNumAudioDevices(0);
    if (n < 0) {
        // The driver cannot list its devices; count the default one if it opens.
        SDL_AudioSpec want{};
        want.freq = 44100;
        want.format = AUDIO_F32SYS;
        want.channels = 2;
        want.samples = 512;
        const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
        n = id != 0 ? 1 : 0;
        if (id != 0) SDL_CloseAudioDevice(id);
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return n;
}

void setOutputFactory(std::function<std::unique_ptr<AudioOutput>()> factory) {
    std::lock_guard<std::mutex> lock(g_factoryMutex);
    g_factory = std::move(factory);
}

} // namespace vs::audio
