#pragma once

// The version is set once, as the project's version in CMakeLists.txt, which defines
// TESSUVO_VERSION for every target.
namespace tessuvo::res {

// The version line of the about box, and what `tessuvo --version` prints.
inline constexpr const char* VersionLine = "Tessuvo [TESSUVO] Version " TESSUVO_VERSION;

} // namespace tessuvo::res
