// The icons of the test corpus as the benchmarks load them into a document.
#pragma once

#include "core/Document.h"

#include <cstddef>
#include <string>
#include <vector>

namespace corpus {

// The corpus' icon files, sorted by name.
std::vector<std::string> IconFiles();

// Selects everything in the current layer, at every depth; returns how many paths that is. Call
// inside a transaction.
size_t SelectAll(scribera::Document& doc);

// The first `count` icons by name, 16 units each, stacked on one another about (8, 8), selected.
// Returns how many paths they hold; 0 with the reason otherwise.
size_t ImportFirstIcons(scribera::Document& doc, size_t count, std::string* error);

}  // namespace corpus
