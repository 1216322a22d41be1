#include "core/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace sc {
namespace {

// ---- decimal digits of a magnitude -------------------------------------------------

struct Digits {
    std::string whole;     // no leading zeros; empty for 0
    std::string fraction;  // exactly the decimals asked for after rounding

    bool isZero() const { return whole.empty() && fraction.find_first_not_of('0') == std::string::npos; }
};

Digits SplitDecimal(const std::string& text) {
    Digits d;
    const auto point = text.find('.');
    d.whole = text.substr(0, point);
    if (point != std::string::npos) d.fraction = text.substr(point + 1);
    d.whole.erase(0, std::min(d.whole.find_first_not_of('0'), d.whole.size()));
    return d;
}

Digits RoundTo(Digits d, std::size_t decimals);

// A Double is taken at 15 significant digits, as Basic shows it, and at most
// 9 decimals: the program's numbers carry 4 decimals at most, and the binary
// noise of a sum or difference of them (100.05 - 100 = 0.04999999999999716)
// must not decide a rounding. A Single keeps its shortest round-trip digits.
constexpr std::size_t kNoiseDecimals = 9;

Digits DecimalDigits(double magnitude) {
    char buffer[64];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    if (ec != std::errc()) return {};
    const std::string text(buffer, end);
    const auto e = text.find('e');
    std::string digits = text.substr(0, e);
    digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
    const long point = 1 + std::stol(text.substr(e + 1));
    const auto size = static_cast<long>(digits.size());
    std::string fixed;
    if (point <= 0)
        fixed = "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    else if (point >= size)
        fixed = digits + std::string(static_cast<std::size_t>(point - size), '0');
    else
        fixed = digits.substr(0, point) + "." + digits.substr(point);
    Digits d = SplitDecimal(fixed);
    return d.fraction.size() > kNoiseDecimals ? RoundTo(std::move(d), kNoiseDecimals) : d;
}

Digits DecimalDigits(float magnitude) {
    char buffer[128];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed);
    if (ec != std::errc()) return {};
    return SplitDecimal(std::string(buffer, end));
}

// Adds one unit in the last place of whole+fraction.
void IncrementLast(Digits& d) {
    for (auto i = d.fraction.size(); i-- > 0;) {
        if (d.fraction[i] != '9') {
            ++d.fraction[i];
            return;
        }
        d.fraction[i] = '0';
    }
    for (auto i = d.whole.size(); i-- > 0;) {
        if (d.whole[i] != '9') {
            ++d.whole[i];
            return;
        }
        d.whole[i] = '0';
    }
    d.whole.insert(d.whole.begin(), '1');
}

// Half away from zero: the digits are a magnitude, so rounding up is away from zero.
Digits RoundTo(Digits d, std::size_t decimals) {
    if (d.fraction.size() <= decimals) {
        d.fraction.append(decimals - d.fraction.size(), '0');
        return d;
    }
    const bool up = d.fraction[decimals] >= '5';
    d.fraction.resize(decimals);
    if (up) IncrementLast(d);
    return d;
}

// ---- masks ---------------------------------------------------------------------------

enum class Kind { Mandatory, Optional, Point, Literal };

struct Token {
    Kind kind;
    std::string text;  // literal text
};

struct Section {
    std::vector<Token> tokens;
    std::size_t decimals = 0;
};

