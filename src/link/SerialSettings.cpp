#include "link/SerialSettings.h"

namespace {
constexpr std::chrono::milliseconds kDefaultTimeOut{3000};
}

std::chrono::milliseconds EffectiveTimeOut(const SerialSettings& settings)
{
    return settings.timeOut > 0 ? std::chrono::milliseconds(settings.timeOut) : kDefaultTimeOut;
}
