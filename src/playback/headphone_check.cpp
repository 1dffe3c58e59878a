// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/headphone_check.h"

#include "base/interface_language.h"

namespace vs::playback {

EngineEarTone::EngineEarTone(audio::Engine& engine, MessageService& messages,
                             const WavePaths& waves)
    : left_(engine, messages), right_(engine, messages) {
    for (auto [player, path] : {std::pair{&left_, &waves.left}, std::pair{&right_, &waves.right}}) {
        std::int32_t most = 1;
        bool eightBit = false, mono = false, looped = true;
        player->Load(*path, most, eightBit, mono, looped);
    }
}

EngineEarTone::~EngineEarTone() {
    silence();
}

void EngineEarTone::sound(Ear ear) {
    silence();
    (ear == Ear::Left ? left_ : right_).Play(kVolume, audio::Rate::hz(kRate), true);
}

void EngineEarTone::silence() {
    for (audio::BassSample* s : {&left_, &right_})
        if (s->Playing()) s->StopPlay();
}

void HeadphoneCheck::start() {
    answered_ = 0;
    running_ = true;
    heard_[0] = heard_[1] = Heard::Nothing;
    tone_.sound(Ear::Left);
}

void HeadphoneCheck::answer(Heard heard) {
    if (!running_) return;
    heard_[answered_++] = heard;
    if (done())
        stop();
    else
        tone_.sound(Ear::Right);
}

void HeadphoneCheck::stop() {
    running_ = false;
    tone_.silence();
}

HeadphoneCheck::Verdict HeadphoneCheck::verdict() const {
    if (!done()) return Verdict::Pending;
    const Heard l = heard_[0], r = heard_[1];
    if (l == Heard::There && r == Heard::There) return Verdict::Correct;
    if (l == Heard::OtherSide && r == Heard::OtherSide) return Verdict::Exchanged;
    if (l == Heard::Nothing && r == Heard::Nothing) return Verdict::Silent;
    if (l == Heard::Nothing || r == Heard::Nothing) return Verdict::OneSide;
    return Verdict::SameSide;
}

std::string HeadphoneCheck::verdictText(bool exchanged) const {
    switch (verdict()) {
    case Verdict::Pending:
        break;
    case Verdict::Correct:
        return translate("HeadphoneCheck",
                         "Cada tono suena en su oído: los pulsos binaurales llegarán bien.");
    case Verdict::Exchanged:
        return exchanged ? translate("HeadphoneCheck",
                                     "Los lados llegan cambiados: desmarque «Intercambiar "
                                     "canales» y repita la comprobación.")
                         : translate("HeadphoneCheck",
                                     "Los lados llegan cambiados: marque «Intercambiar canales» y "
                                     "repita la comprobación.");
    case Verdict::OneSide:
        return translate(
            "HeadphoneCheck",
            "Sólo suena un lado: revise el cable y los auriculares. Sin los dos lados, "
            "elija el pulso «Isocrónico» en Opciones.");
    case Verdict::SameSide:
        return translate("HeadphoneCheck",
                         "Los dos tonos suenan en el mismo oído: la salida no es estéreo. Elija el "
                         "pulso «Monoaural» o «Isocrónico» en Opciones.");
    case Verdict::Silent:
        return translate("HeadphoneCheck",
                         "No suena nada: revise el volumen y la salida de audio.");
    }
    return {};
}

} // namespace vs::playback
