#pragma once
// Writes a Document as rich text that this reader (and the classic control) reads back to the same
// plain text, runs and paragraphs: all text outside printable ASCII as \uN with a '?' fallback,
// one \pard per paragraph, one group per run.

#include <string>

#include "richtext/document.h"

namespace tarnvel::richtext {

std::string write_rtf(const Document& doc);

}  // namespace tarnvel::richtext
