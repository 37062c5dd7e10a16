// Extracting the references of one entity text.
#include "ModelTestFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

TEST(ReferenceExtractionTest, ReferencesOfATextInTextOrder)
{
    const struct {
        const char* text;
        std::vector<std::int32_t> references;
    } rows[] = {
        {"#5=A(#6,#7,#6);", {6, 7, 6}}, // repeats stay
        {"#5=A('#12',#3);", {12, 3}},
        {"#8=A(#8);", {8}},
        {"#1=A(#007,#0);", {7, 0}},
        {"#5=A(#,#x,#);", {}}, // a hash without digits
        {"#5=A(#1,##2,# 3);", {1, 2}},
        {"#5=A,#7", {7}}, // the text ends in a reference or a hash
        {"#5=A,#7#", {7}},
        {"x#5", {5}},
        {"#5=A;", {}}, // the entity's own name, short texts
        {"#5", {}},
        {"#", {}},
        {"", {}},
        // Mend: a digit run beyond 32 bits signed is skipped, never wrapped.
        {"#1=A(#2147483648,#4294967297,#2147483647,#99999999999999999999,#3);", {2147483647, 3}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(References(row.text), row.references) << row.text;
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
