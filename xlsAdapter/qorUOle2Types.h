// The pieces of a compound file: header, directory entries, allocation
// tables and the one-sector read cache.
#pragma once

#include "xlsAdapter/qorXlsMessages.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TStream;

namespace xlsAdapter {
// Sector-number markers.
inline constexpr std::uint32_t ENDOFCHAIN = 0xFFFFFFFE;
inline constexpr std::uint32_t FREESECT = 0xFFFFFFFF;
inline constexpr std::uint32_t FATSECT = 0xFFFFFFFD;
inline constexpr std::uint32_t DIFSECT = 0xFFFFFFFC;
inline constexpr bool IsSectorMarker(std::uint32_t sect) { return sect >= DIFSECT; }

inline constexpr std::array<std::uint8_t, 8> Ole2Signature{0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
inline constexpr int HeaderSize = 512;
inline constexpr int HeaderKeptBytes = 76;
inline constexpr int HeaderFatSlots = 109;
inline constexpr int DirEntrySize = 128;

// Reads up to Count bytes and zeros the rest of the block; returns the bytes
// the stream supplied.
std::int64_t ReadZeroFilled(TStream& Stream, std::uint8_t* Bytes, std::int64_t Count);
// Entry names compare with ASCII letters folded.
bool SameTextAscii(std::u16string_view a, std::u16string_view b);
// An entry name for messages: ASCII kept, everything else as "?".
std::string NarrowName(std::u16string_view name);
} // namespace xlsAdapter

enum STGTY : std::uint8_t {
    STGTY_INVALID = 0,
    STGTY_STORAGE = 1,
    STGTY_STREAM = 2,
    STGTY_LOCKBYTES = 3,
    STGTY_PROPERTY = 4,
    STGTY_ROOT = 5
};
enum DECOLOR : std::uint8_t { DECOLOR_RED = 0, DECOLOR_BLACK = 1 };

// The header of a compound file. Only its first 76 bytes are kept; the list
// of the first 109 FAT sectors is read and rebuilt by the FAT.
class TOle2Header {
public:
    // Reads the header at Stream's position. NotXls97 tells whether it is valid;
    // a valid signature with unsupported geometry raises.
    explicit TOle2Header(TStream& Stream);

    bool NotXls97 = true;
    std::array<std::uint8_t, xlsAdapter::HeaderKeptBytes> Data{};
    std::int64_t StartOfs = 0;
    std::uint32_t SectorSize = 512;
    int uSectorShift = 9;
    int uMiniSectorShift = 6;
    std::uint32_t ulMiniSectorCutoff = 4096;

    std::uint32_t EntriesPerSector() const { return SectorSize / 4; }

    std::uint32_t csectFat() const { return GetCardinal(Data, 44); }
    void SetcsectFat(std::uint32_t v) { SetCardinal(Data, 44, v); }
    std::uint32_t sectDirStart() const { return GetCardinal(Data, 48); }
    void SetsectDirStart(std::uint32_t v) { SetCardinal(Data, 48, v); }
    std::uint32_t sectMiniFatStart() const { return GetCardinal(Data, 60); }
    void SetsectMiniFatStart(std::uint32_t v) { SetCardinal(Data, 60, v); }
    std::uint32_t csectMiniFat() const { return GetCardinal(Data, 64); }
    void SetcsectMiniFat(std::uint32_t v) { SetCardinal(Data, 64, v); }
    std::uint32_t sectDifStart() const { return GetCardinal(Data, 68); }
    void SetsectDifStart(std::uint32_t v) { SetCardinal(Data, 68, v); }
    std::uint32_t csectDif() const { return GetCardinal(Data, 72); }
    void SetcsectDif(std::uint32_t v) { SetCardinal(Data, 72, v); }

    // Stream position of a sector. The header fills sector -1, which is
    // 512 bytes long with 512-byte sectors and 4096 bytes with 4096-byte ones.
    std::int64_t SectToStPos(std::uint32_t Sect) const { return SectToStPos(Sect, StartOfs); }
    std::int64_t SectToStPos(std::uint32_t Sect, std::int64_t Ofs) const
    {
        return Ofs + SectorSize + (static_cast<std::int64_t>(Sect) << uSectorShift);
    }
};

// One 128-byte directory entry, and accessors over entries inside a whole
// directory sector.
class TOle2Directory {
public:
    explicit TOle2Directory(std::span<const std::uint8_t> Entry);

    std::array<std::uint8_t, xlsAdapter::DirEntrySize> Data{};
    std::int64_t ulSize = 0;

    std::u16string Name() const { return GetName(Data, 0); }
    STGTY Type() const { return GetType(Data, 0); }
    std::uint32_t SectStart() const { return GetSectStart(Data, 0); }
    void SetSectStart(std::uint32_t Value) { SetSectStart(Data, 0, Value); }
    // Writes the cached size into the entry, then the entry to Stream.
    void Save(TStream& Stream);

