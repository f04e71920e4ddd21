#include "link/ConnectionCheck.h"

#include "model/MessageBoxes.h"

#include <chrono>

namespace {

constexpr std::size_t kAnswerCapacity = 256;

bool ReadAnswerLine(CPortSession& session, std::string& line, std::chrono::milliseconds timeOut)
{
    const auto deadline = std::chrono::steady_clock::now() + timeOut;
    do {
        if (!session.ReadLine(line, kAnswerCapacity)) return false;
    } while (line.empty() && std::chrono::steady_clock::now() < deadline);
    if (!line.empty()) return true;
    ShowWarning("Read", "Time-out");
    return false;
}

} // namespace

bool CheckConnection(CAnalyzerLink& link, const SerialSettings& settings)
{
    std::optional<CPortSession> session = link.OpenPort(settings);
    if (!session) return false;
    std::string line;
    if (!session->WritePort("V") || !ReadAnswerLine(*session, line, EffectiveTimeOut(settings))) return false;
    ShowInfo("", "Connected to:\n" + line);
    return true;
}
