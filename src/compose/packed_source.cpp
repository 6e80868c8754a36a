#include "compose/packed_source.h"

#include "core/text_helpers.h"
#include "files/asm_export.h"
#include "files/code_generator.h"

namespace pixador {

namespace {

std::string LayoutComment(const PackedFrames& p)
{
    std::string text = std::to_string(p.count) + " frames of " + std::to_string(p.width) + "x" +
                       std::to_string(p.height) + ", ";
    switch (p.options.layout) {
    case FrameLayout::Planes:
        text += p.options.blackAndWhite ? "black and white: one plane a frame"
                : p.options.lightFirst  ? "planes: each frame's light rows, then its dark rows"
                                        : "planes: each frame's dark rows, then its light rows";
        break;
    case FrameLayout::Interlaced: text += "interlaced: every row light, dark"; break;
    case FrameLayout::InterlacedMask: text += "interlaced with mask: every row mask, light, dark"; break;
    }
    const bool masked = !p.mask.empty() || p.options.layout == FrameLayout::InterlacedMask;
    if (masked) text += p.options.maskBits == MaskBits::Transparent ? "; mask 1 = transparent" : "; mask 1 = opaque";
    return text;
}

struct Number {
    std::string suffix;
    int value;
};

// The numbers a game needs besides the data, in the order they are written.
std::vector<Number> Numbers(const PackedFrames& p)
{
    std::vector<Number> numbers{{"_COUNT", p.count}};
    if (p.mirroredFrom >= 0) numbers.push_back({"_MIRRORED", p.mirroredFrom});
    numbers.push_back({"_WIDTH", p.width});
    numbers.push_back({"_HEIGHT", p.height});
    return numbers;
}

bool TwoSeparatePlanes(const PackedFrames& p)
{
    return p.options.layout == FrameLayout::Planes && !p.options.blackAndWhite;
}

}  // namespace

std::string PackedCText(const Preferences& prefs, const PackedFrames& p, const std::string& name)
{
    const std::string lb = kCodeLineBreak;
    const std::string upper = ToUpperAscii(name);
    std::string text = "/* " + LayoutComment(p) + " */" + lb;
    for (const Number& n : Numbers(p)) text += "#define " + upper + n.suffix + " " + std::to_string(n.value) + lb;
    const std::string frame = upper + "_FRAME";
    text += "#define " + frame + "(i) (" + name + " + (i) * " + std::to_string(p.itemsPerFrame) + ")" + lb;
    if (TwoSeparatePlanes(p)) {
        const std::string second = frame + "(i) + " + std::to_string(p.height) + ")";
        const std::string first = frame + "(i))";
        text += "#define " + upper + "_DARK(i) (" + (p.options.lightFirst ? second : first) + lb;
        text += "#define " + upper + "_LIGHT(i) (" + (p.options.lightFirst ? first : second) + lb;
    }
    if (!p.mask.empty())
        text += "#define " + upper + "_MASK(i) (" + name + "_mask + (i) * " + std::to_string(p.height) + ")" + lb;
    text += lb + CArrayText(prefs, name, p.elementBits, p.items, false) + lb;
    if (!p.mask.empty()) text += lb + CArrayText(prefs, name + "_mask", p.elementBits, p.mask, false) + lb;
    return text;
}

std::string PackedAsmText(const Preferences& prefs, const PackedFrames& p, const std::string& name,
                          const ClockTime& now)
{
    const std::string lb = kCodeLineBreak;
    const std::string upper = ToUpperAscii(name);
    const int bytes = p.elementBits / 8;
    std::string text = AsmFileHead(now) + "; " + LayoutComment(p) + lb;
    for (const Number& n : Numbers(p)) text += upper + n.suffix + " equ " + std::to_string(n.value) + lb;
    text += upper + "_FRAME_BYTES equ " + std::to_string(p.itemsPerFrame * bytes) + lb;
    if (!p.mask.empty()) text += upper + "_MASK_BYTES equ " + std::to_string(p.height * bytes) + lb;
    text += lb + AsmArrayText(prefs, name, p.elementBits, p.items) + lb;
    if (!p.mask.empty()) text += lb + AsmArrayText(prefs, name + "_mask", p.elementBits, p.mask) + lb;
    return text;
}

}  // namespace pixador
