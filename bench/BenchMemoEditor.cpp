// The memo control over a 200,000-line HTML file: opening and painting its first and last
// screens against reading the file and tokenizing every line, typing into its middle and undoing.
#include "memo/MemoText.h"
#include "memo/MemoTokenizer.h"
#include "memo/QuillMemo.h"
#include "memo/QuillmWS.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/classes/Streams.h"
#include "platform/ui/Forms.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

constexpr int LineCount = 200'000;
constexpr int Typed = 10'000;

// Markup with comments over lines, quoted values, entities and plain text, of Lines lines.
const std::string& HtmlFile(int Lines = LineCount)
{
    static std::map<int, std::string> paths;
    auto found = paths.find(Lines);
    if (found != paths.end()) return found->second;
    auto file = std::filesystem::temp_directory_path() /
                ("bench-memo-editor-" + std::to_string(::getpid()) + "-" + std::to_string(Lines) + ".html");
    std::ofstream out(file, std::ios::binary);
    for (int i = 0; i < Lines; ++i) {
        switch (i % 8) {
        case 0: out << "<!-- section " << i << " starts here\r\n"; break;
        case 1: out << "     and its note ends -->\r\n"; break;
        case 2: out << "<table border=1 width=\"" << i % 640 << "\">\r\n"; break;
        case 3: out << "  <tr><td class='c'>cell &lt; " << i << "</td></tr>\r\n"; break;
        case 4: out << "  <a href=\"http://example.org/" << i << "\">link text</a> // remark\r\n"; break;
        default: out << "  plain words of the page, number " << i << " and more words.\r\n"; break;
        }
    }
    return paths.emplace(Lines, file.string()).first->second;
}

struct Window {
    Window()
    {
        static bool installed = (backend::InstallHeadlessBackend(), true);
        (void)installed;
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 800, 600);
        memo = new TQuillMemo(form.get());
        memo->SetParent(form.get());
        memo->SetAlign(alClient);
        styler = new TQuillHTMLMemoStyler(form.get());
        memo->SetSyntaxStyles(styler);
        form->Show();
    }
    void Paint() { form->Update(); }
    std::unique_ptr<TForm> form;
    TQuillMemo* memo = nullptr;
    TQuillHTMLMemoStyler* styler = nullptr;
};

// The baseline: the same file read into a string list and every line tokenized once.
void ReadAndTokenizeEveryLine(benchmark::State& state)
{
    TQuillHTMLMemoStyler styler(nullptr);
    for (auto _ : state) {
        TStringList lines;
        lines.LoadFromFile(HtmlFile());
        memo::TTokenRules rules(&styler, false, true);
        memo::TLineTokenizer tokenizer(rules);
        TStyle style = memo::ClearedStyle();
        for (int i = 0; i < lines.Count(); ++i) tokenizer.Tokenize(memo::ToU32(lines.Strings(i)), style, nullptr);
        benchmark::DoNotOptimize(style);
    }
}
BENCHMARK(ReadAndTokenizeEveryLine)->Unit(benchmark::kMillisecond);

void OpenAndPaintFirstAndLastScreens(benchmark::State& state)
{
    for (auto _ : state) {
        Window w;
        w.memo->Lines().LoadFromFile(HtmlFile());
        w.Paint();
        w.memo->SetCurY(LineCount - 1);
        w.Paint();
        benchmark::DoNotOptimize(w.memo->TopLine());
    }
}
BENCHMARK(OpenAndPaintFirstAndLastScreens)->Unit(benchmark::kMillisecond);

void TypeIntoTheMiddle(Window& w)
{
    w.memo->SetCurY(LineCount / 2);
    w.memo->SetCurX(10);
    w.memo->ClearSelection();
    for (int i = 0; i < Typed; ++i) w.memo->Perform(WM_CHAR, static_cast<WPARAM>('a' + i % 26));
}

void Type10000CharactersIntoTheMiddle(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Window w;
        w.memo->Lines().LoadFromFile(HtmlFile());
        w.Paint();
        state.ResumeTiming();
        TypeIntoTheMiddle(w);
        w.Paint();
        benchmark::DoNotOptimize(w.memo->CurX());
    }
}
BENCHMARK(Type10000CharactersIntoTheMiddle)->Unit(benchmark::kMillisecond);

