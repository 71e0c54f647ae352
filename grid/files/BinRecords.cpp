// The records of the grid's binary cell stream.
#include "grid/files/BinRecords.h"

#include "platform/rtl/Strings.h"

#include <cmath>
#include <limits>

namespace grid::files {

namespace {

enum : std::uint8_t {
    vaNull = 0x00, vaList = 0x01, vaInt8 = 0x02, vaInt16 = 0x03, vaInt32 = 0x04, vaExtended = 0x05,
    vaString = 0x06, vaIdent = 0x07, vaFalse = 0x08, vaTrue = 0x09, vaBinary = 0x0A, vaSet = 0x0B,
    vaLString = 0x0C, vaWString = 0x12, vaUTF8String = 0x14,
};

constexpr std::string_view kSignature = "TPF0";

void PutU32(std::string& Out, std::uint32_t Value)
{
    for (int shift = 0; shift < 32; shift += 8)
        Out += static_cast<char>((Value >> shift) & 0xFF);
}

std::string_view AsText(std::span<const std::uint8_t> Bytes)
{
    return {reinterpret_cast<const char*>(Bytes.data()), Bytes.size()};
}

std::string ShortString(rtl::TByteCursor& Cursor)
{
    const std::uint8_t length = Cursor.U8();
    return std::string(AsText(Cursor.Bytes(length)));
}

std::string LongBytes(rtl::TByteCursor& Cursor)
{
    const std::uint32_t length = Cursor.U32();
    Cursor.Require(length <= Cursor.Remaining(), "length beyond the end of the stream");
    return std::string(AsText(Cursor.Bytes(length)));
}

std::string WideText(rtl::TByteCursor& Cursor)
{
    const std::uint32_t count = Cursor.U32();
    Cursor.Require(count <= Cursor.Remaining() / 2, "length beyond the end of the stream");
    std::u16string units(count, u'\0');
    for (char16_t& unit : units)
        unit = Cursor.U16();
    return rtl::Utf16ToUtf8(units);
}

// The 80-bit extended form: sign and 15-bit exponent over a 64-bit mantissa
// with its leading bit explicit.
constexpr int kExtendedBias = 16383;

void PutExtended(std::string& Out, double Value)
{
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(Value), &exponent); // in [0.5, 1)
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    for (int shift = 0; shift < 64; shift += 8)
        Out += static_cast<char>((mantissa >> shift) & 0xFF);
    const unsigned top = static_cast<unsigned>(exponent - 1 + kExtendedBias) | (Value < 0 ? 0x8000u : 0u);
    Out += static_cast<char>(top & 0xFF);
    Out += static_cast<char>(top >> 8);
}

double ReadExtended(rtl::TByteCursor& Cursor)
{
    const std::size_t at = Cursor.Position();
    const std::uint64_t mantissa = Cursor.U64();
    const unsigned top = Cursor.U16();
    const int exponent = static_cast<int>(top & 0x7FFF);
    if (exponent == 0x7FFF) Cursor.FailAt(at, "infinite or undefined number");
    const double value = std::ldexp(static_cast<double>(mantissa), exponent - kExtendedBias - 63);
    return top & 0x8000 ? -value : value;
}

// A text value inside a list or a property; false when Kind is no text kind.
bool ReadTextValue(rtl::TByteCursor& Cursor, std::uint8_t Kind, std::string& Text)
{
    switch (Kind) {
    case vaString: Text = ShortString(Cursor); return true;
    case vaLString:
    case vaUTF8String: Text = LongBytes(Cursor); return true;
    case vaWString: Text = WideText(Cursor); return true;
    default: return false;
    }
}

TBinValue ReadValue(rtl::TByteCursor& Cursor)
{
    const std::size_t at = Cursor.Position();
    const std::uint8_t kind = Cursor.U8();
    TBinValue value;
    if (ReadTextValue(Cursor, kind, value.Text)) {
        value.Kind = TBinValueKind::Text;
        return value;
    }
    switch (kind) {
    case vaInt8: value.Int = static_cast<std::int8_t>(Cursor.U8()); break;
    case vaInt16: value.Int = Cursor.I16(); break;
    case vaInt32: value.Int = Cursor.I32(); break;
    case vaFalse:
    case vaTrue: value.Kind = TBinValueKind::Bool; value.Int = kind == vaTrue; break;
    case vaIdent: value.Kind = TBinValueKind::Ident; value.Text = ShortString(Cursor); break;
    case vaBinary: value.Kind = TBinValueKind::Binary; value.Text = LongBytes(Cursor); break;
    case vaExtended: value.Kind = TBinValueKind::Float; value.Float = ReadExtended(Cursor); break;
    case vaSet:
        value.Kind = TBinValueKind::Set;
        // Every member takes at least one byte, so the cursor ends the loop.
        for (std::string member = ShortString(Cursor); !member.empty(); member = ShortString(Cursor))
            value.Items.push_back(std::move(member));
        break;
    case vaList:
        value.Kind = TBinValueKind::List;
        for (std::uint8_t item = Cursor.U8(); item != vaNull; item = Cursor.U8()) {
            std::string text;
            if (!ReadTextValue(Cursor, item, text)) Cursor.FailAt(Cursor.Position() - 1, "list item is no text");
            value.Items.push_back(std::move(text));
        }
        break;
    default: Cursor.FailAt(at, "unknown value kind " + std::to_string(kind));
    }
    return value;
}

} // namespace

