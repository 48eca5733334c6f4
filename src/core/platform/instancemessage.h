#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

// What a second start of the program sends to the one already running: the
// files to open, as absolute paths. The message is a marker line followed by
// one UTF-8 path per line, each written with its line breaks and
// backslashes escaped, so that any path survives the trip.
namespace InstanceMessage {

// A message longer than this is refused unread.
constexpr qsizetype MaxSize = qsizetype(1) << 20;

QByteArray encode(const QStringList &paths);
// The paths, or nothing when the bytes are not a whole message.
std::optional<QStringList> decode(const QByteArray &bytes);

} // namespace InstanceMessage
