#include "keyoperateinfo.h"

#include "fixedtext.h"

void resetKeyOperateInfo(KeyOperateInfo &info)
{
    fixedtext::copy(info.keyCode, "-1");
    fixedtext::copy(info.keyName, "-1");
    fixedtext::copy(info.type, "-1");
    fixedtext::copy(info.repeat, "-1");
    fixedtext::copy(info.playMode, "-1");
    fixedtext::copy(info.value, "-1");
}
