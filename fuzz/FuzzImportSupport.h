#pragma once

#include "model/MessageBoxes.h"
#include "model/Trace.h"
#include "view/document/Imports.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// Message boxes answered silently, so that the fuzzer's output stays its own.
class SilentMessageSink final : public CMessageSink {
public:
    void Beep(int, int) override {}
    MessageAnswer Show(MessageKind, const std::string&, const std::string&) override { return MessageAnswer::No; }
};

inline void InstallSilentMessages()
{
    static const bool installed = [] {
        InstallMessageSink(std::make_unique<SilentMessageSink>());
        return true;
    }();
    (void)installed;
}

// A frequency dialog that picks the row the first input byte names (a byte
// beyond the rows first gets the "Select frequency" warning, then row 0), or
// cancels for byte 255.
inline FrequencyChooser FuzzChooser(std::uint8_t choice)
{
    return [choice, asked = false](const FrequencyQuestion&) mutable {
        if (choice == 255) return FrequencyAnswer{};
        const int row = asked ? 0 : choice;
        asked = true;
        return FrequencyAnswer{true, row, "0", "1e+99"};
    };
}

// What every import must give: selected traces with points, flags as told.
inline void CheckImported(const ImportedTraces& result)
{
    for (const auto& trace : result.Traces) {
        if (!trace || !trace->Selected || trace->Data.Count() == 0) __builtin_trap();
        if (trace->Vip != result.HasVipTraces) __builtin_trap();
    }
    if (!result.TimeRecord && (result.HasVipTraces || result.HarmonicFrequency)) __builtin_trap();
}
