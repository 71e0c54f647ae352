// Developer tool: lists a workbook file's streams and records or its cells,
// rewrites it through the container and record layers, or writes a sample.
#include "XlsDumpCommands.h"

#include "platform/classes/FileSave.h"
#include "platform/classes/Streams.h"
#include "xlsAdapter/qorUOle2Impl.h"
#include "xlsAdapter/qorUXlsRecordReader.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* TypeName(STGTY type)
{
    switch (type) {
    case STGTY_ROOT: return "root";
    case STGTY_STORAGE: return "storage";
    case STGTY_STREAM: return "stream";
    default: return "other";
    }
}

std::string Printable(const std::u16string& name)
{
    std::string text;
    for (char16_t c : name)
        text += c >= 32 && c < 127 ? static_cast<char>(c) : '?';
    return text;
}

// Every record of the workbook stream, CONTINUE records joined to their owner.
std::vector<std::unique_ptr<TBaseRecord>> LoadAllRecords(TOle2File& file)
{
    std::vector<std::unique_ptr<TBaseRecord>> records;
    TRecordHeader header;
    if (!ReadRecordHeader(file, header))
        return records;
    while (!header.EndOfStream)
        records.push_back(LoadRecord(file, header));
    return records;
}

void Dump(const char* fileName)
{
    TFileStream input(fileName, fmOpenRead | fmShareDenyNone);
    TOle2File file(input);
    for (const auto& entry : file.ListEntries())
        std::printf("%-8s %-32s %lld\n", TypeName(entry.Type), Printable(entry.Name).c_str(),
                    static_cast<long long>(entry.Size));
    file.SelectStream(u"Workbook");
    for (const auto& record : LoadAllRecords(file)) {
        std::printf("record 0x%04x length %d offset %lld\n", record->Id, record->DataSize(),
                    static_cast<long long>(record->StreamOffset));
        for (const TContinueRecord* link = record->Continue.get(); link; link = link->Continue.get())
            std::printf("  continue length %d offset %lld\n", link->DataSize(),
                        static_cast<long long>(link->StreamOffset));
    }
}

void Rewrite(const char* inName, const char* outName)
{
    TFileStream input(inName, fmOpenRead | fmShareDenyNone);
    TOle2File file(input);
    file.SelectStream(u"Workbook");
    const auto records = LoadAllRecords(file);
    // Fewer than 4 bytes after the last record are padding, not a record.
    ByteArray padding(static_cast<std::size_t>(file.Length() - file.Position()));
    file.ReadMem(padding.data(), static_cast<std::int64_t>(padding.size()));
    classes::SaveFileThrough(outName, [&](TStream& output) {
        file.PrepareForWrite(output, u"Workbook");
        // Every record as read, including those the workbook layer would rebuild.
        for (const auto& record : records) {
            record->SaveDataToStream(file, record->Data);
            for (const TContinueRecord* link = record->Continue.get(); link; link = link->Continue.get())
                link->SaveDataToStream(file, link->Data);
        }
        file.Write(padding);
        file.FinishWrite();
    });
}

} // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 3 && std::strcmp(argv[1], "--cells") == 0) {
            xlsdump::DumpCells(argv[2]);
        } else if (argc == 3 && std::strcmp(argv[1], "--write-sample") == 0) {
            xlsdump::WriteSample(argv[2]);
        } else if (argc == 2 && argv[1][0] != '-') {
            Dump(argv[1]);
        } else if (argc == 4 && std::strcmp(argv[1], "--rewrite") == 0) {
            Rewrite(argv[2], argv[3]);
        } else {
            std::fprintf(stderr, "usage: xlsdump FILE\n       xlsdump --rewrite IN OUT\n"
                                 "       xlsdump --cells FILE\n       xlsdump --write-sample OUT\n");
            return 2;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "xlsdump: %s\n", e.what());
        return 1;
    }
    return 0;
}
