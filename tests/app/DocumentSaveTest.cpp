#include "app/DocumentSave.h"
#include "view/document/DocumentTree.h"

#include <gtest/gtest.h>

namespace {

TEST(DocumentSave, ANameWithoutExtensionGetsCsv)
{
    EXPECT_EQ(DocumentFileName("/data/antenna"), "/data/antenna.csv");
    EXPECT_EQ(DocumentFileName("/data/antenna.xml"), "/data/antenna.xml");
    EXPECT_EQ(DocumentFileName("/data/run.2/antenna"), "/data/run.2/antenna.csv");
    EXPECT_EQ(DocumentFileName("antenna."), "antenna.");
}

} // namespace
