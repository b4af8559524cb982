#include "core/ClassInfo.h"

#include <map>

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

namespace {
std::map<std::string, const TClassInfo*, std::less<>>& Registry()
{
    static std::map<std::string, const TClassInfo*, std::less<>> classes;
    return classes;
}
}  // namespace

void RegisterClass(const TClassInfo& info) { Registry()[info.Name] = &info; }

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
