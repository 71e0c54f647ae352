// The memo control over a 200,000-line HTML file: opening and painting its first and last
// screens against reading the file and tokenizing every line, typing into its middle and undoing.
#include "memo/MemoText.h"
#include "memo/MemoTokenizer.h"
#include "memo/QuillMemo.h"
#include "memo/QuillmWS.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/ui/Forms.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

constexpr int LineCount = 200'000;
constexpr int Typed = 10'000;

// Markup with comments over lines, quoted values, entities and plain text.
const std::string& HtmlFile()
{
    static const std::string path = [] {
        auto file = std::filesystem::temp_directory_path() / ("bench-memo-editor-" + std::to_string(::getpid()) + ".html");
        std::ofstream out(file, std::ios::binary);
        for (int i = 0; i < LineCount; ++i) {
            switch (i % 8) {
            case 0: out << "<!-- section " << i << " starts here\r\n"; break;
            case 1: out << "     and its note ends -->\r\n"; break;
            case 2: out << "<table border=1 width=\"" << i % 640 << "\">\r\n"; break;
            case 3: out << "  <tr><td class='c'>cell &lt; " << i << "</td></tr>\r\n"; break;
            case 4: out << "  <a href=\"http://example.org/" << i << "\">link text</a> // remark\r\n"; break;
            default: out << "  plain words of the page, number " << i << " and more words.\r\n"; break;
            }
        }
        return file.string();
    }();
    return path;
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

// Typing 100 characters into the middle of the file with soft word wrap at 40
// columns (most lines are cut) against the same typing without wrap: each
// keystroke re-wraps, which scans every line once.
void Type100Characters(benchmark::State& state)
{
    const bool wrapped = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        Window w;
        w.memo->Lines().LoadFromFile(HtmlFile());
        if (wrapped) {
            w.memo->SetRightMargin(40);
            w.memo->SetWordWrap(wwRightMargin);
        }
        w.memo->SetCurY(w.memo->Lines().Count() / 2);
        w.memo->SetCurX(10);
        w.memo->ClearSelection();
        w.Paint();
        state.ResumeTiming();
        for (int i = 0; i < 100; ++i) w.memo->Perform(WM_CHAR, static_cast<WPARAM>(i % 8 == 7 ? ' ' : 'a' + i % 26));
        w.Paint();
        benchmark::DoNotOptimize(w.memo->CurX());
    }
    state.SetLabel(wrapped ? "word wrap at 40 columns" : "no word wrap");
}
BENCHMARK(Type100Characters)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
