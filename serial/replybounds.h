// The longest reply each exchange accepts before it calls the reply malformed.
//
// A reply ends only when the line falls silent, so a line that never does (noise, a
// chattering device) would keep a read going for ever. Every bound lies well above the
// longest valid reply of its exchange.
#pragma once

namespace qv::serial::replybound {

// "Q_QV5_FW2.1" and a line end: a dozen bytes.
inline constexpr int Identification = 256;
// The port search sends the identification request.
inline constexpr int Search = 256;
// 56 fields of 16 characters with separators and line ends: about 900 to 1100 bytes.
inline constexpr int ReadOut = 4096;
// One line of eight short fields: well under 100 bytes.
inline constexpr int Status = 512;

} // namespace qv::serial::replybound
