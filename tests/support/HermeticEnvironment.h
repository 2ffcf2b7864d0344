#pragma once

// Gives the whole test program its own HOME and XDG folders and removes proxy variables,
// so no test touches the user's real preferences, keyring or network settings.

namespace tavrel::test {

void makeEnvironmentHermetic();

} // namespace tavrel::test
