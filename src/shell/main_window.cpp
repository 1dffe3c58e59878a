#include "main_window.h"

#include "base/paths.h"
#include "base/preference_keys.h"
#include "base/preferences.h"
#include "glasses/sequences.h"
#include "qt_services.h"
#include "session/graph_frame.h"
#include "session/session_model.h"

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
#include <QVBoxLayout>

namespace vs::shell {
namespace {

int px(int twips) { return twips / kTwipsPerPixel; }

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
    auto* s = new QScrollBar(Qt::Vertical, parent);
    s->setObjectName(name);
    s->setRange(min, 100);
    s->setInvertedAppearance(true);
    s->setInvertedControls(true);
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

}  // namespace

FrmSomnara::FrmSomnara(QWidget* parent)
    : QMainWindow(parent), model_(std::make_unique<session::SessionModel>()) {
    setObjectName("frmSomnara");
    setWindowTitle(QStringLiteral("Velorin Somnara"));
    messages_ = std::make_unique<QtMessageService>(this);
    dialogs_ = std::make_unique<QtFileDialogService>(this);
    setMessageService(messages_.get());
    setFileDialogService(dialogs_.get());
    buildUi();
    buildMenus();
    buildStartup();
    buildShutdown();
    startup_.run();
}

FrmSomnara::~FrmSomnara() {
    if (&messages() == messages_.get()) setMessageService(nullptr);
    if (&fileDialogs() == dialogs_.get()) setFileDialogService(nullptr);
}

session::SessionModel& FrmSomnara::model() { return *model_; }

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
    graphLayout->addWidget(graph_);
    left->addWidget(frame3, 1);
    connect(graph_, &session::GraphFrame::infoHz, lblInfoHz_, &QLabel::setText);
    connect(graph_, &session::GraphFrame::infoFR, lblInfoFR_, &QLabel::setText);
    connect(graph_, &session::GraphFrame::infoTime, lblInfoTime_, &QLabel::setText);
    connect(graph_, &session::GraphFrame::lengthTextChanged, this,
            &FrmSomnara::lengthTextChanged);

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
    startup_.add("CargarPuntos", [this] { model_->CargarPuntos(); });
    startup_.add("CargarSesionInicial", [this] { cargarSesionInicial(); });
    startup_.add("AlinearTira", [this] { alinearTira(); });
}

void FrmSomnara::buildShutdown() {
    shutdown_.add("PreguntarGuardar", [this] { preguntarGuardar(); });
    shutdown_.add("GuardarPreferencias", [this] { guardarPreferencias(); });
}

void FrmSomnara::Inicializar() {
    glasses::CargarSecuencias();
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

void FrmSomnara::coloresLeds() {}

void FrmSomnara::comprobarTarjetaSonido() {}

void FrmSomnara::cargarListaSesiones() {}

void FrmSomnara::cargarListaMusica() {}

void FrmSomnara::cargarSesionInicial() {
    model_->SesionNueva();
    model_->SesionModificada = false;
    sessionFile_.clear();
    graph_->EscribirTiempos();
    shownLength_ = graph_->lblTiempoText();
    graph_->refresh();
}

void FrmSomnara::alinearTira() {}

void FrmSomnara::scrollVolumenBinaural_Change() {
    lblVolumenBinaural_->setText(
        QString::fromStdString(volumeLabel(scrollVolumenBinaural_->value())));
}

void FrmSomnara::scrollVolumenMascara_Change() {
    lblVolumenMascara_->setText(
        QString::fromStdString(volumeLabel(scrollVolumenMascara_->value())));
}

void FrmSomnara::lengthTextChanged(const QString& text) {
    // A new caption is a new length: the session has changed.
    if (text != shownLength_) {
        shownLength_ = text;
        model_->SesionModificada = true;
    }
}

std::string FrmSomnara::sessionName() const {
    int row = FlexSesion_->currentRow();
    if (row >= 0 && FlexSesion_->item(row, 1)) return FlexSesion_->item(row, 1)->text().toStdString();
    return "Sesión nueva";
}

void FrmSomnara::preguntarGuardar() {
    if (!model_->SesionModificada) return;
    if (messages().askYesNo(saveQuestion(sessionName()))) {
        // The session library's save command joins here.
    } else {
        model_->SesionModificada = false;
    }
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

void FrmSomnara::guardarPreferencias() { writeExitSettings(Preferences::instance(), exitValues()); }

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

}  // namespace vs::shell
