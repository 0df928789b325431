#pragma once
// A private folder for one test, removed with everything in it afterwards.

#include "tests/support/TemporaryFolder.h"

namespace platform::test {

using testsupport::TemporaryFolder;

}  // namespace platform::test
