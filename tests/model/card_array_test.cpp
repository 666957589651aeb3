#include "model/card_array.h"

#include <gtest/gtest.h>

#include "support/assert_counter.h"
#include "support/test_cards.h"

namespace {

TEST(CardArray, AddAppendRemoveAtKeepOrder) {
    const CTestCards cards;
    CCardArray a = cards.ParseArray("2s 3s 4s");
    EXPECT_EQ(a.Add(cards.Parse("5s")), 3);
    a.Append(cards.ParseArray("Ah Kh"));
    EXPECT_EQ(CardsText(a), "2s 3s 4s 5s Ah Kh");
    a.RemoveAt(1);
    EXPECT_EQ(CardsText(a), "2s 4s 5s Ah Kh");
    a.SetAt(0, cards.Parse("Qd"));
    EXPECT_EQ(a.GetAt(0), a[0]);
    EXPECT_EQ(CardText(a[0]), "Qd");
    a.Append(a);
    EXPECT_EQ(a.GetSize(), 10);
    a.SetSize(12);
    EXPECT_EQ(a[11], nullptr);
    a.SetSize(2);
    EXPECT_EQ(CardsText(a), "Qd 4s");
    a.RemoveAll();
    EXPECT_TRUE(a.IsEmpty());
}

TEST(CardArray, PositionsOutsideAreReportedReadNullAndAreNotWritten) {
    const CTestCards cards;
    CAssertCounter asserts;
    CCardArray a = cards.ParseArray("2s 3s");
    EXPECT_EQ(a.GetAt(2), nullptr);
    EXPECT_EQ(a[-1], nullptr);
    a.SetAt(5, cards.Parse("Ah"));
    a.RemoveAt(2);
    EXPECT_EQ(CardsText(a), "2s 3s");
    EXPECT_EQ(asserts.Count(), 4);
}

}  // namespace
