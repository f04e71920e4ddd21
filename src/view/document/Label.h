#pragma once

#include "view/document/PixelTypes.h"

#include <string>

class CXMLNode;

// What a Smith chart label shows (CLabel::Format), as bits.
enum LabelFormatBits {
    kLabelRX = 1,          // R and X
    kLabelZPhase = 2,      // |Z| and its phase
    kLabelVswr = 4,        // the VSWR
    kLabelVswrCircles = 8, // VSWR circles through the label
    kLabelHidden = 16,
};

// A label on the Smith chart: the impedance it marks, where it was last drawn,
// what it shows and a free text of lines.
struct CLabel {
    double Re = 50; // ohm
    double Im = 0;  // ohm
    TPoint Pos;     // written each time the label is drawn
    bool Placed = false; // Pos holds where it was drawn; a label never drawn is never hit
    int Format = kLabelRX;
    std::string Text;

    // Two-way exchange with a "Label" element: "re", "im", "format" and the
    // encoded "text"; the position is not kept. False only for a null
    // element.
    bool Exchange(CXMLNode* element);
};
