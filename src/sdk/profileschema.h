#pragma once

#include <pugixml.hpp>

// Checks a profile node from a file of unknown origin before anything of it enters a store: only
// the elements and attributes this store writes, numbers where numbers belong, texts XML can hold
// and that fit the records they are read back into, and bounded counts.
namespace profileschema {

bool isValidProfile(pugi::xml_node profile);

} // namespace profileschema
