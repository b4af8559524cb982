#pragma once
// Run-time class information: what a stored layout may name. Each class registers its name, its
// base, a factory, its published properties and, for forms, its published methods and fields.
//
// Register next to the class, in its .cpp:
//
//   const TClassInfo& TBoardImage::StaticClass()
//   {
//       static const TClassInfo info = TClassBuilder<TBoardImage, TCustomPanel>("TBoardImage")
//           .Reference("First", &TBoardImage::First, &TBoardImage::SetFirst)
//           .Boolean("CenterOnForm", &TBoardImage::CenterOnForm, &TBoardImage::SetCenterOnForm, true)
//           .Publish({"Align", "Anchors"})
//           .Build();
//       return info;
//   }

#include "core/Event.h"
#include "core/Object.h"

#include <any>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <typeindex>
#include <variant>
#include <vector>

namespace platform {

class TComponent;
class TStringList;

// The names of an enumeration's values, in ordinal order (otUp, otDown, ...).
struct TEnumInfo {
    std::string Name;
    std::vector<std::string> Values;
    // The ordinal of a value name, or -1.
    int Find(std::string_view value) const;
};

// Every enumeration a layout can set has one of these, defined beside the enumeration.
template <class E>
const TEnumInfo& EnumInfoOf();

enum class TPropKind { Integer, Boolean, Color, String, Enum, Set, Reference, Event, Strings, Data, Object };

// A property value as the layout loader hands it to a setter: ordinals for enumerations, bits for
// sets, the component for references, the bound handler (a TEvent in a std::any) for events.
using TPropValue = std::variant<std::monostate, std::int64_t, bool, std::string,
                                std::vector<std::string>, TComponent*, std::any,
                                std::vector<std::uint8_t>>;

struct TPropInfo {
    std::string Name;
    TPropKind Kind = TPropKind::Integer;
    const TEnumInfo* Enum = nullptr;        // Enum and Set
    const TClassInfo* RefClass = nullptr;   // Reference: the value must inherit from it
    std::type_index EventType = typeid(void);  // Event: the TEvent type
    std::optional<TPropValue> Default;      // the declared default, if any
    std::function<void(TObject&, const TPropValue&)> Set;
    std::function<TPropValue(const TObject&)> Get;
    std::function<TPersistent*(TObject&)> Object;  // Object: the nested object (Font, Constraints)
};

// A published handler of a form: bound by name from a layout's event properties.
struct TMethodInfo {
    std::string Name;
    std::type_index EventType = typeid(void);
    std::function<std::any(TObject&)> Bind;
};

// A published component field of a form, filled with the component of the same name.
struct TFieldInfo {
    std::string Name;
    const TClassInfo* FieldClass = nullptr;
    std::function<void(TObject&, TComponent*)> Set;
};

class TClassInfo {
public:
    std::string Name;
    const TClassInfo* Base = nullptr;
    // Creates an instance owned by the given component; empty for abstract classes.
    std::function<TComponent*(TComponent* owner)> Create;
    std::vector<TPropInfo> Published;
    // Properties a class offers but leaves to its descendants to publish.
    std::vector<TPropInfo> Unpublished;
    std::vector<TMethodInfo> Methods;
    std::vector<TFieldInfo> Fields;

