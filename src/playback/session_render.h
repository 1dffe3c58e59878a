// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A session rendered as Play sounds it, without a device: the session player
// itself, on a simulated clock, drives a private engine opened offline, and
// the frames between two timer ticks are mixed and handed on in blocks. The
// three tone waves are loaded into that engine, the fade goes to its master
// gain; the LED steps, when asked for, drive its light signal. Memory stays
// the same whatever the length.
//
// Thread rule: a renderer is used by one thread at a time, any thread (the
// engine it makes is private to run()); it reads its own copy of the session.
#include "base/services.h"
#include "playback/session_player.h"
#include "playback/sound_choice.h"
#include "session/session_model.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vs::audio {
class Engine;
}

namespace vs::playback {

// The fixed seed of the masking noise in a render: exporting a session twice
// gives the same bytes.
inline constexpr std::uint64_t kRenderNoiseSeed = 0x5645'4C4F'5249'4E00ull;

// What the window's controls say when the export starts; every field the
// render depends on besides the session lives here.
struct ExportOptions {
    bool binaural = true;
    bool mascara = false;
    bool musica = false;
    int volumenBinaural = 50; // the bars, 0..100, as the player reads them
    int volumenMascara = 20;
    int ultimosSegundos = 30; // fade seconds
    // The lights carried in the sound (offered while "Luz en Audio" and the
    // glasses are on); they need a glasses link for the render.
    bool luz = false;
    // The pulse type, the mask's colour and the exchange of the channels.
    SoundChoice sound;
    // Defaults: the program's own for a first start.
};

class PlayerView;

// The options as the window's controls stand now.
ExportOptions optionsFrom(const PlayerView& view);

// What a render would show in a box goes into its notes, each text once: a
// song that cannot play is met again at every turn of the list.
class NoteMessages : public MessageService {
public:
    explicit NoteMessages(links::RenderNotes& notes) : notes_(notes) {}
    void critical(const std::string& text) override { add(text); }
    void information(const std::string& text) override { add(text); }
    bool askYesNo(const std::string& text) override {
        add(text);
        return false;
    }

private:
    void add(const std::string& text);
    links::RenderNotes& notes_;
};

// Where rendered frames go: interleaved stereo floats, -1..1.
class FrameSink {
public:
    virtual ~FrameSink() = default;
    // False stops the render (the sink has its own reason).
    virtual bool write(const float* interleavedStereo, int frames) = 0;
    // Where the next `frames` frames may be made, for a sink that keeps a
    // place for them (a pipeline's free block): the renderer mixes there and
    // hands that same pointer to write(). Null: the renderer's own block.
    virtual float* nextBlock(int /*frames*/) { return nullptr; }
};

enum class RenderStatus { Complete, Cancelled, Failed };

struct RenderResult {
    RenderStatus status = RenderStatus::Failed;
    std::int64_t frames = 0; // handed to the sink
    std::string error;       // Spanish, for a failure the renderer itself found
    links::RenderNotes notes;
};

class SessionRenderer {
public:
    static constexpr int kBlockFrames = 4410;

    // The lights are rendered when options.luz is set and `lights` is given.
    SessionRenderer(const session::SessionModel& model, const ExportOptions& options,
                    links::MusicLinkFactory music = {}, links::GlassesLinkFactory lights = {});
    ~SessionRenderer();

    // The length of the render: the whole session, to the frame.
    std::int64_t totalFrames() const;

    // Renders the session into `sink`. `cancel` (may be null) is read between
    // blocks; `progress` (may be empty) is called after each block with the
    // frames done. Nothing to sound (no source ticked, no length) is a failure.
    RenderResult run(FrameSink& sink, const std::atomic<bool>* cancel = nullptr,
                     const std::function<void(std::int64_t done)>& progress = {});

private:
    session::SessionModel model_;
    ExportOptions options_;
    links::MusicLinkFactory music_;
    links::GlassesLinkFactory lights_;
};

// Levels on the -1..1 scale at full master level, as the player sets them:
// the highest a masking-noise sample reaches and the largest step from one
// sample to the next (the original's are the same; a colour's, the larger of
// its two), and the peak of each tone.
double maskPeakFor(const ExportOptions& options);
double tonePeakFor(const ExportOptions& options);

} // namespace vs::playback
