#pragma once

namespace tintara {

inline constexpr char kVersionText[] = "Version 2.01.02";
inline constexpr char kApplicationTitle[] = "Tintara";
inline constexpr char kDesignCaption[] = " Tintara";

}  // namespace tintara
