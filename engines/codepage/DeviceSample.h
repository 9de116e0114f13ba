#pragma once
// Reading a detector's sample from the start of a stream without moving the stream.

#include <QByteArray>

class QIODevice;

namespace folianto::codepage {

// The stream's whole length in bytes (what is still to come, for a sequential stream).
qint64 streamLength(QIODevice& device);

// Up to maxBytes bytes from the start of the stream (from the current point of a sequential
// one, which is only peeked at); a read failure ends the sample early. The stream's position
// is the same afterwards.
QByteArray leadingBytes(QIODevice& device, qint64 maxBytes);

} // namespace folianto::codepage
