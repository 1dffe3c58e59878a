// SPDX-License-Identifier: GPL-3.0-or-later
// Finds the texts of ours that reach the user without passing through the
// translation system, so an English interface cannot quietly keep Spanish.
//
// Usage: untranslated_literals SOURCE_ROOT ALLOW_LIST
// Reads every .cpp and .h under SOURCE_ROOT/src. A string literal looks like
// a text for people when it holds a space and a lower-case letter, or a
// Spanish letter or sign (á é í ó ú ü ñ ¿ ¡), or any letter at all when it
// is handed straight to a widget's text (setText, setWindowTitle, addMenu,
// a QLabel's constructor...). Such a literal passes when it is a direct
// argument of tr, translate (QCoreApplication's and vs::translate),
// QT_TR_NOOP, QT_TRANSLATE_NOOP or VS_TRANSLATE_NOOP, or of a call whose
// strings are never texts (static_assert, setObjectName, PreferenceKey, the
// sequencer's commands...), or when it holds a JSON member name ("\"key\":"),
// or when ALLOW_LIST names it. Prints each one that does not, and each allow-list
// entry that matched nothing (a stale entry hides the next real fault), and
// fails if there is either.
//
// ALLOW_LIST: "#" starts a comment; a line is a path pattern (fnmatch,
// relative to SOURCE_ROOT) for a whole file, or a pattern, a space and a
// literal spelled as in the source, quotes included, for that literal alone.
#include <fnmatch.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct AllowEntry {
    std::string pattern;
    std::string literal; // empty: the whole file
    int line = 0;
    bool used = false;
};

std::vector<AllowEntry> readAllowList(const std::string& path) {
    std::vector<AllowEntry> entries;
    std::ifstream in(path);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const auto hash = line.find('#');
        // A "#" inside the quoted literal belongs to it.
        const auto quote = line.find('"');
        if (hash != std::string::npos && (quote == std::string::npos || hash < quote))
            line.erase(hash);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        if (line.empty()) continue;
        AllowEntry e;
        e.line = number;
        const auto space = line.find(' ');
        e.pattern = line.substr(0, space);
        if (space != std::string::npos) {
            e.literal = line.substr(line.find_first_not_of(' ', space));
        }
        entries.push_back(e);
    }
    return entries;
}

const std::set<std::string> kTranslating = {"tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP",
                                            "VS_TRANSLATE_NOOP"};
// Calls whose strings are never shown as text: compile-time checks, object
// names and style sheets, preference sections and keys, the sequencer's
// command strings.
const std::set<std::string> kNeverText = {"static_assert", "setObjectName", "setStyleSheet",
                                          "findChild",     "setProperty",   "property",
                                          "PreferenceKey", "mci",           "mciSendString"};
// Wrappers that only change a literal's type; the call around them decides.
const std::set<std::string> kWrappers = {"QStringLiteral", "QString",       "fromUtf8",
                                         "fromLatin1",     "QLatin1String", "QLatin1StringView",
                                         "string"};
// Where any word becomes a visible text.
const std::set<std::string> kWidgetTexts = {"setText",
                                            "setWindowTitle",
                                            "setToolTip",
                                            "setStatusTip",
                                            "setWhatsThis",
                                            "setPlaceholderText",
                                            "setTitle",
                                            "addMenu",
                                            "addAction",
                                            "addTab",
                                            "setTabText",
                                            "setAccessibleName",
                                            "setAccessibleDescription",
                                            "setLabelText",
                                            "setCancelButtonText",
                                            "setInformativeText",
                                            "addItem",
                                            "insertItem",
                                            "addButton",
                                            "setHorizontalHeaderLabels",
                                            "QAction",
                                            "QLabel",
                                            "QPushButton",
                                            "QCheckBox",
                                            "QRadioButton",
                                            "QGroupBox",
                                            "QMenu",
                                            "setSuffix",
                                            "setPrefix",
                                            "setSpecialValueText"};

bool spanishLetter(const std::string& s) {
    for (const char* mark :
         {"á", "é", "í", "ó", "ú", "ü", "ñ", "Á", "É", "Í", "Ó", "Ú", "Ü", "Ñ", "¿", "¡"})
        if (s.find(mark) != std::string::npos) return true;
    return false;
}

bool looksLikeText(const std::string& body) {
    const bool space = body.find(' ') != std::string::npos;
    const bool lower =
        std::any_of(body.begin(), body.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    return (space && lower) || spanishLetter(body);
}

bool anyLetter(const std::string& body) {
    return std::any_of(body.begin(), body.end(), [](unsigned char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0x80;
    });
}

// "\n" is no letter n.
std::string withoutEscapes(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\') {
            ++i;
            continue;
        }
        out += s[i];
    }
    return out;
}

bool identChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

struct Finding {
    int line;
    std::string literal; // as spelled, quotes included
};

