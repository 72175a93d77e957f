#pragma once

#include <string>

// One entry of the macro list: the macro's id as decimal text and its UTF-8 name.
struct MacroNode
{
    std::string index;
    std::string name;
};
