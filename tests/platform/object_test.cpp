#include "platform/object.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class CBase : public CObject {
    DECLARE_DYNAMIC(CBase)
};
IMPLEMENT_DYNAMIC(CBase, CObject)

class CDerived : public CBase {
    DECLARE_DYNAMIC(CDerived)
};
IMPLEMENT_DYNAMIC(CDerived, CBase)

TEST(RuntimeClass, NamesTheMostDerivedClassAndItsChainOfBases) {
    CDerived derived;
    const CObject& object = derived;
    EXPECT_STREQ(object.GetRuntimeClass()->m_lpszClassName, "CDerived");
    EXPECT_STREQ(object.GetRuntimeClass()->m_pBaseClass->m_lpszClassName, "CBase");
    EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CBase)));
    EXPECT_TRUE(object.IsKindOf(RUNTIME_CLASS(CObject)));

    CBase base;
    EXPECT_FALSE(base.IsKindOf(RUNTIME_CLASS(CDerived)));
    EXPECT_EQ(RUNTIME_CLASS(CObject)->m_pBaseClass, nullptr);
}

}  // namespace
