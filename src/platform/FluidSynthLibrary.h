#pragma once
#include <fluidsynth.h>

namespace platform {

// FluidSynth, loaded when the synth is first wanted rather than when the
// program starts: the library and the sound stack it pulls in (PulseAudio,
// JACK, SDL, the codecs) would otherwise cost the start-up more than
// everything else together. Without the library the synth simply does not
// open, as with no sound card.
struct FluidSynthLibrary {
    decltype(&::new_fluid_settings) newSettings;
    decltype(&::delete_fluid_settings) deleteSettings;
    decltype(&::fluid_settings_setint) settingsSetInt;
    decltype(&::fluid_settings_setnum) settingsSetNum;
    decltype(&::fluid_settings_setstr) settingsSetStr;
    decltype(&::new_fluid_synth) newSynth;
    decltype(&::delete_fluid_synth) deleteSynth;
    decltype(&::fluid_synth_sfload) sfload;
    decltype(&::fluid_synth_noteon) noteOn;
    decltype(&::fluid_synth_noteoff) noteOff;
    decltype(&::fluid_synth_key_pressure) keyPressure;
    decltype(&::fluid_synth_cc) controlChange;
    decltype(&::fluid_synth_program_change) programChange;
    decltype(&::fluid_synth_channel_pressure) channelPressure;
    decltype(&::fluid_synth_pitch_bend) pitchBend;
    decltype(&::fluid_synth_system_reset) systemReset;
    decltype(&::fluid_synth_write_float) writeFloat;
    decltype(&::fluid_synth_get_active_voice_count) activeVoiceCount;
    decltype(&::new_fluid_audio_driver) newAudioDriver;
    decltype(&::delete_fluid_audio_driver) deleteAudioDriver;
    decltype(&::fluid_set_log_function) setLogFunction;
    // The library's handle, for symbols of the libraries it brought in.
    void* handle;
};

// The loaded library, or nullptr when it is not installed or lacks a function.
// Loaded once; later calls return the same answer.
const FluidSynthLibrary* fluidSynthLibrary();

} // namespace platform
