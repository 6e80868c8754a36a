#pragma once
// Windows bitmap files of 8 bits per pixel: what 256-colour bitmap readers, the editor's
// own import among them, open.

#include <cstdint>
#include <string>
#include <vector>

namespace pixador {

// indices: width x height palette indices, rows top to bottom. colors: up to 256 entries
// 0x00BBGGRR; the palette is always written whole, unused entries black. Rows are stored
// bottom-up, each padded to a multiple of 4 bytes. Empty for a size it cannot hold.
std::string EncodeBmp8(int width, int height, const std::vector<std::uint8_t>& indices,
                       const std::vector<std::uint32_t>& colors);

}  // namespace pixador
