#pragma once

#include <ostream>

// One key event a capture test saw: from the hook's own signal, or from the data manager's macro
// stream.
struct Seen
{
    bool macro;
    int keyCode;
    int scCode;
    int flag;
    int hookFlag;
    bool operator==(const Seen &o) const
    {
        return macro == o.macro && keyCode == o.keyCode && scCode == o.scCode && flag == o.flag &&
               hookFlag == o.hookFlag;
    }
};

inline std::ostream &operator<<(std::ostream &os, const Seen &s)
{
    return os << (s.macro ? "macro" : "key") << "(" << s.keyCode << "," << s.scCode << "," << s.flag << ","
              << s.hookFlag << ")";
}
