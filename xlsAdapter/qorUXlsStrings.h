// The BIFF8 unicode string as an object: read across CONTINUE records,
// compared, measured and written back with its rich-text runs and far-east
// data.
#pragma once

#include "xlsAdapter/qorXlsMessages.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class TBaseRecord;
class TOle2File;

class TExcelString {
public:
    // Reads the string at data offset Ofs of aRecord, following the
    // record's CONTINUE chain; aRecord and Ofs end just past the string.
    TExcelString(int aStrLenLength, const TBaseRecord*& aRecord, int& Ofs);
    // A plain string holding s; 16-bit when ForceWide or when s needs it.
    TExcelString(int aStrLenLength, std::u16string_view s, bool ForceWide = false);

    int StrLenLength;
    std::uint16_t StrLen = 0;
    std::uint8_t OptionFlags = 0;
    std::u16string WideData;  // the text when bit 0 of OptionFlags is set
    std::string ShortData;    // otherwise: one byte per character
    std::uint16_t NumberRichTextFormats = 0;
    ByteArray RichTextFormats;  // 4 bytes per run, as in the file
    std::uint32_t FarEastDataSize = 0;
    ByteArray FarEastData;

    int GetCharSize() const { return (OptionFlags & 1) ? 2 : 1; }
    bool HasRichText() const { return (OptionFlags & 8) != 0; }
    bool HasFarInfo() const { return (OptionFlags & 4) != 0; }

    // -1, 0 or 1: by length width, option byte, then the text.
    int Compare(const TExcelString& Str2) const;
    std::int64_t TotalSize() const;
    void SaveToStream(TOle2File& DataStream, bool IncludeLen = true) const;
    // The same bytes SaveToStream writes, put into Dest from aPos on.
    void CopyToPtr(std::span<std::uint8_t> Dest, std::int64_t aPos, bool IncludeLen = true) const;
    std::u16string Value() const;

private:
    ByteArray Bytes(bool IncludeLen) const;
};
