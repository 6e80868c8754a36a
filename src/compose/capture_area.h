#pragma once
// The rules of the capture dialog: a sprite-sized area on the imported picture, its width list
// and height box, the brightness bar and box kept in step, and the area in four gray levels.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "compose/bmp_reader.h"
#include "compose/gray_mapping.h"
#include "core/sprite.h"

namespace pixador {

struct EditorState;

constexpr int kMinBrightness = -100;
constexpr int kMaxBrightness = 100;

class BitmapCapture {
public:
    // The dialog's load: width "32" stepped down to what the picture holds, height the
    // picture's (cut to 256), brightness 0, then a first capture. Colours come from state.
    BitmapCapture(const EditorState& state, BitmapImage image);

    const BitmapImage& image() const { return image_; }

    // The controls' values; the window shows them and forwards the events below.
    int widthEntry = 2;  // WBox: 0 "8", 1 "16", 2 "32"
    std::string heightText;  // HBox
    int xStart = 0;  // AreaXStart
    int yStart = 0;  // AreaYStart
    int brightness = 0;  // BrightnessBar
    std::string brightText = "0";  // BrightBox

    int Width() const { return 8 << widthEntry; }
    int Height() const { return height_; }
    // The scroll bars' maxima: the area never leaves the picture.
    int XStartMax() const { return image_.width - Width(); }
    int YStartMax() const { return image_.height - Height(); }
    // `origin` and `endlbl`: "xs,ys" and "xs+w,ys+h".
    std::string OriginText() const;
    std::string EndText() const;

    // The capture buffer (2, w, h) and the same pixels in the current colours, row by row.
    const PlaneBuffer& planes() const { return planes_; }
    const std::vector<std::uint32_t>& preview() const { return preview_; }

    void AreaXStart_Change(int value);
    void AreaYStart_Change(int value);
    void WBox_Click(int entry);
    void HBox_Change(std::string_view text);
    void BrightnessBar_Change(int value);
    void BrightBox_Change(std::string_view text);
    // Rebuilds the capture, for instance after the colour set changed.
    void CaptureArea();
    // The sprite takes the capture's size and content (the size change empties the histories).
    void OkBMPBttn_Click(EditorState& state) const;

private:
    void AdjustBars();

    const EditorState& state_;
    BitmapImage image_;
    int height_ = 1;
    PlaneBuffer planes_;
    std::vector<std::uint32_t> preview_;
};

}  // namespace pixador
