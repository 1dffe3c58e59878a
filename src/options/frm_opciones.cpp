// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_opciones.h"

#include "options_keys.h"

#include "base/numeric.h"
#include "base/preferences.h"
#include "base/services.h"
#include "glasses/glasses_keys.h"
#include "glasses/led_panel.h"
#include "glasses/led_port.h"
#include "glasses/serial_led_port.h"
#include "glasses/port_setup.h"
#include "glasses/state.h"
#include "lumidot.h"
#include "options_texts.h"
#include "playback/playback_keys.h"
#include "playback/sound_choice.h"
#include "session/graph_frame.h"
#include "session/session_keys.h"
#include "session/session_model.h"
#include "session/top_high_scroll_bar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QAbstractButton>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace vs::options {
namespace {

constexpr int kTabGafas = 4;

// The graph's own colours, so the preview looks like what it previews.
const QColor kFondo(0, 0, 0);
const QColor kLineaGrid(0, 0x80, 0);
const QColor kTextoGrid(0, 0xC0, 0);

QScrollBar* spinner(QWidget* parent, const char* name, int lo, int hi, int step) {
    auto* s = new session::TopHighScrollBar(parent);
    s->setObjectName(name);
    s->setRange(lo, hi);
    s->setSingleStep(step);
    s->setPageStep(step);
    s->setFixedSize(17, 34);
    return s;
}

QString tiempo(int segundos) {
    return QString::fromStdString(session::FormatoTiempo(std::int64_t{segundos} * 1000));
}

} // namespace

frmOpciones::frmOpciones(const OptionsContext& contexto, QWidget* parent)
    : QDialog(parent), c_(contexto) {
    construir();
    test_ = std::make_unique<LedTest>(c_.port, *led_, c_.ledsPrincipal,
                                      [this] { return SSTab1->currentIndex() == kTabGafas; });
    test_->onRunningChanged = [this](bool running) {
        if (running)
            Timer1->start();
        else
            Timer1->stop();
        cmdTest->setText(running ? tr("Stop Test") : tr("Test"));
    };
    abrir();
}

frmOpciones::~frmOpciones() {
    // However the dialog goes, it never leaves the glasses lit by the test.
    if (test_) test_->stop();
}

