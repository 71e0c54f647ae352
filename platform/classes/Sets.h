// A small set type over an enumeration, for the sets that components expose.
#pragma once

#include <bitset>
#include <cstddef>
#include <initializer_list>

// Holds which values of Enum are present. Enum values must lie in 0..Size-1;
// the default covers every enumeration with up to 64 values.
template <class Enum, std::size_t Size = 64>
class TSet {
public:
    constexpr TSet() = default;
    TSet(std::initializer_list<Enum> values)
    {
        for (Enum v : values)
            Include(v);
    }

    bool Contains(Enum v) const { return FBits.test(Bit(v)); }
    TSet& Include(Enum v)
    {
        FBits.set(Bit(v));
        return *this;
    }
    TSet& Exclude(Enum v)
    {
        FBits.reset(Bit(v));
        return *this;
    }
    bool Empty() const { return FBits.none(); }
    std::size_t Count() const { return FBits.count(); }

    // Union, difference and intersection, as the operators + - * of sets.
    friend TSet operator+(TSet a, const TSet& b)
    {
        a.FBits |= b.FBits;
        return a;
    }
    friend TSet operator-(TSet a, const TSet& b)
    {
        a.FBits &= ~b.FBits;
        return a;
    }
    friend TSet operator*(TSet a, const TSet& b)
    {
        a.FBits &= b.FBits;
        return a;
    }
    TSet& operator+=(const TSet& b) { return *this = *this + b; }
    TSet& operator-=(const TSet& b) { return *this = *this - b; }
    friend bool operator==(const TSet& a, const TSet& b) = default;

private:
    static std::size_t Bit(Enum v) { return static_cast<std::size_t>(v); }
    std::bitset<Size> FBits;
};
