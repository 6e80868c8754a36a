#include "files/recovery.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <set>
#include <vector>

#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/prompts.h"
#include "core/text_helpers.h"
#include "core/whole_sprite.h"
#include "files/file_io.h"
#include "files/pxd_file.h"

namespace pixador {

namespace {

constexpr std::string_view kWrittenKey = "written=";
constexpr std::string_view kSourceKey = "source=";

// The slots that have a file in the folder, by the name before the first dot.
std::set<std::string> SlotsIn(const std::string& folder)
{
    std::set<std::string> slots;
    for (const std::string& name : FileNamesIn(folder)) {
        const std::size_t dot = name.find('.');
        if (dot != 0 && dot != std::string::npos && name.compare(0, dot, kPreviousCopy) != 0)
            slots.insert(name.substr(0, dot));
    }
    return slots;
}

std::string RandomSlotName()
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::random_device random;
    std::string name;
    for (int i = 0; i < 8; ++i) name += kDigits[random() % 16];
    return name;
}

}  // namespace

bool SlotLocks::Take(const std::string& slot)
{
    if (held_.contains(slot)) return false;
    std::optional<ProcessLock> lock = ProcessLock::Take(JoinPath(folder_, slot + ".lock"));
    if (!lock) return false;
    held_.emplace(slot, std::move(*lock));
    return true;
}

void SlotLocks::Release(const std::string& slot)
{
    held_.erase(slot);
}

std::string EncodeRecoveryNote(const RecoveryNote& note)
{
    // The source last, whole to the end: a path may hold any character.
    return std::string(kWrittenKey) + note.written + "\n" + std::string(kSourceKey) + note.source;
}

std::optional<RecoveryNote> DecodeRecoveryNote(std::string_view text)
{
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view written = text.substr(0, end);
    const std::string_view source = text.substr(end + 1);
    if (!written.starts_with(kWrittenKey) || written.size() == kWrittenKey.size() || !source.starts_with(kSourceKey))
        return std::nullopt;
    return RecoveryNote{std::string(source.substr(kSourceKey.size())), std::string(written.substr(kWrittenKey.size()))};
}

std::string RecoveryTime(const ClockTime& t)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

std::string RecoveryQuestion(const RecoveryNote& note)
{
    const std::string what = note.source.empty()
                                 ? std::string("The editor ended before your Sprite was ever saved.")
                                 : "The editor ended before your Sprite was saved to " + note.source + ".";
    return what + kMessageLineBreak + "Do you want to recover the copy kept at " + note.written + "?";
}

RecoveryCopy::~RecoveryCopy()
{
    if (!slot_.empty()) owners_.Release(slot_);
}

std::string RecoveryCopy::SlotFile(const std::string& slot, const char* extension) const
{
    return JoinPath(folder_, slot + extension);
}

std::string RecoveryCopy::CopyPath() const
{
    return copied_ ? SlotFile(slot_, ".pxd") : std::string();
}

void RecoveryCopy::Offer(EditorState& state)
{
    struct Found {
        std::string slot;
        std::optional<RecoveryNote> note;
    };
    std::vector<Found> found;
    for (const std::string& slot : SlotsIn(folder_)) {
        if (slot == slot_ || !owners_.Take(slot)) continue;
        if (!FileExists(SlotFile(slot, ".pxd"))) {
            Clear(slot);
            continue;
        }
        const std::optional<std::string> note = ReadFileBytes(SlotFile(slot, ".txt"), 64 * 1024);
        found.push_back({slot, note ? DecodeRecoveryNote(*note) : std::nullopt});
    }
    // Newest first; a copy without a note sorts first and is reported at once.
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        if (a.note.has_value() != b.note.has_value()) return !a.note;
        return a.note && a.note->written > b.note->written;
    });

    bool restored = false;
    for (const Found& f : found) {
        if (restored) {
            owners_.Release(f.slot);
            continue;
        }
        const std::string copy = SlotFile(f.slot, ".pxd");
        const std::optional<PlaneBuffer> planes = f.note ? ReadSpriteFile(copy) : std::nullopt;
        if (!planes) {
            ShowSpriteLoadFailure(state, copy);
            SetAside(f.slot);
        } else if (!AskQuestion(state, RecoveryQuestion(*f.note))) {
            SetAside(f.slot);
        } else {
            Restore(state, *planes, f.note->source);
            // The dead editor's copy goes once this editor's own is on disk; until then this
            // editor holds it, and it waits for the next start.
            Keep(state);
            if (!CopyPath().empty()) Clear(f.slot);
            restored = true;
        }
    }
}

void RecoveryCopy::Restore(EditorState& state, const PlaneBuffer& planes, const std::string& source)
{
    ResizeSprite(state, planes.width(), planes.height());
    SetSpriteFromPlanes(state, planes);
    state.fileName = source;
    state.saved = false;
    state.view->SetCaption(std::string(kBanner) + source);
    RedrawCanvas(state);
}

void RecoveryCopy::SetAside(const std::string& slot)
{
    const std::string previous = JoinPath(folder_, kPreviousCopy);
    RemoveFile(previous + ".txt");
    RenameFile(SlotFile(slot, ".pxd"), previous + ".pxd");
    if (FileExists(SlotFile(slot, ".txt"))) RenameFile(SlotFile(slot, ".txt"), previous + ".txt");
    Clear(slot);
}

void RecoveryCopy::Clear(const std::string& slot)
{
    // The copy, its note and any temporary file a write left behind; the lock goes with Release.
    for (const std::string& name : FileNamesIn(folder_)) {
        if (name.starts_with(slot + ".pxd") || name.starts_with(slot + ".txt")) RemoveFile(JoinPath(folder_, name));
    }
    owners_.Release(slot);
}

bool RecoveryCopy::TakeSlot()
{
    if (!slot_.empty()) return true;
    if (!MakeFolder(folder_)) return false;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const std::string slot = RandomSlotName();
        if (SlotsIn(folder_).contains(slot) || !owners_.Take(slot)) continue;
        slot_ = slot;
        return true;
    }
    return false;
}

void RecoveryCopy::Keep(EditorState& state)
{
    if (state.stroke.pressActive) return;
    if (state.saved) {
        Remove();
        return;
    }
    // A size the sprite file cannot hold (256 rows) keeps the last copy that it could.
    std::string sprite = EncodeSprite(state);
    if (sprite.empty() || (copied_ && sprite == sprite_ && state.fileName == source_) || !TakeSlot()) return;
    // The note first: a crash between the two writes may leave the older sprite under the newer
    // note, but never a new sprite under a file it no longer belongs to, where Save would put it.
    const std::string note = EncodeRecoveryNote({state.fileName, RecoveryTime(state.view->Now())});
    if (!WriteFileAtomically(SlotFile(slot_, ".txt"), note) || !WriteFileAtomically(SlotFile(slot_, ".pxd"), sprite))
        return;
    copied_ = true;
    sprite_ = std::move(sprite);
    source_ = state.fileName;
}

void RecoveryCopy::Remove()
{
    if (!copied_) return;
    RemoveFile(SlotFile(slot_, ".pxd"));
    RemoveFile(SlotFile(slot_, ".txt"));
    copied_ = false;
    sprite_.clear();
}

}  // namespace pixador
