// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the session player drives besides its tones: the glasses' LED steps
// and the background music. The glasses (SequencerLink) and the playlist
// (MusicPlayer) implement these; the player and the renderer only see them.
//
// Thread rule: the thread that drives the player (the UI thread live, an
// export's worker in a render).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vs::audio {
class Engine;
}

namespace vs::links {

// The LED side of the glasses as the player drives it.
class GlassesLink {
public:
    virtual ~GlassesLink() = default;
    virtual bool GafasMentales() const = 0;
    virtual void setClockEnabled(bool enabled) = 0;
    virtual void setFrecuenciaLed(float hz) = 0;
    virtual void setSecuenciaActual(int sequence) = 0;
    // All indicators dark; the port gets 0 only when the glasses are on.
    virtual void darken() = 0;
};

// Background music as the player drives it.
class MusicLink {
public:
    virtual ~MusicLink() = default;
    virtual void PlayMusica() = 0;
    virtual void PararMusica() = 0;
    virtual void SiguienteCancion() = 0;
    virtual bool songEnded() = 0;
};

// What a render could not do as Play does (a song that would not play, say):
// one Spanish line each, shown with the report. The music link adds to it.
using RenderNotes = std::vector<std::string>;

// The glasses in a render: the link the player drives, and the LED steps the
// render runs at their times on its simulated clock (the light signal follows
// each step's byte).
class RenderGlasses {
public:
    virtual ~RenderGlasses() = default;
    virtual GlassesLink& link() = 0;
    // The next step's time in ms since Play; -1 while none is due.
    virtual std::int64_t nextStepMs() const = 0;
    // Time has come to `ms`: every step due by then is taken.
    virtual void stepTo(std::int64_t ms) = 0;
};

// What an export plugs into its render, made on the render's thread over the
// render's private engine. Background music (the link may keep `notes` for the
// whole render) and the LED steps; an empty factory or a null result: none.
using MusicLinkFactory =
    std::function<std::unique_ptr<MusicLink>(audio::Engine&, RenderNotes& notes)>;
using GlassesLinkFactory = std::function<std::unique_ptr<RenderGlasses>(audio::Engine&)>;

} // namespace vs::links
