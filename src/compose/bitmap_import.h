#pragma once
// File > Import > From Bitmap: choosing the file and reading it, as a 256-colour bitmap or as a
// PNG that the window system decodes, into the picture the capture dialog works on.

#include <cstdint>
#include <functional>
#include <string>

#include "compose/bmp_reader.h"

namespace pixador {

struct EditorState;

// One pixel of a picture decoded elsewhere, not premultiplied by alpha.
struct RgbaPixel {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;
};

struct DecodedPicture {
    long long width = 0;
    long long height = 0;
    // Asked only for pixels inside the 400 x 400 cut.
    std::function<RgbaPixel(int x, int y)> pixelAt;
};

// Decodes a picture file the model does not read itself (PNG); false when it cannot.
using PictureDecoder = std::function<bool(const std::string& path, DecodedPicture& picture)>;

inline constexpr const char* kBitmapFilesDescription = "Bitmap Files (*.bmp *.png)";
inline constexpr const char* kBitmapFilesPattern = "*.bmp;*.png";

// The picture as gray values (the gray table maps each value to itself): a pixel's gray is the
// palette rule's, laid over white by its alpha, so transparent pixels are white. Same 400 cut
// and width rule as the bitmap reader; image is replaced only when the outcome is Read.
BitmapOutcome BitmapFromPicture(const DecodedPicture& picture, BitmapImage& image);

// True when the file starts with the PNG signature.
bool IsPngFile(const std::string& path);

// A PNG through decodePng, anything else through ReadBitmapFile, with the reader's messages.
bool ReadPictureFile(EditorState& state, const std::string& path, BitmapImage& image,
                     const PictureDecoder& decodePng);

// Confirms the irreversible change, asks for a file and reads it. True when the capture
// dialog should open over image.
bool ImportBMP_Click(EditorState& state, BitmapImage& image, const PictureDecoder& decodePng);

}  // namespace pixador
