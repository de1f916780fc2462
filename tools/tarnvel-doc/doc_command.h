#pragma once
// tarnvel-doc, for the authors of One.rtf and Two.rtf: shows a document's plain text and its
// sections exactly as the reader counts and cuts them, and checks that every marker is sound.

#include <ostream>
#include <string>
#include <vector>

namespace tarnvel::doc {

// args excludes the program name. Returns the exit status: 0 success, 1 a failed check, a missing
// marker or an unreadable document, 2 bad usage.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tarnvel::doc
