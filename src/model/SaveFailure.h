#pragma once

#include "model/WriteResult.h"

#include <string>

// The one message for a file that could not be saved: "Can't save the
// file:" with the name, then the reason on a line of its own.
std::string SaveFailureText(const std::string& fileName, const WriteResult& result);

// Shows that message as a warning under the caption of the command.
void ShowSaveFailure(const std::string& caption, const std::string& fileName, const WriteResult& result);
