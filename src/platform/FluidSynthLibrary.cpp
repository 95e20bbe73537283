#include "platform/FluidSynthLibrary.h"

#include <dlfcn.h>

namespace platform {

namespace {

template <class Function>
bool resolve(void* handle, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

FluidSynthLibrary* load()
{
    void* handle = dlopen("libfluidsynth.so.3", RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    static FluidSynthLibrary library{};
    library.handle = handle;
    const bool complete = resolve(handle, "new_fluid_settings", library.newSettings)
        && resolve(handle, "delete_fluid_settings", library.deleteSettings)
        && resolve(handle, "fluid_settings_setint", library.settingsSetInt)
        && resolve(handle, "fluid_settings_setnum", library.settingsSetNum)
        && resolve(handle, "fluid_settings_setstr", library.settingsSetStr)
        && resolve(handle, "new_fluid_synth", library.newSynth)
        && resolve(handle, "delete_fluid_synth", library.deleteSynth)
        && resolve(handle, "fluid_synth_sfload", library.sfload)
        && resolve(handle, "fluid_synth_noteon", library.noteOn)
        && resolve(handle, "fluid_synth_noteoff", library.noteOff)
        && resolve(handle, "fluid_synth_key_pressure", library.keyPressure)
        && resolve(handle, "fluid_synth_cc", library.controlChange)
        && resolve(handle, "fluid_synth_program_change", library.programChange)
        && resolve(handle, "fluid_synth_channel_pressure", library.channelPressure)
        && resolve(handle, "fluid_synth_pitch_bend", library.pitchBend)
        && resolve(handle, "fluid_synth_system_reset", library.systemReset)
        && resolve(handle, "fluid_synth_write_float", library.writeFloat)
        && resolve(handle, "fluid_synth_get_active_voice_count", library.activeVoiceCount)
        && resolve(handle, "new_fluid_audio_driver", library.newAudioDriver)
        && resolve(handle, "delete_fluid_audio_driver", library.deleteAudioDriver)
        && resolve(handle, "fluid_set_log_function", library.setLogFunction);
    // An incomplete library stays loaded (unloading what may have started
    // threads is not safe) but is not used.
    return complete ? &library : nullptr;
}

} // namespace

const FluidSynthLibrary* fluidSynthLibrary()
{
    static FluidSynthLibrary* const library = load();
    return library;
}

} // namespace platform
