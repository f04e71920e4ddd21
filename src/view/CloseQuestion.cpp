#include "view/CloseQuestion.h"

#include "model/YesNoCancel.h"
#include "view/ViewState.h"

bool MayCloseDocument(const ViewState& view, const std::function<bool()>& saveAs)
{
    if (view.Busy) return false;
    if (!view.Modified) return true;
    switch (AskYesNoCancel("Ombrelix", "Do you want to save the changes you made to " + view.DocumentName + " ?")) {
    case YesNoCancelAnswer::Yes:
        return saveAs();
    case YesNoCancelAnswer::No:
        return true;
    case YesNoCancelAnswer::Cancel:
        break;
    }
    return false;
}
