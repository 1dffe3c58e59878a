// Shared by widget tests: nothing here yet beyond the entry point below.
