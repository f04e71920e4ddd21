#include "link/ConnectionCheck.h"

#include "model/MessageBoxes.h"

namespace {

constexpr std::size_t kAnswerCapacity = 256;

} // namespace

bool CheckConnection(CAnalyzerLink& link, const SerialSettings& settings)
{
    std::optional<CPortSession> session = link.OpenPort(settings);
    if (!session) return false;
    std::string line;
    if (!session->WritePort("V") || !session->ReadAnswerLine(line, kAnswerCapacity)) return false;
    ShowInfo("", "Connected to:\n" + line);
    return true;
}
