// The platform services the engine uses, installed by the program before the engine is built.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/ResourceStore.h"
#include "platform/Notice.h"
#include "platform/SettingsStore.h"
#include "platform/SoundPlayer.h"
#include "platform/Timers.h"

namespace vokadlo {

// Non-owning references; the program keeps the services alive while the engine exists.
// A missing service is replaced by a null one (silent player, timers that never fire,
// no resources, a store without values, notices dropped).
struct TPlatform {
    ISoundPlayer* Player = nullptr;
    ITimerFactory* Timers = nullptr;
    INotice* Notice = nullptr;
    const IResourceStore* Resources = nullptr;
    std::function<std::unique_ptr<ISettingsStore>()> CreateSettingsStore;
    // Hears the message of an error the say cycle's step stops on (otherwise unreported).
    std::function<void(const std::string& message)> StepError;
};

// Installs the services that engines built from now on use.
void SetPlatform(const TPlatform& platform);

// The installed services, with null services in place of missing ones.
ISoundPlayer& PlatformPlayer();
ITimerFactory& PlatformTimers();
INotice& PlatformNotice();
const IResourceStore& PlatformResources();
std::unique_ptr<ISettingsStore> CreatePlatformSettingsStore();
// Passes a step's error message to the installed StepError, if any.
void ReportStepError(const std::string& message);

}  // namespace vokadlo
