// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/frm_opciones.h"

#include "base/preferences.h"
#include "glasses/led_panel.h"
#include "glasses/state.h"
#include "lumidot.h"
#include "session/session_file.h"
#include "session/session_model.h"
#include "temp_dir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include "recording_indicators.h"
#include "recording_led_port.h"
#include "recording_messages.h"

using namespace vs::options;
using vs::RecordingMessageService;

namespace {

struct OptionsDialog : ::testing::Test {
    vs::test::TempDir dir;
    vs::session::SessionModel model;
    vs::glasses::GlassesSettings estado;
    vs::glasses::RecordingLedPort port;
    vs::glasses::RecordingIndicators principal;
    RecordingMessageService messages;
    int apagadas = 0;

    void SetUp() override {
        dir.becomeProgramFolders();
        contadoresTest() = {};
        estado.PuertoLed = 0x378;
    }
    vs::Preferences& prefs() { return vs::Preferences::instance(); }
    std::unique_ptr<frmOpciones> open() {
        return std::make_unique<frmOpciones>(OptionsContext{model, nullptr, estado, port, principal,
                                                            messages, [this] { ++apagadas; }});
    }
    template <typename T> static T* child(frmOpciones& d, const char* name) {
        T* w = d.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static void click(frmOpciones& d, const char* name) {
        QTest::mouseClick(child<QAbstractButton>(d, name), Qt::LeftButton);
    }
    // The glasses tab shown, glasses on, the test running.
    std::unique_ptr<frmOpciones> testRunning() {
        prefs().save("Opciones", "Gafas Mentales", "1");
        estado.GafasMentales = true;
        auto d = open();
        child<QTabWidget>(*d, "SSTab1")->setCurrentIndex(4);
        click(*d, "cmdTest");
        EXPECT_TRUE(d->test().running());
        d->Timer1_Timer(); // 255 on the port
        return d;
    }
};

} // namespace

TEST_F(OptionsDialog, OpensWithItsTabsCaptionsAndTheSessionsRanges) {
    model.FrecBinauralMax = 20;
    model.Punto[1].Top = model.topForBinaural(17.6);
    auto d = open();
    auto* tabs = child<QTabWidget>(*d, "SSTab1");
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    EXPECT_EQ(captions, (QStringList{" Frecuencias (Hz)", "Ver", "Música", "Fade", "Gafas mentales",
                                     "Sonido"}));
    EXPECT_EQ(child<QPushButton>(*d, "cmdAceptar")->text(), "Aceptar");
    EXPECT_EQ(child<QTimer>(*d, "Timer1")->interval(), 250);
    auto* binaural = child<QScrollBar>(*d, "scrollFrecuenciaBinaural");
    EXPECT_EQ(binaural->minimum(), 18);
    EXPECT_EQ(binaural->value(), 20);
    EXPECT_EQ(child<QLabel>(*d, "lblFrecuenciaBinauralMaxima")->text(), "20");
    EXPECT_EQ(child<QLabel>(*d, "lblFrecuenciaBaseMaxima")->text(), "500");
    EXPECT_EQ(child<QLabel>(*d, "lblUltimosSegundos")->text(), "00:30");
    EXPECT_FALSE(model.SesionModificada);
    // Glasses off: only the test button is disabled; the colours stay at the start-up defaults.
    EXPECT_FALSE(child<QPushButton>(*d, "cmdTest")->isEnabled());
    EXPECT_TRUE(child<QWidget>(*d, "frameColorLeds")->isEnabled());
    EXPECT_EQ(d->leds().led(1)->LitColour(), 65535u);
    EXPECT_EQ(d->leds().led(2)->UnLitColour(), 32768u);
    EXPECT_EQ(d->leds().led(3)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(messages.entries.size(), 0u);
}

TEST_F(OptionsDialog, ARangeChangeKeepsEveryPointsFrequencyThroughSaveAndReopen) {
    model.Punto[1].Top = model.topForBinaural(12.5);
    model.PuntoFR[2].Top = model.topForBase(333);
    auto d = open();
    child<QScrollBar>(*d, "scrollFrecuenciaBinaural")->setValue(25);
    auto* base = child<QScrollBar>(*d, "scrollFrecuenciaBase");
    EXPECT_EQ(base->maximum(), 630); // the new session's base curve lies at 188.5 Hz
    base->setValue(600);
    EXPECT_TRUE(model.SesionModificada); // saved with the session, so asked about
    EXPECT_EQ(child<QLabel>(*d, "lblFrecuenciaBaseMaxima")->text(), "600");
    d.reset();
    // The two range preferences are not the dialog's to change.
    EXPECT_EQ(prefs().get("Opciones", "Frecuencia Binaural Maxima", "none"), "none");

    ASSERT_TRUE(vs::session::GuardarSesion(model, dir.file("s.vso")));
    vs::session::SessionModel back;
    ASSERT_TRUE(vs::session::LeerSesion(back, dir.file("s.vso")));
    EXPECT_FLOAT_EQ(back.FrecBinauralMax, 25);
    EXPECT_EQ(back.FrecBaseMax, 600);
    // Files keep whole graph units: within one unit of the frequency.
    EXPECT_NEAR(back.binauralHz(back.Punto[1].Top), 12.5, 25.0 / 2095);
    EXPECT_NEAR(back.baseHz(back.PuntoFR[2].Top), 333, 450.0 / 2095);
}

TEST_F(OptionsDialog, ClearingTheGlassesDuringATestStopsItAndDarkens) {
    for (const char* salida : {"Direct", "Invers"}) {
        // Stored, as the settings are read back from the store.
        prefs().save("Opciones", "Salida Puerto", salida);
        estado.SalidaPuerto = salida;
        auto d = testRunning();
        click(*d, "chkGafasMentales");
        EXPECT_FALSE(d->test().running());
        EXPECT_EQ(port.bytes().back(), std::string(salida) == "Direct" ? 0 : 255) << salida;
        EXPECT_EQ(child<QPushButton>(*d, "cmdTest")->text(), "Test");
        EXPECT_FALSE(child<QWidget>(*d, "frameColorLeds")->isEnabled());
        EXPECT_FALSE(estado.GafasMentales);
        EXPECT_EQ(prefs().get("Opciones", "Gafas Mentales", ""), "0");
    }
    EXPECT_EQ(apagadas, 2);
}

TEST_F(OptionsDialog, LeavingTheGlassesTabStopsTheTestOtherTabChangesDoNot) {
    auto d = testRunning();
    auto* tabs = child<QTabWidget>(*d, "SSTab1");
    tabs->setCurrentIndex(1);
    EXPECT_FALSE(d->test().running());
    EXPECT_EQ(port.bytes().back(), 0);
    for (int i = 1; i <= 8; ++i)
        EXPECT_FALSE(d->leds().led(i)->Lit()) << i; // hidden, but not left lit

    tabs->setCurrentIndex(4);
    click(*d, "cmdTest");
    tabs->setCurrentIndex(4);
    EXPECT_TRUE(d->test().running());
    d->test().stop();
    tabs->setCurrentIndex(0);
    d->test().cmdTest_Click(); // only reachable from tab 4; shown on the main window
    tabs->setCurrentIndex(2);
    tabs->setCurrentIndex(3);
    EXPECT_TRUE(d->test().running());
    d->Timer1_Timer(); // the counters went on from the earlier run: 0, then 255
    d->Timer1_Timer();
    EXPECT_EQ(principal.byte(), 255);
}

TEST_F(OptionsDialog, EscapeAndClosingStopTheTest) {
    {
        auto d = testRunning();
        QTest::keyClick(d.get(), Qt::Key_Escape);
        EXPECT_FALSE(d->test().running());
        EXPECT_EQ(port.bytes().back(), 0);
    }
    {
        auto d = testRunning();
        d->show();
        d->close(); // the close box
        EXPECT_FALSE(d->test().running());
        EXPECT_EQ(port.bytes().back(), 0);
    }
}

TEST_F(OptionsDialog, ClosingWithoutAceptarKeepsColoursAndPortButNotTheFade) {
    prefs().save("Opciones", "Gafas Mentales", "1");
    estado.GafasMentales = true;
    {
        auto d = open();
        QTest::mouseClick(d->leds().led(2), Qt::LeftButton); // green -> red
        EXPECT_EQ(d->leds().led(2)->LitColour(), 255u);
        child<QComboBox>(*d, "cmbPuertoParalelo")->setCurrentIndex(2);
        EXPECT_EQ(d->test().PuertoTest, 0x3BC);
        child<QScrollBar>(*d, "scrollUltimosSegundos")->setValue(75);
        EXPECT_EQ(child<QLabel>(*d, "lblUltimosSegundos")->text(), "01:15");
        d->show();
        d->close();
    }
    EXPECT_EQ(prefs().get("Opciones", "ColorLedLit2", "none"), "none");
    EXPECT_EQ(prefs().get("Opciones", "Puerto Hex", "none"), "none");
    EXPECT_EQ(estado.PuertoLed, 0x378);
    EXPECT_EQ(prefs().get("Opciones", "Ultimos Segundos", ""), "75");
}

TEST_F(OptionsDialog, AceptarStoresColoursPortAndPolarity) {
    prefs().save("Opciones", "ColorLedLit5", "255"); // red
    prefs().save("Opciones", "ColorLedLit6", "16711935");
    auto d = open();
    QTest::mouseClick(d->leds().led(5), Qt::LeftButton); // red -> yellow
    QTest::mouseClick(d->leds().led(6), Qt::LeftButton); // outside the pairs: unchanged
    EXPECT_EQ(d->leds().led(5)->LitColour(), 65535u);
    EXPECT_EQ(d->leds().led(6)->LitColour(), 16711935u);
    child<QComboBox>(*d, "cmbPuertoParalelo")->setCurrentIndex(1);
    child<QComboBox>(*d, "cmbSalidaPuerto")->setCurrentIndex(1);
    click(*d, "cmdAceptar");
    EXPECT_EQ(d->result(), QDialog::Accepted);

    EXPECT_EQ(prefs().get("Opciones", "ColorLedLit5", ""), "65535");
    // Written with the dialog's spelling, read with everyone else's.
    const std::string file = vs::test::readFile(prefs().file());
    EXPECT_NE(file.find("ColorLedUnlit5"), std::string::npos);
    EXPECT_EQ(file.find("ColorLedUnLit5"), std::string::npos);
    EXPECT_EQ(prefs().get("Opciones", "ColorLedUnLit5", ""), "32896");
    EXPECT_EQ(prefs().get("Opciones", "ColorLedUnLit1", ""), "32896");
    EXPECT_EQ(prefs().get("Opciones", "Puerto Hex", ""), "278");
    EXPECT_EQ(prefs().get("Opciones", "Salida Puerto", ""), "Invers");
    EXPECT_EQ(estado.PuertoLed, 0x278);
    EXPECT_EQ(estado.SalidaPuerto, "Invers");
}

TEST_F(OptionsDialog, TheFirstSwitchOnWarnsAndNoLeavesTheGlassesOff) {
    auto d = open();
    messages.answers = {false};
    click(*d, "chkGafasMentales");
    EXPECT_FALSE(child<QCheckBox>(*d, "chkGafasMentales")->isChecked());
    EXPECT_FALSE(estado.GafasMentales);
    EXPECT_EQ(prefs().get("Opciones", "Gafas Mentales", "none"), "none");
    EXPECT_FALSE(child<QPushButton>(*d, "cmdTest")->isEnabled());

    messages.answers = {true};
    click(*d, "chkGafasMentales");
    EXPECT_TRUE(estado.GafasMentales);
    EXPECT_TRUE(child<QPushButton>(*d, "cmdTest")->isEnabled());
    click(*d, "chkGafasMentales");
    click(*d, "chkGafasMentales"); // on again: not asked a third time
    EXPECT_EQ(messages.count(RecordingMessageService::Entry::Question), 2);
    EXPECT_EQ(prefs().get("Opciones", "Gafas Mentales", ""), "1");
    d.reset();
    // Opening with the glasses stored on asks nothing either.
    vs::Preferences::instance().save("Opciones", "Aviso Fotosensibilidad", "0");
    auto again = open();
    EXPECT_TRUE(child<QCheckBox>(*again, "chkGafasMentales")->isChecked());
    EXPECT_EQ(messages.count(RecordingMessageService::Entry::Question), 2);
}

TEST_F(OptionsDialog, DisplayAndPlaylistBoxesAreStoredAtEachClick) {
    auto d = open();
    auto* lineas = child<QCheckBox>(*d, "chkVerLineasGrid");
    EXPECT_TRUE(lineas->isChecked());
    click(*d, "chkVerLineasGrid");
    EXPECT_EQ(prefs().get("Opciones", "Ver Lineas Grid", ""), "0");
    EXPECT_TRUE(child<QWidget>(*d, "Linea1")->isHidden());
    click(*d, "chkVerTextoFrecuencias");
    EXPECT_EQ(prefs().get("Opciones", "Ver Texto Frecuencias", ""), "0");
    EXPECT_TRUE(child<QWidget>(*d, "lblTexto")->isHidden());
    click(*d, "chkTocarCiclico");
    click(*d, "chkTocarTodasCanciones");
    EXPECT_EQ(prefs().get("Opciones", "Tocar Ciclico", ""), "0");
    EXPECT_EQ(prefs().get("Opciones", "Tocar Todas Canciones", ""), "1");
}

TEST_F(OptionsDialog, TheSoundTabStoresEachChoiceAsItChanges) {
    prefs().save("Opciones", "Dispositivo Audio", "Auriculares viejos");
    int cambios = 0;
    OptionsContext c{model, nullptr, estado, port, principal, messages, {}};
    c.buscarSalidas = [] { return std::vector<std::string>{"Altavoces HDMI"}; };
    c.onSonidoCambiado = [&] { ++cambios; };
    frmOpciones d(c);
    auto* pulso = child<QComboBox>(d, "cmbTipoPulso");
    auto* ruido = child<QComboBox>(d, "cmbColorRuido");
    auto* salida = child<QComboBox>(d, "cmbSalidaAudio");
    auto* intercambiar = child<QCheckBox>(d, "chkIntercambiarCanales");
    const auto items = [](QComboBox* b) {
        QStringList t;
        for (int i = 0; i < b->count(); ++i)
            t << b->itemText(i);
        return t;
    };
    EXPECT_EQ(items(pulso), (QStringList{"Binaural (auriculares)", "Monoaural", "Isocrónico"}));
    EXPECT_EQ(items(ruido), (QStringList{"Original", "Rosa", "Marrón"}));
    // A stored device that is not there stays chosen, marked.
    EXPECT_EQ(items(salida), (QStringList{"Predeterminada del sistema", "Altavoces HDMI",
                                          "Auriculares viejos (no conectada)"}));
    EXPECT_EQ(salida->currentIndex(), 2);
    EXPECT_EQ(pulso->currentIndex(), 0);
    for (QWidget* w : std::initializer_list<QWidget*>{pulso, ruido, salida, intercambiar})
        EXPECT_FALSE(w->toolTip().isEmpty()) << w->objectName().toStdString();

    pulso->setCurrentIndex(2);
    ruido->setCurrentIndex(2);
    EXPECT_EQ(prefs().get("Opciones", "Tipo Pulso", ""), "2");
    EXPECT_EQ(prefs().get("Opciones", "Color Ruido", ""), "Marrón");
    EXPECT_EQ(cambios, 0); // read at the next Play
    intercambiar->click();
    EXPECT_EQ(prefs().get("Opciones", "Intercambiar Canales", ""), "1");
    salida->setCurrentIndex(1);
    EXPECT_EQ(prefs().get("Opciones", "Dispositivo Audio", "?"), "Altavoces HDMI");
    salida->setCurrentIndex(0);
    EXPECT_EQ(prefs().get("Opciones", "Dispositivo Audio", "?"), "");
    EXPECT_EQ(cambios, 3); // the engine follows these at once
    EXPECT_EQ(messages.entries.size(), 0u);
}
