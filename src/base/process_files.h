// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files that belong to one run of a program carry its process id in their
// name: the temporaries of a whole-file replace (".NAME.PID-N.tmp"), of an
// export (".NAME.parcial-PID-N") and the private scratch folder of a run that
// found another one working in the same folder (".instancia-PID"). A run that
// is killed leaves them behind; the next one removes those whose process is
// gone.
#include <ctime>
#include <string>
#include <sys/types.h>

namespace vs {

// The temporary a whole-file replace writes `target` through (same folder).
std::string replaceTemporaryName(const std::string& target, unsigned counter);
// The temporary an export writes `target` through (same folder).
std::string partialTemporaryName(const std::string& target, unsigned counter);

// The process whose temporary or scratch folder `name` (a file name, no
// folder) is; 0 for any other name.
pid_t temporaryOwner(const std::string& name);

// Whether `pid` runs and may be the process that last changed a file at
// `changed`: a process that started later is another one that got the same
// id again.
bool processRuns(pid_t pid, const timespec& changed);

// Removes from `folder` (not below it) the temporaries and scratch folders
// whose process is gone; how many. A missing folder has none.
int removeStaleTemporaries(const std::string& folder);
// The same in the folder that holds `file`.
int removeStaleTemporariesBeside(const std::string& file);

// The folder this run keeps its scratch files in (the tone waves): `folder`
// itself while no other running program has claimed it, otherwise a private
// folder inside it that no other run uses. The claim lasts until the process
// ends or claims another folder.
std::string claimScratchFolder(const std::string& folder);
// Removes the private folder once its files are gone; `folder` itself stays.
void releaseScratchFolder(const std::string& scratch);

} // namespace vs