// The literals of one file that look like texts and are not translated.
std::vector<Finding> scan(const std::string& text) {
    std::vector<Finding> found;
    // One frame per open bracket: the name just before it ("" for none).
    std::vector<std::string> frames;
    // The type of a declaration braced at once ("PreferenceKey k{...}"), per frame.
    std::vector<std::string> declaredTypes;
    int line = 1;
    bool lineStart = true, preprocessorInclude = false;
    std::string lastIdent, identBefore;
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c == '\n') {
            ++line;
            lineStart = true;
            preprocessorInclude = false;
            continue;
        }
        if (c == '/' && i + 1 < n && text[i + 1] == '/') {
            while (i < n && text[i] != '\n')
                ++i;
            --i;
            continue;
        }
        if (c == '/' && i + 1 < n && text[i + 1] == '*') {
            i += 2;
            while (i + 1 < n && !(text[i] == '*' && text[i + 1] == '/')) {
                if (text[i] == '\n') ++line;
                ++i;
            }
            ++i;
            continue;
        }
        if (lineStart && c == '#') {
            const auto end = text.find('\n', i);
            const std::string directive = text.substr(i, end - i);
            preprocessorInclude = directive.find("include") != std::string::npos;
        }
        if (c != ' ' && c != '\t') lineStart = false;
        if (c == '\'') {
            // A digit separator (1'000) is no character literal.
            if (i > 0 && identChar(text[i - 1]) &&
                std::isdigit(static_cast<unsigned char>(text[i - 1])))
                continue;
            ++i;
            while (i < n && text[i] != '\'')
                i += text[i] == '\\' ? 2 : 1;
            continue;
        }
        if (c == '"') {
            const bool raw = i > 0 && text[i - 1] == 'R';
            const std::size_t start = i;
            const int startLine = line;
            if (raw) {
                const auto open = text.find('(', i);
                const std::string close = ")" + text.substr(i + 1, open - i - 1) + "\"";
                const auto end = text.find(close, open);
                for (std::size_t k = i; k < end; ++k)
                    line += text[k] == '\n';
                i = end + close.size() - 1;
            } else {
                ++i;
                while (i < n && text[i] != '"')
                    i += text[i] == '\\' ? 2 : 1;
            }
            const std::string spelled = text.substr(start, i - start + 1);
            const std::string body = withoutEscapes(spelled.substr(1, spelled.size() - 2));
            if (preprocessorInclude) continue;
            std::size_t f = frames.size();
            while (f > 0 && kWrappers.count(frames[f - 1]))
                --f;
            const std::string call = f > 0 ? frames[f - 1] : "";
            const std::string type = f > 0 ? declaredTypes[f - 1] : "";
            if (kTranslating.count(call) || kNeverText.count(call) || kNeverText.count(type))
                continue;
            // JSON written for programs: a quoted member name before its colon.
            if (spelled.find("\\\":") != std::string::npos) continue;
            if (looksLikeText(body) || (kWidgetTexts.count(call) && anyLetter(body)))
                found.push_back({startLine, spelled});
            lastIdent.clear();
            identBefore.clear();
            continue;
        }
        if (identChar(c)) {
            std::size_t j = i;
            while (j < n && identChar(text[j]))
                ++j;
            identBefore = lastIdent;
            lastIdent = text.substr(i, j - i);
            i = j - 1;
            continue;
        }
        if (c == '(' || c == '{' || c == '[') {
            frames.push_back(lastIdent);
            declaredTypes.push_back(c == '{' ? identBefore : "");
        } else if ((c == ')' || c == '}' || c == ']') && !frames.empty()) {
            frames.pop_back();
            declaredTypes.pop_back();
        }
        if (c != ' ' && c != '\t' && c != '\r') lastIdent.clear(), identBefore.clear();
    }
    return found;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: untranslated_literals SOURCE_ROOT ALLOW_LIST\n";
        return 2;
    }
    const fs::path root = argv[1];
    std::vector<AllowEntry> allow = readAllowList(argv[2]);
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root / "src")) {
        const auto ext = entry.path().extension();
        if (entry.is_regular_file() && (ext == ".cpp" || ext == ".h"))
            files.push_back(fs::relative(entry.path(), root).string());
    }
    std::sort(files.begin(), files.end());
    int faults = 0;
    for (const std::string& file : files) {
        bool wholeFile = false;
        for (AllowEntry& e : allow)
            if (e.literal.empty() && fnmatch(e.pattern.c_str(), file.c_str(), 0) == 0)
                wholeFile = e.used = true;
        if (wholeFile) continue;
        std::ifstream in(root / file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        for (const Finding& f : scan(text.str())) {
            bool allowed = false;
            for (AllowEntry& e : allow)
                if (!e.literal.empty() && e.literal == f.literal &&
                    fnmatch(e.pattern.c_str(), file.c_str(), 0) == 0)
                    allowed = e.used = true;
            if (allowed) continue;
            std::cout << file << ":" << f.line << ": untranslated " << f.literal << "\n";
            ++faults;
        }
    }
    for (const AllowEntry& e : allow) {
        if (e.used) continue;
        std::cout << argv[2] << ":" << e.line << ": matches nothing: " << e.pattern
                  << (e.literal.empty() ? "" : " ") << e.literal << "\n";
        ++faults;
    }
    return faults == 0 ? 0 : 1;
}
