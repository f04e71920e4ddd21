#pragma once

#include "model/Color.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QColorDialog;

// The colour dialog every colour choice of the program goes through. It
// starts from the custom colours kept in the settings and hands them back
// with the chosen colour. The dialog itself is replaceable so that tests can
// answer it: the program uses Qt's colour dialog.

struct ColorDialogChoice {
    TColor Color = 0;
    std::string CustomColors; // comma text, as the settings keep it
};

using ColorDialogRunner =
    std::function<std::optional<ColorDialogChoice>(TColor initial, const std::string& customColors)>;

// Installs the dialog used from now on and returns the previous one; an
// empty runner restores Qt's dialog.
ColorDialogRunner InstallColorDialog(ColorDialogRunner runner);

// Runs the dialog; none when it was cancelled.
std::optional<ColorDialogChoice> RunColorDialog(TColor initial, const std::string& customColors);

// The 16 custom colours as comma text, "ColorA=8000FF,ColorB=..." with the
// colours in hexadecimal TColor order (blue, green, red); an empty slot is
// "FFFFFFFF". Reading takes the entries it recognises and leaves the other
// slots empty.
constexpr int kCustomColorCount = 16;
using CustomColorSlots = std::array<std::optional<TColor>, kCustomColorCount>;
std::string CustomColorsToText(const CustomColorSlots& colors);
CustomColorSlots CustomColorsFromText(const std::string& text);

// Qt's dialog as RunColorDialog shows it, built apart so its set-up can be
// checked without waiting for a person.
std::unique_ptr<QColorDialog> BuildColorDialog(TColor initial, const std::string& customColors);
// The custom colours that Qt's dialogs share, as comma text.
std::string QtCustomColorsText();
