// Option declarations for the grid model's settings objects, beside the plain ones of
// the grid base: options whose setters report a change, and text options.
#pragma once

#include "grid/base/SettingsOption.h"

#include <string>
#include <string_view>

// Like VISTRA_PLAIN_OPTION, but the setter stores only a new value and then calls the
// class's private Changed(), which says what a change means for that class.
#define VISTRA_CHANGED_OPTION(Type, Name, Initial)   \
public:                                             \
    static constexpr Type Name##Default = Initial;  \
    Type Name() const noexcept { return F##Name; }  \
    void Set##Name(Type Value)                      \
    {                                               \
        if (F##Name == Value)                       \
            return;                                 \
        F##Name = Value;                            \
        Changed();                                  \
    }                                               \
                                                    \
private:                                            \
    Type F##Name = Initial;

// A text option whose setter only stores; Type is always std::string and is named only
// so that text options share the option tables of the other kinds.
#define VISTRA_TEXT_OPTION(Type, Name, Initial)                            \
public:                                                                    \
    static constexpr std::string_view Name##Default = Initial;             \
    const Type& Name() const noexcept { return F##Name; }                  \
    void Set##Name(const Type& Value) { F##Name = Value; }                 \
                                                                           \
private:                                                                   \
    Type F##Name{Initial};

// Like VISTRA_CHANGED_OPTION, but the setter calls Changed() on every call, also when
// the value stays the same.
#define VISTRA_ALWAYS_CHANGED_OPTION(Type, Name, Initial) \
public:                                                 \
    static constexpr Type Name##Default = Initial;      \
    Type Name() const noexcept { return F##Name; }      \
    void Set##Name(Type Value)                          \
    {                                                   \
        F##Name = Value;                                \
        Changed();                                      \
    }                                                   \
                                                        \
private:                                                \
    Type F##Name = Initial;
