#pragma once
// A fresh installation folder per test, removed afterwards.

#include "settings/InstallFolder.h"
#include "tests/support/TemporaryFolder.h"

namespace monitor::protocol::test {

class ProtocolFolder : public testsupport::TemporaryFolder {
public:
    ProtocolFolder() : TemporaryFolder("zuro-protocol") {}
    settings::InstallFolder folder() const { return settings::InstallFolder(TemporaryFolder::folder()); }
};

}  // namespace monitor::protocol::test
