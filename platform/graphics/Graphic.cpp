// The abstract picture's change event and its file forms.
#include "platform/graphics/Graphic.h"

#include "platform/classes/FileSave.h"
#include "platform/classes/Streams.h"

#include <cstdint>
#include <string>

void TGraphic::SetTransparent(bool Value)
{
    if (Value == FTransparent) return;
    FTransparent = Value;
    Changed();
}

void TGraphic::SetModified(bool Value)
{
    if (Value)
        Changed();
    else
        FModified = false;
}

void TGraphic::Changed()
{
    FModified = true;
    if (OnChange) OnChange(this);
}

void TGraphic::LoadFromFile(const std::string& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& FileName) const
{
    classes::SaveFileThrough(FileName, [this](TStream& Out) { SaveToStream(Out); });
}

void TGraphic::ReadData(TStream& Stream)
{
    std::int32_t size = 0;
    Stream.ReadBuffer(&size, 4);
    if (size < 0 || size > Stream.Size() - Stream.Position())
        throw EInvalidGraphic("Picture data of " + std::to_string(size) + " bytes runs past the end of the stream");
    if (size == 0) return;
    TMemoryStream data;
    data.CopyFrom(Stream, size);
    data.SetPosition(0);
    LoadFromStream(data);
}

void TGraphic::WriteData(TStream& Stream) const
{
    TMemoryStream data;
    if (!Empty()) SaveToStream(data);
    auto size = static_cast<std::int32_t>(data.Size());
    Stream.WriteBuffer(&size, 4);
    if (size > 0) Stream.WriteBuffer(data.Memory(), size);
}
