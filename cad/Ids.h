// Typed identifiers of the drawing's objects: an entity id, a layer id and a block id are
// different types, so one cannot be passed where another is expected. 0 never names an object.
#pragma once

#include <compare>
#include <cstdint>
#include <functional>

namespace quadrilo::cad {

template <typename Tag> struct Id {
    std::uint32_t value = 0;

    constexpr Id() = default;
    constexpr explicit Id(std::uint32_t v) : value(v) {}
    constexpr explicit operator bool() const { return value != 0; }
    friend constexpr auto operator<=>(Id, Id) = default;
};

using EntityId = Id<struct EntityTag>;
using LayerId = Id<struct LayerTag>;
using BlockId = Id<struct BlockTag>;
using MlineStyleId = Id<struct MlineStyleTag>;
using DimStyleId = Id<struct DimStyleTag>;

} // namespace quadrilo::cad

template <typename Tag> struct std::hash<quadrilo::cad::Id<Tag>> {
    std::size_t operator()(quadrilo::cad::Id<Tag> id) const noexcept { return id.value; }
};
