#pragma once

#include <string>

class CXMLNode;
struct DocumentState;

// The name a document is written under: the name given, with ".csv" appended
// when the last part of the path has no extension.
std::string DocumentFileName(const std::string& name);

// The document's root element "Ombrelix" filled for writing. It holds the
// traces, which is what a saved run must not lose; the view state is not
// written yet.
void FillDocumentTree(const DocumentState& document, CXMLNode& root);
