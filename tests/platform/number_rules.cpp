// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/platform/number_rules.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "platform/numbers.h"

namespace numberrules {

namespace {

// The grammar as a table: blanks, a sign, digits with at most one separator, blanks.
enum State { Start, Sign, Whole, Point, BarePoint, Fraction, Trailing, Reject };
enum Class { Blank, SignChar, Digit, Separator, Other };

Class classOf(char c) {
    if (c == ' ' || c == '\t')
        return Blank;
    if (c == '+' || c == '-')
        return SignChar;
    if (c >= '0' && c <= '9')
        return Digit;
    if (c == '.' || c == ',')
        return Separator;
    return Other;
}

// A number as its sign and digit strings; whole is "0" for nought, fraction has no trailing zeros.
struct Digits {
    bool negative = false;
    std::string whole = "0";
    std::string fraction;

    std::string text() const {
        return (negative ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
    }
};

Digits tidy(bool negative, std::string whole, std::string fraction) {
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    fraction.erase(std::min(fraction.find_last_not_of('0') + 1, fraction.size()));
    if (whole.empty())
        whole = "0";
    return {negative && (whole != "0" || !fraction.empty()), whole, fraction};
}

// The text's number, read digit by digit as the table walks it; nothing when the table rejects it.
std::optional<Digits> grammatical(std::string_view text) {
    static constexpr State next[7][5] = {
        /* Start     */ {Start, Sign, Whole, BarePoint, Reject},
        /* Sign      */ {Reject, Reject, Whole, BarePoint, Reject},
        /* Whole     */ {Trailing, Reject, Whole, Point, Reject},
        /* Point     */ {Trailing, Reject, Fraction, Reject, Reject},
        /* BarePoint */ {Reject, Reject, Fraction, Reject, Reject},
        /* Fraction  */ {Trailing, Reject, Fraction, Reject, Reject},
        /* Trailing  */ {Trailing, Reject, Reject, Reject, Reject},
    };
    State s = Start;
    bool negative = false;
    std::string whole, fraction;
    for (char c : text) {
        s = next[s][classOf(c)];
        if (s == Reject)
            return std::nullopt;
        if (s == Sign)
            negative = c == '-';
        else if (s == Whole)
            whole += c;
        else if (s == Fraction)
            fraction += c;
    }
    if (s != Whole && s != Point && s != Fraction && s != Trailing)
        return std::nullopt;
    return tidy(negative, whole, fraction);
}

// Half to even by sums on the digits: doubling the fraction carries a one out from a half up, and
// leaves only zeros behind at exactly a half.
Digits rounded(const Digits& x) {
    std::string doubled = x.fraction;
    int carry = 0;
    for (auto i = doubled.size(); i-- > 0;) {
        const int v = 2 * (doubled[i] - '0') + carry;
        doubled[i] = static_cast<char>('0' + v % 10);
        carry = v / 10;
    }
    const bool half = carry == 1 && doubled.find_first_not_of('0') == std::string::npos;
    const bool odd = (x.whole.back() - '0') % 2 == 1;
    std::string whole = x.whole;
    if (carry == 1 && (!half || odd)) {
        // Add one to the magnitude, from the last digit.
        int add = 1;
        for (auto i = whole.size(); i-- > 0 && add;) {
            const int v = whole[i] - '0' + add;
            whole[i] = static_cast<char>('0' + v % 10);
            add = v / 10;
        }
        if (add)
            whole.insert(whole.begin(), '1');
    }
    return tidy(x.negative, whole, "");
}

// Orders two numbers by their digits: whole parts padded to one width, fractions to another,
// then compared as strings.
int compare(const Digits& a, const Digits& b) {
    const auto zero = [](const Digits& x) { return x.whole == "0" && x.fraction.empty(); };
    const int signA = zero(a) ? 0 : a.negative ? -1 : 1, signB = zero(b) ? 0 : b.negative ? -1 : 1;
    if (signA != signB)
        return signA < signB ? -1 : 1;
    const auto wide = std::max(a.whole.size(), b.whole.size());
    const auto deep = std::max(a.fraction.size(), b.fraction.size());
    const auto padded = [&](const Digits& x) {
        return std::string(wide - x.whole.size(), '0') + x.whole + x.fraction +
               std::string(deep - x.fraction.size(), '0');
    };
    const int bySize = padded(a).compare(padded(b));
    const int order = bySize < 0 ? -1 : bySize > 0 ? 1 : 0;
    return signA < 0 ? -order : order;
}

Digits ofWhole(long long n) {
    const std::string s = std::to_string(n);
    return n < 0 ? tidy(true, s.substr(1), "") : tidy(false, s, "");
}

std::string show(std::string_view text) {
    std::string out = "\"";
    for (char c : text.substr(0, 60))
        out +=
            (c >= 32 && c < 127) ? std::string(1, c) : "\\x" + std::to_string(static_cast<unsigned char>(c));
    return out + (text.size() > 60 ? "...\"" : "\"");
}

} // namespace

std::optional<std::string> broken(std::string_view text) {
    const auto expected = grammatical(text);
    const bool numeric = mt::isNumeric(text);
    if (numeric != expected.has_value())
        return show(text) + (numeric ? " passes the numeric test" : " fails the numeric test");
    const auto value = mt::toDecimal(text);
    if (value.has_value() != numeric)
        return show(text) + (numeric ? " is numeric but has no value" : " is not numeric but has a value");
    if (!value)
        return mt::toInt16(text) ? show(text) + " is no number but has a 16-bit value"
                                 : std::optional<std::string>{};
    if (value->text() != expected->text())
        return show(text) + " reads as " + value->text() + ", its digits say " + expected->text();

    const Digits whole = rounded(*expected);
    if (mt::roundHalfEven(*value).text() != whole.text())
        return show(text) + " rounds to " + mt::roundHalfEven(*value).text() + ", not " + whole.text();
    const auto small = mt::toInt16(*value);
    const bool fits = compare(whole, ofWhole(-32768)) >= 0 && compare(whole, ofWhole(32767)) <= 0;
    if (small.has_value() != fits || (small && mt::numberText(*small) != whole.text()))
        return show(text) + " as a 16-bit number gives " + (small ? std::to_string(*small) : "nothing");
    if (mt::toInt16(text) != small)
        return show(text) + " as a 16-bit number differs between its text and its value";

    // Against whole numbers at and around it, and at the ends of the range.
    std::vector<long long> others = {0, 1, -1, 12, LLONG_MIN, LLONG_MAX, -32768, 32767};
    if (whole.whole.size() <= 18) {
        const long long n = std::stoll(whole.text());
        others.insert(others.end(), {n - 1, n, n + 1});
    }
    for (long long n : others) {
        const int order = compare(*expected, ofWhole(n));
        const auto found = *value <=> n;
        if ((found < 0) != (order < 0) || (found == 0) != (order == 0) || (*value == n) != (order == 0))
            return show(text) + " compares wrongly with " + std::to_string(n);
    }
    return std::nullopt;
}

} // namespace numberrules
