#include "view/CloseQuestion.h"

#include "model/MessageBoxes.h"
#include "view/document/RunInProgress.h"
#include "view/document/ViewState.h"

bool MayCloseDocument(const ViewState& view, const std::function<bool()>& saveAs)
{
    if (RunIsFilling(view)) return false;
    if (!view.Modified) return true;
    switch (AskYesNoCancel("Ombrelix", "Do you want to save the changes you made to " + view.DocumentName + " ?")) {
    case MessageAnswer::Yes:
        return saveAs();
    case MessageAnswer::No:
        return true;
    case MessageAnswer::Cancel:
        break;
    }
    return false;
}
