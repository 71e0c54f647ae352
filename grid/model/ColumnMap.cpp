// Hidden columns and the column index mapping.
#include "grid/model/ColumnMap.h"

#include <algorithm>

namespace grid {

bool TColumnMap::IsHidden(int AReal) const noexcept
{
    return AReal >= 0 && static_cast<std::size_t>(AReal) < FHidden.size() && FHidden[static_cast<std::size_t>(AReal)];
}

void TColumnMap::Ensure(int ACount)
{
    if (static_cast<std::size_t>(ACount) > FHidden.size()) {
        FHidden.resize(static_cast<std::size_t>(ACount), 0);
        FWidths.resize(static_cast<std::size_t>(ACount), 0);
    }
}

void TColumnMap::SetHidden(int AReal, bool Value)
{
    if (AReal < 0 || IsHidden(AReal) == Value) return;
    Ensure(AReal + 1);
    FHidden[static_cast<std::size_t>(AReal)] = Value ? 1 : 0;
    FHiddenCount += Value ? 1 : -1;
    FMapsValid = false;
}

int TColumnMap::Width(int AReal) const noexcept
{
    return AReal >= 0 && static_cast<std::size_t>(AReal) < FWidths.size() ? FWidths[static_cast<std::size_t>(AReal)] : 0;
}

void TColumnMap::SetWidth(int AReal, int Value)
{
    if (AReal < 0) return;
    Ensure(AReal + 1);
    FWidths[static_cast<std::size_t>(AReal)] = Value;
}

void TColumnMap::BuildMaps() const
{
    FDisplToReal.clear();
    FRealToDispl.assign(FHidden.size(), 0);
    int shown = 0;
    for (std::size_t r = 0; r < FHidden.size(); ++r) {
        FRealToDispl[r] = shown;
        if (!FHidden[r]) {
            FDisplToReal.push_back(static_cast<int>(r));
            ++shown;
        }
    }
    FMapsValid = true;
}

int TColumnMap::RealToDispl(int AReal) const
{
    if (FHiddenCount == 0 || AReal < 0) return AReal;
    if (!FMapsValid) BuildMaps();
    if (static_cast<std::size_t>(AReal) < FRealToDispl.size()) return FRealToDispl[static_cast<std::size_t>(AReal)];
    return AReal - FHiddenCount;
}

int TColumnMap::DisplToReal(int ADispl) const
{
    if (FHiddenCount == 0 || ADispl < 0) return ADispl;
    if (!FMapsValid) BuildMaps();
    if (static_cast<std::size_t>(ADispl) < FDisplToReal.size()) return FDisplToReal[static_cast<std::size_t>(ADispl)];
    return ADispl + FHiddenCount;
}

void TColumnMap::Insert(int AReal, int ACount)
{
    if (AReal < 0 || ACount <= 0 || static_cast<std::size_t>(AReal) >= FHidden.size()) return;
    FHidden.insert(FHidden.begin() + AReal, static_cast<std::size_t>(ACount), 0);
    FWidths.insert(FWidths.begin() + AReal, static_cast<std::size_t>(ACount), 0);
    FMapsValid = false;
}

void TColumnMap::Remove(int AReal, int ACount)
{
    if (AReal < 0 || ACount <= 0 || static_cast<std::size_t>(AReal) >= FHidden.size()) return;
    const auto end = std::min(FHidden.size(), static_cast<std::size_t>(AReal) + static_cast<std::size_t>(ACount));
    FHiddenCount -= static_cast<int>(std::count(FHidden.begin() + AReal, FHidden.begin() + static_cast<std::ptrdiff_t>(end), 1));
    FHidden.erase(FHidden.begin() + AReal, FHidden.begin() + static_cast<std::ptrdiff_t>(end));
    FWidths.erase(FWidths.begin() + AReal, FWidths.begin() + static_cast<std::ptrdiff_t>(end));
    FMapsValid = false;
}

void TColumnMap::Move(int AFrom, int ATo)
{
    if (AFrom < 0 || ATo < 0 || AFrom == ATo) return;
    Ensure(std::max(AFrom, ATo) + 1);
    auto rotate = [&](auto& v) {
        auto first = v.begin();
        if (AFrom < ATo) std::rotate(first + AFrom, first + AFrom + 1, first + ATo + 1);
        else std::rotate(first + ATo, first + AFrom, first + AFrom + 1);
    };
    rotate(FHidden);
    rotate(FWidths);
    FMapsValid = false;
}

void TColumnMap::Swap(int A, int B)
{
    if (A < 0 || B < 0 || A == B) return;
    Ensure(std::max(A, B) + 1);
    std::swap(FHidden[static_cast<std::size_t>(A)], FHidden[static_cast<std::size_t>(B)]);
    std::swap(FWidths[static_cast<std::size_t>(A)], FWidths[static_cast<std::size_t>(B)]);
    FMapsValid = false;
}

void TColumnMap::Clear()
{
    FHidden.clear();
    FWidths.clear();
    FHiddenCount = 0;
    FMapsValid = false;
}

} // namespace grid
