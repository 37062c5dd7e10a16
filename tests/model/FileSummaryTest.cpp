// The file summary on small files written for each case: types as written,
// missing numbers, numbers defined more than once, isolated entities, the
// header entry, and the walk through a set of entities.
#include "ModelTestFiles.h"

#include "model/FileSummary.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

using ::testing::ElementsAre;

namespace {

using Types = std::vector<std::pair<std::string, std::size_t>>;
using Missing = std::vector<std::pair<std::int32_t, std::int32_t>>;
using Repeated = std::vector<std::pair<std::int32_t, std::size_t>>;

// Entries of two fields as pairs, to compare with a list written out.
template <class Pairs, class Entry>
Pairs AsPairs(const std::vector<Entry>& aEntries)
{
    Pairs pairs;
    for (const auto& [first, second] : aEntries)
        pairs.emplace_back(first, second);
    return pairs;
}

class FileSummaryTest : public ::testing::Test {
protected:
    void Load(const std::string& strContent)
    {
        ASSERT_TRUE(m_doc.LoadEntityFile(m_folder.Write("summary.ifc", strContent)));
        CompleteInverse(m_doc);
    }
    Types TypeCounts() const { return AsPairs<Types>(CountEntityTypes(m_doc)); }
    Missing MissingNumbers() const { return AsPairs<Missing>(FindMissingReferences(m_doc)); }
    Repeated DuplicateNumbers() const { return AsPairs<Repeated>(FindDuplicateNumbers(m_doc)); }

    CTempFolder m_folder;
    CKantorDoc m_doc;
};

TEST_F(FileSummaryTest, TypesAreTheWordAfterTheEqualsSignAsWritten)
{
    Load("HEAD;\n#1=IFCWALL('a');\n#2= IFCWALL(#1);\n#3 =\tIfcWall (#1);\n#4=\nIFCSLAB_X1(#2);\n"
         "#5=(IFCA()IFCB());\n#6=IFCWALL;\n");
    EXPECT_EQ(TypeCounts(), (Types{{"", 1}, {"IFCSLAB_X1", 1}, {"IFCWALL", 3}, {"IfcWall", 1}}));
    EXPECT_EQ(CountEntities(m_doc), 6u);
    EXPECT_EQ((std::vector{EntitiesOfType(m_doc, "IFCWALL"), EntitiesOfType(m_doc, ""),
                           EntitiesOfType(m_doc, "IFCWAL")}),
              (std::vector<std::vector<std::int32_t>>{{1, 2, 6}, {5}, {}}));
}

TEST_F(FileSummaryTest, MissingNumbersAreListedOncePerReferrerAndNumber)
{
    Load("HEAD(#77);\n#10=A(#3,#99,#99,#0);\n#3=B(#12345678901,#2147483647);\n#4=C(#10,#98);\n");
    EXPECT_EQ(MissingNumbers(), (Missing{{3, 2147483647}, {4, 98}, {10, 0}, {10, 99}}));
    EXPECT_EQ(std::tuple(IsEntity(m_doc, 0), IsEntity(m_doc, 77), IsEntity(m_doc, 3)),
              std::tuple(false, false, true));
}

TEST_F(FileSummaryTest, NumbersDefinedMoreThanOnceKeepTheLastText)
{
    Load("HEAD;\n#5=A;\n#6=B(#5);\n#5=B;\n#7=C(#6);\n#5=C(#7);\n#7=C;\n");
    EXPECT_EQ(DuplicateNumbers(), (Repeated{{5, 3}, {7, 2}}));
    EXPECT_THAT(EntityText(m_doc, 5), ::testing::Optional(std::string("#5=C(#7);")));
    EXPECT_EQ(CountEntities(m_doc), 3u);
    EXPECT_EQ(TypeCounts(), (Types{{"B", 1}, {"C", 2}}));
}

TEST_F(FileSummaryTest, EntityZeroIsAnEntityOnlyWhenTheFileDefinesIt)
{
    Load("HEAD;\n#1=A(#0);\n");
    EXPECT_EQ(std::tuple(CountEntities(m_doc), MissingNumbers(), DuplicateNumbers()),
              std::tuple(1u, Missing{{1, 0}}, Repeated{}));

    Load("HEAD;\n#0=Z(#1);\n#1=A(#0);\n#0=Y;\n");
    EXPECT_EQ(std::tuple(CountEntities(m_doc), MissingNumbers(), DuplicateNumbers(), TypeCounts()),
              std::tuple(2u, Missing{}, Repeated{{0, 2}}, Types{{"A", 1}, {"Y", 1}}));
}

TEST_F(FileSummaryTest, IsolatedEntitiesNeitherReferNorAreReferredTo)
{
    // #2 is named only in the header and #4 only in its own text; #5 refers
    // to a missing number, #6 only to itself.
    Load("HEAD('#2');\n#1=A(#3);\n#2=B('x');\n#3=C;\n#4=D('#');\n#5=E(#50);\n#6=F(#6);\n#7=G;\n");
    EXPECT_THAT(FindIsolatedEntities(m_doc), ElementsAre(2, 4, 7));
}

TEST_F(FileSummaryTest, AFileOfOnlyHeaderHasNoEntities)
{
    Load("HEAD;\n#abc(#1)\n");
    EXPECT_EQ(
        std::tuple(CountEntities(m_doc), TypeCounts(), MissingNumbers(), FindIsolatedEntities(m_doc).size()),
        std::tuple(0u, Types{}, Missing{}, 0u));
}

TEST_F(FileSummaryTest, AWalkStepsInAscendingNumberAndWrapsAround)
{
    CEntityWalk walk;
    EXPECT_EQ(walk.Next(7), 7);
    walk.Assign("IFCWALL", {3, 8, 20});
    EXPECT_EQ(walk.GetName(), "IFCWALL");
    EXPECT_THAT((std::vector<std::int32_t>{walk.Next(0), walk.Next(3), walk.Next(9), walk.Next(20)}),
                ElementsAre(3, 8, 20, 3));
    EXPECT_THAT(
        (std::vector<std::int32_t>{walk.Previous(0), walk.Previous(3), walk.Previous(9), walk.Previous(21)}),
        ElementsAre(20, 20, 8, 20));

    Load("#1=A;\n");
    m_doc.GetEntityWalk().Assign("A", {1});
    Load("#1=A;\n");
    EXPECT_TRUE(m_doc.GetEntityWalk().IsEmpty());
}

} // namespace
