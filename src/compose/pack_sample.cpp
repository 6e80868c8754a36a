#include "compose/pack_sample.h"

#include "compose/packed_source.h"
#include "core/text_helpers.h"
#include "files/code_generator.h"
#include "files/preferences.h"

namespace pixador {

namespace {

// The background: a byte pattern per plane, so the four levels lie in stripes.
constexpr const char* kLightPattern = "0xAA";
constexpr const char* kDarkPattern = "0xCC";
constexpr const char* kBlackAndWhitePattern = "0xAA";

}  // namespace

std::string PackSampleProgram(const Preferences& prefs, const PackedFrames& p, const std::string& name,
                              const ClockTime& now)
{
    const std::string lb = kCodeLineBreak;
    const std::string I = Indent(prefs);
    const std::string II = I + I;
    const std::string III = II + I;
    const std::string upper = ToUpperAscii(name);
    const std::string h = upper + "_HEIGHT";
    const std::string draw = "Sprite" + std::to_string(p.elementBits) + " (x,y," + h + ",";
    const bool gray = !p.options.blackAndWhite;
    const bool opaqueBits = p.options.maskBits == MaskBits::Opaque;
    const FrameLayout layout = p.options.layout;
    // Sprite routines take one plane's rows one after another: interlaced rows are gathered.
    const bool gather = layout != FrameLayout::Planes;
    const std::string type = CTypeName(p.elementBits);
    const std::string maskOf = layout == FrameLayout::InterlacedMask ? "mask" : upper + "_MASK(i)";
    const std::string lightOf = gather ? "light" : upper + (gray ? "_LIGHT(i)" : "_FRAME(i)");
    const std::string darkOf = gather ? "dark" : upper + "_DARK(i)";

    std::string text = SampleProgramHead(prefs, now) + PackedCText(prefs, p, name) + lb;
    text += "/* The screen's memory has 30 bytes a row on every model. */" + lb;
    text += "static void Background (void *plane, unsigned char pattern, int y, int rows)" + lb + "{" + lb;
    text += I + "memset ((char *) plane + 30 * y, pattern, 30 * rows);" + lb + "}" + lb + lb;
    // Through the mask: clear the sprite's opaque pixels, then set its own.
    text += "static void Draw (int x, int y, " + type + " *mask, " + type + " *rows, void *plane)" + lb +
            "{" + lb;
    if (opaqueBits) {
        text += I + "/* 1 = opaque: OR then XOR clears the opaque pixels, as AND with the inverse would. */" + lb;
        text += I + draw + "mask,plane,SPRT_OR);" + lb + I + draw + "mask,plane,SPRT_XOR);" + lb;
    } else {
        text += I + draw + "mask,plane,SPRT_AND);" + lb;
    }
    text += I + draw + "rows,plane,SPRT_OR);" + lb + "}" + lb + lb;

    text += "void _main(void){" + lb;
    text += I + "int i = 0;" + lb + I + "int x = 10;" + lb;
    text += I + "int y = " + std::string(p.height + 10 <= kSampleMaxHeight ? "10" : "0") + ";" + lb;
    if (gather) {
        text += I + "int r;" + lb + I + type + " light[" + h + "], dark[" + h + "]";
        text += layout == FrameLayout::InterlacedMask ? ", mask[" + h + "];" + lb : ";" + lb;
    }
    if (gray) {
        text += I + "void *light_plane;" + lb + I + "void *dark_plane;" + lb + lb;
        text += I + "if (!GrayOn ()) return;" + lb;
        text += I + "light_plane = GrayGetPlane (LIGHT_PLANE);" + lb + I + "dark_plane = GrayGetPlane (DARK_PLANE);" +
                lb;
        text += I + "Background (light_plane, " + kLightPattern + ", 0, 128);" + lb;
        text += I + "Background (dark_plane, " + kDarkPattern + ", 0, 128);" + lb;
    } else {
        text += lb + I + "Background (LCD_MEM, " + std::string(kBlackAndWhitePattern) + ", 0, 128);" + lb;
    }
    text += I + "while (!kbhit ()) {" + lb;
    if (gather) {
        const bool withMask = layout == FrameLayout::InterlacedMask;
        const std::string row = upper + "_FRAME(i)[" + (withMask ? "3" : "2") + " * r";
        text += II + "for (r = 0; r < " + h + "; ++r) {" + lb;
        if (withMask) text += III + "mask[r] = " + row + "];" + lb;
        text += III + "light[r] = " + row + (withMask ? " + 1];" : "];") + lb;
        text += III + "dark[r] = " + row + (withMask ? " + 2];" : " + 1];") + lb;
        text += II + "}" + lb;
    }
    if (gray) {
        text += II + "Background (light_plane, " + kLightPattern + ", y, " + h + ");" + lb;
        text += II + "Background (dark_plane, " + kDarkPattern + ", y, " + h + ");" + lb;
        text += II + "Draw (x, y, " + maskOf + ", " + lightOf + ", light_plane);" + lb;
        text += II + "Draw (x, y, " + maskOf + ", " + darkOf + ", dark_plane);" + lb;
    } else {
        text += II + "Background (LCD_MEM, " + std::string(kBlackAndWhitePattern) + ", y, " + h + ");" + lb;
        text += II + "Draw (x, y, " + maskOf + ", " + lightOf + ", LCD_MEM);" + lb;
    }
    // A fifth of a second a frame (the timer counts twentieths).
    text += II + "OSFreeTimer (USER_TIMER);" + lb + II + "OSRegisterTimer (USER_TIMER, 4);" + lb;
    text += II + "while (!OSTimerExpired (USER_TIMER) && !kbhit ()) {}" + lb;
    text += II + "i = (i + 1) % " + upper + "_COUNT;" + lb + I + "}" + lb;
    text += I + "OSFreeTimer (USER_TIMER);" + lb + I + "ngetchx ();" + lb;
    if (gray) text += I + "GrayOff ();" + lb;
    text += "}" + lb;
    return text;
}

}  // namespace pixador
