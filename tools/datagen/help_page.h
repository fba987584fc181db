// The help page "Help\help.htm".
#pragma once

#include <string>

namespace datagen {

// The page in the system's ANSI code page (GBK): the project compiles string
// literals to GBK, so the text below is already in its final encoding.
std::string HelpPage();

}  // namespace datagen
