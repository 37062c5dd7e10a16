// What is in a loaded file: how many entities of each type, and the faults an
// exporter can leave that the trees pass over in silence: references to
// numbers that no entity has, numbers defined more than once (the last text
// is the one kept), entities that nothing refers to and that refer to
// nothing. All of it is worked out on request from what the load and the
// inverse computation left behind, so neither of them does any work for it.
//
// Entry 0 of the store holds the file's header, which is no entity unless the
// file has a line #0=; references written in the header are not counted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class CKantorDoc;

struct EntityTypeCount {
    std::string_view strType; // points into the document's texts
    std::size_t nCount;
};

struct MissingReference {
    std::int32_t nReferrer;
    std::int32_t nNumber;
};

struct DuplicateNumber {
    std::int32_t nNumber;
    std::size_t nTimes;
};

// One row of the list of problems: an entity and what is wrong with it.
struct FileProblem {
    enum class Kind {
        Missing, // nEntity refers to nDetail, which no entity has
        Duplicate, // nEntity is defined nDetail times
        Isolated, // nothing refers to nEntity and it refers to nothing
    };
    Kind kind;
    std::int32_t nEntity;
    std::int64_t nDetail;
};

// The type of an entity text: the word (ASCII letters, digits and '_') after
// the '=' of its start line and any blanks, as written; empty when there is none.
std::string_view EntityTypeOf(std::string_view strText);

// Whether the file defines entity n.
bool IsEntity(const CKantorDoc& doc, std::int32_t n);
std::size_t CountEntities(const CKantorDoc& doc);
// Every type with its count, ordered by name byte by byte.
std::vector<EntityTypeCount> CountEntityTypes(const CKantorDoc& doc);
// The entities of one type, in ascending number.
std::vector<std::int32_t> EntitiesOfType(const CKantorDoc& doc, std::string_view strType);
// The numbers defined more than once, ascending, with how often.
std::vector<DuplicateNumber> FindDuplicateNumbers(const CKantorDoc& doc);

// These two read the inverse index: complete once GetInversePercent() is 100,
// before that they answer for the entities scanned so far.
//
// Each entity with each number it refers to that no entity has, once, ordered
// by referrer and then by number.
std::vector<MissingReference> FindMissingReferences(const CKantorDoc& doc);
// The entities that no entity refers to and whose text refers to no number,
// in ascending number.
std::vector<std::int32_t> FindIsolatedEntities(const CKantorDoc& doc);

// All problems in ascending entity number (for one entity: missing numbers
// ascending, then its duplication, then its isolation); isolated entities only
// when asked for.
std::vector<FileProblem> ListProblems(const CKantorDoc& doc, bool bIsolated);
