// SPDX-License-Identifier: GPL-3.0-or-later
#include "music_wiring.h"

#include "audio/bass.h"
#include "base/preferences.h"
#include "library/cd_track_dialog.h"
#include "library/engine_music_devices.h"
#include "library/music_grid.h"
#include "library/music_library.h"
#include "library/music_player.h"
#include "library/export_music.h"
#include "main_window_ui.h"

#include <QAction>
#include <QCheckBox>
#include <QScrollBar>
#include <QTimer>

namespace vs::shell {

class MusicWiring::View : public library::MusicView {
public:
    explicit View(MainWindowUi& ui) : ui_(ui) {}
    bool chkMusica() const override { return ui_.chkMusica->isChecked(); }
    int scrollVolumenMusica() const override { return ui_.scrollVolumenMusica->value(); }
    void setScrollVolumenMusica(int v) override { ui_.scrollVolumenMusica->setValue(v); }

private:
    MainWindowUi& ui_;
};

MusicWiring::MusicWiring(MainWindowUi& ui, QWidget* window, MessageService& messages,
                         FileDialogService& dialogs, MusicParts parts)
    : ui_(ui), window_(window), messages_(messages), dialogs_(dialogs), parts_(std::move(parts)) {
    if (!parts_.makeDevices)
        parts_.makeDevices = [] {
            return std::make_unique<library::EngineMusicDevices>(audio::processEngine());
        };
    if (!parts_.makeCdChooser)
        parts_.makeCdChooser = [](QWidget* owner) -> std::unique_ptr<library::CdTrackChooser> {
            return std::make_unique<library::DialogCdTrackChooser>(owner);
        };
    devices_ = parts_.makeDevices();
    view_ = std::make_unique<View>(ui_);
    timer_ = new QTimer(window_);
    timer_->setObjectName("timerVolumenExterno");
    timer_->setInterval(kVolumenExternoMs);
}

MusicWiring::~MusicWiring() {
    timer_->stop();
}

void MusicWiring::configurar(audio::clsVolume& volume) {
    library_ = std::make_unique<library::MusicLibrary>(*devices_, volume, *view_, messages_,
                                                       dialogs_, Preferences::instance());
    player_ = std::make_unique<library::MusicPlayer>(*library_, *devices_, *view_, messages_,
                                                     Preferences::instance());
    library::MusicGrid* grid = ui_.FlexMusica;
    library_->onRowsChanged = [grid] { grid->sync(); };
    grid->setLibrary(library_.get());
    grid->setPopupMenu(ui_.mnuMusica);
    QObject::connect(ui_.mnuMusicaAnadir, &QAction::triggered, window_,
                     [this] { library_->anadir(); });
    QObject::connect(ui_.mnuMusicaAnadirPistaCd, &QAction::triggered, window_, [this] {
        const auto chooser = parts_.makeCdChooser(window_);
        library_->anadirPistasCd(*chooser);
    });
    QObject::connect(ui_.mnuMusicaEliminar, &QAction::triggered, window_,
                     [this] { library_->eliminar(); });
    QObject::connect(timer_, &QTimer::timeout, window_, [this] { library_->sliderFromMixer(); });
}

void MusicWiring::cargarLista() {
    if (library_) library_->cargarLista();
}

void MusicWiring::iniciar() {
    if (!library_) return;
    // Until now the slider only showed the initial value: linking it earlier
    // would have written that value over the user's mixer at every start.
    if (!sliderLinked_) {
        QObject::connect(ui_.scrollVolumenMusica, &QScrollBar::valueChanged, window_,
                         [this](int v) { library_->scrollVolumenMusicaCambiado(v); });
        sliderLinked_ = true;
    }
    library_->iniciar();
    timer_->start();
}

bool MusicWiring::guardarLista() {
    return !library_ || library_->guardarLista();
}

std::string MusicWiring::listFile() const {
    return library_ ? library_->listFile() : std::string();
}

void MusicWiring::cerrar() {
    timer_->stop();
    if (player_) player_->cerrar();
}

links::MusicLinkFactory MusicWiring::exportMusic() const {
    if (!library_ || library_->songCount() < 1 || !ui_.chkMusica->isChecked()) return {};
    return library::exportMusic(
        {library_->rows(), library_->currentRow(), true, ui_.scrollVolumenMusica->value()},
        Preferences::instance().file());
}

void MusicWiring::PlayMusica() {
    if (player_) player_->PlayMusica();
}
void MusicWiring::PararMusica() {
    if (player_) player_->PararMusica();
}
void MusicWiring::SiguienteCancion() {
    if (player_) player_->SiguienteCancion();
}
bool MusicWiring::songEnded() {
    return player_ && player_->songEnded();
}

} // namespace vs::shell
