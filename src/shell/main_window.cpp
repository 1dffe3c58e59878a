#include "main_window.h"

#include "audio/bass.h"
#include "audio/engine.h"
#include "audio/volume.h"
#include "base/numeric.h"
#include "base/paths.h"
#include "playback/playback_keys.h"
#include "base/preferences.h"
#include "glasses/frm_secuencia.h"
#include "glasses/led_display.h"
#include "glasses/led_panel.h"
#include "glasses/led_port.h"
#include "glasses/led_sequencer.h"
#include "glasses/port_setup.h"
#include "glasses/sequences.h"
#include "glasses/state.h"
#include "glasses/step_clock.h"
#include "playback/engine_links.h"
#include "playback/session_player.h"
#include "playback/tone_waves.h"
#include "qt_services.h"
#include "session/graph_frame.h"
#include "session/session_file.h"
#include "session/session_model.h"
#include "session/top_high_scroll_bar.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace vs::shell {
namespace {

int px(int twips) {
    return twips / kTwipsPerPixel;
}

QLabel* valueLabel(QWidget* parent, const QString& tip = {}) {
    auto* l = new QLabel(parent);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(64);
    if (!tip.isEmpty()) l->setToolTip(tip);
    return l;
}

QScrollBar* volumeBar(QWidget* parent, int min, const char* name) {
    // Top is the highest value, as on a mixing desk.
    auto* s = new session::TopHighScrollBar(parent);
    s->setObjectName(name);
    s->setRange(min, 100);
    s->setMinimumHeight(100);
    return s;
}

QTableWidget* libraryGrid(QWidget* parent, const char* name, const QString& title) {
    auto* g = new QTableWidget(0, 3, parent);
    g->setObjectName(name);
    g->setHorizontalHeaderLabels({QStringLiteral("Path"), title, QStringLiteral("Duración")});
    g->setColumnHidden(0, true);
    g->horizontalHeaderItem(1)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    g->horizontalHeaderItem(2)->setTextAlignment(Qt::AlignCenter);
    g->verticalHeader()->setVisible(false);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->horizontalHeader()->setStretchLastSection(false);
    return g;
}

} // namespace

// The window's controls as the session player sees them.
class FrmSomnara::PlayerViewImpl : public playback::PlayerView {
public:
    explicit PlayerViewImpl(FrmSomnara& w) : w_(w) {}
    bool chkBinaural() const override { return w_.chkBinaural_->isChecked(); }
    bool chkMascara() const override { return w_.chkMascara_->isChecked(); }
    bool chkMusica() const override { return w_.chkMusica_->isChecked(); }
    int scrollVolumenBinaural() const override { return w_.scrollVolumenBinaural_->value(); }
    int scrollVolumenMascara() const override { return w_.scrollVolumenMascara_->value(); }
    int ultimosSegundos() const override {
        return Preferences::instance().getInt(playback::pref::UltimosSegundos);
    }
    void setCursor(double x, bool visible) override {
        w_.graph_->setCursorX(x);
        w_.graph_->setCursorVisible(visible);
    }
    void setInfoTime(const std::string& t) override {
        w_.lblInfoTime_->setText(QString::fromStdString(t));
    }
    void setInfoHz(const std::string& t) override {
        w_.lblInfoHz_->setText(QString::fromStdString(t));
    }
    void setInfoFR(const std::string& t) override {
        w_.lblInfoFR_->setText(QString::fromStdString(t));
    }
    void setLocked(bool locked) override {
        const bool on = !locked;
        w_.FlexSesion_->setEnabled(on);
        w_.FlexMusica_->setEnabled(on);
        w_.chkBinaural_->setEnabled(on);
        w_.chkMascara_->setEnabled(on);
        w_.chkMusica_->setEnabled(on);
        w_.graph_->setLengthEnabled(on);
        // The strip only takes the mouse when the glasses are on.
        w_.graph_->setStripEnabled(on && glasses::estadoGafas().GafasMentales);
    }
    void setSessionTimer(bool on) override {
        if (on)
            w_.timerSesion_->start();
        else
            w_.timerSesion_->stop();
    }
    void setFadeTimer(bool on) override {
        if (on)
            w_.timerFade_->start();
        else
            w_.timerFade_->stop();
    }

private:
    FrmSomnara& w_;
};

