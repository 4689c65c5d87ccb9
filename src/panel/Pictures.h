#pragma once

namespace zor {

// Picture files of the data folder.
inline constexpr auto kSwitchOnPicture = "Sch_On.ico";
inline constexpr auto kSwitchOffPicture = "Sch_Off.ico";
inline constexpr auto kClockPicture = "Uhr.png";
inline constexpr auto kLogoPicture = "Logo.png";
inline constexpr auto kWindowIconPicture = "ZorRds.ico";

} // namespace zor
