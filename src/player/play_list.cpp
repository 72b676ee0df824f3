#include "player/play_list.h"

#include <algorithm>
#include <cctype>
#include <fcntl.h>
#include <sys/stat.h>

#include "player/player_state.h"

namespace vn::player {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view ExtensionOf(std::string_view path) {
    const std::string_view name = path.substr(path.find_last_of('/') + 1);
    const size_t dot = name.find_last_of('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

// UTF-8 characters: every byte that does not continue a sequence.
size_t CharacterCount(std::string_view text) {
    return static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

int64_t Nanoseconds(const statx_timestamp& t) { return int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec; }

}  // namespace

int FileKindForPath(std::string_view path) {
    const std::string_view extension = ExtensionOf(path);
    if (EqualsIgnoringCase(extension, ".avi")) return kAviRecording;
    if (EqualsIgnoringCase(extension, ".m4v")) return kMpeg4Stream;
    if (EqualsIgnoringCase(extension, ".mvm")) return kRawMovie;
    return kNoFile;
}

std::string FileNameOf(std::string_view path) { return std::string(path.substr(path.find_last_of('/') + 1)); }

int64_t FileCreationTime(const std::string& path) {
    struct statx info {};
    if (statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME | STATX_MTIME, &info) != 0) return kUnknownCreationTime;
    if (info.stx_mask & STATX_BTIME) return Nanoseconds(info.stx_btime);
    if (info.stx_mask & STATX_MTIME) return Nanoseconds(info.stx_mtime);
    return kUnknownCreationTime;
}

int EntryUnderMouse(int x, int y, int width, int height, int itemHeight, int topIndex, int count) {
    if (itemHeight <= 0 || x < 4 || y < 4 || y >= height - 4 || x >= width - 16) return -1;
    const int entry = y / itemHeight + topIndex;
    return entry < count ? entry : -1;
}

std::string NotAddedText(int listFull, int pathTooLong) {
    const auto files = [](int count) { return std::to_string(count) + (count == 1 ? " file" : " files"); };
    std::string text;
    if (listFull > 0) {
        text = files(listFull) + " not added: the play list holds " + std::to_string(PlayList::kCapacity);
    }
    if (pathTooLong > 0) {
        if (!text.empty()) text += "; ";
        text += files(pathTooLong) + " not added: path longer than " + std::to_string(PlayList::kMaxPathCharacters) +
                " characters";
    }
    return text;
}

AddResult PlayList::AddPlayListFile(const std::string& path, bool playing) {
    const AddResult admissible = Admit(path);
    if (admissible != AddResult::Added) return admissible;
    return AddEntry(path, FileCreationTime(path), playing);
}

AddResult PlayList::Admit(const std::string& path) const {
    if (FileKindForPath(path) == kNoFile) return AddResult::NotARecording;
    if (g_nPlayListCount() >= kCapacity) return AddResult::ListFull;
    // A longer path would not fit an entry, and a cut one names another file.
    if (CharacterCount(path) > kMaxPathCharacters) return AddResult::PathTooLong;
    if (std::any_of(entries_.begin(), entries_.end(), [&](const PlayListEntry& e) { return e.path == path; })) {
        return AddResult::AlreadyListed;
    }
    return AddResult::Added;
}

AddResult PlayList::AddEntry(const std::string& path, int64_t created, bool playing) {
    const AddResult admissible = Admit(path);
    if (admissible != AddResult::Added) return admissible;
    const auto at =
        std::find_if(entries_.begin(), entries_.end(), [&](const PlayListEntry& e) { return e.created >= created; });
    const int index = static_cast<int>(at - entries_.begin());
    entries_.insert(at, PlayListEntry{path, created, {}});
    if (playing && index <= g_nPlayListIndex) ++g_nPlayListIndex;
    return AddResult::Added;
}

void PlayList::Refuse(int index, const std::string& reason) {
    entries_.at(static_cast<size_t>(index)).refusal = reason.empty() ? std::string("refused") : reason;
}

int PlayList::Wrap(int index) const {
    if (index >= g_nPlayListCount()) return 0;
    if (index < 0) return g_nPlayListCount() - 1;
    return index;
}

}  // namespace vn::player