// The glasses as the session player drives them.
class FrmSomnara::GlassesLinkImpl : public playback::GlassesLink {
public:
    explicit GlassesLinkImpl(FrmSomnara& w) : w_(w) {}
    bool GafasMentales() const override { return glasses::estadoGafas().GafasMentales; }
    void setClockEnabled(bool on) override {
        if (w_.timerSecuencia_) w_.timerSecuencia_->setEnabled(on);
    }
    void setFrecuenciaLed(float hz) override { glasses::estadoGafas().FrecuenciaLed = hz; }
    void setSecuenciaActual(int s) override {
        glasses::estadoGafas().SecuenciaActual = static_cast<std::int16_t>(s);
    }
    void darken() override {
        if (w_.ledPanel_) glasses::MostrarLeds(*w_.ledPanel_, 0);
        auto& e = glasses::estadoGafas();
        if (e.GafasMentales) glasses::ledPort().Out32(e.PuertoLed, 0);
    }

private:
    FrmSomnara& w_;
};

// Background music joins with the music library; until then there is none.
class FrmSomnara::NoMusic : public playback::MusicLink {
public:
    void PlayMusica() override {}
    void PararMusica() override {}
    void SiguienteCancion() override {}
    bool songEnded() override { return false; }
};

FrmSomnara::FrmSomnara(QWidget* parent, Dependencies deps)
    : QMainWindow(parent), deps_(std::move(deps)),
      model_(std::make_unique<session::SessionModel>()) {
    setObjectName("frmSomnara");
    setWindowTitle(QStringLiteral("Velorin Somnara"));
    if (!deps_.messages) {
        messages_ = std::make_unique<QtMessageService>(this);
        deps_.messages = messages_.get();
    }
    if (!deps_.dialogs) {
        dialogs_ = std::make_unique<QtFileDialogService>(this);
        deps_.dialogs = dialogs_.get();
    }
    setMessageService(deps_.messages);
    setFileDialogService(deps_.dialogs);
    if (!deps_.makeVolume) deps_.makeVolume = [] { return std::make_unique<audio::clsVolume>(); };
    if (!deps_.makeChooser)
        deps_.makeChooser = [](QWidget* owner) -> std::unique_ptr<glasses::SequenceChooser> {
            return std::make_unique<glasses::DialogSequenceChooser>(glasses::estadoGafas(), owner);
        };
    tones_ = std::make_unique<playback::SampleToneBank>();
    playerView_ = std::make_unique<PlayerViewImpl>(*this);
    glassesLink_ = std::make_unique<GlassesLinkImpl>(*this);
    music_ = std::make_unique<NoMusic>();
    buildUi();
    buildMenus();
    resize(1180, 590);
    buildStartup();
    buildShutdown();
    startup_.run();
}

FrmSomnara::~FrmSomnara() {
    // A window destroyed without the exit command (tests, a crash path) still
    // lets go of the audio device and the timers.
    liberarTimerSecuencia();
    liberarAudio();
    if (&messages() == deps_.messages) setMessageService(nullptr);
    if (&fileDialogs() == deps_.dialogs) setFileDialogService(nullptr);
}

session::SessionModel& FrmSomnara::model() {
    return *model_;
}