// Splits on ';' outside escapes and quotes; keeps the escapes for the tokenizer.
std::vector<std::string_view> SplitSections(std::string_view mask) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const char c = mask[i];
        if (c == '"')
            quoted = !quoted;
        else if (c == '\\' && !quoted)
            ++i;
        else if (c == ';' && !quoted) {
            parts.push_back(mask.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(mask.substr(std::min(start, mask.size())));
    return parts;
}

Section ParseSection(std::string_view raw) {
    Section s;
    bool afterPoint = false;
    auto literal = [&s](std::string_view text) {
        if (!s.tokens.empty() && s.tokens.back().kind == Kind::Literal)
            s.tokens.back().text += text;
        else
            s.tokens.push_back({Kind::Literal, std::string(text)});
    };
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '\\') {
            // A lone trailing backslash shows nothing.
            if (i + 1 < raw.size()) literal(raw.substr(++i, 1));
        } else if (c == '"') {
            const auto close = raw.find('"', i + 1);
            const auto end = close == std::string_view::npos ? raw.size() : close;
            literal(raw.substr(i + 1, end - i - 1));
            i = end;
        } else if (c == '0' || c == '#') {
            s.tokens.push_back({c == '0' ? Kind::Mandatory : Kind::Optional, {}});
            if (afterPoint) ++s.decimals;
        } else if (c == '.' && !afterPoint) {
            s.tokens.push_back({Kind::Point, {}});
            afterPoint = true;
        } else {
            literal(raw.substr(i, 1));
        }
    }
    return s;
}

bool IsDigitToken(const Token& t) { return t.kind == Kind::Mandatory || t.kind == Kind::Optional; }

// Lays rounded digits into a section's placeholders.
std::string Render(const Section& s, const Digits& d) {
    const auto point =
        std::find_if(s.tokens.begin(), s.tokens.end(), [](const Token& t) { return t.kind == Kind::Point; });
    const auto pointIndex = static_cast<std::size_t>(point - s.tokens.begin());

    // Integer placeholders: mandatory from the first '0' onwards; extra digits
    // all go into the leftmost placeholder.
    std::vector<std::size_t> wholeSlots;
    std::size_t minimum = 0;
    for (std::size_t i = 0; i < pointIndex; ++i) {
        if (!IsDigitToken(s.tokens[i])) continue;
        wholeSlots.push_back(i);
        if (s.tokens[i].kind == Kind::Mandatory && minimum == 0)
            minimum = 1;
        else if (minimum > 0)
            ++minimum;
    }
    std::string whole = d.whole;
    if (whole.size() < minimum) whole.insert(0, minimum - whole.size(), '0');

    std::vector<std::string> slotText(s.tokens.size());
    std::size_t remaining = whole.size();
    for (std::size_t k = wholeSlots.size(); k-- > 0;) {
        const std::size_t take = k == 0 ? remaining : std::min<std::size_t>(remaining, 1);
        slotText[wholeSlots[k]] = whole.substr(remaining - take, take);
        remaining -= take;
    }
    // A mask like ".00" still shows the whole part before the point.
    const std::string unplaced = wholeSlots.empty() ? whole : std::string();

    // Fraction: trailing optional digits drop their zeros.
    std::vector<std::size_t> fractionSlots;
    for (std::size_t i = pointIndex; i < s.tokens.size(); ++i)
        if (IsDigitToken(s.tokens[i])) fractionSlots.push_back(i);
    std::size_t shown = fractionSlots.size();
    while (shown > 0 && s.tokens[fractionSlots[shown - 1]].kind == Kind::Optional &&
           d.fraction[shown - 1] == '0')
        --shown;
    for (std::size_t k = 0; k < shown; ++k) slotText[fractionSlots[k]] = d.fraction.substr(k, 1);

    std::string out;
    for (std::size_t i = 0; i < s.tokens.size(); ++i) {
        const Token& t = s.tokens[i];
        if (t.kind == Kind::Literal)
            out += t.text;
        else if (t.kind == Kind::Point)
            out += unplaced + '.';
        else
            out += slotText[i];
    }
    return out;
}

// A negative value shown through the positive section: a leading literal "+"
// becomes the minus sign, so "+0.0" shows -3.4 as "-3.4" rather than "-+3.4".
std::string WithMinus(std::string text) {
    if (!text.empty() && text.front() == '+')
        text.front() = '-';
    else
        text.insert(text.begin(), '-');
    return text;
}

