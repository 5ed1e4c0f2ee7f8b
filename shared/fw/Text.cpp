// Text functions on byte strings.
#include "shared/fw/Text.h"

#include <cmath>
#include <limits>

namespace fw {

std::string Str(std::int64_t n)
{
    return std::to_string(n);
}

double Val(std::string_view text)
{
    std::size_t i = 0;
    const auto digitAt = [&](std::size_t at) { return at < text.size() && text[at] >= '0' && text[at] <= '9'; };
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    double value = 0;
    bool any = false;
    while (digitAt(i)) {
        value = value * 10 + (text[i] - '0');
        any = true;
        ++i;
    }
    if (i < text.size() && text[i] == '.' && digitAt(i + 1)) {
        ++i;
        double scale = 0.1;
        while (digitAt(i)) {
            value += (text[i] - '0') * scale;
            scale /= 10;
            any = true;
            ++i;
        }
    }
    if (!any)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) {
            expNegative = text[j] == '-';
            ++j;
        }
        if (digitAt(j)) {
            int exponent = 0;
            while (digitAt(j)) {
                exponent = std::min(exponent * 10 + (text[j] - '0'), 10000);
                ++j;
            }
            value *= std::pow(10.0, expNegative ? -exponent : exponent);
        }
    }
    return negative ? -value : value;
}

std::int32_t ValInt32(std::string_view text)
{
    const double v = Val(text);
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(v))
        return 0;
    if (v <= lo)
        return std::numeric_limits<std::int32_t>::min();
    if (v >= hi)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(v);
}

std::vector<std::string_view> SplitFields(std::string_view text, std::string_view sep)
{
    std::vector<std::string_view> fields;
    if (text.empty())
        return fields;
    if (sep.empty()) {
        fields.push_back(text);
        return fields;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(sep, start);
        if (at == std::string_view::npos) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, at - start));
        start = at + sep.size();
    }
}

int CountFields(std::string_view text, std::string_view sep)
{
    return static_cast<int>(SplitFields(text, sep).size());
}

std::string NthField(std::string_view text, std::string_view sep, int n)
{
    if (n < 1 || text.empty())
        return {};
    if (sep.empty())
        return n == 1 ? std::string(text) : std::string();
    std::size_t start = 0;
    for (int field = 1;; ++field) {
        const std::size_t at = text.find(sep, start);
        if (field == n)
            return std::string(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos)
            return {};
        start = at + sep.size();
    }
}

std::string Left(std::string_view text, int count)
{
    if (count < 1)
        return {};
    return std::string(text.substr(0, static_cast<std::size_t>(count)));
}

std::string Right(std::string_view text, int count)
{
    if (count < 1)
        return {};
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(count));
    return std::string(text.substr(text.size() - n));
}

std::string Mid(std::string_view text, int start, int count)
{
    if (start < 1 || static_cast<std::size_t>(start) > text.size())
        return {};
    const std::size_t from = static_cast<std::size_t>(start - 1);
    return std::string(text.substr(from, count < 0 ? std::string_view::npos : static_cast<std::size_t>(count)));
}

int Len(std::string_view text)
{
    return static_cast<int>(text.size());
}

int Asc(std::string_view text)
{
    return text.empty() ? 0 : static_cast<unsigned char>(text.front());
}

std::string Chr(int code)
{
    return std::string(1, static_cast<char>(static_cast<unsigned char>(code & 0xFF)));
}

} // namespace fw
