#pragma once

#include "platform/clock.h"
#include "platform/notifier.h"
#include "platform/settings_store.h"
#include "platform/sound_player.h"

namespace vidorev {

// What every panel is handed: no panel reaches for a global.
struct Services {
    SettingsStore &store;
    const Clock &clock;
    SoundPlayer &sound;
    Notifier &notifier;
};

} // namespace vidorev
