#include "model/Correction.h"

#include "model/FilePath.h"
#include "model/MessageBoxes.h"
#include "model/RunSettings.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "model/XMLNode.h"

#include <charconv>
#include <cmath>
#include <filesystem>

CData ShortStandard;
CData OpenStandard;
CData LoadStandard;
double LoadStandardValue = 50.0;
std::unique_ptr<CTraces> ReferenceTraces;

namespace {

struct Complex {
    double re;
    double im;
};

Complex operator-(Complex a, Complex b) { return {a.re - b.re, a.im - b.im}; }
Complex operator*(Complex a, Complex b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }
Complex operator*(double k, Complex a) { return {k * a.re, k * a.im}; }

constexpr Complex kInfinite{kNoValue, kNoValue};

// a / d; a zero divisor gives the infinite impedance.
Complex Divide(Complex a, Complex d)
{
    const double norm = d.re * d.re + d.im * d.im;
    if (norm == 0) return kInfinite;
    const double k = 1 / norm;
    return {(a.re * d.re + a.im * d.im) * k, (a.im * d.re - a.re * d.im) * k};
}

bool SameValue(double a, double b) { return std::fabs(a - b) <= std::min(std::fabs(a), std::fabs(b)) * 1e-12; }
bool SameImpedance(Complex a, Complex b) { return SameValue(a.re, b.re) && SameValue(a.im, b.im); }

// The standard's impedance at f, when the run settings use it and it holds
// points.
bool StandardAt(bool used, CData& standard, double f, Complex& z)
{
    return used && standard.InterpolateAtFreq(z.re, z.im, f);
}

Complex Corrected(double f, Complex Z)
{
    Complex Zs{}, Zo{}, Zl{};
    const bool withShort = StandardAt(CurrentRunSettings.useShort, ShortStandard, f, Zs);
    const bool withOpen = StandardAt(CurrentRunSettings.useOpen, OpenStandard, f, Zo);
    const bool withLoad = StandardAt(CurrentRunSettings.useZ, LoadStandard, f, Zl);

    Complex z = Z;
    if (withShort) {
        if (SameImpedance(Z, Zs)) return {0, 0};
        z = Z - Zs;
    }
    if (withOpen) {
        if (SameImpedance(Z, Zo)) return kInfinite;
        z = Divide(z, Zo - Z);
        if (!withLoad) return z * Zo;
    }
    if (withLoad) {
        z = LoadStandardValue * z;
        if (withShort && SameImpedance(Zl, Zs)) return kInfinite;
        z = Divide(z, withShort ? Zl - Zs : Zl);
        if (withOpen) {
            if (SameImpedance(Zl, Zo)) return {0, 0};
            z = z * (Zo - Zl);
        }
    }
    return z;
}

void CopyPoints(CData& from, CData& to)
{
    for (int i = 0; i < from.Count(); ++i) {
        const PointRecord* point = from.GetRecord(i);
        to.Append(point->f, point->R, point->X);
    }
}

// Puts a trace of the correction file into the standard its name gives it;
// false for a name that gives none.
bool TakeStandard(CTrace& trace)
{
    double resistance = 0;
    if (trace.Name == Settings.ShortTraceName) {
        CopyPoints(trace.Data, ShortStandard);
        CurrentRunSettings.useShort = true;
    } else if (trace.Name == Settings.OpenTraceName) {
        CopyPoints(trace.Data, OpenStandard);
        CurrentRunSettings.useOpen = true;
    } else if (LoadStandardResistance(trace.Name, &resistance)) {
        LoadStandardValue = resistance;
        CopyPoints(trace.Data, LoadStandard);
        CurrentRunSettings.useZ = true;
    } else {
        return false;
    }
    return true;
}

// Replaces the standards and their flags by the traces of a read file;
// false when no trace is one of them.
bool ReadStandards(CXMLNode& root)
{
    ShortStandard.Clear();
    OpenStandard.Clear();
    LoadStandard.Clear();
    CurrentRunSettings.useShort = CurrentRunSettings.useOpen = CurrentRunSettings.useZ = false;
    bool found = false;
    for (CXMLNode* element = root.FindChild("", 0); element; element = root.FindNext()) {
        CTrace trace;
        trace.Exchange(element);
        found = TakeStandard(trace) || found;
    }
    return found;
}

} // namespace

