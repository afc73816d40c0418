#include "VoiceTake.h"

#include "DataDirectory.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// The take is judged in frames of this length.
constexpr int FrameMs = 10;
// The loudest frame of a take that a child said something into: below this
// it is refused rather than amplified into noise.
constexpr double QuietestWordDb = -45;
// The word stands this far above the take's noise (its quietest tenth).
constexpr double WordAboveNoiseDb = 15;
// The word starts and ends where a frame first and last passes this far
// below the loudest one, and clearly above the noise.
constexpr double EdgeBelowLoudestDb = 40;
constexpr double EdgeAboveNoiseDb = 10;
// Anything shorter is a click or a tap on the microphone.
constexpr int ShortestWordMs = 80;
// The word's loudness is taken with this much around its edges, as the
// bundled recordings' is.
constexpr int MarginMs = 40;
// On the kept margins, so that a cut in the room's noise does not click.
constexpr int FadeInMs = 10;
constexpr int FadeOutMs = 20;
// Vorbis quality (-0.1 to 1): plenty for a voice.
constexpr float Quality = 0.4f;

double decibels(double amplitude)
{
    return amplitude > 0 ? 20 * std::log10(amplitude) : -200;
}

int samplesIn(int ms, int rate)
{
    return int(qint64(rate) * ms / 1000);
}

// The RMS of samples[from, to) in dBFS.
double rmsDb(const qint16 *samples, int from, int to)
{
    double sum = 0;
    for (int i = from; i < to; ++i)
        sum += double(samples[i]) * samples[i];
    return to > from ? decibels(std::sqrt(sum / (to - from)) / 32768) : -200;
}

} // namespace

std::vector<float> VoiceTake::prepare(const QByteArray &pcm, int rate)
{
    const auto *samples = reinterpret_cast<const qint16 *>(pcm.constData());
    const int count = pcm.size() / int(sizeof(qint16));
    const int frame = samplesIn(FrameMs, rate);
    const int frames = frame > 0 ? count / frame : 0;
    if (frames == 0)
        return {};
    std::vector<double> level(frames);
    for (int f = 0; f < frames; ++f)
        level[f] = rmsDb(samples, f * frame, (f + 1) * frame);
    std::vector<double> sorted = level;
    std::nth_element(sorted.begin(), sorted.begin() + frames / 10, sorted.end());
    const double noise = sorted[frames / 10];
    const double loudest = *std::max_element(level.begin(), level.end());
    if (loudest < QuietestWordDb || loudest - noise < WordAboveNoiseDb)
        return {};
    const double edge = std::max(loudest - EdgeBelowLoudestDb, noise + EdgeAboveNoiseDb);
    int first = 0;
    while (level[first] < edge)
        ++first;
    int last = frames - 1;
    while (level[last] < edge)
        --last;
    if ((last + 1 - first) * FrameMs < ShortestWordMs)
        return {};

    const int wordStart = first * frame;
    const int wordEnd = (last + 1) * frame;
    const int start = std::max(0, wordStart - samplesIn(LeadMs, rate));
    const int end = std::min(count, wordEnd + samplesIn(TailMs, rate));
    const int margin = samplesIn(MarginMs, rate);
    const double rms = rmsDb(samples, std::max(0, wordStart - margin), std::min(count, wordEnd + margin));
    int peak = 1;
    for (int i = start; i < end; ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    // As tools/make-assets levels the bundled words: to the target RMS, unless
    // that would lift a peak over the limit.
    const double gain = std::min(TargetRmsDb - rms, PeakLimitDb - decibels(peak / 32768.0));
    const double factor = std::pow(10.0, gain / 20) / 32768;

    std::vector<float> word(end - start);
    const int fadeIn = samplesIn(FadeInMs, rate);
    const int fadeOut = samplesIn(FadeOutMs, rate);
    const int size = int(word.size());
    for (int i = 0; i < size; ++i) {
        double value = samples[start + i] * factor;
        if (i < fadeIn)
            value *= double(i) / fadeIn;
        if (size - 1 - i < fadeOut)
            value *= double(size - 1 - i) / fadeOut;
        word[i] = float(value);
    }
    return word;
}

QByteArray VoiceTake::encode(const std::vector<float> &samples, int rate)
{
    QByteArray out;
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 1, rate, Quality) != 0) {
        vorbis_info_clear(&info);
        return out;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "Vocalune");
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);

    ogg_page page;
    const auto writePage = [&] {
        out.append(reinterpret_cast<const char *>(page.header), int(page.header_len));
        out.append(reinterpret_cast<const char *>(page.body), int(page.body_len));
    };
    ogg_packet identification, comments, codebooks;
    vorbis_analysis_headerout(&dsp, &comment, &identification, &comments, &codebooks);
    ogg_stream_packetin(&stream, &identification);
    ogg_stream_packetin(&stream, &comments);
    ogg_stream_packetin(&stream, &codebooks);
    // The audio starts on a page of its own, as players expect.
    while (ogg_stream_flush(&stream, &page) != 0)
        writePage();

    constexpr size_t Chunk = 4096;
    for (size_t at = 0;;) {
        const size_t count = std::min(Chunk, samples.size() - at);
        if (count > 0) {
            float **buffer = vorbis_analysis_buffer(&dsp, int(count));
            std::memcpy(buffer[0], samples.data() + at, count * sizeof(float));
        }
        // Zero samples written marks the end of the stream.
        vorbis_analysis_wrote(&dsp, int(count));
        at += count;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0)
                    writePage();
            }
        }
        if (count == 0)
            break;
    }
    while (ogg_stream_flush(&stream, &page) != 0)
        writePage();

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

VoiceTake::Result VoiceTake::store(const QByteArray &pcm, int rate, const QString &path)
{
    const std::vector<float> word = prepare(pcm, rate);
    if (word.empty())
        return NoWord;
    const QByteArray ogg = encode(word, rate);
    // The save would write through a link to wherever it points; a link is no
    // recording of ours, so it goes.
    if (QFileInfo(path).isSymLink())
        QFile::remove(path);
    if (ogg.isEmpty() || !QDir().mkpath(QFileInfo(path).path())
        || !DataDirectory::writeFile(path, [&ogg](QDataStream &out) { out.writeRawData(ogg.constData(), ogg.size()); }))
        return NotSaved;
    return Stored;
}
