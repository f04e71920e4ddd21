#include "model/SaveFailure.h"

#include "model/MessageBoxes.h"

std::string SaveFailureText(const std::string& fileName, const WriteResult& result)
{
    return "Can't save the file:\n" + fileName + "\n" + result.Reason();
}

void ShowSaveFailure(const std::string& caption, const std::string& fileName, const WriteResult& result)
{
    ShowWarning(caption, SaveFailureText(fileName, result));
}
