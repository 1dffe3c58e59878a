// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound device seen through a narrow window, so the engine can be started
// without hardware (tests inject a double; "no sound" needs none at all).
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vs::audio {

class AudioOutput {
public:
    // Called on the device's own thread with `frames` frames of float stereo to fill.
    using Render = void (*)(void* context, float* interleavedStereo, int frames);

    virtual ~AudioOutput() = default;
    // UI thread. The output devices the system lists now, by name.
    virtual std::vector<std::string> devices() = 0;
    // UI thread. Opens the device of that name ("": the system's default) at
    // 44100 Hz, float, stereo, exactly; starts paused. False when there is none.
    virtual bool open(const std::string& device, Render render, void* context) = 0;
    // UI thread. Paused: the callback is not called. SDL changes this under
    // its device lock (SDL_PauseAudioDevice), which the callback holds while
    // it runs: the call may wait for one callback in progress to finish.
    virtual void setPaused(bool paused) = 0;
    // UI thread. When it returns, the callback is no longer running and never
    // runs again: it waits for a callback in progress (SDL_CloseAudioDevice).
    virtual void close() = 0;
    // UI thread, while open. The channels the device itself has (what the
    // stereo is converted to), 0 when it does not say.
    virtual int channels() const = 0;
    // UI thread, while open. The device has gone (unplugged) or its driver
    // gave up on it: the callback will not be called again.
    virtual bool lost() const = 0;
};

// Output through SDL2 audio; honours SDL_AUDIODRIVER (dummy and disk work headless).
std::unique_ptr<AudioOutput> makeSdlOutput();
// The output the engine opens: the factory's when a test set one, else SDL's.
std::unique_ptr<AudioOutput> makeOutput();
int sdlOutputDeviceCount();

// Tests replace how the engine makes its output; an empty function restores SDL.
void setOutputFactory(std::function<std::unique_ptr<AudioOutput>()> factory);

} // namespace vs::audio
