#pragma once
// The layout loader: builds a root component's components from its stored layout.
//
// It creates each component (owned by the root) under its parent, applies its properties in
// the order the layout gives them with everything in the loading state, then — once every
// component exists — resolves references to components and binds handlers by name, fills the
// root's published fields, and calls Loaded on all. Every error is an ELayoutError naming the
// layout, the line and column, and what was expected; unknown names are errors, never skipped.

#include "layout/LayoutSyntax.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class TComponent;

// Reads a file that the layout names (`Picture = file 'card.jpg'`); throws when it cannot.
using TLayoutFileReader = std::function<std::vector<std::uint8_t>(const std::string& fileName)>;

void ReadLayout(TComponent& root, std::string_view text, const std::string& layoutName,
                const TLayoutFileReader& readFile);

// Reads a layout from a file or a compiled-in resource path (":/…"); the files it names are
// looked up beside it.
void ReadLayoutResource(TComponent& root, std::string_view path);

}  // namespace platform
