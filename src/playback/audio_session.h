// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sound side of the program's life: the start-up check for a sound device,
// the three tone wave files, the audio library with its three sample players,
// and their release at exit in the order the engine needs. Failures are told
// to the user through the message service and the sequence goes on; nothing
// is thrown.
//
// Thread rule: UI thread only, like the engine operations it calls.
#include "playback/player_sound.h"

#include <string>

namespace vs {
class MessageService;
}

namespace vs::playback {

class AudioSession {
public:
    // `engine` is the process's (audio::processEngine()): the start-up and
    // the release go through the audio library's operations, which drive it.
    AudioSession(MessageService& messages, audio::Engine& engine);
    // A session object dropped without the exit steps (a test, an abnormal
    // end of the window) still lets go of the device and deletes the files.
    ~AudioSession();
    AudioSession(const AudioSession&) = delete;
    AudioSession& operator=(const AudioSession&) = delete;

    // Start-up: "No se encuentra la tarjeta de sonido" when the system lists
    // no output device. Start-up goes on either way.
    void comprobarTarjetaSonido();
    // Start-up: writes OndaL, OndaR and OndaM into `folder` (into a folder of
    // this run's own inside it while another run uses it), then the coloured
    // masks beside them; false at the first file that could not be written
    // (the rest are not written), told to the user with the folder and the
    // reason.
    bool prepararOndas(const std::string& folder);
    // Start-up: the audio library on the output device of that name (the
    // default when empty, or when it is not there or will not open: said
    // once), then recording and output; each failure has its own message and
    // the next step still runs. The sample players exist only when the
    // library started.
    void iniciarAudio(const std::string& device = {});

    // Exit: deletes whichever wave files exist, the coloured masks too.
    void borrarOndas();
    // Exit: stops and frees the library, then frees the three samples.
    void liberar();

    bool started() const { return started_; }
    SampleToneBank& tones() { return tones_; }

private:
    MessageService& messages_;
    SampleToneBank tones_;
    bool started_ = false;
    bool wavesWritten_ = false;
    std::string folder_;
};

} // namespace vs::playback
