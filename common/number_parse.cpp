#include "common/number_parse.h"

#include <algorithm>
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

// The power of ten of the first significant digit of "digits[.digits][e[+|-]digits]", plus
// one: positive for a number of at least 1, 0 or less for a fraction. Only its sign and size
// matter, so a huge exponent saturates.
long long decimalMagnitude(const std::string& number)
{
    const std::size_t exponentAt = number.find('e');
    const std::string mantissa = number.substr(0, exponentAt);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string::npos)
        return 0;
    long long magnitude = first < point ? static_cast<long long>(point - first)
                                        : -static_cast<long long>(first - point - 1);
    if (exponentAt != std::string::npos) {
        long long exponent = 0;
        const bool negative = number[exponentAt + 1] == '-';
        for (std::size_t i = exponentAt + 1; i < number.size(); ++i) {
            if (number[i] >= '0' && number[i] <= '9')
                exponent = std::min(exponent * 10 + (number[i] - '0'), 1'000'000'000LL);
        }
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude;
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
        // from_chars leaves the value alone when out of range: too large, or too small.
        value = decimalMagnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative && value != 0 ? -value : value;
}

} // namespace zuvo
