// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/sound_server.h"

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
#include <pulse/operation.h>
#include <pulse/proplist.h>

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace vs::audio {
namespace {

std::string lowerDashed(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = c == '_' ? '-' : char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool contains(const std::string& s, std::string_view part) {
    return s.find(part) != std::string::npos;
}

std::string property(const pa_proplist* p, const char* key) {
    const char* v = p ? pa_proplist_gets(p, key) : nullptr;
    return v ? v : "";
}

// One question's state, shared by the callbacks of its private main loop.
struct Question {
    SinkReport report;
    bool sinkSeen = false;
    std::uint32_t card = PA_INVALID_INDEX;
    bool done = false;
    bool answered = false;

    void finish(bool ok) {
        done = true;
        answered = ok;
    }
};

// Each request's operation runs on without our reference.
void dropReference(pa_operation* op, Question& q) {
    if (op)
        pa_operation_unref(op);
    else
        q.finish(false);
}

void onCard(pa_context*, const pa_card_info* info, int eol, void* user) {
    auto& q = *static_cast<Question*>(user);
    if (eol != 0) {
        q.finish(q.sinkSeen); // a card that cannot be read leaves the sink's facts
        return;
    }
    if (info->active_profile2 && info->active_profile2->name)
        q.report.cardProfile = info->active_profile2->name;
    if (q.report.deviceBus.empty()) q.report.deviceBus = property(info->proplist, "device.bus");
}

void onSink(pa_context* c, const pa_sink_info* info, int eol, void* user) {
    auto& q = *static_cast<Question*>(user);
    if (eol != 0) {
        if (!q.sinkSeen)
            q.finish(false);
        else if (q.card == PA_INVALID_INDEX)
            q.finish(true);
        else
            dropReference(pa_context_get_card_info_by_index(c, q.card, onCard, &q), q);
        return;
    }
    q.sinkSeen = true;
    q.card = info->card;
    q.report.name = info->name ? info->name : "";
    q.report.description = info->description ? info->description : "";
    q.report.channels = info->channel_map.channels;
    q.report.deviceBus = property(info->proplist, "device.bus");
    q.report.deviceApi = property(info->proplist, "device.api");
    q.report.sinkProfile = property(info->proplist, "api.bluez5.profile");
    if (q.report.sinkProfile.empty())
        q.report.sinkProfile = property(info->proplist, "bluetooth.protocol");
}

void onServer(pa_context* c, const pa_server_info* info, void* user) {
    auto& q = *static_cast<Question*>(user);
    if (!info || !info->default_sink_name || !*info->default_sink_name) {
        q.finish(false);
        return;
    }
    dropReference(pa_context_get_sink_info_by_name(c, info->default_sink_name, onSink, &q), q);
}

void onState(pa_context* c, void* user) {
    auto& q = *static_cast<Question*>(user);
    switch (pa_context_get_state(c)) {
    case PA_CONTEXT_READY:
        dropReference(pa_context_get_server_info(c, onServer, &q), q);
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        q.finish(false);
        break;
    default:
        break;
    }
}

} // namespace

bool isHandsFreeProfile(std::string_view profile) {
    const std::string p = lowerDashed(profile);
    return contains(p, "head-unit") || contains(p, "hsp") || contains(p, "hfp") ||
           contains(p, "headset-audio-gateway") || contains(p, "handsfree-audio-gateway");
}

OutputFacts factsFrom(const SinkReport& r) {
    OutputFacts f;
    f.sink = r.name;
    f.description = r.description;
    f.channels = r.channels;
    f.bluetooth =
        r.deviceBus == "bluetooth" || r.deviceApi == "bluez5" || r.name.rfind("bluez_", 0) == 0;
    if (f.bluetooth) {
        f.profile = r.cardProfile.empty() ? r.sinkProfile : r.cardProfile;
        f.handsFree = isHandsFreeProfile(r.cardProfile) || isHandsFreeProfile(r.sinkProfile);
    }
    return f;
}

std::optional<OutputFacts> PulseOutputCheck::ask() {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + budget_;
    pa_mainloop* loop = pa_mainloop_new();
    if (!loop) return std::nullopt;
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "Velorin Somnara");
    Question q;
    if (context) {
        pa_context_set_state_callback(context, onState, &q);
        // Never start a server just to ask it.
        if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            q.finish(false);
        while (!q.done) {
            const auto left =
                std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
            if (left.count() <= 0) break;
            if (pa_mainloop_prepare(loop, int(std::min<long long>(left.count(), 1'000'000'000))) <
                    0 ||
                pa_mainloop_poll(loop) < 0 || pa_mainloop_dispatch(loop) < 0)
                break;
        }
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
    pa_mainloop_free(loop);
    if (!q.answered) return std::nullopt;
    return factsFrom(q.report);
}

} // namespace vs::audio