void FrmSomnara::buildUi() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* root = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    root->addLayout(left, 1);
    root->addLayout(right, 0);

    // Top row: LEDs, transport, information.
    auto* top = new QHBoxLayout;
    left->addLayout(top);

    frameLed_ = new QGroupBox(central);
    frameLed_->setObjectName("frameLed");
    auto* ledLayout = new QVBoxLayout(frameLed_);
    pLed_ = new QWidget(frameLed_);
    pLed_->setObjectName("pLed");
    pLed_->setFixedSize(px(1920), px(840));
    ledPanel_ = new glasses::LedPanel(pLed_);
    ledPanel_->setObjectName("led");
    ledPanel_->setGeometry(0, 0, pLed_->width(), pLed_->height());
    ledLayout->addWidget(pLed_);
    top->addWidget(frameLed_);

    auto* frame4 = new QGroupBox(central);
    frame4->setObjectName("Frame4");
    auto* transport = new QHBoxLayout(frame4);
    cmdPlay_ = new QPushButton(QStringLiteral("Play"), frame4);
    cmdPlay_->setObjectName("cmdPlay");
    cmdStop_ = new QPushButton(QStringLiteral("Stop"), frame4);
    cmdStop_->setObjectName("cmdStop");
    for (auto* b : {cmdPlay_, cmdStop_}) {
        b->setMinimumSize(72, 40);
        transport->addWidget(b);
    }
    top->addWidget(frame4);

    auto* frame2 = new QGroupBox(QStringLiteral("Frecuencia/Tiempo"), central);
    frame2->setObjectName("Frame2");
    auto* info = new QGridLayout(frame2);
    lblInfoTime_ = valueLabel(frame2, QStringLiteral("Tiempo"));
    lblInfoTime_->setObjectName("lblInfoTime");
    lblInfoHz_ = valueLabel(frame2, QStringLiteral("Frecuencia Binaural (Hz)"));
    lblInfoHz_->setObjectName("lblInfoHz");
    lblInfoFR_ = valueLabel(frame2, QStringLiteral("Frecuencia Base (Hz)"));
    lblInfoFR_->setObjectName("lblInfoFR");
    info->addWidget(new QLabel(QStringLiteral("Tiempo (mm:ss)"), frame2), 0, 0);
    info->addWidget(new QLabel(QStringLiteral("Frecuencia Binaural"), frame2), 0, 1);
    info->addWidget(new QLabel(QStringLiteral("Frecuencia Base"), frame2), 0, 2);
    info->addWidget(lblInfoTime_, 1, 0);
    info->addWidget(lblInfoHz_, 1, 1);
    info->addWidget(lblInfoFR_, 1, 2);
    top->addWidget(frame2, 1);

    // The graph group.
    auto* frame3 = new QGroupBox(central);
    frame3->setObjectName("Frame3");
    auto* graphLayout = new QVBoxLayout(frame3);
    graph_ = new session::GraphFrame(*model_, frame3);
    graph_->setObjectName("GraphFrame");
    graph_->setSequencePalette(glasses::colorOf);
    graphLayout->addWidget(graph_);
    left->addWidget(frame3, 1);
    connect(graph_, &session::GraphFrame::infoHz, lblInfoHz_, &QLabel::setText);
    connect(graph_, &session::GraphFrame::infoFR, lblInfoFR_, &QLabel::setText);
    connect(graph_, &session::GraphFrame::infoTime, lblInfoTime_, &QLabel::setText);
    connect(graph_, &session::GraphFrame::lengthTextChanged, this, &FrmSomnara::lengthTextChanged);

    // Right column: volume, session library, playlist.
    auto* frame1 = new QGroupBox(QStringLiteral("Volumen"), central);
    frame1->setObjectName("Frame1");
    auto* vol = new QGridLayout(frame1);
    chkMusica_ = new QCheckBox(frame1);
    chkMusica_->setObjectName("chkMusica");
    chkMusica_->setToolTip(QStringLiteral("Activar/Desactivar Música"));
    chkMascara_ = new QCheckBox(frame1);
    chkMascara_->setObjectName("chkMascara");
    chkMascara_->setToolTip(QStringLiteral("Activar/Desactivar sonido Máscara"));
    chkBinaural_ = new QCheckBox(frame1);
    chkBinaural_->setObjectName("chkBinaural");
    chkBinaural_->setToolTip(QStringLiteral("Activar/Desactivar sonido Binaural"));
    scrollVolumenMusica_ = volumeBar(frame1, 1, "scrollVolumenMusica");
    scrollVolumenMascara_ = volumeBar(frame1, 0, "scrollVolumenMascara");
    scrollVolumenBinaural_ = volumeBar(frame1, 0, "scrollVolumenBinaural");
    lblVolumenMusica_ = valueLabel(frame1);
    lblVolumenMusica_->setObjectName("lblVolumenMusica");
    lblVolumenMascara_ = valueLabel(frame1);
    lblVolumenMascara_->setObjectName("lblVolumenMascara");
    lblVolumenBinaural_ = valueLabel(frame1);
    lblVolumenBinaural_->setObjectName("lblVolumenBinaural");
    vol->addWidget(new QLabel(QStringLiteral("Activo"), frame1), 0, 0);
    const QString captions[3] = {QStringLiteral("Música"), QStringLiteral("Sonido Máscara"),
                                 QStringLiteral("Sonido Binaural")};
    QCheckBox* checks[3] = {chkMusica_, chkMascara_, chkBinaural_};
    QScrollBar* bars[3] = {scrollVolumenMusica_, scrollVolumenMascara_, scrollVolumenBinaural_};
    QLabel* values[3] = {lblVolumenMusica_, lblVolumenMascara_, lblVolumenBinaural_};
    for (int c = 0; c < 3; ++c) {
        vol->addWidget(checks[c], 0, c + 1, Qt::AlignHCenter);
        vol->addWidget(bars[c], 1, c + 1, Qt::AlignHCenter);
        vol->addWidget(values[c], 2, c + 1);
        auto* cap = new QLabel(captions[c], frame1);
        cap->setAlignment(Qt::AlignCenter);
        cap->setWordWrap(true);
        vol->addWidget(cap, 3, c + 1);
    }
    right->addWidget(frame1);
    connect(scrollVolumenBinaural_, &QScrollBar::valueChanged, this,
            &FrmSomnara::scrollVolumenBinaural_Change);
    connect(scrollVolumenMascara_, &QScrollBar::valueChanged, this,
            &FrmSomnara::scrollVolumenMascara_Change);
    connect(scrollVolumenMusica_, &QScrollBar::valueChanged, this,
            [this](int v) { lblVolumenMusica_->setText(QString::number(v)); });

    FlexSesion_ = libraryGrid(central, "FlexSesion", QStringLiteral("Sesión"));
    FlexMusica_ = libraryGrid(central, "FlexMusica", QStringLiteral("Canción"));
    right->addWidget(FlexSesion_, 1);
    right->addWidget(FlexMusica_, 1);

    timerSesion_ = new QTimer(this);
    timerSesion_->setObjectName("timerSesion");
    timerSesion_->setInterval(500);
    timerFade_ = new QTimer(this);
    timerFade_->setObjectName("timerFade");
    timerFade_->setInterval(1000);
    connect(timerSesion_, &QTimer::timeout, this, [this] {
        if (player_) player_->Tick();
    });
    connect(timerFade_, &QTimer::timeout, this, [this] {
        if (player_) player_->FadeTick();
    });
    connect(cmdPlay_, &QPushButton::clicked, this, [this] {
        if (player_) player_->Play();
    });
    connect(cmdStop_, &QPushButton::clicked, this, [this] {
        if (player_) player_->Stop();
    });
    connect(graph_, &session::GraphFrame::cellPressed, this,
            [this](int i, Qt::MouseButton) { cellPressed(i); });
    connect(graph_, &session::GraphFrame::cellReleased, this, &FrmSomnara::cellReleased);
    connect(graph_, &session::GraphFrame::cellMoved, this, &FrmSomnara::cellMoved);
    connect(graph_, &session::GraphFrame::cellDoubleClicked, this, &FrmSomnara::cellDoubleClicked);
}

