#pragma once
// An ordered list of strings (the explanatory lines of a panel, the lines of a memo).

#include "core/Event.h"
#include "core/Object.h"

#include <string>
#include <vector>

namespace platform {

class TStringList : public TPersistent {
    PLATFORM_CLASS(TStringList)
public:
    int Count() const { return int(FItems.size()); }
    const std::string& operator[](int index) const { return FItems.at(std::size_t(index)); }
    const std::vector<std::string>& Items() const { return FItems; }

    void Add(std::string line);
    void Clear();
    void SetItems(std::vector<std::string> lines);
    // The lines joined with "\n" (no line break after the last).
    std::string Text() const;
    // Replaces the lines with the text split at each line break ("\n" or "\r\n"); an empty text
    // has no lines.
    void SetText(const std::string& text);

    void Assign(const TPersistent& source) override;

    // Raised after every change.
    TNotifyEvent OnChange;

protected:
    // Raises OnChange; a list kept in step with a widget also passes the change on there.
    virtual void Changed();

private:
    std::vector<std::string> FItems;
};

using TStrings = TStringList;

}  // namespace platform
