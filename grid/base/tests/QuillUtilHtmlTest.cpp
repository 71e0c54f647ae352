// Links in cell text and the clipboard HTML header.
#include "grid/base/QuillUtilHtml.h"

#include "grid/base/tests/PythonPeer.h"

#include <gtest/gtest.h>

TEST(QuillUtilHtml, WrapURLInAnchor)
{
    struct Case {
        const char* text;
        const char* marker;
        const char* out;
    };
    const Case cases[] = {
        {"see http://a.b/c?x=1", "HTTP://", "see <a href=\"http://a.b/c\">http://a.b/c</a>?x=1"},
        {"<b> Http://X.y&z", "HTTP://", "&lt;b&gt; <a href=\"Http://X.y\">Http://X.y</a>&z"},
        {"www.site.org/a_b", "WWW.", "<a href=\"www.site.org/a_b\">www.site.org/a_b</a>"},
        {"mailto:me@x.org.", "MAILTO:", "<a href=\"mailto:me@x.org.\">mailto:me@x.org.</a>"},
        {"ftp://h/é", "FTP://", "<a href=\"ftp://h/\">ftp://h/</a>é"},
    };
    for (const auto& c : cases) {
        std::string out = "untouched";
        EXPECT_TRUE(WrapURLInAnchor(c.text, c.marker, out)) << c.text;
        EXPECT_EQ(out, c.out);
    }
    std::string out = "untouched";
    EXPECT_FALSE(WrapURLInAnchor("<no link>", "HTTP://", out));
    EXPECT_EQ(out, "untouched");
}

TEST(QuillUtilHtml, ClipboardHeaderOffsetsPointIntoTheText)
{
    std::string empty;
    WrapClipboardHTML(empty);
    EXPECT_NE(empty.find("StartHTML:00000097\r\nEndHTML:00000306\r\nStartFragment:00000274\r\nEndFragment:00000274\r\n"),
              std::string::npos);

    const std::string fragment = "<table><tr><td>Größe &amp; €</td></tr></table>";
    std::string wrapped = fragment;
    WrapClipboardHTML(wrapped);
    // Python reads the offsets back from the header and slices the bytes with them.
    const std::string script = R"(
import sys, re
data = sys.stdin.buffer.read()
header = dict(re.findall(rb'(\w+):(\d+)\r\n', data[:200]))
start, end = int(header[b'StartFragment']), int(header[b'EndFragment'])
assert data[int(header[b'StartHTML']):].startswith(b'<!DOCTYPE')
assert int(header[b'EndHTML']) == len(data)
assert data[:start].endswith(b'<!--StartFragment-->') and data[end:].startswith(b'<!--EndFragment-->')
sys.stdout.buffer.write(data[start:end])
)";
    EXPECT_EQ(grid::test::RunPython(script, wrapped), fragment);
}
