#include "core/ClassInfo.h"

#include <map>
#include <string>

namespace platform {

int TEnumInfo::Find(std::string_view value) const
{
    for (std::size_t i = 0; i < Values.size(); ++i)
        if (Values[i] == value)
            return int(i);
    return -1;
}

bool TClassInfo::InheritsFrom(std::string_view className) const
{
    for (const TClassInfo* c = this; c; c = c->Base)
        if (c->Name == className)
            return true;
    return false;
}

bool TClassInfo::InheritsFrom(const TClassInfo& cls) const
{
    for (const TClassInfo* c = this; c; c = c->Base)
        if (c == &cls)
            return true;
    return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const
{
    for (const TClassInfo* c = this; c; c = c->Base)
        for (const TPropInfo& p : c->Published)
            if (p.Name == name)
                return &p;
    return nullptr;
}

const TPropInfo* TClassInfo::FindAnyProperty(std::string_view name) const
{
    for (const TClassInfo* c = this; c; c = c->Base) {
        for (const TPropInfo& p : c->Published)
            if (p.Name == name)
                return &p;
        for (const TPropInfo& p : c->Unpublished)
            if (p.Name == name)
                return &p;
    }
    return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view name) const
{
    for (const TClassInfo* c = this; c; c = c->Base)
        for (const TMethodInfo& m : c->Methods)
            if (m.Name == name)
                return &m;
    return nullptr;
}

const TFieldInfo* TClassInfo::FindField(std::string_view name) const
{
    for (const TClassInfo* c = this; c; c = c->Base)
        for (const TFieldInfo& f : c->Fields)
            if (f.Name == name)
                return &f;
    return nullptr;
}

void RegistrationError(const std::string& className, const std::string& message)
{
    throw std::logic_error("registration of " + className + ": " + message);
}

namespace {
// What a declared default of each kind of property must hold, for the error message.
const char* DefaultTypeOf(TPropKind kind)
{
    switch (kind) {
    case TPropKind::Integer:
    case TPropKind::Color:
    case TPropKind::Enum:
    case TPropKind::Set: return "an std::int64_t";
    case TPropKind::Boolean: return "a bool";
    case TPropKind::String: return "an std::string";
    case TPropKind::Strings: return "an std::vector<std::string>";
    case TPropKind::Reference: return "a null TComponent*";
    default: return nullptr;
    }
}

bool HoldsKind(TPropKind kind, const TPropValue& value)
{
    switch (kind) {
    case TPropKind::Integer:
    case TPropKind::Color:
    case TPropKind::Enum:
    case TPropKind::Set: return std::holds_alternative<std::int64_t>(value);
    case TPropKind::Boolean: return std::holds_alternative<bool>(value);
    case TPropKind::String: return std::holds_alternative<std::string>(value);
    case TPropKind::Strings: return std::holds_alternative<std::vector<std::string>>(value);
    // A layout can only name a component that it creates, so a reference defaults to none.
    case TPropKind::Reference:
        return std::holds_alternative<TComponent*>(value) && std::get<TComponent*>(value) == nullptr;
    default: return false;
    }
}
}  // namespace

void CheckDefault(const std::string& className, const TPropInfo& prop, const TPropValue& value)
{
    const char* expected = DefaultTypeOf(prop.Kind);
    if (!expected)
        RegistrationError(className, "property " + prop.Name + " is an event, a data or an object property, which has "
                          "no declared default; remove the Default()");
    if (!HoldsKind(prop.Kind, value))
        RegistrationError(className, "the default of property " + prop.Name + " must be " + expected +
                          "; pass a value of that type (an enumeration value as std::int64_t(value))");
    if (prop.Kind != TPropKind::Enum && prop.Kind != TPropKind::Set)
        return;
    const auto n = std::int64_t(prop.Enum->Values.size());
    const std::int64_t v = std::get<std::int64_t>(value);
    const bool inRange = prop.Kind == TPropKind::Enum ? v >= 0 && v < n : v >= 0 && v < (std::int64_t(1) << n);
    if (!inRange)
        RegistrationError(className, "the default " + std::to_string(v) + " of property " + prop.Name +
                          " is not a value of " + prop.Enum->Name + "; give one of its values");
}

namespace {
std::map<std::string, const TClassInfo*, std::less<>>& Registry()
{
    static std::map<std::string, const TClassInfo*, std::less<>> classes;
    return classes;
}
}  // namespace

void RegisterClass(const TClassInfo& info)
{
    auto [it, added] = Registry().emplace(info.Name, &info);
    // A layout names classes by name; a second class of the same name would silently replace the first.
    if (!added && it->second != &info)
        RegistrationError(info.Name, "another class is already registered under this name; rename one of them");
}

const TClassInfo* FindClass(std::string_view name)
{
    auto& classes = Registry();
    auto it = classes.find(name);
    return it == classes.end() ? nullptr : it->second;
}

// TObject and TPersistent register here: they are the roots every other class builds on.
const TClassInfo& TObject::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TObject>("TObject").Build();
    return info;
}

std::string TObject::ClassName() const { return ClassType().Name; }

bool TObject::InheritsFrom(std::string_view className) const
{
    return ClassType().InheritsFrom(className);
}

const TClassInfo& TPersistent::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TPersistent, TObject>("TPersistent").Build();
    return info;
}

void TPersistent::Assign(const TPersistent& source)
{
    throw std::invalid_argument("cannot assign a " + source.ClassName() + " to a " + ClassName());
}

}  // namespace platform