    bool InheritsFrom(std::string_view className) const;
    // Compares registrations, not names: two classes that share a name still differ.
    bool InheritsFrom(const TClassInfo& cls) const;
    const TPropInfo* FindProperty(std::string_view name) const;
    const TMethodInfo* FindMethod(std::string_view name) const;
    const TFieldInfo* FindField(std::string_view name) const;
    // A published or unpublished property anywhere up the chain; used by Publish().
    const TPropInfo* FindAnyProperty(std::string_view name) const;
};

// Bridges to TStringList that keep this header free of it.
std::vector<std::string> StringsOf(const TStringList* list);
void AssignStrings(TStringList* list, const std::vector<std::string>& lines);

// Throws the registration error for a misused TClassBuilder; the message says how to fix it.
[[noreturn]] void RegistrationError(const std::string& className, const std::string& message);
// Checks a declared default against the property's kind (and its enumeration's range).
void CheckDefault(const std::string& className, const TPropInfo& prop, const TPropValue& value);

// The class registry that layouts look classes up in.
void RegisterClass(const TClassInfo& info);
const TClassInfo* FindClass(std::string_view name);

template <class C, class Base = void>
class TClassBuilder {
public:
    explicit TClassBuilder(std::string name)
    {
        FInfo.Name = std::move(name);
        if constexpr (!std::is_void_v<Base>)
            FInfo.Base = &Base::StaticClass();
        if constexpr (!std::is_abstract_v<C> && std::is_constructible_v<C, TComponent*>)
            FInfo.Create = [](TComponent* owner) -> TComponent* { return new C(owner); };
    }

    // Properties given by a getter and a setter; `Hidden()` after one of them moves it to the
    // unpublished pool.
    template <class T, class CG, class CS>
    TClassBuilder& Integer(std::string name, T (CG::*get)() const, void (CS::*set)(T),
                           std::optional<std::int64_t> def = std::nullopt)
    {
        TPropInfo p = NewProp(std::move(name), TPropKind::Integer);
        p.Get = [get](const TObject& o) { return TPropValue(std::int64_t((Self(o).*get)())); };
        p.Set = [set](TObject& o, const TPropValue& v) { (Self(o).*set)(T(std::get<std::int64_t>(v))); };
        if (def)
            p.Default = TPropValue(*def);
        return Add(std::move(p));
    }

    // A colour: an integer that layouts may also give by name (clWhite).
    template <class CG, class CS>
    TClassBuilder& Color(std::string name, std::int32_t (CG::*get)() const, void (CS::*set)(std::int32_t),
                         std::optional<std::int32_t> def = std::nullopt)
    {
        Integer(std::move(name), get, set, def ? std::optional<std::int64_t>(*def) : std::nullopt);
        FInfo.Published.back().Kind = TPropKind::Color;
        return *this;
    }

    template <class CG, class CS>
    TClassBuilder& Boolean(std::string name, bool (CG::*get)() const, void (CS::*set)(bool),
                           std::optional<bool> def = std::nullopt)
    {
        TPropInfo p = NewProp(std::move(name), TPropKind::Boolean);
        p.Get = [get](const TObject& o) { return TPropValue((Self(o).*get)()); };
        p.Set = [set](TObject& o, const TPropValue& v) { (Self(o).*set)(std::get<bool>(v)); };
        if (def)
            p.Default = TPropValue(*def);
        return Add(std::move(p));
    }

    template <class G, class S>
    TClassBuilder& String(std::string name, G get, S set, std::optional<std::string> def = std::nullopt)
    {
        TPropInfo p = NewProp(std::move(name), TPropKind::String);
        p.Get = [get](const TObject& o) { return TPropValue(std::string((Self(o).*get)())); };
        p.Set = [set](TObject& o, const TPropValue& v) { (Self(o).*set)(std::get<std::string>(v)); };
        if (def)
            p.Default = TPropValue(*def);
        return Add(std::move(p));
    }

    template <class E, class CG, class CS>
    TClassBuilder& Enum(std::string name, E (CG::*get)() const, void (CS::*set)(E),
                        std::optional<std::type_identity_t<E>> def = std::nullopt)
    {
        TPropInfo p = NewProp(std::move(name), TPropKind::Enum);
        p.Enum = &EnumInfoOf<E>();
        p.Get = [get](const TObject& o) { return TPropValue(std::int64_t((Self(o).*get)())); };
        p.Set = [set](TObject& o, const TPropValue& v) { (Self(o).*set)(E(std::get<std::int64_t>(v))); };
        if (def)
            p.Default = TPropValue(std::int64_t(*def));
        return Add(std::move(p));
    }

