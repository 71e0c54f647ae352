#include "xlsAdapter/qorUXlsDrawingIds.h"

#include "xlsAdapter/qorUXlsBaseRecordLists.h"
#include "xlsAdapter/qorUXlsBaseRecords.h"
#include "xlsAdapter/qorUXlsDrawingBytes.h"
#include "xlsAdapter/qorUXlsGlobalsKeptRecords.h"

#include <algorithm>
#include <map>

using namespace xlsAdapter;

namespace {

constexpr std::uint16_t DggContainerId = 0xF000;
constexpr std::uint16_t DggId = 0xF006;
constexpr std::uint16_t DgId = 0xF008;
constexpr std::uint16_t SpId = 0xF00A;
constexpr std::uint16_t ConnectorRuleId = 0xF012;
constexpr std::uint16_t ArcRuleId = 0xF014;
constexpr std::uint16_t CalloutRuleId = 0xF017;
constexpr std::uint32_t ClusterSize = 1024;
// The drawing id is the DG record's 12-bit instance.
constexpr std::uint32_t MaxDrawingId = 0x0FFF;
constexpr std::uint16_t ContinueId = 0x003C;

// The DGG body: MaxShapeId, cluster count + 1, shapes saved, drawings
// saved, then one {drawing id, ids used} pair per cluster.
constexpr int DggFixedSize = 16;

ByteArray Joined(const TBaseRecordList& Group)
{
    ByteArray bytes;
    for (int i = 0; i < Group.Count(); ++i)
        for (const TBaseRecord* part = Group.Items(i); part; part = part->Continue.get())
            bytes.insert(bytes.end(), part->Data.begin(), part->Data.end());
    return bytes;
}

// One MSODRAWINGGROUP record carrying as much as a record holds, and
// CONTINUE records for the rest.
void Split(TBaseRecordList& Group, const ByteArray& Bytes)
{
    std::vector<ByteArray> pieces;
    for (std::size_t at = 0; at < Bytes.size(); at += xlr::MaxRecordDataSize)
        pieces.emplace_back(Bytes.begin() + static_cast<std::ptrdiff_t>(at),
                            Bytes.begin() + static_cast<std::ptrdiff_t>(std::min(Bytes.size(), at + xlr::MaxRecordDataSize)));
    auto first = std::make_unique<TBaseRecord>(xlr::MSODRAWINGGROUP, std::move(pieces.front()));
    TBaseRecord* last = first.get();
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        last->AddContinue(std::make_unique<TContinueRecord>(ContinueId, std::move(pieces[i])));
        last = last->Continue.get();
    }
    Group.Clear();
    Group.Add(std::move(first));
}

} // namespace

