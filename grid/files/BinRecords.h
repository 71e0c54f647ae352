// The records of the grid's binary cell stream: a signature, a class name and
// named, typed properties, written and read without any streaming framework.
#pragma once

#include "platform/rtl/ByteCursor.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace grid::files {

// Builds records into a byte string; each property goes in the smallest form
// that holds it.
class TBinRecordWriter {
public:
    explicit TBinRecordWriter(std::string& Out) : FOut(Out) {}
    void Begin(std::string_view ClassName);
    void End();
    void Int(std::string_view Name, std::int64_t Value);
    void Bool(std::string_view Name, bool Value);
    void Ident(std::string_view Name, std::string_view Value);
    void Set(std::string_view Name, const std::vector<std::string_view>& Members);
    // Left out when empty; every item as text, an empty one included.
    void List(std::string_view Name, const std::vector<std::string>& Items);
    // Left out when 0; as an 80-bit extended number.
    void Float(std::string_view Name, double Value);
    // Left out when empty, as readers take an absent text as empty.
    void Text(std::string_view Name, std::string_view Value);
    // Graphic data; left out when empty.
    void Binary(std::string_view Name, std::string_view Bytes);

private:
    void ShortName(std::string_view Name);
    void TextValue(std::string_view Value);
    std::string& FOut;
};

enum class TBinValueKind { Int, Bool, Ident, Set, Text, List, Binary, Float };

struct TBinValue {
    TBinValueKind Kind = TBinValueKind::Int;
    std::int64_t Int = 0;
    double Float = 0;
    std::string Text;                // text, identifier or binary bytes
    std::vector<std::string> Items;  // set members or list items
};

struct TBinProperty {
    std::string Name;
    TBinValue Value;
};

struct TBinRecord {
    std::string ClassName;
    std::vector<TBinProperty> Properties;
};

// Reads one record at the cursor; a bad signature raises "Invalid stream
// format", any other fault the cursor's error naming the offset.
TBinRecord ReadBinRecord(rtl::TByteCursor& Cursor);

// The block size a cell stream's header gives, checked as loading checks it.
void ReadCellStreamSize(std::string_view Bytes, int& Cols, int& Rows);

} // namespace grid::files
