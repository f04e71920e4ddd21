#pragma once

#include "view/document/DocumentTree.h"

class QRect;
class QWidget;
class TViewForm;

// The document window's placement in the main window's area and the sizes of
// its cursor table, as a document file keeps them.
WindowLayout CurrentLayout(const TViewForm& view);

// Places the window as a document file says, made fit for the main window's
// document area first, and gives it the cursor table's height kept there.
void ApplyLayout(TViewForm& view, WindowLayout layout);

// Gives a document window's frame its normal place. A frame that the area
// shows maximised (it shows every new window so while one is) stays
// maximised over the whole area, with that place to come back to.
void PlaceFrame(QWidget& frame, const QRect& place);