void FrmSomnara::buildMenus() {
    auto add = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    QMenu* archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    archivo->setObjectName("mnuArchivo");
    add(archivo, "mnuArchivoOpciones", QStringLiteral("&Opciones"));
    archivo->addSeparator();
    QAction* salir = add(archivo, "mnuArchivoSalir", QStringLiteral("&Salir"));
    connect(salir, &QAction::triggered, this, &FrmSomnara::mnuArchivoSalir_Click);

    QMenu* sesion = menuBar()->addMenu(QStringLiteral("&Sesión"));
    sesion->setObjectName("mnuSesion");
    add(sesion, "mnuSesionNueva", QStringLiteral("&Nueva"));
    add(sesion, "mnuSesionGuardarSesion", QStringLiteral("&Guardar Sesión"));
    add(sesion, "mnuSesionGuardarSesionComo", QStringLiteral("G&uardar Sesión como..."));
    sesion->addSeparator();
    add(sesion, "mnuSesionAñadirSesion", QStringLiteral("&Añadir Sesión..."));
    add(sesion, "mnuSesionEliminarSesion", QStringLiteral("&Eliminar Sesión"));

    QMenu* musica = menuBar()->addMenu(QStringLiteral("&Música"));
    musica->setObjectName("mnuMusica");
    add(musica, "mnuMusicaAñadir", QStringLiteral("&Añadir Canción..."));
    add(musica, "mnuMusicaEliminar", QStringLiteral("&Eliminar Canción"));

    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("A&yuda"));
    ayuda->setObjectName("mnuAyuda");
    add(ayuda, "mnuAyudaContenido", QStringLiteral("&Contenido..."));
    add(ayuda, "mnuAyudaAcrecaDe", QStringLiteral("A&cerca de..."));
}

