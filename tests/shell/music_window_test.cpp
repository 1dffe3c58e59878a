// SPDX-License-Identifier: GPL-3.0-or-later
// The playlist in the main window: the first run's list, the "&Música" menu,
// adding songs and CD tracks, the slider and the mixer, background music
// during a session and the exit; and the shipped songs on the real devices.
#include "audio/bass.h"
#include "audio/engine.h"
#include "audio/mci.h"
#include "audio/volume.h"
#include "base/paths.h"
#include "base/preferences.h"
#include "glasses/led_port.h"
#include "glasses/state.h"
#include "library/music_grid.h"
#include "library/music_library.h"
#include "library/music_player.h"
#include "library/song.h"
#include "playback/audio_session.h"
#include "playback/session_player.h"
#include "playback/session_render.h"
#include "playback/tone_waves.h"
#include "session/session_model.h"
#include "../audio/tone_analysis.h"
#include "shell/main_window.h"

#include "recording_desktop.h"
#include "recording_led_port.h"
#include "recording_messages.h"
#include "recording_mixer.h"
#include "scripted_dialogs.h"
#include "scripted_music_devices.h"
#include "temp_dir.h"

#include "controls/boton_gradiente.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QLabel>
#include <QCheckBox>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using vs::audio::MixerLine;
using vs::shell::FrmSomnara;

namespace {

// Made anew for each use of the menu item; what it was offered outlives it.
struct ScriptedCdChooser : vs::library::CdTrackChooser {
    std::vector<vs::library::CdTrackChoice>& offered;
    explicit ScriptedCdChooser(std::vector<vs::library::CdTrackChoice>& o) : offered(o) {}
    std::vector<std::string> choose(const std::vector<vs::library::CdTrackChoice>& t) override {
        offered = t;
        return {t.back().path};
    }
};

struct MusicWindowTest : ::testing::Test {
    vs::test::TempDir dir;
    vs::RecordingMessageService recorder;
    vs::ScriptedFileDialogs dialogs;
    vs::glasses::RecordingLedPort port;
    vs::RecordingDesktopService desktop;
    vs::audio::RecordingMixerBackend* mixer = nullptr;    // owned by the window's clsVolume
    vs::library::ScriptedMusicDevices* devices = nullptr; // owned by the window
    std::vector<vs::library::CdTrackChoice> offered;      // by the last CD track dialog

    void SetUp() override {
        dir.becomeProgramFolders();
        vs::glasses::setLedPort(&port);
    }
    void TearDown() override {
        vs::setMessageService(nullptr);
        vs::setFileDialogService(nullptr);
        vs::glasses::setLedPort(nullptr);
        vs::clearFolderOverrides();
    }
    // What every window of these tests is given: no modal dialog, the recorder.
    vs::shell::Dependencies quietDependencies() {
        vs::shell::Dependencies deps;
        deps.runOptions = [](const vs::options::OptionsContext&, QWidget*) {};
        deps.messages = &recorder;
        deps.dialogs = &dialogs;
        deps.desktop = &desktop;
        deps.runModal = [](QDialog&) {};
        return deps;
    }
    std::unique_ptr<FrmSomnara>
    open(std::function<void(vs::library::ScriptedMusicDevices&)> script = {}) {
        vs::shell::Dependencies deps = quietDependencies();
        deps.makeVolume = [this] {
            auto rec = std::make_unique<vs::audio::RecordingMixerBackend>();
            rec->levels.fill(50000);
            mixer = rec.get();
            return std::make_unique<vs::audio::clsVolume>(std::move(rec), nullptr);
        };
        deps.music.makeDevices = [this, script] {
            auto d = std::make_unique<vs::library::ScriptedMusicDevices>();
            devices = d.get();
            if (script) script(*d);
            return d;
        };
        deps.music.makeCdChooser = [this](QWidget*) {
            return std::make_unique<ScriptedCdChooser>(offered);
        };
        return std::make_unique<FrmSomnara>(nullptr, deps);
    }
    std::string song(const std::string& name, int seconds) {
        const std::string path = dir.file(name);
        vs::test::writeFile(path, "x");
        pending[path] = seconds;
        return path;
    }
    // Songs made before the window exists, handed to its devices.
    std::map<std::string, int> pending;
    std::function<void(vs::library::ScriptedMusicDevices&)> streams() {
        return [this](vs::library::ScriptedMusicDevices& d) {
            for (const auto& [path, s] : pending)
                d.streamFiles[path] = {std::uint64_t(s) * 44100 * 4, 44100, 0, true};
        };
    }
    static QString cell(const FrmSomnara& w, int row, int column) {
        return w.ui().FlexMusica->item(row - 1, column)->text();
    }
};

namespace fs = std::filesystem;

const char* const kSongs[] = {"Amanecer.mid", "Bosque.mid", "Marea.mid", "Nubes.mid"};

// Sets an environment variable for the life of the object.
struct ScopedEnv {
    std::string name, before;
    bool had;
    ScopedEnv(const char* n, const std::string& value) : name(n) {
        const char* b = std::getenv(n);
        had = b != nullptr;
        if (had) before = b;
        setenv(n, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (had)
            setenv(name.c_str(), before.c_str(), 1);
        else
            unsetenv(name.c_str());
    }
};

// Float stereo samples of the capture from frame `from` on.
std::vector<float> captured(const std::string& path, std::size_t from) {
    std::ifstream in(path, std::ios::binary);
    std::vector<float> all;
    float buf[4096];
    while (in.read(reinterpret_cast<char*>(buf), sizeof buf) || in.gcount() > 0)
        all.insert(all.end(), buf, buf + in.gcount() / std::streamsize(sizeof(float)));
    if (all.size() <= 2 * from) return {};
    return {all.begin() + std::ptrdiff_t(2 * from), all.end()};
}

double loudest(const std::vector<float>& x) {
    double m = 0;
    for (float v : x)
        m = std::max(m, double(std::fabs(v)));
    return m;
}

// The four songs the program ships with, on a first run with the real music
// devices and the real SDL output (its "disk" driver, which writes what it
// plays to a file); only the system mixer is recorded, the music lines are
// the engine's own gains.
struct ShippedMusicTest : MusicWindowTest {
    std::string capture;

