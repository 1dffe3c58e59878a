// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include "audio/bass.h"
#include "audio/volume.h"
#include "controls/boton_gradiente.h"
#include "base/interface_language.h"
#include "base/numeric.h"
#include "base/paths.h"
#include "base/preferences.h"
#include "glasses/frm_secuencia.h"
#include "glasses/led_display.h"
#include "glasses/led_panel.h"
#include "edit_menu.h"
#include "flash_marks.h"
#include "glasses/led_port.h"
#include "glasses/led_sequencer.h"
#include "glasses/parallel_or_serial_port.h"
#include "glasses/sequences.h"
#include "glasses_wiring.h"
#include "library/music_grid.h"
#include "library/session_grid.h"
#include "library/session_library.h"
#include "options/frm_opciones.h"
#include "playback/audio_session.h"
#include "playback/player_sound.h"
#include "playback/session_player.h"
#include "desktop_manners.h"
#include "export_commands.h"
#include "main_window_texts.h"
#include "peer_session_commands.h"
#include "frm_about.h"
#include "help_desk.h"
#include "sound_wiring.h"
#include "window_player_view.h"
#include "qt_services.h"
#include "session/edit_history.h"
#include "session/graph_frame.h"
#include "session/session_document.h"
#include "session/session_model.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QLabel>
#include <QShortcut>
#include <QScrollBar>
#include <QTimer>

