// Where the user is in a document: the current entity and the row at the
// top of the upper tree. The top row is kept as the root item at or above
// it (by its entity) and the number of rows between the two, so that it
// survives unfolding elsewhere in the tree and a rebuild of the tree.
#pragma once

#include <cstdint>

struct EntityPlace {
    std::int32_t nEntity = 0;
    // The entity of the root item at or above the top row; -1: no top row
    // (an empty tree, or only its placeholder).
    std::int32_t nTopEntity = -1;
    // How many rows the top row lies below that root item's row, within the
    // root's unfolded items.
    int nTopRowsBelow = 0;
};