    void SetUp() override {
        MusicWindowTest::SetUp();
        fs::create_directories(dir.file("data"));
        for (const char* f : kSongs)
            fs::copy_file(fs::path(VS_SHIPPED_DATA_DIR) / f, dir.file(std::string("data/") + f));
        capture = dir.file("salida.raw");
    }
    std::unique_ptr<FrmSomnara> openReal() {
        vs::shell::Dependencies deps = quietDependencies();
        deps.makeVolume = [] {
            auto sys = std::make_unique<vs::audio::RecordingMixerBackend>();
            sys->present = {true, false, false, false};
            sys->levels[std::size_t(MixerLine::Master)] = 48000;
            return std::make_unique<vs::audio::clsVolume>(
                std::move(sys), vs::audio::makeEngineMixer(vs::audio::processEngine()));
        };
        ScopedEnv driver("SDL_AUDIODRIVER", "disk");
        ScopedEnv file("SDL_DISKAUDIOFILE", capture);
        return std::make_unique<FrmSomnara>(nullptr, deps);
    }
    // The window's own sequencer, on the program's engine.
    static std::string mode(FrmSomnara& w) { return w.music().player()->modoMidi(); }
};

} // namespace

TEST_F(MusicWindowTest, FirstRunListsTheShippedMidiFilesAndChoosesTheFirst) {
    for (const char* f : {"Amanecer.mid", "Bosque.mid", "Marea.mid", "Nubes.mid"})
        vs::test::writeFile(dir.file(std::string("data/") + f), "MThd");
    auto w = open();
    EXPECT_TRUE(w->startup().failedSteps().empty());
    const auto* grid = w->ui().FlexMusica;
    ASSERT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(cell(*w, 1, 1), "Amanecer.mid");
    EXPECT_EQ(cell(*w, 1, 2), "04:45");
    EXPECT_EQ(cell(*w, 2, 2), "04:08");
    EXPECT_EQ(cell(*w, 3, 2), "02:57");
    EXPECT_EQ(cell(*w, 4, 1), "Nubes.mid");
    EXPECT_EQ(cell(*w, 4, 2), "05:14");
    EXPECT_TRUE(grid->isColumnHidden(0));
    EXPECT_EQ(w->music().library()->currentRow(), 1);
    EXPECT_EQ(w->music().library()->cancion().kind, "mid");
    // The slider came from the synthesizer line: 50000 of 65535.
    EXPECT_EQ(w->ui().scrollVolumenMusica->value(), 76);
    EXPECT_EQ(w->ui().lblVolumenMusica->text(), "7.6");
    EXPECT_TRUE(w->music().timerVolumenExterno()->isActive());
    EXPECT_EQ(w->music().timerVolumenExterno()->interval(), 750);
    EXPECT_TRUE(recorder.entries.empty());
}

TEST_F(MusicWindowTest, AnEmptyListLeavesTheMixerAloneAtStartUp) {
    auto w = open();
    EXPECT_EQ(w->ui().FlexMusica->rowCount(), 0);
    EXPECT_TRUE(mixer->writes.empty());
    // From now on the slider drives the wave line (no song chosen yet).
    w->ui().scrollVolumenMusica->setValue(50);
    ASSERT_FALSE(mixer->writes.empty());
    EXPECT_EQ(mixer->writes.back(), std::pair(MixerLine::Wave, 32768));
}

TEST_F(MusicWindowTest, TheMusicMenuAddsSongsAndCdTracksAndRemovesThem) {
    const std::string a = song("a.mp3", 75);
    auto w = open([this](auto& d) {
        streams()(d);
        d.drives = {"/dev/sr0"};
        d.discs["/dev/sr0"] = {{1, 61'000}, {2, 90'000}};
    });
    auto* menu = w->ui().mnuMusica;
    ASSERT_NE(menu, nullptr);
    QStringList captions;
    for (QAction* act : menu->actions())
        captions << act->text();
    EXPECT_EQ(captions,
              (QStringList{"&Añadir Canción...", "Añadir pista de CD...", "&Eliminar Canción"}));

    dialogs.answers = {a};
    w->ui().mnuMusicaAnadir->trigger();
    ASSERT_EQ(w->ui().FlexMusica->rowCount(), 1);
    EXPECT_EQ(cell(*w, 1, 1), "a.mp3");
    EXPECT_EQ(cell(*w, 1, 2), "01:15");
    EXPECT_EQ(vs::Preferences::instance().get("Preferencias", "InitDir", ""), dir.path());

    w->ui().mnuMusicaAnadirPistaCd->trigger();
    EXPECT_EQ(offered.size(), 2u);
    ASSERT_EQ(w->ui().FlexMusica->rowCount(), 2);
    EXPECT_EQ(cell(*w, 2, 0), "/dev/sr0/Track02.cda");
    EXPECT_EQ(cell(*w, 2, 2), "01:30");

    // A press on a row chooses it; a right-button release shows the menu there.
    auto* grid = w->ui().FlexMusica;
    w->show();
    const QRect first = grid->visualItemRect(grid->item(0, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(w->music().library()->currentRow(), 1);
    EXPECT_EQ(w->music().library()->cancion().kind, "mp3");
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, first.center());
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualItemRect(grid->item(1, 1)).center());
    EXPECT_EQ(w->music().library()->currentRow(), 2);

    recorder.answers = {true};
    w->ui().mnuMusicaEliminar->trigger();
    EXPECT_EQ(w->ui().FlexMusica->rowCount(), 1);
    EXPECT_TRUE(recorder.saw("Eliminar: Track02.cda?"));
}

TEST_F(MusicWindowTest, MusicFilesDroppedOnThePlaylistJoinItAsTheMenuAddsThem) {
    const std::string a = song("a.mp3", 75);
    const std::string broken = dir.file("rota.ogg"); // no stream opens it
    vs::test::writeFile(broken, "x");
    const std::string notes = dir.file("notas.txt");
    vs::test::writeFile(notes, "x");
    auto w = open(streams());
    QWidget* target = w->ui().FlexMusica->viewport();
    auto dragOf = [](const std::vector<std::string>& paths) {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const std::string& p : paths)
            urls << QUrl::fromLocalFile(QString::fromStdString(p));
        data->setUrls(urls);
        return data;
    };
    for (const auto& [paths, taken] :
         {std::pair{std::vector{notes}, false}, std::pair{std::vector{notes, a}, true}}) {
        std::unique_ptr<QMimeData> data(dragOf(paths));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        EXPECT_EQ(enter.isAccepted(), taken) << paths.size();
    }
    std::unique_ptr<QMimeData> data(dragOf({notes, a, broken}));
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
    ASSERT_EQ(w->ui().FlexMusica->rowCount(), 1);
    EXPECT_EQ(cell(*w, 1, 1), "a.mp3");
    EXPECT_EQ(cell(*w, 1, 2), "01:15");
    EXPECT_TRUE(recorder.saw("No se puede abrir el fichero"));
}

