// Regions: a first shape combined step by step with further paths and regions.
#include "platform/gdiplus/GdiPlusFlat.h"
#include "platform/gdiplus/Objects.h"

#include <algorithm>
#include <new>

namespace {

// Combining a region with itself again and again must not grow it without
// bound; each nesting level costs a mask surface when the region is drawn.
constexpr std::size_t maxWeight = 4096;
constexpr std::size_t maxDepth = 16;

Status startWith(GpPath path, GpRegion** region)
{
    if (!region) return InvalidParameter;
    *region = new (std::nothrow) GpRegion;
    if (!*region) return OutOfMemory;
    (*region)->Steps.push_back({CombineModeReplace, std::move(path), nullptr});
    (*region)->Weight = 1;
    return Ok;
}

Status combine(GpRegion* region, GpRegion::Step step, std::size_t weight)
{
    if (step.Mode < CombineModeReplace || step.Mode > CombineModeComplement) return InvalidParameter;
    if (step.Mode == CombineModeReplace) {
        region->Steps.clear();
        region->Weight = 0;
    }
    if (region->Weight + weight > maxWeight) return OutOfMemory;
    region->Steps.push_back(std::move(step));
    region->Weight += weight;
    return Ok;
}

} // namespace

Status GdipCreateRegionRect(const TGPRectF* rect, GpRegion** region)
{
    if (!rect) return InvalidParameter;
    GpPath path;
    GdipAddPathRectangle(&path, rect->X, rect->Y, rect->Width, rect->Height);
    return startWith(std::move(path), region);
}

Status GdipCreateRegionRectI(const TGPRect* rect, GpRegion** region)
{
    if (!rect) return InvalidParameter;
    TGPRectF r{float(rect->X), float(rect->Y), float(rect->Width), float(rect->Height)};
    return GdipCreateRegionRect(&r, region);
}

Status GdipCreateRegionPath(GpPath* path, GpRegion** region)
{
    if (!path) return InvalidParameter;
    return startWith(*path, region);
}

Status GdipDeleteRegion(GpRegion* region)
{
    if (!region) return InvalidParameter;
    delete region;
    return Ok;
}

Status GdipCombineRegionPath(GpRegion* region, GpPath* path, CombineMode combineMode)
{
    if (!region || !path) return InvalidParameter;
    return combine(region, {combineMode, *path, nullptr}, 1);
}

Status GdipCombineRegionRegion(GpRegion* region, GpRegion* region2, CombineMode combineMode)
{
    if (!region || !region2) return InvalidParameter;
    if (region2->Depth + 1 > maxDepth) return OutOfMemory;
    auto copy = std::make_shared<const GpRegion>(*region2);
    Status status = combine(region, {combineMode, GpPath{}, copy}, region2->Weight);
    if (status == Ok) region->Depth = std::max(region->Depth, region2->Depth + 1);
    return status;
}
