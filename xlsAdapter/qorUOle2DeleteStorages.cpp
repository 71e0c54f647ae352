// Storages left out of a written copy: the directory is read as a tree, the
// named storages and everything below them are marked, and the tree is
// relinked around them before the sectors are copied. Every walk is bounded
// by the number of entries, so a directory whose links loop cannot hang it.
#include "xlsAdapter/qorUOle2Impl.h"

#include <algorithm>

using namespace xlsAdapter;

namespace {

constexpr std::int32_t NoEntry = -1;

} // namespace

bool TOle2File::FindString(std::u16string_view Name, const std::vector<std::u16string>& Names)
{
    return std::find(Names.begin(), Names.end(), Name) != Names.end();
}

std::vector<TOneDirEntry> TOle2File::ReadDirEntries(const std::vector<std::u16string>& DeleteStorages,
                                                    bool& DeletedBlack)
{
    std::vector<TOneDirEntry> entries;
    std::vector<std::uint8_t> sector(FHeader->SectorSize);
    for (std::uint32_t dirSect : DirectoryChain()) {
        ReadSector(dirSect, sector.data());
        for (std::uint32_t pos = 0; pos < FHeader->SectorSize; pos += DirEntrySize) {
            const std::span<const std::uint8_t> entry = std::span(sector).subspan(pos, DirEntrySize);
            TOneDirEntry one;
            one.Name = TOle2Directory::GetName(entry, 0);
            one.LeftSid = TOle2Directory::GetLeftSid(entry, 0);
            one.RightSid = TOle2Directory::GetRightSid(entry, 0);
            one.ChildSid = TOle2Directory::GetChildSid(entry, 0);
            one.Color = TOle2Directory::GetColor(entry, 0);
            one.Live = TOle2Directory::GetType(entry, 0) != STGTY_INVALID;
            entries.push_back(std::move(one));
        }
    }
    DeletedBlack = false;
    for (std::size_t i = 1; i < entries.size(); ++i)
        if (entries[i].Live && !entries[i].Deleted && FindString(entries[i].Name, DeleteStorages)) {
            DeletedBlack = DeletedBlack || entries[i].Color == DECOLOR_BLACK;
            MarkDeleted(entries, static_cast<std::int32_t>(i));
        }
    if (!entries.empty()) {
        if (entries[0].Deleted)
            throw EAssertionFailed("Can't delete root");
        RemoveDeleted(entries, 0);
    }
    return entries;
}

void TOle2File::MarkDeleted(std::vector<TOneDirEntry>& Entries, std::int32_t Index)
{
    // The named entry and its subtree: below it, siblings go too; beside it, they stay.
    struct TPending {
        std::int32_t Index;
        int Depth;
    };
    std::vector<TPending> pending{{Index, 0}};
    while (!pending.empty()) {
        const TPending p = pending.back();
        pending.pop_back();
        if (p.Index < 0 || p.Index >= static_cast<std::int32_t>(Entries.size()))
            continue;
        TOneDirEntry& entry = Entries[static_cast<std::size_t>(p.Index)];
        if (entry.Deleted && p.Depth > 0)
            continue;
        entry.Deleted = true;
        pending.push_back({entry.ChildSid, p.Depth + 1});
        if (p.Depth > 0) {
            pending.push_back({entry.LeftSid, p.Depth});
            pending.push_back({entry.RightSid, p.Depth});
        }
    }
}

std::int32_t TOle2File::UnlinkEntry(std::vector<TOneDirEntry>& Entries, std::int32_t Index)
{
    const auto valid = [&](std::int32_t i) { return i >= 0 && i < static_cast<std::int32_t>(Entries.size()); };
    TOneDirEntry& gone = Entries[static_cast<std::size_t>(Index)];
    const std::int32_t left = valid(gone.LeftSid) ? gone.LeftSid : NoEntry;
    const std::int32_t right = valid(gone.RightSid) ? gone.RightSid : NoEntry;
    if (left == NoEntry || right == NoEntry)
        return left == NoEntry ? right : left;
    // The leftmost entry of the right subtree takes the removed one's place.
    std::int32_t parent = NoEntry;
    std::int32_t next = right;
    for (std::size_t steps = 0; steps < Entries.size(); ++steps) {
        const std::int32_t further = Entries[static_cast<std::size_t>(next)].LeftSid;
        if (!valid(further))
            break;
        parent = next;
        next = further;
    }
    TOneDirEntry& moved = Entries[static_cast<std::size_t>(next)];
    if (parent != NoEntry) {
        Entries[static_cast<std::size_t>(parent)].LeftSid = moved.RightSid;
        moved.RightSid = right;
    }
    moved.LeftSid = left;
    return next;
}

void TOle2File::RemoveDeleted(std::vector<TOneDirEntry>& Entries, std::int32_t Root)
{
    const auto valid = [&](std::int32_t i) { return i >= 0 && i < static_cast<std::int32_t>(Entries.size()); };
    std::vector<bool> visited(Entries.size());
    std::vector<std::int32_t> pending{Root};
    while (!pending.empty()) {
        const std::int32_t index = pending.back();
        pending.pop_back();
        if (!valid(index) || visited[static_cast<std::size_t>(index)])
            continue;
        visited[static_cast<std::size_t>(index)] = true;
        for (std::int32_t TOneDirEntry::*link : {&TOneDirEntry::LeftSid, &TOneDirEntry::RightSid, &TOneDirEntry::ChildSid}) {
            std::int32_t& target = Entries[static_cast<std::size_t>(index)].*link;
            // Each unlink takes one deleted entry out of the way; there are no more of them than entries.
            for (std::size_t steps = 0; valid(target) && Entries[static_cast<std::size_t>(target)].Deleted; ++steps) {
                if (steps > Entries.size())
                    ExcelError(msg::InvalidOle2Stream, std::string());
                target = UnlinkEntry(Entries, target);
            }
            if (!valid(target))
                target = NoEntry;
            pending.push_back(target);
        }
    }
}
