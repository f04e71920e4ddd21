#pragma once

#include "view/document/Imports.h"

#include <string>

class TViewForm;

// Fills a new, empty document window from a file, recognised by its
// content: an own document (the window then saves back to it), or the
// traces of a Varnet, Bird or CSV import (the window then has no file name).
// Whatever happened, the window ends named after the file, unmodified, and
// shown afresh.
struct OpenedDocument {
    // false: the file's bytes could not be read, or did not fit in memory;
    // the user has been told and the file does not go to the recent files.
    bool Readable = false;
    bool TimeRecord = false; // a Varnet or Bird record was imported: the control window shows the traces
};
OpenedDocument OpenDocument(TViewForm& view, const std::string& fileName, const FrequencyChooser& chooser);
