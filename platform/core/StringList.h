#pragma once
// An ordered list of strings (the explanatory lines of a panel, the lines of a memo).

#include "core/Event.h"
#include "core/Object.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

// An index that names no line of a list: "List index out of bounds (n)".
class EStringListError : public std::out_of_range {
public:
    explicit EStringListError(int index);
};

class TStringList : public TPersistent {
    PLATFORM_CLASS(TStringList)
public:
    int Count() const { return int(FItems.size()); }
    // Raise EStringListError for an index outside 0 .. Count() - 1.
    const std::string& operator[](int index) const;
    void Put(int index, std::string line);
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
    void CheckIndex(int index) const;

    std::vector<std::string> FItems;
};

using TStrings = TStringList;

}  // namespace platform
