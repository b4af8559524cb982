#include "layout/LayoutReader.h"

#include "core/ClassInfo.h"
#include "core/Component.h"
#include "graphics/Color.h"

#include <QFile>
#include <QFileInfo>

#include <sstream>

namespace platform {

namespace {

std::string JoinNames(const std::vector<std::string>& names)
{
    std::string s;
    for (std::size_t i = 0; i < names.size(); ++i)
        s += (i ? ", " : "") + names[i];
    return s;
}

const char* KindName(TLayoutValue::TKind kind)
{
    switch (kind) {
    case TLayoutValue::TKind::Integer: return "an integer";
    case TLayoutValue::TKind::String: return "a string";
    case TLayoutValue::TKind::Identifier: return "an identifier";
    case TLayoutValue::TKind::Set: return "a set";
    case TLayoutValue::TKind::StringList: return "a list of strings";
    case TLayoutValue::TKind::File: return "a file";
    }
    return "a value";
}

class TLoader {
public:
    TLoader(TComponent& root, const std::string& layoutName, const TLayoutFileReader& readFile)
        : FRoot(root), FLayout(layoutName), FReadFile(readFile)
    {
    }

    void Load(const TLayoutObject& object)
    {
        if (object.ClassName != FRoot.ClassName())
            Fail(object.Pos, "layout describes a " + object.ClassName + " but is read onto a " + FRoot.ClassName());
        FRoot.SetLoading(true);
        FLoaded.push_back(&FRoot);
        if (FRoot.Name() != object.Name)
            FRoot.SetName(object.Name);
        ApplyProperties(FRoot, object);
        for (const TLayoutObject& child : object.Children)
            CreateComponent(child, &FRoot);
        for (const TFixup& f : FFixups)
            Resolve(f);
        for (TComponent* c : FLoaded)
            c->Loaded();
    }

private:
    // A reference or handler binding waiting until every component exists.
    struct TFixup {
        TObject* Target;
        const TPropInfo* Prop;
        std::string Name;
        TSourcePos Pos;
    };

    [[noreturn]] void Fail(TSourcePos pos, const std::string& message) const
    {
        throw ELayoutError(FLayout, pos, message);
    }

    void CreateComponent(const TLayoutObject& object, TComponent* parent)
    {
        const TClassInfo* cls = FindClass(object.ClassName);
        if (!cls)
            Fail(object.Pos, "unknown class '" + object.ClassName + "'");
        if (!cls->Create)
            Fail(object.Pos, "class '" + object.ClassName + "' cannot be created from a layout");
        if (object.Name.empty())
            Fail(object.Pos, "component of class '" + object.ClassName + "' has no name");
        if (FRoot.FindComponent(object.Name) || object.Name == FRoot.Name())
            Fail(object.Pos, "duplicate component name '" + object.Name + "'");
        TComponent* component = cls->Create(&FRoot);
        component->SetLoading(true);
        FLoaded.push_back(component);
        try {
            component->SetName(object.Name);
            component->SetParentComponent(parent);
        } catch (const std::exception& e) {
            Fail(object.Pos, object.Name + ": " + e.what());
        }
        ApplyProperties(*component, object);
        if (const TFieldInfo* field = FRoot.ClassType().FindField(object.Name)) {
            if (!component->ClassType().InheritsFrom(*field->FieldClass))
                Fail(object.Pos, "field '" + object.Name + "' of " + FRoot.ClassName() + " holds a " +
                                     field->FieldClass->Name + ", not a " + object.ClassName);
            field->Set(FRoot, component);
        }
        for (const TLayoutObject& child : object.Children)
            CreateComponent(child, component);
    }

    void ApplyProperties(TComponent& component, const TLayoutObject& object)
    {
        for (const TLayoutProperty& p : object.Properties)
            ApplyProperty(component, p);
    }

    void ApplyProperty(TComponent& component, const TLayoutProperty& property)
    {
        // Walk Font.Height down to the nested object that owns the last name.
        TObject* target = &component;
        std::string_view rest = property.Name;
        std::string path;
        for (;;) {
            const std::size_t dot = rest.find('.');
            const std::string name(rest.substr(0, dot));
            const TPropInfo* prop = target->ClassType().FindProperty(name);
            path += (path.empty() ? "" : ".") + name;
            if (!prop)
                Fail(property.Pos, "unknown property '" + path + "' of " + component.ClassName());
            if (dot == std::string_view::npos) {
                SetValue(*target, *prop, property, path);
                return;
            }
            if (prop->Kind != TPropKind::Object)
                Fail(property.Pos, "property '" + path + "' has no properties of its own");
            target = prop->Object(*target);
            rest = rest.substr(dot + 1);
        }
    }

    void Expect(const TLayoutProperty& p, TLayoutValue::TKind kind, const std::string& path,
                const std::string& what) const
    {
        if (p.Value.Kind != kind)
            Fail(p.Value.Pos, "property '" + path + "' expects " + what + ", found " + KindName(p.Value.Kind));
    }

    int EnumValue(const TLayoutProperty& p, const TEnumInfo& info, const std::string& value,
                  const std::string& path) const
    {
        int ordinal = info.Find(value);
        if (ordinal < 0)
            Fail(p.Value.Pos, "unknown value '" + value + "' for property '" + path + "' (expected one of " +
                                  JoinNames(info.Values) + ")");
        return ordinal;
    }

