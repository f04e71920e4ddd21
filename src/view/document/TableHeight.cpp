#include "view/document/TableHeight.h"

#include <algorithm>

int StoredTableHeight(int stored, int current)
{
    return stored <= 0 ? current : std::max(stored, kMinimumTableHeight);
}
