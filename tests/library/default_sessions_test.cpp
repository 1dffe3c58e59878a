// SPDX-License-Identifier: GPL-3.0-or-later
// The sessions shipped in data/: each must open cleanly in a new window's
// model and sound within comfortable ranges from start to end.
#include "session/session_file.h"
#include "session/session_model.h"

#include "recording_messages.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace vs::session {
namespace {

struct DefaultSession {
    const char* file;
    int minutos;
    const char* testName;
};

void PrintTo(const DefaultSession& s, std::ostream* os) {
    *os << s.file;
}

class DefaultSessionTest : public ::testing::TestWithParam<DefaultSession> {
protected:
    void SetUp() override {
        setMessageService(&messages_);
        shipped_ = vs::test::readFile(std::string(VS_SHIPPED_DATA_DIR) + "/" + GetParam().file);
        ASSERT_FALSE(shipped_.empty()) << "missing from data/";
        // The reader may save the file back, so it reads a copy.
        copy_ = dir_.file(GetParam().file);
        vs::test::writeFile(copy_, shipped_);
    }
    void TearDown() override { setMessageService(nullptr); }

    vs::test::TempDir dir_;
    RecordingMessageService messages_;
    std::string shipped_, copy_;
};

TEST_P(DefaultSessionTest, LoadsWithoutAMessageAndKeepsItsBytes) {
    SessionModel model;
    EXPECT_TRUE(LeerSesion(model, copy_));
    for (const auto& e : messages_.entries)
        ADD_FAILURE() << "message: " << e.text;
    EXPECT_EQ(model.minutos(), GetParam().minutos);
    EXPECT_EQ(model.segundos(), 0);
    // Whatever the reader wrote back is what was shipped.
    EXPECT_EQ(vs::test::readFile(copy_), shipped_);
}

TEST_P(DefaultSessionTest, StaysInComfortableRangesThroughout) {
    SessionModel model;
    ASSERT_TRUE(LeerSesion(model, copy_));
    ASSERT_EQ(model.lengthMs(), GetParam().minutos * 60000.0);
    for (double t = 0; t <= model.lengthMs(); t += 10000) {
        const double beat = model.binauralAt(t), base = model.baseAt(t);
        EXPECT_GE(beat, 0.5) << "at " << t / 1000 << " s";
        EXPECT_LE(beat, 15.0) << "at " << t / 1000 << " s";
        EXPECT_GE(base, 90.0) << "at " << t / 1000 << " s";
        EXPECT_LE(base, 260.0) << "at " << t / 1000 << " s";
    }
}

TEST_P(DefaultSessionTest, EverySegmentHasASequenceUnlikeItsNeighbour) {
    SessionModel model;
    ASSERT_TRUE(LeerSesion(model, copy_));
    int segments = 0;
    while (model.cellSequence(segments + 1) != 0)
        ++segments;
    // 5..12 beat points.
    EXPECT_GE(segments, 4);
    EXPECT_LE(segments, 11);
    for (int i = 2; i <= segments; ++i)
        EXPECT_NE(model.cellSequence(i), model.cellSequence(i - 1))
            << "segments " << i - 1 << " and " << i;
}

TEST_P(DefaultSessionTest, BuildCopiesItBesideTheProgram) {
    EXPECT_EQ(vs::test::readFile(std::string(VS_BUILD_DATA_DIR) + "/" + GetParam().file), shipped_);
}

INSTANTIATE_TEST_SUITE_P(Shipped, DefaultSessionTest,
                         ::testing::Values(DefaultSession{"Relajación.vso", 25, "Relajacion"},
                                           DefaultSession{"Sueño.vso", 30, "Sueno"},
                                           DefaultSession{"Meditación profunda.vso", 20,
                                                          "MeditacionProfunda"}),
                         [](const auto& info) { return std::string(info.param.testName); });

} // namespace
} // namespace vs::session
