// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The LED steps of an exported session, carried in its sound: the glasses'
// own sequencer and sequence table on a simulated step clock, each step's byte
// handed to the render engine's light signal instead of a port. The glasses
// count as on, as they must be for the export to offer the lights.
//
// Thread rule: the factory is made on the UI thread (the sequence table is
// filled there); the link it makes lives on the render's thread.
#include "playback/session_render.h"

namespace vs::library {

playback::GlassesLinkFactory exportLights();

} // namespace vs::library