    void SetValue(TObject& target, const TPropInfo& prop, const TLayoutProperty& p, const std::string& path)
    {
        using K = TLayoutValue::TKind;
        const TLayoutValue& v = p.Value;
        TPropValue value;
        switch (prop.Kind) {
        case TPropKind::Integer:
            Expect(p, K::Integer, path, "an integer");
            if (v.Integer < INT32_MIN || v.Integer > INT32_MAX)
                Fail(v.Pos, "value " + std::to_string(v.Integer) + " of property '" + path + "' is out of range");
            value = v.Integer;
            break;
        case TPropKind::Color:
            if (v.Kind == K::Identifier) {
                auto color = IdentToColor(v.Text);
                if (!color)
                    Fail(v.Pos, "unknown colour '" + v.Text + "' for property '" + path + "'");
                value = std::int64_t(*color);
            } else {
                Expect(p, K::Integer, path, "a colour");
                value = v.Integer;
            }
            break;
        case TPropKind::Boolean:
            if (v.Kind != K::Identifier || (v.Text != "True" && v.Text != "False"))
                Fail(v.Pos, "property '" + path + "' expects True or False");
            value = v.Text == "True";
            break;
        case TPropKind::String:
            Expect(p, K::String, path, "a string");
            value = v.Text;
            break;
        case TPropKind::Enum:
            Expect(p, K::Identifier, path, "one of " + JoinNames(prop.Enum->Values));
            value = std::int64_t(EnumValue(p, *prop.Enum, v.Text, path));
            break;
        case TPropKind::Set: {
            Expect(p, K::Set, path, "a set of " + prop.Enum->Name);
            std::int64_t bits = 0;
            for (const std::string& item : v.Items)
                bits |= std::int64_t(1) << EnumValue(p, *prop.Enum, item, path);
            value = bits;
            break;
        }
        case TPropKind::Strings:
            Expect(p, K::StringList, path, "a list of strings");
            value = v.Items;
            break;
        case TPropKind::Data: {
            Expect(p, K::File, path, "file 'name'");
            try {
                value = FReadFile(v.Text);
            } catch (const std::exception& e) {
                Fail(v.Pos, "cannot read '" + v.Text + "' for property '" + path + "': " + e.what());
            }
            break;
        }
        case TPropKind::Reference:
        case TPropKind::Event:
            Expect(p, K::Identifier, path, prop.Kind == TPropKind::Event ? "a handler name" : "a component name");
            FFixups.push_back({&target, &prop, v.Text, v.Pos});
            return;
        case TPropKind::Object:
            Fail(p.Pos, "property '" + path + "' is an object: set its properties as " + path + ".Name");
        }
        Apply(target, prop, value, p.Pos, path);
    }

    void Apply(TObject& target, const TPropInfo& prop, const TPropValue& value, TSourcePos pos,
               const std::string& path)
    {
        try {
            prop.Set(target, value);
        } catch (const std::exception& e) {
            Fail(pos, "cannot set '" + path + "': " + e.what());
        }
    }

    void Resolve(const TFixup& f)
    {
        if (f.Prop->Kind == TPropKind::Reference) {
            TComponent* c = f.Name == FRoot.Name() ? &FRoot : FRoot.FindComponent(f.Name);
            if (!c)
                Fail(f.Pos, "unknown component '" + f.Name + "' for property '" + f.Prop->Name + "'");
            if (!c->ClassType().InheritsFrom(*f.Prop->RefClass))
                Fail(f.Pos, "property '" + f.Prop->Name + "' expects a " + f.Prop->RefClass->Name + ", but '" +
                                f.Name + "' is a " + c->ClassName());
            Apply(*f.Target, *f.Prop, TPropValue(c), f.Pos, f.Prop->Name);
            return;
        }
        const TMethodInfo* m = FRoot.ClassType().FindMethod(f.Name);
        if (!m)
            Fail(f.Pos, "unknown handler '" + f.Name + "' of " + FRoot.ClassName());
        if (m->EventType != f.Prop->EventType)
            Fail(f.Pos, "handler '" + f.Name + "' does not fit event '" + f.Prop->Name + "'");
        Apply(*f.Target, *f.Prop, TPropValue(m->Bind(FRoot)), f.Pos, f.Prop->Name);
    }

    TComponent& FRoot;
    const std::string& FLayout;
    const TLayoutFileReader& FReadFile;
    std::vector<TFixup> FFixups;
    std::vector<TComponent*> FLoaded;
};

std::vector<std::uint8_t> ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

}  // namespace

void ReadLayout(TComponent& root, std::string_view text, const std::string& layoutName,
                const TLayoutFileReader& readFile)
{
    const TLayoutObject object = ParseLayout(text, layoutName);
    TLoader(root, layoutName, readFile).Load(object);
}

void ReadLayoutResource(TComponent& root, std::string_view path)
{
    const QString qpath = QString::fromUtf8(path.data(), qsizetype(path.size()));
    const QFileInfo info(qpath);
    std::vector<std::uint8_t> text;
    try {
        text = ReadWholeFile(qpath);
    } catch (const std::exception& e) {
        throw ELayoutError(std::string(path), {0, 0}, std::string("cannot read the layout: ") + e.what());
    }
    const QString dir = info.path();
    ReadLayout(root, std::string_view(reinterpret_cast<const char*>(text.data()), text.size()),
               info.fileName().toStdString(), [&](const std::string& file) {
                   return ReadWholeFile(dir + "/" + QString::fromStdString(file));
               });
}

}  // namespace platform
