#include "tests/platform/number_rules.h"

#include <cfenv>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>

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

bool grammatical(std::string_view text) {
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
    for (char c : text) {
        s = next[s][classOf(c)];
        if (s == Reject)
            return false;
    }
    return s == Whole || s == Point || s == Fraction || s == Trailing;
}

struct Reading {
    double value;
    bool tooBig;
};

// The C library's reading of the text written the C way: no blanks, no plus, a point.
Reading cReading(std::string_view text) {
    std::string t;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '+')
            t += c == ',' ? '.' : c;
    const bool negative = !t.empty() && t[0] == '-';
    std::string digits = negative ? t.substr(1) : t;
    if (digits.front() == '.')
        digits.insert(digits.begin(), '0');
    if (digits.back() == '.')
        digits += '0';
    std::istringstream in(digits);
    in.imbue(std::locale::classic());
    double v = 0;
    in >> v;
    // Out of range the stream gives the largest value, or nothing at all for a tiny one.
    const bool tooBig = in.fail() && v == std::numeric_limits<double>::max();
    if (in.fail() && !tooBig)
        v = 0;
    return {negative ? -v : v, tooBig};
}

std::string show(std::string_view text) {
    std::string out = "\"";
    for (char c : text.substr(0, 60))
        out +=
            (c >= 32 && c < 127) ? std::string(1, c) : "\\x" + std::to_string(static_cast<unsigned char>(c));
    return out + (text.size() > 60 ? "...\"" : "\"");
}

std::string str(double v) {
    std::ostringstream s;
    s.precision(17);
    s << v;
    return s.str();
}

} // namespace

std::optional<std::string> broken(std::string_view text) {
    const bool numeric = mt::isNumeric(text);
    if (numeric != grammatical(text))
        return show(text) + (numeric ? " passes the numeric test" : " fails the numeric test");
    const auto value = mt::toNumber(text);
    if (value.has_value() != numeric)
        return show(text) + (numeric ? " is numeric but has no value" : " is not numeric but has a value");
    if (!value)
        return std::nullopt;
    const Reading c = cReading(text);
    if (c.tooBig ? !std::isinf(*value) || std::signbit(*value) != std::signbit(c.value) : *value != c.value)
        return show(text) + " reads as " + str(*value) + ", the C library reads " +
               (c.tooBig ? "too big" : str(c.value));

    // Rounding to whole numbers, as the processor rounds to nearest (halves to even).
    if (std::fegetround() != FE_TONEAREST)
        return std::string("the rounding mode is not to nearest");
    const double whole = std::nearbyint(*value);
    if (std::isfinite(*value) && mt::roundHalfEven(*value) != whole)
        return show(text) + " rounds to " + str(mt::roundHalfEven(*value)) + ", not " + str(whole);
    const auto small = mt::toInt16(*value);
    const bool fits = std::isfinite(whole) && whole >= -32768 && whole <= 32767;
    if (small.has_value() != fits || (small && *small != whole))
        return show(text) + " as a 16-bit number gives " + (small ? std::to_string(*small) : "nothing");
    if (small) {
        const std::string written = mt::numberText(*small);
        if (mt::toNumber(written) != double(*small) || (written.size() > 1 && written[0] == '0') ||
            written.find_first_not_of("-0123456789") != std::string::npos)
            return "the number text of " + std::to_string(*small) + " is " + show(written);
        if (mt::intPart(*value) != static_cast<long long>(std::floor(*value)))
            return show(text) + " has the whole part " + std::to_string(mt::intPart(*value));
    }
    return std::nullopt;
}

} // namespace numberrules
