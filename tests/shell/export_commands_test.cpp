// SPDX-License-Identifier: GPL-3.0-or-later
// The export commands of the session menu driven as a user would: the save
// dialog and its proposed name, the progress dialog and its "Cancelar", the
// report window, and the Spanish reason when nothing could be written.
#include "../playback/player_fakes.h"
#include "../audio/tone_analysis.h"
#include "audio/engine.h"
#include "audio/light_signal.h"
#include "glasses/export_lights.h"
#include "export_commands.h"
#include "recording_messages.h"
#include "scripted_dialogs.h"
#include "session/session_model.h"
#include "temp_dir.h"
#include "verification_window.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>
#include <sndfile.h>

#include <filesystem>
#include <future>

using namespace vs;
using namespace vs::shell;
using Entry = RecordingMessageService::Entry;

namespace {

struct ExportMenu : ::testing::Test {
    test::TempDir dir;
    QWidget window;
    QMenu menu;
    session::SessionModel model;
    test::FakeView view;
    ScriptedFileDialogs dialogs;
    RecordingMessageService messages;
    std::string name = "Relajación.vso";
    std::unique_ptr<ExportCommands> commands;

    // The worker waits at its start (where it makes the render's music) until
    // the test opens the gate, so the test sees the job running whatever the
    // machine's speed.
    std::promise<void> gate;
    std::shared_future<void> opened = gate.get_future().share();
    bool gateOpen = false;

    void SetUp() override {
        model.SesionNueva();
        model.setMinutos(0);
        model.setSegundos(12);
        menu.addAction(QStringLiteral("&Nueva"));
        commands = std::make_unique<ExportCommands>(ExportContext{
            &window, &menu, &model, [this] { return name; }, &view, &dialogs, &messages, {}, {}});
    }
    void TearDown() override {
        openGate();
        commands.reset();
    }
    void useGate() {
        view.musica = true;
        commands.reset();
        commands = std::make_unique<ExportCommands>(
            ExportContext{&window,
                          &menu,
                          &model,
                          [this] { return name; },
                          &view,
                          &dialogs,
                          &messages,
                          [this] {
                              return links::MusicLinkFactory(
                                  [this](audio::Engine&,
                                         links::RenderNotes&) -> std::unique_ptr<links::MusicLink> {
                                      opened.wait();
                                      return std::make_unique<test::FakeMusic>();
                                  });
                          },
                          {}});
    }
    void openGate() {
        if (!gateOpen) gate.set_value();
        gateOpen = true;
    }
    // The window's event loop while the job runs (it has a generous limit:
    // the machine is shared).
    bool waitForEnd() {
        QElapsedTimer t;
        t.start();
        while (commands->running() && t.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        return !commands->running();
    }
    std::size_t files() {
        return std::size_t(std::distance(std::filesystem::directory_iterator(dir.path()), {}));
    }
};

} // namespace

TEST_F(ExportMenu, TheCommandsCloseTheSessionMenu) {
    const auto actions = menu.actions();
    ASSERT_GE(actions.size(), 3);
    EXPECT_EQ(actions[actions.size() - 2]->text(), QStringLiteral("E&xportar a audio..."));
    EXPECT_EQ(actions.back()->text(), QStringLiteral("&Informe de verificación"));
    EXPECT_EQ(ExportCommands::proposedFileName("Relajación.vso"), "Relajación.wav");
    EXPECT_EQ(ExportCommands::proposedFileName("Sesión nueva"), "Sesión nueva.wav");
    EXPECT_EQ(ExportCommands::proposedFileName("a/b:c.vso"), "a_b_c.wav");
}

TEST_F(ExportMenu, AnExportEndsInTheReportWindow) {
    useGate();
    dialogs.answer = dir.file("salida"); // no extension: WAV
    commands->exportAction()->trigger();
    ASSERT_EQ(dialogs.suggested, std::vector<std::string>{"Relajación.wav"});
    ASSERT_EQ(dialogs.filters.size(), 4u);
    EXPECT_EQ(dialogs.filters[1].patterns, std::vector<std::string>{"*.flac"});
    ASSERT_TRUE(commands->running());
    QProgressDialog* p = commands->progressDialog();
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->isVisible());
    EXPECT_TRUE(p->labelText().startsWith(QStringLiteral("Exportando «Relajación»")));
    openGate();
    ASSERT_TRUE(waitForEnd());
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_TRUE(std::filesystem::exists(dir.file("salida.wav")));
    EXPECT_EQ(files(), 1u);
    ASSERT_NE(commands->reportWindow(), nullptr);
    EXPECT_TRUE(commands->reportWindow()->isVisible());
    EXPECT_TRUE(commands->reportWindow()->verdictText().startsWith(QStringLiteral("Correcto")))
        << commands->reportWindow()->verdictText().toStdString();
    EXPECT_TRUE(commands->reportWindow()->figuresText().contains(QStringLiteral("de 12")));
}

