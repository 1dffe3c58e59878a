// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the session file tests: the example session, a scripted random
// source and a recorder installed as the message service.
#include "scripted_random.h"
#include "session/session_file.h"

#include "base/services.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "recording_messages.h"

namespace vs::session::test {

// 25 minutes, B 15, F 500, three beat points, two base points, sequences 6 and 2.
inline const std::string kExampleFile = "Velorin Somnara\r\n 25 \r\n 0 \r\n 15 \r\n 500 \r\n 3 \r\n"
                                        " 0 \r\n 600 \r\n 2800 \r\n 900 \r\n 6000 \r\n 1200 \r\n"
                                        " 2 \r\n 0 \r\n 1450 \r\n 6000 \r\n 1450 \r\n6\r\n2\r\n";

inline SessionModel exampleSession() {
    SessionModel m;
    m.setMinutos(25);
    m.NumPuntos = 3;
    m.Punto[1] = {0, 600, true};
    m.Punto[2] = {2800, 900, true};
    m.Punto[3] = {6000, 1200, true};
    m.PuntoFR[1] = {0, 1450, true};
    m.PuntoFR[2] = {6000, 1450, true};
    m.setCellSequence(1, 6);
    m.setCellSequence(2, 2);
    m.relayCells();
    return m;
}

// The writer is pinned byte for byte elsewhere, so its text stands in for the
// stored values; cells and visibility are what it does not show.
inline void expectSameSession(const SessionModel& a, const SessionModel& b) {
    EXPECT_EQ(sessionText(a, '.'), sessionText(b, '.'));
    for (int i = 1; i <= kMaxPuntos; ++i) {
        EXPECT_EQ(a.Punto[i].Visible, b.Punto[i].Visible) << i;
        EXPECT_EQ(a.PuntoFR[i].Visible, b.PuntoFR[i].Visible) << i;
    }
    for (int i = 1; i <= kMaxCells; ++i) {
        const Cell &x = a.pG[i], &y = b.pG[i];
        EXPECT_EQ(x.Visible, y.Visible) << i;
        EXPECT_TRUE(!x.Visible || (x.Left == y.Left && x.Width == y.Width && x.Tag == y.Tag)) << i;
    }
}

class SessionFileTest : public ::testing::Test {
protected:
    void SetUp() override { setMessageService(&messages_); }
    void TearDown() override { setMessageService(nullptr); }

    vs::test::TempDir dir_;
    RecordingMessageService messages_;
    ScriptedRandom random_;
};

} // namespace vs::session::test
