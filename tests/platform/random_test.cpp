#include <gtest/gtest.h>

#include "support/assert_counter.h"
#include "support/scripted_random_source.h"

namespace {

TEST(RandomSource, AScriptedSourceServesItsScopeIgnoresSeedsAndReportsRunningDry) {
    CScriptedRandomSource scripted{5, 32767};
    {
        CRandomSourceScope scope(&scripted);
        AfxSeedRand(99);
        EXPECT_EQ(AfxRand(), 5);
        EXPECT_EQ(AfxRand(), 32767);
        CAssertCounter asserts;
        EXPECT_EQ(AfxRand(), 0);
        EXPECT_EQ(asserts.Count(), 1);
    }
    AfxRand();  // back on the built-in source
    EXPECT_EQ(scripted.Taken(), 2);
}

}  // namespace
