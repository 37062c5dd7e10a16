// The entity store: entity number -> entity text, read-only for the views.
#pragma once

#include "model/TextOffsets.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

class CEntityStore {
public:
    struct Entry {
        std::int32_t nNumber;
        std::string_view strText;
    };
    // A number under which more than one text was stored.
    struct Repeat {
        std::int32_t nNumber;
        std::size_t nTexts;
    };

    std::size_t GetCount() const { return m_aOrder.size(); }
    bool IsEmpty() const { return m_aOrder.empty(); }
    bool Contains(std::int32_t n) const { return TextIndexOf(n) != kNone; }
    // The text stored under n; false when there is none.
    bool Lookup(std::int32_t n, std::string_view& strText) const;
    // The entry at position i (0 <= i < GetCount()) of the iteration order:
    // buckets ((number >> 4, unsigned) modulo 100001) ascending, the most
    // recently inserted number first within a bucket. The inverse index
    // lists referrers in this order, so it is visible to the user.
    Entry GetAt(std::size_t i) const { return {m_aOrder[i], TextAt(TextIndexOf(m_aOrder[i]))}; }

    // What keeps the texts alive: Lookup and GetAt give views of it, valid
    // for as long as this is held, also after the store moves on to another
    // file. The views keep it while their items show the texts.
    std::shared_ptr<const void> GetTextOwner() const { return m_pText; }

    // The texts of a file in file order: text i is
    // pText[aTextStart[i], aTextStart[i + 1]), to be stored under aNumbers[i].
    struct FileTexts {
        std::shared_ptr<const char[]> pText;
        CTextOffsets aTextStart{0};
        std::vector<std::int32_t> aNumbers;
    };

    // The numbers stored more than once, ascending, with how many texts each
    // was given (the last one is kept).
    const std::vector<Repeat>& GetRepeats() const { return m_aRepeats; }

    void RemoveAll();
    // Replaces the contents with the texts of a file. A later text under the
    // same number replaces the earlier one, which keeps its place in the order.
    void Assign(FileTexts texts);

private:
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

    std::string_view TextAt(std::uint32_t nText) const
    {
        const std::uint64_t nStart = m_aTextStart[nText];
        return {m_pText.get() + nStart, static_cast<std::size_t>(m_aTextStart[nText + 1] - nStart)};
    }
    // The index of the text stored under n, or kNone.
    std::uint32_t TextIndexOf(std::int32_t n) const
    {
        if (static_cast<std::uint32_t>(n) < m_aTextOf.size())
            return m_aTextOf[static_cast<std::uint32_t>(n)];
        return SparseTextIndexOf(n);
    }
    std::uint32_t SparseTextIndexOf(std::int32_t n) const;
    std::uint32_t& SlotOf(std::int32_t n);
    void NoteRepeat(std::int32_t n);
    // The iteration order holds: buckets ascending, each entry a number
    // with a text.
    bool OrderHolds() const;
    void SortRepeats();

    // The texts of the file as they were read (see FileTexts); the numbers
    // they were read under are given up once the tables below are made.
    std::shared_ptr<const char[]> m_pText;
    CTextOffsets m_aTextStart{0};
    // The entries' numbers in iteration order.
    std::vector<std::int32_t> m_aOrder;
    // The text of each number: a table below its size, a hash above.
    std::vector<std::uint32_t> m_aTextOf;
    std::unordered_map<std::int32_t, std::uint32_t> m_mapSparseText;
    std::vector<Repeat> m_aRepeats;
};
