// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The LED steps of an exported session, carried in its sound: the player's
// glasses link (SequencerLink) on a simulated step clock, its port writing
// nowhere but the render engine's light signal. The glasses count as on, as
// they must be for the export to offer the lights.
//
// Thread rule: the factory is made on the UI thread (the sequence table is
// filled there); the glasses it makes live on the render's thread.
#include "links/player_links.h"

namespace vs::glasses {

links::GlassesLinkFactory exportLights();

} // namespace vs::glasses