void TBinRecordWriter::Begin(std::string_view ClassName)
{
    FOut += kSignature;
    ShortName(ClassName);
    FOut += '\0';
}

void TBinRecordWriter::End() { FOut.append(2, '\0'); }

void TBinRecordWriter::ShortName(std::string_view Name)
{
    FOut += static_cast<char>(Name.size());
    FOut += Name;
}

void TBinRecordWriter::Int(std::string_view Name, std::int64_t Value)
{
    ShortName(Name);
    if (Value >= -128 && Value <= 127) {
        FOut += static_cast<char>(vaInt8);
        FOut += static_cast<char>(Value);
    } else if (Value >= -32768 && Value <= 32767) {
        FOut += static_cast<char>(vaInt16);
        FOut += static_cast<char>(Value & 0xFF);
        FOut += static_cast<char>((Value >> 8) & 0xFF);
    } else {
        FOut += static_cast<char>(vaInt32);
        PutU32(FOut, static_cast<std::uint32_t>(Value));
    }
}

void TBinRecordWriter::Bool(std::string_view Name, bool Value)
{
    ShortName(Name);
    FOut += static_cast<char>(Value ? vaTrue : vaFalse);
}

void TBinRecordWriter::Ident(std::string_view Name, std::string_view Value)
{
    ShortName(Name);
    FOut += static_cast<char>(vaIdent);
    ShortName(Value);
}

void TBinRecordWriter::Set(std::string_view Name, const std::vector<std::string_view>& Members)
{
    ShortName(Name);
    FOut += static_cast<char>(vaSet);
    for (std::string_view member : Members)
        ShortName(member);
    FOut += '\0';
}

void TBinRecordWriter::List(std::string_view Name, const std::vector<std::string>& Items)
{
    if (Items.empty()) return;
    ShortName(Name);
    FOut += static_cast<char>(vaList);
    for (const std::string& item : Items)
        TextValue(item);
    FOut += '\0';
}

void TBinRecordWriter::Float(std::string_view Name, double Value)
{
    if (Value == 0) return;
    ShortName(Name);
    FOut += static_cast<char>(vaExtended);
    PutExtended(FOut, Value);
}

void TBinRecordWriter::Text(std::string_view Name, std::string_view Value)
{
    if (Value.empty()) return;
    ShortName(Name);
    TextValue(Value);
}

void TBinRecordWriter::Binary(std::string_view Name, std::string_view Bytes)
{
    if (Bytes.empty()) return;
    ShortName(Name);
    FOut += static_cast<char>(vaBinary);
    PutU32(FOut, static_cast<std::uint32_t>(Bytes.size()));
    FOut += Bytes;
}

void TBinRecordWriter::TextValue(std::string_view Value)
{
    const std::u16string units = rtl::Utf8ToUtf16(Value);
    if (Value.size() < 2 * units.size()) {
        bool ascii = true;
        for (char c : Value)
            ascii = ascii && static_cast<unsigned char>(c) < 0x80;
        if (ascii && Value.size() <= 255) {
            FOut += static_cast<char>(vaString);
            ShortName(Value);
            return;
        }
        FOut += static_cast<char>(ascii ? vaLString : vaUTF8String);
        PutU32(FOut, static_cast<std::uint32_t>(Value.size()));
        FOut += Value;
        return;
    }
    FOut += static_cast<char>(vaWString);
    PutU32(FOut, static_cast<std::uint32_t>(units.size()));
    for (char16_t unit : units) {
        FOut += static_cast<char>(unit & 0xFF);
        FOut += static_cast<char>(unit >> 8);
    }
}

TBinRecord ReadBinRecord(rtl::TByteCursor& Cursor)
{
    const std::size_t start = Cursor.Position();
    Cursor.SetRecord("record");
    if (Cursor.Remaining() < kSignature.size() || AsText(Cursor.Bytes(kSignature.size())) != kSignature)
        Cursor.FailAt(start, "Invalid stream format");
    TBinRecord record;
    record.ClassName = ShortString(Cursor);
    Cursor.SetRecord(record.ClassName);
    ShortString(Cursor); // the component name, unused
    // A cell record has a handful of properties: one allocation for them.
    record.Properties.reserve(8);
    // Every property takes at least two bytes, so the cursor ends the loop.
    for (std::string name = ShortString(Cursor); !name.empty(); name = ShortString(Cursor))
        record.Properties.push_back({std::move(name), ReadValue(Cursor)});
    Cursor.Require(Cursor.U8() == vaNull, "child components are not allowed");
    return record;
}

} // namespace grid::files
