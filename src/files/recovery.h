#pragma once
// The copy of unsaved work that each running editor keeps in the "recovery" folder beside the
// INI files, and the offer of a copy whose editor died at the next start.
//
// Each running editor has a slot of its own: "<slot>.pxd", the sprite as an ordinary sprite
// file; "<slot>.txt", the note of the file it came from and when it was written; and
// "<slot>.lock", which the editor holds for as long as it runs. A copy that was declined or
// could not be read is kept once more as "previous.pxd" (and "previous.txt").

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "core/sprite.h"
#include "platform/process_lock.h"

namespace pixador {

struct EditorState;
struct ClockTime;

inline constexpr const char* kRecoveryFolder = "recovery";
inline constexpr const char* kPreviousCopy = "previous";

// Who holds the slots. A running editor holds its own; a slot no one holds belongs to an
// editor that ended without cleaning up after itself.
class SlotOwners {
public:
    virtual ~SlotOwners() = default;
    // Takes the slot for this editor; false while a running editor (this one too) holds it.
    virtual bool Take(const std::string& slot) = 0;
    virtual void Release(const std::string& slot) = 0;
};

// The slots' lock files, held through the system's file locks.
class SlotLocks : public SlotOwners {
public:
    explicit SlotLocks(std::string folder) : folder_(std::move(folder)) {}
    bool Take(const std::string& slot) override;
    void Release(const std::string& slot) override;

private:
    std::string folder_;
    std::map<std::string, ProcessLock> held_;
};

struct RecoveryNote {
    std::string source;   // the sprite file the work belongs to; "" when it was never saved
    std::string written;  // local time, "2004-05-01 12:34:56"
};
std::string EncodeRecoveryNote(const RecoveryNote& note);
std::optional<RecoveryNote> DecodeRecoveryNote(std::string_view text);
std::string RecoveryTime(const ClockTime& time);
// The start-up question about one copy: where it belongs and when it was written.
std::string RecoveryQuestion(const RecoveryNote& note);

class RecoveryCopy {
public:
    RecoveryCopy(std::string folder, SlotOwners& owners) : folder_(std::move(folder)), owners_(owners) {}
    // Lets go of the slot; a copy still there is offered at the next start.
    ~RecoveryCopy();
    RecoveryCopy(const RecoveryCopy&) = delete;
    RecoveryCopy& operator=(const RecoveryCopy&) = delete;

    // Start-up, before a file is opened: offers each copy whose editor is gone, newest first,
    // until one is taken back. Yes brings the sprite back unsaved, under the file it came from;
    // No sets the copy aside as the previous copy, as happens to one that cannot be read (after
    // saying so). Copies left unasked wait for the next start.
    void Offer(EditorState& state);
    // Brings the copy up to date: written while the sprite differs from what is saved and from
    // the last copy, never in the middle of a stroke; removed once the sprite is saved.
    void Keep(EditorState& state);
    // The work was saved, or the user chose to lose it.
    void Remove();

    // This editor's copy, "" until it has written one.
    std::string CopyPath() const;

private:
    std::string SlotFile(const std::string& slot, const char* extension) const;
    bool TakeSlot();
    void Restore(EditorState& state, const PlaneBuffer& planes, const std::string& source);
    void SetAside(const std::string& slot);
    void Clear(const std::string& slot);

    std::string folder_;
    SlotOwners& owners_;
    std::string slot_;
    bool copied_ = false;
    // What the copy on disk holds, so an unchanged sprite is not written again.
    std::string sprite_;
    std::string source_;
};

}  // namespace pixador
