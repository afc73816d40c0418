#pragma once

namespace Vocalune {

// Registers the resource bundle (views, images, pictures, recordings) and
// the translations.
// The bundle lives in a static library, so it must be pulled in explicitly;
// calling this more than once is harmless.
void initResources();

} // namespace Vocalune
