// Picture data turned into a blip store entry: the MD5 identifier, the tag
// byte of bitmaps, the header and deflated form of metafiles.
#include "xlsAdapter/qorUEscherShapes.h"

#include "xlsAdapter/qorUVyxMessages.h"
#include "xlsAdapter/qorUXlsMD5.h"

#include <zlib.h>

using namespace xlsAdapter;

namespace {

constexpr int BSEHeadSize = 36;
constexpr int BlipHeaderSize = 8;

struct TBlipKind {
    std::uint8_t BlipType;
    std::uint16_t RecordId;
    std::uint16_t Instance;
    bool Metafile;
};

TBlipKind KindOf(TXlsImgTypes Type)
{
    switch (Type) {
    case xli_Emf: return {2, 0xF01A, 0x3D4, true};
    case xli_Wmf: return {3, 0xF01B, 0x216, true};
    case xli_Jpeg: return {5, 0xF01D, 0x46A, false};
    case xli_Png: return {6, 0xF01E, 0x6E0, false};
    case xli_Bmp: return {7, 0xF01F, 0x7A8, false};
    case xli_Unknown: break;
    }
    return {1, 0xF019, 0, true};
}

ByteArray Deflate(std::span<const std::uint8_t> Data)
{
    uLongf size = compressBound(static_cast<uLong>(Data.size()));
    ByteArray out(size);
    if (compress2(out.data(), &size, Data.data(), static_cast<uLong>(Data.size()), 9) != Z_OK)
        ExcelError(msg::WmfInvalid);
    out.resize(size);
    return out;
}

// The stored form of a metafile: a 34-byte header, then the deflated data.
ByteArray MetafileBody(std::span<const std::uint8_t> Data, TXlsImgTypes Type)
{
    ByteArray head(34, 0);
    SetCardinal(head, 0, static_cast<std::uint32_t>(Data.size()));
    std::span<const std::uint8_t> packed = Data;
    const bool placeable = Data.size() >= 22 && Data[0] == 0xD7 && Data[1] == 0xCD && Data[2] == 0xC6 &&
                           Data[3] == 0x9A;
    if (Type == xli_Emf) {
        if (Data.size() >= 40) {
            std::copy_n(Data.begin() + 8, 16, head.begin() + 4);
            auto frame = [&](int at) { return static_cast<std::int32_t>(GetCardinal(Data, at)); };
            SetCardinal(head, 20, static_cast<std::uint32_t>((frame(32) - frame(24)) * 360));
            SetCardinal(head, 24, static_cast<std::uint32_t>((frame(36) - frame(28)) * 360));
        }
    } else {
        if (placeable) {
            for (int i = 0; i < 4; ++i)
                SetCardinal(head, 4 + 4 * i, GetWord(Data, 6 + 2 * i));
            packed = Data.subspan(22);
        }
        const std::uint8_t emu[8] = {0x18, 0xF0, 0xFF, 0x00, 0x18, 0xF0, 0xFF, 0x00};
        std::copy(std::begin(emu), std::end(emu), head.begin() + 20);
    }
    const ByteArray deflated = Deflate(packed);
    SetCardinal(head, 28, static_cast<std::uint32_t>(deflated.size()));
    head[32] = 0;
    head[33] = 0xFE;
    head.insert(head.end(), deflated.begin(), deflated.end());
    return head;
}

} // namespace

std::unique_ptr<TEscherBSERecord> GraphicToBSE(std::span<const std::uint8_t> Data, TXlsImgTypes DataType,
                                               TEscherDwgGroupCache* DwgGroupCache, TEscherDwgCache* DwgCache)
{
    TMd5Stream md5;
    md5.WriteBuffer(Data.data(), static_cast<std::int64_t>(Data.size()));
    const TMd5Digest identifier = md5.GetDigest();
    const TBlipKind kind = KindOf(DataType);

    ByteArray body(identifier.begin(), identifier.end());
    if (kind.Metafile) {
        const ByteArray metafile = MetafileBody(Data, DataType);
        body.insert(body.end(), metafile.begin(), metafile.end());
    } else {
        body.push_back(0xFF);
        // A bitmap is stored without its 14-byte file header.
        const std::size_t skip = DataType == xli_Bmp && Data.size() >= 14 && Data[0] == 'B' && Data[1] == 'M' ? 14 : 0;
        body.insert(body.end(), Data.begin() + static_cast<std::ptrdiff_t>(skip), Data.end());
    }
    if (body.size() > static_cast<std::size_t>(INT32_MAX) - BSEHeadSize - BlipHeaderSize)
        ExcelError(msg::ErrProcessingEscher);

    ByteArray head(BSEHeadSize, 0);
    head[0] = kind.BlipType;
    head[1] = 4;
    std::copy(identifier.begin(), identifier.end(), head.begin() + 2);
    SetWord(head, 18, 0x00FF);
    SetCardinal(head, 20, static_cast<std::uint32_t>(BlipHeaderSize + body.size()));
    ByteArray blipHeader(BlipHeaderSize, 0);
    SetWord(blipHeader, 0, static_cast<std::uint16_t>(kind.Instance << 4));
    SetWord(blipHeader, 2, kind.RecordId);
    SetCardinal(blipHeader, 4, static_cast<std::uint32_t>(body.size()));

    const auto size = static_cast<std::int32_t>(BSEHeadSize + BlipHeaderSize + body.size());
    auto* store = DwgGroupCache ? DwgGroupCache->BStore : nullptr;
    auto entry = std::make_unique<TEscherBSERecord>(
        TEscherRecordHeader{static_cast<std::uint16_t>((kind.BlipType << 4) + 2), escher::BSE, size}, DwgGroupCache,
        DwgCache, store);
    entry->CopyFromData(head, blipHeader, body);
    return entry;
}

