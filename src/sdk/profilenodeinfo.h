#pragma once

#include <cstddef>

// A profile node as the profile row reads it: index text and UTF-8 name, both NUL-terminated.
struct ProfileNodeInfo
{
    char index[8];
    char name[640];
};

static_assert(sizeof(ProfileNodeInfo) == 648, "ProfileNodeInfo layout is fixed");
static_assert(offsetof(ProfileNodeInfo, name) == 8);
