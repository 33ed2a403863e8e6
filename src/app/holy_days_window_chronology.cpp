// Filled in with the main window's chronology handlers.
