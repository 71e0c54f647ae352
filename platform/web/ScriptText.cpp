// Builders of script texts that must stay valid whatever the text they carry.
#include "platform/web/ScriptText.h"

#include <cstdint>
#include <cstdio>

namespace web {

namespace {

// Length of the well-formed UTF-8 sequence starting at text[i], or 0 when the
// bytes there are not one (overlong forms, surrogates and truncation included).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (byte(i + k) & 0x3F);
    }
    const bool overlong = (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (overlong || surrogate || codePoint > 0x10FFFF)
        return 0;
    return length;
}

}  // namespace

std::string ScriptStringLiteral(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            out += "\\uFFFD";
            ++i;
            continue;
        }
        if (length > 1) {
            const std::string_view sequence = text.substr(i, length);
            // U+2028 and U+2029 end a line inside older script parsers.
            if (sequence == "\xE2\x80\xA8")
                out += "\\u2028";
            else if (sequence == "\xE2\x80\xA9")
                out += "\\u2029";
            else
                out += sequence;
            i += length;
            continue;
        }
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '/':
            // "</script>" inside an inline script would end the element.
            out += (i > 0 && text[i - 1] == '<') ? "\\/" : "/";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
        ++i;
    }
    out += '"';
    return out;
}

std::string BodyStyleScript(std::string_view property, std::string_view value)
{
    return "document.body.style[" + ScriptStringLiteral(property) + "] = " + ScriptStringLiteral(value) +
           ";";
}

std::string ExternalObjectScript(const std::vector<std::string>& methodNames, std::string_view handlerName)
{
    std::string names;
    for (const std::string& name : methodNames) {
        if (!names.empty())
            names += ", ";
        names += ScriptStringLiteral(name);
    }
    // The channel is taken before any page script runs, so a page that later
    // replaces window.webkit cannot intercept the calls.
    return "(function () {\n"
           "  var channel = window.webkit.messageHandlers[" + ScriptStringLiteral(handlerName) + "];\n"
           "  function plain(value) {\n"
           "    if (value === undefined || value === null) return null;\n"
           "    var kind = typeof value;\n"
           "    if (kind === 'boolean' || kind === 'number' || kind === 'string') return value;\n"
           "    return String(value);\n"
           "  }\n"
           "  var external = {};\n"
           "  [" + names + "].forEach(function (name) {\n"
           "    external[name] = function () {\n"
           "      var args = [];\n"
           "      for (var i = 0; i < arguments.length; ++i) args.push(plain(arguments[i]));\n"
           "      channel.postMessage({name: name, args: args});\n"
           "    };\n"
           "  });\n"
           "  Object.defineProperty(window, 'external', {value: Object.freeze(external),\n"
           "                                             writable: false, configurable: false});\n"
           "})();\n";
}

}  // namespace web
