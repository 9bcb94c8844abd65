// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario/scenario.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>

#include "platform/text.h"
#include "tools/scenario/run.h"

namespace scenario {

std::optional<std::string> parse(const std::string& text, std::vector<Line>& out) {
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        if (!mt::isUtf8(raw))
            return "line " + std::to_string(number) + ": not UTF-8 text";
        Line line{number, raw, {}, {}};
        std::size_t i = 0;
        while (i < raw.size()) {
            char c = raw[i];
            if (c == ' ' || c == '\t') {
                ++i;
            } else if (c == '#') {
                break;
            } else if (c == '"') {
                std::string word;
                ++i;
                bool closed = false;
                while (i < raw.size()) {
                    char d = raw[i++];
                    if (d == '"') {
                        closed = true;
                        break;
                    }
                    if (d == '\\' && i < raw.size()) {
                        char e = raw[i++];
                        switch (e) {
                        case 'r':
                            word += '\r';
                            break;
                        case 'n':
                            word += '\n';
                            break;
                        case 't':
                            word += '\t';
                            break;
                        case '"':
                        case '\\':
                            word += e;
                            break;
                        default:
                            return "line " + std::to_string(number) + ": unknown escape \\" + e;
                        }
                    } else {
                        word += d;
                    }
                }
                if (!closed)
                    return "line " + std::to_string(number) + ": string not closed";
                line.words.push_back(word);
                line.quoted.push_back(true);
            } else {
                std::size_t end = i;
                int depth = 0;
                // RGB(1, 2, 3) and Panels(1) stay one word even with blanks inside the brackets.
                while (end < raw.size() && (depth > 0 || (raw[end] != ' ' && raw[end] != '\t'))) {
                    if (raw[end] == '(')
                        ++depth;
                    if (raw[end] == ')')
                        --depth;
                    ++end;
                }
                line.words.push_back(raw.substr(i, end - i));
                line.quoted.push_back(false);
                i = end;
            }
        }
        if (!line.words.empty())
            out.push_back(std::move(line));
    }
    return std::nullopt;
}

std::string quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

namespace {

// Runs one scenario text; `firstLine` is the number of its first line where it stands in `name`.
Outcome runText(const std::string& name, const std::string& text, int firstLine, const Options& options,
                std::ostream& out) {
    std::vector<Line> lines;
    if (auto error = parse(text, lines)) {
        out << name << ": " << *error << "\n";
        return Outcome::Failed;
    }
    int at = 0;
    try {
        Run run(options, out);
        for (const Line& l : lines)
            if (auto why = run.inexpressible(l)) {
                out << name << ":" << l.number + firstLine - 1 << ": skipped: " << *why << "\n";
                return Outcome::Skipped;
            }
        for (const Line& l : lines) {
            at = l.number;
            run.line(l);
        }
        at = lines.empty() ? 0 : lines.back().number;
        run.finish();
    } catch (const Failure& f) {
        out << name << ":" << at + firstLine - 1 << ": " << f.message << "\n";
        return Outcome::Failed;
    } catch (const std::exception& e) {
        out << name << ":" << at + firstLine - 1 << ": error: " << e.what() << "\n";
        return Outcome::Failed;
    }
    return Outcome::Passed;
}

std::optional<std::string> readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

void Tally::add(Outcome o) {
    switch (o) {
    case Outcome::Passed:
        ++passed;
        break;
    case Outcome::Failed:
        ++failed;
        break;
    case Outcome::Skipped:
        ++skipped;
        break;
    }
}

std::string Tally::line() const {
    std::string s = std::to_string(passed) + " passed, " + std::to_string(failed) + " failed";
    if (skipped > 0)
        s += ", " + std::to_string(skipped) + " skipped";
    return s;
}

Outcome runFile(const std::string& path, const Options& options, std::ostream& out) {
    const auto text = readAll(path);
    if (!text) {
        out << path << ": cannot read the file\n";
        return Outcome::Failed;
    }
    return runText(path, *text, 1, options, out);
}

void runExamples(const std::string& path, const Options& options, std::ostream& out, Tally& tally) {
    const auto text = readAll(path);
    if (!text) {
        out << path << ": cannot read the file\n";
        tally.add(Outcome::Failed);
        return;
    }
    std::istringstream in(*text);
    int blocks = 0, number = 0, start = 0;
    bool inside = false;
    std::string block;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (!inside && line == "```scn") {
            inside = true;
            start = number + 1;
            block.clear();
        } else if (inside && line.rfind("```", 0) == 0) {
            inside = false;
            ++blocks;
            tally.add(runText(path, block, start, options, out));
        } else if (inside) {
            block += line + "\n";
        }
    }
    if (blocks == 0) {
        out << path << ": no scn examples\n";
        tally.add(Outcome::Failed);
    }
}

int checkPictures(const std::string& assetsDir, std::ostream& out) {
    mt::VirtualClock clock;
    mt::RecordingMessageBox box;
    mt::Random random;
    mt::FixedMetrics metrics;
    Maaltafels program({clock, box, random, metrics});
    int missing = 0;
    std::set<std::string> seen;
    for (const std::string& name : program.definedNames()) {
        mt::Screen& s = program.use(name);
        for (mt::Control* c : s.controls()) {
            if (c->picture().empty() || !seen.insert(c->picture()).second)
                continue;
            if (!std::filesystem::exists(assetsDir + "/" + c->picture() + ".svg")) {
                out << "missing picture: assets/" << c->picture() << ".svg (" << pathOf(*c) << ")\n";
                ++missing;
            }
        }
    }
    return missing;
}

} // namespace scenario
