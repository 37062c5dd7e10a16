// Extracting the references of one entity text.
#include "ModelTestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

TEST(ReferenceExtractionTest, ListsReferencesInTextOrderWithRepeats)
{
    EXPECT_THAT(References("#5=A(#6,#7,#6);"), ElementsAre(6, 7, 6));
    EXPECT_THAT(References("#5=A('#12',#3);"), ElementsAre(12, 3));
    EXPECT_THAT(References("#8=A(#8);"), ElementsAre(8));
    EXPECT_THAT(References("#1=A(#007,#0);"), ElementsAre(7, 0));
}

TEST(ReferenceExtractionTest, HashWithoutDigitsYieldsNothing)
{
    EXPECT_THAT(References("#5=A(#,#x,#);"), IsEmpty());
    EXPECT_THAT(References("#5=A(#1,##2,# 3);"), ElementsAre(1, 2));
}

TEST(ReferenceExtractionTest, TextEndingInAReferenceOrAHash)
{
    EXPECT_THAT(References("#5=A,#7"), ElementsAre(7));
    EXPECT_THAT(References("#5=A,#7#"), ElementsAre(7));
    EXPECT_THAT(References("x#5"), ElementsAre(5));
}

TEST(ReferenceExtractionTest, OwnNameAndShortTextsAreNotReferences)
{
    EXPECT_THAT(References("#5=A;"), IsEmpty());
    EXPECT_THAT(References("#5"), IsEmpty());
    EXPECT_THAT(References("#"), IsEmpty());
    EXPECT_THAT(References(""), IsEmpty());
}

// Mend: a digit run beyond 32 bits signed is skipped, never wrapped.
TEST(ReferenceExtractionTest, NumbersBeyond32BitsAreSkipped)
{
    EXPECT_THAT(References("#1=A(#2147483648,#4294967297,#2147483647,#99999999999999999999,#3);"),
                ElementsAre(2147483647, 3));
}

TEST(ReferenceExtractionTest, EmptiesTheArrayFirst)
{
    CEntityNumberArray arr;
    CKantorDoc::ExtractReferences("#1=A(#2,#3,#4,#5,#6);", arr);
    CKantorDoc::ExtractReferences("#1=A(#9);", arr);
    EXPECT_THAT(ToVector(arr), ElementsAre(9));
    CKantorDoc::ExtractReferences("#1=A;", arr);
    EXPECT_TRUE(arr.IsEmpty());
}

} // namespace
