// Number formats: FORMAT records, their list by id, and the built-in formats.
#include "xlsAdapter/qorUXlsXF.h"

#include "platform/rtl/Strings.h"
#include "xlsAdapter/qorUVyxMessages.h"
#include "xlsAdapter/qorUXlsStrings.h"

#include <algorithm>
#include <array>
#include <cctype>

using namespace xlsAdapter;

namespace {

// Ids below this one belong to built-in formats, even those without a text.
constexpr int FirstUserFormatId = 164;

constexpr std::array<const char*, BuiltInFormatCount> BuiltInFormats{
    "",                                // 0 general
    "0",
    "0.00",
    "#,##0",
    "#,##0.00",
    "", "", "", "",                    // 5-8
    "0%",
    "0.00%",
    "0.00E+00",
    "?/?",
    "# ??" "/??", // split so that no trigraph is read
    "mm/dd/YYYY",                      // 14, locale form in BuiltInFormat
    "DD-MMM-YY",
    "DD-MMM",
    "MMM-YY",
    "h:mm AM/PM",
    "h:mm:ss AM/PM",
    "hh:mm",
    "hh:mm:ss",
    "mm/dd/YYYY hh:mm",                // 22, locale form in BuiltInFormat
    "", "", "", "", "", "", "", "", "", "", "", "", "", "", // 23-36
    "#,##0 _$;-#,##0 _$",
    "#,##0 _$;[Red]-#,##0 _$",
    "#,##0.00 _$;-#,##0.00 _$",
    "#,##0.00 _$;[Red]-#,##0.00 _$",
    "", "", "", "",                    // 41-44
    "mm:ss",
    "[h]:mm:ss",
    "mm:ss,0",
    "##0.0E+0",
    "@",
};

constexpr int ShortDateId = 14;
constexpr int ShortDateTimeId = 22;

// The short date of Settings as "YYYY", "mm" and "dd" in the order its
// format names them; empty when the format names none of them.
std::string LocaleShortDate(const TFormatSettings& Settings)
{
    const std::string sep(1, Settings.DateSeparator);
    for (char c : Settings.ShortDateFormat) {
        switch (std::tolower(static_cast<unsigned char>(c))) {
        case 'y':
            return "YYYY" + sep + "mm" + sep + "dd";
        case 'm':
            return "mm" + sep + "dd" + sep + "YYYY";
        case 'd':
            return "dd" + sep + "mm" + sep + "YYYY";
        default:
            break;
        }
    }
    return {};
}

bool ById(const std::unique_ptr<TBaseRecord>& a, const std::unique_ptr<TBaseRecord>& b)
{
    return static_cast<const TFormatRecord*>(a.get())->FormatId() <
           static_cast<const TFormatRecord*>(b.get())->FormatId();
}

} // namespace

std::string BuiltInFormat(int Index, const TFormatSettings& Settings)
{
    if (Index < 0 || Index >= BuiltInFormatCount)
        return {};
    if (Index == ShortDateId || Index == ShortDateTimeId) {
        std::string date = LocaleShortDate(Settings);
        if (!date.empty())
            return Index == ShortDateId ? date : date + " hh" + Settings.TimeSeparator + "mm";
    }
    return BuiltInFormats[static_cast<std::size_t>(Index)];
}

std::string BuiltInFormat(int Index)
{
    return BuiltInFormat(Index, LocaleFormatSettings());
}

TFormatRecord::TFormatRecord(std::uint16_t aId, ByteArray aData) : TBaseRecord(aId, std::move(aData))
{
    RequireSize(5); // id, character count, option byte
}

std::unique_ptr<TFormatRecord> TFormatRecord::CreateFromData(const std::string& Fmt, int NewID)
{
    const TExcelString text(2, rtl::Utf8ToUtf16(Fmt));
    const std::int64_t size = 2 + text.TotalSize();
    if (size > xlr::MaxRecordDataSize)
        ExcelError(msg::TooManyEntries, static_cast<int>(size), xlr::MaxRecordDataSize);
    ByteArray data(static_cast<std::size_t>(size));
    SetWord(data, 0, static_cast<std::uint16_t>(NewID));
    text.CopyToPtr(data, 2);
    return std::make_unique<TFormatRecord>(xlr::FORMAT, std::move(data));
}

std::string TFormatRecord::Value() const
{
    const TBaseRecord* record = this;
    int pos = 2;
    return rtl::Utf16ToUtf8(TExcelString(2, record, pos).Value());
}

void TFormatRecordList::SetItems(int Index, std::unique_ptr<TFormatRecord> Record)
{
    Delete(Index);
    Insert(Index, std::move(Record));
}

int TFormatRecordList::Add(std::unique_ptr<TFormatRecord> Record)
{
    Sorted = false;
    return TBaseRecordList::Add(std::move(Record));
}

void TFormatRecordList::Insert(int Index, std::unique_ptr<TFormatRecord> Record)
{
    Sorted = false;
    TBaseRecordList::Insert(Index, std::move(Record));
}

void TFormatRecordList::Sort()
{
    std::stable_sort(FItems.begin(), FItems.end(), ById);
    Sorted = true;
}

bool TFormatRecordList::Find(int aItem, int& Index)
{
    if (!Sorted)
        Sort();
    const auto it = std::lower_bound(FItems.begin(), FItems.end(), aItem, [](const auto& record, int id) {
        return static_cast<const TFormatRecord*>(record.get())->FormatId() < id;
    });
    Index = static_cast<int>(it - FItems.begin());
    return it != FItems.end() && GetItems(Index)->FormatId() == aItem;
}

int TFormatRecordList::AddFormat(const std::string& Fmt)
{
    for (int i = 0; i < Count(); ++i)
        if (GetItems(i)->Value() == Fmt)
            return GetItems(i)->FormatId();
    const TFormatSettings& settings = LocaleFormatSettings();
    for (int id = 0; id < BuiltInFormatCount; ++id)
        if (BuiltInFormat(id, settings) == Fmt)
            return id;
    if (!Sorted)
        Sort();
    const int newId = Count() == 0 ? FirstUserFormatId : std::max(FirstUserFormatId, GetItems(Count() - 1)->FormatId() + 1);
    if (newId > 0xFFFF)
        ExcelError(msg::TooManyEntries, newId, 0xFFFF);
    Add(TFormatRecord::CreateFromData(Fmt, newId));
    return newId;
}

std::string TFormatRecordList::GetFormat(int FormatId)
{
    int index = 0;
    if (Find(FormatId, index))
        return GetItems(index)->Value();
    return BuiltInFormat(FormatId);
}
