// Element records read from and written to their entities.
#include "elements/ElementEntity.h"

#include "common/RecordCodec.h"
#include "common/StringUtils.h"

namespace quadrilo::elements {

namespace {

template <class Record>
std::optional<ElementRecord> DecodeIfSized(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != Record::Size) {
        return std::nullopt;
    }
    return Record::Decode(bytes);
}

} // namespace

Point3 TruncatedTo2(Point3 p) {
    return {TruncTo2(p.x), TruncTo2(p.y), TruncTo2(p.z)};
}

std::vector<std::uint8_t> EncodeRecord(const ElementRecord& record) {
    return std::visit([](const auto& r) { return r.Encode(); }, record);
}

std::optional<ElementRecord> DecodeElementRecord(const EntityView& entity) {
    switch (KindOfCode(entity.kind)) {
    case ElementKind::Slab:
        return DecodeIfSized<TSlabData>(entity.record);
    case ElementKind::Beam:
        return DecodeIfSized<TBeamData>(entity.record);
    case ElementKind::Column:
        return DecodeIfSized<TColumnData>(entity.record);
    case ElementKind::Wall:
        return DecodeIfSized<TWallData>(entity.record);
    case ElementKind::NodalLoad:
        return DecodeIfSized<TLoadData>(entity.record);
    default:
        return std::nullopt;
    }
}

std::optional<ElementRecord> RecordWithOwnEntityId(const EntityView& entity) {
    auto record = DecodeElementRecord(entity);
    if (!record) {
        return std::nullopt;
    }
    return std::visit(
        [&](auto& r) -> std::optional<ElementRecord> {
            if constexpr (requires { r.EntityID; }) {
                if (r.EntityID != entity.id) {
                    r.EntityID = entity.id;
                    return r;
                }
            }
            return std::nullopt;
        },
        *record);
}

} // namespace quadrilo::elements
