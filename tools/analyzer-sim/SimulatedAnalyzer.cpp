#include "SimulatedAnalyzer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::size_t kMaxCommandLength = 1024;
constexpr std::size_t kEndlessPiece = 4096;
constexpr double kPi = 3.141592653589793;

std::string Printed(const char* format, double a, double b, double c = 0)
{
    char text[512];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

} // namespace

CSimulatedAnalyzer::CSimulatedAnalyzer(AnalyzerBehaviour behaviour) : behaviour_(std::move(behaviour)) {}

bool CSimulatedAnalyzer::KnownModel() const
{
    const std::string name = behaviour_.identification.substr(0, 6);
    return name == "QV7100" || name == "QV7101" || name == "QV7102";
}

bool CSimulatedAnalyzer::Receive(char byte)
{
    if (behaviour_.silent) return false;
    // A busy analyzer hears nothing but the stop, and that only after the
    // lines it has under way.
    if (sweeping_ && behaviour_.stopLag > 0) {
        if (byte == '\r') {
            sweepEnd_ = static_cast<int>(std::min<long long>(sweepEnd_, 0LL + nextPoint_ + behaviour_.stopLag));
        }
        return false;
    }
    if (command_.empty()) {
        switch (byte) {
        case 'V':
            answers_.clear();
            sweeping_ = false;
            inEndlessLine_ = false;
            Answer(behaviour_.identification);
            return true;
        case 'G':
        case 'N':
            linear_ = byte == 'N';
            Answer("OK");
            sweeping_ = true;
            nextPoint_ = 0;
            sweepEnd_ = points_;
            return false;
        case '\r':
            if (sweeping_) {
                sweeping_ = false;
                Answer("END");
            }
            return false;
        default:
            break;
        }
    }
    if (byte == '\r') {
        HandleLine(command_);
        command_.clear();
    } else if (command_.size() < kMaxCommandLength) {
        command_ += byte;
    } else {
        command_.clear();
    }
    return false;
}

void CSimulatedAnalyzer::HandleLine(const std::string& command)
{
    const char letter = command.empty() ? '\0' : command.front();
    const char* value = command.c_str() + (command.empty() ? 0 : 1);
    switch (letter) {
    case 'S':
        start_ = std::strtod(value, nullptr);
        break;
    case 'E':
        end_ = std::strtod(value, nullptr);
        break;
    case 'P':
        points_ = std::atoi(value);
        break;
    case 'F':
        answers_.push_back({{}, true, std::strtod(value, nullptr)});
        return;
    default:
        if (command == "recZ") break;
        return;
    }
    if (KnownModel()) Answer("OK");
}

void CSimulatedAnalyzer::Answer(const std::string& text) { answers_.push_back({text + behaviour_.lineEnd}); }

std::string CSimulatedAnalyzer::EndlessPiece() const
{
    return std::string(behaviour_.lineDelay.count() > 0 ? 1 : kEndlessPiece, 'x');
}

std::string CSimulatedAnalyzer::Measure(double megahertz)
{
    ++measurementLines_;
    if (behaviour_.endlessLine) {
        inEndlessLine_ = true;
        return EndlessPiece();
    }
    if (measurementLines_ == behaviour_.garbageAt) return "#?!garbage" + behaviour_.lineEnd;
    const std::complex<double> z =
        ImpedanceAt(behaviour_.impedance, megahertz * 1e6) + behaviour_.drift * (measurementLines_ - 1);
    const bool partial = measurementLines_ == behaviour_.partialAt;
    if (KnownModel()) {
        const char* format = partial ? "%.0f" : "%.0f,%.6f,%.6f";
        return Printed(format, megahertz * 1e6, z.real(), z.imag()) + behaviour_.lineEnd;
    }
    return Printed(partial ? "%.6f" : "%.6f A%.6f", std::abs(z), std::arg(z) * 180 / kPi) + behaviour_.lineEnd;
}

double CSimulatedAnalyzer::SweepFrequency(int index) const
{
    if (points_ <= 1) return start_;
    if (linear_) return start_ + (end_ - start_) / (points_ - 1) * index;
    return std::exp(std::log(start_) + (std::log(end_) - std::log(start_)) / (points_ - 1) * index);
}

bool CSimulatedAnalyzer::HasOutput() const { return inEndlessLine_ || sweeping_ || !answers_.empty(); }

bool CSimulatedAnalyzer::NextIsMeasurement() const
{
    if (inEndlessLine_) return true;
    if (!answers_.empty()) return answers_.front().measurement;
    return sweeping_ && nextPoint_ < sweepEnd_;
}

std::string CSimulatedAnalyzer::TakeOutput()
{
    if (inEndlessLine_) return EndlessPiece();
    if (!answers_.empty()) {
        const Pending next = std::move(answers_.front());
        answers_.pop_front();
        return next.measurement ? Measure(next.megahertz) : next.text;
    }
    if (!sweeping_) return {};
    if (nextPoint_ < sweepEnd_) return Measure(SweepFrequency(nextPoint_++));
    sweeping_ = false;
    return "END" + behaviour_.lineEnd;
}
