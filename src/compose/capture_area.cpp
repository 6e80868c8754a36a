#include "compose/capture_area.h"

#include <algorithm>

#include "core/editor_state.h"
#include "core/numbers.h"
#include "core/whole_sprite.h"

namespace pixador {

namespace {

constexpr int kMaxCaptureRows = 256;

// A typed number rounded halves to even and held to lo..hi (clamped before the conversion, so
// any number of digits is safe).
int TypedValue(std::string_view text, int lo, int hi)
{
    return static_cast<int>(std::clamp(RoundHalfEven(LeadingNumber(text)), double(lo), double(hi)));
}

std::string Pair(int a, int b)
{
    return std::to_string(a) + "," + std::to_string(b);
}

}  // namespace

BitmapCapture::BitmapCapture(const EditorState& state, BitmapImage image) : state_(state), image_(std::move(image))
{
    HBox_Change(std::to_string(image_.height));
    WBox_Click(2);
}

std::string BitmapCapture::OriginText() const
{
    return Pair(xStart, yStart);
}

std::string BitmapCapture::EndText() const
{
    return Pair(xStart + Width(), yStart + Height());
}

void BitmapCapture::AreaXStart_Change(int value)
{
    xStart = std::clamp(value, 0, std::max(XStartMax(), 0));
    CaptureArea();
}

void BitmapCapture::AreaYStart_Change(int value)
{
    yStart = std::clamp(value, 0, std::max(YStartMax(), 0));
    CaptureArea();
}

void BitmapCapture::WBox_Click(int entry)
{
    entry = std::clamp(entry, 0, 2);
    while (entry > 0 && (8 << entry) > image_.width) --entry;
    widthEntry = entry;
    AdjustBars();
    CaptureArea();
}

void BitmapCapture::HBox_Change(std::string_view text)
{
    const double v = LeadingNumber(text);
    // A rewritten box changes again and meets the rules once more, so "256" on a shorter
    // picture ends as the picture's height.
    const int tallest = std::min(kMaxCaptureRows, image_.height);
    if (v <= 0) heightText = std::to_string(1);
    else if (v > tallest) heightText = std::to_string(tallest);
    else heightText = std::string(text);
    // A fraction that rounds to 0 still captures one row.
    height_ = TypedValue(heightText, 1, std::clamp(image_.height, 1, kMaxCaptureRows));
    AdjustBars();
    CaptureArea();
}

void BitmapCapture::BrightnessBar_Change(int value)
{
    brightness = std::clamp(value, kMinBrightness, kMaxBrightness);
    brightText = std::to_string(brightness);
    CaptureArea();
}

void BitmapCapture::BrightBox_Change(std::string_view text)
{
    const double v = LeadingNumber(text);
    if (v < kMinBrightness) brightText = std::to_string(kMinBrightness);
    else if (v > kMaxBrightness) brightText = std::to_string(kMaxBrightness);
    else brightText = std::string(text);
    const int value = TypedValue(brightText, kMinBrightness, kMaxBrightness);
    // The bar follows the box, and like any bar change writes its value back.
    if (value != brightness) BrightnessBar_Change(value);
}

void BitmapCapture::AdjustBars()
{
    xStart = std::clamp(xStart, 0, std::max(XStartMax(), 0));
    yStart = std::clamp(yStart, 0, std::max(YStartMax(), 0));
}

void BitmapCapture::CaptureArea()
{
    const int w = Width();
    const int h = Height();
    planes_ = PlaneBuffer(2, w, h);
    preview_.assign(static_cast<std::size_t>(w) * h, 0);
    const LevelTable levels = LevelsForBrightness(brightness);
    const LcdColorSet& colors = state_.colorSet;
    for (int y = 0; y < h; ++y) {
        const int py = yStart + y;
        for (int x = 0; x < w; ++x) {
            const int px = xStart + x;
            // The bars keep the area inside; a picture narrower than 8 never reaches here.
            const bool inside = px < image_.width && py < image_.height;
            const GrayLevel level = inside ? levels[image_.Gray(px, py)] : kWhite;
            const DarkLight bits = GrayToPlanes(level);
            planes_.at(0, x, y) = bits.dark;
            planes_.at(1, x, y) = bits.light;
            preview_[static_cast<std::size_t>(y) * w + x] = colors[level];
        }
    }
}

void BitmapCapture::OkBMPBttn_Click(EditorState& state) const
{
    SetSpriteFromPlanes(state, planes_);
}

}  // namespace pixador
