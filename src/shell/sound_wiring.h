// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the sound reaches the listener, joined to the window and the program's
// engine: the choice the player plays with (the options' "Sonido" tab, with
// the isochronic pulse the binaural guard may give this run), the exchange of
// the channels and the output device as stored, the watch over a device that
// goes away during a session, and "Comprobar auriculares..." in the session
// menu. The window makes one and hands it its parts.
#include "audio/sound_server.h"
#include "binaural_guard.h"
#include "playback/sound_choice.h"

#include <QObject>

#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QDialog;
class QTimer;
class QWidget;

namespace vs {
class MessageService;
}
namespace vs::audio {
class Engine;
}

namespace vs::shell {

struct SoundContext {
    QWidget* window = nullptr;
    audio::Engine* engine = nullptr; // the program's
    MessageService* messages = nullptr;
    QAction* checkAction = nullptr;    // "Comprobar auriculares..."
    std::function<bool()> tonesTicked; // the binaural box
    std::function<void()> stopPlayer;
    std::function<void(QDialog&)> runModal;
    // Asks the sound server about the default output; null asks nothing.
    std::unique_ptr<audio::OutputCheck> outputCheck;
};

class SoundWiring : public QObject {
    Q_OBJECT
public:
    static constexpr int kWatchMs = 1000;

    explicit SoundWiring(SoundContext context);
    // Waits for a question to the sound server still on its way (at most its budget).
    ~SoundWiring() override;

    // The output device as stored ("" the system's default), for the start-up.
    static std::string storedDevice();
    // The devices the options dialog offers.
    static std::vector<std::string> outputDevices();

    // Start-up, once the engine runs: the channels exchanged as stored, the
    // sound server asked on a worker thread, the device watched.
    void start();
    // Before the player's Play: the binaural guard.
    void beforePlay();
    // The choice the player plays with.
    playback::SoundChoice choice() const;
    // After the options changed the sound: the exchange and the device
    // follow what is stored now (a device that will not open is said).
    void apply();
    // The watch's tick: a device gone moves the output to the default, said once.
    void watchDevice();
    // "Comprobar auriculares...": stops the session and runs the check.
    void checkHeadphones();

    const BinauralGuard& guard() const { return guard_; }

private:
    void askServer();
    std::optional<audio::OutputFacts> serverFacts();

    SoundContext c_;
    BinauralGuard guard_;
    QTimer* watch_ = nullptr;
    bool noDeviceTold_ = false;
    std::optional<audio::OutputFacts> facts_;
    std::future<std::optional<audio::OutputFacts>> asking_;
};

} // namespace vs::shell