namespace vs::shell {
namespace {

void showVolume(QLabel* label, int value) {
    label->setText(QString::fromStdString(volumeLabel(value)));
}

} // namespace

FrmSomnara::FrmSomnara(QWidget* parent, Dependencies deps)
    : QMainWindow(parent), deps_(std::move(deps)) {
    if (!deps_.messages) {
        ownMessages_ = std::make_unique<QtMessageService>(this);
        deps_.messages = ownMessages_.get();
    }
    if (!deps_.dialogs) {
        ownDialogs_ = std::make_unique<QtFileDialogService>(this);
        deps_.dialogs = ownDialogs_.get();
    }
    if (!deps_.desktop) {
        ownDesktop_ = std::make_unique<QtDesktopService>();
        deps_.desktop = ownDesktop_.get();
    }
    if (!deps_.runModal) deps_.runModal = [](QDialog& d) { d.exec(); };
    // Lower layers report through the process-wide services.
    setMessageService(deps_.messages);
    setFileDialogService(deps_.dialogs);
    if (!deps_.makeVolume)
        deps_.makeVolume = [] {
            return std::make_unique<audio::clsVolume>(audio::processEngine());
        };
    if (!deps_.makeChooser)
        deps_.makeChooser = [](QWidget* owner) -> std::unique_ptr<glasses::SequenceChooser> {
            return std::make_unique<glasses::DialogSequenceChooser>(owner,
                                                                    &controls::makeHouseButton);
        };
    if (!deps_.runOptions) deps_.runOptions = options::runOptionsDialog;

    model_ = std::make_unique<session::SessionModel>();
    document_ =
        std::make_unique<session::SessionDocument>(*model_, *deps_.messages, *deps_.dialogs);
    edits_ = std::make_unique<session::EditHistory>(*document_);
    library_ = std::make_unique<library::SessionLibrary>(*document_, *deps_.messages,
                                                         *deps_.dialogs, Preferences::instance());
    audio_ = std::make_unique<playback::AudioSession>(*deps_.messages, audio::processEngine());
    ui_.setupUi(this, *model_);
    setWindowIcon(programIcon());
    MainWindowTexts::apply(ui_);
    // The strip shows each segment in its LED sequence's colour.
    ui_.graph->setSequencePalette(glasses::colorOf);
    setAcceptDrops(true);
    playerView_ = std::make_unique<WindowPlayerView>(ui_, [this] { return sound_->choice(); });
    glasses_ = std::make_unique<GlassesWiring>(gafas_, *ui_.led, glasses::parallelOrSerialPort(),
                                               glasses::ledPort(), audio::processEngine(),
                                               *deps_.messages, this);
    music_ = std::make_unique<MusicWiring>(ui_, this, *deps_.messages, *deps_.dialogs,
                                           std::move(deps_.music));
    flashMarks_ = std::make_unique<FlashRiskMarks>(*model_, *ui_.graph->stripView(), gafas_);
    editMenu_ = std::make_unique<EditMenu>(*edits_, *ui_.mnuEdicionDeshacer, *ui_.mnuEdicionRehacer,
                                           *ui_.graph);
    exportCommands_ = std::make_unique<ExportCommands>(ExportContext{
        this, ui_.mnuSesion, model_.get(), [this] { return document_->name(); }, playerView_.get(),
        deps_.dialogs, deps_.messages, [this] { return music_->exportMusic(); },
        [this] { return glasses_->exportLights(); }});
    peerSessions_ = std::make_unique<PeerSessionCommands>(
        PeerSessionContext{this, &ui_, library_.get(), model_.get(),
                           [this] { return document_->name(); }, deps_.dialogs, deps_.messages});
    sound_ = std::make_unique<SoundWiring>(SoundContext{
        this, &audio::processEngine(), deps_.messages, ui_.mnuSesionComprobarAuriculares,
        [this] { return ui_.chkBinaural->isChecked(); },
        [this] {
            if (player_) player_->Stop();
        },
        deps_.runModal,
        deps_.makeOutputCheck ? deps_.makeOutputCheck()
                              : std::make_unique<audio::PulseOutputCheck>()});
    wire();
    resize(1180, 590);
    buildStartup();
    buildShutdown();
    startup_.run();
}

FrmSomnara::~FrmSomnara() {
    // A window destroyed without the exit command (tests, a crash path) still
    // lets go of the timers; the audio session releases itself.
    ui_.timerSesion->stop();
    ui_.timerFade->stop();
    glasses_->liberar();
    // The views observe the model, which is a member and so would die first:
    // they go now, while it still lives.
    delete takeCentralWidget();
    if (&messages() == deps_.messages) setMessageService(nullptr);
    if (&fileDialogs() == deps_.dialogs) setFileDialogService(nullptr);
}

void FrmSomnara::wire() {
    connect(ui_.graph, &session::GraphFrame::infoHz, ui_.lblInfoHz, &QLabel::setText);
    connect(ui_.graph, &session::GraphFrame::infoFR, ui_.lblInfoFR, &QLabel::setText);
    connect(ui_.graph, &session::GraphFrame::infoTime, ui_.lblInfoTime, &QLabel::setText);
    // The graph reports only real changes of the caption: a new length.
    connect(ui_.graph, &session::GraphFrame::lengthTextChanged, this,
            [this](const QString& t) { library_->duracionCambiada(t.toStdString()); });

    for (auto [bar, label] : {std::pair{ui_.scrollVolumenBinaural, ui_.lblVolumenBinaural},
                              std::pair{ui_.scrollVolumenMascara, ui_.lblVolumenMascara},
                              std::pair{ui_.scrollVolumenMusica, ui_.lblVolumenMusica}})
        connect(bar, &QScrollBar::valueChanged, label, [label](int v) { showVolume(label, v); });

    auto toPlayer = [this](auto action) {
        return [this, action] {
            if (player_) ((*player_).*action)();
        };
    };
    connect(ui_.timerSesion, &QTimer::timeout, this, toPlayer(&playback::SessionPlayer::Tick));
    connect(ui_.timerFade, &QTimer::timeout, this, toPlayer(&playback::SessionPlayer::FadeTick));
    connect(ui_.cmdPlay, &controls::BotonGradiente::Click, this, [this] {
        sound_->beforePlay();
        if (player_) player_->Play();
    });
    connect(ui_.cmdStop, &controls::BotonGradiente::Click, this,
            toPlayer(&playback::SessionPlayer::Stop));
    wirePlayStop(*ui_.mnuSesionPlayStop, *ui_.cmdPlay, *ui_.cmdStop,
                 [this] { return player_ && player_->playing(); });

    glasses_->followStrip(*ui_.graph, *model_);
    connect(ui_.graph, &session::GraphFrame::cellDoubleClicked, this,
            &FrmSomnara::cellDoubleClicked);
    connect(ui_.mnuArchivoSalir, &QAction::triggered, this, &FrmSomnara::mnuArchivoSalir_Click);
    connect(ui_.mnuArchivoOpciones, &QAction::triggered, this, [this] {
        const session::EditStep step(
            edits_.get(), QT_TRANSLATE_NOOP("EditStep", "cambiar rangos")); // one step per visit
        deps_.runOptions({*model_, ui_.graph, gafas_, glasses_->port(), *ui_.led, *deps_.messages,
                          [this] { glasses_->stopAndDarken(); }, &controls::makeHouseButton,
                          deps_.serialDevices, &SoundWiring::outputDevices,
                          [this] { sound_->apply(); }},
                         this);
        trasOpciones();
    });
    // Esc puts the lights out and the sound off at once, whatever has focus.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, toPlayer(&playback::SessionPlayer::Stop));
    help_ = new HelpDesk([] { return dataFolder(); }, *deps_.messages, *deps_.desktop, this);
    connect(ui_.mnuAyudaContenido, &QAction::triggered, this, [this] {
        QWidget* active = QApplication::activeWindow();
        help_->showFor(active ? active : this);
    });
    connect(ui_.mnuAyudaAcrecaDe, &QAction::triggered, this, [this] {
        frmAbout about(*deps_.desktop, this);
        deps_.runModal(about);
    });

    library_->onStop = [this] {
        if (player_) player_->Stop();
    };
    library_->onSessionReplaced = [this] { ui_.graph->refresh(); };
    library_->onRowsChanged = [this] { ui_.FlexSesion->sync(); };
    ui_.FlexSesion->setLibrary(library_.get());
    ui_.FlexSesion->setPopupMenu(ui_.mnuSesion);
    auto command = [this](QAction* action, auto run) {
        connect(action, &QAction::triggered, this, [this, run] { run(*library_); });
    };
    command(ui_.mnuSesionNueva, [](library::SessionLibrary& l) { l.nueva(); });
    command(ui_.mnuSesionGuardarSesion, [](library::SessionLibrary& l) { l.guardar(); });
    command(ui_.mnuSesionGuardarSesionComo, [](library::SessionLibrary& l) { l.guardarComo(); });
    command(ui_.mnuSesionAnadirSesion, [](library::SessionLibrary& l) { l.anadir(); });
    command(ui_.mnuSesionEliminarSesion, [](library::SessionLibrary& l) { l.eliminar(); });
}

namespace {
bool isSessionFile(const QUrl& url) {
    return url.isLocalFile() && url.toLocalFile().endsWith(".vso", Qt::CaseInsensitive);
}
} // namespace

void FrmSomnara::dragEnterEvent(QDragEnterEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (isSessionFile(url) ||
            (url.isLocalFile() && PeerSessionCommands::takes(url.toLocalFile().toStdString()))) {
            event->acceptProposedAction();
            return;
        }
}

void FrmSomnara::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        const std::string path = url.toLocalFile().toStdString();
        if (isSessionFile(url))
            library_->anadirFichero(path);
        else if (url.isLocalFile() && PeerSessionCommands::takes(path))
            peerSessions_->importFile(path);
    }
    event->acceptProposedAction();
}

