#include "link/AnswerLine.h"

#include <charconv>
#include <system_error>

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Walks through a line the way the C library's scanf does with "%lg" and
// literal characters: a number may be preceded by white space and carry a
// sign, a literal must follow at once.
class CAnswerReader {
public:
    explicit CAnswerReader(std::string_view line) : rest_(line) {}

    void SkipSpace()
    {
        while (!rest_.empty() && IsSpace(rest_.front())) rest_.remove_prefix(1);
    }

    bool Literal(char expected)
    {
        if (rest_.empty() || rest_.front() != expected) return false;
        rest_.remove_prefix(1);
        return true;
    }

    bool Number(double& value)
    {
        SkipSpace();
        std::string_view digits = rest_;
        bool negative = false;
        if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
            negative = digits.front() == '-';
            digits.remove_prefix(1);
        }
        // from_chars takes no sign of its own beyond a minus; a second sign
        // is not a number.
        if (digits.empty() || digits.front() == '+' || digits.front() == '-') return false;
        double magnitude = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
        if (error != std::errc()) return false;
        value = negative ? -magnitude : magnitude;
        rest_.remove_prefix(static_cast<std::size_t>(end - rest_.data()));
        return true;
    }

private:
    std::string_view rest_;
};

} // namespace

KnownModelAnswer ReadKnownModelAnswer(std::string_view line)
{
    KnownModelAnswer answer;
    CAnswerReader reader(line);
    if (!reader.Number(answer.frequencyHz)) return answer;
    answer.count = 1;
    if (!reader.Literal(',') || !reader.Number(answer.R)) return answer;
    answer.count = 2;
    if (!reader.Literal(',') || !reader.Number(answer.X)) return answer;
    answer.count = 3;
    return answer;
}

MagnitudeAngleAnswer ReadMagnitudeAngleAnswer(std::string_view line)
{
    MagnitudeAngleAnswer answer;
    CAnswerReader reader(line);
    if (!reader.Number(answer.magnitude)) return answer;
    answer.count = 1;
    reader.SkipSpace();
    if (!reader.Literal('A') || !reader.Number(answer.angleDegrees)) return answer;
    answer.count = 2;
    return answer;
}
