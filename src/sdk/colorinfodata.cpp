#include "colorinfodata.h"

#include <cstring>

bool colorInfoData::operator==(const colorInfoData &o) const
{
    return std::memcmp(this, &o, sizeof(colorInfoData)) == 0;
}