void UndoThe10000Characters(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Window w;
        w.memo->Lines().LoadFromFile(HtmlFile());
        TypeIntoTheMiddle(w);
        state.ResumeTiming();
        while (w.memo->CanUndo()) w.memo->Undo();
        w.Paint();
        benchmark::DoNotOptimize(w.memo->CurX());
    }
}
BENCHMARK(UndoThe10000Characters)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// Typing into a line of one megabyte: each keystroke costs the line's length
// once, so twice the keystrokes take twice the time.
void TypeIntoAMegabyteLine(benchmark::State& state)
{
    std::string line;
    while (line.size() < (1u << 20)) line += "<td class=\"x\">text &lt; 12</td>";
    for (auto _ : state) {
        state.PauseTiming();
        Window w;
        w.memo->Lines().Clear();
        w.memo->Lines().Add(line);
        w.memo->SetCurX(500'000);
        w.memo->ClearSelection();
        state.ResumeTiming();
        for (int i = 0; i < state.range(0); ++i) w.memo->Perform(WM_CHAR, static_cast<WPARAM>('a' + i % 26));
        w.Paint();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(TypeIntoAMegabyteLine)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// Typing 100 characters into the middle of a file of range(0) lines with soft
// word wrap at 40 columns (most lines are cut) against the same typing
// without wrap (range(1) 0): a keystroke re-wraps only the line it changed, so
// the extra cost of wrapping does not grow with the lines.
void Type100Characters(benchmark::State& state)
{
    const bool wrapped = state.range(1) != 0;
    const int lines = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        Window w;
        w.memo->Lines().LoadFromFile(HtmlFile(lines));
        if (wrapped) {
            w.memo->SetRightMargin(40);
            w.memo->SetWordWrap(wwRightMargin);
        }
        w.memo->SetCurY(w.memo->Lines().Count() / 2);
        w.memo->SetCurX(10);
        w.memo->ClearSelection();
        w.Paint();
        state.ResumeTiming();
        for (int i = 0; i < 100; ++i) {
            w.memo->Perform(WM_CHAR, static_cast<WPARAM>(i % 8 == 7 ? ' ' : 'a' + i % 26));
            w.Paint();
        }
        benchmark::DoNotOptimize(w.memo->CurX());
    }
    state.SetLabel(wrapped ? "word wrap at 40 columns" : "no word wrap");
}
BENCHMARK(Type100Characters)->Args({20'000, 0})->Args({20'000, 1})->Args({200'000, 0})->Args({200'000, 1})->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// One line of minified markup, its size in bytes the argument.
std::string LongLine(int64_t Bytes)
{
    std::string line;
    while (static_cast<int64_t>(line.size()) < Bytes) line += "<td class=\"x\">text &lt; 12</td>";
    return line;
}

// The baseline: converting the line and tokenizing it once, as every paint of its row must.
void TokenizeALongLineOnce(benchmark::State& state)
{
    const std::string line = LongLine(state.range(0));
    TQuillHTMLMemoStyler styler(nullptr);
    memo::TTokenRules rules(&styler, false, true);
    memo::TLineTokenizer tokenizer(rules);
    for (auto _ : state) {
        TStyle style = memo::ClearedStyle();
        tokenizer.Tokenize(memo::ToU32(line), style, nullptr);
        benchmark::DoNotOptimize(style);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(TokenizeALongLineOnce)->Arg(400'000)->Arg(4'000'000)->Unit(benchmark::kMillisecond);

// Showing a memo without a styler whose only line is that long (one run from
// end to end): a paint lays out only the columns on screen.
void PaintALongLine(benchmark::State& state)
{
    const std::string line = LongLine(state.range(0));
    Window w;
    w.memo->SetSyntaxStyles(nullptr);
    w.memo->Lines().Clear();
    w.memo->Lines().Add(line);
    for (auto _ : state) {
        w.memo->Invalidate();
        w.Paint();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(PaintALongLine)->Arg(400'000)->Arg(4'000'000)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// 200,000 lines, every other one holding "foo" once: 100,000 matches.
std::vector<std::string> FooLines()
{
    std::vector<std::string> lines;
    lines.reserve(200'000);
    for (int i = 0; i < 200'000; ++i)
        lines.push_back(i % 2 ? "  plain words of line " + std::to_string(i) : "  call foo(" + std::to_string(i) + ");");
    return lines;
}

// The baseline: the same replacements by a plain loop over the lines.
void PlainLoopReplacing100000Matches(benchmark::State& state)
{
    const std::vector<std::string> source = FooLines();
    for (auto _ : state) {
        std::vector<std::string> lines = source;
        int count = 0;
        for (std::string& line : lines)
            for (size_t at = line.find("foo"); at != std::string::npos; at = line.find("foo", at + 3)) {
                line.replace(at, 3, "barbaz");
                ++count;
            }
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(PlainLoopReplacing100000Matches)->Unit(benchmark::kMillisecond);

// The memo replacing every match as one undo step, and that step undone.
void MemoReplacing100000Matches(benchmark::State& state)
{
    const std::vector<std::string> source = FooLines();
    for (auto _ : state) {
        state.PauseTiming();
        Window w;
        w.memo->SetSyntaxStyles(nullptr);
        TStringList list;
        for (const std::string& line : source) list.Add(line);
        w.memo->SetLines(list);
        w.memo->SetCursor(0, 0);
        state.ResumeTiming();
        const int count = w.memo->FindAndReplace("foo", "barbaz", {frDown});
        w.memo->Undo();
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(MemoReplacing100000Matches)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// Exporting the HTML file of range(0) lines as HTML and as RTF against reading
// and tokenizing the same lines once: both exports grow with the lines alone.
void ExportHtmlAndRtf(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    Window w;
    w.memo->Lines().LoadFromFile(HtmlFile(lines));
    TMemoryStream html, rtf;
    for (auto _ : state) {
        html.Clear();
        rtf.Clear();
        w.memo->SaveToHTMLStream(html, true);
        w.memo->SaveToRTFStream(rtf, true);
        benchmark::DoNotOptimize(html.Size() + rtf.Size());
    }
    state.counters["html_bytes"] = static_cast<double>(html.Size());
    state.counters["rtf_bytes"] = static_cast<double>(rtf.Size());
}
BENCHMARK(ExportHtmlAndRtf)->Arg(20'000)->Arg(200'000)->Unit(benchmark::kMillisecond);

void TokenizeEveryLineOnce(benchmark::State& state)
{
    TQuillHTMLMemoStyler styler(nullptr);
    TStringList lines;
    lines.LoadFromFile(HtmlFile(static_cast<int>(state.range(0))));
    memo::TTokenRules rules(&styler, false, true);
    memo::TLineTokenizer tokenizer(rules);
    for (auto _ : state) {
        TStyle style = memo::ClearedStyle();
        for (int i = 0; i < lines.Count(); ++i) tokenizer.Tokenize(memo::ToU32(lines.Strings(i)), style, nullptr);
        benchmark::DoNotOptimize(style);
    }
}
BENCHMARK(TokenizeEveryLineOnce)->Arg(20'000)->Arg(200'000)->Unit(benchmark::kMillisecond);

// Replacing every other line's match in files of range(0) lines: the cost follows the lines.
void MemoReplacingEveryOtherLine(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    TStringList list;
    for (int i = 0; i < count; ++i) list.Add(i % 2 ? "  plain words of line " + std::to_string(i) : "  call foo(" + std::to_string(i) + ");");
    for (auto _ : state) {
        state.PauseTiming();
        Window w;
        w.memo->SetSyntaxStyles(nullptr);
        w.memo->SetLines(list);
        w.memo->SetCursor(0, 0);
        state.ResumeTiming();
        benchmark::DoNotOptimize(w.memo->FindAndReplace("foo", "barbaz", {frDown}));
    }
}
BENCHMARK(MemoReplacingEveryOtherLine)->Arg(20'000)->Arg(200'000)->Unit(benchmark::kMillisecond);

} // namespace