QAction* FrmSomnara::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void FrmSomnara::buildStartup() {
    startup_.add("MedioPunto", [this] { model_->MedioPunto = session::kMarkerSize / 2; });
    startup_.add("Inicializar", [this] { Inicializar(); });
    startup_.add("ConfigurarListas", [this] { configurarListas(); });
    startup_.add("ConfigurarGrafico", [this] { configurarGrafico(); });
    startup_.add("ColoresLeds", [this] { coloresLeds(); });
    startup_.add("ComprobarTarjetaSonido", [this] { comprobarTarjetaSonido(); });
    startup_.add("CargarListaSesiones", [this] { cargarListaSesiones(); });
    startup_.add("CargarListaMusica", [this] { cargarListaMusica(); });
    startup_.add("PrepararOndas", [] {
        if (!playback::PrepararOndas()) throw std::runtime_error("PrepararOndas");
    });
    startup_.add("CargarPuntos", [this] { model_->CargarPuntos(); });
    startup_.add("IniciarAudio", [this] { IniciarAudio(); });
    startup_.add("CargarSesionInicial", [this] { cargarSesionInicial(); });
    startup_.add("AlinearTira", [this] { alinearTira(); });
}

void FrmSomnara::buildShutdown() {
    shutdown_.add("Stop", [this] {
        if (player_) player_->Stop();
    });
    shutdown_.add("PreguntarGuardar", [this] { preguntarGuardar(); });
    shutdown_.add("GuardarPreferencias", [this] { guardarPreferencias(); });
    shutdown_.add("RestaurarVolumen", [this] {
        if (volume_ && player_) volume_->setVolumeLevel(toInt32(player_->nivelMaestroGuardado()));
    });
    shutdown_.add("BorrarOndas", [] { playback::BorrarOndas(); });
    shutdown_.add("LiberarAudio", [this] { liberarAudio(); });
    shutdown_.add("LiberarTimerSecuencia", [this] { liberarTimerSecuencia(); });
}

