#include "base/preferences.h"
#include "base/services.h"
#include "main_window.h"
#include "session/session_model.h"
#include "temp_dir.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <gtest/gtest.h>

using vs::RecordingMessageService;
using vs::shell::FrmSomnara;

namespace {

struct MainWindowTest : ::testing::Test {
    vs::test::TempDir dir;
    RecordingMessageService recorder;
    void SetUp() override { dir.becomeProgramFolders(); }
    void TearDown() override { vs::setMessageService(nullptr); }
    // The window installs the real message service; tests put the recorder back.
    std::unique_ptr<FrmSomnara> open() {
        auto w = std::make_unique<FrmSomnara>();
        vs::setMessageService(&recorder);
        return w;
    }
};

}  // namespace

TEST_F(MainWindowTest, StartsWithTheDefaultsOnAnEmptyStore) {
    auto w = open();
    EXPECT_EQ(w->windowTitle(), "Velorin Somnara");
    EXPECT_TRUE(w->startup().failedSteps().empty());
    EXPECT_EQ(w->scrollVolumenMascara()->value(), 20);
    EXPECT_EQ(w->lblVolumenMascara()->text(), "2.0");
    EXPECT_EQ(w->scrollVolumenBinaural()->value(), 50);
    EXPECT_EQ(w->lblVolumenBinaural()->text(), "5.0");
    EXPECT_TRUE(w->chkBinaural()->isChecked());
    EXPECT_FALSE(w->chkMascara()->isChecked());
    EXPECT_TRUE(w->chkMusica()->isChecked());
    auto& m = w->model();
    EXPECT_EQ(m.minutos(), 1);
    EXPECT_EQ(m.segundos(), 0);
    EXPECT_EQ(m.NumPuntos, 2);
    EXPECT_FLOAT_EQ(m.Punto[2].Left, 6000);
    EXPECT_FLOAT_EQ(m.Punto[1].Top, 1087.5f);
    EXPECT_FLOAT_EQ(m.PuntoFR[1].Top, 1450);
    EXPECT_EQ(m.pG[1].Tag, "6");
    EXPECT_FALSE(m.SesionModificada);
}

TEST_F(MainWindowTest, MenusCarryTheirCaptions) {
    auto w = open();
    EXPECT_EQ(w->action("mnuArchivoSalir")->text(), "&Salir");
    EXPECT_EQ(w->action("mnuSesionGuardarSesionComo")->text(), "G&uardar Sesión como...");
    EXPECT_EQ(w->action("mnuMusicaAñadir")->text(), "&Añadir Canción...");
    EXPECT_EQ(w->action("mnuAyudaAcrecaDe")->text(), "A&cerca de...");
    QStringList menus;
    for (QAction* a : w->menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&Archivo", "&Sesión", "&Música", "A&yuda"}));
}

TEST_F(MainWindowTest, ExitWithAnUnchangedSessionAsksNothingAndStoresTheExitKeys) {
    auto w = open();
    w->scrollVolumenBinaural()->setValue(64);
    w->chkMascara()->setChecked(true);
    w->mnuArchivoSalir_Click();
    EXPECT_EQ(recorder.count(RecordingMessageService::Entry::Question), 0);
    auto& p = vs::Preferences::instance();
    EXPECT_EQ(p.get("Volumen", "Binaural", ""), "64");
    EXPECT_EQ(p.get("Volumen", "Mascara Activo", ""), "1");
    EXPECT_EQ(p.get("Opciones", "Frecuencia Binaural Maxima", ""), "15");
    EXPECT_EQ(p.get("Opciones", "Frecuencia Base Maxima", ""), "500");
    EXPECT_EQ(p.get("Opciones", "Setup", ""), "1");
    EXPECT_EQ(p.get("Grid", "Ancho Sesion", ""), "2580");
    EXPECT_NE(p.get("Ventana", "Posicion Left", "none"), "none");
}

TEST_F(MainWindowTest, ExitWithAModifiedSessionAsksOnceEvenWhenClosedAfterwards) {
    auto w = open();
    w->model().SesionModificada = true;
    w->mnuArchivoSalir_Click();
    w->close();  // closing after the exit command must not run the sequence again
    EXPECT_EQ(recorder.count(RecordingMessageService::Entry::Question), 1);
    EXPECT_TRUE(recorder.saw("Guardar modificaciones de: Sesión nueva?"));
    EXPECT_TRUE(w->ended());
    EXPECT_FALSE(w->model().SesionModificada);  // "No" clears it
}

TEST_F(MainWindowTest, ClosingTheWindowRunsTheExitCommand) {
    auto w = open();
    w->model().SesionModificada = true;
    w->show();
    w->close();
    EXPECT_EQ(recorder.count(RecordingMessageService::Entry::Question), 1);
    EXPECT_EQ(vs::Preferences::instance().get("Opciones", "Setup", ""), "1");
}

TEST_F(MainWindowTest, StoredVolumesAndSourcesComeBackAtTheNextStart) {
    {
        auto w = open();
        w->scrollVolumenMascara()->setValue(45);
        w->chkBinaural()->setChecked(false);
        w->mnuArchivoSalir_Click();
    }
    auto w = open();
    EXPECT_EQ(w->scrollVolumenMascara()->value(), 45);
    EXPECT_EQ(w->lblVolumenMascara()->text(), "4.5");
    EXPECT_FALSE(w->chkBinaural()->isChecked());
}
