// Run-time class identity by name, and the persistent base that copies state.
#pragma once

#include <functional>
#include <string>
#include <string_view>

class TObject;

// What the program knows about a class at run time: its name and its parent.
// Names compare without regard to case, as class names do in scripts.
struct TClassInfo {
    const char* Name;
    const TClassInfo* Parent;

    bool InheritsFrom(const TClassInfo* ancestor) const noexcept;
    bool InheritsFrom(std::string_view ancestorName) const noexcept;
};
using TClass = const TClassInfo*;

// Declares the class identity members of a class derived from TObject. Put it
// first in the class body; it leaves the access at public.
#define VISTRA_CLASS(Self, Base)                                         \
public:                                                                  \
    static TClass StaticClass() noexcept                                 \
    {                                                                    \
        static const TClassInfo info{#Self, Base::StaticClass()};       \
        return &info;                                                    \
    }                                                                    \
    TClass ClassType() const noexcept override { return StaticClass(); }

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static TClass StaticClass() noexcept;
    virtual TClass ClassType() const noexcept { return StaticClass(); }

    std::string ClassName() const { return ClassType()->Name; }
    TClass ClassParent() const noexcept { return ClassType()->Parent; }
    bool InheritsFrom(TClass ancestor) const noexcept { return ClassType()->InheritsFrom(ancestor); }
    bool InheritsFrom(std::string_view ancestorName) const noexcept
    {
        return ClassType()->InheritsFrom(ancestorName);
    }
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// An object whose state can be copied from another with Assign.
class TPersistent : public TObject {
    VISTRA_CLASS(TPersistent, TObject)

    // Copies Source into this object. The base asks Source to AssignTo this
    // object and raises EConvertError when neither side knows the other.
    virtual void Assign(const TPersistent* Source);

protected:
    virtual void AssignTo(TPersistent* Dest) const;
    // The object that owns this one in a property path, if any.
    virtual TPersistent* GetOwner() const { return nullptr; }
};
