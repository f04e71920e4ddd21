#pragma once

#include "model/XMLNode.h"
#include "view/document/DocumentTree.h"
#include "view/document/Imports.h"

#include <memory>
#include <string>
#include <string_view>

struct DocumentState;

// What a file turned out to be, judged by its content alone (a UTF-8 byte
// order mark at its start is passed over): the program's own document, a
// Varnet data file (first line ";Tolvi"), a Bird export (first line
// "Firmware Rev") or CSV text. Own means the root element "Ombrelix" is
// there; Damaged, that it is there but the document does not parse. Foreign
// is markup that is not the program's own (text whose first character after
// blanks and line breaks is "<": another program's XML, or a document whose
// root tag is damaged); it is no CSV text and is not read at all.
enum class DocumentFormat { Unreadable, Empty, Own, Damaged, Foreign, Varnet, Bird, Csv };

DocumentFormat RecognizeDocumentFormat(std::string_view text);

// The text without a leading UTF-8 byte order mark.
std::string_view WithoutByteOrderMark(std::string_view text);

struct DocumentContent {
    DocumentFormat Format = DocumentFormat::Unreadable;
    std::unique_ptr<CXMLNode> Root; // the parsed document, for Own
    ImportedTraces Imported;        // what an import read
};

// Reads a file's text: parses an own document or runs the import its format
// calls for (the imports tell their own problems). The text is released as
// soon as it is parsed.
DocumentContent ReadDocumentText(std::string text, const FrequencyChooser& chooser);

// The same from a file. A file that cannot be read ("Can't read the file:"
// with the system's reason on its last line), that does not fit in memory,
// that is a damaged document, that is foreign markup ("Can't read the file,
// or wrong file format:"), or whose CSV import, or time record import after
// a frequency was chosen, read no point ("No points could be read from the
// file:") is reported under the caption "Open"; an empty file is not.
DocumentContent ReadDocumentFile(const std::string& fileName, const FrequencyChooser& chooser);

// Puts what was read into a document (normally a new, empty one): an own
// document's state and window layout, or an import's traces with the chosen
// frequency, which also shows the V/I/phase and P kinds when the traces
// carry V, I and phase. The file name stays for the caller to set.
void ReadIntoDocument(DocumentContent& content, DocumentState& document, WindowLayout& layout);
