#pragma once

namespace zor {

// The program's title, shown on its own message boxes.
inline constexpr auto kProgramTitle = "ZOR-RDS V 2.0  /  Mai. 2006";

} // namespace zor