bool LoadStandardResistance(const std::string& name, double* resistance)
{
    const char* p = name.data();
    const char* const end = p + name.size();
    while (p < end && (*p == ' ' || *p == '\t')) ++p;
    if (p < end && *p == '+') ++p;
    if (p >= end || !((*p >= '0' && *p <= '9') || *p == '.')) return false;

    double value = 0;
    const auto result = std::from_chars(p, end, value, std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value) || value <= 0) return false;
    if (resistance) *resistance = value;
    return true;
}

std::string CorrectionFilePath(const std::string& name) { return PathInFolder(ProgramFolder, name); }

std::string ReferenceFilePath(const std::string& name) { return PathInFolder(ProgramFolder, name); }

std::string CorrectionNameForFile(const std::string& path, const std::string& programFolder)
{
    const std::filesystem::path file = std::filesystem::path(path).lexically_normal();
    const std::filesystem::path folder = std::filesystem::path(programFolder).lexically_normal();
    if (!programFolder.empty() && (folder / file.filename()) == file) return file.filename().string();
    return path;
}

void LoadCorrection(bool interactive)
{
    if (Settings.CorrectionFileName.empty()) return;
    const std::string path = CorrectionFilePath(Settings.CorrectionFileName);
    const bool alarm = interactive || !Settings.CorrectionAlarmOff;
    CXMLNode root("Traces");
    if (!root.LoadFromFile(path)) {
        if (alarm) ShowWarning("", "Can't load correction file:\n" + path);
        return;
    }
    // The standards are gone now; a file that names none of them leaves the
    // next run uncorrected, which the user must not learn from the results.
    if (!ReadStandards(root) && alarm) ShowWarning("", "No short, open or load trace in the correction file:\n" + path);
}

void ApplyCorrection(double& correctedR, double& correctedX, double f, double R, double X)
{
    Complex z = Corrected(f, {R, X});
    if (!std::isfinite(z.re) || !std::isfinite(z.im)) z = kInfinite;
    correctedR = z.re;
    correctedX = z.im;
}

void LoadReference(bool interactive)
{
    if (ReferenceTraces) {
        ReferenceTraces.reset();
        Settings.ReferenceTraceIndex = -1;
    }
    if (Settings.ReferenceFileName.empty()) return;

    CXMLNode root("Ombrelix");
    if (!root.LoadFromFile(ReferenceFilePath(Settings.ReferenceFileName))) {
        if (interactive || !Settings.ReferenceAlarmOff) ShowWarning("Open reference", "Cannot open reference file");
        return;
    }
    CXMLNode* list = root.Child("Traces");
    if (!list) return;
    ReferenceTraces = std::make_unique<CTraces>();
    for (CXMLNode* element = list->FindChild("", 0); element; element = list->FindNext()) {
        auto trace = std::make_unique<CTrace>();
        trace->Exchange(element);
        ReferenceTraces->Add(std::move(trace));
    }
}

double SquaredDistance(double x1, double y1, double x2, double y2)
{
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const double sum = dx * dx + dy * dy;
    return std::isnan(sum) ? 0 : sum;
}

TColor RainbowColor(int i, int n)
{
    if (n < 2) return RGBColor(0, 0, 255);
    const double t = static_cast<double>(i) / (n - 1);
    double red = 0, green = 0, blue = 0;
    if (t < 0.2) {
        green = 5 * t * 256;
        blue = 255;
    } else if (t < 0.4) {
        green = 255;
        blue = (2 - 5 * t) * 256;
    } else if (t < 0.6) {
        red = (5 * t - 2) * 256;
        green = 255;
    } else if (t < 0.8) {
        red = 255;
        green = (4 - 5 * t) * 256;
    } else {
        red = 255;
        blue = (5 * t - 4) * 256;
    }
    const auto component = [](double value) {
        const double truncated = std::trunc(value);
        return static_cast<unsigned>(truncated < 0 ? 0 : (truncated > 255 ? 255 : truncated));
    };
    return RGBColor(component(red), component(green), component(blue));
}
