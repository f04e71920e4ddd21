#include "Options.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <cstdlib>
#include <string_view>
#include <vector>

const char* const kSimulatorUsage =
    "usage: ombrelix-analyzer-sim [options]\n"
    "Opens a pseudo-terminal, prints its device path and answers there like an\n"
    "impedance analyzer until it is stopped (Ctrl-C).\n"
    "\n"
    "  --id TEXT          answer to the identification (default QV7101); QV7100,\n"
    "                     QV7101 and QV7102 are the known models, any other\n"
    "                     text makes it another device with |Z| and angle answers\n"
    "  --load R           a resistor of R ohm (the default: 50)\n"
    "  --rlc R,L,C        R ohm, L henry and C farad in series (C 0: none)\n"
    "  --open-line M      an open coaxial line of M metres (50 ohm, VF 0.66)\n"
    "  --drift OHM        R grows by OHM with every measurement line\n"
    "  --log FILE         write every received byte to FILE\n"
    "  --line-end lf|cr|crlf   how answer lines end (default lf)\n"
    "misbehaviour:\n"
    "  --silent           never answer\n"
    "  --garbage-at N     measurement line N (from 1) is garbage\n"
    "  --partial-at N     measurement line N (from 1) holds only its first value\n"
    "  --hang-up-after N  hang up after N measurement lines\n"
    "  --line-delay MS    wait MS ms before each measurement line\n"
    "  --endless-line     the first measurement line never ends\n"
    "  --stop-lag N       N more sweep lines follow the stop; while it sweeps,\n"
    "                     every command but the stop is ignored\n"
    "  --stale TEXT       TEXT and a line end wait in the line before anyone\n"
    "                     opens it, like the rest of an earlier sweep\n";

namespace {

constexpr std::string_view kValueOptions[] = {
    "--id", "--load", "--rlc", "--open-line", "--drift", "--log", "--line-end", "--garbage-at", "--partial-at",
    "--hang-up-after", "--line-delay", "--stale", "--stop-lag",
};

bool ParseNumbers(const char* text, std::vector<double>& numbers, std::size_t count)
{
    numbers.clear();
    const char* rest = text;
    while (numbers.size() < count) {
        char* end = nullptr;
        numbers.push_back(std::strtod(rest, &end));
        if (end == rest) return false;
        rest = end;
        if (numbers.size() < count && *rest++ != ',') return false;
    }
    return *rest == '\0';
}

bool ParseCount(const char* text, int& value)
{
    char* end = nullptr;
    const long number = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || number < 0 || number > 1000000000) return false;
    value = static_cast<int>(number);
    return true;
}

} // namespace

std::optional<SimulatorOptions> ParseSimulatorOptions(int argc, const char* const argv[])
{
    SimulatorOptions options;
    AnalyzerBehaviour& behaviour = options.behaviour;
    std::vector<double> numbers;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        const bool takesValue = std::find(std::begin(kValueOptions), std::end(kValueOptions), option) !=
                                std::end(kValueOptions);
        if (takesValue && i + 1 >= argc) {
            std::fprintf(stderr, "%s needs a value\n%s", argv[i], kSimulatorUsage);
            return std::nullopt;
        }
        const char* value = takesValue ? argv[++i] : "";
        bool valid = true;
        int count = 0;
        if (option == "--id") {
            behaviour.identification = value;
        } else if (option == "--load") {
            valid = ParseNumbers(value, numbers, 1);
            if (valid) behaviour.impedance = {ImpedanceModel::Kind::Load, numbers[0]};
        } else if (option == "--rlc") {
            valid = ParseNumbers(value, numbers, 3);
            if (valid) behaviour.impedance = {ImpedanceModel::Kind::SeriesRLC, numbers[0], numbers[1], numbers[2]};
        } else if (option == "--open-line") {
            valid = ParseNumbers(value, numbers, 1);
            if (valid) behaviour.impedance = {ImpedanceModel::Kind::OpenLine, 0, 0, 0, numbers[0]};
        } else if (option == "--drift") {
            valid = ParseNumbers(value, numbers, 1);
            if (valid) behaviour.drift = numbers[0];
        } else if (option == "--log") {
            options.logFile = value;
        } else if (option == "--line-end") {
            const std::string_view end = value;
            behaviour.lineEnd = end == "lf" ? "\n" : end == "cr" ? "\r" : end == "crlf" ? "\r\n" : "";
            valid = !behaviour.lineEnd.empty();
        } else if (option == "--silent") {
            behaviour.silent = true;
        } else if (option == "--garbage-at") {
            valid = ParseCount(value, behaviour.garbageAt);
        } else if (option == "--partial-at") {
            valid = ParseCount(value, behaviour.partialAt);
        } else if (option == "--stop-lag") {
            valid = ParseCount(value, behaviour.stopLag);
        } else if (option == "--stale") {
            options.stale = value;
        } else if (option == "--hang-up-after") {
            valid = ParseCount(value, behaviour.hangUpAfter);
        } else if (option == "--line-delay") {
            valid = ParseCount(value, count);
            behaviour.lineDelay = std::chrono::milliseconds(count);
        } else if (option == "--endless-line") {
            behaviour.endlessLine = true;
        } else {
            std::fprintf(stderr, "unknown option %s\n%s", argv[i], kSimulatorUsage);
            return std::nullopt;
        }
        if (!valid) {
            std::fprintf(stderr, "%s: invalid value '%s'\n", argv[i - 1], value);
            return std::nullopt;
        }
    }
    return options;
}
