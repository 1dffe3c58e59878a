// SPDX-License-Identifier: GPL-3.0-or-later
// What sounds otherwise than the window draws it is told in one line: each
// kind of point off the graph and each maximum outside the options' ranges;
// a session the window can draw has nothing to tell.
#include "session/drawing_check.h"
#include "session/session_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace vs::session;

TEST(DrawingNotes, EachThingOffTheGraphIsNamedInOneLine) {
    struct Case {
        std::function<void(SessionModel&)> change;
        std::string says; // empty: nothing to tell
    };
    const float right = kGraphWidth - kMarkerSize, bottom = kGraphHeight - kMarkerSize;
    const std::vector<Case> cases = {
        {[](SessionModel&) {}, ""},
        {[&](SessionModel& m) {
             m.Punto[2].Left = right;
             m.PuntoFR[1].Top = bottom;
         },
         ""},
        {[](SessionModel& m) {
             m.FrecBinauralMax = 14;
             m.FrecBaseMax = 1000;
         },
         ""},
        {[](SessionModel& m) { m.Punto[2].Left = -100; },
         "el punto 2 del pulso está antes del comienzo"},
        {[&](SessionModel& m) { m.PuntoFR[2].Left = right + 1; },
         "el punto 2 de la portadora está después del final"},
        {[](SessionModel& m) { m.Punto[1].Top = -1; },
         "el punto 1 del pulso está por encima del gráfico"},
        {[&](SessionModel& m) { m.Punto[1].Top = bottom + 1; }, "por debajo del gráfico"},
        {[](SessionModel& m) { m.Punto[1].Top = std::numeric_limits<float>::quiet_NaN(); },
         "el punto 1 del pulso está por encima del gráfico"},
        {[](SessionModel& m) { m.FrecBinauralMax = 1; },
         "el máximo del pulso (1 Hz) está fuera de los márgenes de las opciones (de 14 a 30 Hz)"},
        {[](SessionModel& m) { m.FrecBaseMax = 0; }, "el máximo de la portadora (0 Hz)"},
        {[](SessionModel& m) { m.FrecBaseMax = -500; }, "(-500 Hz)"},
        {[](SessionModel& m) { m.FrecBaseMax = 2147483647; }, "(2147483647 Hz)"},
        {[](SessionModel& m) {
             for (int i = 1; i <= 2; ++i)
                 m.Punto[i].Top = m.PuntoFR[i].Top = -1;
             m.FrecBinauralMax = 31;
         },
         "; 1 puntos más fuera del gráfico y el máximo del pulso (31 Hz)"},
    };
    for (const Case& c : cases) {
        SessionModel m;
        c.change(m);
        const std::vector<std::string> notes = drawingNotes(m);
        if (c.says.empty()) {
            EXPECT_TRUE(notes.empty()) << notes.front();
            continue;
        }
        ASSERT_EQ(notes.size(), 1u) << c.says;
        EXPECT_EQ(notes[0].find('\n'), std::string::npos);
        EXPECT_EQ(notes[0].rfind("La sesión no suena como la dibuja la ventana: ", 0), 0u);
        EXPECT_NE(notes[0].find(c.says), std::string::npos) << notes[0];
    }
}
