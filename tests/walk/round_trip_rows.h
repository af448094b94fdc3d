// The brace-text round-trip table, shared with the other text forms that must read back every
// case brace text does.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bacnapi {

struct RoundTripRow {
    int32_t type;
    std::vector<std::string> texts; // canonical brace texts of values of the type
};

const std::vector<RoundTripRow>& round_trip_rows();

} // namespace bacnapi
