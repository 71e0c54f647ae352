// Fuzzes string-list loading (byte-order marks, encodings, line ends), comma
// and delimited text, and the INI reader built on them.
#include "platform/classes/IniDocument.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Streams.h"
#include "platform/rtl/Exceptions.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        TStringStream input(text);
        TStringList lines;
        lines.LoadFromStream(input);
        TStringStream output;
        lines.SaveToStream(output);

        classes::IniDocument ini;
        ini.SetLines(lines);
        for (const std::string& section : ini.SectionNames())
            for (const auto& [key, value] : ini.Entries(section))
                (void)ini.Find(section, key);
        ini.Set("Settings", "opt1", "38.92");
        TStringList saved;
        ini.GetLines(saved);

        TStringList fields;
        fields.SetCommaText(text);
        fields.SetDelimitedText(text);
        (void)fields.CommaText();
    } catch (const Exception&) {
    }
    return 0;
}
