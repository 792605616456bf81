#include "common/number_parse.h"

#include <charconv>
#include <limits>
#include <string>

namespace zuvo {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The characters that still matter once blanks are gone.
std::u16string withoutBlanks(QStringView text)
{
    std::u16string kept;
    kept.reserve(text.size());
    for (QChar c : text) {
        if (!isBlank(c))
            kept.push_back(c.unicode());
    }
    return kept;
}

// Appends the run of digits starting at pos; returns how many there were.
std::size_t takeDigits(const std::u16string& s, std::size_t& pos, std::string& out)
{
    const std::size_t start = pos;
    while (pos < s.size() && isDigit(QChar(s[pos])))
        out.push_back(static_cast<char>(s[pos++]));
    return pos - start;
}

} // namespace

double lenientNumber(QStringView text)
{
    const std::u16string s = withoutBlanks(text);
    std::size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-'))
        negative = s[pos++] == u'-';

    std::string number;
    std::size_t digits = takeDigits(s, pos, number);
    if (pos < s.size() && s[pos] == u'.') {
        number.push_back('.');
        ++pos;
        digits += takeDigits(s, pos, number);
    }
    if (digits == 0)
        return 0;

    // An exponent counts only when digits follow it: "12E" and "12E+" read as 12.
    if (pos < s.size() && (s[pos] == u'E' || s[pos] == u'e')) {
        std::size_t probe = pos + 1;
        std::string exponent = "e";
        if (probe < s.size() && (s[probe] == u'+' || s[probe] == u'-'))
            exponent.push_back(static_cast<char>(s[probe++]));
        if (takeDigits(s, probe, exponent) > 0)
            number += exponent;
    }

    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone when out of range: tell overflow from underflow.
        const bool tooSmall = number.find("e-") != std::string::npos;
        value = tooSmall ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative && value != 0 ? -value : value;
}

} // namespace zuvo
