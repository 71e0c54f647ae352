// Fuzzes the XML reader: parse, walk every node and write the document back.
#include "platform/rtl/Exceptions.h"
#include "platform/xml/XmlDocument.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        xml::Document document;
        document.LoadFromString(std::string_view(reinterpret_cast<const char*>(data), size));
        // Walk with an explicit stack: the reader already bounds the depth.
        std::vector<xml::Node> pending{document.Root()};
        while (!pending.empty()) {
            const xml::Node node = pending.back();
            pending.pop_back();
            (void)node.Name();
            for (const xml::Node& attribute : node.Attributes())
                (void)attribute.Text();
            for (const xml::Node& child : node.Children())
                pending.push_back(child);
        }
        (void)document.SaveToString();
    } catch (const Exception&) {
    }
    return 0;
}
