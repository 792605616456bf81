#include "common/rounding.h"

#include "common/failure.h"

#include <QString>
#include <charconv>
#include <cmath>
#include <string>

namespace zuvo {

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    // remainder() picks the nearest whole number with ties to even, exactly.
    return value - std::remainder(value, 1.0);
}

namespace {

// Adds one to the last digit of a string of decimal digits, carrying leftwards.
void incrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

// Rounds the shortest decimal text of the value (what the user typed: 0.285, not
// 0.28499999...) so that halves are recognised as halves.
double roundHalfEven2(double value)
{
    if (!std::isfinite(value))
        return value;
    char buffer[400];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::fixed);
    if (written.ec != std::errc())
        return value;
    const std::string text(buffer, written.ptr);
    const std::size_t dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    const std::string fraction = dot == std::string::npos ? std::string() : text.substr(dot + 1);
    if (fraction.size() <= 2)
        return value;

    std::string digits = whole + fraction.substr(0, 2);
    const char first = fraction[2];
    const bool moreAfterFirst = fraction.find_first_not_of('0', 3) != std::string::npos;
    const bool lastIsOdd = (digits.back() - '0') % 2 == 1;
    if (first > '5' || (first == '5' && (moreAfterFirst || lastIsOdd)))
        incrementDigits(digits);

    const std::string rounded = digits.substr(0, digits.size() - 2) + '.' + digits.substr(digits.size() - 2);
    double result = 0;
    std::from_chars(rounded.data(), rounded.data() + rounded.size(), result);
    return std::signbit(value) ? -result : result;
}

std::int16_t toInt16HalfEven(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
        throw Failure(QStringLiteral("Il valore %1 non è un numero intero fra -32768 e 32767.")
                          .arg(QString::number(value, 'g', 15)));
    }
    return static_cast<std::int16_t>(rounded);
}

} // namespace zuvo