TEST_F(MusicWindowTest, ASessionPlaysTheMusicAndTheExitSavesAndClosesIt) {
    const std::string a = song("a.mp3", 75), b = song("b.ogg", 30);
    auto w = open(streams());
    for (const std::string& p : {a, b}) {
        dialogs.answers = {p};
        w->ui().mnuMusicaAnadir->trigger();
    }
    w->music().library()->pulsar(1);
    QTest::mouseClick(w->ui().cmdPlay, Qt::LeftButton);
    ASSERT_TRUE(w->player()->playing());
    const vs::audio::StreamId first = devices->streamOf(a);
    ASSERT_TRUE(first);
    EXPECT_TRUE(devices->streams[first].active);
    EXPECT_FALSE(w->ui().FlexMusica->isEnabled());

    // The song plays out: the next tick moves on to the next one.
    devices->streams[first].active = false;
    w->player()->Tick();
    EXPECT_EQ(w->music().library()->currentRow(), 2);
    EXPECT_TRUE(devices->streams[devices->streamOf(b)].active);

    QTest::mouseClick(w->ui().cmdStop, Qt::LeftButton);
    EXPECT_FALSE(devices->streams[devices->streamOf(b)].active);
    EXPECT_TRUE(w->ui().FlexMusica->isEnabled());

    w->mnuArchivoSalir_Click();
    ASSERT_TRUE(w->ended());
    EXPECT_EQ(vs::test::readFile(dir.file("VsoMusica.dat")),
              "Velorin Somnara\r\n" + a + "\r\na.mp3\r\n01:15\r\n" + b + "\r\nb.ogg\r\n00:30\r\n");
    ASSERT_GE(devices->log.size(), 2u);
    EXPECT_EQ(devices->log[devices->log.size() - 2], "mci close all");
    EXPECT_EQ(devices->log.back(), "cdFree");
    EXPECT_FALSE(w->music().timerVolumenExterno()->isActive());
    EXPECT_TRUE(recorder.entries.empty());
}