void FrmSomnara::addSessionFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
        library_->anadirFichero(path);
}

void FrmSomnara::buildStartup() {
    startup_.add("MedioPunto", [this] { model_->MedioPunto = session::kMarkerSize / 2; });
    startup_.add("Inicializar", [this] { Inicializar(); });
    startup_.add("ConfigurarListas", [this] { configurarListas(); });
    startup_.add("ConfigurarGrafico", [this] { configurarGrafico(); });
    startup_.add("ColoresLeds", [this] {
        glasses::CargarColoresLeds(*ui_.led, glasses::ColourReader::Startup);
        glasses::MostrarLeds(*ui_.led, 0);
    });
    startup_.add("ComprobarTarjetaSonido", [this] { audio_->comprobarTarjetaSonido(); });
    startup_.add("CargarListaSesiones", [this] { library_->cargarLista(); });
    startup_.add("CargarListaMusica", [this] { music_->cargarLista(); });
    startup_.add("PrepararOndas", [this] {
        if (!audio_->prepararOndas(programFolder())) throw StepFailureTold{};
    });
    startup_.add("CargarPuntos", [this] { model_->CargarPuntos(); });
    startup_.add("IniciarAudio", [this] {
        audio_->iniciarAudio(SoundWiring::storedDevice());
        sound_->start();
    });
    startup_.add("ActivarSesion", [this] { library_->activar(); });
    startup_.add("ActivarCancion", [this] { music_->iniciar(); });
    startup_.add("AlinearTira", [this] { ui_.graph->setStripEnabled(gafas_.GafasMentales); });
}

void FrmSomnara::buildShutdown() {
    shutdown_.add("GuardarPreferencias",
                  [this] { writeExitSettings(Preferences::instance(), exitValues()); });
    shutdown_.add("RestaurarVolumen", [this] {
        if (volume_ && player_) volume_->setVolumeLevel(toInt32(player_->nivelMaestroGuardado()));
    });
    shutdown_.add("BorrarOndas", [this] { audio_->borrarOndas(); });
    shutdown_.add("GuardarListas", [this] {
        // The old list stays as it was when the new one cannot be written.
        if (!library_->guardarLista())
            deps_.messages->critical(
                withArgs(tr("No se puede guardar la lista de sesiones en %1").toStdString(),
                         {library_->listFile()}));
        if (!music_->guardarLista())
            deps_.messages->critical(
                withArgs(tr("No se puede guardar la lista de música en %1").toStdString(),
                         {music_->listFile()}));
    });
    shutdown_.add("CerrarMusica", [this] { music_->cerrar(); });
    shutdown_.add("LiberarAudio", [this] { audio_->liberar(); });
    shutdown_.add("LiberarTimerSecuencia", [this] { glasses_->liberar(); });
}

