// Typed access to the properties of one record of the grid's binary cell stream.
#pragma once

#include "grid/files/BinRecords.h"
#include "platform/graphics/Colors.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace grid::files {

// Reads the properties of one record, failing at the record's offset on a
// missing or mistyped value.
class TRecordValues {
public:
    TRecordValues(const TBinRecord& Record, rtl::TByteCursor& Cursor, std::size_t Offset)
        : FRecord(Record), FCursor(Cursor), FOffset(Offset)
    {
    }
    const TBinValue* Find(std::string_view Name) const
    {
        for (const auto& property : FRecord.Properties)
            if (property.Name == Name) return &property.Value;
        return nullptr;
    }
    std::int64_t Int(std::string_view Name, std::int64_t Default = 0) const
    {
        const TBinValue* value = Typed(Name, TBinValueKind::Int);
        return value ? value->Int : Default;
    }
    double Float(std::string_view Name) const
    {
        const TBinValue* value = Typed(Name, TBinValueKind::Float);
        return value ? value->Float : 0;
    }
    bool Bool(std::string_view Name) const
    {
        const TBinValue* value = Typed(Name, TBinValueKind::Bool);
        return value && value->Int != 0;
    }
    std::string Text(std::string_view Name) const
    {
        const TBinValue* value = Typed(Name, TBinValueKind::Text);
        return value ? value->Text : std::string();
    }
    std::string Binary(std::string_view Name) const
    {
        const TBinValue* value = Typed(Name, TBinValueKind::Binary);
        return value ? value->Text : std::string();
    }
    template <std::size_t N>
    int Enum(std::string_view Name, const std::array<std::string_view, N>& Names, int Default) const
    {
        const TBinValue* value = Typed(Name, TBinValueKind::Ident);
        if (!value) return Default;
        const auto found = std::find(Names.begin(), Names.end(), value->Text);
        if (found == Names.end()) Fail("unknown value \"" + value->Text + "\" of " + std::string(Name));
        return static_cast<int>(found - Names.begin());
    }
    TColor Color(std::string_view Name, TColor Default) const
    {
        const TBinValue* value = Find(Name);
        if (!value) return Default;
        if (value->Kind == TBinValueKind::Int) return static_cast<TColor>(value->Int);
        if (value->Kind == TBinValueKind::Ident)
            if (const auto color = IdentToColor(value->Text)) return *color;
        Fail("bad colour " + std::string(Name));
    }
    // Every property must be one the record's class has.
    void RequireKnown(std::initializer_list<std::string_view> Names) const
    {
        for (const auto& property : FRecord.Properties)
            if (std::find(Names.begin(), Names.end(), property.Name) == Names.end())
                Fail("unknown property \"" + property.Name + "\" of " + FRecord.ClassName);
    }
    [[noreturn]] void Fail(const std::string& What) const { FCursor.FailAt(FOffset, What); }

private:
    const TBinValue* Typed(std::string_view Name, TBinValueKind Kind) const
    {
        const TBinValue* value = Find(Name);
        if (value && value->Kind != Kind) Fail("wrong value kind of " + std::string(Name));
        return value;
    }
    const TBinRecord& FRecord;
    rtl::TByteCursor& FCursor;
    std::size_t FOffset;
};

inline TBinRecord ReadRecordOf(rtl::TByteCursor& Cursor, std::string_view ClassName, std::size_t& Offset)
{
    Offset = Cursor.Position();
    TBinRecord record = ReadBinRecord(Cursor);
    if (record.ClassName != ClassName)
        Cursor.FailAt(Offset, "expected a " + std::string(ClassName) + " record, found \"" + record.ClassName + "\"");
    return record;
}

} // namespace grid::files
