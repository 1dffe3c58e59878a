// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window_texts.h"

#include "controls/boton_gradiente.h"
#include "glasses/led_panel.h"
#include "library/music_grid.h"
#include "library/session_grid.h"
#include "desktop_manners.h"
#include "main_window_ui.h"
#include "session/graph_frame.h"
#include "session/graph_view.h"
#include "session/strip_view.h"

#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QScrollBar>

namespace vs::shell {

void MainWindowTexts::apply(const MainWindowUi& ui) {
    // What a screen reader says the control is, and what the pointer shows.
    auto describe = [](QWidget& control, const QString& name, const QString& tip) {
        control.setAccessibleName(name);
        control.setToolTip(tip);
    };
    describe(*ui.led, tr("LEDs de las gafas"),
             tr("Lo que muestran ahora las gafas: cuatro luces para cada ojo"));
    // The keys as the menus name them, in the interface language.
    const QString playStop = playStopKeys().front().toString(QKeySequence::NativeText);
    const QString escape = QKeySequence(Qt::Key_Escape).toString(QKeySequence::NativeText);
    describe(*ui.cmdPlay, tr("Play"),
             tr("Hace sonar la sesión desde el principio (%1)").arg(playStop));
    describe(*ui.cmdStop, tr("Stop"),
             tr("Para el sonido, la música y las luces (%1 o %2)").arg(playStop, escape));

    // The design's own tips for the source boxes stay; their captions are
    // separate labels, so the boxes need names of their own.
    ui.chkMusica->setAccessibleName(tr("Música activa"));
    ui.chkMascara->setAccessibleName(tr("Sonido Máscara activo"));
    ui.chkBinaural->setAccessibleName(tr("Sonido Binaural activo"));
    describe(*ui.scrollVolumenMusica, tr("Volumen de la música"),
             tr("Volumen de la música de fondo: más alto hacia arriba"));
    describe(*ui.scrollVolumenMascara, tr("Volumen del sonido máscara"),
             tr("Volumen del ruido que envuelve los tonos: más alto hacia arriba"));
    describe(*ui.scrollVolumenBinaural, tr("Volumen del sonido binaural"),
             tr("Volumen de los dos tonos binaurales: más alto hacia arriba"));
    ui.lblInfoTime->setAccessibleName(tr("Tiempo"));
    ui.lblInfoHz->setAccessibleName(tr("Frecuencia Binaural"));
    ui.lblInfoFR->setAccessibleName(tr("Frecuencia Base"));

    describe(*ui.graph->graphView(), tr("Gráfico de la sesión"),
             tr("Pulse para añadir un punto de frecuencia binaural, con Mayúsculas uno de "
                "frecuencia base; arrastre un punto para moverlo, botón derecho para borrarlo"));
    ui.graph->stripView()->setAccessibleName(tr("Secuencias de LED"));
    ui.graph->stripView()->setPlainToolTip(
        tr("La secuencia de luces de cada tramo: doble clic para elegir otra"));
    describe(*ui.graph->scrollMinutos(), tr("Minutos de la sesión"),
             tr("Duración de la sesión: minutos"));
    describe(*ui.graph->scrollSegundos(), tr("Segundos de la sesión"),
             tr("Duración de la sesión: segundos"));

    describe(*ui.FlexSesion, tr("Biblioteca de sesiones"),
             tr("Sus sesiones: pulse una para abrirla; el botón derecho abre el menú Sesión"));
    describe(*ui.FlexMusica, tr("Lista de música"),
             tr("La música de fondo: pulse una canción para elegirla, arrastre aquí ficheros "
                "de música para añadirlos; el botón derecho abre el menú Música"));
}

} // namespace vs::shell
