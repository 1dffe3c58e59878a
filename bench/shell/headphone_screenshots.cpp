// SPDX-License-Identifier: GPL-3.0-or-later
// Documentation screenshots of "Comprobar auriculares...": the dialog asking
// for the right ear after the left was confirmed, and its verdict when both
// tones were heard on the wrong side. The tone goes nowhere.
//   xvfb-run -a build/bench/shell/headphone_screenshots docs/
#include "shell/headphone_dialog.h"

#include <QApplication>
#include <QTest>
#include <cstdio>

#include "screenshot_sandbox.h"

namespace {

struct Silent : vs::playback::EarTone {
    void sound(vs::playback::Ear) override {}
    void silence() override {}
};

bool save(QWidget& w, const QString& file) {
    vs::bench::pumpEvents(200);
    const bool saved = w.grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const vs::bench::ScreenshotSandbox sandbox(argc, argv);
    Silent tone;
    vs::shell::HeadphoneDialog d(tone, false, [](bool) {});
    d.show();
    if (!QTest::qWaitForWindowExposed(&d)) return 1;
    using Heard = vs::playback::HeadphoneCheck::Heard;
    d.answer(Heard::There);
    bool ok = save(d, sandbox.out + "/headphone-check.png");
    d.answer(Heard::OtherSide);
    d.check().start();
    d.answer(Heard::OtherSide);
    d.answer(Heard::OtherSide);
    ok = save(d, sandbox.out + "/headphone-check-verdict.png") && ok;
    return ok ? 0 : 1;
}
