#include "views/EntityHistory.h"

void CEntityHistory::RecordJump(const EntityPlace& left)
{
    Push(m_aBack, left);
    m_aForward.clear();
}

bool CEntityHistory::Back(const EntityPlace& current, const EntityExists& exists, EntityPlace& target)
{
    return Move(m_aBack, m_aForward, current, exists, target);
}

bool CEntityHistory::Forward(const EntityPlace& current, const EntityExists& exists, EntityPlace& target)
{
    return Move(m_aForward, m_aBack, current, exists, target);
}

void CEntityHistory::Clear()
{
    m_aBack.clear();
    m_aForward.clear();
}

bool CEntityHistory::Move(Places& from, Places& to, const EntityPlace& current, const EntityExists& exists,
                          EntityPlace& target)
{
    while (!from.empty()) {
        const EntityPlace place = from.back();
        from.pop_back();
        if (exists(place.nEntity)) {
            Push(to, current);
            target = place;
            return true;
        }
    }
    return false;
}

void CEntityHistory::Push(Places& places, const EntityPlace& place)
{
    places.push_back(place);
    if (places.size() > kMaxPlaces)
        places.pop_front();
}
