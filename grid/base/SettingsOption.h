// Declares the plain options of the grid's settings objects from one table each: the
// field with its published default, a getter and a setter that only stores.
#pragma once

// Expands to public members <Name>Default, <Name>() and Set<Name>() and the private
// field F<Name>, leaving the class in private access.
#define VISTRA_PLAIN_OPTION(Type, Name, Initial)                \
public:                                                         \
    static constexpr Type Name##Default = Initial;              \
    Type Name() const noexcept { return F##Name; }              \
    void Set##Name(Type Value) noexcept { F##Name = Value; }    \
                                                                \
private:                                                        \
    Type F##Name = Initial;

// Copies one plain option from Source inside an Assign.
#define VISTRA_COPY_OPTION(Type, Name, Initial) F##Name = Source.F##Name;
