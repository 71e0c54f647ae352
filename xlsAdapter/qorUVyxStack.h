// The small stacks of the formula coders: operand texts with the white space
// waiting for the next one, and the white space read before a token.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Texts; popping or peeking an empty stack raises "String Stack is empty".
class TStringStack {
public:
    virtual ~TStringStack() = default;

    int Count() const { return static_cast<int>(FList.size()); }
    bool AtLeast(int ACount) const { return Count() >= ACount; }
    virtual void Push(std::string s);
    void Pop(std::string& s);
    void Peek(std::string& s) const;

private:
    std::vector<std::string> FList;
};

// Operand texts of the formula decoder, with three pieces of white space that
// attribute tokens announce for the next operand or parenthesis.
class TFormulaStack : public TStringStack {
public:
    std::string FmSpaces;     // before the next token
    std::string FmPreSpaces;  // before an opening parenthesis
    std::string FmPostSpaces; // before a closing parenthesis

    // Pushes, then forgets the pending white space: it belonged to s.
    void Push(std::string s) override;
};

// Spaces read before an operator or operand: how many (at most 255) and the
// white-space kind they become in an attribute token.
struct TWhiteSpace {
    std::uint8_t Count = 0;
    std::uint8_t Kind = 0;
};

// Popping or peeking an empty stack raises "WhiteSpace Stack is empty".
class TWhiteSpaceStack {
public:
    int Count() const { return static_cast<int>(FList.size()); }
    bool AtLeast(int ACount) const { return Count() >= ACount; }
    void Push(const TWhiteSpace& ws) { FList.push_back(ws); }
    void Pop(TWhiteSpace& ws);
    void Peek(TWhiteSpace& ws) const;

private:
    std::vector<TWhiteSpace> FList;
};
