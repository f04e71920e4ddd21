#pragma once

#include <functional>

struct ViewState;

// Whether a document window may close. A window that a measurement run is
// filling refuses without a word. A modified one asks whether to save its
// changes: No closes without saving, Cancel keeps the window, Yes runs
// saveAs and closes only when that saved the document (a cancelled dialog or a
// failed write keeps the window).
// Nothing is freed here, so a window whose close is later abandoned (another
// window cancelled the shut-down) stays whole.
bool MayCloseDocument(const ViewState& view, const std::function<bool()>& saveAs);
