// SPDX-License-Identifier: GPL-3.0-or-later
// Files tarvelin-cli writes (--pdf, --png, --export-library), each in one
// step: the bytes go to a temporary file beside the target, which takes the
// target's name only once it is complete and on the disk. A failure leaves
// the target as it was and no temporary file behind. Paths are the bytes
// the user gave, whatever their encoding.
#pragma once

#include <string>
#include <string_view>

namespace tarvelin::cli {

// Writes `bytes` to `path` as above. False with `problem` set to
// "cannot write PATH: REASON" (the system's reason) when it cannot.
bool WriteFileReplacing(const std::string& path, std::string_view bytes,
                        std::string& problem);

}  // namespace tarvelin::cli
