#pragma once

#include "bandstate.h"
#include "encoder.h"

#include <optional>
#include <string>

// The resistor's value against the standard series that its tolerance calls for.
namespace colourcode {

// "Valore normalizzato della serie E24", or what the nearest standard values are.
std::string seriesNote(const BandState& state);

// The next value of the series above or below, painted through the encoder with the same tolerance and
// coefficient. Values the colours cannot show are passed over; none when nothing is left that way.
std::optional<Encoding> stepStandardValue(const BandState& state, bool up);

} // namespace colourcode
