// SPDX-License-Identifier: GPL-3.0-or-later
// The importers of other programs' schedules and the *.sbg writer: each
// construct of both formats, each rejection, the round trip of the shipped
// sessions and the simplification's bound.
#include "session/session_import.h"

#include "session/polyline.h"
#include "session/random_source.h"
#include "session/session_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace vs::session {
void PrintTo(const ImportRejection& r, std::ostream* os) {
    *os << r.line << ": " << r.reason;
}
} // namespace vs::session

namespace vs::session::test {
namespace {

using Points = std::vector<TimedValue>; // seconds, hertz

struct Expected {
    Expected(int s, Points b, Points f, std::optional<int> m = {}, std::string n = "",
             int bMax = 15, int fMax = 500)
        : seconds(s), beat(std::move(b)), base(std::move(f)), mask(m), notes(std::move(n)),
          binauralMax(bMax), baseMax(fMax) {}
    int seconds;
    Points beat, base;
    std::optional<int> mask;
    std::string notes;
    int binauralMax, baseMax;
};

struct Case {
    const char* name;
    std::string text;
    Expected want;
};

// Points within one graph unit of where they should be, in time and in hertz.
void expectSession(const ImportResult& result, const Expected& want, const char* name) {
    SCOPED_TRACE(name);
    const auto* got = std::get_if<ImportedSession>(&result);
    ASSERT_TRUE(got) << std::get<ImportRejection>(result).message();
    const SessionModel& m = got->model;
    EXPECT_EQ(m.lengthSeconds(), want.seconds);
    EXPECT_EQ(m.FrecBinauralMax, want.binauralMax);
    EXPECT_EQ(m.FrecBaseMax, want.baseMax);
    EXPECT_EQ(got->maskLevel, want.mask);
    EXPECT_EQ(got->notes, want.notes);
    const double unitTime = want.seconds / 6000.0;
    auto check = [&](const Curve& c, const Points& points, double unitHz, bool beat) {
        ASSERT_EQ(c.count(), int(points.size())) << (beat ? "beat" : "base");
        for (int i = 1; i <= c.count(); ++i) {
            const TimedValue& p = points[i - 1];
            EXPECT_NEAR(m.timeMs(c[i].Left) / 1000, p.t, unitTime) << i;
            EXPECT_NEAR(beat ? m.binauralHz(c[i].Top) : m.baseHz(c[i].Top), p.v, unitHz) << i;
        }
    };
    check(m.Punto, want.beat, m.binauralHz(0) - m.binauralHz(1), true);
    check(m.PuntoFR, want.base, m.baseHz(0) - m.baseHz(1), false);
    for (int i = 1; i < m.NumPuntos; ++i)
        EXPECT_EQ(m.cellSequence(i), 6) << i;
    EXPECT_TRUE(m.SesionModificada);
}

const std::vector<Case> kSbgCases = {
    {"NowAndRelativeTimesSlideWithArrows",
     "\xEF\xBB\xBF## a comment printed by the generator\n-SE\n\n"
     "a: 200+10/30  # alpha\r\nb: 150+4/30\n"
     "NOW == a ->\n+00:10:00 == b ->\n+00:20 == a\n",
     {1200, {{0, 10}, {600, 4}, {1200, 10}}, {{0, 195}, {600, 148}, {1200, 195}}}},
    {"WithoutArrowsAChangeTakesTheMinuteRoundIt",
     "a: 200+10/30\nb: 200+4/30\nNOW a\n+00:10:00 -- b\n+00:20:00 a\n",
     {1200,
      {{0, 10}, {570, 10}, {630, 4}, {1170, 4}, {1200, 10}},
      {{0, 195}, {570, 195}, {630, 198}, {1170, 198}, {1200, 195}}}},
    {"ShortTonesetsShortenTheChange",
     "a: 200+10/30\nb: 200+4/30\nNOW a\n+00:00:20 b\n+00:10:00 a\n",
     {600, {{0, 10}, {10, 10}, {50, 4}, {570, 4}, {600, 10}},
      {{0, 195}, {10, 195}, {50, 198}, {570, 198}, {600, 195}}}},
    {"NegativeBeatsPureTonesAndUnusedChannels",
     "a: - 300-8/30\nb: 200/40\nNOW a ->\n+00:05:00 b\n",
     {300, {{0, 8}, {300, 0}}, {{0, 296}, {300, 200}}}},
    {"ClockTimesRunPastMidnight",
     "off: -\nt0: 300+8/30\nt1: 250+4/30\n"
     "23:59:30 == off ->\n00:00 == t0 ->\n00:10 == t1 ->\n00:20 == off\n",
     {1230, {{0, 8}, {30, 8}, {630, 4}, {1230, 4}}, {{0, 296}, {30, 296}, {630, 248}, {1230, 248}},
      std::nullopt,
      "No se ha podido llevar a la sesión: los silencios (conjuntos de tonos sin voz binaural) "
      "(línea 4)."}},
    {"BlocksAreStampedAtTheirLinesTime",
     "a: 200+10/30\nb: 200+5/30\nburst: {\n +00:00 == a ->\n +00:05 == b ->\n}\n"
     "NOW burst\nNOW+00:10 burst\n+00:20 alloff\n",
     {1200, {{0, 10}, {300, 5}, {600, 10}, {900, 5}, {1200, 5}},
      {{0, 195}, {300, 197.5}, {600, 195}, {900, 197.5}, {1200, 197.5}}}},
    {"ClockPlusRelativeTimes",
     "a: 200+10/30\nb: 200+4/30\n12:00+00:00:20 == a ->\n12:00+00:10:20 == b\n",
     {600, {{0, 10}, {600, 4}}, {{0, 195}, {600, 198}}}},
    {"PinkNoiseIsTheMaskAtItsHighestLevel",
     "a: pink/20 200+10/30\nb: pink/40 200+4/30\nc: 200+4/30 pink/90\n"
     "NOW a ->\n+00:10:00 b ->\n+00:20:00 c\n",
     {1200, {{0, 10}, {600, 4}, {1200, 4}}, {{0, 195}, {600, 198}, {1200, 198}}, 40,
      "El ruido rosa cambia de nivel (de 20 a 40): se propone 40 para la máscara."}},
    {"WhatASessionCannotPlayIsListed",
     "-SE\n-m river.ogg -L 0:30\n"
     "x: square:200+10/30 100+2/10 300@10/20 white/5 mix/50 bell+800/10 spin:300+4/20\n"
     "y: 200+10/30 440~10/20 brown/3 triangle:mixspin:400+6.0/40 wave01:100+2/10\n"
     "wave01: 0 5.5 10 8\n"
     "NOW x ->\n+00:10:00 <> y\n+00:20:00 y\n",
     {1200, {{0, 10}, {1200, 10}}, {{0, 195}, {1200, 195}}, std::nullopt,
      "No se ha podido llevar a la sesión: la opción -m (línea 2); la opción -L (línea 2); las "
      "formas de "
      "onda que no son senoidales (línea 3); una segunda voz binaural (líneas 3 y 4); los tonos "
      "isócronos (@) (línea 3); ruido blanco (línea 3); la mezcla con un sonido de fondo (mix) "
      "(línea 3); las campanas (bell) (línea 3); ruido giratorio (spin) (línea 3); los tonos "
      "modulados (~) (línea 4); ruido marrón (línea 4); los efectos sobre la mezcla (mixspin, "
      "mixpulse, mixbeat, mixam) (línea 4); los fundidos a través del silencio (<, >) (línea 7)."}},
    {"LongerThanAnHourIsClipped",
     "a: 200+10/30\nb: 200+4/30\nNOW a ->\n+02:00:00 b\n",
     {3599, {{0, 10}, {3599, 10 - 6.0 * 3599 / 7200}}, {{0, 195}, {3599, 195 + 3.0 * 3599 / 7200}},
      std::nullopt, "La sesión duraba 2:00:00 y se ha recortado a 59:59."}},
    {"HighBeatsAndBasesWidenTheScale",
     "a: pink/250 800+20/30\nb: 700+12/30\nNOW a ->\n+00:10:00 b\n",
     {600, {{0, 20}, {600, 12}}, {{0, 790}, {600, 694}}, 100, "", 20, 790}},
    {"FrequenciesBeyondEveryScaleAreHeld",
     "a: 1200+40/30\nb: 100+4/30\nNOW a ->\n+00:10:00 b\n",
     {600, {{0, 30}, {600, 4}}, {{0, 1000}, {600, 550}}, std::nullopt,
      "Las frecuencias binaurales por encima de 30 Hz se han limitado a 30 Hz. Las frecuencias "
      "base por encima de 1000 Hz se han limitado a 1000 Hz. La escala base abarca 450 Hz: las "
      "frecuencias base por debajo de 550 Hz se han subido a 550 Hz.",
      30, 1000}},
};

TEST(SbgImport, EachConstructGivesItsCurves) {
    for (const Case& c : kSbgCases)
        expectSession(importSbg(c.text), c.want, c.name);
}

// Five blocks of ten lines, each naming the one before: 10^5 time lines.
std::string explodingBlocks() {
    std::string text = "a: 200+4/30\nb0: {\n+00:00 a\n}\n";
    for (int level = 1; level <= 5; ++level) {
        text += "b" + std::to_string(level) + ": {\n";
        for (int i = 0; i < 10; ++i)
            text += "+00:00 b" + std::to_string(level - 1) + "\n";
        text += "}\n";
    }
    return text + "NOW b5\n";
}

TEST(SbgImport, EachRejectionNamesItsLineAndWhy) {
    const std::pair<std::string, ImportRejection> cases[] = {
        {"x: 200+/30\n", {1, "voz no reconocida «200+/30»"}},
        {"x: 200+4\n", {1, "voz no reconocida «200+4»"}},
        {"x: cello:200+4/30\n", {1, "voz no reconocida «cello:200+4/30»"}},
        {"x: pink/abc\n", {1, "nivel no válido en «pink/abc»"}},
        {"a.b: 200+4/30\n", {1, "nombre no válido «a.b»"}},
        {"a: 200+4/30\na: 100+4/30\n", {2, "«a» ya está definido en la línea 1"}},
        {"# nothing\nNOW y\n", {2, "«y» no está definido"}},
        {"a: 200+4/30\n25:00 a\n", {2, "hora no válida «25:00»"}},
        {"a: 200+4/30\n+0:60 a\n", {2, "hora no válida «+0:60»"}},
        {"a: 200+4/30\nNOW+00:10 a\n+00:05 a\n", {3, "la hora es anterior a la de la línea 2"}},
        {"a: 200+4/30\nNOW a\n12:00 a\n", {3, "no se pueden mezclar NOW y horas de reloj"}},
        {"a: 200+4/30\nNOW >= a\n",
         {2, "fundido no válido «>=»: son dos signos, el primero de < - = y el segundo de > - ="}},
        {"a: 200+4/30\nNOW a b\n", {2, "sobra «b» al final de la línea"}},
        {"NOW\n", {1, "falta el nombre del conjunto de tonos"}},
        {"a: 200+4/30\nb: {\nNOW a\n}\n", {3, "en un bloque las horas son relativas (+hh:mm)"}},
        {"a: 200+4/30\nb: {\n+00:00 a\n", {2, "falta «}» para cerrar el bloque"}},
        {"}\n", {1, "«}» sin un bloque abierto"}},
        {"b: {\n+00:00 b\n}\n", {2, "un bloque no puede usarse a sí mismo"}},
        {"b: {\nc: 200+4/30\n}\n", {2, "en un bloque solo caben líneas de tiempo"}},
        {"a: 200+4/30\nb: {\n+00:00 a\n}\nNOW == b\n", {5, "un bloque no lleva fundido ni ->"}},
        {explodingBlocks(), {65, "los bloques dan más de 100000 líneas de tiempo"}},
        {"-SE\n-p drop 00ds+\n",
         {2, "la opción «-p» hace el programa por sí misma y no se puede importar"}},
        {"?? what\n", {1, "línea no reconocida «?? what»"}},
        {"a: 200+4/30\n", {0, "no hay ninguna línea de tiempo"}},
        {"a: 200+4/30\nNOW a\n",
         {2, "la sesión dura 0 segundos: la última línea de tiempo marca su final"}},
        {"n: pink/30\nNOW n\n+00:10 n\n",
         {0, "ningún conjunto de tonos usado tiene una voz binaural"}},
    };
    for (const auto& [text, want] : cases) {
        const ImportResult r = importSbg(text);
        ASSERT_TRUE(std::holds_alternative<ImportRejection>(r)) << text;
        EXPECT_EQ(std::get<ImportRejection>(r), want) << text;
    }
}

std::string gnaural(const std::string& voices, const std::string& head = "") {
    return "<?xml version=\"1.0\"?>\n<schedule>\n<title>Prueba &amp; más</title>\n" + head +
           voices + "</schedule>\n";
}

std::string voice(int type, const std::string& entries, const std::string& extra = "") {
    return "<voice>\n<type>" + std::to_string(type) + "</type>\n" + extra + "<entries>\n" +
           entries + "</entries>\n</voice>\n";
}

std::string entry(const std::string& duration, const std::string& beat, const std::string& base,
                  const std::string& volume = "0.5") {
    return "<entry parent=\"0\" duration=\"" + duration + "\" volume_left=\"" + volume +
           "\" volume_right=\"0.1\" beatfreq=\"" + beat + "\" basefreq=\"" + base +
           "\" state=\"0\"/>\n";
}

const std::string kThreeEntries =
    entry("300", "10", "200") + entry("600", "4", "150") + entry("300", "6", "150");

const std::vector<Case> kGnauralCases = {
    {"EntriesGlideToTheNextAndTheLastBackToTheFirst",
     gnaural(voice(0, kThreeEntries)),
     {1200, {{0, 10}, {300, 4}, {900, 6}, {1200, 10}}, {{0, 195}, {300, 148}, {900, 147}, {1200, 195}}}},
    {"PinkNoiseIsTheMaskAndOtherVoicesAreListed",
     gnaural(voice(3, entry("10", "4", "200")) + voice(0, kThreeEntries) +
             voice(1, entry("600", "0", "0", "0.3") + entry("600", "0", "0", "0.4")) +
             voice(0, kThreeEntries) + voice(5, entry("10", "0", "0")) +
             voice(6, entry("10", "0", "0"), "<voice_mute>1</voice_mute>\n")),
     {1200, {{0, 10}, {300, 4}, {900, 6}, {1200, 10}}, {{0, 195}, {300, 148}, {900, 147}, {1200, 195}},
      40,
      "No se ha podido llevar a la sesión: los tonos isócronos (voz 1); una segunda voz binaural "
      "(voz 4); las gotas de agua (voz 5). El ruido rosa cambia de nivel (de 30 a 40): se propone "
      "40 para la máscara."}},
    {"LoopsRepeatTheSchedule",
     gnaural(voice(0, entry("300", "10", "200") + entry("300", "4", "200")), "<loops>2</loops>\n"),
     {1200, {{0, 10}, {300, 4}, {600, 10}, {900, 4}, {1200, 10}},
      {{0, 195}, {300, 198}, {600, 195}, {900, 198}, {1200, 195}}}},
    {"EndlessLoopsAreTakenOnce",
     gnaural(voice(0, entry("300", "10", "200") + entry("300", "4", "200")), "<loops>0</loops>\n"),
     {600, {{0, 10}, {300, 4}, {600, 10}}, {{0, 195}, {300, 198}, {600, 195}}, std::nullopt,
      "El fichero se repite sin fin (<loops>0</loops>): se lleva una vez."}},
    {"AMutedBinauralVoiceIsTakenWhenThereIsNoOther",
     gnaural(voice(0, entry("60", "-8", "300"), "<voice_mute>1</voice_mute>\n")),
     {60, {{0, 8}, {60, 8}}, {{0, 296}, {60, 296}}, std::nullopt,
      "La voz binaural 1 está silenciada en el fichero; se ha llevado igualmente."}},
    {"ZeroLengthEntriesAreJumps",
     gnaural(voice(0, entry("300", "10", "200") + entry("0", "10", "200") + entry("300", "4", "200") +
                          entry("0.001", "4", "200"))),
     {600, {{0, 10}, {300, 10}, {300.1, 4}, {599.9, 4}, {600, 10}},
      {{0, 195}, {300, 195}, {300, 198}, {600, 198}, {600, 195}}}},
};

TEST(GnauralImport, EachConstructGivesItsCurves) {
    for (const Case& c : kGnauralCases)
        expectSession(importGnaural(c.text), c.want, c.name);
}

TEST(GnauralImport, EachRejectionNamesTheElementAndWhy) {
    const std::pair<std::string, ImportRejection> cases[] = {
        {"", {0, "el fichero no tiene ningún elemento XML"}},
        {"hola", {1, "el XML está mal formado"}},
        {"<schedule>\n<voice>\n</schedule>\n", {3, "el XML está mal formado"}},
        {"<schedule>\n<voice>\n", {3, "el XML se acaba sin cerrar sus elementos"}},
        {"<foo/>", {1, "se esperaba <schedule> y el documento empieza por <foo>"}},
        {gnaural("<voice>\n<entries/>\n</voice>\n"), {4, "<voice> 1 no tiene <type>"}},
        {gnaural("<voice>\n<type>x</type>\n</voice>\n"),
         {5, "<type> «x» no es un número entero positivo"}},
        {gnaural("", "<loops>-1</loops>\n"), {4, "<loops> «-1» no es un número entero positivo"}},
        {gnaural(voice(0, "<entry duration=\"10\" beatfreq=\"4\"/>\n")),
         {7, "<entry> 1 de la voz 1 no tiene el atributo basefreq"}},
        {gnaural(voice(0, entry("10", "4", "200") + entry("abc", "4", "200"))),
         {8, "<entry> 2 de la voz 1: duration «abc» no es un número válido"}},
        {gnaural(voice(0, entry("-10", "4", "200"))), {7, "<entry> 1 de la voz 1: duration es negativo"}},
        {gnaural(voice(0, entry("10", "4", "200")) +
                 voice(1, "<entry duration=\"10\" volume_left=\"0.5\"/>\n")),
         {13, "<entry> 1 de la voz 2 no tiene el atributo volume_right"}},
        {gnaural(voice(1, entry("10", "0", "0"))), {0, "no hay ninguna voz binaural (<type>0</type>)"}},
        {gnaural(voice(0, "")), {4, "la voz binaural no tiene ninguna <entry>"}},
        {gnaural(voice(0, entry("0.2", "4", "200"))), {4, "la voz binaural dura menos de medio segundo"}},
    };
    for (const auto& [text, want] : cases) {
        const ImportResult r = importGnaural(text);
        ASSERT_TRUE(std::holds_alternative<ImportRejection>(r)) << text;
        EXPECT_EQ(std::get<ImportRejection>(r), want) << text;
    }
}

SessionModel shipped(const std::string& name) {
    std::ifstream in(std::string(VS_SHIPPED_DATA_DIR) + "/" + name, std::ios::binary);
    std::stringbuf buf;
    in >> &buf;
    SessionData data;
    ClockRandom random;
    EXPECT_TRUE(parseSession(buf, data, random)) << name;
    SessionModel m;
    applySession(data, m);
    return m;
}

TEST(SbgExport, ShippedSessionsComeBackWithTheSameCurves) {
    for (const char* name : {"Relajación.vso", "Sueño.vso", "Meditación profunda.vso"}) {
        SCOPED_TRACE(name);
        const SessionModel saved = shipped(name);
        const ImportResult r = importSbg(sbgText(saved, {20, 50}));
        const auto* back = std::get_if<ImportedSession>(&r);
        ASSERT_TRUE(back) << std::get<ImportRejection>(r).message();
        const SessionModel& m = back->model;
        EXPECT_EQ(m.lengthSeconds(), saved.lengthSeconds());
        EXPECT_EQ(m.FrecBinauralMax, saved.FrecBinauralMax);
        EXPECT_EQ(m.FrecBaseMax, saved.FrecBaseMax);
        EXPECT_EQ(back->maskLevel, 20);
        EXPECT_EQ(back->notes, "");
        // Where either session has a point, both play the same within a graph unit.
        const double beatUnit = m.binauralHz(0) - m.binauralHz(1), baseUnit = m.baseHz(0) - m.baseHz(1);
        for (const SessionModel* s : {&saved, &m})
            for (const Curve* c : {&s->Punto, &s->PuntoFR})
                for (int i = 1; i <= c->count(); ++i) {
                    const double t = s->timeMs((*c)[i].Left);
                    EXPECT_NEAR(m.binauralAt(t), saved.binauralAt(t), beatUnit) << t;
                    EXPECT_NEAR(m.baseAt(t), saved.baseAt(t), baseUnit) << t;
                }
    }
}

TEST(SbgExport, WritesOneSlidingLinePerPointTime) {
    SessionModel m;
    m.setMinutos(10);
    m.FrecBinauralMax = 15;
    m.NumPuntos = 3;
    m.Punto[1].Top = m.topForBinaural(10);
    m.Punto[2] = {3000, m.topForBinaural(5), true};
    m.Punto[3] = {6000, m.topForBinaural(10), true};
    m.PuntoFR[1].Top = m.PuntoFR[2].Top = m.topForBase(200);
    m.PuntoFR.insert(2, 1200, m.topForBase(100));
    m.PuntoFR.insert(3, 1200, m.topForBase(300)); // a jump at 2:00
    m.relayCells();
    const std::string text = sbgText(m, {0, 40});
    EXPECT_NE(text.find("-SE\n"), std::string::npos);
    const std::string lines = text.substr(text.find("\nNOW"));
    EXPECT_EQ(lines, "\nNOW == vs01 ->\n+00:02:00 == vs02 ->\n+00:02:00 == vs03 ->\n"
                     "+00:05:00 == vs04 ->\n+00:10:00 == vs05\n");
    EXPECT_NE(text.find("\nvs01: 205-10/40\nvs02: 104-8/40\nvs03: 304-8/40\nvs04: 265-5/40\n"
                        "vs05: 205-10/40\n"),
              std::string::npos)
        << text;
    SessionModel empty;
    empty.setMinutos(0);
    EXPECT_EQ(sbgText(empty, {}), "");
}

TEST(Simplify, KeepsAtMostTheCountAndReportsItsWorstError) {
    std::mt19937 gen(11);
    std::uniform_real_distribution<double> step(0, 5), hz(0, 15);
    for (int round = 0; round < 20; ++round) {
        Polyline line;
        double t = 0;
        for (int i = 0; i < 200; ++i)
            line.push_back({t += step(gen), hz(gen)});
        const Simplified s = simplify(line, 30, 0.01);
        ASSERT_EQ(s.points.size(), 30u);
        EXPECT_EQ(s.points.front(), line.front());
        EXPECT_EQ(s.points.back(), line.back());
        double worst = 0;
        for (const TimedValue& p : line)
            worst = std::max(worst, std::abs(p.v - valueAt(s.points, p.t)));
        EXPECT_DOUBLE_EQ(s.maxError, worst);
    }
    // Points on a line add nothing.
    const Simplified flat = simplify({{0, 1}, {1, 2}, {2, 3}, {3, 5}}, 30, 0.01);
    EXPECT_EQ(flat.points, (Polyline{{0, 1}, {2, 3}, {3, 5}}));
}

TEST(SbgImport, ASimplifiedCurveStaysWithinTheErrorItReports) {
    // 121 slides 20 s apart along a wave of beats over a steady 300 Hz base.
    auto beatAt = [](int i) { return 7 + 5 * std::sin(i / 6.0); };
    std::string sets, lines;
    for (int i = 0; i <= 120; ++i) {
        const std::string name = "s" + std::to_string(i);
        sets += name + ": " + std::to_string(300 + beatAt(i) / 2) + "+" + std::to_string(beatAt(i)) + "/30\n";
        const int t = i * 20;
        char at[16];
        std::snprintf(at, sizeof at, "+%02d:%02d:%02d", t / 3600, t / 60 % 60, t % 60);
        lines += (i ? std::string(at) : "NOW") + " == " + name + (i < 120 ? " ->\n" : "\n");
    }
    const ImportResult r = importSbg(sets + lines);
    const auto* got = std::get_if<ImportedSession>(&r);
    ASSERT_TRUE(got) << std::get<ImportRejection>(r).message();
    const SessionModel& m = got->model;
    EXPECT_EQ(m.NumPuntos, 30);
    EXPECT_EQ(m.NumPuntosFR, 2);
    const std::string lead = "La curva binaural necesitaba más de 30 puntos: se ha simplificado a 30 "
                             "con un error de ";
    ASSERT_EQ(got->notes.substr(0, lead.size()), lead) << got->notes;
    std::string number = got->notes.substr(lead.size());
    number = number.substr(0, number.find(' '));
    std::replace(number.begin(), number.end(), ',', '.');
    const double reported = std::stod(number);
    // The markers' whole graph units and the three decimals shown add a unit at most.
    const double unit = m.binauralHz(0) - m.binauralHz(1);
    double worst = 0;
    for (int i = 0; i <= 120; ++i)
        worst = std::max(worst, std::abs(beatAt(i) - m.binauralAt(i * 20 * 1000.0)));
    EXPECT_LE(worst, reported + unit);
    EXPECT_GE(worst, reported - unit);
    EXPECT_GT(reported, unit);
}

TEST(SessionImport, ChoosesTheImporterByExtensionAndReportsFileFaults) {
    vs::test::TempDir dir;
    SessionModel m;
    m.setMinutos(3);
    ASSERT_TRUE(writeSbg(m, {10, 50}, dir.file("Sesión.SBG")));
    EXPECT_TRUE(isImportable(dir.file("Sesión.SBG")));
    EXPECT_TRUE(isImportable("/x/a.Gnaural"));
    EXPECT_FALSE(isImportable("/x.sbg/a"));
    EXPECT_FALSE(isImportable("/x/a.vso"));
    const ImportResult r = importSession(dir.file("Sesión.SBG"), {20, 600});
    const auto* got = std::get_if<ImportedSession>(&r);
    ASSERT_TRUE(got);
    EXPECT_EQ(got->model.lengthSeconds(), 180);
    EXPECT_EQ(got->maskLevel, 10);
    EXPECT_EQ(got->model.FrecBinauralMax, 20); // the preferred scale holds the curves
    EXPECT_EQ(got->model.FrecBinauralMaxPref, 20);
    EXPECT_EQ(got->model.FrecBaseMaxPref, 600);
    EXPECT_EQ(std::get<ImportRejection>(importSession(dir.file("nada.gnaural"))).message(),
              "No se puede leer el fichero");
    EXPECT_EQ(std::get<ImportRejection>(importSession(dir.file("a.txt"))).message(),
              "Solo se importan sesiones .sbg y .gnaural");
    EXPECT_EQ((ImportRejection{12, "hora no válida"}).message(), "Línea 12: hora no válida");
}

} // namespace
} // namespace vs::session::test