TEST_F(ExportMenu, CancelStopsTheExportAndLeavesNoFile) {
    useGate();
    dialogs.answer = dir.file("larga.flac");
    commands->exportAction()->trigger();
    ASSERT_TRUE(commands->running());
    auto* cancel = commands->progressDialog()->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), QStringLiteral("Cancelar"));
    cancel->click();
    openGate();
    ASSERT_TRUE(waitForEnd());
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].kind, Entry::Information);
    EXPECT_NE(messages.entries[0].text.find("cancelada"), std::string::npos);
    EXPECT_EQ(files(), 0u);
    EXPECT_EQ(commands->reportWindow(), nullptr);
}

TEST_F(ExportMenu, AFailureSaysWhyAndShowsNoReport) {
    dialogs.answers = {dir.file("no/existe/x.wav"), dir.file("x.aiff"), ""};
    commands->exportToAudio();
    ASSERT_TRUE(waitForEnd());
    commands->exportToAudio(); // unknown format: refused before any work
    EXPECT_FALSE(commands->running());
    commands->exportToAudio(); // the dialog cancelled: nothing at all
    EXPECT_FALSE(commands->running());
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.entries[0].kind, Entry::Critical);
    EXPECT_NE(messages.entries[0].text.find("la carpeta no existe"), std::string::npos);
    EXPECT_NE(messages.entries[1].text.find("Formato desconocido"), std::string::npos);
    EXPECT_EQ(commands->reportWindow(), nullptr);

    view.binaural = false; // nothing ticked
    dialogs.answers = {dir.file("y.wav")};
    commands->exportToAudio();
    ASSERT_TRUE(waitForEnd());
    ASSERT_EQ(messages.entries.size(), 3u);
    EXPECT_NE(messages.entries[2].text.find("ninguna fuente"), std::string::npos);
    EXPECT_EQ(files(), 0u);
}

TEST_F(ExportMenu, TheReportAloneWritesNothing) {
    useGate();
    view.mascara = true;
    commands->reportAction()->trigger();
    EXPECT_EQ(dialogs.asked, 0);
    ASSERT_TRUE(commands->running());
    EXPECT_TRUE(commands->progressDialog()->labelText().startsWith(QStringLiteral("Comprobando")));
    openGate();
    ASSERT_TRUE(waitForEnd());
    ASSERT_NE(commands->reportWindow(), nullptr);
    EXPECT_TRUE(commands->reportWindow()->verdictText().startsWith(QStringLiteral("Correcto")));
    EXPECT_EQ(files(), 0u);
}

TEST_F(ExportMenu, TheLightsAreAskedForWhileCarriedInTheSoundAndGoIntoTheFileWhenWanted) {
    commands.reset();
    commands =
        std::make_unique<ExportCommands>(ExportContext{&window,
                                                       &menu,
                                                       &model,
                                                       [this] { return name; },
                                                       &view,
                                                       &dialogs,
                                                       &messages,
                                                       {},
                                                       [] { return glasses::exportLights(); }});
    for (const bool yes : {true, false}) {
        messages.entries.clear();
        messages.answers = {yes};
        dialogs.answer = dir.file(yes ? "luz.wav" : "sin_luz.wav");
        commands->exportAction()->trigger();
        ASSERT_TRUE(waitForEnd());
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.entries[0].kind, Entry::Question);
        EXPECT_EQ(messages.entries[0].text, ExportCommands::kLightQuestion);
        EXPECT_TRUE(commands->reportWindow()->verdictText().startsWith(QStringLiteral("Correcto")));
    }
    // The carrier over the second from 2 s to 3 s, when the steps are running.
    auto carrier = [this](const std::string& file, int channel) {
        SF_INFO info{};
        SNDFILE* f = sf_open(dir.file(file).c_str(), SFM_READ, &info);
        std::vector<float> x(std::size_t(info.frames) * 2);
        if (f) sf_readf_float(f, x.data(), info.frames);
        if (f) sf_close(f);
        const auto c = test::channelOf(x, channel);
        const std::vector<float> second(c.begin() + 2 * 44100, c.begin() + 3 * 44100);
        return test::fitSine(second, audio::LightSignal::kCarrierHz, 44100).amplitude;
    };
    const double one = audio::LightSignal::amplitudeFor(1);
    EXPECT_GT(carrier("luz.wav", 0) + carrier("luz.wav", 1), one * 0.5);
    EXPECT_LT(carrier("sin_luz.wav", 0) + carrier("sin_luz.wav", 1), one * 1e-3);
}
