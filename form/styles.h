// The style sheets the window colours its buttons, lamps and read-outs with.
#pragma once

#include <QLatin1StringView>

namespace qv::form::style {

// Lamps of the status panel (a 16 x 16 widget coloured by its background).
inline constexpr QLatin1StringView LampOff{"background-color: rgb(180, 180, 180);"};
inline constexpr QLatin1StringView OutputOn{"background-color: rgb(255, 170, 0);"};
inline constexpr QLatin1StringView InputActive{"background-color: rgb(0, 170, 255);"};
inline constexpr QLatin1StringView SupplyPresent{"background-color: rgb(0, 170, 0);"};
inline constexpr QLatin1StringView SupplyMissing{"background-color: rgb(255, 0, 0);"};

// The signal bar's chunk.
inline constexpr QLatin1StringView SignalNormal{
    "QProgressBar::chunk { background-color: #05B8CC; }"};
inline constexpr QLatin1StringView SignalWeak{"QProgressBar::chunk { background-color: #FF0000; }"};

// The analogue value and the counter: blue as built, blue or grey once shaped for a model.
inline constexpr QLatin1StringView ReadoutBuilt{"color: rgb(0, 85, 255);"};
inline constexpr QLatin1StringView ReadoutLive{"color: rgb(0,85,255);"};
inline constexpr QLatin1StringView ReadoutAbsent{"color: rgb(180,180,180);"};

// The status query's button while the query runs and at rest.
inline constexpr QLatin1StringView QueryRunning{
    "color: rgb(255, 255, 255); background-color: rgb(180, 180, 180);"};
inline constexpr QLatin1StringView QueryAtRest{
    "color: rgb(255, 255, 255); background-color: rgb(0, 170, 127);"};

// The device buttons of a locked window, and of an unlocked one.
inline constexpr QLatin1StringView ButtonLocked{
    "color: rgb(255,255,255); background-color: rgb(180,180,180);"};
inline constexpr QLatin1StringView DownloadUnlocked{
    "color: rgb(255,255,255); background-color: rgb(191,0,0);"};
inline constexpr QLatin1StringView VerifyUnlocked{
    "color: rgb(255,255,255); background-color: rgb(0,128,0);"};
inline constexpr QLatin1StringView ReadOutUnlocked{
    "color: rgb(255,255,255); background-color: rgb(255,128,0);"};
inline constexpr QLatin1StringView StatusUnlocked{
    "color: rgb(255,255,255); background-color: rgb(0,170,127);"};

} // namespace qv::form::style
