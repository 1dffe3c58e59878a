// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A preference as its owner declares it: where it lives and what a read of an
// absent or unreadable value gives. Each subsystem declares its own keys beside
// its code; the store itself knows none of them.
namespace vs {

// The application name the store files its sections under.
inline constexpr const char* kPreferencesApp = "Velorin Somnara";

struct PreferenceKey {
    const char* section;
    const char* name;
    const char* def; // default on read; nullptr: written only, never read
};

} // namespace vs
