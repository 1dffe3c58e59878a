// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window_ui.h"

#include "controls/boton_gradiente.h"
#include "glasses/led_panel.h"
#include "library/music_grid.h"
#include "library/session_grid.h"
#include "playback/session_player.h"
#include "session/graph_frame.h"
#include "session/top_high_scroll_bar.h"
#include "shell_logic.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace vs::shell {
namespace {

QLabel* valueLabel(QWidget* parent, const char* name, const QString& tip = {}) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(64);
    if (!tip.isEmpty()) l->setToolTip(tip);
    return l;
}

QCheckBox* sourceBox(QWidget* parent, const char* name, const QString& tip) {
    auto* c = new QCheckBox(parent);
    c->setObjectName(name);
    c->setToolTip(tip);
    return c;
}

QScrollBar* volumeBar(QWidget* parent, int min, const char* name) {
    // Top is the highest value, as on a mixing desk.
    auto* s = new session::TopHighScrollBar(parent);
    s->setObjectName(name);
    s->setRange(min, 100);
    s->setMinimumHeight(100);
    return s;
}

QTimer* windowTimer(QObject* owner, const char* name, int ms) {
    auto* t = new QTimer(owner);
    t->setObjectName(name);
    t->setInterval(ms);
    return t;
}

} // namespace

void MainWindowUi::setupUi(QMainWindow* window, session::SessionModel& model) {
    window->setObjectName("frmSomnara");
    window->setWindowTitle(QStringLiteral("Velorin Somnara"));
    auto* central = new QWidget(window);
    window->setCentralWidget(central);
    auto* root = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    root->addLayout(left, 1);
    root->addLayout(right, 0);

    // Top row: LEDs, transport, information.
    auto* top = new QHBoxLayout;
    left->addLayout(top);

    frameLed = new QGroupBox(central);
    frameLed->setObjectName("frameLed");
    auto* ledLayout = new QVBoxLayout(frameLed);
    pLed = new QWidget(frameLed);
    pLed->setObjectName("pLed");
    pLed->setFixedSize(1920 / kTwipsPerPixel, 840 / kTwipsPerPixel);
    led = new glasses::LedPanel(pLed);
    led->setObjectName("led");
    led->setGeometry(0, 0, pLed->width(), pLed->height());
    ledLayout->addWidget(pLed);
    top->addWidget(frameLed);

    auto* frame4 = new QGroupBox(central);
    frame4->setObjectName("Frame4");
    auto* transport = new QHBoxLayout(frame4);
    cmdPlay = new controls::BotonGradiente(tr("Play"), frame4);
    cmdPlay->setObjectName("cmdPlay");
    cmdStop = new controls::BotonGradiente(tr("Stop"), frame4);
    cmdStop->setObjectName("cmdStop");
    for (auto* b : {cmdPlay, cmdStop}) {
        b->setMinimumSize(72, 40);
        transport->addWidget(b);
    }
    top->addWidget(frame4);

    auto* frame2 = new QGroupBox(tr("Frecuencia/Tiempo"), central);
    frame2->setObjectName("Frame2");
    auto* info = new QGridLayout(frame2);
    lblInfoTime = valueLabel(frame2, "lblInfoTime", tr("Tiempo"));
    lblInfoHz = valueLabel(frame2, "lblInfoHz", tr("Frecuencia Binaural (Hz)"));
    lblInfoFR = valueLabel(frame2, "lblInfoFR", tr("Frecuencia Base (Hz)"));
    info->addWidget(new QLabel(tr("Tiempo (mm:ss)"), frame2), 0, 0);
    info->addWidget(new QLabel(tr("Frecuencia Binaural"), frame2), 0, 1);
    info->addWidget(new QLabel(tr("Frecuencia Base"), frame2), 0, 2);
    info->addWidget(lblInfoTime, 1, 0);
    info->addWidget(lblInfoHz, 1, 1);
    info->addWidget(lblInfoFR, 1, 2);
    top->addWidget(frame2, 1);

    auto* frame3 = new QGroupBox(central);
    frame3->setObjectName("Frame3");
    auto* graphLayout = new QVBoxLayout(frame3);
    graph = new session::GraphFrame(model, frame3);
    graph->setObjectName("GraphFrame");
    graphLayout->addWidget(graph);
    left->addWidget(frame3, 1);

    // Right column: volume, session library, playlist.
    auto* frame1 = new QGroupBox(tr("Volumen"), central);
    frame1->setObjectName("Frame1");
    auto* vol = new QGridLayout(frame1);
    chkMusica = sourceBox(frame1, "chkMusica", tr("Activar/Desactivar Música"));
    chkMascara = sourceBox(frame1, "chkMascara", tr("Activar/Desactivar sonido Máscara"));
    chkBinaural = sourceBox(frame1, "chkBinaural", tr("Activar/Desactivar sonido Binaural"));
    scrollVolumenMusica = volumeBar(frame1, 1, "scrollVolumenMusica");
    scrollVolumenMascara = volumeBar(frame1, 0, "scrollVolumenMascara");
    scrollVolumenBinaural = volumeBar(frame1, 0, "scrollVolumenBinaural");
    lblVolumenMusica = valueLabel(frame1, "lblVolumenMusica");
    lblVolumenMascara = valueLabel(frame1, "lblVolumenMascara");
    lblVolumenBinaural = valueLabel(frame1, "lblVolumenBinaural");
    vol->addWidget(new QLabel(tr("Activo"), frame1), 0, 0);
    const QString captions[3] = {tr("Música"), tr("Sonido Máscara"), tr("Sonido Binaural")};
    QCheckBox* checks[3] = {chkMusica, chkMascara, chkBinaural};
    QScrollBar* bars[3] = {scrollVolumenMusica, scrollVolumenMascara, scrollVolumenBinaural};
    QLabel* values[3] = {lblVolumenMusica, lblVolumenMascara, lblVolumenBinaural};
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

    FlexSesion = new library::SessionGrid(central);
    FlexMusica = new library::MusicGrid(central);
    right->addWidget(FlexSesion, 1);
    right->addWidget(FlexMusica, 1);

    timerSesion = windowTimer(window, "timerSesion", playback::SessionPlayer::kTickMs);
    timerFade = windowTimer(window, "timerFade", playback::SessionPlayer::kFadeTickMs);
    buildMenus(window);
}

