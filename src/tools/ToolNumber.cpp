#include "tools/ToolNumber.h"

#include "model/NumberText.h"

std::string FormatToolValue(int digits, double value) { return FormatEng(digits, value == 0 ? 0.0 : value); }
