#ifndef KX500SIM_PLUGIN_H
#define KX500SIM_PLUGIN_H

#include <alsa/asoundlib.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

// What both plugins of the simulated card check when alsa-lib opens them.
namespace SimPlugin {

// Only the generic fields are allowed in the card's configuration.
inline int checkConfig(snd_config_t *conf)
{
    snd_config_iterator_t i, next;
    snd_config_for_each(i, next, conf)
    {
        snd_config_t *n = snd_config_iterator_entry(i);
        const char *id = nullptr;
        if (snd_config_get_id(n, &id) < 0)
            continue;
        if (std::strcmp(id, "comment") == 0 || std::strcmp(id, "type") == 0 || std::strcmp(id, "hint") == 0)
            continue;
        SNDERR("kx500sim: unknown field %s", id);
        return -EINVAL;
    }
    return 0;
}

// The platform root, or nullptr: the simulated card never stands in for a
// real one outside a root.
inline const char *platformRoot()
{
    const char *root = std::getenv("KX500_ROOT");
    return root && *root ? root : nullptr;
}

} // namespace SimPlugin

#endif // KX500SIM_PLUGIN_H