void FrmSomnara::Inicializar() {
    auto& gafas = glasses::estadoGafas();
    const std::string problema = glasses::ConfigurarPuerto(gafas, glasses::ledPort());
    if (!problema.empty()) messages().critical(problema);
    glasses::CargarSecuencias();
    timerSecuencia_ = std::make_unique<glasses::TickoraStepClock>(10);
    sequencer_ = std::make_unique<glasses::LedSequencer>(gafas, *timerSecuencia_,
                                                         glasses::ledPort(), *ledPanel_);
    chooser_ = deps_.makeChooser(this);
    sequencer_->setChooser(chooser_.get());
    sequencer_->onSesionModificada = [this] { model_->SesionModificada = true; };
    settings_ = readShellSettings(Preferences::instance());
    scrollVolumenMascara_->setValue(settings_.volumenMascara);
    scrollVolumenMascara_Change();
    scrollVolumenBinaural_->setValue(settings_.volumenBinaural);
    scrollVolumenBinaural_Change();
    chkBinaural_->setChecked(settings_.binauralActivo);
    chkMascara_->setChecked(settings_.mascaraActivo);
    chkMusica_->setChecked(settings_.musicaActivo);
    scrollVolumenMusica_->setValue(100);
    model_->setMinutos(settings_.minutos);
    model_->setSegundos(settings_.segundos);
}

void FrmSomnara::configurarListas() {
    volume_ = deps_.makeVolume();
    master_ = std::make_unique<playback::MixerMaster>(*volume_);
    player_ = std::make_unique<playback::SessionPlayer>(*model_, *playerView_, *tones_, *master_,
                                                        *glassesLink_, *music_);
    player_->setNivelMaestroGuardado(volume_->VolumeLevel());
    FlexSesion_->setColumnWidth(1, px(settings_.anchoSesion));
    FlexSesion_->setColumnWidth(2, px(settings_.anchoDuracionSesion));
    FlexMusica_->setColumnWidth(1, px(settings_.anchoMusica));
    FlexMusica_->setColumnWidth(2, px(settings_.anchoDuracionMusica));
}

void FrmSomnara::configurarGrafico() {
    model_->FrecBinauralMaxPref = static_cast<std::int16_t>(settings_.frecBinauralMaxPref);
    model_->FrecBaseMaxPref = settings_.frecBaseMaxPref;
    model_->FrecBinauralMax = static_cast<float>(settings_.frecBinauralMaxPref);
    model_->FrecBaseMax = settings_.frecBaseMaxPref;
    graph_->DibujarGrid();
}

void FrmSomnara::coloresLeds() {
    glasses::CargarColoresLeds(*ledPanel_, glasses::LectorColores::Inicio);
    glasses::MostrarLeds(*ledPanel_, 0);
}

void FrmSomnara::trasOpciones() {
    glasses::CargarColoresLeds(*ledPanel_, glasses::LectorColores::TrasOpciones);
    graph_->setStripEnabled(glasses::estadoGafas().GafasMentales);
}

void FrmSomnara::comprobarTarjetaSonido() {
    if (audio::outputDeviceCount() < 1) messages().critical("No se encuentra la tarjeta de sonido");
}

void FrmSomnara::IniciarAudio() {
    if (BASS_Init(-1, 44100, 0x20, nullptr) == 0) {
        messages().critical("Can't initialize digital sound system");
    } else {
        audioStarted_ = true;
        tones_->create();
    }
    if (BASS_RecordInit(-1) == 0) messages().critical("Error: Can't initialize device");
    if (BASS_Start() == 0) messages().critical("Can't start digital output");
}

void FrmSomnara::liberarTimerSecuencia() {
    if (timerSecuencia_) timerSecuencia_->setEnabled(false);
    sequencer_.reset();
    timerSecuencia_.reset();
}

void FrmSomnara::liberarAudio() {
    if (!audioStarted_) return;
    audioStarted_ = false;
    BASS_Stop();
    BASS_Free();
    BASS_RecordFree();
    if (tones_) tones_->release();
}

void FrmSomnara::cargarListaSesiones() {}

void FrmSomnara::cargarListaMusica() {}

void FrmSomnara::cargarSesionInicial() {
    model_->SesionNueva();
    sessionFile_.clear();
    graph_->EscribirTiempos();
    graph_->refresh();
    model_->SesionModificada = false;
}

void FrmSomnara::alinearTira() {
    graph_->setStripEnabled(glasses::estadoGafas().GafasMentales);
}