    // A set of enumeration values, held as bits (1 << ordinal); S converts with Bits()/FromBits().
    template <class E, class S, class CG, class CS>
    TClassBuilder& Set(std::string name, S (CG::*get)() const, void (CS::*set)(S),
                        std::optional<std::type_identity_t<S>> def = std::nullopt)
    {
        TPropInfo p = NewProp(std::move(name), TPropKind::Set);
        p.Enum = &EnumInfoOf<E>();
        p.Get = [get](const TObject& o) { return TPropValue(std::int64_t((Self(o).*get)().Bits())); };
        p.Set = [set](TObject& o, const TPropValue& v) {
            (Self(o).*set)(S::FromBits(std::uint8_t(std::get<std::int64_t>(v))));
        };
        if (def)
            p.Default = TPropValue(std::int64_t(def->Bits()));
        return Add(std::move(p));
    }

    template <class R, class CG, class CS>
    TClassBuilder& Reference(std::string name, R* (CG::*get)() const, void (CS::*set)(R*))
    {
        TPropInfo p = NewProp(std::move(name), TPropKind::Reference);
        p.RefClass = &R::StaticClass();
        p.Get = [get](const TObject& o) { return TPropValue(static_cast<TComponent*>((Self(o).*get)())); };
        p.Set = [set](TObject& o, const TPropValue& v) {
            (Self(o).*set)(static_cast<R*>(std::get<TComponent*>(v)));
        };
        p.Default = TPropValue(static_cast<TComponent*>(nullptr));
        return Add(std::move(p));
    }

    // An event stored in a public field of type TEvent<...>.
    template <class Ev, class CF>
    TClassBuilder& Event(std::string name, Ev CF::*field)
    {
        TPropInfo p = NewProp(std::move(name), TPropKind::Event);
        p.EventType = typeid(Ev);
        p.Get = [field](const TObject& o) { return TPropValue(std::any(Self(o).*field)); };
        p.Set = [field](TObject& o, const TPropValue& v) {
            Self(o).*field = std::any_cast<Ev>(std::get<std::any>(v));
        };
        return Add(std::move(p));
    }

    // An event behind a getter and a setter, for a class that acts when its handler changes.
    template <class Ev, class CG, class CS>
    TClassBuilder& Event(std::string name, const Ev& (CG::*get)() const, void (CS::*set)(const Ev&))
    {
        TPropInfo p = NewProp(std::move(name), TPropKind::Event);
        p.EventType = typeid(Ev);
        p.Get = [get](const TObject& o) { return TPropValue(std::any((Self(o).*get)())); };
        p.Set = [set](TObject& o, const TPropValue& v) {
            (Self(o).*set)(std::any_cast<Ev>(std::get<std::any>(v)));
        };
        return Add(std::move(p));
    }

    // A string list owned by the object; a layout's lines replace its contents.
    template <class CG>
    TClassBuilder& Strings(std::string name, TStringList* (CG::*get)() const)
    {
        TPropInfo p = NewProp(std::move(name), TPropKind::Strings);
        p.Get = [get](const TObject& o) { return TPropValue(StringsOf((Self(o).*get)())); };
        p.Set = [get](TObject& o, const TPropValue& v) {
            AssignStrings((Self(o).*get)(), std::get<std::vector<std::string>>(v));
        };
        p.Default = TPropValue(std::vector<std::string>{});
        return Add(std::move(p));
    }

    // Binary data read from a file beside the layout (a picture).
    template <class CS>
    TClassBuilder& Data(std::string name, void (CS::*set)(const std::vector<std::uint8_t>&))
    {
        TPropInfo p = NewProp(std::move(name), TPropKind::Data);
        p.Set = [set](TObject& o, const TPropValue& v) {
            (Self(o).*set)(std::get<std::vector<std::uint8_t>>(v));
        };
        return Add(std::move(p));
    }

    // A nested object whose own properties the layout sets as Name.Property.
    template <class P, class CG>
    TClassBuilder& Object(std::string name, P* (CG::*get)() const)
    {
        TPropInfo p = NewProp(std::move(name), TPropKind::Object);
        p.Object = [get](TObject& o) -> TPersistent* { return (Self(o).*get)(); };
        return Add(std::move(p));
    }

