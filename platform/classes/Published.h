// The published-member registry: properties and methods of a class that
// code reaches by name at run time (script automation, settings).
//
// Registration sits beside the class, in a function its library runs once:
//
//   classes::Publish<TMarker>()
//       .Property("Title", &TMarker::Title, &TMarker::SetTitle)
//       .Property("Index", &TMarker::Index)
//       .Method("Delete", &TMarker::Delete)
//       .Method("Move", [](TMarker& m, const classes::TPublishedArgs& a) {
//           m.Move(a.at(0).AsVariant().AsDouble(), a.at(1).AsVariant().AsDouble());
//           return classes::TPublishedValue();
//       });
//
// Lookups walk the class chain from the object's class up, so a class
// answers for its ancestors' members unless it publishes the same name
// itself; names compare without regard to case.
#pragma once

#include "platform/classes/Object.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Variant.h"

#include <concepts>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

// Raised for a member that is not published, a property that cannot be
// written, and a call with the wrong number of arguments.
class EPropertyError : public Exception {
public:
    using Exception::Exception;
};

namespace classes {

// A value handed to or returned by a published member: a Variant, or a
// reference to an object (which may be null).
class TPublishedValue {
public:
    TPublishedValue() = default;
    // Pointers other than C strings must not slip into a Variant as Booleans.
    template <class T>
        requires std::constructible_from<Variant, T> && (!std::is_null_pointer_v<std::decay_t<T>>) &&
                 (!std::is_pointer_v<std::decay_t<T>> || std::same_as<std::decay_t<T>, const char*>)
    TPublishedValue(T&& value) : FVariant(std::forward<T>(value))
    {
    }
    // A null object reference.
    TPublishedValue(std::nullptr_t) : FIsObject(true) {}
    template <class T>
        requires std::derived_from<T, TObject>
    TPublishedValue(T* object) : FObject(object), FIsObject(true)
    {
    }

    bool IsObject() const noexcept { return FIsObject; }
    // The object; EInvalidCast when the value is not an object reference.
    TObject* AsObject() const;
    // The plain value; EInvalidCast when the value is an object reference.
    const Variant& AsVariant() const;

private:
    Variant FVariant;
    TObject* FObject = nullptr;
    bool FIsObject = false;
};

using TPublishedArgs = std::vector<TPublishedValue>;

struct TPublishedProperty {
    std::string Name;
    std::function<TPublishedValue(TObject& Instance)> Get;
    // Empty for a read-only property.
    std::function<void(TObject& Instance, const TPublishedValue& Value)> Set;
};

struct TPublishedMethod {
    std::string Name;
    std::function<TPublishedValue(TObject& Instance, const TPublishedArgs& Args)> Call;
};

// The members a class publishes itself. Registering a name again replaces
// the earlier member.
void AddPublishedProperty(TClass Class, TPublishedProperty Property);
void AddPublishedMethod(TClass Class, TPublishedMethod Method);

// Lookups along the class chain; null when nothing is published by that name.
const TPublishedProperty* FindPublishedProperty(TClass Class, std::string_view Name);
const TPublishedMethod* FindPublishedMethod(TClass Class, std::string_view Name);
// Every property of the class, the oldest ancestor's first, each name once.
std::vector<const TPublishedProperty*> PublishedProperties(TClass Class);

// Raise EPropertyError when the member is missing (or read-only for
// SetPublishedProp); conversion errors of the values pass through.
TPublishedValue GetPublishedProp(TObject& Instance, std::string_view Name);
void SetPublishedProp(TObject& Instance, std::string_view Name, const TPublishedValue& Value);
TPublishedValue CallPublishedMethod(TObject& Instance, std::string_view Name, const TPublishedArgs& Args);

// Conversions between member types and published values.
template <class V>
V FromPublished(const TPublishedValue& value)
{
    using D = std::remove_cvref_t<V>;
    if constexpr (std::is_pointer_v<D> && std::derived_from<std::remove_pointer_t<D>, TObject>) {
        TObject* object = value.AsObject();
        if (object == nullptr)
            return nullptr;
        auto* cast = dynamic_cast<D>(object);
        if (cast == nullptr)
            throw EInvalidCast("Invalid class typecast: " + object->ClassName());
        return cast;
    } else if constexpr (std::same_as<D, bool>) {
        return value.AsVariant().AsBoolean();
    } else if constexpr (std::is_enum_v<D>) {
        return static_cast<D>(value.AsVariant().AsInteger());
    } else if constexpr (std::integral<D> && sizeof(D) <= 4 && std::is_signed_v<D>) {
        return static_cast<D>(value.AsVariant().AsInteger());
    } else if constexpr (std::integral<D> && std::is_signed_v<D>) {
        return static_cast<D>(value.AsVariant().AsInt64());
    } else if constexpr (std::integral<D>) {
        return static_cast<D>(value.AsVariant().AsUInt64());
    } else if constexpr (std::floating_point<D>) {
        return static_cast<D>(value.AsVariant().AsDouble());
    } else if constexpr (std::same_as<D, TPublishedValue>) {
        return value;
    } else if constexpr (std::same_as<D, Variant>) {
        return value.AsVariant();
    } else {
        static_assert(std::same_as<D, std::string>, "no published conversion for this type");
        return value.AsVariant().AsString();
    }
}

template <class R>
TPublishedValue ToPublished(R&& result)
{
    using D = std::remove_cvref_t<R>;
    if constexpr (std::is_enum_v<D>)
        return TPublishedValue(static_cast<int>(result));
    else
        return TPublishedValue(std::forward<R>(result));
}

// How an argument of type A is held while a call is made: text views are
// held as strings, so they outlive the conversion.
template <class A>
using TPublishedArgStorage = std::conditional_t<std::same_as<std::remove_cvref_t<A>, std::string_view>, std::string,
                                                std::remove_cvref_t<A>>;

// Builds the published members of T; see the example at the top.
template <class T>
class Publisher {
public:
    // A read-only property from a getter member function or a callable
    // taking T&; with a setter member function or a callable taking
    // (T&, value), a writable one.
    template <class Getter>
    Publisher& Property(std::string Name, Getter getter)
    {
        AddPublishedProperty(T::StaticClass(), {std::move(Name), MakeGetter(getter), nullptr});
        return *this;
    }
    template <class Getter, class Setter>
    Publisher& Property(std::string Name, Getter getter, Setter setter)
    {
        AddPublishedProperty(T::StaticClass(), {std::move(Name), MakeGetter(getter), MakeSetter(setter)});
        return *this;
    }