std::optional<Section> NonEmpty(const std::vector<std::string_view>& parts, std::size_t index) {
    if (index >= parts.size() || parts[index].empty()) return std::nullopt;
    return ParseSection(parts[index]);
}

template <typename F>
std::string FormatWithMask(F value, std::string_view mask) {
    if (!std::isfinite(value)) value = 0;
    if (mask.empty()) {
        std::string text = Str(value);
        return text.front() == ' ' ? text.substr(1) : text;
    }
    const auto parts = SplitSections(mask);
    const Section positive = ParseSection(parts[0]);
    const auto negativeSection = NonEmpty(parts, 1);
    const auto zeroSection = NonEmpty(parts, 2);

    const bool negative = value < 0;
    const Digits magnitude = DecimalDigits(negative ? -value : value);
    const Section& chosen = negative && negativeSection ? *negativeSection : positive;
    const Digits rounded = RoundTo(magnitude, chosen.decimals);

    if (rounded.isZero()) {
        const Section& z = zeroSection ? *zeroSection : positive;
        return Render(z, RoundTo(Digits{}, z.decimals));
    }
    std::string text = Render(chosen, rounded);
    return negative && !negativeSection ? WithMinus(std::move(text)) : text;
}

std::string TwoDigits(int n) {
    return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

}  // namespace

std::string FormatNumber(double value, std::string_view mask) { return FormatWithMask(value, mask); }
std::string FormatNumber(float value, std::string_view mask) { return FormatWithMask(value, mask); }

namespace {
// Basic's digits: 15 significant for a Double, 7 for a Single, exponent form
// beyond them.
template <typename F>
std::string StrOf(F value, int significant) {
    if (!std::isfinite(value) || value == 0) return " 0";
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value < 0 ? -value : value,
                                   std::chars_format::general, significant);
    std::string text = ec == std::errc() ? std::string(buffer, end) : std::string("0");
    for (char& c : text)
        if (c == 'e') c = 'E';
    return (value < 0 ? "-" : " ") + text;
}
}  // namespace

std::string Str(double value) { return StrOf(value, 15); }
std::string Str(float value) { return StrOf(value, 7); }

double ReadNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::string number;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            number += c;
        else if ((c == '.' || c == ',') && !point) {
            point = true;
            number += '.';
        } else
            break;
    }
    if (number.find_first_of("0123456789") == std::string::npos) return 0;
    if (number.front() == '.') number.insert(number.begin(), '0');
    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range)
        value = std::numeric_limits<double>::max();
    else if (ec != std::errc())
        value = 0;
    return negative ? -value : value;
}

std::string FormatTimeOfDay(double seconds, std::string_view mask) {
    constexpr double kDay = 86400;
    double t = std::isfinite(seconds) ? std::fmod(seconds, kDay) : 0;
    if (t < 0) t += kDay;
    // A hair of tolerance so 3600 computed as 3599.9999999 still shows 1:00:00.
    long whole = static_cast<long>(std::floor(t + 1e-6));
    if (whole >= static_cast<long>(kDay)) whole -= static_cast<long>(kDay);
    const int parts[3] = {static_cast<int>(whole / 3600), static_cast<int>(whole / 60 % 60),
                          static_cast<int>(whole % 60)};

    std::string out;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const char c = mask[i];
        const char lower = static_cast<char>(c | 0x20);
        int part = -1;
        if (lower == 'h')
            part = 0;
        else if (lower == 'm' || lower == 'n')
            part = 1;
        else if (lower == 's')
            part = 2;
        if (part >= 0) {
            std::size_t run = 1;
            while (i + run < mask.size() && (mask[i + run] | 0x20) == lower) ++run;
            i += run - 1;
            out += run >= 2 ? TwoDigits(parts[part]) : std::to_string(parts[part]);
        } else if (c == '\\') {
            if (i + 1 < mask.size()) out += mask[++i];
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace sc
