// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario/answers.h"

#include <functional>
#include <string_view>

#include "platform/numbers.h"
#include "platform/screen.h"
#include "tools/scenario/run.h"

namespace scenario {

namespace {

std::optional<double> var(const mt::Screen& s, std::string_view name) {
    auto v = s.variable(name);
    if (!v)
        return std::nullopt;
    if (auto* d = std::get_if<double>(&*v))
        return *d;
    return std::nullopt;
}

std::optional<long long> product(const mt::Screen& s, std::string_view a, std::string_view b) {
    auto x = var(s, a), y = var(s, b);
    if (!x || !y)
        return std::nullopt;
    return static_cast<long long>(*x * *y);
}

// The product the product boards ask for: (laatsterij + 1) x tafel.
std::optional<long long> bordproduct(const mt::Screen& s) {
    auto rij = var(s, "laatsterij"), tafel = var(s, "tafel");
    if (!rij || !tafel)
        return std::nullopt;
    return static_cast<long long>((*rij + 1) * *tafel);
}

// A box whose answer is not simply the screen's `uitkomst` or `product`.
struct Typed {
    std::string_view screen, box;
    std::function<std::optional<long long>(const mt::Screen&)> answer;
};

const Typed typed[] = {
    {"frmmaalTE", "txtT", [](const mt::Screen& s) { return product(s, "tienwaarde", "maalgetal"); }},
    {"frmmaalTE", "txtE", [](const mt::Screen& s) { return product(s, "eenheid", "maalgetal"); }},
    {"frmmaalplus", "txtaantal1",
     [](const mt::Screen& s) -> std::optional<long long> {
         auto rij = var(s, "laatsterij");
         if (!rij)
             return std::nullopt;
         return static_cast<long long>(*rij + 1);
     }},
    {"frmmaalplus2", "txtaantal1", bordproduct},
};

// Screens on which the child answers by clicking the product in the hundred field.
constexpr std::string_view clickedInTheField[] = {"frmmaalplus2xp", "frmmaalplusalles"};

} // namespace

std::optional<std::string> expectedAnswer(const mt::TextBox& box) {
    const mt::Screen& s = box.screen();
    for (const Typed& t : typed)
        if (t.screen == s.name() && t.box == box.fullName()) {
            if (auto a = t.answer(s))
                return mt::numberText(*a);
            return std::nullopt;
        }
    // Most exercise screens keep what they wait for in `uitkomst` or `product`.
    for (std::string_view name : {"uitkomst", "product"})
        if (auto v = var(s, name))
            return mt::numberText(static_cast<long long>(*v));
    return std::nullopt;
}

std::vector<Answer> expectedAnswers(const mt::Screen& s) {
    std::vector<Answer> out;
    for (const mt::Control* c : s.tabOrder()) {
        if (c->kind() != mt::Kind::TextBox || !c->reachable())
            continue;
        const auto& box = static_cast<const mt::TextBox&>(*c);
        // A box that holds its answer already waits for nothing; typing it again may undo a check.
        if (auto a = expectedAnswer(box); a && box.text() != *a) {
            const std::string where = pathOf(*c);
            out.push_back({c, {"settext " + where + " \"\"", "type " + where + " " + quote(*a)}});
        }
    }
    for (std::string_view name : clickedInTheField)
        if (name == s.name())
            if (auto p = bordproduct(s))
                if (const mt::Control* cell = s.control("lbl100veld", static_cast<int>(*p));
                    cell && cell->reachable())
                    out.push_back({cell, {"click " + pathOf(*cell)}});
    return out;
}

} // namespace scenario
