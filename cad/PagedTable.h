// A table indexed by id that allocates only the pages of ids in use, so that a drawing whose
// ids have grown large over many regenerations (or a damaged file naming a huge id) costs
// memory for the ids it holds, not for every id ever handed out.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace quadrilo::cad {

template <class T> class PagedTable {
public:
    static constexpr std::uint32_t PageBits = 12;
    static constexpr std::uint32_t PageSize = 1u << PageBits;

    // The slot of id, its page created (default values) when missing.
    T& at(std::uint32_t id) {
        const std::size_t page = id >> PageBits;
        if (page >= m_pages.size())
            m_pages.resize(page + 1);
        if (!m_pages[page])
            m_pages[page] = std::make_unique<std::array<T, PageSize>>();
        return (*m_pages[page])[id & (PageSize - 1)];
    }
    // The slot of id, or null when its page was never made.
    T* find(std::uint32_t id) {
        const std::size_t page = id >> PageBits;
        return page < m_pages.size() && m_pages[page] ? &(*m_pages[page])[id & (PageSize - 1)]
                                                      : nullptr;
    }
    const T* find(std::uint32_t id) const {
        const std::size_t page = id >> PageBits;
        return page < m_pages.size() && m_pages[page] ? &(*m_pages[page])[id & (PageSize - 1)]
                                                      : nullptr;
    }
    // One past the largest id that may hold a value.
    std::uint32_t bound() const { return static_cast<std::uint32_t>(m_pages.size()) << PageBits; }
    void clear() { m_pages.clear(); }

private:
    std::vector<std::unique_ptr<std::array<T, PageSize>>> m_pages;
};

} // namespace quadrilo::cad
