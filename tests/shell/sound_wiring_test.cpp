// SPDX-License-Identifier: GPL-3.0-or-later
// The window's sound wiring over a real engine: the headphone check's dialog
// and its exchange of the channels, a device that goes during a session, and
// the sound server's word at Play.
#include "shell/headphone_dialog.h"
#include "shell/sound_wiring.h"

#include "audio/engine.h"
#include "base/preferences.h"
#include "cranked_output.h"
#include "playback/playback_keys.h"
#include "playback/tone_waves.h"
#include "temp_dir.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include "recording_messages.h"
#include "scripted_output_check.h"

using namespace vs;
using vs::test::CrankedOutput;

namespace {

struct Wiring : ::testing::Test {
    test::TempDir dir;
    RecordingMessageService shown;
    QWidget window;
    QMenu menu;
    QAction* check = menu.addAction(QStringLiteral("Comprobar auriculares..."));
    audio::Engine engine;
    int stops = 0;
    std::function<void(QDialog&)> onDialog;

    void SetUp() override {
        dir.becomeProgramFolders();
        ASSERT_TRUE(playback::PrepararOndas(dir.path()));
        CrankedOutput::reset();
        audio::setOutputFactory([] { return std::make_unique<CrankedOutput>(); });
    }
    void TearDown() override {
        engine.close();
        audio::setOutputFactory(nullptr);
        CrankedOutput::reset();
    }
    std::unique_ptr<shell::SoundWiring> wiring(std::unique_ptr<audio::OutputCheck> server = {}) {
        return std::make_unique<shell::SoundWiring>(shell::SoundContext{
            &window, &engine, &shown, check, [] { return true; }, [this] { ++stops; },
            [this](QDialog& d) { onDialog(d); }, std::move(server)});
    }
    template <typename T> static T* child(QDialog& d, const char* name) {
        T* w = d.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
};

} // namespace

TEST_F(Wiring, TheHeadphoneCheckSaysWhatItHeardAndItsExchangeIsStoredAndHeard) {
    const auto w = wiring();
    bool ran = false;
    onDialog = [&](QDialog&) { ran = true; };
    check->trigger(); // no sound: said, and no dialog
    EXPECT_FALSE(ran);
    ASSERT_EQ(shown.entries.size(), 1u);
    shown.entries.clear();
    ASSERT_TRUE(engine.openOffline());
    onDialog = [&](QDialog& d) {
        ran = true;
        for (const char* answer : {"cmdOtroLado", "cmdOtroLado"})
            QTest::mouseClick(child<QAbstractButton>(d, answer), Qt::LeftButton);
        EXPECT_NE(child<QLabel>(d, "lblVeredicto")->text().indexOf("marque"), -1);
        EXPECT_FALSE(child<QAbstractButton>(d, "cmdAhi")->isEnabled());
        child<QCheckBox>(d, "chkIntercambiarCanales")->click();
        // Stored and heard at once; the check starts again from the left.
        EXPECT_TRUE(engine.swapChannels());
        EXPECT_EQ(Preferences::instance().get(playback::pref::IntercambiarCanales), "1");
        auto& h = static_cast<shell::HeadphoneDialog&>(d);
        EXPECT_EQ(h.check().ear(), playback::Ear::Left);
        EXPECT_TRUE(child<QAbstractButton>(d, "cmdAhi")->isEnabled());
        for (QAbstractButton* b : d.findChildren<QAbstractButton*>())
            EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
    };
    check->trigger();
    EXPECT_TRUE(ran);
    EXPECT_EQ(stops, 2); // the session stops first
    EXPECT_TRUE(shown.entries.empty());
}

TEST_F(Wiring, ADeviceGoneIsSaidOnceAndTheServersHandsFreeHeadsetAtPlay) {
    CrankedOutput::devices_ = {"Auriculares USB"};
    ASSERT_TRUE(engine.openDevice("Auriculares USB"));
    Preferences::instance().save(playback::pref::IntercambiarCanales, "1");
    audio::OutputFacts headset;
    headset.description = "Auricular BT";
    headset.channels = 1;
    headset.bluetooth = headset.handsFree = true;
    const auto w = wiring(std::make_unique<audio::ScriptedOutputCheck>(headset));
    w->start();
    EXPECT_TRUE(engine.swapChannels()); // as stored

    CrankedOutput::devices_.clear();
    w->watchDevice();
    w->watchDevice();
    ASSERT_EQ(shown.entries.size(), 1u);
    EXPECT_NE(shown.entries[0].text.find("«Auriculares USB»"), std::string::npos);
    EXPECT_EQ(engine.deviceName(), "");

    // On the default device the server's answer counts; it comes from a worker.
    shown.answers = {true};
    for (int i = 0; i < 500 && shown.entries.size() == 1; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        w->beforePlay();
    }
    ASSERT_EQ(shown.entries.size(), 2u);
    EXPECT_NE(shown.entries[1].text.find("manos libres"), std::string::npos);
    EXPECT_EQ(w->choice().pulse, playback::PulseType::Isochronic);
    w->beforePlay();
    EXPECT_EQ(shown.entries.size(), 2u);
}