void FrmSomnara::Inicializar() {
    glasses_->iniciar();
    chooser_ = deps_.makeChooser(this);
    glasses_->sequencer().setChooser(chooser_.get());
    glasses_->sequencer().onSesionModificada = [this] { document_->setModified(true); };
    settings_ = readShellSettings(Preferences::instance());
    // Setting a value the bar already holds raises no change: show it anyway.
    ui_.scrollVolumenMascara->setValue(settings_.volumenMascara);
    showVolume(ui_.lblVolumenMascara, settings_.volumenMascara);
    ui_.scrollVolumenBinaural->setValue(settings_.volumenBinaural);
    showVolume(ui_.lblVolumenBinaural, settings_.volumenBinaural);
    ui_.chkBinaural->setChecked(settings_.binauralActivo);
    ui_.chkMascara->setChecked(settings_.mascaraActivo);
    ui_.chkMusica->setChecked(settings_.musicaActivo);
    showVolume(ui_.lblVolumenMusica, ui_.scrollVolumenMusica->value()); // 1, as designed
    model_->setMinutos(settings_.minutos);
    model_->setSegundos(settings_.segundos);
}

void FrmSomnara::configurarListas() {
    volume_ = deps_.makeVolume();
    master_ = std::make_unique<playback::MixerMaster>(*volume_);
    music_->configurar(*volume_);
    player_ = std::make_unique<playback::SessionPlayer>(*model_, *playerView_, audio_->tones(),
                                                        *master_, glasses_->link(), *music_);
    player_->setNivelMaestroGuardado(volume_->VolumeLevel());
    columnScale_ = ui_.fitColumns(settings_);
}

void FrmSomnara::configurarGrafico() {
    model_->FrecBinauralMaxPref = static_cast<std::int16_t>(settings_.frecBinauralMaxPref);
    model_->FrecBaseMaxPref = settings_.frecBaseMaxPref;
    model_->FrecBinauralMax = static_cast<float>(settings_.frecBinauralMaxPref);
    model_->FrecBaseMax = settings_.frecBaseMaxPref;
    ui_.graph->DibujarGrid();
}

void FrmSomnara::trasOpciones() {
    glasses::CargarColoresLeds(*ui_.led, glasses::ColourReader::AfterOptions);
    ui_.graph->setStripEnabled(gafas_.GafasMentales);
    glasses_->apply();
    flashMarks_->update();
}

glasses::LedSequencer* FrmSomnara::sequencer() const {
    return &glasses_->sequencer();
}

void FrmSomnara::cellDoubleClicked(int index) {
    const session::EditStep step(edits_.get(), QT_TRANSLATE_NOOP("EditStep", "cambiar secuencia"));
    const int nuevo =
        glasses_->sequencer().choose(model_->cellSequence(index), model_->cellSequence(1));
    if (nuevo < 1 || nuevo > 7) return;
    model_->setCellSequence(index, nuevo);
    model_->notify();
    ui_.graph->refresh();
}

ExitValues FrmSomnara::exitValues() const {
    ExitValues v;
    v.left = x() * kTwipsPerPixel;
    v.top = y() * kTwipsPerPixel;
    ui_.storeColumns(v, settings_, columnScale_);
    v.volumenBinaural = ui_.scrollVolumenBinaural->value();
    v.volumenMascara = ui_.scrollVolumenMascara->value();
    v.binauralActivo = ui_.chkBinaural->isChecked();
    v.mascaraActivo = ui_.chkMascara->isChecked();
    v.musicaActivo = ui_.chkMusica->isChecked();
    v.frecBinauralMaxPref = model_->FrecBinauralMaxPref;
    v.frecBaseMaxPref = model_->FrecBaseMaxPref;
    return v;
}

bool FrmSomnara::salir(bool preguntar) {
    if (ended_) return true;
    if (player_) player_->Stop();
    // The user may go back to the window when the save asked for failed.
    if (preguntar && !document_->preguntarGuardar()) return false;
    ended_ = true;
    shutdown_.run();
    return true;
}

void FrmSomnara::mnuArchivoSalir_Click() {
    if (salir()) close();
}

void FrmSomnara::closeEvent(QCloseEvent* event) {
    if (salir())
        event->accept();
    else
        event->ignore();
}

} // namespace vs::shell
