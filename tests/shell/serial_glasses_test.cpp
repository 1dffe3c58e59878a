// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program driving a serial board, with a pseudo-terminal as the
// board and no stand-in for the port: the board is chosen in the real options
// dialog, the default session's steps arrive at its beat, the lights go out at
// Stop, and a board pulled out mid-session is reported once.
#include "audio/bass.h"
#include "audio/engine.h"
#include "audio/volume.h"
#include "base/paths.h"
#include "base/preferences.h"
#include "glasses/parallel_or_serial_port.h"
#include "glasses/led_sequencer.h"
#include "glasses/state.h"
#include "options/frm_opciones.h"
#include "playback/session_player.h"
#include "shell/main_window.h"

#include "pseudo_terminal.h"
#include "recording_messages.h"
#include "recording_mixer.h"
#include "temp_dir.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace std::chrono_literals;
using vs::test::PseudoTerminal;

namespace {

struct SerialGlassesTest : ::testing::Test {
    vs::test::TempDir dir;
    vs::RecordingMessageService recorder;
    PseudoTerminal board;

    void SetUp() override {
        ASSERT_TRUE(board.ok());
        dir.becomeProgramFolders();
        // The glasses were switched on (and the warning read) in an earlier run.
        vs::Preferences::instance().save("Opciones", "Gafas Mentales", "1");
    }
    void TearDown() override {
        vs::glasses::parallelOrSerialPort().useSerialDevice("");
        vs::setMessageService(nullptr);
        vs::setFileDialogService(nullptr);
        vs::clearFolderOverrides();
    }
    std::unique_ptr<vs::shell::FrmSomnara>
    open(std::function<void(const vs::options::OptionsContext&, QWidget*)> runOptions = {}) {
        vs::shell::Dependencies deps;
        deps.messages = &recorder;
        deps.makeVolume = [] {
            auto rec = std::make_unique<vs::audio::RecordingMixerBackend>();
            rec->levels.fill(50000);
            return std::make_unique<vs::audio::clsVolume>(std::move(rec), nullptr);
        };
        deps.runOptions = std::move(runOptions);
        deps.serialDevices = [this] { return std::vector<std::string>{board.slavePath()}; };
        return std::make_unique<vs::shell::FrmSomnara>(nullptr, deps);
    }
    // Lets the program run for `span`, collecting what reaches the board.
    std::vector<PseudoTerminal::Arrival> runFor(std::chrono::milliseconds span) {
        std::vector<PseudoTerminal::Arrival> got;
        const auto end = PseudoTerminal::Clock::now() + span;
        while (PseudoTerminal::Clock::now() < end) {
            QTest::qWait(5);
            const auto more = board.read();
            got.insert(got.end(), more.begin(), more.end());
        }
        return got;
    }
};

// The user's part in the dialog: the board from the list, the light in the
// sound ticked, "Aceptar".
void chooseTheBoard(const vs::options::OptionsContext& c, QWidget* owner, const std::string& path) {
    vs::options::frmOpciones dialog(c, owner);
    auto* ports = dialog.findChild<QComboBox*>("cmbPuertoParalelo");
    ASSERT_NE(ports, nullptr);
    EXPECT_EQ(ports->itemText(0), "378"); // the three addresses stay first
    const int at = ports->findText(QString::fromStdString(path));
    ASSERT_EQ(at, 3);
    ports->setCurrentIndex(at);
    dialog.findChild<QCheckBox*>("chkLuzEnAudio")->setChecked(true);
    dialog.findChild<QAbstractButton*>("cmdAceptar")->click();
}

} // namespace

TEST_F(SerialGlassesTest, TheChosenBoardGetsTheSessionsStepsAtItsBeatThenDarkAtStop) {
    auto w = open([this](const vs::options::OptionsContext& c, QWidget* owner) {
        chooseTheBoard(c, owner, board.slavePath());
    });
    // Without a board yet the glasses had no port: said once at start-up.
    EXPECT_EQ(recorder.entries.size(), 1u);
    recorder.entries.clear();
    w->ui().mnuArchivoOpciones->trigger();
    EXPECT_EQ(vs::Preferences::instance().get("Opciones", "Puerto Serie", "?"), board.slavePath());
    EXPECT_EQ(vs::Preferences::instance().get("Opciones", "Puerto Hex", "?"), "378");
    EXPECT_EQ(vs::Preferences::instance().get("Opciones", "Luz en Audio", "?"), "1");
    EXPECT_TRUE(vs::audio::processEngine().lightSignal());

    w->player()->Play();
    ASSERT_TRUE(w->player()->playing());
    auto steps = runFor(1500ms);
    // The default session opens on sequence 6 ("Flip Flop") at 7.21 Hz.
    EXPECT_EQ(w->sequencer()->state().SecuenciaActual, 6);
    EXPECT_NEAR(w->sequencer()->state().FrecuenciaLed, 7.21, 0.01);
    w->player()->Stop();
    const auto after = runFor(100ms);

    // Play darkens the lights before the first step, as the port would see.
    while (!steps.empty() && steps.front().byte == 0)
        steps.erase(steps.begin());
    ASSERT_GE(steps.size(), 6u) << "about eleven steps in 1.5 s";
    for (std::size_t i = 0; i < steps.size(); ++i)
        EXPECT_EQ(steps[i].byte, steps[0].byte == 15 ? (i % 2 ? 240 : 15) : (i % 2 ? 15 : 240))
            << i;
    std::vector<double> gaps;
    for (std::size_t i = 1; i < steps.size(); ++i)
        gaps.push_back(
            std::chrono::duration<double, std::milli>(steps[i].when - steps[i - 1].when).count());
    std::nth_element(gaps.begin(), gaps.begin() + long(gaps.size() / 2), gaps.end());
    const double period = 1000.0 / 7.21;
    // The median step: the beat's period, with room for a loaded machine.
    EXPECT_GT(gaps[gaps.size() / 2], 0.8 * period);
    EXPECT_LT(gaps[gaps.size() / 2], 1.5 * period);
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after.back().byte, 0);
    EXPECT_TRUE(recorder.entries.empty());
}

TEST_F(SerialGlassesTest, ABoardPulledOutMidSessionIsReportedOnceAndTheSessionGoesOn) {
    vs::Preferences::instance().save("Opciones", "Puerto Serie", board.slavePath());
    auto w = open();
    EXPECT_TRUE(recorder.entries.empty());
    w->player()->Play();
    EXPECT_FALSE(runFor(400ms).empty());
    board.closeMaster();
    runFor(1500ms); // long enough for a try at reopening too
    EXPECT_TRUE(w->player()->playing());
    ASSERT_EQ(recorder.count(vs::RecordingMessageService::Entry::Critical), 1);
    EXPECT_NE(recorder.entries[0].text.find("Se ha perdido la conexión con las gafas"),
              std::string::npos);
    w->player()->Stop();
    runFor(50ms);
    EXPECT_EQ(recorder.entries.size(), 1u);
}
