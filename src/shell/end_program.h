// SPDX-License-Identifier: GPL-3.0-or-later
// Ends Tarvelin: closes every window still open, one after the other, then
// leaves the event loop.
#pragma once

namespace tarvelin {

void EndProgram();

}  // namespace tarvelin