TEST_F(MusicWindowTest, TheNextSongOutOfSightComesIntoViewAtTheTop) {
    std::vector<std::string> songs;
    for (int i = 0; i < 30; ++i)
        songs.push_back(song("s" + std::to_string(i) + ".mp3", 10 + i));
    auto w = open(streams());
    for (const std::string& p : songs) {
        dialogs.answers = {p};
        w->ui().mnuMusicaAnadir->trigger();
    }
    w->show();
    auto* grid = w->ui().FlexMusica;
    w->music().library()->pulsar(1);
    grid->scrollToTop();
    int lastVisible = 0; // 0-based: the last row wholly in view
    while (grid->viewport()->rect().contains(grid->visualItemRect(grid->item(lastVisible + 1, 1))))
        ++lastVisible;
    ASSERT_GT(lastVisible, 0);
    ASSERT_LT(lastVisible, 28);
    w->music().library()->setCurrentRow(lastVisible + 1); // 1-based: the last visible row
    w->music().SiguienteCancion();
    EXPECT_EQ(w->music().library()->currentRow(), lastVisible + 2);
    EXPECT_EQ(grid->rowAt(0), lastVisible + 1);
}

TEST_F(ShippedMusicTest, TheFirstRunListsThemAndASessionPlaysTheFirstOnTheSynthLine) {
    auto w = openReal();
    ASSERT_TRUE(w->audio().started());
    EXPECT_TRUE(w->startup().failedSteps().empty());
    const auto* grid = w->ui().FlexMusica;
    ASSERT_EQ(grid->rowCount(), 4);
    const char* const lengths[] = {"04:45", "04:08", "02:57", "05:14"};
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(cell(*w, r, 0).toStdString(), dir.file(std::string("data/") + kSongs[r - 1]));
        EXPECT_EQ(cell(*w, r, 1), kSongs[r - 1]);
        EXPECT_EQ(cell(*w, r, 2), lengths[r - 1]);
    }
    // Each listed length is what the sequencer measures in the file itself.
    for (int r = 1; r <= 4; ++r) {
        const std::string path = cell(*w, r, 0).toStdString();
        ASSERT_EQ(vs::audio::mciSendString("open " + path + " type sequencer alias midi1", nullptr),
                  0u);
        std::string ms;
        vs::audio::mciSendString("status midi1 length", &ms);
        vs::audio::mciSendString("close midi1", nullptr);
        EXPECT_EQ(vs::library::textoTiempo(vs::library::secondsOfMs(std::stod(ms))), lengths[r - 1])
            << kSongs[r - 1];
    }
    ASSERT_EQ(w->music().library()->cancion().kind, "mid");

    // Music alone, so whatever the device plays is the song.
    w->ui().chkBinaural->setChecked(false);
    w->ui().chkMascara->setChecked(false);
    w->ui().chkMusica->setChecked(true);
    w->ui().scrollVolumenMusica->setValue(80);
    EXPECT_NEAR(vs::audio::processEngine().lineGain(vs::audio::Line::Synth), 52428 / 65535.0, 1e-4);
    QTest::qWait(100);
    const std::size_t before = captured(capture, 0).size() / 2;
    EXPECT_LT(loudest(captured(capture, 0)), 1e-6);

    QTest::mouseClick(w->ui().cmdPlay, Qt::LeftButton);
    ASSERT_TRUE(w->player()->playing());
    EXPECT_EQ(w->music().library()->currentRow(), 1);
    EXPECT_EQ(mode(*w), "playing");
    EXPECT_EQ(cell(*w, 1, 2), "04:45"); // written again from the song just opened
    // The device plays in real time: wait (generously) for the song's first sound.
    double heard = 0;
    for (int i = 0; i < 200 && heard < 0.01; ++i) {
        QTest::qWait(50);
        heard = loudest(captured(capture, before));
    }
    EXPECT_GT(heard, 0.01);
    EXPECT_LE(heard, 1.0);
    EXPECT_FALSE(w->music().songEnded());

    QTest::mouseClick(w->ui().cmdStop, Qt::LeftButton);
    EXPECT_EQ(mode(*w), "stopped");
    w->mnuArchivoSalir_Click();
    EXPECT_TRUE(w->ended());
    EXPECT_TRUE(recorder.entries.empty());
}

