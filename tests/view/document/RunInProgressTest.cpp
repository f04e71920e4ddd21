#include "view/document/RunInProgress.h"
#include "view/document/ViewState.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(RunInProgress, FollowsEachWindowsRunAndEndsOnceWhateverEndsIt)
{
    ViewState first;
    ViewState second;
    {
        RunInProgressScope running(first);
        EXPECT_TRUE(RunIsFilling(first));
        EXPECT_FALSE(RunIsFilling(second));
        EXPECT_TRUE(RunInProgress());
        {
            RunInProgressScope other(second);
            other.End();
            other.End();
            EXPECT_FALSE(RunIsFilling(second));
        }
        // Ending the second run twice, then leaving its scope, must not end
        // the first one.
        EXPECT_TRUE(RunInProgress());
        EXPECT_TRUE(RunIsFilling(first));
    }
    EXPECT_FALSE(RunInProgress());
    EXPECT_FALSE(RunIsFilling(first));

    EXPECT_THROW(
        {
            RunInProgressScope running(first);
            throw std::runtime_error("port lost");
        },
        std::runtime_error);
    EXPECT_FALSE(RunIsFilling(first));
    EXPECT_FALSE(RunInProgress());
}
