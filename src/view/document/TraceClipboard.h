#pragma once

#include <string>
#include <string_view>

class CTraces;

// Traces travel between document windows, and between instances of the
// program, as clipboard text: one "Traces" element on one line with a
// "Trace" element per trace, each written as a document file writes it but
// with its points as the source window displays them (with its offset and
// rotation). The clipboard itself is the caller's.

// The selected traces of the list, in list order; the empty "Traces"
// element when none is selected.
std::string TracesClipboardText(CTraces& traces);

// Whether the text is offered for pasting: characters 2 to 7 are "Traces"
// (the first, the "<" of the element, is not examined).
bool IsTracesClipboardText(std::string_view text);

// Appends a copy of every child element of the text's element to the list,
// named "Copy of " + its name, with its points stored as read. All of them or
// none: text that does not parse, or a trace that cannot be made, leaves the
// list as it was and gives false. Text without "Traces" at its place is
// refused the same way.
bool PasteTracesText(const std::string& text, CTraces& traces);