void frmOpciones::construir() {
    setObjectName(QStringLiteral("frmOpciones"));
    setWindowTitle(tr("Opciones"));
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setUsesScrollButtons(false); // every caption in sight

    auto pagina = [this](const QString& caption) {
        auto* page = new QWidget;
        SSTab1->addTab(page, caption);
        auto* box = new QVBoxLayout(page);
        auto* frame = new QGroupBox(page);
        box->addWidget(frame);
        return frame;
    };

    // Ranges.
    QGroupBox* Frame1 = pagina(tr(" Frecuencias (Hz)"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* g1 = new QGridLayout(Frame1);
    scrollFrecuenciaBinaural =
        spinner(Frame1, "scrollFrecuenciaBinaural", kBinauralMinimo, kBinauralMaximo, 1);
    scrollFrecuenciaBase = spinner(Frame1, "scrollFrecuenciaBase", kBaseMinimo, kBaseMaximo, 10);
    lblFrecuenciaBinauralMaxima = new QLabel(Frame1);
    lblFrecuenciaBinauralMaxima->setObjectName(QStringLiteral("lblFrecuenciaBinauralMaxima"));
    lblFrecuenciaBaseMaxima = new QLabel(Frame1);
    lblFrecuenciaBaseMaxima->setObjectName(QStringLiteral("lblFrecuenciaBaseMaxima"));
    for (QLabel* l : {lblFrecuenciaBinauralMaxima, lblFrecuenciaBaseMaxima}) {
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumWidth(48);
    }
    g1->addWidget(new QLabel(tr("Frecuencia Binaural Máxima"), Frame1), 0, 0);
    g1->addWidget(lblFrecuenciaBinauralMaxima, 0, 1);
    g1->addWidget(scrollFrecuenciaBinaural, 0, 2);
    g1->addWidget(new QLabel(tr("Frecuencia Base Máxima"), Frame1), 1, 0);
    g1->addWidget(lblFrecuenciaBaseMaxima, 1, 1);
    g1->addWidget(scrollFrecuenciaBase, 1, 2);
    g1->setColumnStretch(3, 1);

    // Display.
    QGroupBox* Frame2 = pagina(tr("Ver"));
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* g2 = new QHBoxLayout(Frame2);
    Picture1 = new QWidget(Frame2);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedSize(120, 80);
    Picture1->setAutoFillBackground(true);
    QPalette negro = Picture1->palette();
    negro.setColor(QPalette::Window, kFondo);
    negro.setColor(QPalette::WindowText, kTextoGrid);
    Picture1->setPalette(negro);
    for (int j = 0; j < 3; ++j) {
        Linea[j] = new QWidget(Picture1);
        Linea[j]->setObjectName(QStringLiteral("Linea%1").arg(j));
        Linea[j]->setGeometry(0, 20 + 20 * j, 120, 1);
        Linea[j]->setAutoFillBackground(true);
        QPalette verde = Linea[j]->palette();
        verde.setColor(QPalette::Window, kLineaGrid);
        Linea[j]->setPalette(verde);
    }
    lblTexto = new QLabel(tr("Alfa"), Picture1);
    lblTexto->setObjectName(QStringLiteral("lblTexto"));
    lblTexto->move(6, 24);
    chkVerLineasGrid = new QCheckBox(tr("Líneas del Grid"), Frame2);
    chkVerLineasGrid->setObjectName(QStringLiteral("chkVerLineasGrid"));
    chkVerTextoFrecuencias = new QCheckBox(tr("Texto de Frecuencias"), Frame2);
    chkVerTextoFrecuencias->setObjectName(QStringLiteral("chkVerTextoFrecuencias"));
    auto* checks2 = new QVBoxLayout;
    checks2->addWidget(chkVerLineasGrid);
    checks2->addWidget(chkVerTextoFrecuencias);
    checks2->addStretch();
    g2->addWidget(Picture1, 0, Qt::AlignTop);
    g2->addLayout(checks2);

    // Playlist.
    QGroupBox* Frame3 = pagina(tr("Música"));
    Frame3->setObjectName(QStringLiteral("Frame3"));
    auto* g3 = new QVBoxLayout(Frame3);
    chkTocarCiclico = new QCheckBox(tr("Tocar cíclicamente"), Frame3);
    chkTocarCiclico->setObjectName(QStringLiteral("chkTocarCiclico"));
    chkTocarTodasCanciones = new QCheckBox(tr("Tocar sólo canción seleccionada"), Frame3);
    chkTocarTodasCanciones->setObjectName(QStringLiteral("chkTocarTodasCanciones"));
    g3->addWidget(chkTocarCiclico);
    g3->addWidget(chkTocarTodasCanciones);
    g3->addStretch();

    // Fade.
    QGroupBox* Frame4 = pagina(tr("Fade"));
    Frame4->setObjectName(QStringLiteral("Frame4"));
    auto* g4 = new QHBoxLayout(Frame4);
    scrollUltimosSegundos =
        spinner(Frame4, "scrollUltimosSegundos", 0, playback::pref::kUltimosSegundosMax, 1);
    lblUltimosSegundos = new QLabel(Frame4);
    lblUltimosSegundos->setObjectName(QStringLiteral("lblUltimosSegundos"));
    lblUltimosSegundos->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblUltimosSegundos->setAlignment(Qt::AlignCenter);
    lblUltimosSegundos->setMinimumWidth(48);
    lblUltimosSegundos->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    g4->addWidget(new QLabel(tr("Apagar volumen en los últimos"), Frame4));
    g4->addWidget(lblUltimosSegundos);
    g4->addWidget(scrollUltimosSegundos);
    g4->addWidget(new QLabel(tr("(m:s)"), Frame4));
    g4->addStretch();

    // Glasses.
    auto* paginaGafas = new QWidget;
    SSTab1->addTab(paginaGafas, tr("Gafas mentales"));
    auto* g5 = new QGridLayout(paginaGafas);
    auto* frameGafas = new QGroupBox(paginaGafas);
    frameGafas->setObjectName(QStringLiteral("frameGafas"));
    chkGafasMentales = new QCheckBox(tr("Gafas mentales conectadas"), frameGafas);
    chkGafasMentales->setObjectName(QStringLiteral("chkGafasMentales"));
    chkLuzEnAudio = new QCheckBox(tr("Señal de luz en el audio"), frameGafas);
    chkLuzEnAudio->setObjectName(QStringLiteral("chkLuzEnAudio"));
    auto* gafas = new QVBoxLayout(frameGafas);
    gafas->addWidget(chkGafasMentales);
    gafas->addWidget(chkLuzEnAudio);
    framePuertoParalelo = new QGroupBox(tr("Puerto Paralelo"), paginaGafas);
    framePuertoParalelo->setObjectName(QStringLiteral("framePuertoParalelo"));
    cmbPuertoParalelo = new QComboBox(framePuertoParalelo);
    cmbPuertoParalelo->setObjectName(QStringLiteral("cmbPuertoParalelo"));
    // A board's stable name runs to some eighty characters: the list shows it
    // whole, the closed box only its start rather than widen the dialog.
    cmbPuertoParalelo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbPuertoParalelo->setMinimumContentsLength(12);
    (new QVBoxLayout(framePuertoParalelo))->addWidget(cmbPuertoParalelo);
    frameSalidaPuerto = new QGroupBox(tr("Salida Puerto"), paginaGafas);
    frameSalidaPuerto->setObjectName(QStringLiteral("frameSalidaPuerto"));
    cmbSalidaPuerto = new QComboBox(frameSalidaPuerto);
    cmbSalidaPuerto->setObjectName(QStringLiteral("cmbSalidaPuerto"));
    (new QVBoxLayout(frameSalidaPuerto))->addWidget(cmbSalidaPuerto);
    frameColorLeds = new QGroupBox(paginaGafas);
    frameColorLeds->setObjectName(QStringLiteral("frameColorLeds"));
    frameColorLeds->setToolTip(tr("Pulse un LED para cambiar su color"));
    Picture2 = new QWidget(frameColorLeds);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    led_ = new glasses::LedPanel(Picture2);
    led_->setFixedSize(led_->sizeHint());
    Picture2->setFixedSize(led_->sizeHint());
    auto* g6 = new QHBoxLayout(frameColorLeds);
    g6->addWidget(Picture2);
    auto button = [&](const QString& caption, QWidget* parent) -> QAbstractButton* {
        if (c_.makeButton) return c_.makeButton(caption, parent);
        return new QPushButton(caption, parent);
    };
    cmdTest = button(tr("Test"), frameColorLeds);
    cmdTest->setObjectName(QStringLiteral("cmdTest"));
    g6->addWidget(cmdTest);
    g5->addWidget(frameGafas, 0, 0, 1, 2);
    g5->addWidget(framePuertoParalelo, 1, 0);
    g5->addWidget(frameSalidaPuerto, 1, 1);
    g5->addWidget(frameColorLeds, 2, 0, 1, 2);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(250);

    construirSonido();

    cmdAceptar = button(tr("Aceptar"), this);
    cmdAceptar->setObjectName(QStringLiteral("cmdAceptar"));
    auto* root = new QVBoxLayout(this);
    root->addWidget(SSTab1);
    auto* pie = new QHBoxLayout;
    pie->addStretch();
    pie->addWidget(cmdAceptar);
    root->addLayout(pie);
    OptionsTexts::apply(*this, *led_);
}

void frmOpciones::abrir() {
    abriendo_ = true;
    auto& prefs = Preferences::instance();
    session::SessionModel& m = c_.model;

    // 1. Ranges narrowed so no point can fall off the graph.
    Cargando = true;
    frecuencias_ = leerFrecuencias(m);
    const RangeLimits l = limitesPara(m, frecuencias_);
    scrollFrecuenciaBinaural->setRange(l.binauralMin, l.binauralMax);
    scrollFrecuenciaBase->setRange(l.baseMin, l.baseMax);
    Cargando = false;
    connect(scrollFrecuenciaBinaural, &QScrollBar::valueChanged, this,
            &frmOpciones::binauralCambiado);
    connect(scrollFrecuenciaBase, &QScrollBar::valueChanged, this, &frmOpciones::baseCambiado);
    // The bars hold their design values until now; whatever the session's
    // maxima are, the bars end on them and the labels show them.
    {
        const QSignalBlocker b1(scrollFrecuenciaBinaural), b2(scrollFrecuenciaBase);
        scrollFrecuenciaBinaural->setValue(toInt32(m.FrecBinauralMax));
        scrollFrecuenciaBase->setValue(m.FrecBaseMax);
    }
    if (scrollFrecuenciaBinaural->value() != m.FrecBinauralMax)
        binauralCambiado(scrollFrecuenciaBinaural->value());
    if (scrollFrecuenciaBase->value() != m.FrecBaseMax) baseCambiado(scrollFrecuenciaBase->value());
    lblFrecuenciaBinauralMaxima->setText(QString::number(scrollFrecuenciaBinaural->value()));
    lblFrecuenciaBaseMaxima->setText(QString::number(scrollFrecuenciaBase->value()));

    // 2. Check boxes and the fade time.
    chkVerTextoFrecuencias->setChecked(prefs.getInt16(session::pref::VerTextoFrecuencias) > 0);
    chkVerLineasGrid->setChecked(prefs.getInt16(session::pref::VerLineasGrid) > 0);
    chkTocarTodasCanciones->setChecked(prefs.getInt16(pref::TocarTodasCanciones) > 0);
    chkTocarCiclico->setChecked(prefs.getInt16(pref::TocarCiclico) > 0);
    scrollUltimosSegundos->setValue(prefs.getInt(playback::pref::UltimosSegundos));
    lblUltimosSegundos->setText(tiempo(scrollUltimosSegundos->value()));
    for (int j = 0; j < 3; ++j)
        Linea[j]->setVisible(chkVerLineasGrid->isChecked());
    lblTexto->setVisible(chkVerTextoFrecuencias->isChecked());

    connect(chkVerLineasGrid, &QCheckBox::clicked, this, [this](bool on) {
        Preferences::instance().save(session::pref::VerLineasGrid, on ? "1" : "0");
        if (c_.graph) c_.graph->DibujarGrid();
        for (int j = 0; j < 3; ++j)
            Linea[j]->setVisible(on);
    });
    connect(chkVerTextoFrecuencias, &QCheckBox::clicked, this, [this](bool on) {
        Preferences::instance().save(session::pref::VerTextoFrecuencias, on ? "1" : "0");
        if (c_.graph) c_.graph->DibujarGrid();
        lblTexto->setVisible(on);
    });
    connect(chkTocarCiclico, &QCheckBox::clicked, this,
            [](bool on) { Preferences::instance().save(pref::TocarCiclico, on ? "1" : "0"); });
    connect(chkTocarTodasCanciones, &QCheckBox::clicked, this, [](bool on) {
        Preferences::instance().save(pref::TocarTodasCanciones, on ? "1" : "0");
    });
    connect(scrollUltimosSegundos, &QScrollBar::valueChanged, this, [this](int v) {
        lblUltimosSegundos->setText(tiempo(v));
        Preferences::instance().save(playback::pref::UltimosSegundos, std::to_string(v));
    });

    // 3. The glasses tab.
    const auto colores = coloresGuardados(prefs);
    for (int i = 1; i <= 8; ++i) {
        led_->setColours(i, colores[i].lit, colores[i].unlit);
        led_->setLit(i, false);
        Lumidot* d = led_->led(i);
        d->setVisible(true);
        d->setCursor(Qt::PointingHandCursor);
        connect(d, &Lumidot::clicked, this, [this, i] { ledPulsado(i); });
    }
    cmdTest->setEnabled(c_.settings.GafasMentales);
    connect(chkGafasMentales, &QCheckBox::clicked, this, [this] { gafasPulsadas(true); });
    if (prefs.getBool(glasses::pref::GafasMentales)) {
        chkGafasMentales->setChecked(true);
        gafasPulsadas(false);
    }

    // 4. The port lists.
    puertos_ = std::make_unique<PortList>(
        c_.buscarSerie ? c_.buscarSerie() : glasses::dispositivosSerie(),
        prefs.get(glasses::pref::PuertoHex), prefs.get(glasses::pref::PuertoSerie));
    for (int i = 0; i < puertos_->size(); ++i)
        cmbPuertoParalelo->addItem(QString::fromStdString(puertos_->texto(i)));
    chkLuzEnAudio->setChecked(prefs.getBool(glasses::pref::LuzEnAudio));
    for (const char* s : kSalidas)
        cmbSalidaPuerto->addItem(QString::fromLatin1(s));
    cmbPuertoParalelo->setCurrentIndex(puertos_->inicial());
    const int salida = cmbSalidaPuerto->findText(QString::fromStdString(c_.settings.SalidaPuerto));
    cmbSalidaPuerto->setCurrentIndex(salida >= 0 ? salida : 0);
    test_->PuertoTest = c_.settings.PuertoLed;
    test_->SalidaTest = c_.settings.SalidaPuerto;
    // The test drives the output chosen here, before "Aceptar" stores it.
    connect(cmbPuertoParalelo, &QComboBox::currentIndexChanged, this, [this](int pos) {
        test_->PuertoTest = direccionDePosicion(puertos_->posicionParalelo(pos));
        c_.port.useSerialDevice(puertos_->dispositivo(pos));
    });
    connect(cmbSalidaPuerto, &QComboBox::currentIndexChanged, this,
            [this](int pos) { test_->SalidaTest = kSalidas[pos == 0 ? 0 : 1]; });

    connect(cmdTest, &QAbstractButton::clicked, this, [this] { test_->cmdTest_Click(); });
    connect(Timer1, &QTimer::timeout, this, &frmOpciones::Timer1_Timer);
    connect(SSTab1, &QTabWidget::currentChanged, this, &frmOpciones::pestanaCambiada);
    connect(cmdAceptar, &QAbstractButton::clicked, this, &frmOpciones::cmdAceptar_Click);
    abrirSonido();
    abriendo_ = false;
}

// The sound: a tab after the five of the design, stored as it changes.
void frmOpciones::construirSonido() {
    auto* page = new QWidget;
    SSTab1->addTab(page, tr("Sonido"));
    auto* box = new QVBoxLayout(page);
    auto* frame = new QGroupBox(page);
    frame->setObjectName(QStringLiteral("frameSonido"));
    box->addWidget(frame);
    auto* g = new QGridLayout(frame);
    auto fila = [&](int row, const QString& caption, QWidget* control, const QString& tip) {
        auto* label = new QLabel(caption, frame);
        label->setBuddy(control);
        label->setToolTip(tip);
        control->setToolTip(tip);
        g->addWidget(label, row, 0);
        g->addWidget(control, row, 1);
    };
    cmbTipoPulso = new QComboBox(frame);
    cmbTipoPulso->setObjectName(QStringLiteral("cmbTipoPulso"));
    cmbTipoPulso->addItems({tr("Binaural (auriculares)"), tr("Monoaural"), tr("Isocrónico")});
    fila(0, tr("Tipo de pulso"), cmbTipoPulso,
         tr("Binaural: un tono distinto en cada oído; el pulso nace dentro de la "
            "cabeza y sólo se oye con auriculares estéreo.\n"
            "Monoaural: los dos tonos en los dos oídos; el pulso se oye en el aire, "
            "también por altavoces.\n"
            "Isocrónico: un solo tono que se enciende y se apaga al ritmo del pulso; "
            "por altavoces o con auriculares de un solo lado."));
    cmbColorRuido = new QComboBox(frame);
    cmbColorRuido->setObjectName(QStringLiteral("cmbColorRuido"));
    cmbColorRuido->addItems({tr("Original"), tr("Rosa"), tr("Marrón")});
    fila(1, tr("Color del ruido"), cmbColorRuido,
         tr("El ruido de la máscara. Original: el de siempre, agudo y brillante. "
            "Rosa: más suave, con menos agudos. Marrón: grave, como un rumor lejano. "
            "La barra de la máscara da el mismo volumen con los tres."));
    chkIntercambiarCanales = new QCheckBox(tr("Intercambiar canales"), frame);
    chkIntercambiarCanales->setObjectName(QStringLiteral("chkIntercambiarCanales"));
    chkIntercambiarCanales->setToolTip(
        tr("Cambia el lado izquierdo por el derecho en todo el sonido, al reproducir "
           "y al exportar, para unos auriculares que llegan al revés. Compruébelo "
           "con Sesión > Comprobar auriculares..."));
    g->addWidget(chkIntercambiarCanales, 2, 0, 1, 2);
    cmbSalidaAudio = new QComboBox(frame);
    cmbSalidaAudio->setObjectName(QStringLiteral("cmbSalidaAudio"));
    cmbSalidaAudio->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbSalidaAudio->setMinimumContentsLength(24);
    fila(3, tr("Salida de audio"), cmbSalidaAudio,
         tr("El dispositivo por el que sale el sonido. Si se desconecta en mitad de "
            "una sesión, el sonido sigue por la salida predeterminada del sistema."));
    g->setColumnStretch(2, 1);
    g->setRowStretch(4, 1);
}

void frmOpciones::abrirSonido() {
    auto& prefs = Preferences::instance();
    const playback::SoundChoice s = playback::readSoundChoice(prefs);
    cmbTipoPulso->setCurrentIndex(int(s.pulse));
    cmbColorRuido->setCurrentIndex(int(s.noise));
    chkIntercambiarCanales->setChecked(s.swapChannels);
    // Each entry holds the name stored for it; a stored device that is not
    // there now is kept in the list, marked, so it stays chosen.
    cmbSalidaAudio->addItem(tr("Predeterminada del sistema"), QString());
    const QString stored = QString::fromStdString(prefs.get(playback::pref::DispositivoAudio));
    bool listed = stored.isEmpty();
    for (const std::string& name :
         c_.buscarSalidas ? c_.buscarSalidas() : std::vector<std::string>{}) {
        const QString n = QString::fromStdString(name);
        cmbSalidaAudio->addItem(n, n);
        listed = listed || n == stored;
    }
    if (!listed) cmbSalidaAudio->addItem(stored + tr(" (no conectada)"), stored);
    cmbSalidaAudio->setCurrentIndex(std::max(0, cmbSalidaAudio->findData(stored)));

    auto cambiado = [this] {
        if (c_.onSonidoCambiado) c_.onSonidoCambiado();
    };
    connect(cmbTipoPulso, &QComboBox::currentIndexChanged, this, [](int i) {
        Preferences::instance().save(playback::pref::TipoPulso, std::to_string(i));
    });
    connect(cmbColorRuido, &QComboBox::currentIndexChanged, this, [](int i) {
        Preferences::instance().save(
            playback::pref::ColorRuido,
            playback::storedNoiseColour(playback::NoiseColour(std::clamp(i, 0, 2))));
    });
    connect(chkIntercambiarCanales, &QCheckBox::toggled, this, [cambiado](bool on) {
        Preferences::instance().save(playback::pref::IntercambiarCanales, on ? "1" : "0");
        cambiado();
    });
    connect(cmbSalidaAudio, &QComboBox::currentIndexChanged, this, [this, cambiado](int i) {
        Preferences::instance().save(playback::pref::DispositivoAudio,
                                     cmbSalidaAudio->itemData(i).toString().toStdString());
        cambiado();
    });
}

void frmOpciones::redibujar() {
    // A range change is an edit of the open session: it is saved with it.
    if (!abriendo_) c_.model.SesionModificada = true;
    c_.model.notify();
    if (c_.graph) c_.graph->refresh();
}

void frmOpciones::binauralCambiado(int value) {
    if (Cargando) return;
    lblFrecuenciaBinauralMaxima->setText(QString::number(value));
    aplicarBinauralMax(c_.model, frecuencias_, value);
    redibujar();
}

void frmOpciones::baseCambiado(int value) {
    if (Cargando) return;
    lblFrecuenciaBaseMaxima->setText(QString::number(value));
    aplicarBaseMax(c_.model, frecuencias_, value);
    redibujar();
}

void frmOpciones::gafasPulsadas(bool porUsuario) {
    if (porUsuario && chkGafasMentales->isChecked() && !c_.settings.GafasMentales &&
        !confirmarGafas(c_.messages, Preferences::instance())) {
        chkGafasMentales->setChecked(false);
        return;
    }
    const bool on = chkGafasMentales->isChecked();
    Preferences::instance().save(glasses::pref::GafasMentales, on ? "1" : "0");
    glasses::readGlassesSettings(Preferences::instance(), c_.settings);
    if (!on) {
        if (test_->running() && cmdTest->isEnabled()) test_->stop();
        if (c_.onGafasApagadas) c_.onGafasApagadas();
    }
    cmdTest->setEnabled(on);
    chkLuzEnAudio->setEnabled(on);
    frameColorLeds->setEnabled(on);
    framePuertoParalelo->setEnabled(on);
    frameSalidaPuerto->setEnabled(on);
}

void frmOpciones::ledPulsado(int i) {
    Lumidot* d = led_->led(i);
    const LedColours nuevo = siguienteColor({d->LitColour(), d->UnLitColour()});
    led_->setColours(i, nuevo.lit, nuevo.unlit);
}

void frmOpciones::pestanaCambiada(int index) {
    // The test shows on this tab's indicators or the main window's; leaving
    // the tab stops it rather than leave it running unseen.
    if (pestana_ == kTabGafas && test_->running()) {
        test_->stop();
        // The tab is gone by now, so the stop darkened the main window's
        // indicators; the hidden ones would come back lit.
        glasses::MostrarLeds(*led_, 0);
    }
    pestana_ = index;
}

void frmOpciones::Timer1_Timer() {
    test_->Timer1_Timer();
}

void frmOpciones::cmdAceptar_Click() {
    test_->stop();
    Timer1->stop();
    std::array<LedColours, 9> colores{};
    for (int i = 1; i <= 8; ++i)
        colores[i] = {led_->led(i)->LitColour(), led_->led(i)->UnLitColour()};
    const int puerto = cmbPuertoParalelo->currentIndex();
    guardarAceptar(Preferences::instance(), c_.settings, colores,
                   puertos_->posicionParalelo(puerto), cmbSalidaPuerto->currentIndex());
    guardarSalidas(Preferences::instance(), c_.settings, c_.port, puertos_->dispositivo(puerto),
                   chkLuzEnAudio->isChecked());
    accept();
}

void frmOpciones::done(int result) {
    test_->stop();
    // Closed without "Aceptar": the output goes back to the stored one.
    c_.port.useSerialDevice(c_.settings.PuertoSerie);
    QDialog::done(result);
}

void frmOpciones::keyPressEvent(QKeyEvent* e) {
    // Esc first puts the lights out; with no test running it closes as usual.
    if (e->key() == Qt::Key_Escape && test_->running()) {
        test_->stop();
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void runOptionsDialog(const OptionsContext& contexto, QWidget* owner) {
    frmOpciones dialog(contexto, owner);
    dialog.exec();
}

} // namespace vs::options
