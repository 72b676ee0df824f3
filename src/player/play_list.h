// The play list: the recordings the user gathered, kept in the order the
// camera made them (file creation time, oldest first), and the entry that is
// open. Also the file kind that a path's extension selects.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace vn::player {

// g_nFileKind for a path: ".avi" 1, ".m4v" 2, ".mvm" 3 (any case), else 0.
int FileKindForPath(std::string_view path);

// The file name with its extension, without the folders.
std::string FileNameOf(std::string_view path);

// Creation time in nanoseconds since 1970: the birth time where the file
// system records one, else the modification time. A file whose times cannot
// be read counts as the oldest of all.
constexpr int64_t kUnknownCreationTime = std::numeric_limits<int64_t>::min();
int64_t FileCreationTime(const std::string& path);

// The entry under the mouse at (x, y) in a list area of width x height
// showing rows of itemHeight from entry topIndex on; -1 near the area's edges
// (4 pixels left, top and bottom, 16 right) and below the last of count.
int EntryUnderMouse(int x, int y, int width, int height, int itemHeight, int topIndex, int count);

struct PlayListEntry {
    std::string path;
    int64_t created = 0;
    // Why the entry could not be played; empty while it may be.
    std::string refusal;
};

enum class AddResult { Added, NotARecording, ListFull, PathTooLong, AlreadyListed };

// What the user is told of recordings that the list could not take, counted
// by why: empty when there are none.
std::string NotAddedText(int listFull, int pathTooLong);

class PlayList {
public:
    static constexpr int kCapacity = 1000;
    static constexpr size_t kMaxPathCharacters = 263;

    // Adds a file at its place by creation time, before any entry of the
    // same time. While playing, an insertion at or before the open entry
    // moves g_nPlayListIndex up with it.
    AddResult AddPlayListFile(const std::string& path, bool playing);
    // The same with the creation time already known.
    AddResult AddEntry(const std::string& path, int64_t created, bool playing);

    void Clear() { entries_.clear(); }

    int g_nPlayListCount() const { return static_cast<int>(entries_.size()); }
    const std::vector<PlayListEntry>& entries() const { return entries_; }
    const std::string& Path(int index) const { return entries_.at(static_cast<size_t>(index)).path; }

    // Marks an entry that could not be played: playing on through the list
    // passes it by.
    void Refuse(int index, const std::string& reason);
    bool IsRefused(int index) const { return !entries_.at(static_cast<size_t>(index)).refusal.empty(); }

    // An entry index moved past either end comes round to the other end.
    int Wrap(int index) const;

    int g_nPlayListIndex = 0;  // the open entry

private:
    // Added when the path may become an entry, else why not.
    AddResult Admit(const std::string& path) const;

    std::vector<PlayListEntry> entries_;
};

}  // namespace vn::player
