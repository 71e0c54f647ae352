// The resource records of cell graphics: each object the grid owns goes into
// the stream whole and comes back as a new object of the reading grid.
#include "grid/files/CellResources.h"

#include "grid/base/AuxLists.h"
#include "grid/base/FilePicture.h"
#include "grid/files/BinRecordValues.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Numbers.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <system_error>

namespace grid::files {

namespace {

constexpr std::string_view kBitmapData = "Bitmap.Data";
constexpr std::string_view kIconData = "Icon.Data";
constexpr std::string_view kPictureData = "Picture.Data";
constexpr std::string_view kPictureFile = "Picture.Filename";
constexpr std::string_view kStrings = "Strings.Strings";

// The bytes a graphic writes through its stream form.
std::string StreamBytes(const std::function<void(TStream&)>& Write)
{
    TStringStream stream;
    Write(stream);
    return stream.DataString();
}

std::vector<std::string> ListItems(const TRecordValues& V)
{
    const TBinValue* list = V.Find(kStrings);
    if (!list) return {};
    if (list->Kind != TBinValueKind::List) V.Fail("wrong value kind of " + std::string(kStrings));
    return list->Items;
}

// Runs a graphic's own reader over record data, its errors becoming the record's.
template <typename Graphic>
std::unique_ptr<Graphic> ReadGraphic(const TRecordValues& V, std::string_view Name,
                                     void (*Read)(Graphic&, TStream&))
{
    auto graphic = std::make_unique<Graphic>();
    const std::string data = V.Binary(Name);
    if (data.empty()) return graphic;
    TStringStream stream(data);
    try {
        Read(*graphic, stream);
    } catch (const Exception& E) {
        V.Fail("unreadable " + std::string(Name) + ": " + E.Message());
    }
    return graphic;
}

} // namespace

bool HasResourceRecord(TCellType Type)
{
    switch (Type) {
    case ctBitmap:
    case ctBitButton:
    case ctIcon:
    case ctRadio:
    case ctImages:
    case ctPicture:
    case ctFilePicture: return true;
    default: return false;
    }
}

void WriteCellResource(TBinRecordWriter& W, const TCellGraphic& G)
{
    switch (G.CellType()) {
    case ctBitmap:
    case ctBitButton:
        W.Begin("TGridBMPIO");
        if (const auto* bitmap = dynamic_cast<const TBitmap*>(G.CellBitmap()); bitmap && !bitmap->Empty())
            W.Binary(kBitmapData, StreamBytes([&](TStream& S) { bitmap->WriteData(S); }));
        break;
    case ctIcon:
        W.Begin("TGridIconIO");
        if (const TIcon* icon = G.CellIcon(); icon && !icon->Empty())
            W.Binary(kIconData, StreamBytes([&](TStream& S) { icon->SaveToStream(S); }));
        break;
    case ctPicture:
        W.Begin("TGridPicIO");
        if (const auto* picture = dynamic_cast<const TPicture*>(G.CellBitmap()); picture && picture->Graphic())
            W.Binary(kPictureData, StreamBytes([&](TStream& S) { picture->WriteData(S); }));
        break;
    case ctFilePicture:
        W.Begin("TGridFilePicIO");
        if (const auto* file = dynamic_cast<const TFilePicture*>(G.CellBitmap())) W.Text(kPictureFile, file->Filename());
        break;
    case ctRadio:
    case ctImages: {
        std::vector<std::string> items;
        if (const auto* options = dynamic_cast<const TStrings*>(G.CellBitmap()))
            for (int i = 0; i < options->Count(); ++i) items.push_back(options->Strings(i));
        if (const auto* indexes = dynamic_cast<const TIntList*>(G.CellBitmap()))
            for (int i = 0; i < indexes->Count(); ++i) items.push_back(IntToStr(indexes->GetInteger(i)));
        W.Begin("TGridSLIO");
        W.List(kStrings, items);
        break;
    }
    default: return;
    }
    W.End();
}

void ReadCellResource(rtl::TByteCursor& Cursor, TCellGraphic& G, int Col, int Row)
{
    std::size_t offset = 0;
    const TCellType type = G.CellType();
    const auto record = [&](std::string_view ClassName, std::string_view Property) {
        TBinRecord read = ReadRecordOf(Cursor, ClassName, offset);
        TRecordValues(read, Cursor, offset).RequireKnown({Property});
        return read;
    };
    switch (type) {
    case ctBitmap:
    case ctBitButton: {
        const TBinRecord read = record("TGridBMPIO", kBitmapData);
        auto bitmap = ReadGraphic<TBitmap>(TRecordValues(read, Cursor, offset), kBitmapData,
                                           [](TBitmap& B, TStream& S) { B.ReadData(S); });
        G.SetCellBitmap(bitmap.release());
        break;
    }
    case ctIcon: {
        const TBinRecord read = record("TGridIconIO", kIconData);
        auto icon = ReadGraphic<TIcon>(TRecordValues(read, Cursor, offset), kIconData,
                                       [](TIcon& I, TStream& S) { I.LoadFromStream(S); });
        G.SetCellIcon(icon.release());
        break;
    }
    case ctPicture: {
        const TBinRecord read = record("TGridPicIO", kPictureData);
        auto picture = ReadGraphic<TPicture>(TRecordValues(read, Cursor, offset), kPictureData,
                                             [](TPicture& P, TStream& S) { P.ReadData(S); });
        G.SetCellBitmap(picture.release());
        break;
    }
    case ctFilePicture: {
        const TBinRecord read = record("TGridFilePicIO", kPictureFile);
        const TRecordValues V(read, Cursor, offset);
        auto file = std::make_unique<TFilePicture>();
        if (const std::string name = V.Text(kPictureFile); !name.empty()) {
            // The name comes from the stream: a device or a pipe would be read without end.
            std::error_code error;
            if (!std::filesystem::is_regular_file(name, error)) V.Fail("file picture \"" + name + "\" is no file");
            file->SetFilename(name);
        }
        G.SetCellBitmap(file.release());
        break;
    }
    case ctRadio: {
        const TBinRecord read = record("TGridSLIO", kStrings);
        auto options = std::make_unique<TStringList>();
        for (const std::string& item : ListItems(TRecordValues(read, Cursor, offset))) options->Add(item);
        G.SetCellBitmap(options.release());
        break;
    }
    case ctImages: {
        const TBinRecord read = record("TGridSLIO", kStrings);
        const TRecordValues V(read, Cursor, offset);
        auto indexes = std::make_unique<TIntList>(Col, Row);
        for (const std::string& item : ListItems(V)) {
            int index = 0;
            if (!TryStrToInt(item, index)) V.Fail("image index \"" + item + "\" is no number");
            indexes->Add(index);
        }
        G.SetCellBitmap(indexes.release());
        break;
    }
    default: return;
    }
    G.SetCellCreated(true);
}

} // namespace grid::files