TEST_F(MusicWindowTest, AnExportTakesACopyOfThePlaylistAsShownAndPlaysTheCurrentSong) {
    // Two real files (the program's own 1000 Hz and 1500 Hz tone waves), so
    // the render's own engine can play them.
    const std::string a = dir.file("a.wav"), b = dir.file("b.wav");
    vs::test::writeFile(a, vs::playback::waveFileBytes("OndaL", 1000));
    vs::test::writeFile(b, vs::playback::waveFileBytes("OndaL", 1500));
    pending[a] = 1;
    pending[b] = 1;
    auto w = open(streams());
    EXPECT_FALSE(w->music().exportMusic()) << "an empty list has nothing to play";
    for (const std::string& p : {a, b}) {
        dialogs.answers = {p};
        w->ui().mnuMusicaAnadir->trigger();
    }
    w->music().library()->pulsar(2);
    w->ui().chkMusica->setChecked(true);
    w->ui().scrollVolumenMusica->setValue(50);
    const vs::links::MusicLinkFactory music = w->music().exportMusic();
    ASSERT_TRUE(music);
    // The window's list changes after the export began: the export keeps its copy.
    w->music().library()->eliminar();
    w->music().library()->eliminar();

    vs::session::SessionModel model;
    model.SesionNueva();
    model.setMinutos(0);
    model.setSegundos(2);
    vs::playback::ExportOptions options;
    options.binaural = false;
    options.musica = true;
    options.ultimosSegundos = 0;
    struct Frames : vs::playback::FrameSink {
        std::vector<float> left;
        bool write(const float* x, int n) override {
            for (int i = 0; i < n; ++i)
                left.push_back(x[2 * i]);
            return true;
        }
    } out;
    vs::playback::SessionRenderer renderer(model, options, music);
    ASSERT_EQ(renderer.run(out).status, vs::playback::RenderStatus::Complete);
    const std::vector<float> first(out.left.begin() + 4410, out.left.begin() + 44100);
    EXPECT_NEAR(vs::test::toneFrequency(first, 44100), 1500, 2);
    EXPECT_NEAR(vs::test::peak(first), 0.5 * 32760 / 32768.0, 0.01);
    w->ui().chkMusica->setChecked(false);
    EXPECT_FALSE(w->music().exportMusic());
}
