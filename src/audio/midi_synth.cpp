// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/midi_synth.h"

#include "audio/engine.h"
#include "audio/fed_line.h"
#include "audio/midi_file.h"
#include "audio/spsc_queue.h"

#include <fluidsynth.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

namespace vs::audio {
namespace {

// Frames the worker renders per pass: small enough that stop() waits little.
constexpr int kChunk = 512;
// About 370 ms ahead: room for the longest offline piece (4096 frames) and a
// sluggish scheduler, while a song's start is still heard promptly.
constexpr std::size_t kRingFrames = 16384;
// How long the worker naps when the ring is full.
constexpr auto kNap = std::chrono::milliseconds(3);
// After the last event, notes still ringing are let fade for at most this long.
constexpr int kMaxTailFrames = 2 * kMixRate;
// Amplitude factor of FluidSynth's mix.
constexpr double kSynthGain = 0.5;

static_assert(std::atomic<bool>::is_always_lock_free);

void silenceFluidSynthLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
    });
}

// The audio-thread end: the ring and two flags, nothing else.
using SynthLine = FedLine;

// FluidSynth's objects for one playback. The worker makes, uses and frees
// them: reading the SoundFont takes tens of milliseconds, which the UI thread
// (and the LED steps it drives) must not wait for.
struct FluidSong {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;

    ~FluidSong() {
        if (player) delete_fluid_player(player);
        if (synth) delete_fluid_synth(synth);
        if (settings) delete_fluid_settings(settings);
    }

    bool open(const std::vector<std::uint8_t>& song, const std::string& soundFont) {
        settings = new_fluid_settings();
        if (!settings) return false;
        fluid_settings_setnum(settings, "synth.sample-rate", double(kMixRate));
        // The player's clock is the samples rendered, not the wall clock, so
        // rendering ahead (or offline, faster than real time) keeps time.
        fluid_settings_setstr(settings, "player.timing-source", "sample");
        // FluidSynth's default gain (0.2) leaves a General MIDI song some 45 dB
        // below full scale, far under the tones it accompanies; this still
        // leaves a dense song headroom before the mixer's clamp.
        fluid_settings_setnum(settings, "synth.gain", kSynthGain);
        synth = new_fluid_synth(settings);
        if (!synth || fluid_synth_sfload(synth, soundFont.c_str(), 1) == FLUID_FAILED) return false;
        player = new_fluid_player(synth);
        return player && fluid_player_add_mem(player, song.data(), song.size()) == FLUID_OK &&
               fluid_player_play(player) == FLUID_OK;
    }
};

// Worker thread. A song FluidSynth will not take counts as played out at once.
void renderSong(const std::vector<std::uint8_t>& song, const std::string& soundFont,
                SynthLine& line, const std::atomic<bool>& quit) {
    FluidSong f;
    if (f.open(song, soundFont)) {
        float block[2 * kChunk];
        int tail = 0;
        while (!quit.load(std::memory_order_relaxed)) {
            if (line.ring.writeSpace() < std::size_t(2 * kChunk)) {
                std::this_thread::sleep_for(kNap);
                continue;
            }
            fluid_synth_write_float(f.synth, kChunk, block, 0, 2, block, 1, 2);
            line.ring.write(block, std::size_t(2 * kChunk));
            if (fluid_player_get_status(f.player) != FLUID_PLAYER_PLAYING) {
                tail += kChunk;
                if (fluid_synth_get_active_voice_count(f.synth) == 0 || tail >= kMaxTailFrames)
                    break;
            }
        }
    }
    line.complete.store(true, std::memory_order_release);
}

} // namespace

struct MidiSynth::Run {
    std::shared_ptr<SynthLine> line = std::make_shared<SynthLine>(kRingFrames * 2);
    std::atomic<bool> quit{false};
    std::thread worker;

    ~Run() {
        quit.store(true, std::memory_order_relaxed);
        if (worker.joinable()) worker.join();
    }
};

MidiSynth::MidiSynth(std::vector<std::uint8_t> song, Engine& engine, std::string soundFont)
    : engine_(engine), song_(std::move(song)), soundFont_(std::move(soundFont)) {}

MidiSynth::~MidiSynth() {
    stop();
}

bool MidiSynth::play() {
    stop();
    // What can be refused is refused here, cheaply; the rest is the worker's.
    if (!engine_.isOpen() || !midiLengthMs(song_.data(), song_.size()) ||
        !fluid_is_soundfont(soundFont_.c_str()))
        return false;
    silenceFluidSynthLog();
    auto run = std::make_unique<Run>();
    if (!engine_.setLineSource(Line::Synth, run->line)) return false;
    // song_ and soundFont_ stay unchanged while the worker runs: it is joined
    // before the next play() and in the destructor.
    run->worker = std::thread(renderSong, std::cref(song_), std::cref(soundFont_),
                              std::ref(*run->line), std::cref(run->quit));
    run_ = std::move(run);
    return true;
}

void MidiSynth::stop() {
    if (!run_) return;
    // Off the line first, so the callback stops reading before the ring goes
    // (the engine keeps the source alive until the callback lets go of it).
    engine_.setLineSource(Line::Synth, nullptr);
    run_.reset();
}

bool MidiSynth::playing() const {
    return run_ && !run_->line->drained.load(std::memory_order_acquire);
}

} // namespace vs::audio
