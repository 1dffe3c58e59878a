// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/render_options.h"

#include "base/interface_language.h"
#include "base/preferences.h"
#include "playback/playback_keys.h"
#include "playback/sound_choice.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include <algorithm>
#include <charconv>

#ifndef VS_VERSION
#define VS_VERSION "?"
#endif

namespace vs::render {
namespace {

// The arguments go through Qt as Latin-1 both ways: the option names are
// ASCII, and a file name that is not UTF-8 comes back byte for byte.
QString toQt(const std::string& s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

std::string fromQt(const QString& s) {
    const QByteArray bytes = s.toLatin1();
    return {bytes.constData(), std::size_t(bytes.size())};
}

struct OptionRow {
    const char* shortName; // "" for none
    const char* longName;
    const char* value; // "" for a switch
    const char* help;
};

// The table the parser and the help are both made from, in the help's order.
const std::vector<OptionRow>& optionTable() {
    static const std::vector<OptionRow> table = {
        {"h", "help", "", VS_TRANSLATE_NOOP("RenderOptions", "Muestra esta ayuda y termina.")},
        {"v", "version", "", VS_TRANSLATE_NOOP("RenderOptions", "Muestra la versión y termina.")},
        {"d", "carpeta", VS_TRANSLATE_NOOP("RenderOptions", "CARPETA"),
         VS_TRANSLATE_NOOP(
             "RenderOptions",
             "Graba cada SESION en CARPETA/SESION.wav (o con la extensión de --formato), "
             "varias a la vez; la carpeta se crea si falta.")},
        {"f", "formato", VS_TRANSLATE_NOOP("RenderOptions", "FORMATO"),
         VS_TRANSLATE_NOOP("RenderOptions",
                           "wav, flac, ogg o mp3, cuando el nombre de SALIDA no lo dice.")},
        {"", "bits", VS_TRANSLATE_NOOP("RenderOptions", "BITS"),
         VS_TRANSLATE_NOOP("RenderOptions",
                           "WAV y FLAC: 16 (por omisión), 24 o 32f (WAV en coma flotante).")},
        {"", "calidad", VS_TRANSLATE_NOOP("RenderOptions", "N"),
         VS_TRANSLATE_NOOP("RenderOptions",
                           "Ogg y MP3: de 0 (el fichero menor) a 10 (el mejor sonido); 8 por "
                           "omisión.")},
        {"", "binaural", VS_TRANSLATE_NOOP("RenderOptions", "N"),
         VS_TRANSLATE_NOOP("RenderOptions",
                           "Los tonos binaurales a N, de 0 a 100 (0 los quita); 50 por omisión.")},
        {"", "mascara", VS_TRANSLATE_NOOP("RenderOptions", "N"),
         VS_TRANSLATE_NOOP(
             "RenderOptions",
             "El ruido de enmascaramiento a N, de 0 a 100; 0, por omisión, lo quita (una sesión "
             "importada con ruido lo trae a su nivel).")},
        {"", "musica", VS_TRANSLATE_NOOP("RenderOptions", "N"),
         VS_TRANSLATE_NOOP(
             "RenderOptions",
             "La música de fondo a N, de 0 a 100 (0 la quita); por omisión a 100 si la casilla de "
             "música quedó marcada en la ventana.")},
        {"", "sin-musica", "",
         VS_TRANSLATE_NOOP("RenderOptions", "Sin la música de fondo (lo mismo que --musica 0).")},
        {"", "fundido", VS_TRANSLATE_NOOP("RenderOptions", "S"),
         VS_TRANSLATE_NOOP(
             "RenderOptions",
             "Segundos del descenso del volumen al final, de 0 a 120; 30 por omisión.")},
        {"", "pulso", VS_TRANSLATE_NOOP("RenderOptions", "TIPO"),
         VS_TRANSLATE_NOOP(
             "RenderOptions",
             "binaural (con auriculares, por omisión), monoaural o isocronico (también con "
             "altavoces).")},
        {"", "ruido", VS_TRANSLATE_NOOP("RenderOptions", "COLOR"),
         VS_TRANSLATE_NOOP("RenderOptions",
                           "El color del ruido de enmascaramiento: original (por omisión), "
                           "rosa o marron.")},
        {"", "desde-ventana", "",
         VS_TRANSLATE_NOOP(
             "RenderOptions",
             "Las casillas, los niveles, el fundido y el sonido (pulso, ruido, canales) como "
             "quedaron en la ventana al salir (las "
             "opciones de arriba mandan sobre ellos).")},
        {"", "luz", "",
         VS_TRANSLATE_NOOP("RenderOptions", "Lleva en el sonido la señal de luz de las gafas.")},
        {"i", "informe", VS_TRANSLATE_NOOP("RenderOptions", "FICHERO"),
         VS_TRANSLATE_NOOP(
             "RenderOptions",
             "Escribe además el informe de la comprobación en JSON (con una sola sesión).")},
        {"q", "silencioso", "",
         VS_TRANSLATE_NOOP("RenderOptions", "Sin barra de progreso ni resumen: solo los errores.")},
        {"c", "comprobar", "",
         VS_TRANSLATE_NOOP("RenderOptions", "Lee y comprueba las sesiones y muestra su duración y "
                                            "sus fuentes, sin escribir nada.")},
    };
    return table;
}

QCommandLineOption qtOption(const OptionRow& row) {
    QStringList names;
    if (*row.shortName) names << QString::fromLatin1(row.shortName);
    names << QString::fromLatin1(row.longName);
    QCommandLineOption o(names);
    if (*row.value) o.setValueName(QString::fromLatin1(row.value));
    return o;
}

const OptionRow* rowNamed(const std::string& name) {
    for (const OptionRow& row : optionTable())
        if (name == row.shortName || name == row.longName) return &row;
    return nullptr;
}

std::string dashed(const std::string& name) {
    return (name.size() == 1 ? "-" : "--") + name;
}

// QCommandLineParser's own complaints are English: each is said again in
// Spanish from what it names.
std::string parseError(const QCommandLineParser& parser) {
    if (!parser.unknownOptionNames().isEmpty())
        return translate("RenderOptions", "opción desconocida: ") +
               dashed(fromQt(parser.unknownOptionNames().first()));
    const QString text = parser.errorText();
    const qsizetype open = text.indexOf(QLatin1Char('\'')),
                    close = text.indexOf(QLatin1Char('\''), open + 1);
    if (open >= 0 && close > open) {
        const std::string quoted = fromQt(text.mid(open + 1, close - open - 1));
        const std::string name = quoted.substr(quoted.find_first_not_of('-'));
        if (const OptionRow* row = rowNamed(name))
            return *row->value ? translate("RenderOptions", "falta el valor de ") + dashed(name)
                                : dashed(name) + translate("RenderOptions", " no lleva valor");
    }
    return translate("RenderOptions", "argumentos no válidos: ") + fromQt(text);
}

bool wholeNumber(const std::string& text, int low, int high, int& out) {
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && stop == end && out >= low && out <= high;
}

std::optional<playback::AudioFormat> formatNamed(const std::string& name) {
    for (auto f : {playback::AudioFormat::Wav, playback::AudioFormat::Flac,
                   playback::AudioFormat::Ogg, playback::AudioFormat::Mp3})
        if (name == playback::extensionOf(f)) return f;
    return std::nullopt;
}

bool isAudioName(const std::string& path) {
    return path == kStandardStream || playback::formatForPath(path).has_value();
}

// Reads the values of the options that take one; false with `error` set.
bool readValues(const QCommandLineParser& p, RenderOptions& o, std::string& error, bool& bitsGiven,
                bool& qualityGiven) {
    auto value = [&](const char* name) { return fromQt(p.value(QString::fromLatin1(name))); };
    auto given = [&](const char* name) { return p.isSet(QString::fromLatin1(name)); };
    struct Level {
        const char* name;
        int high;
        std::optional<int>* to;
    };
    for (const Level& l : {Level{"binaural", 100, &o.binaural}, Level{"mascara", 100, &o.mascara},
                           Level{"musica", 100, &o.musica}, Level{"fundido", 120, &o.fundido}}) {
        if (!given(l.name)) continue;
        int v = 0;
        if (!wholeNumber(value(l.name), 0, l.high, v)) {
            error = withArgs(translate("RenderOptions", "--%1 va de 0 a %2, no «%3»"),
                             {l.name, std::to_string(l.high), value(l.name)});
            return false;
        }
        *l.to = v;
    }
    if ((qualityGiven = given("calidad")) &&
        !wholeNumber(value("calidad"), 0, playback::WriterSettings::kMaxQuality,
                     o.writer.quality)) {
        error = withArgs(translate("RenderOptions", "--calidad va de 0 a 10, no «%1»"),
                         {value("calidad")});
        return false;
    }
    if ((bitsGiven = given("bits"))) {
        const std::string bits = value("bits");
        if (bits == "16")
            o.writer.bits = playback::SampleBits::Pcm16;
        else if (bits == "24")
            o.writer.bits = playback::SampleBits::Pcm24;
        else if (bits == "32f")
            o.writer.bits = playback::SampleBits::Float32;
        else {
            error = withArgs(translate("RenderOptions", "--bits es 16, 24 o 32f, no «%1»"), {bits});
            return false;
        }
    }
    if (given("pulso")) {
        const std::string name = value("pulso");
        if (name == "binaural")
            o.pulse = playback::PulseType::Binaural;
        else if (name == "monoaural")
            o.pulse = playback::PulseType::Monaural;
        else if (name == "isocronico" || name == "isocrónico")
            o.pulse = playback::PulseType::Isochronic;
        else {
            error = withArgs(
                translate("RenderOptions", "--pulso es binaural, monoaural o isocronico, no «%1»"),
                {name});
            return false;
        }
    }
    if (given("ruido")) {
        const std::string name = value("ruido");
        if (name == "original")
            o.noise = playback::NoiseColour::Original;
        else if (name == "rosa")
            o.noise = playback::NoiseColour::Pink;
        else if (name == "marron" || name == "marrón")
            o.noise = playback::NoiseColour::Brown;
        else {
            error = withArgs(
                translate("RenderOptions", "--ruido es original, rosa o marron, no «%1»"), {name});
            return false;
        }
    }
    if (given("formato")) {
        o.format = formatNamed(value("formato"));
        if (!o.format) {
            error =
                withArgs(translate("RenderOptions", "--formato es wav, flac, ogg o mp3, no «%1»"),
                         {value("formato")});
            return false;
        }
    }
    return true;
}

// The sessions and the output from the positional arguments; false with `error`.
bool placeArguments(std::vector<std::string> positional, RenderOptions& o, std::string& error) {
    const bool check = o.action == RenderOptions::Action::Check;
    if (!o.several()) {
        // A check may name several sessions, and the output of the render it
        // stands in for after them.
        const bool withOutput = check ? positional.size() >= 2 && isAudioName(positional.back())
                                      : positional.size() == 2;
        if (withOutput) {
            o.output = positional.back();
            positional.pop_back();
        }
        if (positional.empty() || (!check && (positional.size() != 1 || o.output.empty()))) {
            error = translate("RenderOptions", "se esperan una sesión y un fichero de salida");
            return false;
        }
    } else if (positional.empty()) {
        error = translate("RenderOptions", "se espera al menos una sesión tras -d CARPETA");
        return false;
    }
    o.sessions = std::move(positional);
    int fromInput = 0;
    for (const std::string& s : o.sessions)
        fromInput += s == kStandardStream;
    if (fromInput > 1 || (fromInput > 0 && o.several())) {
        error = translate("RenderOptions", "la entrada estándar da una sola sesión, sin -d");
        return false;
    }
    if (o.several() && !o.report.empty()) {
        error = translate("RenderOptions", "--informe es para una sola sesión, sin -d");
        return false;
    }
    return true;
}

// The format of the outputs, and whether the file settings go with it.
bool settleFormat(RenderOptions& o, bool bitsGiven, bool qualityGiven, std::string& error) {
    using playback::AudioFormat;
    if (!o.several() && !o.output.empty()) {
        const bool stream = o.output == kStandardStream;
        const auto byName =
            stream ? std::optional(AudioFormat::Wav) : playback::formatForPath(o.output);
        if (!o.format && !byName) {
            error = withArgs(translate("RenderOptions",
                                       "formato desconocido: %1 (use .wav, .flac, .ogg o .mp3, o "
                                       "--formato)"),
                             {o.output});
            return false;
        }
        if (stream && o.format && *o.format != AudioFormat::Wav) {
            error = translate("RenderOptions", "la salida estándar solo lleva WAV");
            return false;
        }
        if (o.format && byName && *o.format != *byName) {
            error = withArgs(
                translate("RenderOptions", "--formato %1 no es el formato que dice el nombre %2"),
                {playback::extensionOf(*o.format), o.output});
            return false;
        }
        if (!o.format) o.format = byName;
    } else if (o.several() && !o.format) {
        o.format = AudioFormat::Wav;
    }
    if (!o.format) return true;
    const bool pcm = *o.format == AudioFormat::Wav || *o.format == AudioFormat::Flac;
    if (bitsGiven && !pcm) {
        error = translate("RenderOptions", "--bits es para WAV y FLAC");
        return false;
    }
    if (qualityGiven && pcm) {
        error = translate("RenderOptions", "--calidad es para Ogg y MP3");
        return false;
    }
    error = playback::settingsProblem(*o.format, o.writer);
    return error.empty();
}

void wrapInto(std::string& out, const std::string& text, std::size_t indent, std::size_t width) {
    std::size_t column = indent;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        if (column > indent && column + 1 + word.size() > width) {
            out += "\n" + std::string(indent, ' ');
            column = indent;
        } else if (column > indent) {
            out += ' ';
            ++column;
        }
        out += word;
        // The columns count characters, not the bytes of their UTF-8.
        for (unsigned char c : word)
            column += (c & 0xC0) != 0x80;
        start = end + 1;
    }
    out += "\n";
}

} // namespace

ParsedArguments parseArguments(const std::vector<std::string>& args) {
    ParsedArguments r;
    RenderOptions& o = r.options;
    QCommandLineParser parser;
    for (const OptionRow& row : optionTable())
        parser.addOption(qtOption(row));
    QStringList list{QString::fromLatin1(kProgram)};
    for (const std::string& a : args)
        list << toQt(a);
    if (!parser.parse(list)) {
        r.error = parseError(parser);
        return r;
    }
    auto given = [&](const char* name) { return parser.isSet(QString::fromLatin1(name)); };
    if (given("help") || given("version")) {
        o.action = given("help") ? RenderOptions::Action::Help : RenderOptions::Action::Version;
        return r;
    }
    if (given("comprobar")) o.action = RenderOptions::Action::Check;
    o.folder = fromQt(parser.value(QStringLiteral("carpeta")));
    if (given("carpeta") && o.folder.empty()) {
        r.error = translate("RenderOptions", "falta el valor de -d");
        return r;
    }
    o.report = fromQt(parser.value(QStringLiteral("informe")));
    o.fromWindow = given("desde-ventana");
    o.noMusic = given("sin-musica");
    o.light = given("luz");
    o.quiet = given("silencioso");
    bool bitsGiven = false, qualityGiven = false;
    std::vector<std::string> positional;
    for (const QString& p : parser.positionalArguments())
        positional.push_back(fromQt(p));
    if (!readValues(parser, o, r.error, bitsGiven, qualityGiven) ||
        !placeArguments(std::move(positional), o, r.error) ||
        !settleFormat(o, bitsGiven, qualityGiven, r.error))
        return r;
    return r;
}

std::string usageLine() {
    return withArgs(translate("RenderOptions", "uso: %1 [OPCIONES] SESION SALIDA, o -d CARPETA "
                                               "SESION... (--help: todas las opciones)"),
                    {kProgram});
}

std::string versionText() {
    return std::string(kProgram) + " " + VS_VERSION + "\n";
}

std::string helpText() {
    const std::string p = kProgram;
    std::string h = withArgs(translate("RenderOptions", "Uso: %1 [OPCIONES] SESION SALIDA\n"
                                                        "     %1 [OPCIONES] -d CARPETA SESION...\n"
                                                        "     %1 --comprobar [OPCIONES] SESION... "
                                                        "[SALIDA]\n\n"),
                             {p});
    wrapInto(
        h,
        translate(
            "RenderOptions",
            "Graba una sesión en un fichero de sonido tal como la hace sonar Play, sin tarjeta "
            "de sonido, y comprueba lo grabado. SESION es un fichero .vso o una sesión de otro "
            "programa (.sbg, .gnaural); «-» la lee de la entrada estándar. SALIDA es un .wav, "
            ".flac, .ogg o .mp3; «-» escribe WAV en la salida estándar, para un reproductor o un "
            "codificador (el resumen va entonces a la salida de errores). «--» termina las "
            "opciones."),
        0, 79);
    h += translate("RenderOptions", "\nOpciones:\n");
    constexpr std::size_t kColumn = 26;
    for (const OptionRow& row : optionTable()) {
        std::string left = std::string("  ") +
                           (*row.shortName ? "-" + std::string(row.shortName) + ", " : "    ") +
                           "--" + row.longName +
                           (*row.value ? " " + translate("RenderOptions", row.value) : "");
        if (left.size() + 1 > kColumn) {
            h += left + "\n" + std::string(kColumn, ' ');
        } else {
            h += left + std::string(kColumn - left.size(), ' ');
        }
        wrapInto(h, translate("RenderOptions", row.help), kColumn, 79);
    }
    h += withArgs(translate("RenderOptions",
                            "\nEstado de salida:\n"
                            "  0  grabada entera y comprobada sin defectos\n"
                            "  1  la grabación o la escritura falló o se interrumpió\n"
                            "  2  los argumentos o una sesión no son válidos\n"
                            "  3  grabada, pero la comprobación encontró defectos\n"
                            "  Con varias sesiones, el peor de todos: 2, luego 1, luego 3.\n"
                            "\nEjemplos:\n"
                            "  %1 Relajación.vso relajacion.flac\n"
                            "  %1 --bits 24 Sueño.vso - | aplay\n"
                            "  %1 --mascara 30 -f ogg -d grabadas *.vso\n"),
                  {p});
    return h;
}

RenderSources sourcesFor(const RenderOptions& o, const Preferences& prefs) {
    RenderSources s;
    playback::ExportOptions& e = s.sound;
    e.musica = prefs.getBool(playback::pref::MusicaActivo);
    if (o.fromWindow) {
        e.binaural = prefs.getBool(playback::pref::BinauralActivo);
        e.mascara = prefs.getBool(playback::pref::MascaraActivo);
        e.volumenBinaural = std::clamp(prefs.getInt(playback::pref::VolumenBinaural), 0, 100);
        e.volumenMascara = std::clamp(prefs.getInt(playback::pref::VolumenMascara), 0, 100);
        e.ultimosSegundos = std::clamp(prefs.getInt(playback::pref::UltimosSegundos), 0,
                                       playback::pref::kUltimosSegundosMax);
        e.sound = playback::readSoundChoice(prefs);
    }
    if (o.pulse) e.sound.pulse = *o.pulse;
    if (o.noise) e.sound.noise = *o.noise;
    if (o.binaural) {
        e.binaural = *o.binaural > 0;
        if (e.binaural) e.volumenBinaural = *o.binaural;
    }
    if (o.mascara) {
        e.mascara = *o.mascara > 0;
        if (e.mascara) e.volumenMascara = *o.mascara;
    }
    if (o.musica) {
        e.musica = *o.musica > 0;
        if (e.musica) s.musicSlider = *o.musica;
    }
    if (o.noMusic) e.musica = false;
    if (o.fundido) e.ultimosSegundos = *o.fundido;
    e.luz = o.light;
    return s;
}

std::string formatText(playback::AudioFormat format, const playback::WriterSettings& writer) {
    using playback::AudioFormat;
    using playback::SampleBits;
    const std::string bits = writer.bits == SampleBits::Pcm24
                                 ? translate("RenderOptions", "24 bits")
                             : writer.bits == SampleBits::Float32
                                 ? translate("RenderOptions", "32 bits en coma flotante")
                                 : translate("RenderOptions", "16 bits");
    const std::string quality =
        withArgs(translate("RenderOptions", "calidad %1"), {std::to_string(writer.quality)});
    switch (format) {
    case AudioFormat::Wav:
        return "WAV, " + bits;
    case AudioFormat::Flac:
        return "FLAC, " + bits;
    case AudioFormat::Ogg:
        return "Ogg Vorbis, " + quality;
    case AudioFormat::Mp3:
        return "MP3, " + quality;
    }
    return {};
}

} // namespace vs::render
