#pragma once

#include "palmdat/PalmDatWriter.h"

#include "support/LoggedFiles.h"
#include "support/SharedFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::testing {

// A temporary folder for Palm files and the debug log.
class PalmFiles : public LoggedFiles {};


}  // namespace velmora::testing
