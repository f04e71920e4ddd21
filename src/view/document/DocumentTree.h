#pragma once

#include "view/document/WindowPlacement.h"

#include "view/document/PixelTypes.h"

#include <string>

class CXMLNode;
struct DocumentState;

// A name with an extension added when its last path part has none
// (extension given without the dot).
std::string WithDefaultExtension(const std::string& name, const std::string& extension);

// The name a document is written under: the name given, with ".csv" appended
// when the last part of the path has no extension.
std::string DocumentFileName(const std::string& name);

// What a document file keeps of its window rather than of the document: the
// placement in the main window's area and the sizes of the cursor table.
// Reading a height follows StoredTableHeight (TableHeight.h).
struct WindowLayout : WindowPlacement {
    int TableHeight = 0;
    int Col1 = 0; // the R and X columns of the cursor table
    int Col2 = 0;

    friend bool operator==(const WindowLayout&, const WindowLayout&) = default;
};

// Moves a document both ways between the state and the root element
// "Ombrelix", element by element: "Traces", "Window", "Screen" with one child
// per chart kind, "Table", "Labels" (with the root's "Show"), "Tools". A
// written document holds every element and attribute; reading leaves what a
// document lacks as it was and appends traces and labels. Values read that
// the window could not show (a chart kind, grid, mode or phase out of range,
// a scale that is not finite or out of bounds, a Z0 not above 0, log axes
// over values not above 0) keep what the state held. False only for a null
// root.
bool ExchangeViewState(DocumentState& document, WindowLayout& layout, CXMLNode* root);

// The document's root element filled for writing (by the same exchange, which
// leaves the state as it is when writing).
void FillDocumentTree(DocumentState& document, WindowLayout layout, CXMLNode& root);

// A placement read from a file made fit to show in the area the window lives
// in (the main window's document area, in its own coordinates), as a new
// window is placed: the state 0..2, the size between the window's minimum
// and the area's, wholly inside the area (the area has no scroll bars, so a
// window reaching out of it cannot be reached whole), the cursor table and
// its columns within the window.
void FitWindowLayout(WindowLayout& layout, const TRect& area, int minimumWidth, int minimumHeight);
