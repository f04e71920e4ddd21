// Arbitrary bytes as trace text: reading must never crash or hang, and the
// points read must survive being written and read again unchanged.

#include "model/Data.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

bool SameValue(double a, double b)
{
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) return 0;
    const int kind = data[0] % 3;
    const bool time = data[1] & 1;
    const bool vip = data[1] & 2;
    const int startLine = (data[1] >> 2) % 4;
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);

    CData points;
    const int stopped = points.FromCsvText(text, kind, startLine, 50, time, vip);
    if (stopped < startLine) __builtin_trap();

    CData again;
    again.FromCsvText(points.ToCsvText(time, vip), kTextRX, 0, 50, time, vip);
    if (again.Count() != points.Count()) __builtin_trap();
    for (int i = 0; i < points.Count(); ++i) {
        const PointRecord* a = points.GetRecord(i);
        const PointRecord* b = again.GetRecord(i);
        if (!SameValue(a->f, b->f) || !SameValue(a->R, b->R) || !SameValue(a->X, b->X) || !SameValue(a->t, b->t) ||
            !SameValue(a->V, b->V) || !SameValue(a->I, b->I) || !SameValue(a->phase, b->phase)) {
            __builtin_trap();
        }
    }
    return 0;
}
