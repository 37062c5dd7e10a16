// CEntityHistory: the places the user jumped away from and back, as a web
// browser keeps its pages. A jump records the place it leaves and forgets
// the places ahead; Back and Forward move between the two lists, skipping
// places whose entity is gone.
#pragma once

#include "views/EntityPlace.h"

#include <cstddef>
#include <deque>
#include <functional>

class CEntityHistory {
public:
    // Whether an entity is still there to go back to.
    using EntityExists = std::function<bool(std::int32_t)>;

    // The oldest places are dropped beyond this many in either direction.
    static constexpr std::size_t kMaxPlaces = 1000;

    // A jump away from `left`: it goes behind, the places ahead are gone.
    void RecordJump(const EntityPlace& left);
    // Moves from `current` to the nearest place behind (Back) or ahead
    // (Forward) whose entity exists; `current` goes to the other side.
    // Places passed over on the way are dropped. False, with nothing
    // changed but the dropped places, when there is none.
    bool Back(const EntityPlace& current, const EntityExists& exists, EntityPlace& target);
    bool Forward(const EntityPlace& current, const EntityExists& exists, EntityPlace& target);

    bool CanGoBack() const { return !m_aBack.empty(); }
    bool CanGoForward() const { return !m_aForward.empty(); }
    void Clear();

private:
    using Places = std::deque<EntityPlace>;
    static bool Move(Places& from, Places& to, const EntityPlace& current, const EntityExists& exists,
                     EntityPlace& target);
    static void Push(Places& places, const EntityPlace& place);

    // Nearest last.
    Places m_aBack;
    Places m_aForward;
};
