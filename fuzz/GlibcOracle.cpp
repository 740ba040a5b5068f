#include "GlibcOracle.h"

#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

namespace {

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

} // namespace

GlibcParse glibcParse(const std::string &text)
{
    GlibcParse parse;
    char *end = nullptr;
    errno = 0;
    parse.value = strtold_l(text.c_str(), &end, cLocale());
    parse.overflow = errno == ERANGE && std::isinf(parse.value);
    parse.consumedAll = end == text.c_str() + text.size();
    return parse;
}

std::string glibcScientific(long double value, int fractionDigits)
{
    const locale_t previous = uselocale(cLocale());
    const int length = std::snprintf(nullptr, 0, "%.*Le", fractionDigits, value);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, "%.*Le", fractionDigits, value);
    uselocale(previous);
    return text;
}

} // namespace fuzz
