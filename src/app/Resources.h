#pragma once

namespace Vocalune {

// Registers the resource bundle (views, images, pictures, recordings), the
// translations and the names the views use for the program's enumerations
// (import Vocalune 1.0: Word.Marked, GameOptions.TryAgain, Navigator.WordGameMode).
// The bundle lives in a static library, so it must be pulled in explicitly;
// calling this more than once is harmless.
void initResources();

} // namespace Vocalune
