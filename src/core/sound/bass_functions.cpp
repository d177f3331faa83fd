#include "sound/bass_functions.h"

namespace lg {

bool BassFunctions::AllPlaybackBound() const {
    return Init && Free && PluginLoad && PluginFree && StreamCreateFile && StreamFree &&
           ChannelPlay && ChannelPause && ChannelStop && ChannelSetSync && ChannelRemoveSync &&
           ChannelGetPosition && ChannelSetPosition && ChannelGetLength && ChannelBytes2Seconds &&
           ChannelSeconds2Bytes && ChannelGetAttribute && ChannelSetAttribute;
}

}  // namespace lg
