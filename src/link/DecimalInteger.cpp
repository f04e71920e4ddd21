#include "link/DecimalInteger.h"

#include "model/Exception.h"
#include "model/NumberText.h"

#include <charconv>

int ParseDecimalInt(const std::string& text)
{
    const std::string trimmed = TrimText(text);
    const char* first = trimmed.data();
    const char* last = first + trimmed.size();
    if (first != last && *first == '+') ++first;
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    // "+-1" would otherwise read as -1.
    const bool secondSign = first != trimmed.data() && first != last && *first == '-';
    if (error != std::errc() || end != last || secondSign) {
        throw Exception("'" + text + "' is not a valid integer value");
    }
    return value;
}
