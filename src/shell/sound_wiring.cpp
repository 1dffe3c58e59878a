// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound_wiring.h"

#include "audio/engine.h"
#include "base/interface_language.h"
#include "base/preferences.h"
#include "base/services.h"
#include "headphone_dialog.h"
#include "playback/playback_keys.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include <chrono>

namespace vs::shell {
namespace {

std::string named(const std::string& device) {
    return device.empty() ? std::string() : " «" + device + "»";
}

} // namespace

SoundWiring::SoundWiring(SoundContext context)
    : QObject(context.window), c_(std::move(context)), guard_(*c_.messages) {
    watch_ = new QTimer(this);
    watch_->setInterval(kWatchMs);
    connect(watch_, &QTimer::timeout, this, &SoundWiring::watchDevice);
    if (c_.checkAction) {
        if (auto* menu = qobject_cast<QMenu*>(c_.checkAction->parent()))
            menu->insertSeparator(c_.checkAction);
        connect(c_.checkAction, &QAction::triggered, this, &SoundWiring::checkHeadphones);
    }
}

SoundWiring::~SoundWiring() = default;

std::string SoundWiring::storedDevice() {
    return Preferences::instance().get(playback::pref::DispositivoAudio);
}

std::vector<std::string> SoundWiring::outputDevices() {
    return audio::Engine::outputDeviceNames();
}

void SoundWiring::start() {
    c_.engine->setSwapChannels(playback::readSoundChoice(Preferences::instance()).swapChannels);
    askServer();
    watch_->start();
}

void SoundWiring::askServer() {
    if (!c_.outputCheck || asking_.valid()) return;
    audio::OutputCheck* check = c_.outputCheck.get();
    asking_ = std::async(std::launch::async, [check] { return check->ask(); });
}

std::optional<audio::OutputFacts> SoundWiring::serverFacts() {
    if (asking_.valid() && asking_.wait_for(std::chrono::seconds(0)) == std::future_status::ready)
        facts_ = asking_.get();
    // The server speaks of its default output, which is ours only on the default device.
    if (!c_.engine->deviceName().empty()) return std::nullopt;
    return facts_;
}

void SoundWiring::beforePlay() {
    guard_.atPlay(playback::readSoundChoice(Preferences::instance()), c_.tonesTicked && c_.tonesTicked(),
                  c_.engine->deviceChannels(), serverFacts());
}

playback::SoundChoice SoundWiring::choice() const {
    return guard_.current(playback::readSoundChoice(Preferences::instance()));
}

void SoundWiring::apply() {
    audio::Engine& e = *c_.engine;
    e.setSwapChannels(playback::readSoundChoice(Preferences::instance()).swapChannels);
    const std::string wanted = storedDevice();
    if (!e.isOpen() || e.isOffline() || wanted == e.deviceName()) return;
    if (!e.moveToDevice(wanted))
        // %1: the device's name in quotes after a space, or nothing.
        c_.messages->critical(
            withArgs(tr("No se puede abrir la salida de audio%1; el sonido sigue por donde salía.")
                         .toStdString(),
                     {named(wanted)}));
    facts_.reset();
    askServer();
}

void SoundWiring::watchDevice() {
    audio::Engine& e = *c_.engine;
    const std::string was = e.deviceName();
    switch (e.keepDevice()) {
    case audio::Engine::DeviceMove::None:
        return;
    case audio::Engine::DeviceMove::ToDefault:
        facts_.reset();
        askServer();
        if (noDeviceTold_) {
            noDeviceTold_ = false;
            c_.messages->information(
                tr("El sonido vuelve a salir por la salida predeterminada del sistema.")
                    .toStdString());
        } else {
            c_.messages->information(
                withArgs(tr("Se ha desconectado la salida de audio%1. El sonido sigue por la "
                            "salida predeterminada del sistema.")
                             .toStdString(),
                         {named(was)}));
        }
        return;
    case audio::Engine::DeviceMove::NoDevice:
        if (noDeviceTold_) return;
        noDeviceTold_ = true;
        c_.messages->critical(withArgs(tr("Se ha desconectado la salida de audio%1 y no hay otra "
                                          "que abrir. El sonido volverá en cuanto la haya.")
                                           .toStdString(),
                                       {named(was)}));
        return;
    }
}

void SoundWiring::checkHeadphones() {
    if (c_.stopPlayer) c_.stopPlayer();
    if (!c_.engine->isOpen()) {
        c_.messages->critical(
            tr("No se puede comprobar: el sonido no se ha podido iniciar.").toStdString());
        return;
    }
    playback::EngineEarTone tone(*c_.engine, *c_.messages);
    HeadphoneDialog dialog(
        tone, c_.engine->swapChannels(),
        [this](bool on) {
            Preferences::instance().save(playback::pref::IntercambiarCanales, on ? "1" : "0");
            c_.engine->setSwapChannels(on);
        },
        c_.window);
    c_.runModal(dialog);
}

} // namespace vs::shell