std::optional<TDrawingIds> AddDrawingToGroup(TBaseRecordList& Group, std::uint32_t ShapeCount)
{
    ByteArray joined = Joined(Group);
    TDrawingBytes bytes({&joined});
    std::optional<TEscherHeader> container, dgg;
    ForEachEscherRecord(bytes, [&](const TEscherHeader& header) {
        if (header.IsContainer() && header.Id == DggContainerId && header.Offset == 0)
            container = header;
        else if (!dgg && !header.IsContainer() && header.Id == DggId)
            dgg = header;
    });
    if (!dgg || dgg->Size < DggFixedSize || dgg->Body() + dgg->Size > bytes.Size())
        return std::nullopt;
    const std::int64_t body = dgg->Body();
    const std::uint32_t countField = bytes.Get(body + 4, 4);
    const std::int64_t clusters = countField == 0 ? 0 : countField - 1;
    if (DggFixedSize + 8 * clusters != dgg->Size)
        return std::nullopt;

    std::uint32_t drawingId = 1;
    std::vector<std::int64_t> free;
    for (std::int64_t k = 0; k < clusters; ++k) {
        const std::uint32_t owner = bytes.Get(body + DggFixedSize + 8 * k, 4);
        drawingId = std::max(drawingId, owner + 1);
        if (owner == 0)
            free.push_back(k);
    }
    if (drawingId > MaxDrawingId)
        return std::nullopt;
    const std::int64_t needed = std::max<std::int64_t>(1, (ShapeCount + ClusterSize - 1) / ClusterSize);
    const std::int64_t appended = std::max<std::int64_t>(0, needed - static_cast<std::int64_t>(free.size()));
    // Cluster k gives ids (k + 1) * 1024 on; ids are 32 bits.
    if (clusters + appended >= std::int64_t{0xFFFFFFFF} / ClusterSize - 1)
        return std::nullopt;
    joined.insert(joined.begin() + body + dgg->Size, static_cast<std::size_t>(8 * appended), 0);
    bytes = TDrawingBytes({&joined});
    bytes.Set(dgg->Offset + 4, 4, static_cast<std::uint32_t>(dgg->Size + 8 * appended));
    if (container && container->Offset < dgg->Offset && dgg->Offset < container->Body() + container->Size)
        bytes.Set(container->Offset + 4, 4, static_cast<std::uint32_t>(container->Size + 8 * appended));
    bytes.Set(body + 4, 4, static_cast<std::uint32_t>(clusters + appended + 1));
    for (std::int64_t k = clusters; k < clusters + appended; ++k)
        free.push_back(k);

    TDrawingIds ids{drawingId, {}};
    std::uint32_t left = ShapeCount;
    for (std::int64_t i = 0; i < needed; ++i) {
        const std::int64_t k = free[static_cast<std::size_t>(i)];
        const std::uint32_t used = std::min(left, ClusterSize);
        left -= used;
        bytes.Set(body + DggFixedSize + 8 * k, 4, drawingId);
        bytes.Set(body + DggFixedSize + 8 * k + 4, 4, used);
        for (std::uint32_t n = 0; n < used; ++n)
            ids.ShapeIds.push_back(static_cast<std::uint32_t>((k + 1) * ClusterSize + n));
    }
    if (!ids.ShapeIds.empty())
        bytes.Set(body, 4, std::max(bytes.Get(body, 4), ids.ShapeIds.back() + 1));
    bytes.Set(body + 8, 4, bytes.Get(body + 8, 4) + ShapeCount);
    bytes.Set(body + 12, 4, bytes.Get(body + 12, 4) + 1);
    Split(Group, joined);
    return ids;
}

void GiveCopiedDrawingNewIds(const std::vector<const TBaseRecordList*>& SheetLists, TBaseRecordList& Group)
{
    const TDrawingBytes bytes = TDrawingBytes::OfSheet(SheetLists);
    std::optional<TEscherHeader> dg;
    std::vector<std::int64_t> shapes;
    // Offsets of the shape ids that connector, arc and callout rules name.
    std::vector<std::int64_t> references;
    ForEachEscherRecord(bytes, [&](const TEscherHeader& header) {
        if (header.IsContainer() || header.Body() + header.Size > bytes.Size())
            return;
        if (header.Id == DgId && header.Size >= 8 && !dg)
            dg = header;
        else if (header.Id == SpId && header.Size >= 4)
            shapes.push_back(header.Body());
        else if (header.Id == ConnectorRuleId && header.Size >= 16)
            references.insert(references.end(), {header.Body() + 4, header.Body() + 8, header.Body() + 12});
        else if ((header.Id == ArcRuleId || header.Id == CalloutRuleId) && header.Size >= 8)
            references.push_back(header.Body() + 4);
    });
    if (!dg)
        return;
    const std::optional<TDrawingIds> ids = AddDrawingToGroup(Group, static_cast<std::uint32_t>(shapes.size()));
    if (!ids)
        return;
    std::map<std::uint32_t, std::uint32_t> renumbered;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        renumbered.emplace(bytes.Get(shapes[i], 4), ids->ShapeIds[i]);
        bytes.Set(shapes[i], 4, ids->ShapeIds[i]);
    }
    for (const std::int64_t at : references)
        if (const auto found = renumbered.find(bytes.Get(at, 4)); found != renumbered.end())
            bytes.Set(at, 4, found->second);
    bytes.Set(dg->Offset, 2, static_cast<std::uint16_t>((ids->DrawingId << 4) | (dg->Pre & 0x000F)));
    bytes.Set(dg->Body(), 4, static_cast<std::uint32_t>(shapes.size()));
    bytes.Set(dg->Body() + 4, 4, ids->ShapeIds.empty() ? 0 : ids->ShapeIds.back());
}
