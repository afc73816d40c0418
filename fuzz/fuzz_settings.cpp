// settings.dat: any bytes load as a usable volume, mute and voice.
#include "fuzzsupport.h"

#include "Settings.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    FuzzSupport::setUp();
    FuzzSupport::writeDataFile(QStringLiteral("/settings.dat"), data, size);
    Settings settings;
    settings.load();
    FUZZ_CHECK(std::isfinite(settings.outputVolume()));
    FUZZ_CHECK(settings.outputVolume() >= 0.0 && settings.outputVolume() <= 1.0);
    FUZZ_CHECK(settings.volumePercent() >= 0 && settings.volumePercent() <= 100);
    // What loads must save and load back the same.
    settings.save();
    Settings again;
    again.load();
    FUZZ_CHECK(again.outputVolume() == settings.outputVolume());
    FUZZ_CHECK(again.mute() == settings.mute());
    FUZZ_CHECK(again.voice() == settings.voice());
    return 0;
}
