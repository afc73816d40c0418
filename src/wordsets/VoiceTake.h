#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// A take of the family's own voice made like the bundled recordings
// (tools/make-assets): trimmed to the word with 100 ms before it and a
// little after, brought to their loudness and kept as Ogg Vorbis. No audio
// device here: the recorder hands over the samples it captured.
namespace VoiceTake {

// The bundled recordings' loudness: the word's RMS, and the highest peak, in dBFS.
constexpr double TargetRmsDb = -19.5;
constexpr double PeakLimitDb = -3.0;
// Kept before the word's start (a player that opens its output late must not
// eat it) and after its end (soft releases such as "k" or "t").
constexpr int LeadMs = 100;
constexpr int TailMs = 200;

// pcm: 16-bit signed mono samples in the machine's byte order, at rate.
// The word trimmed and levelled, from -1 to 1; empty when the take holds no
// word (silence, a click, or too quiet to tell from its noise).
std::vector<float> prepare(const QByteArray &pcm, int rate);
// samples as an Ogg Vorbis file; empty if the encoder refused the rate.
QByteArray encode(const std::vector<float> &samples, int rate);

enum Result { Stored, NoWord, NotSaved };
// Prepares and encodes pcm and writes it to path, creating its folder. The
// write goes through a temporary file: a failure leaves the file that was there whole.
Result store(const QByteArray &pcm, int rate, const QString &path);

} // namespace VoiceTake
