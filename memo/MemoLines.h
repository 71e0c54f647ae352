// The memo's line list: tab expansion, one data object per line, line lengths and modified marks.
#pragma once

#include "memo/MemoIntList.h"
#include "memo/MemoLineProp.h"
#include "memo/MemoLinesOwner.h"
#include "platform/classes/StringList.h"

#include <memory>
#include <string>
#include <vector>

class TStream;

// Lines of a memo. Each line's object slot holds its TLineProp (or nothing
// until one is needed); the list's pool owns the line objects, and they
// outlive the deletion of their lines until Clear or FreeLineProps. Objects(i)
// reads and writes the user object kept inside the line object, so callers
// never see a TLineProp. A parallel list keeps every line's length in
// characters for the horizontal scroll range.
//
// With a memo attached, text coming in through Add, Insert, DoInsert, Put and
// loading has each tab replaced by TabSize spaces, Delete goes through the
// memo's undoable DeleteLine, and saving marks modified lines saved. Without
// one the list behaves as a plain string list that keeps its lengths.
class TQuillMemoStrings : public TStringList {
    VISTRA_CLASS(TQuillMemoStrings, TStringList)

    using LineProps = std::vector<std::unique_ptr<TLineProp>>;

    TQuillMemoStrings() = default;
    ~TQuillMemoStrings() override;

    TMemoLinesOwner* Memo() const noexcept { return FMemo; }
    void SetMemo(TMemoLinesOwner* Value) noexcept { FMemo = Value; }
    // Points OnChange at the memo's lines-changed handler.
    void ConnectMemoChange();

    void Assign(const TPersistent* Source) override;
    void SetStrings(int Index, const std::string& S) override;
    // The user object; none for an index out of range.
    TObject* Objects(int Index) const override;
    // Ignored for an index out of range; keeps the line's marks.
    void SetObjects(int Index, TObject* AObject) override;
    // With a memo, splits S at every CR (line feeds dropped) and returns the
    // index of the last line appended.
    int Add(const std::string& S) override;
    // Keeps tabs as they are.
    int AddObject(const std::string& S, TObject* AObject) override;
    void AddStrings(const TStrings& Strings);
    void Clear() override;
    // Ignores an index out of range.
    void Delete(int Index) override;
    // With a memo, splits S at every CR LF pair; without one inserts one line.
    void Insert(int Index, const std::string& S) override;
    void Exchange(int Index1, int Index2) override;
    void Move(int CurIndex, int NewIndex) override;
    void Sort() override;
    void CustomSort(const TStringListSortCompare& Compare) override;

    // The forms with an explicit encoding are the plain list's and bypass
    // tab expansion, marks and trimming.
    using TStrings::LoadFromFile;
    using TStrings::LoadFromStream;
    using TStrings::SaveToFile;
    using TStrings::SaveToStream;
    void LoadFromFile(const std::string& FileName);
    void LoadFromStream(TStream& Stream);
    // Joins soft-wrapped lines for the write and trims trailing blanks of
    // every line (kept trimmed afterwards).
    void SaveToFile(const std::string& FileName);
    // Joins soft-wrapped lines for the write; no trimming.
    void SaveToStream(TStream& Stream);

    int DoAdd(const std::string& S) { return Add(S); }
    // Inserts one line without splitting it and without a line object.
    void DoInsert(int Index, const std::string& S);
    // Removes one line as it is, not through the memo's undoable delete; its
    // line object stays in the pool.
    void RemoveLine(int Index);
    // Empties the lines, the pool and the lengths without freeing the line
    // objects, which are handed to the caller.
    [[nodiscard]] LineProps ClearStrings();
    // Replaces every line by the lines of List, which get no line objects.
    // Returns the line objects of the old lines.
    [[nodiscard]] LineProps ReplaceLines(const TStrings& List);
    // One line of a rebuild: its text and the line object it keeps (none for
    // a new line); the object must be one of this list's own.
    struct Row {
        std::string Text;
        TLineProp* Prop = nullptr;
    };
    // Replaces every line by Rows, with no change events; line objects left
    // out stay in the pool.
    void RebuildLines(std::vector<Row> Rows);

    // None when Index is out of range or the line has no line object.
    TLineProp* GetLineProp(int Index) const;
    // Raises EStringListError for an index out of range.
    TLineProp* CreateLineProp(int Index);
    void SetLineProp(int Index, TLineProp* Obj);
    void SetLineObject(int Index, TObject* Obj);
    int AddLineProp(std::unique_ptr<TLineProp> Obj);
    void FreeLineProps();
    // The line object of Index, made when missing.
    TLineProp& LineProp(int Index);
    // Every line object made for this list, also those of deleted lines.
    const LineProps& Pool() const noexcept { return FLinesProp; }

    // 0 for no lines or a single empty line, else Count.
    int RealCount() const;
    const memo::TIntList& LineLengths() const noexcept { return FListLengths; }

    // Silences OnChange for its lifetime and puts the handler back afterwards,
    // also when an exception passes.
    class QuietChanges {
    public:
        explicit QuietChanges(TQuillMemoStrings& Lines);
        ~QuietChanges();
        QuietChanges(const QuietChanges&) = delete;
        QuietChanges& operator=(const QuietChanges&) = delete;

    private:
        TQuillMemoStrings& FLines;
        TNotifyEvent FSaved;
    };

protected:
    // Counts the open update brackets; a bracket fires no change events at
    // its ends.
    void SetUpdateState(bool Updating) override;

private:
    std::string ExpandTabs(const std::string& S) const;
    void RebuildLengths(const TStrings& From);
    void Load(TStream& Stream, bool FromFile);
    void RemoveFoldingOf(int Index);

    TMemoLinesOwner* FMemo = nullptr;
    int FLockCount = 0;
    bool FDeleting = false;
    LineProps FLinesProp;
    memo::TIntList FListLengths;
    bool FNoObjCreate = false;
};
