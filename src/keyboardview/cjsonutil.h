#pragma once

#include <cjson/cJSON.h>

#include <memory>

// Small helpers for reading the relaxed-JSON key files (layouts and key catalogues) with cJSON.
namespace cjsonutil {

struct JsonDeleter
{
    void operator()(cJSON *p) const { cJSON_Delete(p); }
};
using JsonPtr = std::unique_ptr<cJSON, JsonDeleter>;

// cJSON_GetObjectItem matches names without regard to ASCII case, which the files rely on.
inline bool readInt(const cJSON *object, const char *name, int &out)
{
    const cJSON *item = cJSON_GetObjectItem(object, name);
    if (!cJSON_IsNumber(item))
        return false;
    out = item->valueint; // cJSON truncates a fraction and saturates out-of-range values
    return true;
}

} // namespace cjsonutil