    // A method from a member function of T or an ancestor, whose arguments
    // are converted from the call's arguments by position.
    template <class R, class C, class... A>
        requires std::derived_from<T, C>
    Publisher& Method(std::string Name, R (C::*method)(A...))
    {
        return AddMember<R, A...>(std::move(Name),
                                  [method](T& self, auto&... a) -> R { return (self.*method)(a...); });
    }
    template <class R, class C, class... A>
        requires std::derived_from<T, C>
    Publisher& Method(std::string Name, R (C::*method)(A...) const)
    {
        return AddMember<R, A...>(std::move(Name),
                                  [method](T& self, auto&... a) -> R { return (self.*method)(a...); });
    }
    // A method from a callable taking (T&, const TPublishedArgs&) that
    // returns a published value; it checks its arguments itself.
    template <class F>
        requires std::invocable<F, T&, const TPublishedArgs&>
    Publisher& Method(std::string Name, F call)
    {
        AddPublishedMethod(T::StaticClass(),
                           {std::move(Name), [call](TObject& self, const TPublishedArgs& args) -> TPublishedValue {
                                return call(Self(self), args);
                            }});
        return *this;
    }

private:
    // Lookups only hand an instance to the members of a class it inherits
    // from, so the cast is sound.
    static T& Self(TObject& instance) { return static_cast<T&>(instance); }

    template <class Getter>
    static auto MakeGetter(Getter getter)
    {
        return [getter](TObject& self) -> TPublishedValue { return ToPublished(std::invoke(getter, Self(self))); };
    }

    template <class S>
    struct SetterArg;
    template <class R, class C, class V, bool N>
    struct SetterArg<R (C::*)(V) noexcept(N)> {
        using Type = V;
    };
    template <class F>
        requires requires { &F::operator(); }
    struct SetterArg<F> : SetterArg<decltype(&F::operator())> {
    };
    template <class R, class C, class S, class V, bool N>
    struct SetterArg<R (C::*)(S, V) const noexcept(N)> {
        using Type = V;
    };

    template <class Setter>
    static auto MakeSetter(Setter setter)
    {
        return [setter](TObject& self, const TPublishedValue& value) {
            using V = TPublishedArgStorage<typename SetterArg<Setter>::Type>;
            V converted = FromPublished<V>(value);
            std::invoke(setter, Self(self), converted);
        };
    }

    template <class R, class... A, class F>
    Publisher& AddMember(std::string Name, F fn)
    {
        auto call = [fn, Name](TObject& self, const TPublishedArgs& args) -> TPublishedValue {
            if (args.size() != sizeof...(A))
                throw EPropertyError("Method " + Name + " takes " + std::to_string(sizeof...(A)) +
                                     " arguments, not " + std::to_string(args.size()));
            return [&]<std::size_t... I>(std::index_sequence<I...>) -> TPublishedValue {
                std::tuple<TPublishedArgStorage<A>...> values{FromPublished<TPublishedArgStorage<A>>(args[I])...};
                if constexpr (std::is_void_v<R>) {
                    fn(Self(self), std::get<I>(values)...);
                    return TPublishedValue();
                } else {
                    return ToPublished(fn(Self(self), std::get<I>(values)...));
                }
            }(std::index_sequence_for<A...>{});
        };
        AddPublishedMethod(T::StaticClass(), {std::move(Name), std::move(call)});
        return *this;
    }
};

template <class T>
Publisher<T> Publish()
{
    return Publisher<T>();
}

} // namespace classes