    // Makes properties that a base class offers unpublished part of this class's published face.
    TClassBuilder& Publish(std::initializer_list<std::string_view> names)
    {
        for (std::string_view n : names) {
            const TPropInfo* p = FInfo.Base ? FInfo.Base->FindAnyProperty(n) : nullptr;
            if (!p)
                RegistrationError(FInfo.Name, "Publish(\"" + std::string(n) + "\"): no base class offers a property of "
                                  "that name; check the spelling, or declare it here with Integer(), Boolean(), ...");
            CheckUnique(p->Name, true);
            FInfo.Published.push_back(*p);
            FLast = TLast::Published;
        }
        return *this;
    }

    // The property just added stays out of layouts; descendants may publish it.
    TClassBuilder& Hidden()
    {
        if (FLast != TLast::Published)
            RegistrationError(FInfo.Name, "Hidden() needs a property just before it; call it right after "
                              "the Integer(), Boolean(), ... that declares the property");
        FInfo.Unpublished.push_back(std::move(FInfo.Published.back()));
        FInfo.Published.pop_back();
        FLast = TLast::Unpublished;
        return *this;
    }

    // Overrides the declared default of the property just added, published or hidden.
    TClassBuilder& Default(TPropValue value)
    {
        if (FLast == TLast::None)
            RegistrationError(FInfo.Name, "Default() needs a property just before it; call it right after "
                              "the Integer(), Boolean(), ... or Publish() of the property it belongs to");
        TPropInfo& p = (FLast == TLast::Published ? FInfo.Published : FInfo.Unpublished).back();
        CheckDefault(FInfo.Name, p, value);
        p.Default = std::move(value);
        return *this;
    }

    template <class R, class... Args>
    TClassBuilder& Method(std::string name, R (C::*method)(Args...))
    {
        using Ev = TMethodEvent<R(Args...)>;
        TMethodInfo m;
        m.Name = std::move(name);
        m.EventType = typeid(Ev);
        m.Bind = [method](TObject& o) { return std::any(Ev(method, &Self(o))); };
        FInfo.Methods.push_back(std::move(m));
        return *this;
    }

    template <class F>
    TClassBuilder& Field(std::string name, F* C::*field)
    {
        TFieldInfo f;
        f.Name = std::move(name);
        f.FieldClass = &F::StaticClass();
        f.Set = [field](TObject& o, TComponent* c) { Self(o).*field = static_cast<F*>(c); };
        FInfo.Fields.push_back(std::move(f));
        return *this;
    }

    TClassInfo Build() { return std::move(FInfo); }

private:
    static TPropInfo NewProp(std::string name, TPropKind kind)
    {
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = kind;
        return p;
    }
    static C& Self(TObject& o) { return static_cast<C&>(o); }
    static const C& Self(const TObject& o) { return static_cast<const C&>(o); }
    TClassBuilder& Add(TPropInfo p)
    {
        CheckUnique(p.Name, false);
        if (p.Default)
            CheckDefault(FInfo.Name, p, *p.Default);
        FInfo.Published.push_back(std::move(p));
        FLast = TLast::Published;
        return *this;
    }
    // A name appears once in a class; a base's property changes its default through Publish().
    void CheckUnique(const std::string& name, bool publishing) const
    {
        auto declared = [&](const std::vector<TPropInfo>& list) {
            for (const TPropInfo& p : list)
                if (p.Name == name)
                    return true;
            return false;
        };
        if (declared(FInfo.Published) || declared(FInfo.Unpublished))
            RegistrationError(FInfo.Name, "property " + name + " is registered twice; remove one of them");
        if (!publishing && FInfo.Base && FInfo.Base->FindAnyProperty(name))
            RegistrationError(FInfo.Name, "property " + name + " is already declared by a base class; use Publish({\"" +
                              name + "\"}) and Default() instead of declaring it again");
    }

    // Which list the property that Hidden() and Default() apply to went into.
    enum class TLast { None, Published, Unpublished };
    TClassInfo FInfo;
    TLast FLast = TLast::None;
};

}  // namespace platform
