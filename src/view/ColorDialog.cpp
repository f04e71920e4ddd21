#include "view/ColorDialog.h"

#include "view/canvas/ColorConversion.h"
#include "view/DialogFrame.h"

#include <QApplication>
#include <QColorDialog>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr unsigned long kEmptySlot = 0xFFFFFFFFul;

std::optional<ColorDialogChoice> RunQtColorDialog(TColor initial, const std::string& customColors)
{
    const auto dialog = BuildColorDialog(initial, customColors);
    if (dialog->exec() != QDialog::Accepted) return std::nullopt;
    return ColorDialogChoice{FromQColor(dialog->selectedColor()), QtCustomColorsText()};
}

ColorDialogRunner& CurrentRunner()
{
    static ColorDialogRunner runner = RunQtColorDialog;
    return runner;
}

} // namespace

ColorDialogRunner InstallColorDialog(ColorDialogRunner runner)
{
    if (!runner) runner = RunQtColorDialog;
    CurrentRunner().swap(runner);
    return runner;
}

std::optional<ColorDialogChoice> RunColorDialog(TColor initial, const std::string& customColors)
{
    return CurrentRunner()(initial, customColors);
}

std::string CustomColorsToText(const CustomColorSlots& colors)
{
    std::string text;
    for (int i = 0; i < kCustomColorCount; ++i) {
        char entry[32];
        if (colors[i]) {
            std::snprintf(entry, sizeof entry, "Color%c=%06X", 'A' + i, static_cast<unsigned>(*colors[i] & 0xFFFFFFu));
        } else {
            std::snprintf(entry, sizeof entry, "Color%c=%lX", 'A' + i, kEmptySlot);
        }
        if (i > 0) text += ',';
        text += entry;
    }
    return text;
}

CustomColorSlots CustomColorsFromText(const std::string& text)
{
    CustomColorSlots colors;
    std::size_t begin = 0;
    while (begin <= text.size()) {
        std::size_t end = text.find(',', begin);
        if (end == std::string::npos) end = text.size();
        const std::string entry = text.substr(begin, end - begin);
        begin = end + 1;

        if (entry.size() < 8 || entry.compare(0, 5, "Color") != 0 || entry[6] != '=') continue;
        const int index = entry[5] - 'A';
        if (index < 0 || index >= kCustomColorCount) continue;
        char* stop = nullptr;
        const unsigned long value = std::strtoul(entry.c_str() + 7, &stop, 16);
        if (*stop != '\0' || value > 0xFFFFFFul) continue;
        colors[index] = static_cast<TColor>(value);
    }
    return colors;
}

std::unique_ptr<QColorDialog> BuildColorDialog(TColor initial, const std::string& customColors)
{
    const CustomColorSlots colors = CustomColorsFromText(customColors);
    for (int i = 0; i < kCustomColorCount; ++i) {
        QColorDialog::setCustomColor(i, colors[i] ? ToQColor(*colors[i]) : QColor(Qt::white));
    }
    auto dialog = std::make_unique<QColorDialog>(ToQColor(initial), QApplication::activeWindow());
    // A desktop's own colour dialog would not take the program's frame.
    dialog->setOption(QColorDialog::DontUseNativeDialog);
    SetDialogFrame(*dialog, DialogBorder::Fixed);
    return dialog;
}

std::string QtCustomColorsText()
{
    CustomColorSlots colors;
    for (int i = 0; i < kCustomColorCount; ++i) colors[i] = FromQColor(QColorDialog::customColor(i));
    return CustomColorsToText(colors);
}
