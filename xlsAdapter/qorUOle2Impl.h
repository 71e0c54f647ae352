// The compound-file container: opens a compound file on a stream, reads one
// named stream front to back, and writes a copy with that stream replaced.
#pragma once

#include "xlsAdapter/qorUOle2Types.h"

#include <memory>
#include <string>
#include <string_view>

class TStream;

// An encryption engine for protected workbooks. None exists: every
// operation raises the abstract-call error.
class TEncryptionEngine {
public:
    virtual ~TEncryptionEngine() = default;
    virtual bool CheckHash(std::u16string_view Password);
    virtual void Decode(std::span<std::uint8_t> Data, std::int64_t StreamPos);
    virtual void Encode(std::span<std::uint8_t> Data, std::int64_t StreamPos);
    virtual ByteArray GetFilePassRecord();
    virtual int GetFilePassRecordLen();
};

struct TEncryptionData {
    std::u16string ReadPassword;
    TEncryptionEngine* Engine = nullptr;
    int ActualRecordLen = 0;
    int TotalSize() const { return Engine ? Engine->GetFilePassRecordLen() : 0; }
};

// One directory entry as a node of the tree, while storages are deleted.
struct TOneDirEntry {
    std::u16string Name;
    std::int32_t LeftSid = -1;
    std::int32_t RightSid = -1;
    std::int32_t ChildSid = -1;
    DECOLOR Color = DECOLOR_RED;
    bool Live = false;
    bool Deleted = false;
};

class TOle2File {
public:
    // Opens the compound file whose header starts at aStream's position. The
    // container never owns the stream. With AvoidExceptions an invalid header
    // only sets NotXls97 and restores the stream position.
    explicit TOle2File(TStream& aStream, bool AvoidExceptions = false);
    // Finishes a prepared write; errors are lost here, so writers call
    // FinishWrite themselves.
    ~TOle2File();
    TOle2File(const TOle2File&) = delete;
    TOle2File& operator=(const TOle2File&) = delete;

    // Reading.
    void SelectStream(std::u16string_view StreamName);
    void ReadMem(void* aBuffer, std::int64_t Count);
    void Read(ByteArray& aBuffer, std::int64_t Count);
    bool NextEof(std::int64_t Count);
    bool Eof();
    std::int64_t Length() const { return DIR ? DIR->ulSize : 0; }
    std::int64_t Position() const { return StreamPos; }
    void SeekForward(std::int64_t Offset);
    std::string FileName() const { return {}; }
    bool NotXls97() const { return FNotXls97; }
    TEncryptionData& Encryption() { return FEncryption; }

    // The first entry of that name (ASCII case-insensitive), or none.
    std::unique_ptr<TOle2Directory> FindDir(std::u16string_view DirName);

    // The streams of the container, in directory order, for inspection.
    struct TStreamInfo {
        std::u16string Name;
        STGTY Type;
        std::int64_t Size;
    };
    std::vector<TStreamInfo> ListEntries();

    // Writing: copies the container to OutStream from its position, with
    // OStreamName emptied and the storages named in DeleteStorages (with all
    // they hold) left out, and makes that stream the target of the writes.
    void PrepareForWrite(TStream& OutStream, std::u16string_view OStreamName,
                         const std::vector<std::u16string>& DeleteStorages = {});
    void WriteMem(const void* Buffer, std::int64_t Count);
    // The bytes as they are, never through an encryption engine (none is ever attached,
    // so these write what WriteMem writes).
    void WriteRawMem(const void* Buffer, std::int64_t Count) { WriteMem(Buffer, Count); }
    void WriteRaw(std::span<const std::uint8_t> Buffer) { WriteRawMem(Buffer.data(), static_cast<std::int64_t>(Buffer.size())); }
    void WriteRaw(std::span<const std::uint8_t> Buffer, std::int64_t StartPos, std::int64_t Count);
    void Write(std::span<const std::uint8_t> Buffer) { WriteMem(Buffer.data(), static_cast<std::int64_t>(Buffer.size())); }
    void Write16(std::uint16_t Value);
    void Write32(std::uint32_t Value);
    void WriteHeader(std::uint16_t Id, std::uint16_t Len);
    // Pads the new stream and writes the allocation tables, its directory
    // entry and the header. Runs once; later calls do nothing.
    void FinishWrite();

    const TOle2Header& Header() const { return *FHeader; }

private:
    // The directory as a tree, with the storages named in DeleteStorages and
    // everything below them marked deleted and unlinked; DeletedBlack tells
    // whether a named storage was black.
    std::vector<TOneDirEntry> ReadDirEntries(const std::vector<std::u16string>& DeleteStorages, bool& DeletedBlack);
    static bool FindString(std::u16string_view Name, const std::vector<std::u16string>& Names);
    static void MarkDeleted(std::vector<TOneDirEntry>& Entries, std::int32_t Index);
    // The links below Root no longer reach a deleted entry.
    static void RemoveDeleted(std::vector<TOneDirEntry>& Entries, std::int32_t Root);
    // The entry that takes a deleted entry's place among its siblings, or -1.
    static std::int32_t UnlinkEntry(std::vector<TOneDirEntry>& Entries, std::int32_t Index);
    void CheckReadable(std::u16string_view StreamName = {}) const;
    void CheckWritable() const;
    void FlushWriteBuffer();
    void ReadSector(std::uint32_t Sect, std::uint8_t* Buffer);
    std::int64_t SectorsInFile() const;
    void LoadFAT();
    void AddFatSectors(std::span<const std::uint8_t> List, std::int64_t& FatSectorsRead);
    void LoadMiniFAT();
    std::vector<std::uint32_t> DirectoryChain() const;
    const std::vector<std::uint32_t>& MiniStreamChain();
    void CopyStreamSectors(std::span<std::uint8_t> Entry, TOle2FAT& NewFat, std::vector<bool>& Copied, TStream& Out,
                           std::int64_t OutStart);

    TStream* FStream;
    std::unique_ptr<TOle2Header> FHeader;
    TOle2FAT FAT;
    TOle2MiniFAT MiniFAT;
    std::unique_ptr<TSectorBuffer> SectorBuffer;
    std::unique_ptr<TOle2Directory> ROOT;
    TEncryptionData FEncryption;
    std::unique_ptr<TOle2Directory> DIR;
    bool FDirInMiniStream = false;
    std::vector<std::uint32_t> FDirChain;  // sectors (or mini sectors) of DIR
    std::vector<std::uint32_t> FMiniStreamChain;
    bool FMiniStreamChainLoaded = false;
    std::int64_t StreamPos = 0;
    bool PreparedForWrite = false;
    bool FWriteFinished = false;
    std::int64_t DIRStartPos = -1;
    // Record writes are gathered and reach the stream in large blocks.
    static constexpr std::size_t WriteBufferBytes = 65536;
    std::vector<std::uint8_t> FWriteBuffer;
    bool FNotXls97 = false;
};
