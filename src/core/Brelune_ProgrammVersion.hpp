// The program's version text: report headings, files and the about window carry it.
#pragma once

namespace Brelune_ProgrammVersion {

inline constexpr const char* Version_Text = "4.10 ~ 30.1.2024";

} // namespace Brelune_ProgrammVersion
