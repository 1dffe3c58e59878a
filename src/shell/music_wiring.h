// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The playlist and the music player joined to the main window: the grid
// FlexMusica, the "&Música" menu and its pop-up, the music volume slider and
// timerVolumenExterno. It is also the session player's MusicLink, handing the
// player's calls to the music player once the mixer exists.
#include "links/player_links.h"

#include <functional>
#include <memory>
#include <string>

class QTimer;
class QWidget;

namespace vs {
class FileDialogService;
class MessageService;
} // namespace vs
namespace vs::audio {
class clsVolume;
}
namespace vs::library {
class CdTrackChooser;
class MusicDevices;
class MusicLibrary;
class MusicPlayer;
} // namespace vs::library

namespace vs::shell {

struct MainWindowUi;

struct MusicParts {
    // Default: the streams, a MIDI sequencer and a CD player on the program's engine.
    std::function<std::unique_ptr<library::MusicDevices>()> makeDevices;
    // Default: the modal dialog listing the disc's tracks.
    std::function<std::unique_ptr<library::CdTrackChooser>(QWidget* owner)> makeCdChooser;
};

class MusicWiring : public links::MusicLink {
public:
    // How often timerVolumenExterno brings the slider to the mixer's level.
    static constexpr int kVolumenExternoMs = 750;

    MusicWiring(MainWindowUi& ui, QWidget* window, MessageService& messages,
                FileDialogService& dialogs, MusicParts parts);
    ~MusicWiring() override;

    // List set-up (start-up step 3): the playlist on the window's mixer.
    void configurar(audio::clsVolume& volume);
    // Start-up step 8.
    void cargarLista();
    // Start-up step 13: the first song chosen; from here on the slider and
    // the mixer follow each other.
    void iniciar();
    // Exit: the list written back (false when it could not be).
    bool guardarLista();
    std::string listFile() const;
    // Exit: the MIDI devices closed, the CD let go.
    void cerrar();
    // The music of an export starting now: a copy of the rows, the current
    // song, the box and the slider; empty when there is nothing to play.
    links::MusicLinkFactory exportMusic() const;

    void PlayMusica() override;
    void PararMusica() override;
    void SiguienteCancion() override;
    bool songEnded() override;

    // For tests: null before configurar().
    library::MusicLibrary* library() const { return library_.get(); }
    library::MusicPlayer* player() const { return player_.get(); }
    QTimer* timerVolumenExterno() const { return timer_; }

private:
    class View;
    MainWindowUi& ui_;
    QWidget* window_;
    MessageService& messages_;
    FileDialogService& dialogs_;
    MusicParts parts_;
    std::unique_ptr<library::MusicDevices> devices_;
    std::unique_ptr<View> view_;
    std::unique_ptr<library::MusicLibrary> library_;
    std::unique_ptr<library::MusicPlayer> player_;
    QTimer* timer_ = nullptr;
    bool sliderLinked_ = false;
};

} // namespace vs::shell
