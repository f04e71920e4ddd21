#include "link/ConnectionCheck.h"

#include "model/MessageBoxes.h"

#include <new>

namespace {

constexpr std::size_t kAnswerCapacity = 256;

// Empty when there is no memory for the text.
std::optional<std::string> ConnectedText(const std::string& answer)
{
    try {
        return "Connected to:\n" + answer;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace

bool CheckConnection(CAnalyzerLink& link, const SerialSettings& settings)
{
    std::optional<CPortSession> session = link.OpenPort(settings);
    if (!session) return false;
    std::string line;
    if (!session->WritePort("V") || !session->ReadAnswerLine(line, kAnswerCapacity)) return false;
    const std::optional<std::string> text = ConnectedText(line);
    if (!text) {
        // The answer came, but what the user is to see of it did not.
        ShowNoMemoryToRead();
        return false;
    }
    ShowInfo("", *text);
    return true;
}
