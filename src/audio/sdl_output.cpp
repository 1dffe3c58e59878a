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

// The names SDL lists now (the subsystem must be up).
std::vector<std::string> listedDevices() {
    std::vector<std::string> names;
    const int n = SDL_GetNumAudioDevices(0);
    for (int i = 0; i < n; ++i)
        if (const char* name = SDL_GetAudioDeviceName(i, 0)) names.emplace_back(name);
    return names;
}

class SdlOutput : public AudioOutput {
public:
    ~SdlOutput() override { close(); }

    std::vector<std::string> devices() override {
        if (!startSdlAudio()) return {};
        auto names = listedDevices();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return names;
    }

    bool open(const std::string& device, Render render, void* context) override {
        if (id_ != 0 || !startSdlAudio()) return false;
        subsystem_ = true;
        render_ = render;
        context_ = context;
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
        id_ = SDL_OpenAudioDevice(device.empty() ? nullptr : device.c_str(), 0, &want, &have, 0);
        if (id_ == 0) return fail();
        channels_ = deviceChannels(device);
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

    int channels() const override { return channels_; }

    // SDL disables a device it has lost, as it raises SDL_AUDIODEVICEREMOVED
    // for it (a device unplugged, or one whose driver reported a failure);
    // asking its state needs no event loop of SDL's.
    bool lost() const override {
        return id_ != 0 && SDL_GetAudioDeviceStatus(id_) == SDL_AUDIO_STOPPED;
    }

private:
    bool fail() {
        close();
        return false;
    }

    // What the device itself has: SDL's preferred format for it.
    static int deviceChannels(const std::string& device) {
        SDL_AudioSpec format{};
        if (device.empty()) {
            char* name = nullptr;
            if (SDL_GetDefaultAudioInfo(&name, &format, 0) != 0) return 0;
            SDL_free(name);
            return format.channels;
        }
        const auto names = listedDevices();
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i] == device && SDL_GetAudioDeviceSpec(int(i), 0, &format) == 0)
                return format.channels;
        return 0;
    }

    static void SDLCALL callback(void* self, Uint8* stream, int len) {
        auto* o = static_cast<SdlOutput*>(self);
        o->render_(o->context_, reinterpret_cast<float*>(stream), len / int(2 * sizeof(float)));
    }

    SDL_AudioDeviceID id_ = 0;
    bool subsystem_ = false;
    int channels_ = 0;
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