void FrmSomnara::cellPressed(int index) {
    if (sequencer_) sequencer_->previewStart(model_->cellSequence(index));
}

void FrmSomnara::cellReleased(int) {
    if (sequencer_) sequencer_->previewStop();
}

void FrmSomnara::cellMoved(int, int x, int y, int w, int h, Qt::MouseButtons buttons) {
    if (sequencer_ &&
        glasses::LedSequencer::shouldStopPreview(x, y, w, h, buttons & Qt::LeftButton))
        sequencer_->previewStop();
}

void FrmSomnara::cellDoubleClicked(int index) {
    if (!sequencer_) return;
    int nuevo = sequencer_->choose(model_->cellSequence(index), model_->cellSequence(1));
    if (nuevo >= 1 && nuevo <= 7) {
        model_->setCellSequence(index, nuevo);
        model_->notify();
        graph_->refresh();
    }
}

void FrmSomnara::scrollVolumenBinaural_Change() {
    lblVolumenBinaural_->setText(
        QString::fromStdString(volumeLabel(scrollVolumenBinaural_->value())));
}

void FrmSomnara::scrollVolumenMascara_Change() {
    lblVolumenMascara_->setText(
        QString::fromStdString(volumeLabel(scrollVolumenMascara_->value())));
}

void FrmSomnara::lengthTextChanged(const QString&) {
    // The graph reports only real changes of the caption: a new length.
    model_->SesionModificada = true;
}

std::string FrmSomnara::sessionName() const {
    int row = FlexSesion_->currentRow();
    if (row >= 0 && FlexSesion_->item(row, 1))
        return FlexSesion_->item(row, 1)->text().toStdString();
    return "Sesión nueva";
}

void FrmSomnara::preguntarGuardar() {
    if (!model_->SesionModificada) return;
    if (messages().askYesNo(saveQuestion(sessionName()))) {
        guardarSesion();
    } else {
        model_->SesionModificada = false;
    }
}

bool FrmSomnara::guardarSesion() {
    std::string file = sessionFile_;
    if (file.empty()) {
        file = fileDialogs().saveFile("Guardar Sesión", joinPath(programFolder(), "Sesión.vso"),
                                      {{"Sesiones", {"*.vso"}}});
        if (file.empty()) return false;
        if (file.size() < 4 || file.substr(file.size() - 4) != ".vso") file += ".vso";
    }
    if (!session::GuardarSesion(*model_, file)) return false;
    sessionFile_ = file;
    model_->SesionModificada = false;
    return true;
}

ExitValues FrmSomnara::exitValues() const {
    ExitValues v;
    v.left = x() * kTwipsPerPixel;
    v.top = y() * kTwipsPerPixel;
    v.anchoSesion = FlexSesion_->columnWidth(1) * kTwipsPerPixel;
    v.anchoDuracionSesion = FlexSesion_->columnWidth(2) * kTwipsPerPixel;
    v.anchoMusica = FlexMusica_->columnWidth(1) * kTwipsPerPixel;
    v.anchoDuracionMusica = FlexMusica_->columnWidth(2) * kTwipsPerPixel;
    v.volumenBinaural = scrollVolumenBinaural_->value();
    v.volumenMascara = scrollVolumenMascara_->value();
    v.binauralActivo = chkBinaural_->isChecked();
    v.mascaraActivo = chkMascara_->isChecked();
    v.musicaActivo = chkMusica_->isChecked();
    v.frecBinauralMaxPref = model_->FrecBinauralMaxPref;
    v.frecBaseMaxPref = model_->FrecBaseMaxPref;
    return v;
}

void FrmSomnara::guardarPreferencias() {
    writeExitSettings(Preferences::instance(), exitValues());
}

void FrmSomnara::mnuArchivoSalir_Click() {
    if (ended_) return;
    ended_ = true;
    shutdown_.run();
    close();
}

void FrmSomnara::closeEvent(QCloseEvent* event) {
    if (!ended_) {
        ended_ = true;
        shutdown_.run();
    }
    event->accept();
}

} // namespace vs::shell
