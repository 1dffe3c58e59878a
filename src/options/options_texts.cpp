// SPDX-License-Identifier: GPL-3.0-or-later
#include "options_texts.h"

#include "glasses/led_panel.h"
#include "lumidot.h"

#include <QTabWidget>
#include <QTabBar>
#include <QWidget>

namespace vs::options {

void OptionsTexts::apply(QWidget& dialog, glasses::LedPanel& leds) {
    auto describe = [&dialog](const char* name, const QString& accessible, const QString& tip) {
        if (auto* w = dialog.findChild<QWidget*>(QString::fromLatin1(name))) {
            w->setAccessibleName(accessible);
            w->setToolTip(tip);
        }
    };
    if (auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("SSTab1")))
        tabs->tabBar()->setAccessibleName(tr("Apartados de las opciones"));
    describe("scrollFrecuenciaBinaural", tr("Frecuencia Binaural Máxima"),
             tr("El valor más alto del eje de frecuencia binaural del gráfico"));
    describe("scrollFrecuenciaBase", tr("Frecuencia Base Máxima"),
             tr("El valor más alto del eje de frecuencia base del gráfico"));
    describe("chkVerLineasGrid", tr("Líneas del Grid"),
             tr("Muestra en el gráfico las líneas de las bandas y del tiempo"));
    describe("chkVerTextoFrecuencias", tr("Texto de Frecuencias"),
             tr("Muestra en el gráfico los nombres de las bandas Delta, Theta, Alfa y Beta"));
    describe("chkTocarCiclico", tr("Tocar cíclicamente"),
             tr("Tras la última canción la lista vuelve a la primera; si no, se repite la "
                "última"));
    describe("chkTocarTodasCanciones", tr("Tocar sólo canción seleccionada"),
             tr("Al acabar la canción elegida vuelve a sonar la misma, sin pasar a la "
                "siguiente"));
    describe("scrollUltimosSegundos", tr("Apagar volumen en los últimos"),
             tr("Durante cuánto tiempo baja el volumen hasta el silencio al final de la "
                "sesión (minutos:segundos)"));
    describe("chkGafasMentales", tr("Gafas mentales conectadas"),
             tr("Enciende las luces de las gafas al ritmo del pulso durante la sesión"));
    describe("chkLuzEnAudio", tr("Señal de luz en el audio"),
             tr("Lleva las luces también en el sonido, para aparatos de luz y sonido que "
                "las leen de su entrada de audio"));
    describe("cmbPuertoParalelo", tr("Puerto Paralelo"),
             tr("El puerto, paralelo o USB, al que están conectadas las gafas"));
    describe("cmbSalidaPuerto", tr("Salida Puerto"),
             tr("Direct: un bit a 1 enciende su LED; Invers: lo apaga, para gafas que "
                "encienden con 0"));
    describe("cmdTest", tr("Test"),
             tr("Hace pasar las luces por las gafas y por los LEDs de esta página, para "
                "comprobar la conexión"));
    describe("cmdAceptar", tr("Aceptar"), tr("Cierra las opciones"));
    leds.setToolTip(tr("Pulse un LED para cambiar su color"));
    leds.setAccessibleName(tr("Colores de los LEDs"));
    for (int i = 1; i <= 8; ++i)
        leds.led(i)->setToolTip(tr("Pulse para cambiar el color de este LED"));
}

} // namespace vs::options
