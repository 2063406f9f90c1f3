// The element buffers, started with the creation panels' defaults.
#include "app/elements/ElementState.h"

#include "elements/ULajeCustEnt.h"
#include "elements/UPilarCustEnt.h"
#include "elements/UVigaCustEnt.h"

namespace quadrilo::app {
namespace {

template <class Record, class Outcome> Record orEmpty(Outcome outcome) {
    return outcome ? *outcome : Record{};
}

} // namespace

ElementState::ElementState()
    : slab(orEmpty<TSlabData>(elements::ReadSlabPanel({}))),
      beam(orEmpty<TBeamData>(elements::ReadBeamPanel({}))),
      column(orEmpty<TColumnData>(elements::ReadColumnPanel({}))) {}

} // namespace quadrilo::app
