// SPDX-License-Identifier: GPL-3.0-or-later
// The births table through its versions. Step N turns a file of schema
// version N into one of version N + 1; a new file is made by running every
// step from 0, so the path from the first version is taken on every start.
#pragma once

#include <vector>

namespace tarvelin::library {

// The SQL statements of each step, in order; index N is step N -> N + 1.
const std::vector<std::vector<const char*>>& SchemaSteps();

}  // namespace tarvelin::library
