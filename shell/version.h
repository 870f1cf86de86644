#pragma once

namespace kolbex::shell {

// The program's version, shown in the About window.
inline constexpr char version[] = "0.1.0";

}  // namespace kolbex::shell
