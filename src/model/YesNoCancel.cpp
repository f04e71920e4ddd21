#include "model/YesNoCancel.h"

#include <cstdio>

namespace {

class ConsoleYesNoCancelSink final : public CYesNoCancelSink {
public:
    YesNoCancelAnswer Ask(const std::string& caption, const std::string& text) override
    {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return YesNoCancelAnswer::Cancel;
    }
};

std::unique_ptr<CYesNoCancelSink>& CurrentSink()
{
    static std::unique_ptr<CYesNoCancelSink> sink = std::make_unique<ConsoleYesNoCancelSink>();
    return sink;
}

} // namespace

std::unique_ptr<CYesNoCancelSink> InstallYesNoCancelSink(std::unique_ptr<CYesNoCancelSink> sink)
{
    if (!sink) sink = std::make_unique<ConsoleYesNoCancelSink>();
    CurrentSink().swap(sink);
    return sink;
}

YesNoCancelAnswer AskYesNoCancel(const std::string& caption, const std::string& text)
{
    return CurrentSink()->Ask(caption, text);
}
