// Filled in with the run of this name.