void MainWindowUi::buildMenus(QMainWindow* window) {
    auto add = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    auto menu = [window](const char* name, const QString& caption) {
        QMenu* m = window->menuBar()->addMenu(caption);
        m->setObjectName(name);
        return m;
    };
    QMenu* archivo = menu("mnuArchivo", tr("&Archivo"));
    mnuArchivoImportarSesion = add(archivo, "mnuArchivoImportarSesion", tr("&Importar sesión..."));
    mnuArchivoOpciones = add(archivo, "mnuArchivoOpciones", tr("&Opciones"));
    archivo->addSeparator();
    mnuArchivoSalir = add(archivo, "mnuArchivoSalir", tr("&Salir"));
    mnuArchivoSalir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edicion = menu("mnuEdicion", tr("&Edición"));
    mnuEdicionDeshacer = add(edicion, "mnuEdicionDeshacer", tr("&Deshacer"));
    mnuEdicionRehacer = add(edicion, "mnuEdicionRehacer", tr("&Rehacer"));
    mnuEdicionDeshacer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEdicionRehacer->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    QMenu* sesion = menu("mnuSesion", tr("&Sesión"));
    mnuSesion = sesion;
    // The transport's key has a home in a menu, where the user sees it.
    mnuSesionPlayStop = add(sesion, "mnuSesionPlayStop", tr("P&lay/Stop"));
    sesion->addSeparator();
    mnuSesionNueva = add(sesion, "mnuSesionNueva", tr("&Nueva"));
    sesion->addSeparator();
    mnuSesionGuardarSesion = add(sesion, "mnuSesionGuardarSesion", tr("&Guardar Sesión"));
    mnuSesionGuardarSesionComo =
        add(sesion, "mnuSesionGuardarSesionComo", tr("G&uardar Sesión como..."));
    mnuSesionExportarSbg =
        add(sesion, "mnuSesionExportarSbg", tr("Exportar como &programa .sbg..."));
    sesion->addSeparator();
    mnuSesionAnadirSesion = add(sesion, "mnuSesionAñadirSesion", tr("&Añadir Sesión..."));
    mnuSesionEliminarSesion = add(sesion, "mnuSesionEliminarSesion", tr("&Eliminar Sesión"));
    mnuSesionComprobarAuriculares =
        add(sesion, "mnuSesionComprobarAuriculares", tr("&Comprobar auriculares..."));
    // The usual keys of a document program, beside the menu's access keys.
    mnuSesionNueva->setShortcut(QKeySequence::New);
    mnuSesionGuardarSesion->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSesionGuardarSesionComo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    mnuSesionAnadirSesion->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));

    QMenu* musica = menu("mnuMusica", tr("&Música"));
    mnuMusica = musica;
    mnuMusicaAnadir = add(musica, "mnuMusicaAñadir", tr("&Añadir Canción..."));
    mnuMusicaAnadirPistaCd = add(musica, "mnuMusicaAñadirPistaCD", tr("Añadir pista de CD..."));
    mnuMusicaEliminar = add(musica, "mnuMusicaEliminar", tr("&Eliminar Canción"));

    QMenu* ayuda = menu("mnuAyuda", tr("A&yuda"));
    mnuAyudaContenido = add(ayuda, "mnuAyudaContenido", tr("&Contenido..."));
    mnuAyudaAcrecaDe = add(ayuda, "mnuAyudaAcrecaDe", tr("A&cerca de..."));
    // Help answers in every window of the program, not only the main one.
    mnuAyudaContenido->setShortcut(QKeySequence(Qt::Key_F1));
    mnuAyudaContenido->setShortcutContext(Qt::ApplicationShortcut);
}

} // namespace vs::shell

namespace vs::shell {

double MainWindowUi::fitColumns(const ShellSettings& settings) {
    // "Duración" is the header that decides: the widest text in the
    // narrowest column at the design's widths.
    const QHeaderView* header = FlexSesion->horizontalHeader();
    const int needed =
        header->fontMetrics().horizontalAdvance(library::LibraryGrid::tr("Duración")) +
        2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 6;
    const double scale = columnScale(needed, 800);
    FlexSesion->setColumnWidth(1, twipsToPixels(settings.anchoSesion, scale));
    FlexSesion->setColumnWidth(2, twipsToPixels(settings.anchoDuracionSesion, scale));
    FlexMusica->setColumnWidth(1, twipsToPixels(settings.anchoMusica, scale));
    FlexMusica->setColumnWidth(2, twipsToPixels(settings.anchoDuracionMusica, scale));
    return scale;
}

void MainWindowUi::storeColumns(ExitValues& v, const ShellSettings& settings, double scale) const {
    auto stored = [scale](int twips, const QTableWidget* grid, int column) {
        return widthToStore(twips, grid->columnWidth(column), scale);
    };
    v.anchoSesion = stored(settings.anchoSesion, FlexSesion, 1);
    v.anchoDuracionSesion = stored(settings.anchoDuracionSesion, FlexSesion, 2);
    v.anchoMusica = stored(settings.anchoMusica, FlexMusica, 1);
    v.anchoDuracionMusica = stored(settings.anchoDuracionMusica, FlexMusica, 2);
}

} // namespace vs::shell