    static int GetNameSize(std::span<const std::uint8_t> Dir, std::int64_t StartPos);
    static std::u16string GetName(std::span<const std::uint8_t> Dir, std::int64_t StartPos);
    static STGTY GetType(std::span<const std::uint8_t> Dir, std::int64_t StartPos);
    static std::uint32_t GetSectStart(std::span<const std::uint8_t> Dir, std::int64_t StartPos);
    static void SetSectStart(std::span<std::uint8_t> Dir, std::int64_t StartPos, std::uint32_t Value);
    static std::uint32_t GetSize(std::span<const std::uint8_t> Dir, std::int64_t StartPos);
    static void SetSize(std::span<std::uint8_t> Dir, std::int64_t StartPos, std::uint32_t Value);
    static std::int32_t GetLeftSid(std::span<const std::uint8_t> Dir, std::int64_t StartPos);
    static void SetLeftSid(std::span<std::uint8_t> Dir, std::int64_t StartPos, std::int32_t Value);
    static std::int32_t GetRightSid(std::span<const std::uint8_t> Dir, std::int64_t StartPos);
    static void SetRightSid(std::span<std::uint8_t> Dir, std::int64_t StartPos, std::int32_t Value);
    static std::int32_t GetChildSid(std::span<const std::uint8_t> Dir, std::int64_t StartPos);
    static void SetChildSid(std::span<std::uint8_t> Dir, std::int64_t StartPos, std::int32_t Value);
    static DECOLOR GetColor(std::span<const std::uint8_t> Dir, std::int64_t StartPos);
    static void SetColor(std::span<std::uint8_t> Dir, std::int64_t StartPos, DECOLOR Value);
    // Empties the entry: name, kind and colour zeroed, links to no entry.
    static void Clear(std::span<std::uint8_t> Dir, std::int64_t StartPos);
};

// A sector allocation table: entry n is the successor of sector n.
class TOle2SectorTable {
public:
    std::vector<std::uint32_t> Entries;

    std::int64_t Count() const { return static_cast<std::int64_t>(Entries.size()); }
    // The entry of Sect; raises when Sect is not in the table.
    std::uint32_t GetNextSector(std::uint32_t Sect) const;
    // The first MaxSectors sectors of the chain from Start (all of it when
    // MaxSectors is negative). Raises when the chain loops or leaves the table;
    // stops early at its end.
    std::vector<std::uint32_t> Chain(std::uint32_t Start, std::int64_t MaxSectors, const char* What) const;
};

class TOle2FAT : public TOle2SectorTable {
public:
    // The sector reached after SectOfs steps from StartSect. Sequential calls
    // resume from the previous answer.
    std::uint32_t FindSector(std::uint32_t StartSect, std::int64_t SectOfs);

private:
    std::int64_t LastFindSectorStart = -1;
    std::int64_t LastFindSectorOfs = -1;
    std::uint32_t LastFindSectorRes = 0;
};

class TOle2MiniFAT : public TOle2SectorTable {
public:
    std::uint32_t FindSector(std::uint32_t StartSect, std::int64_t SectOfs) const;
};

// Caches a window of the underlying stream, a few dozen sectors long, so that
// reading a stream front to back costs one read call per window instead of
// several calls per sector. Bytes past the end of the stream read as zeros;
// ValidBytes tells how many of the loaded sector the file really holds.
class TSectorBuffer {
public:
    TSectorBuffer(const TOle2Header& Header, TStream& DataStream);

    // Makes sector SectNo the loaded one; raises when it lies outside the file.
    void Load(std::uint32_t SectNo);
    // The loaded sector, SectorSize bytes.
    const std::uint8_t* Data() const { return FWindow.data() + FSectorOffset; }
    // Copies min(Count, SectorEnd - StartPos) bytes of the loaded sector into
    // Buffer at BufferPos; returns the count. Raises when they reach past the
    // end of the file.
    std::int64_t ReadMem(std::uint8_t* Buffer, std::int64_t BufferPos, std::int64_t StartPos,
                         std::int64_t Count, std::int64_t SectorEnd) const;
    // Stream size, read once: the container never reads a stream that grows.
    std::int64_t FileSize() const { return FFileSize; }

    std::int64_t ValidBytes = 0;

private:
    const TOle2Header& FHeader;
    TStream& FDataStream;
    std::int64_t FFileSize;
    std::vector<std::uint8_t> FWindow;
    std::int64_t FWindowStart = -1; // stream position of FWindow[0]
    std::int64_t FWindowValid = 0;  // bytes of the window the stream held
    std::int64_t FSectorOffset = 0;
    std::int64_t FSectorId = -1;
};
