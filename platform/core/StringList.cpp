#include "core/StringList.h"

#include "core/ClassInfo.h"

namespace platform {

const TClassInfo& TStringList::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TStringList, TPersistent>("TStringList").Build();
    return info;
}

EStringListError::EStringListError(int index)
    : std::out_of_range("List index out of bounds (" + std::to_string(index) + ")")
{
}

void TStringList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw EStringListError(index);
}

const std::string& TStringList::operator[](int index) const
{
    CheckIndex(index);
    return FItems[std::size_t(index)];
}

void TStringList::Put(int index, std::string line)
{
    CheckIndex(index);
    FItems[std::size_t(index)] = std::move(line);
    Changed();
}

void TStringList::Add(std::string line)
{
    FItems.push_back(std::move(line));
    Changed();
}

void TStringList::Clear()
{
    FItems.clear();
    Changed();
}

void TStringList::SetItems(std::vector<std::string> lines)
{
    FItems = std::move(lines);
    Changed();
}

std::string TStringList::Text() const
{
    std::string text;
    for (std::size_t i = 0; i < FItems.size(); ++i) {
        if (i)
            text += '\n';
        text += FItems[i];
    }
    return text;
}

void TStringList::SetText(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; !text.empty();) {
        const std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    SetItems(std::move(lines));
}

void TStringList::Assign(const TPersistent& source)
{
    if (auto* list = dynamic_cast<const TStringList*>(&source)) {
        SetItems(list->FItems);
        return;
    }
    TPersistent::Assign(source);
}

void TStringList::Changed()
{
    OnChange(this);
}

std::vector<std::string> StringsOf(const TStringList* list) { return list ? list->Items() : std::vector<std::string>{}; }

void AssignStrings(TStringList* list, const std::vector<std::string>& lines)
{
    if (list)
        list->SetItems(lines);
}

}  // namespace platform
