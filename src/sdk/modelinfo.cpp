#include "modelinfo.h"

#include "hidreport.h"

int ModelInfo::streamFramePackets() const
{
    const int sidePackets = (streamSideLeds() + hidproto::kLedsPerPacket - 1) / hidproto::kLedsPerPacket;
    return hidproto::kKeyStreamPackets + sidePackets;
}

const ModelLink *ModelInfo::link(LinkType type) const
{
    for (const ModelLink &l : links) {
        if (l.type == type)
            return &l;
    }
    return nullptr;
}
