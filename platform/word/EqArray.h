#pragma once

#include "platform/word/WordDocument.h"

#include <optional>
#include <vector>

// The elements of an equation-array field code "eq \a(first,second,...)", each with the formats of its
// characters; empty when the code is no such array. "\," in an element stands for a comma.
std::optional<std::vector<std::vector<WordRun>>> parseEqArray(const std::vector<WordRun>& code);
