// Fuzzes reading a typed edit's stored text and lookup history: any INI
// content gives a bounded read whose entries stay sorted and paired, and a
// failure reaches the exception handler instead of escaping.
#include "controls/QuillEdit.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/classes/ExceptionHook.h"
#include "fuzz/ScratchFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool ready = [] {
        backend::InstallHeadlessBackend();
        classes::SetExceptionHandler([](TObject*, const std::exception&) {});
        return true;
    }();
    (void)ready;
    std::FILE* file = std::fopen(ScratchFile().c_str(), "wb");
    if (!file) std::abort();
    if (size && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);

    TQuillEdit edit(nullptr);
    edit.SetName("Edit1");
    edit.Persistence().SetEnable(true);
    edit.Persistence().SetKey(ScratchFile());
    edit.Lookup().SetEnabled(true);
    edit.Lookup().SetHistory(true);
    edit.BeginLoading();
    edit.EndLoading();
    const TStringList& display = edit.Lookup().DisplayList();
    for (int i = 1; i < display.Count(); ++i)
        if (display.CompareStrings(display.Strings(i - 1), display.Strings(i)) >= 0) std::abort();
    if (edit.Lookup().ValueList().Count() > display.Count()) std::abort();
    return 0;
}
