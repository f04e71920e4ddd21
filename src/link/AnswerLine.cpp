#include "link/AnswerLine.h"

#include "model/DecimalDigits.h"
#include "model/TraceNumber.h"

namespace {

// Walks through a line the way the C library's scanf does with "%lg" and
// literal characters: a number may be preceded by white space and carry a
// sign, a literal must follow at once.
class CAnswerReader {
public:
    explicit CAnswerReader(std::string_view line) : rest_(line) {}

    void SkipSpace()
    {
        while (!rest_.empty() && IsScanfSpace(rest_.front())) rest_.remove_prefix(1);
    }

    bool Literal(char expected)
    {
        if (rest_.empty() || rest_.front() != expected) return false;
        rest_.remove_prefix(1);
        return true;
    }

    bool Number(double& value)
    {
        const char* end = ReadScanfDouble(rest_.data(), rest_.data() + rest_.size(), value);
        if (!end) return false;
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
